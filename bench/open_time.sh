#!/usr/bin/env bash
# Time from "Ouvrir..." to the drawn diagram, for 10 curves of 1 000 000
# points spread over the whole plot (one symbol at every point, the heaviest
# case): builds the diagram with ordinax-cli import, then starts ordinax RUNS
# times (default 5) with ORDINAX_OPEN_PROBE=1, which opens the file from the
# event loop once the empty window is drawn and reports the time to the frame
# showing it. Each run waits IDLE seconds first (default 5): memory that has
# lain unused is dearer to fill, as it is for a user opening a file.
#
# Usage: bench/open_time.sh [BIN_DIR]       (default build/default/bin)
#   PLATFORM=offscreen (default) or PLATFORM=xvfb (a real X server, xvfb-run)
set -euo pipefail
export LC_ALL=C
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../build/default/bin}
runs=${RUNS:-5}
idle=${IDLE:-5}
platform=${PLATFORM:-offscreen}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# x, then 10 columns of values scattered over ±100 000, decimal commas.
awk 'BEGIN {
  srand(7)
  for (r = 0; r < 1000000; r++) {
    line = r ",000"
    for (c = 0; c < 10; c++) {
      v = int(rand() * 200000000) - 100000000
      s = v < 0 ? "-" : ""; if (v < 0) v = -v
      line = line ";" s int(v / 1000) "," sprintf("%03d", v % 1000)
    }
    print line
  }
}' > "$scratch/dix.csv"
printf 'ORDINAX_6A\n0\n0\n0\n0\n0\n0\n0\n1\n11\n1\n2\n;\n10\n1\n' > "$scratch/dix.pca"
"$bin/ordinax-cli" import "$scratch/dix.csv" --procedure "$scratch/dix.pca" -o "$scratch/dix.orx" --factory |
  tr -d ' \n' | grep -q '"curves":10,"points":1000000' ||
  { echo "open_time: the diagram does not hold 10 curves of 1000000 points" >&2; exit 1; }
echo "diagram: $(stat -c %s "$scratch/dix.orx") bytes, 10 x 1000000 points"

mkdir -p "$scratch/home"
run_once() {
  local command=("$bin/ordinax" --settings "$scratch/ordinax.ini" --no-welcome "$scratch/dix.orx")
  if [ "$platform" = xvfb ]; then
    HOME=$scratch/home ORDINAX_OPEN_PROBE=1 QT_QPA_PLATFORM=xcb \
      timeout 120 xvfb-run -a -s "-screen 0 1400x900x24" "${command[@]}"
  else
    HOME=$scratch/home ORDINAX_OPEN_PROBE=1 QT_QPA_PLATFORM=$platform timeout 120 "${command[@]}"
  fi
}

times=()
for ((i = 1; i <= runs; i++)); do
  sleep "$idle"
  line=$(run_once 2>&1 >/dev/null | grep '^diagram drawn after' || true)
  ms=${line//[!0-9]/}
  if [ -z "$ms" ]; then
    echo "open_time: run $i reported no drawn diagram" >&2
    exit 1
  fi
  echo "run $i: $ms ms"
  times+=("$ms")
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "open to drawn ($platform, $runs runs): median ${sorted[$((runs / 2))]} ms, max ${sorted[$((runs - 1))]} ms"
