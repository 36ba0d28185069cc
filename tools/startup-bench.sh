#!/usr/bin/env bash
# Start-up to the first shown frame, and peak memory, of the calculator against
# a minimal Qt window and against the least window of the same widget kinds:
# on the offscreen platform, and on X11 when Xvfb is installed (package xvfb).
# RUNS sets the runs per program (default 41).
set -euo pipefail
runs=${RUNS:-41}
bin=build/startup/bench
programs=("$bin/bench_calculator_first_frame" "$bin/bench_minimal_window" "$bin/bench_widget_floor")

echo "offscreen:"
QT_QPA_PLATFORM=offscreen "$bin/startup_bench" --runs="$runs" "${programs[@]}"

if ! command -v Xvfb >/dev/null; then
  echo "X11: skipped, Xvfb is not installed"
  exit 0
fi
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$number_file"' EXIT
for _ in $(seq 50); do [ -s "$number_file" ] && break; sleep 0.1; done
display=":$(head -n 1 "$number_file")"
echo "X11 (Xvfb $display):"
DISPLAY=$display QT_QPA_PLATFORM=xcb "$bin/startup_bench" --runs="$runs" "${programs[@]}"
