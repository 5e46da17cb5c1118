#!/usr/bin/env python3
"""Batch rendering: 1 000 small diagrams (5 curves x 50 points, legend) to
PNG by one `ordinax-cli render ... -o OUT/%n.png` against 1 000 runs of
gnuplot's `png` terminal (one per diagram, as a script would run it), in
interleaved pairs of whole batches. Installs gnuplot-nox when missing.

Usage: bench/compare_batch.py [--build build/default] [--count 1000] [--pairs 3]
"""
import argparse
import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import compare_small  # noqa: E402
import pairs  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build/default")
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--pairs", type=int, default=3)
    parser.add_argument("--folder", default=None, help="where the files go (default: a temporary folder)")
    args = parser.parse_args()
    cli = os.path.abspath(os.path.join(args.build, "bin", "ordinax-cli"))
    if not os.access(cli, os.X_OK):
        sys.exit("ordinax-cli not found in %s" % args.build)
    if not pairs.ensure_packages(["gnuplot-nox"], pairs.has_program("gnuplot")):
        sys.exit("gnuplot is needed")

    folder = tempfile.mkdtemp(prefix="ordinax_batch_", dir=args.folder)
    compare_small.write_small(folder)
    pairs.run([cli, "build", os.path.join(folder, "small.json"), "-o", os.path.join(folder, "small.orx"), "--factory"])
    data = os.path.join(folder, "data")
    os.makedirs(data)
    names = ["d%04d" % i for i in range(args.count)]
    for name in names:
        shutil.copyfile(os.path.join(folder, "small.orx"), os.path.join(data, name + ".orx"))
        shutil.copyfile(os.path.join(folder, "small.dat"), os.path.join(data, name + ".dat"))
    ours_out = os.path.join(folder, "ours")
    peer_out = os.path.join(folder, "gnuplot")
    os.makedirs(ours_out)
    os.makedirs(peer_out)

    def ours():
        command = [cli, "render"] + [os.path.join(data, n + ".orx") for n in names]
        command += ["-o", os.path.join(ours_out, "%n.png"), "--auto-scales", "--factory"]
        return pairs.run(command)

    # One gnuplot process per diagram, started from one shell loop.
    script = ("for f in %s/*.dat; do n=$(basename \"$f\" .dat); gnuplot -e \"set terminal png size 800,600; "
              "set output '%s/$n.png'; plot for [c=2:6] '$f' using 1:c with linespoints "
              "title sprintf('Courbe %%d', c-1)\"; done") % (data, peer_out)

    def peer():
        return pairs.run_script(script)

    pairs.summary("%d small diagrams, one render vs %d gnuplot runs" % (args.count, args.count),
                  pairs.interleaved(ours, peer, args.pairs, warmup=0))
    written = len([f for f in os.listdir(ours_out) if f.endswith(".png")])
    print("  pictures written: ours %d, gnuplot %d" % (written, len(os.listdir(peer_out))))
    shutil.rmtree(folder)


if __name__ == "__main__":
    main()
