#!/usr/bin/env python3
"""Check the sounds written by make_sounds.sh.

    python3 tools/sound/check_loops.py OUT_DIR

Every .ogg in OUT_DIR is decoded with sox to a 16-bit WAV (no dither) and
read with the standard library. For each file the DC offset and the peak
are checked (no offset, nothing above -1 dBFS). For the looping music the
seam is checked too: the jump from the last sample back to the first must
be no larger than the 99th percentile of the sample-to-sample steps inside
the file, in every channel. Exits non-zero if any check fails.
"""

import array
import math
import os
import subprocess
import sys
import tempfile
import wave

MUSIC_PREFIX = "Scary Horror Ambience"
MAX_PEAK_DBFS = -1.0
MAX_DC = 0.001  # of full scale, i.e. -60 dBFS
FULL_SCALE = 32768.0


def decode(path, tmpdir):
    wav = os.path.join(tmpdir, "decoded.wav")
    subprocess.run(["sox", "-R", "-V1", path, "-D", "-b", "16", "-e", "signed-integer", wav],
                   check=True)
    with wave.open(wav, "rb") as w:
        channels = w.getnchannels()
        if w.getsampwidth() != 2:
            raise SystemExit(f"{path}: expected 16-bit samples")
        frames = w.readframes(w.getnframes())
        rate = w.getframerate()
    data = array.array("h")
    data.frombytes(frames)
    if sys.byteorder == "big":
        data.byteswap()
    return rate, [data[c::channels] for c in range(channels)]


def db(x):
    return 20 * math.log10(x) if x > 0 else float("-inf")


def percentile(sorted_values, p):
    return sorted_values[min(len(sorted_values) - 1, int(p / 100.0 * len(sorted_values)))]


def main():
    if len(sys.argv) != 2:
        print("usage: check_loops.py OUT_DIR", file=sys.stderr)
        return 2
    out_dir = sys.argv[1]
    files = sorted(f for f in os.listdir(out_dir) if f.endswith(".ogg"))
    if not files:
        print(f"check_loops: no .ogg files in {out_dir}", file=sys.stderr)
        return 1
    failures = 0
    with tempfile.TemporaryDirectory() as tmpdir:
        for name in files:
            rate, chans = decode(os.path.join(out_dir, name), tmpdir)
            problems = []
            peak = max(max(abs(min(c)), abs(max(c))) for c in chans) / FULL_SCALE
            dc = max(abs(sum(c) / len(c)) for c in chans) / FULL_SCALE
            if db(peak) > MAX_PEAK_DBFS:
                problems.append(f"peak {db(peak):.2f} dBFS > {MAX_PEAK_DBFS}")
            if dc > MAX_DC:
                problems.append(f"DC offset {dc:.5f}")
            line = (f"{name:32s} {len(chans[0]) / rate:6.2f} s  peak {db(peak):6.2f} dBFS"
                    f"  DC {dc:.5f}")
            if name.startswith(MUSIC_PREFIX):
                seams, p99s, medians = [], [], []
                for c in chans:
                    steps = sorted(abs(b - a) for a, b in zip(c, c[1:]))
                    seams.append(abs(c[0] - c[-1]))
                    p99s.append(percentile(steps, 99))
                    medians.append(percentile(steps, 50))
                line += "  seam " + "/".join(str(s) for s in seams)
                line += "  p99 step " + "/".join(str(p) for p in p99s)
                line += "  (median " + "/".join(str(m) for m in medians) + ")"
                if any(s > p for s, p in zip(seams, p99s)):
                    problems.append("seam jump larger than the 99th-percentile step")
            print(line + ("  FAIL: " + "; ".join(problems) if problems else "  ok"))
            failures += bool(problems)
    if failures:
        print(f"check_loops: {failures} file(s) failed", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
