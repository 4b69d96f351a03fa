#!/usr/bin/env bash
# Installs the Debian packages that building, testing and packaging need. Quick when everything
# is already there. The build folders are configured by start.sh, test.sh and package.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          nlohmann-json3-dev libutfcpp-dev libbenchmark-dev fonts-noto-cjk poppler-utils
          clang libclang-rt-14-dev
          desktop-file-utils appstream dpkg-dev file g++-mingw-w64-x86-64-posix)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
