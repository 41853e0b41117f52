#!/usr/bin/env bash
# Sets everything up, then starts the program from the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec "${BUILD_DIR:-build}/bin/kalomithra-hora" "$@"
