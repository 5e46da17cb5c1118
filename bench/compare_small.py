#!/usr/bin/env python3
"""Small pictures against the peers, whole processes in interleaved pairs:
  - a small diagram (5 curves x 50 points, lines, symbols, legend) to an
    800 x 600 PNG: `ordinax-cli render` against gnuplot's `png` terminal and
    against Grace (gracebat), with the sizes of the files;
  - a line of 100 000 points to PNG against gnuplot `png`.
Installs gnuplot-nox and grace when they are missing.

Usage: bench/compare_small.py [--build build/default] [--pairs 15]
"""
import argparse
import json
import math
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pairs  # noqa: E402


# 0x00BBGGRR: red, green, blue, magenta, dark cyan.
COLOURS = [0x0000FF, 0x00A000, 0xFF0000, 0xFF00FF, 0x808000]


def write_small(folder, curves=5, count=50):
    rows = []
    for i in range(count):
        x = i / (count - 1) * 10.0
        rows.append([x] + [math.sin(x + c) * (1 + 0.2 * c) for c in range(curves)])
    with open(os.path.join(folder, "small.dat"), "w") as out:
        for r in rows:
            out.write(" ".join("%.6f" % v for v in r) + "\n")
    diagram = {
        "displayMode": 1,
        "labels": [{}, {}, {}, {}, {}, {}, {"placement": 1}] + [{}] * 10,
        "curves": [{"title": "c%d" % c, "legend": "Courbe %d" % (c + 1), "treatment": "JPP",
                    "symbol": {"number": 2 + c, "size": 6, "innerColour": COLOURS[c], "outerColour": COLOURS[c]},
                    "line": {"type": [1, 0], "width": [1, 1], "colour": [COLOURS[c], 0]},
                    "points": [[r[0], r[c + 1]] for r in rows]} for c in range(curves)],
    }
    with open(os.path.join(folder, "small.json"), "w") as out:
        json.dump(diagram, out)


def write_line(folder, count=100_000):
    points = [[i / count, math.sin(40 * i / count)] for i in range(count)]
    with open(os.path.join(folder, "line.dat"), "w") as out:
        out.write("\n".join("%.7f %.7f" % (x, y) for x, y in points) + "\n")
    with open(os.path.join(folder, "line.json"), "w") as out:
        json.dump({"displayMode": 1, "curves": [{"title": "ligne", "treatment": "JPP", "symbol": {"number": 0},
                                                  "line": {"type": [1, 0]}, "points": points}]}, out)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build/default")
    parser.add_argument("--pairs", type=int, default=15)
    args = parser.parse_args()
    cli = os.path.abspath(os.path.join(args.build, "bin", "ordinax-cli"))
    if not os.access(cli, os.X_OK):
        sys.exit("ordinax-cli not found in %s" % args.build)
    have_gnuplot = pairs.ensure_packages(["gnuplot-nox"], pairs.has_program("gnuplot"))
    have_grace = pairs.ensure_packages(["grace"], pairs.has_program("gracebat"))

    folder = tempfile.mkdtemp(prefix="ordinax_small_")
    write_small(folder)
    write_line(folder)
    for name in ("small", "line"):
        pairs.run([cli, "build", os.path.join(folder, name + ".json"), "-o", os.path.join(folder, name + ".orx"),
                   "--factory"])

    def ours(name):
        return lambda: pairs.run([cli, "render", os.path.join(folder, name + ".orx"), "-o",
                                  os.path.join(folder, name + "-ours.png"), "--auto-scales", "--factory"])

    def gnuplot(name, plot):
        script = "set terminal png size 800,600; set output '%s'; %s" % (os.path.join(folder, name + "-gp.png"), plot)
        return lambda: pairs.run(["gnuplot", "-e", script])

    small_plot = "plot for [c=2:6] '%s' using 1:c with linespoints title sprintf('Courbe %%d', c-1)" % (
        os.path.join(folder, "small.dat"))
    line_plot = "plot '%s' using 1:2 with lines notitle" % os.path.join(folder, "line.dat")

    def size(name):
        path = os.path.join(folder, name)
        return os.path.getsize(path) / 1024.0 if os.path.exists(path) else float("nan")

    if have_gnuplot:
        pairs.summary("small diagram PNG vs gnuplot png", pairs.interleaved(ours("small"), gnuplot("small", small_plot),
                                                                             args.pairs))
        print("  PNG sizes: ours %.1f KiB, gnuplot %.1f KiB" % (size("small-ours.png"), size("small-gp.png")))
    if have_grace:
        grace_out = os.path.join(folder, "small-grace.png")
        legends = " ".join("-pexec 's%d legend \"Courbe %d\"'" % (c, c + 1) for c in range(5))
        script = ("gracebat -nosafe -hardcopy -hdevice PNG -fixed 800 600 -printfile '%s' -nxy '%s' %s"
                  % (grace_out, os.path.join(folder, "small.dat"), legends))
        pairs.summary("small diagram PNG vs Grace", pairs.interleaved(ours("small"), lambda: pairs.run_script(script),
                                                                       args.pairs))
        print("  PNG sizes: ours %.1f KiB, Grace %.1f KiB" % (size("small-ours.png"), size("small-grace.png")))
    if have_gnuplot:
        pairs.summary("100 000-point line PNG vs gnuplot png",
                      pairs.interleaved(ours("line"), gnuplot("line", line_plot), args.pairs))
        print("  PNG sizes: ours %.1f KiB, gnuplot %.1f KiB" % (size("line-ours.png"), size("line-gp.png")))
    print("files in %s" % folder)


if __name__ == "__main__":
    main()
