#!/usr/bin/env bash
# Installs what is missing, builds, and runs every suite through ctest: unit,
# headless window tests, and end-to-end tests in a real window under Xvfb.
# Then the unit and headless window suites again under AddressSanitizer and
# UBSan, random number texts and doubles included.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

ensure_packages $BUILD_PACKAGES $TEST_PACKAGES
build_tree build
(cd build && ctest --output-on-failure -j "$(nproc)")

# Sanitizers: every finding fails its test. Only the leak inside libdbus is
# suppressed (tests/lsan.supp).
if [ ! -f build-asan/build.ninja ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer" \
        "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined,float-cast-overflow" >/dev/null
fi
cmake --build build-asan -j2
(
    cd build-asan
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    export LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp:print_suppressions=0
    ctest --output-on-failure -j "$(nproc)" -E '^(e2e|packaging)\.'
)
