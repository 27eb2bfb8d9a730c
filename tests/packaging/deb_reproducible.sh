#!/usr/bin/env bash
# The built tree's .deb and that of a second build, of the package's targets alone, in another folder from a copy
# of the sources whose files are all new, are the same bytes. usage: $0 CMAKE CPACK SOURCE_DIR BUILD_DIR GENERATOR TYPE
. "$(dirname "$0")/../e2e/lib.sh"
"$2" --config "$4/CPackConfig.cmake" -G DEB -B "$work/first" >/dev/null || fail "cpack failed"
# Build trees stay behind; .git comes along, so the copy finds its commit's time on its own.
mkdir -p "$work/another/source"
tar -C "$3" --exclude-tag-all=CMakeCache.txt -c . | tar -C "$work/another/source" -x -m
"$1" -S "$work/another/source" -B "$work/another/build" -G "$5" -DCMAKE_BUILD_TYPE="$6" -DBUILD_TESTING=OFF \
    >"$work/log" 2>&1 && "$1" --build "$work/another/build" -j "$(nproc)" --target package >>"$work/log" 2>&1 \
    || { tail -n 30 "$work/log" >&2; fail "the second build failed"; }
show() { ar tv "$1"; dpkg-deb -c "$1"; dpkg-deb -I "$1" md5sums; }  # where two .debs differ: times, modes, contents
set -- "$work"/first/*.deb "$work"/another/build/*.deb
cmp "$1" "$2" || { diff <(show "$1") <(show "$2") >&2; fail "the two .debs differ"; }
