#!/bin/sh
# Times `ordinax-cli render` to PNG (1600 × 1200) on generated data: one curve
# of 1 000 000 points and ten curves of 100 000 points, each point with a
# symbol. When gnuplot or matplotlib is installed, the same data are plotted
# by them as well, for comparison. Usage: bench/compare_render.sh [ordinax-cli]
set -eu

CLI=${1:-build/release/bin/ordinax-cli}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Columns: x then the y of each curve, separated by spaces.
python3 - "$WORK" <<'PY'
import math, random, sys
work = sys.argv[1]
random.seed(7)
def write(name, curves, count):
    with open(f"{work}/{name}", "w") as out:
        for i in range(count):
            t = i / count
            ys = " ".join(f"{math.sin(20 * t + c) * 0.7 + random.gauss(0, 0.05):.6f}" for c in range(curves))
            out.write(f"{t:.7f} {ys}\n")
write("one.txt", 1, 1_000_000)
write("ten.txt", 10, 100_000)

# The same data as diagrams for `ordinax-cli build`: scales set, joined
# points and a small square symbol at every point.
import json
for name in ("one", "ten"):
    rows = [list(map(float, line.split())) for line in open(f"{work}/{name}.txt")]
    curves = [{"title": f"c{c}", "symbol": {"type": 1, "number": 5, "size": 4},
               "line": {"type": [1, 0], "width": [1, 1], "colour": [0, 0]}, "treatment": "JPP",
               "points": [[r[0], r[c + 1]] for r in rows]} for c in range(len(rows[0]) - 1)]
    diagram = {"displayMode": 1, "curves": curves,
               "scales": {"axis": [[{"origin": 0, "extremity": 1, "step": 0.1}, {}],
                                   [{"origin": -1, "extremity": 1, "step": 0.2}, {}]]}}
    json.dump(diagram, open(f"{work}/{name}.json", "w"))
PY

timed() {  # label, command...: best wall time of three runs, measured in one process
    label=$1
    shift
    best=$(python3 - "$@" <<'PY'
import subprocess, sys, time
best = None
for _ in range(3):
    start = time.perf_counter()
    subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = time.perf_counter() - start
    best = elapsed if best is None else min(best, elapsed)
print(f"{best:.3f}")
PY
)
    printf '%-34s %s s (best of 3)\n' "$label" "$best"
}

for data in one ten; do
    "$CLI" build "$WORK/$data.json" -o "$WORK/$data.orx" --factory > /dev/null
    timed "ordinax-cli render ($data)" "$CLI" render "$WORK/$data.orx" -o "$WORK/$data.png" \
        --width 1600 --height 1200 --factory
done

if command -v gnuplot > /dev/null 2>&1; then
    for data in one ten; do
        if [ "$data" = one ]; then plot="plot '$WORK/one.txt' using 1:2 with linespoints pt 5 ps 0.3 notitle"
        else plot="plot for [c=2:11] '$WORK/ten.txt' using 1:c with linespoints pt 5 ps 0.3 notitle"; fi
        timed "gnuplot pngcairo ($data)" gnuplot -e \
            "set terminal pngcairo size 1600,1200; set output '$WORK/$data-gp.png'; $plot"
    done
else
    echo "gnuplot: not installed"
fi

if python3 -c 'import matplotlib' > /dev/null 2>&1; then
    for data in one ten; do
        timed "matplotlib Agg ($data)" python3 -c "
import matplotlib; matplotlib.use('Agg')
import matplotlib.pyplot as plt, numpy as np
d = np.loadtxt('$WORK/$data.txt')
fig = plt.figure(figsize=(16, 12), dpi=100)
for c in range(1, d.shape[1]): plt.plot(d[:, 0], d[:, c], marker='s', markersize=2)
fig.savefig('$WORK/$data-mpl.png')"
    done
else
    echo "matplotlib: not installed"
fi
