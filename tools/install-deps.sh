#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and
# this machine lacks. Safe to run again: it installs nothing when all is there.
set -euo pipefail

packages=(cmake ninja-build g++ make libgtest-dev libbenchmark-dev qt6-base-dev
          libfontconfig-dev qt6-svg-dev desktop-file-utils appstream dpkg-dev file poppler-utils
          python3 clang-tidy lintian python3-pyatspi at-spi2-core dbus-x11 xvfb xdotool
          # the saved sheet's SVG rendered outside Qt in the tests
          librsvg2-bin imagemagick
          # the tests' oracle for the built-in simulation; the program does not use it
          ngspice
          "$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
