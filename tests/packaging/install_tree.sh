#!/usr/bin/env bash
# usage: $0 CMAKE BUILD_DIR VERSION. Installed, both programs' files are valid, agree on id and version, and open
# their windows.
. "$(dirname "$0")/../e2e/lib.sh"
repo=$(cd "$(dirname "$0")/../.." && pwd) version=$3
"$1" --install "$2" --prefix "$work/prefix" >/dev/null || fail "cmake --install failed"
cd "$work/prefix"

has() {  # FILE PATTERN...: each pattern on some line of the file, gzipped or not
    for pattern in "${@:2}"; do zgrep -q -- "$pattern" "$1" || fail "$1: nothing matches $pattern"; done
}

check_program() {  # PROGRAM TITLE
    local program=$1 id=org.zentrak.$1
    local desktop=share/applications/$id.desktop metainfo=share/metainfo/$id.metainfo.xml
    local icons
    icons=$(/usr/bin/convert share/icons/hicolor/*/apps/$id.png -alpha extract \
        -format '%m %wx%h %[fx:mean >= 0.3] ' info:)
    [ "$icons" = "PNG 128x128 1 PNG 16x16 1 PNG 256x256 1 PNG 32x32 1 PNG 48x48 1 PNG 64x64 1 " ] ||
        fail "$id's icons, none empty: $icons"
    cmp "$repo/$program/assets/icon.svg" "share/icons/hicolor/scalable/apps/$id.svg" ||
        fail "no scalable icon the window's own"
    desktop-file-validate "$desktop" && appstreamcli validate --no-net "$metainfo" ||
        fail "$desktop or $metainfo is not valid"
    has "$desktop" "^Icon=$id\$" "^Exec=$program\$" '^Categories=Education;Math;$' '^Terminal=false$' \
        '^Name\[zh_CN\]=' '^Comment\[zh_CN\]='
    has "$metainfo" "<id>$id</id>" "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
        "<binary>$program</binary>" "<release version=\"$version\""
    for page in share/man/man1/$program.1.gz share/man/zh_CN/man1/$program.1.gz; do
        has "$page" "^\.TH ${program^^} 1 .*\"zentrak $version\""
        # stricter than lintian, which lets unbreakable Chinese lines pass
        local warnings
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page: $warnings"
    done
    local shots; shots=$(grep -o 'https://zentrak.org/screenshots/[^<]*' "$metainfo") || fail "$metainfo: no screenshot"
    for shot in $shots; do [ -f "$repo/docs/${shot##*/}" ] || fail "$metainfo: $shot has no docs/${shot##*/}"; done
    start_program "$work/prefix/bin/$program" "$2"
    # may come a moment after the title on a busy machine
    icon() { xprop -id "$window" _NET_WM_ICON | grep -q 'Icon ('; }
    wait_for 5 icon || fail "$program's window has no icon"
    ! grep '^forms: cannot load' "$work/stderr" >&2 || fail "$program misses a picture or its icon"
    kill "$program_pid"
}

has share/doc/zentrak/changelog.gz "^zentrak ($version) "
start_display
check_program unitrix Zentrak
check_program angulon Rotavel
