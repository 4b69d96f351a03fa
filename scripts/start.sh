#!/usr/bin/env bash
# Builds the optimized toolbox into build/ if needed and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVAR_TESTS=OFF
fi
cmake --build build --target tolvar tolvar-script
exec build/bin/tolvar "$@"
