#!/usr/bin/env bash
# Builds the optimized toolbox into build-package/ and makes a Debian package of it with CPack.
# The .deb lands in build-package/ unless a folder is given as the first argument.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-$PWD/build-package}"
bash scripts/setup.sh
if [ ! -f build-package/build.ninja ]; then
  cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVAR_TESTS=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr
fi
cmake --build build-package --target tolvar tolvar-script
mkdir -p "$out"
(cd build-package && cpack -G DEB -B "$out" >/dev/null)
ls "$out"/*.deb
