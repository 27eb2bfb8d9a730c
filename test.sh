#!/usr/bin/env bash
# Installs what is missing, builds, and runs every suite through ctest: unit,
# headless window tests, and end-to-end tests in a real window under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

ensure_packages $BUILD_PACKAGES $TEST_PACKAGES
build_tree build
cd build
ctest --output-on-failure -j "$(nproc)"
