#!/usr/bin/env bash
# Sets up and builds what is missing, then opens the calculator window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec "${BUILD_DIR:-build}/app/can-filter-calculator"
