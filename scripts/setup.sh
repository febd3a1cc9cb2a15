#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing, and configures the
# build folder. Sourced by run.sh and test.sh.
set -euo pipefail

ZUMBREL_PACKAGES=(
  cmake ninja-build g++ ccache pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format unrtf
  qt6-base-dev qt6-qpa-plugins qt6-multimedia-dev libgl-dev fonts-liberation fonts-dejavu-core
  espeak-ng libsonic-dev libglib2.0-dev
  xvfb xauth dbus at-spi2-core python3-pyatspi orca openbox xdotool x11-utils imagemagick
  qt6-translations-l10n lintian
  desktop-file-utils poppler-utils openssl appstream dpkg-dev
)

zumbrel_install_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

zumbrel_configure() {  # folder, extra cmake arguments...
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja "$@"
  fi
}

zumbrel_install_packages "${ZUMBREL_PACKAGES[@]}"
