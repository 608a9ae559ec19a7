#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need.
# Does nothing when they are all present already.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libsdl2-dev libfreetype-dev fonts-dejavu-core libcurl4-openssl-dev
  googletest libgtest-dev libbenchmark-dev
  binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64
  clang libclang-rt-14-dev clang-format
  xvfb xauth desktop-file-utils libx11-dev
  wine wine64 imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
