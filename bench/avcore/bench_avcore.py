#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What avcore costs on top of FFmpeg.

Runs avcore and FFmpeg called directly with the same translated arguments,
interleaved, and prints the medians:
  * wall-time ratio avcore / FFmpeg on a 30-second clip (target <= 1.03)
  * extra time per file on a 1-second clip (target <= 15 ms)

Usage: bench_avcore.py [path/to/avcore] [runs]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

OPTIONS = "-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 -ab 96 -ar 22050".split()


def make_clip(path, seconds):
    subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y",
                    "-f", "lavfi", "-i", f"testsrc2=s=640x480:r=25:d={seconds}",
                    "-f", "lavfi", "-i", f"sine=f=440:r=44100:d={seconds}",
                    "-ac", "2", "-c:v", "mpeg4", "-q:v", "3", "-c:a", "pcm_s16le", "-shortest", path],
                   check=True)


def avcore_command(avcore, clip, out):
    return [avcore, "-p", "5310746", "-i", clip] + OPTIONS + [out]


def direct_command(avcore, clip, out):
    """FFmpeg's own command line, as avcore would run it."""
    env = dict(os.environ, KINOVERT_AVCORE_DRY_RUN="1")
    lines = subprocess.run(avcore_command(avcore, clip, out), env=env, check=True,
                           capture_output=True, text=True).stdout.splitlines()
    return lines


def timed(cmd):
    start = time.perf_counter()
    # fd 3 stays open for FFmpeg's progress pipe when it is run directly.
    with open(os.devnull, "wb") as null:
        subprocess.run(cmd, stdout=null, stderr=null, check=True, pass_fds=(3,))
    return time.perf_counter() - start


def compare(avcore, clip, out, runs):
    direct = direct_command(avcore, clip, out)
    mine = avcore_command(avcore, clip, out)
    a, d = [], []
    for _ in range(runs):
        d.append(timed(direct))
        a.append(timed(mine))
    return statistics.median(a), statistics.median(d)


def main():
    avcore = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "build", "kinovert", "avcore")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 11
    # FFmpeg run directly writes its progress to fd 3; give it somewhere to go.
    null3 = os.open(os.devnull, os.O_WRONLY)
    if null3 != 3:
        os.dup2(null3, 3)
    with tempfile.TemporaryDirectory() as tmp:
        long_clip = os.path.join(tmp, "long.avi")
        short_clip = os.path.join(tmp, "short.avi")
        make_clip(long_clip, 30)
        make_clip(short_clip, 1)
        out = os.path.join(tmp, "out.avi")

        a, d = compare(avcore, long_clip, out, max(3, runs // 2))
        print(f"30 s clip: avcore {a:.3f} s, ffmpeg {d:.3f} s, ratio {a / d:.3f} (target <= 1.03)")
        a, d = compare(avcore, short_clip, out, runs * 2)
        print(f"1 s clip: avcore {a * 1000:.1f} ms, ffmpeg {d * 1000:.1f} ms, "
              f"extra {(a - d) * 1000:.1f} ms per file (target <= 15 ms)")


if __name__ == "__main__":
    main()
