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
  fonts-dejavu-core qt6-translations-l10n
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

# The database layer and its tests built apart under AddressSanitizer and
# UndefinedBehaviorSanitizer, and run: a read of freed memory or undefined
# behaviour in the adapter fails the tests instead of passing by chance.
VELDRANO_SANITIZE_BUILD=${VELDRANO_SANITIZE_BUILD:-$VELDRANO_BUILD-sanitize}

veldrano_sanitized_tests() {
  cmake -S "$VELDRANO_ROOT" -B "$VELDRANO_SANITIZE_BUILD" -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug -DVELDRANO_SANITIZE=ON -DVELDRANO_DB_ONLY=ON \
    -DVELDRANO_BENCH=OFF -DVELDRANO_WERROR=OFF >/dev/null
  cmake --build "$VELDRANO_SANITIZE_BUILD" --parallel "$(nproc)"
  (
    cd "$VELDRANO_SANITIZE_BUILD"
    # Leaks of the ODBC driver manager and driver are theirs, not ours.
    export LSAN_OPTIONS="suppressions=$VELDRANO_ROOT/scripts/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --output-on-failure --timeout 600 -j "$(nproc)"
  )
}
