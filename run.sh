#!/usr/bin/env bash
# Installs what is missing, builds, and starts a program:
#   ./run.sh            unitrix, the reduction formulas on the unit circle
#   ./run.sh angulon    angulon, how an angle is formed
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

program=${1:-unitrix}
case "$program" in
    unitrix|angulon) ;;
    *) echo "usage: ./run.sh [unitrix|angulon]" >&2; exit 2 ;;
esac

ensure_packages $BUILD_PACKAGES
# A tree of its own: in ./test.sh's build/, switching the tests off would leave ctest there running stale ones.
build_tree build-run -DBUILD_TESTING=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<MSG
$program is built (build-run/bin/$program), but there is no display to show its window.
Run ./run.sh from a desktop session, or without one under a virtual display:
    xvfb-run -s '-screen 0 1024x768x24' ./run.sh $program
MSG
    exit 1
fi
exec "build-run/bin/$program"
