#!/usr/bin/env bash
# Sets everything up, then runs every test (GUI tests render offscreen): each test on its own through
# ctest, then the GUI test programs once each with all their tests in one process, so that a test which
# leaves a setting changed shows up in the tests after it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=${BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
for program in gui_tests views_tests; do
  if [ -x "$build_dir/bin/$program" ]; then
    echo "$program, all tests in one process:"
    "$build_dir/bin/$program" --gtest_brief=1
  fi
done
