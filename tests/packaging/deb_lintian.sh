#!/usr/bin/env bash
# CPack packs the built tree into a .deb on which lintian finds no error and no warning (a missing changelog,
# copyright or man page, a badly compressed or formatted page, wrong permissions). usage: $0 CPACK BUILD_DIR
. "$(dirname "$0")/../e2e/lib.sh"
"$1" --config "$2/CPackConfig.cmake" -G DEB -B "$work" || fail "cpack failed"
lintian --fail-on error,warning "$work"/*.deb || fail "lintian finds errors or warnings"
