#!/usr/bin/env bash
# Optional check (not run by CI): builds the program and every test with AddressSanitizer,
# UndefinedBehaviorSanitizer and float-cast-overflow into build-sanitize/, then runs the whole test
# suite there. Any report of a sanitizer stops its test and fails the run. A first run builds everything
# instrumented (about 16 minutes at four jobs on a busy 8-core machine), the tests then take one to
# two minutes, the two fuzz programs the longest.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build-sanitize}
flags="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags"
# Packages, the build and the atlas, as for every build folder; the flags above stay in its cache.
BUILD_DIR="$build_dir" scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
