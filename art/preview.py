#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compose a picture of the main window from the rendered skin, for judging it.

    art/preview.py [--lang deutsch] [--files] [--toolbar] [--scale 2] [--out FILE]

The background and every visible button (normal state) are placed where the
program puts them after its start-up moves; lists, edits and the media panel
are grey stand-ins with sample text in DejaVu Sans, captions from the
language file. --files shows the media panel and rows as with files listed;
--toolbar shows the layout as the skin file gives it, toolbar included.
Needs rsvg-convert (Debian: librsvg2-bin). The PNG is not part of the build.
"""

import argparse
import base64
import configparser
import shutil
import subprocess
import sys
from pathlib import Path
from xml.sax.saxutils import escape

ART = Path(__file__).resolve().parent
SKIN = ART.parent / "data" / "skin" / "kvo" / "skin"
LANG = ART.parent / "data" / "skin" / "kvo" / "lang"

# Start-up moves of the program (pixels up), and what it hides.
SHIFTS = {"ListView": 80, "EditOutputFile": 80, "Label3": 80, "Label4": 80,
          "MAINBUTTON1": 80, "MAINBUTTON2": 80, "MAINBUTTON3": 80, "MAINBUTTON4": 80,
          "MAINBUTTON5": 80, "MAINBUTTON6": 79, "MAINBUTTON7": 78, "MAINBUTTON8": 78,
          "MAINBUTTON9": 110}
HIDDEN = {"MAINBUTTON7", "MAINBUTTON8"} | {f"TOOLBAR{n}" for n in range(1, 12)}

# Where the program draws captions on the pictures (see README.md).
CAPTION_LEFT = {"MAINBUTTON9": 34}  # main buttons with an icon: from here (else 28)
CAPTION_RIGHT = 6  # ... to the width less this
TOOLBAR_CAPTION_TOP = 40  # toolbar buttons: from here to height - 2

TEXT = "#16222E"
MUTED = "#4A5B6B"
ON_BAND = "#FFFFFF"
VERSION_ON_BAND = "#B7CCE0"
LINK = "#1E66B8"
FACE = "#C3F7FF"  # the light scheme's face of lists, edits and combo boxes
FONT = "DejaVu Sans"

CAPTIONS = {"MAINBUTTON1": "MSG_BROWSE", "MAINBUTTON6": "MSG_BROWSE",
            "MAINBUTTON7": "MSG_EDIT_PROFILE", "MAINBUTTON9": "MSG_CONVERT"}
TOOLBAR_CAPTIONS = ["MSG_EXIT", "MSG_TOAVI", "MSG_TOMP4", "MSG_TO3GP", "MSG_TOMPEG", "MSG_TOMOV",
                    "MSG_TOWMV", "MSG_TORM", "MSG_TOSWF", "MSG_TOOTHERS", "MSG_BURNDVD"]
PANEL = [  # label number, key, box number (0: a heading or the link)
    (7, "MSG_GENERAL", 0), (8, "MSG_COMPLETENAME", 1), (9, "MSG_PLAYTIME", 2),
    (10, "MSG_FILESIZE", 3), (11, "MSG_AUDIOCOUNT", 4), (12, "MSG_FORMAT", 5),
    (13, "MSG_VIDEOCOUNT", 6), (14, "MSG_VIDEO", 0), (15, "MSG_VCODE", 7),
    (16, "MSG_VBITRATE", 8), (17, "MSG_WIDTH", 9), (18, "MSG_ADPECTRATIO", 10),
    (19, "MSG_HEIGHT", 11), (20, "MSG_FRAMERATE", 12), (21, "MSG_AUDIO", 0),
    (22, "MSG_ACODEC", 13), (23, "MSG_CHANNELS", 14), (24, "MSG_ABITRATE", 15),
    (25, "MSG_SAMPLINGRATE", 16), (26, "MSG_MOREINFO", 0)]
SAMPLE_VALUES = ["/home/anna/Videos/holiday-2023.mp4", "0:03:12", "48 213 770", "2", "MPEG-4",
                 "1", "AVC", "1 800 Kbps", "1280", "16:9", "720", "25.000", "AAC", "2",
                 "128 Kbps", "48000"]
SAMPLE_FILES = [("state_done", "/home/anna/Videos/holiday-2023.mp4"),
                ("state_converting", "/home/anna/Videos/birthday.avi"),
                ("state_failed", "/home/anna/Videos/broken.mov"),
                ("state_idle", "/home/anna/Music/interview.wav")]
SAMPLE_DEVICES = ["Mobile phone, 176 x 144", "Mobile phone, 320 x 240",
                  "Smartphone, 480 x 272", "Smartphone, 640 x 360"]


def read_ini(path):
    ini = configparser.ConfigParser(interpolation=None, strict=False)
    ini.optionxform = str
    ini.read(path, encoding="utf-8")
    return ini


class Picture:
    def __init__(self, scale, font_px):
        self.scale = scale
        self.font_px = font_px
        self.parts = []

    def image(self, name, x, y, w, h):
        path = SKIN / name.lower()
        if self.scale == 2:
            path = path.with_name(path.stem + "@2x.png")
        data = base64.b64encode(path.read_bytes()).decode()
        self.parts.append(f'<image x="{x}" y="{y}" width="{w}" height="{h}" '
                          f'href="data:image/png;base64,{data}"/>')

    def box(self, x, y, w, h, fill=FACE, stroke="none"):
        self.parts.append(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}" '
                          f'stroke="{stroke}"/>')

    def text(self, x, y, s, colour=TEXT, bold=False, anchor="start", px=None):
        px = px or self.font_px
        weight = ' font-weight="bold"' if bold else ""
        # y is the top of the label; the baseline lies about 0.8 em lower.
        self.parts.append(f'<text x="{x}" y="{y + round(px * 0.92)}" font-family="{FONT}" '
                          f'font-size="{px}"{weight} fill="{colour}" text-anchor="{anchor}">'
                          f'{escape(s)}</text>')

    def write(self, out, width, height):
        svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
               f'viewBox="0 0 {width} {height}">' + "".join(self.parts) + "</svg>")
        source = out.with_suffix(".svg")
        source.write_text(svg, encoding="utf-8")
        subprocess.run(["rsvg-convert", "-z", str(self.scale), "-o", str(out), str(source)],
                       check=True)
        source.unlink()


def bounds(skin, section, prefix):
    return [skin.getint(section, prefix + k) for k in ("Left", "Top", "Width", "Height")]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lang", default="english")
    parser.add_argument("--files", action="store_true")
    parser.add_argument("--toolbar", action="store_true")
    parser.add_argument("--scale", type=int, choices=(1, 2), default=1)
    parser.add_argument("--font-px", type=int, default=12)
    parser.add_argument("--out", type=Path)
    args = parser.parse_args()
    if shutil.which("rsvg-convert") is None:
        sys.exit("preview: rsvg-convert is missing; install it with: "
                 "sudo apt-get install librsvg2-bin")
    out = args.out or ART / ".out" / f"preview-{args.lang}{'-files' if args.files else ''}" \
        f"{'-toolbar' if args.toolbar else ''}@{args.scale}x.png"
    out.parent.mkdir(exist_ok=True)

    skin = read_ini(SKIN / "skin.ini")
    msg = read_ini(LANG / f"{args.lang}.ini")["LANGRES"]

    def up(name):
        return 0 if args.toolbar else SHIFTS.get(name, 0)

    pic = Picture(args.scale, args.font_px)
    main = skin["MAINFORM"]
    width, height = main.getint("ImageMainWidth"), main.getint("ImageMainHeight")
    pic.image(main["ImageMainPic"], 0, 0, width, height)

    # Lists, edit and profile box.
    lx, ly, lw, lh = bounds(skin, "MAINFORM", "ListView")
    ly -= up("ListView")
    pic.box(lx, ly, lw, lh)
    if args.files:
        for i, (state, name) in enumerate(SAMPLE_FILES):
            if i == 0:
                pic.box(lx, ly + 1, lw, 18, fill="#3399FF")
            pic.image(state.upper() + ".PNG", lx + 2, ly + 1 + 18 * i, 20, 18)
            pic.text(lx + 26, ly + 3 + 18 * i, name, "#FFFFFF" if i == 0 else TEXT)
    ex, ey, ew, eh = bounds(skin, "MAINFORM", "EditOutputFile")
    ey -= up("EditOutputFile")
    pic.box(ex, ey, ew, eh)
    pic.text(ex + 4, ey + 4, "/home/anna/Videos/converted")
    if not args.toolbar:
        fy = ly + 125
        pic.box(lx, fy, lw, lh - 10)
        pic.text(10, fy + 2, "3GP Format:")
        pic.box(lx, fy + 1, lw, 18, fill="#3399FF")
        for i, device in enumerate(SAMPLE_DEVICES):
            pic.text(lx + 6, fy + 3 + 18 * i, device, "#FFFFFF" if i == 0 else TEXT)
    cx, cy, cw, ch = bounds(skin, "MAINFORM", "ComboProfile")
    pic.box(cx, cy, cw, ch)
    pic.text(cx + 4, cy + 4, "Standard quality")
    pic.box(cx + cw - 18, cy + 1, 17, ch - 2, fill="#A9E9F5")

    # Labels on the window.
    lab = skin["LABEL"]

    def label(n):
        return lab.getint(f"Label{n}Left"), lab.getint(f"Label{n}Top") - up(f"Label{n}")

    x, y = label(1)
    title = msg["MSG_APPLICATION_TITLE"]
    pic.text(x, y, title, ON_BAND, bold=True)
    # The program puts Label2 4 px right of Label1; DejaVu Sans Bold runs ~0.66 em a letter.
    pic.text(x + round(len(title) * args.font_px * 0.66) + 4, label(2)[1],
             f"{msg['MSG_APPLICATION_VERSION']} 2.3", VERSION_ON_BAND)
    for n, key in ((3, "MSG_INPUTFILENAME"), (4, "MSG_OUTPUTDIR"), (5, "MSG_PRPFILE")):
        pic.text(*label(n), msg[key])
    count = len(SAMPLE_FILES) if args.files else 0
    summary = msg["MSG_STATUS_FILES"].replace("%d", str(count)) if count \
        else msg["MSG_STATUS_NOFILES"]
    pic.text(*label(6), summary, MUTED)

    # Media panel.
    px, py, pw, ph = bounds(skin, "MAINFORM", "ScrollBox")
    if args.files:
        pic.box(px, py, pw, ph, fill="#FFFFFF")
        for n, key, box in PANEL:
            x, y = lab.getint(f"Label{n}Left"), lab.getint(f"Label{n}Top")
            heading = box == 0 and n != 26
            colour = LINK if n == 26 else TEXT
            pic.text(px + x, py + y, msg[key], colour, bold=heading)
            if box:
                bx = skin.getint("EDITBOX", f"EditBox{box}Left")
                by = lab.getint(f"EditBox{box}Top")
                pic.text(px + bx, py + by, SAMPLE_VALUES[box - 1], MUTED)

    # Buttons.
    for section, count in (("TOOLBAR", 11), ("MAINBUTTON", 9), ("SYSTEMBUTTON", 3)):
        for n in range(1, count + 1):
            name = f"{section}{n}"
            if name in HIDDEN and not args.toolbar:
                continue
            x, y, w, h = bounds(skin, section, f"Button{n}")
            y -= up(name)
            pic.image(skin[section][f"Button{n}Normal"], x, y, w, h)
            if name in CAPTIONS:
                convert = name == "MAINBUTTON9"
                left = x + CAPTION_LEFT.get(name, 28)
                pic.text((left + x + w - CAPTION_RIGHT) / 2, y + (h - args.font_px) / 2 - 1,
                         msg[CAPTIONS[name]], "#FFFFFF" if convert else TEXT, bold=convert,
                         anchor="middle")
            if section == "TOOLBAR":
                words = msg[TOOLBAR_CAPTIONS[n - 1]].split(" ", 1)
                for i, line in enumerate(words):
                    pic.text(x + w / 2, y + TOOLBAR_CAPTION_TOP + i * (args.font_px + 2), line,
                             anchor="middle")
    if args.toolbar:
        for n in range(1, 4):
            x, y, w, h = bounds(skin, "TOOLBAR", f"ImageLine{n}")
            pic.image(skin["TOOLBAR"][f"ImageLine{n}"], x, y, w, h)

    pic.write(out, width, height)
    print(out)


if __name__ == "__main__":
    main()
