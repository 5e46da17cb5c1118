#!/usr/bin/env bash
# Start-up time of ordinax to the first drawn frame of its window with a diagram
# of 1 000 000 points: builds the diagram with ordinax-cli, starts ordinax on it
# RUNS times (default 3) with ORDINAX_STARTUP_PROBE=1 and reports the best run.
# The time counts from the process start (libraries loaded, settings read, the
# file opened, the extents computed, the diagram drawn and shown).
#
# Usage: bench/startup_time.sh [BIN_DIR]       (default build/default/bin)
#   PLATFORM=offscreen (default) or PLATFORM=xvfb (a real X server, xvfb-run)
#   KEEP=FILE keeps a copy of the JSON of the diagram
set -euo pipefail
export LC_ALL=C
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../build/default/bin}
runs=${RUNS:-3}
platform=${PLATFORM:-offscreen}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# One curve of 1 000 000 points: a damped oscillation over [0, 1000], written as
# the JSON that `ordinax-cli build` turns into a diagram file.
awk 'BEGIN {
  n = 1000000
  # Scales fixed in the file (opening does not rescale) and a plain line through every point.
  printf "{\"displayMode\": 1, \"scales\": {\"axis\": [[{\"origin\": 0, \"extremity\": 1000, \"step\": 200}, {}],"
  printf " [{\"origin\": -1.5, \"extremity\": 1.5, \"step\": 0.5}, {}]]},"
  printf " \"curves\": [{\"title\": \"Un million de points\", \"line\": {\"type\": [1, 0], \"width\": [1, 1], \"colour\": [8388608, 0]},"
  printf " \"points\": ["
  for (i = 0; i < n; i++) {
    x = i * 1000.0 / (n - 1)
    printf "%s[%.9g,%.9g]", (i ? "," : ""), x, exp(-x / 400) * sin(x / 7) + 0.05 * sin(x * 3.1)
  }
  printf "]}]}\n"
}' > "$scratch/million.json"
[ -z "${KEEP:-}" ] || cp "$scratch/million.json" "$KEEP"
"$bin/ordinax-cli" build --factory "$scratch/million.json" -o "$scratch/million.orx"
"$bin/ordinax-cli" info --factory "$scratch/million.orx" | tr -d ' \n' | grep -q '"pointCount":1000000' ||
  { echo "startup_time: the diagram does not hold 1000000 points" >&2; exit 1; }
echo "diagram: $(stat -c %s "$scratch/million.orx") bytes, 1000000 points"

# A home and settings of their own: the user's settings and recent files stay untouched.
mkdir -p "$scratch/home"
run_once() {
  local command=("$bin/ordinax" --settings "$scratch/ordinax.ini" --no-welcome "$scratch/million.orx")
  if [ "$platform" = xvfb ]; then
    HOME=$scratch/home ORDINAX_STARTUP_PROBE=1 QT_QPA_PLATFORM=xcb \
      timeout 120 xvfb-run -a -s "-screen 0 1400x900x24" "${command[@]}"
  else
    HOME=$scratch/home ORDINAX_STARTUP_PROBE=1 QT_QPA_PLATFORM=$platform timeout 120 "${command[@]}"
  fi
}

best=
for ((i = 1; i <= runs; i++)); do
  line=$(run_once 2>&1 >/dev/null | grep '^first paint after' || true)
  ms=${line//[!0-9]/}
  if [ -z "$ms" ]; then
    echo "startup_time: run $i reported no first paint" >&2
    exit 1
  fi
  echo "run $i: $ms ms"
  if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
done
echo "best of $runs ($platform): first paint after $best ms"
