#!/usr/bin/env bash
# Cross-compiles the core and tolvar-script for 64-bit Windows with mingw-w64, proving that every
# tool's logic builds there. Usage: check_windows_cross_build.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source_dir="$1" work="$2"
mkdir -p "$work/include"
# Only the header-only libraries, never the host's whole include folder, go into the cross build.
ln -sfn /usr/include/nlohmann "$work/include/nlohmann"
ln -sfn /usr/include/utf8cpp "$work/include/utf8cpp"
if [ ! -f "$work/build/build.ninja" ]; then
  cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-x86_64.cmake" \
        -DTOLVAR_GUI=OFF -DTOLVAR_TESTS=OFF -DTOLVAR_CROSS_INCLUDE_DIR="$work/include" >/dev/null
fi
cmake --build "$work/build" --target tolvar-script
kind=$(file -b "$work/build/bin/tolvar-script.exe")
echo "tolvar-script.exe: $kind"
grep -q "PE32+ executable" <<<"$kind"
