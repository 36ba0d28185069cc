#!/usr/bin/env bash
# Runs every built libFuzzer target for the given number of seconds, side by
# side, each from its committed seed corpus plus the corpus it grew before.
# Prints executions and coverage per target; fails when any target found a
# fault (the reproducer is kept under build/fuzz/artifacts/).
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
bin=build/fuzz/fuzz
work=fuzz/corpus-work
artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"

targets=()
for exe in "$bin"/fuzz_*; do
  [ -x "$exe" ] && [ -f "$exe" ] && targets+=("$(basename "$exe")")
done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $bin" >&2; exit 1; }

pids=()
for t in "${targets[@]}"; do
  mkdir -p "$work/$t"
  "$bin/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/$t-" "$work/$t" "fuzz/corpus/$t" >"$artifacts/$t.log" 2>&1 &
  pids+=($!)
done

failed=0
for k in "${!targets[@]}"; do
  t=${targets[$k]}
  if wait "${pids[$k]}"; then
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$artifacts/$t.log" | tail -1)
    execs=$(grep -oE 'number_of_executed_units: *[0-9]+' "$artifacts/$t.log" | grep -oE '[0-9]+$')
    cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' <<<"$done_line")
    echo "$t: ok, ${execs:-?} executions in ${seconds} s, ${cov:-no coverage line}"
  else
    failed=1
    echo "$t: FAILED, log and reproducer under $artifacts/" >&2
    grep -E -A12 'invariant broken|action [0-9]+ (threw|changed)|ERROR: |runtime error' "$artifacts/$t.log" | head -40 >&2
  fi
done
exit $failed
