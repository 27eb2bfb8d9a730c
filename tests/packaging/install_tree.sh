#!/usr/bin/env bash
# `cmake --install` into a fresh prefix gives what a desktop needs: both
# programs, their menu entries, icons, metainfo and man pages, all valid and
# agreeing on one application id and version, and each installed binary opens
# its window.
# usage: install_tree.sh CMAKE BUILD_DIR VERSION
. "$(dirname "$0")/../e2e/lib.sh"
repo=$(cd "$(dirname "$0")/../.." && pwd)
cmake=$1 build=$2 version=$3
prefix="$work/prefix"

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
cd "$prefix"

check_program() {  # PROGRAM TITLE
    local program=$1 title=$2 id=org.zentrak.$1
    local desktop=share/applications/$id.desktop metainfo=share/metainfo/$id.metainfo.xml
    [ -x "bin/$program" ] || fail "bin/$program missing or not executable"
    [ -f "$desktop" ] || fail "$desktop missing"
    [ -f "$metainfo" ] || fail "$metainfo missing"

    for size in 16 32 48 64 128 256; do
        local png=share/icons/hicolor/${size}x${size}/apps/$id.png
        [ -f "$png" ] || fail "$png missing"
        local got; got=$(identify -format '%m %wx%h' "$png")
        [ "$got" = "PNG ${size}x${size}" ] || fail "$png is $got, expected PNG ${size}x${size}"
        # A failed render would still be a PNG of the right size, but empty.
        local cover; cover=$(/usr/bin/convert "$png" -alpha extract -format '%[fx:int(100*mean)]' info:)
        [ "$cover" -ge 30 ] || fail "$png is nearly transparent (${cover}% cover)"
    done
    local svg=share/icons/hicolor/scalable/apps/$id.svg
    cmp -s "$repo/$program/assets/icon.svg" "$svg" || fail "$svg missing or not the window icon"

    desktop-file-validate "$desktop" || fail "$desktop does not validate"
    appstreamcli validate --no-net "$metainfo" >"$work/appstream" ||
        { cat "$work/appstream" >&2; fail "$metainfo does not validate"; }

    # The menu entry must find the icon and the binary by name, and the
    # metainfo must point at this entry and this binary.
    grep -qx "Icon=$id" "$desktop" || fail "$desktop: Icon is not $id"
    grep -qx "Exec=$program" "$desktop" || fail "$desktop: Exec is not $program"
    grep -qx 'Categories=Education;Math;' "$desktop" || fail "$desktop: not under Education;Math;"
    grep -qx 'Terminal=false' "$desktop" || fail "$desktop: would open a terminal"
    grep -q '^Name\[zh_CN\]=' "$desktop" && grep -q '^Comment\[zh_CN\]=' "$desktop" ||
        fail "$desktop: no Chinese name or comment"
    grep -q "<id>$id</id>" "$metainfo" || fail "$metainfo: id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "$metainfo: launchable is not $id.desktop"
    grep -q "<binary>$program</binary>" "$metainfo" || fail "$metainfo: does not provide $program"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "$metainfo: no release entry for $version"
    # The man pages name the version they describe in their footer, and format
    # without a warning in a terminal (lintian lets Chinese lines that cannot
    # be broken pass).
    for page in share/man/man1/$program.1.gz share/man/zh_CN/man1/$program.1.gz; do
        zgrep -q "^\.TH ${program^^} 1 .*\"zentrak $version\"" "$page" || fail "$page missing or not for $program $version"
        local warnings; warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page: $warnings"
    done
    # The web site's screenshots are copies of docs/, under the same names.
    local shots; shots=$(grep -o 'https://zentrak.org/screenshots/[^<]*' "$metainfo") || fail "$metainfo: no screenshot"
    for shot in $shots; do
        [ -f "$repo/docs/${shot##*/}" ] || fail "$metainfo: $shot has no docs/${shot##*/}"
    done

    start_program "$prefix/bin/$program" "$title"
    kill "$program_pid"; wait "$program_pid" 2>/dev/null || true
}

zgrep -q "^zentrak ($version) " share/doc/zentrak/changelog.gz ||
    fail "share/doc/zentrak/changelog.gz missing or without an entry for $version"
start_display
check_program unitrix Zentrak
check_program angulon Rotavel
echo "PASS"
