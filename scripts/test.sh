#!/usr/bin/env bash
# Sets everything up, then runs every test (GUI tests render offscreen): each test on its own through
# ctest, then the GUI test programs with all their tests in one process, once in their written order and
# once shuffled, so that a test which leaves a setting changed, or needs one another test set, shows up.
# The shuffled run prints its seed: `--gtest_shuffle --gtest_random_seed=SEED` replays it.
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
    seed=$((RANDOM % 99999 + 1))
    echo "$program, all tests in one process, shuffled with seed $seed:"
    "$build_dir/bin/$program" --gtest_brief=1 --gtest_shuffle --gtest_random_seed="$seed"
  fi
done
