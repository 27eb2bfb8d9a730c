#!/usr/bin/env bash
# CPack packs the built tree into a .deb on which lintian finds no error and
# no warning (a missing changelog, copyright or man page, a badly compressed
# or badly formatted page, wrong permissions...).
# usage: deb_lintian.sh CPACK BUILD_DIR
. "$(dirname "$0")/../e2e/lib.sh"
cpack=$1 build=$2

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
lintian --fail-on error,warning "${debs[0]}" || fail "lintian finds errors or warnings in ${debs[0]##*/}"
echo "PASS"
