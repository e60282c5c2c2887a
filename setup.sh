#!/usr/bin/env bash
# Set-up for a fresh Debian 12 machine: installs the Debian packages that are
# missing, configures and builds, then starts the app (run) or runs every test (test).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 libqt6sql6-sqlite libqt6sql6-psql libgl-dev
  libgtest-dev libbenchmark-dev libzip-dev libsqlite3-dev
  postgresql xvfb xauth poppler-utils
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  local dir="${BUILD_DIR:-build}"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$dir" --parallel "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build
    shift
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display found: starting under xvfb-run (nothing will be visible)." >&2
      exec xvfb-run -a "${BUILD_DIR:-build}/bin/kelmira" --demo "$@"
    fi
    exec "${BUILD_DIR:-build}/bin/kelmira" --demo "$@"
    ;;
  test)
    # The office tests open generated documents in a real word processor and
    # spreadsheet program; the package test builds the .deb and checks it as
    # Debian would; the store tests read stores with the sqlite3 shell.
    PACKAGES+=(libreoffice-writer-nogui libreoffice-calc-nogui sqlite3 dpkg-dev lintian desktop-file-utils appstream man-db unzip)
    install_missing
    build
    ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)" --timeout 600
    ;;
  *)
    echo "usage: $0 run | test" >&2
    exit 2
    ;;
esac
