#!/usr/bin/env bash
# Installs the packages the build and the tests need on Debian 12 or 13, when they are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libxlsxwriter-dev libminizip-dev zlib1g-dev pkgconf
  qt6-base-dev qt6-multimedia-dev libgl-dev fonts-liberation fonts-dejavu-core
  xvfb dbus-daemon at-spi2-core
  desktop-file-utils appstream shared-mime-info groff-base dpkg-dev file
  libxkbcommon-dev hyperfine
)
# libminizip-dev: Debian 13's xlsxwriter.pc names minizip, which its -dev package does
# not bring in. libclang-rt-dev: the sanitizer and libFuzzer runtimes of the release's own
# clang (14 on Debian 12, 19 on Debian 13). libxkbcommon-dev: Qt's CMake files look for it
# while configuring. file: cpack's Debian package finds the programs to run dpkg-shlibdeps
# on with it. hyperfine: the README's start-up timing.

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
