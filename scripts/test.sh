#!/usr/bin/env bash
# Sets up and builds what is missing, then runs every test (windows on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
# The tests also validate the desktop entry and the AppStream metadata.
scripts/setup.sh desktop-file-utils appstream
cd "${BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
