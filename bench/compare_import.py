#!/usr/bin/env python3
"""Compares the text import with pandas.read_csv on the same file.

Writes a semicolon CSV of 1 000 000 rows x 10 columns with decimal commas
(about 100 MB, the file of bench_exchange), then times, each as a whole process:
  - `ordinax-cli import` with a procedure of 10 columns (when the CLI is built),
    its printed curve and point counts checked, the .orx file written included;
  - pandas.read_csv(sep=";", decimal=",") when pandas is installed.
The target is the import at least twice as fast as pandas.

Usage: bench/compare_import.py [--build build/default] [--rows N] [--keep]
"""
import argparse
import importlib.util
import json
import os
import subprocess
import sys
import tempfile
import time


def write_csv(path, rows, columns=10):
    # The same kind of values as bench_exchange: three decimals, some negative.
    state = 12345
    with open(path, "w", newline="\n") as out:
        lines = []
        for r in range(rows):
            cells = []
            for c in range(columns):
                state = (state * 1103515245 + 12345) & 0xFFFFFFFF
                whole = (state >> 8) % 100000
                fraction = (state >> 3) % 1000
                negative = (state & 0x10000) != 0 and c > 0
                cells.append("%s%d,%03d" % ("-" if negative else "", r if c == 0 else whole, fraction))
            lines.append(";".join(cells))
            if len(lines) == 10000:
                out.write("\n".join(lines) + "\n")
                lines = []
        if lines:
            out.write("\n".join(lines) + "\n")


def write_procedure(path, columns=10):
    fields = [0, 0, 0, 0, 0, 0, 0, 1, columns, 1, 2]
    with open(path, "w", newline="\n") as out:
        out.write("ORDINAX_6A\n" + "\n".join(str(f) for f in fields) + "\n;\n10\n1\n")


def timed(command, check_output=None):
    start = time.perf_counter()
    done = subprocess.run(command, check=True, stdout=subprocess.PIPE)
    seconds = time.perf_counter() - start
    if check_output:
        check_output(done.stdout)
    return seconds


def best_of(runs, command, check_output=None):
    return min(timed(command, check_output) for _ in range(runs))


def cli_result_checker(rows, columns=10):
    # A timing of an import that read the wrong thing would mean nothing.
    def check(stdout):
        result = json.loads(stdout)
        expected = {"curves": columns - 1, "points": min(rows, 1_000_000)}
        got = {"curves": result["curves"], "points": result["points"]}
        if got != expected:
            sys.exit("ordinax-cli import read %s, expected %s" % (got, expected))
    return check


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build/default", help="build folder holding bin/ordinax-cli")
    parser.add_argument("--rows", type=int, default=1_000_000)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--keep", action="store_true", help="keep the generated files")
    args = parser.parse_args()

    folder = tempfile.mkdtemp(prefix="ordinax_compare_")
    csv = os.path.join(folder, "data.csv")
    pca = os.path.join(folder, "ten.pca")
    write_csv(csv, args.rows)
    write_procedure(pca)
    size_mb = os.path.getsize(csv) / 1e6
    print("file: %s (%.1f MB, %d rows x 10 columns)" % (csv, size_mb, args.rows))

    results = {}
    cli = os.path.join(args.build, "bin", "ordinax-cli")
    if os.access(cli, os.X_OK):
        out = os.path.join(folder, "out.orx")
        # Factory preferences: the figure must not depend on the user's settings.
        command = [cli, "import", csv, "--procedure", pca, "-o", out, "--factory"]
        results["ordinax-cli import"] = best_of(args.runs, command, cli_result_checker(args.rows))
    else:
        print("ordinax-cli not found in %s: only the others are timed" % args.build)

    if importlib.util.find_spec("pandas"):
        code = "import pandas, sys; pandas.read_csv(sys.argv[1], sep=';', decimal=',', header=None)"
        results["pandas.read_csv"] = best_of(args.runs, [sys.executable, "-c", code, csv])
    else:
        print("pandas is not installed: no comparison with it")

    for name, seconds in results.items():
        print("%-20s %7.3f s  %7.1f MB/s" % (name, seconds, size_mb / seconds))
    if "ordinax-cli import" in results and "pandas.read_csv" in results:
        ratio = results["pandas.read_csv"] / results["ordinax-cli import"]
        print("speed-up over pandas: %.2fx (target 2x): %s" % (ratio, "met" if ratio >= 2 else "NOT met"))

    if not args.keep:
        for f in os.listdir(folder):
            os.remove(os.path.join(folder, f))
        os.rmdir(folder)


if __name__ == "__main__":
    main()
