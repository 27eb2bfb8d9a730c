#!/usr/bin/env bash
# CPack's .deb of the built tree passes lintian: no error, no warning (man pages, changelog, copyright, modes).
# usage: $0 CPACK BUILD_DIR
. "$(dirname "$0")/../e2e/lib.sh"
"$1" --config "$2/CPackConfig.cmake" -G DEB -B "$work" || fail "cpack failed"
lintian --fail-on error,warning "$work"/*.deb || fail "lintian finds errors or warnings"
