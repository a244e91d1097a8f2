#!/usr/bin/env bash
# Installs the Debian packages Tessel needs (only those missing), then configures and
# builds into build/ (or $TESSEL_BUILD_DIR). Extra arguments are passed to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config ccache
  zlib1g-dev libpng-dev libjpeg-dev libtiff-dev libgif-dev
  libexpat1-dev libwebp-dev
  libcairo2-dev libfreetype-dev libfontconfig-dev fonts-liberation2
  nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev jq
  qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build_dir=${TESSEL_BUILD_DIR:-build}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${TESSEL_BUILD_TYPE:-RelWithDebInfo}" \
  "${launcher[@]}" "$@"
cmake --build "$build_dir" -j "$(nproc)"
