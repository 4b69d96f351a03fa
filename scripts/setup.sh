#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, configures and builds into
# build/. Quick when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          nlohmann-json3-dev libutfcpp-dev libbenchmark-dev fonts-noto-cjk
          clang libclang-rt-14-dev)
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

# One build serves the toolbox and the tests, always with the sanitizers, so that switching
# between the two commands never rebuilds everything.
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVAR_SANITIZE=ON
fi
cmake --build build
