"""Shared helpers of the comparison scripts: whole processes timed as
interleaved pairs (ours, peer, ours, peer ...), so that a slow moment of the
machine weighs on both sides, and the ratio ours / peer of each pair reported
as its median with the minimum and the maximum.

Peers are Debian packages installed by the scripts themselves when missing,
never by the build.
"""
import os
import shutil
import statistics
import subprocess
import sys
import time


def ensure_packages(packages, probe):
    """Installs `packages` with apt-get when `probe()` says they are missing;
    returns probe() afterwards (False when they could not be installed)."""
    if probe():
        return True
    command = ["apt-get", "install", "-y", "-q"] + list(packages)
    if os.geteuid() != 0:
        if not shutil.which("sudo"):
            print("not installed and no sudo: %s" % " ".join(packages))
            return False
        command = ["sudo"] + command
    print("installing %s ..." % " ".join(packages))
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return probe()


def has_program(name):
    return lambda: shutil.which(name) is not None


# The Debian packages of the peers install into the system's Python, which
# may not be the one running these scripts.
SYSTEM_PYTHON = "/usr/bin/python3" if os.access("/usr/bin/python3", os.X_OK) else sys.executable


def has_module(name):
    def probe():
        done = subprocess.run([SYSTEM_PYTHON, "-c", "import " + name], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
        return done.returncode == 0
    return probe


def run(command, env=None, check=True, cwd=None):
    """Runs a whole process; returns (seconds, peak resident KiB)."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env, cwd=cwd)
    _, status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    stderr = process.stderr.read()
    process.stderr.close()
    process.returncode = os.waitstatus_to_exitcode(status)
    if check and process.returncode != 0:
        sys.exit("failed (%d): %s\n%s" % (process.returncode, " ".join(command), stderr.decode(errors="replace")))
    return seconds, usage.ru_maxrss


def run_script(script, env=None, cwd=None):
    """Runs a shell script as one timed process."""
    return run(["sh", "-c", script], env=env, cwd=cwd)


def interleaved(ours, peer, pairs, warmup=1):
    """Runs ours() and peer() alternately `pairs` times after `warmup` pairs
    not counted; each returns (seconds, kib). Returns the list of pairs."""
    for _ in range(warmup):
        ours()
        peer()
    results = []
    for _ in range(pairs):
        results.append((ours(), peer()))
    return results


def summary(label, results, what="time"):
    """Prints the median ratio ours / peer with min and max, and the medians."""
    index = 0 if what == "time" else 1
    ratios = [o[index] / p[index] for o, p in results if p[index] > 0]
    ours = statistics.median(o[index] for o, _ in results)
    peer = statistics.median(p[index] for _, p in results)
    unit, scale = ("ms", 1000.0) if what == "time" else ("MB", 1.0 / 1024.0)
    print("%-46s %s ratio ours/peer: median %.2f  min %.2f  max %.2f  (ours %.1f %s, peer %.1f %s, %d pairs)"
          % (label, what, statistics.median(ratios), min(ratios), max(ratios), ours * scale, unit, peer * scale,
             unit, len(results)))
    return statistics.median(ratios)
