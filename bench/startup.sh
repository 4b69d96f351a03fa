#!/usr/bin/env bash
# Whole-process start-up: runs `tolvar --quit-after-first-paint` and the bare Qt program in turn,
# RUNS times each, under the offscreen platform and under Xvfb, and prints the medians and their
# ratio. Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build="$1" runs="${2:-20}"
tolvar="$build/bin/tolvar" bare="$build/bin/bare_qt_start"

# Milliseconds one start of the command takes, from exec to exit.
time_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

measure() {
  local platform="$1" t b i
  : >"$work/tolvar" && : >"$work/bare"
  for ((i = 0; i < runs; i++)); do
    time_ms env QT_QPA_PLATFORM="$platform" "$tolvar" --quit-after-first-paint >>"$work/tolvar"
    time_ms env QT_QPA_PLATFORM="$platform" "$bare" >>"$work/bare"
  done
  t=$(median <"$work/tolvar")
  b=$(median <"$work/bare")
  printf '%-10s tolvar %6s ms   bare Qt %6s ms   ratio %s\n' "$platform" "$t" "$b" \
    "$(awk -v t="$t" -v b="$b" 'BEGIN {printf "%.2f", t / b}')"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A private runtime folder, so that a toolbox the user has open does not hold the lock.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
if [ "${3:-}" = "--under-xvfb" ]; then
  measure xcb
  exit
fi
measure offscreen
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" "$build" "$runs" --under-xvfb
else
  echo "xcb        skipped: xvfb-run is not installed (apt-get install xvfb)"
fi
