#!/usr/bin/env bash
# Sets everything up, then runs every test (GUI tests render offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
