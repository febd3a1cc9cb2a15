#!/usr/bin/python3
"""zumbrel-cli --read NUMBER --rate R --render FILE.wav: the reading at rates 1, 2 and 3, with
the voice folders beside the program. Faster speech keeps its pitch: at rate 2 the file lasts
at most 55 % of the rate-1 file, at rate 3 at most 38 %, and the fundamental frequency stays
within 10 % of the rate-1 file's.

Argument: the zumbrel-cli program."""
import statistics
import struct
import subprocess
import sys
import tempfile
import wave


def render(cli, rate, folder):
    path = "%s/rate%s.wav" % (folder, rate)
    subprocess.run([cli, "--read", "1234567,89", "--rate", str(rate), "--render", path],
                   check=True)
    with wave.open(path) as w:
        frames = w.getnframes()
        return w.getframerate(), struct.unpack("<%dh" % frames, w.readframes(frames))


def fundamental(rate, x):
    """The median fundamental frequency (70 to 400 Hz) of the voiced frames, by
    autocorrelation."""
    frame, found = 1024, []
    for start in range(0, len(x) - frame, frame):
        f = x[start:start + frame]
        if sum(v * v for v in f) / frame < 1e6:
            continue  # quiet: no voice to measure
        lags = range(rate // 400, rate // 70)
        best = max(lags, key=lambda lag: sum(f[i] * f[i + lag] for i in range(0, frame - lag, 2)))
        found.append(rate / best)
    return statistics.median(found)


def main():
    cli = sys.argv[1]
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        sounds = {r: render(cli, r, folder) for r in (1, 2, 3)}
    seconds = {r: len(x) / sr for r, (sr, x) in sounds.items()}
    pitch = {r: fundamental(sr, x) for r, (sr, x) in sounds.items()}
    print("seconds %s, fundamental (Hz) %s" % (seconds, pitch))
    for r, longest in ((2, 0.55), (3, 0.38)):
        if seconds[r] > longest * seconds[1]:
            print("FAIL rate %d lasts %.2f s, more than %d %% of %.2f s"
                  % (r, seconds[r], longest * 100, seconds[1]))
            failures += 1
        if abs(pitch[r] - pitch[1]) > 0.10 * pitch[1]:
            print("FAIL rate %d changes the pitch: %.0f Hz against %.0f Hz" % (r, pitch[r], pitch[1]))
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
