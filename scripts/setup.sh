#!/usr/bin/env bash
# Installs what the build needs that is missing (extra package names may be passed), then
# configures once and builds what changed, in build/ or $BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/packages.sh "$@"
build_dir=${BUILD_DIR:-build}
[ -f "$build_dir/CMakeCache.txt" ] || cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" --parallel "$(nproc)"
