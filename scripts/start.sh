#!/usr/bin/env bash
# Builds the toolbox if needed and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
exec build/bin/tolvar "$@"
