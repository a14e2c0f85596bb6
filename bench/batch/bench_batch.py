#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A batch of N one-second clips through `kinovert-cli convert`, against the
same conversions by FFmpeg in a shell loop (the arguments avcore would give
it, taken from its dry run). Prints both wall times and their ratio.

    python3 bench/batch/bench_batch.py [build/kinovert] [N]
"""
import os
import shlex
import subprocess
import sys
import tempfile
import time


def main():
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/kinovert")
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    cli = os.path.join(program, "kinovert-cli")
    avcore = os.path.join(program, "avcore")
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "in")
        os.mkdir(src)
        first = os.path.join(src, "clip000.avi")
        subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i",
                        "testsrc=size=320x240:rate=25:duration=1", "-f", "lavfi", "-i",
                        "sine=duration=1", "-c:v", "mpeg4", "-c:a", "mp3", "-shortest", first],
                       check=True)
        clips = [first]
        for i in range(1, count):
            path = os.path.join(src, "clip%03d.avi" % i)
            os.link(first, path)
            clips.append(path)

        options = subprocess.run([cli, "options", "--target", "avi",
                                  os.path.join(program, "profile_en/avi/Standard.avo")],
                                 check=True, capture_output=True, text=True).stdout.strip()

        # FFmpeg's own arguments for each file, as avcore would run it.
        commands = []
        os.mkdir(os.path.join(tmp, "direct"))
        for clip in clips:
            out = os.path.join(tmp, "direct", os.path.basename(clip))
            dry = subprocess.run([avcore, "-p", "5310746", "-i", clip] + options.split() + [out],
                                 env=dict(os.environ, KINOVERT_AVCORE_DRY_RUN="1"),
                                 capture_output=True, text=True)
            # One argument a line; the progress pipe is avcore's own.
            args = (dry.stdout or dry.stderr).strip("\n").split("\n")
            kept, skip = [], False
            for a in args:
                if skip:
                    skip = False
                elif a in ("-progress", "-stats_period"):
                    skip = True
                else:
                    kept.append(a)
            commands.append(" ".join(shlex.quote(a) for a in kept))
        script = os.path.join(tmp, "loop.sh")
        with open(script, "w") as f:
            f.write("\n".join(commands) + "\n")

        start = time.monotonic()
        subprocess.run(["sh", "-e", script], check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        direct = time.monotonic() - start

        start = time.monotonic()
        subprocess.run([cli, "convert", "--target", "avi", "--profile", "Standard", "--output",
                        os.path.join(tmp, "batch"), "--"] + clips, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        batch = time.monotonic() - start

    print("%d clips: FFmpeg loop %.2f s, kinovert-cli convert %.2f s, ratio %.3f"
          % (count, direct, batch, batch / direct))


if __name__ == "__main__":
    main()
