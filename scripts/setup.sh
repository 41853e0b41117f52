#!/usr/bin/env bash
# Installs what is missing on a Debian machine, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config ccache
  clang libclang-rt-dev # fuzz tests; clang only recommends its libFuzzer and sanitizer runtimes
  qt6-base-dev
  libswe-dev swe-basic-data swe-standard-data swetest
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-core fonts-noto-extra fonts-liberation fonts-liberation2 fonts-dejavu-core
)
# The atlas generator runs on Node.js. Debian's npm conflicts with a Node.js that came from elsewhere,
# so both come from apt only when there is no npm at all.
command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir"

# The atlas of places, generated from the GeoNames city list; made again only when it is missing or
# when the generator, its locked packages or the region table changed (any Node.js makes the same
# atlas). Its packages are also what the generator's test runs on.
atlas_tool=tools/atlas
atlas_file="$build_dir/tvcore/atlas/tvworld.adb"
atlas_stamp="$build_dir/tvworld.adb.inputs"
atlas_inputs=$(cat "$atlas_tool"/*.js "$atlas_tool"/package-lock.json core/region_table_data.cpp | sha256sum | cut -d' ' -f1)
if [ ! -f "$atlas_file" ] || [ ! -d "$atlas_tool/node_modules" ] ||
  [ "$(cat "$atlas_stamp" 2>/dev/null)" != "$atlas_inputs" ]; then
  (cd "$atlas_tool" && npm ci --no-audit --no-fund --loglevel=error)
  node "$atlas_tool/generate.js" "$atlas_file"
  echo "$atlas_inputs" >"$atlas_stamp"
fi
