#!/usr/bin/env bash
# Sets up and builds what is missing, then runs every test (windows on the offscreen platform),
# first in build/, then again built with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ (SANITIZE=0 skips that second pass).
set -euo pipefail
cd "$(dirname "$0")/.."
# The tests also validate the desktop entry and the AppStream metadata.
scripts/setup.sh desktop-file-utils appstream
(cd "${BUILD_DIR:-build}" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")

if [ "${SANITIZE:-1}" != 0 ]; then
    [ -f build-sanitize/CMakeCache.txt ] ||
        cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=ON
    cmake --build build-sanitize --parallel "$(nproc)"
    cd build-sanitize
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
fi
