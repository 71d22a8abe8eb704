#!/usr/bin/env bash
# Installs the Debian packages Zanvelo needs (only those that are missing),
# then configures and builds it. Sourced by ./run and ./test.
set -euo pipefail

ZV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZV_BUILD=${ZV_BUILD:-$ZV_ROOT/build}

zv_packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin libqt6opengl6-dev libgl-dev
  libcurl4-openssl-dev libssl-dev
  libcpp-httplib-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils
  fonts-noto-cjk fonts-arphic-ukai
)

zv_install_missing() {
  local missing=() p
  for p in "${zv_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  ((${#missing[@]})) || return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

zv_build() {
  cmake -S "$ZV_ROOT" -B "$ZV_BUILD" -DCMAKE_BUILD_TYPE=${ZV_BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
  cmake --build "$ZV_BUILD" -j"$(nproc)"
}
