#!/usr/bin/env python3
"""Start-up of Zumbrel's first window against a plain Qt window, in the same run.

Usage: bench/startup.py [build folder] [runs]
Needs a display (Xvfb works); prints the median time to the first painted window, the
resident memory one second later, and the ratios. A third line starts the plain window at the
size of Zumbrel's two windows: the ratio to it leaves out the cost of their pixels. The last line
tells when both windows have been painted, Zumbrel's keypad and tape and the plain pair."""
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
probe = f"{build}/bench/startup_probe"


def one(args):
    start = time.monotonic()
    p = subprocess.Popen([probe] + args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    shown = None
    both = None
    rss = None
    for line in p.stdout:
        if line.startswith("shown") and shown is None:
            shown = (time.monotonic() - start) * 1000
        elif line.startswith("both shown") and both is None:
            both = (time.monotonic() - start) * 1000
        elif line.startswith("rss_kb"):
            rss = int(line.split()[1])
    p.wait()
    return shown, rss, both


results = {"zumbrel": [], "baseline": [], "same area": []}
for _ in range(runs):  # alternate, so that all see the same machine
    results["zumbrel"].append(one([]))
    results["baseline"].append(one(["--baseline"]))
    results["same area"].append(one(["--baseline-area"]))

summary = {}
for name, values in results.items():
    times = [v[0] for v in values if v[0] is not None]
    rss = [v[1] for v in values if v[1] is not None]
    summary[name] = (statistics.median(times), statistics.median(rss))
    print(f"{name:9s} first window {summary[name][0]:7.1f} ms   memory after 1 s {summary[name][1] / 1024:6.1f} MiB")
for name in ("baseline", "same area"):
    print(f"ratio to {name:9s} time {summary['zumbrel'][0] / summary[name][0]:.2f}   "
          f"memory {summary['zumbrel'][1] / summary[name][1]:.2f}")
# Both windows on screen: Zumbrel's keypad and tape against the plain window and its second one.
both = {name: statistics.median(v[2] for v in results[name] if v[2] is not None)
        for name in ("zumbrel", "same area")}
print(f"both windows painted: zumbrel {both['zumbrel']:.1f} ms, same area {both['same area']:.1f} ms, "
      f"ratio {both['zumbrel'] / both['same area']:.2f}")
