#!/usr/bin/env bash
# Shared by ./run and ./test: install what is missing (Debian 12), then
# configure the build tree. Sourced, not executed.
set -euo pipefail

VELDRANO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELDRANO_BUILD=${VELDRANO_BUILD:-$VELDRANO_ROOT/build}

veldrano_packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev libgl-dev
  libsqlite3-dev sqlite3
  unixodbc unixodbc-dev tdsodbc libsqliteodbc
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  libxlsxwriter-dev libzip-dev poppler-utils
)

veldrano_install() {
  local missing=()
  for p in "${veldrano_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

veldrano_configure() {
  local werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  cmake -S "$VELDRANO_ROOT" -B "$VELDRANO_BUILD" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELDRANO_WERROR=$werror "$@" >/dev/null
}

veldrano_build() {
  cmake --build "$VELDRANO_BUILD" --parallel "$(nproc)" "$@"
}
