#!/usr/bin/env bash
# Seeded-fault check of the test suite: changes one operator or constant at a
# time in the calculations, the window and the framework's text, time and
# control code, rebuilds build/default and runs the fast suite (no fuzzing, no
# sanitizers). A mutant that does not compile, or compiles to the same machine
# code as the original (an equivalent mutant), is skipped.
#
#   tools/mutation-check.sh [COUNT] [SEED]     (defaults 100 and 17)
#
# Prints one line per mutant (CAUGHT, MISSED, SKIP-build, SKIP-same) and the
# caught share of the mutants that ran. The source is restored after each
# mutant and on any exit. MUTATION_TARGETS overrides the files sampled.
set -uo pipefail
cd "$(dirname "$0")/.."

count=${1:-100}
seed=${2:-17}
jobs=${JOBS:-4}
build=build/default
work=$(mktemp -d)
log=$work/log

targets=${MUTATION_TARGETS:-"design/*.cpp app/app.cpp app/control_creation.cpp
  app/control_table.cpp app/mc34063.cpp app/menu_bar1.cpp app/program.cpp framework/text.cpp
  framework/val.cpp framework/timer.cpp framework/event_loop.cpp framework/control.cpp
  framework/control_set.cpp framework/text_field.cpp framework/popup_menu.cpp
  framework/static_text.cpp framework/window.cpp framework/runtime.cpp framework/runtime_math.cpp
  framework/event_source.cpp framework/menu_item.cpp framework/push_button.cpp"}

mutated=""
restore() {
  if [ -n "$mutated" ]; then
    cp "$work/original" "$mutated"
    touch "$mutated"
    mutated=""
  fi
}
trap 'restore; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

build_all() { cmake --build --preset default -j "$jobs" >"$log" 2>&1; }

# The object file of a source, stripped of its debug information.
object_code() {
  local obj
  obj=$(find "$build" -path "*CMakeFiles*" -name "$(basename "$1").o" | grep "/$(dirname "$1")/" |
    head -1)
  objcopy --strip-debug "$obj" "$2" 2>/dev/null
}

# Lists mutation sites as FILE<TAB>LINE<TAB>COLUMN<TAB>OLD<TAB>NEW, sampled.
list_mutants() {
  python3 - "$count" "$seed" $targets <<'PY'
import random, re, sys

count, seed, files = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3:]
swaps = {" + ": " - ", " - ": " + ", " * ": " / ", " / ": " * ", " < ": " <= ",
         " <= ": " < ", " > ": " >= ", " >= ": " > ", " == ": " != ", " != ": " == ",
         " && ": " || ", " || ": " && "}
operator = re.compile("|".join(re.escape(k) for k in sorted(swaps, key=len, reverse=True)))
number = re.compile(r"(?<![\w.])(0x[0-9A-Fa-f]+|\d+\.\d*|\d*\.\d+|\d+)(e[+-]?\d+)?(?![\w.])")

def code_spans(line):
    """Column ranges of a line outside comments, strings and characters."""
    spans, start, k, quote = [], 0, 0, None
    while k < len(line):
        c = line[k]
        if quote:
            if c == "\\":
                k += 1
            elif c == quote:
                quote, start = None, k + 1
        elif c in "\"'":
            spans.append((start, k))
            quote = c
        elif line.startswith("//", k):
            break
        k += 1
    if not quote:
        spans.append((start, k))
    return spans

def number_mutants(text):
    mantissa, exponent = text.group(1), text.group(2) or ""
    if mantissa.startswith("0x"):
        value = int(mantissa, 16)
        return [hex(value + 1), hex(max(value - 1, 0)), hex(value * 10)]
    if "." in mantissa or exponent:
        value = float(mantissa)
        return [repr(value * 10) + exponent, repr(value + 1) + exponent]
    value = int(mantissa)
    return [str(value + 1), str(value - 1) if value > 0 else "10", str(value * 10)]

sites = []
for path in files:
    for row, line in enumerate(open(path, encoding="utf-8"), 1):
        stripped = line.strip()
        if stripped.startswith(("#", "//", "static_assert")):
            continue
        for begin, end in code_spans(line.rstrip("\n")):
            part = line[begin:end]
            for m in operator.finditer(part):
                sites.append((path, row, begin + m.start(), m.group(), swaps[m.group()]))
            for m in number.finditer(part):
                for new in number_mutants(m):
                    sites.append((path, row, begin + m.start(), m.group(), new))

# One site per line, so that a table row of many numbers weighs as much as a
# line of code.
def changes(old, new):
    try:
        return float.fromhex(old) != float.fromhex(new) if "0x" in old else float(old) != float(new)
    except ValueError:
        return old != new

by_line = {}
for site in sites:
    if changes(site[3], site[4]):
        by_line.setdefault(site[:2], []).append(site)
rng = random.Random(seed)
lines = sorted(by_line)
rng.shuffle(lines)
for key in lines[:count]:
    print("\t".join(str(x) for x in rng.choice(by_line[key])))
PY
}

apply_mutant() {
  python3 - "$@" <<'PY'
import sys
path, row, col, old, new = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5]
lines = open(path, encoding="utf-8").read().split("\n")
line = lines[row - 1]
assert line[col:col + len(old)] == old, (path, row, line)
lines[row - 1] = line[:col] + new + line[col + len(old):]
open(path, "w", encoding="utf-8").write("\n".join(lines))
PY
}

echo "building the original"
build_all || { cat "$log"; exit 1; }
ctest --preset default -j "$jobs" >"$log" 2>&1 || { echo "the suite fails unmutated"; exit 1; }
mkdir -p "$work/orig"
for file in $targets; do object_code "$file" "$work/orig/${file//\//_}.o"; done

caught=0 missed=0 skipped=0
while IFS=$'\t' read -r file row col old new; do
  cp "$file" "$work/original"
  mutated=$file
  apply_mutant "$file" "$row" "$col" "$old" "$new"
  where="$file:$row '${old}' -> '${new}'"
  if ! build_all; then
    echo "SKIP-build $where"
    skipped=$((skipped + 1))
  elif object_code "$file" "$work/after.o" && cmp -s "$work/orig/${file//\//_}.o" "$work/after.o"; then
    echo "SKIP-same  $where"
    skipped=$((skipped + 1))
  elif ctest --preset default -j "$jobs" --timeout 120 >"$log" 2>&1; then
    echo "MISSED     $where"
    missed=$((missed + 1))
  else
    echo "CAUGHT     $where"
    caught=$((caught + 1))
  fi
  restore
done < <(list_mutants)

build_all
ran=$((caught + missed))
echo "caught $caught of $ran mutants that ran ($skipped skipped)" \
  "$( [ "$ran" -gt 0 ] && echo "= $((100 * caught / ran))%")"
