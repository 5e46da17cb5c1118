#!/usr/bin/env python3
"""Compares the text import with pandas and numpy on the same file, whole
processes in interleaved pairs (ours, peer, ours, peer ...), with the median
ratio ours / peer and its extremes.

Writes a semicolon CSV of 1 000 000 rows x 10 columns with decimal commas
(about 100 MB), then times:
  - `ordinax-cli import` with a procedure of 10 columns, the diagram written
    (its printed curve and point counts checked);
  - pandas.read_csv(sep=";", decimal=",") + numpy.save of the array;
  - numpy.loadtxt(delimiter=";", converters=decimal comma) + numpy.save;
each writing into a memory-backed folder (/dev/shm) and into a folder on the
disk. Installs python3-pandas when missing.

Usage: bench/compare_import.py [--build build/default] [--rows N] [--pairs 5]
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pairs  # noqa: E402


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


PANDAS = """
import sys, numpy, pandas
frame = pandas.read_csv(sys.argv[1], sep=";", decimal=",", header=None)
numpy.save(sys.argv[2], frame.to_numpy())
"""

LOADTXT = """
import sys, numpy
comma = lambda text: float(text.replace(",", "."))
data = numpy.loadtxt(sys.argv[1], delimiter=";", encoding="utf-8", converters={c: comma for c in range(10)})
numpy.save(sys.argv[2], data)
"""


def checked_import(command, rows):
    # A timing of an import that read the wrong thing would mean nothing.
    done = subprocess.run(command, check=True, stdout=subprocess.PIPE)
    result = json.loads(done.stdout)
    got = (result["curves"], result["points"])
    if got != (9, min(rows, 1_000_000)):
        sys.exit("ordinax-cli import read %s" % (got,))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build/default", help="build folder holding bin/ordinax-cli")
    parser.add_argument("--rows", type=int, default=1_000_000)
    parser.add_argument("--pairs", type=int, default=5)
    parser.add_argument("--disk", default=None, help="folder on the disk (default: a temporary folder)")
    args = parser.parse_args()
    cli = os.path.abspath(os.path.join(args.build, "bin", "ordinax-cli"))
    if not os.access(cli, os.X_OK):
        sys.exit("ordinax-cli not found in %s" % args.build)
    have_pandas = pairs.ensure_packages(["python3-pandas"], pairs.has_module("pandas"))

    source = tempfile.mkdtemp(prefix="ordinax_compare_", dir="/dev/shm")
    csv = os.path.join(source, "data.csv")
    pca = os.path.join(source, "ten.pca")
    write_csv(csv, args.rows)
    write_procedure(pca)
    print("file: %.1f MB, %d rows x 10 columns" % (os.path.getsize(csv) / 1e6, args.rows))
    checked_import([cli, "import", csv, "--procedure", pca, "-o", os.path.join(source, "check.orx"), "--factory"],
                   args.rows)

    disk = tempfile.mkdtemp(prefix="ordinax_compare_", dir=args.disk)
    for where, folder in (("memory", source), ("disk", disk)):
        out = os.path.join(folder, "out")

        def ours():
            return pairs.run([cli, "import", csv, "--procedure", pca, "-o", out + ".orx", "--factory"])

        peers = [("numpy.loadtxt + numpy.save", LOADTXT)]
        if have_pandas:
            peers.insert(0, ("pandas.read_csv + numpy.save", PANDAS))
        for name, code in peers:
            def peer(code=code):
                return pairs.run([pairs.SYSTEM_PYTHON, "-c", code, csv, out + ".npy"])
            pairs.summary("import vs %s (%s)" % (name, where),
                          pairs.interleaved(ours, peer, args.pairs if "loadtxt" not in name else 3))
    shutil.rmtree(source)
    shutil.rmtree(disk)


if __name__ == "__main__":
    main()
