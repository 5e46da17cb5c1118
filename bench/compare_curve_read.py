#!/usr/bin/env python3
"""One-curve commands on a diagram of 10 curves x 1 000 000 points against the
same commands on a diagram holding that curve alone: whole processes in
interleaved pairs, the ratio of their times and of their peak memory
(target: 1.3 for the time, 2 for the memory).

Usage: bench/compare_curve_read.py [--build build/default] [--rows 1000000] [--pairs 7]
"""
import argparse
import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import compare_import  # noqa: E402
import pairs  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build/default")
    parser.add_argument("--rows", type=int, default=1_000_000)
    parser.add_argument("--pairs", type=int, default=7)
    parser.add_argument("--curve", type=int, default=4)
    args = parser.parse_args()
    cli = os.path.abspath(os.path.join(args.build, "bin", "ordinax-cli"))
    if not os.access(cli, os.X_OK):
        sys.exit("ordinax-cli not found in %s" % args.build)

    folder = tempfile.mkdtemp(prefix="ordinax_curve_read_")
    # x and 10 curves; the one-curve file holds x and the column of --curve.
    wide = os.path.join(folder, "wide.csv")
    compare_import.write_csv(wide, args.rows, 11)
    narrow = os.path.join(folder, "narrow.csv")
    with open(wide) as src, open(narrow, "w") as out:
        for line in src:
            cells = line.rstrip("\n").split(";")
            out.write("%s;%s\n" % (cells[0], cells[1 + args.curve]))
    for name, columns in (("wide", 11), ("narrow", 2)):
        procedure = os.path.join(folder, name + ".pca")
        compare_import.write_procedure(procedure, columns)
        pairs.run([cli, "import", os.path.join(folder, name + ".csv"), "--procedure", procedure, "-o",
                   os.path.join(folder, name + ".orx"), "--factory"])
        os.remove(os.path.join(folder, name + ".csv"))
    print("files: 10 curves %.0f MB, one curve %.0f MB" % (os.path.getsize(os.path.join(folder, "wide.orx")) / 1e6,
                                                           os.path.getsize(os.path.join(folder, "narrow.orx")) / 1e6))
    wide_orx = os.path.join(folder, "wide.orx")
    narrow_orx = os.path.join(folder, "narrow.orx")
    commands = [
        ("fit LIN", ["fit", "--model", "LIN"], True),
        ("integrate", ["integrate"], True),
        ("export csv", ["export", "-o", os.path.join(folder, "export.csv")], True),
        ("info", ["info"], False),
    ]
    for label, words, with_curve in commands:
        def command(path, curve):
            extra = ["--curve", str(curve)] if with_curve else []
            return [cli, words[0], path] + words[1:] + extra + ["--factory"]
        results = pairs.interleaved(lambda: pairs.run(command(wide_orx, args.curve)),
                                    lambda: pairs.run(command(narrow_orx, 0)), args.pairs)
        pairs.summary("%s, 10-curve file vs one-curve file" % label, results, "time")
        pairs.summary("%s, 10-curve file vs one-curve file" % label, results, "memory")
    shutil.rmtree(folder)


if __name__ == "__main__":
    main()
