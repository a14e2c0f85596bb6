#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the help pages of the four languages into data/skin/kvo/lang/xx_help/.

  make_help.py [--facts PROGRAM]

The text of every page is in tools/help/text/<language>.py. This script puts
the frame around it (contents column, title band, previous and next page),
copies the stylesheet, and fills in what the program itself knows:

  {ui:KEY}          a caption exactly as the program shows it (text table)
  {label:KEY}       the same without a trailing colon or equals sign
  {msg:KEY|a|b}     a message of the program with its %s/%d filled in
                    (by a, b, or by another text when written @KEY)
  {page:ID}         a link to another page, named by its title
  {page:ID#frag|t}  a link to a part of a page, with its own text
  {img:NAME|alt}    a screenshot from images/NAME.png; left out (with a note)
                    while the picture does not exist
  {kbd:Ctrl+N}      keys
  {profiles:FMT}    the profiles the language's profile tree ships for FMT
  {listing:FMT}     what `kinovert-cli list -t FMT` prints for those profiles
  {options:FMT}     what FMT's profile editor offers, from the editors' tables
  {devices}         the device presets of the language's profile tree
  {preset:FILE}     the start of a shipped device preset as it is written (its
                    [Info] and first Item section), from the language's tree

The editors' tables and the texts come from kinovert-helpfacts (built with the
program; default build/tools/kinovert-helpfacts). Pictures are made by
tools/help/make_help_shots.sh, which runs this script at its end.
"""
import argparse
import html
import importlib
import json
import os
import re
import struct
import subprocess
import sys
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", ".."))
DATA = os.path.join(ROOT, "data")
LANG_DIR = os.path.join(DATA, "skin", "kvo", "lang")
sys.path.insert(0, os.path.join(HERE, "text"))
sys.dont_write_bytecode = True  # the text modules are read, never installed

# Language module, language file, help folder, profile tree.
LANGUAGES = [
    ("en", "english.ini", "en_help", "profile_en"),
    ("fr", "french.ini", "fr_help", "profile_fr"),
    ("de", "deutsch.ini", "de_help", "profile_de"),
    ("it", "italian.ini", "it_help", "profile_it"),
]

ENDONYMS = {"en": "English", "fr": "Français", "de": "Deutsch", "it": "Italiano"}

# Targets in OutputFormat order: page id and the name the program uses.
TARGETS = ["AVI", "MP4", "3GP", "MPEG", "MOV", "WMV", "RM", "SWF",
           "VOB", "ASF", "AAC", "AC3", "MP2", "MP3", "AMR", "WAV"]
AUDIO_ONLY = {"AAC", "AC3", "MP2", "MP3", "AMR", "WAV"}

# Every page in reading order (previous/next follow it), with its file name
# and its group in the contents column. The program opens the first two by
# these exact names.
PAGES = [
    ("intro", "Introduction.html", "start"),
    ("quickstart", "Quick start.html", "start"),
    ("overview", "The user interface (Overview).html", "start"),
    ("profiles", "Profiles.html", "profiles"),
    ("editor", "The profile editor.html", "profiles"),
    ("devices", "Device presets.html", "profiles"),
] + [("to-" + t.lower(), "Converting to %s.html" % t, "formats") for t in TARGETS] + [
    ("converting", "During a conversion.html", "convert"),
    ("settings", "Settings.html", "convert"),
    ("cli", "The command line.html", "more"),
    ("trouble", "Troubleshooting.html", "more"),
]
FILE_OF = {pid: name for pid, name, _ in PAGES}
GROUPS = ["start", "profiles", "formats", "convert", "more"]


def href(file_name, fragment=""):
    return urllib.parse.quote(file_name) + ("#" + fragment if fragment else "")


def esc(text):
    return html.escape(text, quote=True)


def one_line(text):
    return re.sub(r"\s*\r?\n\s*", " ", text).strip()


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("not a PNG: " + path)
    return struct.unpack(">II", head[16:24])


def read_profile_description(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            if line.startswith("Description="):
                return line.split("=", 1)[1].strip()
    return ""


def read_ini_sections(path):
    sections, current = [], None
    with open(path, encoding="utf-8", errors="replace") as f:
        for raw in f:
            line = raw.strip()
            if line.startswith("[") and line.endswith("]"):
                current = (line[1:-1], {})
                sections.append(current)
            elif "=" in line and current is not None and not line.startswith(";"):
                key, value = line.split("=", 1)
                current[1].setdefault(key.strip(), value.strip())
    return sections


def casefold_sorted(names):
    return sorted(names, key=lambda n: (n.casefold(), n))


def french_spacing(page):
    """No-break spaces before : ; ! ? and » and after «, in running text only."""
    out, verbatim = [], 0
    for part in re.split(r"(<[^>]+>)", page):
        if part.startswith("<"):
            tag = re.match(r"<(/?)(pre|code|kbd)\b", part)
            if tag:
                verbatim += -1 if tag.group(1) else 1
        elif not verbatim:
            part = re.sub(r" ([:;!?»])", "\u00a0\\1", part).replace("« ", "«\u00a0")
        out.append(part)
    return "".join(out)


class Language:
    def __init__(self, code, ini, folder, tree, facts_program):
        self.code, self.folder, self.tree = code, folder, tree
        self.text = importlib.import_module(code)
        out = subprocess.run([facts_program, os.path.join(LANG_DIR, ini)], check=True,
                             capture_output=True, text=True).stdout
        self.facts = json.loads(out)
        self.texts = self.facts["texts"]
        self.out_dir = os.path.join(LANG_DIR, folder)
        self.notes = []
        self.titles = dict(self.text.TITLES)
        for t in TARGETS:
            self.titles["to-" + t.lower()] = self.text.TARGET_TITLE.format(name=t)

    def word(self, key):
        return self.text.WORDS[key]

    # ------------------------------------------------------------ placeholders

    def caption(self, key):
        if key not in self.texts:
            raise SystemExit("%s: unknown text key %s" % (self.code, key))
        return one_line(self.texts[key])

    def ui(self, key):
        return '<span class="ui">%s</span>' % esc(self.caption(key))

    def label(self, key):
        return '<span class="ui">%s</span>' % esc(self.label_text(key))

    def msg(self, arg):
        key, *values = arg.split("|")
        text = self.caption(key)
        # "@KEY" fills in another text of the program, such as its title.
        values = iter(self.caption(v[1:]) if v.startswith("@") else v for v in values)
        text = re.sub(r"%%|%[sd]", lambda m: "%" if m.group(0) == "%%" else next(values, m.group(0)),
                      text)
        # Set apart by style rather than quotation marks: many messages quote
        # a name themselves.
        return '<span class="msg">%s</span>' % esc(text)

    def page_link(self, arg):
        target, _, text = arg.partition("|")
        pid, _, fragment = target.partition("#")
        if pid not in FILE_OF:
            raise SystemExit("%s: link to unknown page %s" % (self.code, pid))
        return '<a href="%s">%s</a>' % (esc(href(FILE_OF[pid], fragment)),
                                        text or esc(self.titles[pid]))

    def image(self, arg, page_id):
        name, alt, *caption = arg.split("|")
        path = os.path.join(self.out_dir, "images", name + ".png")
        if not os.path.exists(path):
            self.notes.append("%s/%s: no picture images/%s.png yet, left out"
                              % (self.folder, FILE_OF[page_id], name))
            return ""
        width, height = png_size(path)
        figure = '<figure><img src="images/%s.png" alt="%s" width="%d" height="%d">' % (
            esc(name), esc(alt), width, height)
        if caption:
            figure += "<figcaption>%s</figcaption>" % caption[0]
        return figure + "</figure>"

    def keys(self, arg):
        return "+".join("<kbd>%s</kbd>" % esc(k) for k in arg.split("+"))

    def profile_rows(self, target):
        """Name and description of each shipped profile, in the profile box's order."""
        editor = self.editor(target)
        folder = os.path.join(DATA, self.tree, editor["folder"])
        suffix = "." + editor["extension"]
        names = casefold_sorted(f[: -len(suffix)] for f in os.listdir(folder) if f.endswith(suffix))
        return [(n, read_profile_description(os.path.join(folder, n + suffix))) for n in names]

    def profiles(self, target):
        rows = "".join("<tr><td>%s</td><td>%s</td></tr>" % (esc(n), esc(d))
                       for n, d in self.profile_rows(target))
        return '<table><tr><th>%s</th><th>%s</th></tr>%s</table>' % (
            esc(self.word("profile")), esc(self.label_text("MSG_DESCIPTION")), rows)

    def listing(self, target):
        # kinovert-cli's layout: the names in a column as wide as the widest.
        rows = self.profile_rows(target)
        width = max(len(n) for n, _ in rows)
        lines = ["$ kinovert-cli list -t %s" % target.lower(),
                 "%s profiles (--profile NAME):" % target.upper()]
        lines += ["  %s  %s" % (n.ljust(width), d) for n, d in rows]
        return "<pre><code>%s</code></pre>" % esc("\n".join(lines))

    def label_text(self, key):
        # "Profile:" and "Status=" as a sentence names them.
        return re.sub(r"[\s\u00a0]*[:=]$", "", self.caption(key))

    def devices(self):
        folder = os.path.join(DATA, self.tree, "default_setting")
        rows = []
        for f in casefold_sorted(x for x in os.listdir(folder) if x.lower().endswith(".ini")):
            sections = read_ini_sections(os.path.join(folder, f))
            info = next((s[1] for s in sections if s[0] == "Info"), {})
            items = [s[1] for s in sections if s[0].startswith("Item")]
            choices = "<br>".join("%s (.%s)" % (esc(i.get("TitleE", "")), esc(i.get("EXT", "")))
                                  for i in items)
            rows.append("<tr><td><code>%s</code></td><td>%s</td><td>%s</td><td>%s</td></tr>" % (
                esc(f), esc(info.get("TitleE", "")), esc(info.get("DescriptionE", "")), choices))
        head = "".join("<th>%s</th>" % esc(self.word(k))
                       for k in ("preset_file", "preset_title", "preset_description", "preset_items"))
        return "<table><tr>%s</tr>%s</table>" % (head, "".join(rows))

    def preset_example(self, file_name):
        # Read from the shipped file, so the example always matches it.
        path = os.path.join(DATA, self.tree, "default_setting", file_name)
        if not os.path.isfile(path):
            raise SystemExit("%s: no device preset %s" % (self.code, path))
        lines, items = [], 0
        with open(path, encoding="utf-8") as f:
            for raw in f:
                line = raw.rstrip("\r\n")
                if line.startswith("[Item"):
                    items += 1
                    if items > 1:
                        break
                lines.append(line)
        return "<pre><code>%s</code></pre>" % esc("\n".join(lines))

    def editor(self, target):
        return self.facts["editors"][TARGETS.index(target.upper())]

    # ------------------------------------------------------------ editor options

    def options(self, target):
        editor = self.editor(target)
        parts = [self.option_lists(editor)]
        used = set()
        for lst in editor["lists"]:
            for item in lst["items"]:
                used.add(item["block"])
                if "instead" in item:
                    used.add(item["instead"]["block"])
        video = [b for b in editor["video"] if b["suffix"] in used]
        audio = [b for b in editor["audio"] if b["suffix"] in used]
        if video:
            parts.append(self.video_table(video))
        if audio:
            parts.append(self.audio_table(audio))
        if editor["mpegPresets"]:
            parts.append(self.dvd_table())
        return "\n".join(parts)

    def option_lists(self, editor):
        roles = {"type": "MSG_TYPE", "video": "MSG_VIDEO_CODEC", "audio": "MSG_AUDIO_CODEC"}
        by_key = {lst["key"]: lst for lst in editor["lists"]}
        rows = []
        for lst in editor["lists"]:
            name = esc(self.label_text(roles[lst["role"]]))
            if "shownWhen" in lst:
                owner = by_key[lst["shownWhen"]["key"]]
                values = ", ".join(esc(owner["items"][v]["text"]) for v in lst["shownWhen"]["values"])
                name += "<br><small>%s</small>" % esc(self.word("shown_for")).format(values)
            items = []
            for item in lst["items"]:
                text = '<span class="ui">%s</span>' % esc(item["text"])
                if "advisory" in item:
                    text += " <small>(%s)</small>" % esc(self.word("advisory"))
                items.append(text)
            rows.append("<tr><th>%s</th><td>%s</td></tr>" % (name, ", ".join(items)))
        return "<table>%s</table>" % "".join(rows)

    def steps(self, presets):
        # A ladder may hold a value twice (the DVD audio one has 128 at two steps).
        shown = [p for i, p in enumerate(presets) if i == 0 or p != presets[i - 1]]
        return esc(", ".join(shown))

    def video_table(self, blocks):
        groups = []
        for b in blocks:
            key = (tuple(b["presets"]), tuple(b["configure"]), b["fixedSize"], tuple(b["sizes"]),
                   tuple(b.get("sizeEdit", ())), tuple(b["aspects"]), tuple(b["frameRates"]))
            for g in groups:
                if g[0] == key:
                    g[1].append(b)
                    break
            else:
                groups.append((key, [b]))
        head = "".join("<th>%s</th>" % esc(h) for h in (
            self.word("codec"), self.label_text("MSG_PRESET_QUALITY") + " (kbit/s)",
            self.label_text("MSG_SPECIFY_SETTINGS") + " (kbit/s)", self.label_text("MSG_VIDEO_SIZE"),
            self.label_text("MSG_ASPECT")))
        rows, lists = [], []
        for _, members in groups:
            b = members[0]
            if b["fixedSize"]:
                size = esc(self.word("fixed_sizes")).format(esc(", ".join(b["sizes"])))
            else:
                size = esc(self.word("free_size")).format(*b["sizeEdit"])
                if b["evenSizes"]:
                    size += " " + esc(self.word("even_sizes"))
                sizes = ", ".join(s for s in b["sizes"] if s != "...")
                if sizes not in lists:
                    lists.append(sizes)
            aspects = ", ".join(self.caption("MSG_ASPECT_AUTO") if a == "Auto" else a
                                for a in b["aspects"])
            codecs = ", ".join('<span class="ui">%s</span>' % esc(m["title"]) for m in members)
            rows.append("<tr><td>%s</td><td>%s</td><td>%d – %d</td><td>%s</td><td>%s</td></tr>" % (
                codecs, self.steps(b["presets"]), b["configure"][0], b["configure"][1], size,
                esc(aspects)))
        out = "<table><tr>%s</tr>%s</table>" % (head, "".join(rows))
        for sizes in lists:
            out += "<p>%s %s</p>" % (esc(self.word("size_list")), esc(sizes))
        rates = []
        for b in blocks:
            r = ", ".join(x.strip() for x in b["frameRates"])
            if r not in rates:
                rates.append(r)
        for r in rates:
            out += "<p>%s %s</p>" % (esc(self.word("frame_rates")), esc(r))
        for b in blocks:
            if "autoFrameRate" in b:
                out += "<p>%s</p>" % esc(self.word("fixed_auto_rate")).format(
                    '<span class="ui">%s</span>' % esc(b["title"]),
                    '<span class="ui">%s</span>' % esc(self.caption("MSG_FRAMERATE_AUTO")),
                    esc(b["autoFrameRate"]))
        return out

    def audio_bitrate(self, b):
        if not b["presets"]:
            return esc(self.word("no_bitrate"))
        lo, hi = b["presets"][0], b["presets"][-1]
        if "rangeBySampleRate" not in b:
            return "%s – %s (%s)" % (lo, hi, self.steps(b["presets"]))
        parts = []
        groups = []
        for rate, rng in zip(b["sampleRates"], b["rangeBySampleRate"]):
            for g in groups:
                if g[1] == rng:
                    g[0].append(rate)
                    break
            else:
                groups.append(([rate], rng))
        if len(groups) == 1:
            parts.append("%d – %d" % tuple(groups[0][1]))
        else:
            for rates, rng in groups:
                parts.append(esc(self.word("at_rates")).format(", ".join(rates), rng[0], rng[1]))
        if "sixChannels" in b:
            parts.append(esc(self.word("six_channels")).format(
                esc(b["channels"][2]), b["sixChannels"][0], b["sixChannels"][1]))
        return "<br>".join(parts) + "<br><small>%s</small>" % self.steps(b["presets"])

    def audio_table(self, blocks):
        head = "".join("<th>%s</th>" % esc(h) for h in (
            self.word("codec"), self.label_text("MSG_SAMPLERATE") + " (Hz)",
            self.label_text("MSG_ACHANNELS"), self.label_text("MSG_AUDIO_BITRATE") + " (kbit/s)"))
        rows = []
        for b in blocks:
            name = '<span class="ui">%s</span>' % esc(b["title"])
            if b["suffix"] == "AACPsp":
                name += " <small>(%s)</small>" % esc(self.caption("MSG_TYPE_PSP"))
            rows.append("<tr><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>" % (
                name, esc(", ".join(b["sampleRates"])), esc(", ".join(b["channels"])),
                self.audio_bitrate(b)))
        return "<table><tr>%s</tr>%s</table>" % (head, "".join(rows))

    def dvd_table(self):
        dvd = self.facts["dvd"]
        rows = [
            (self.label_text("MSG_VIDEO_BITRATE") + " (kbit/s)",
             "%s; %s %d – %d" % (self.steps(dvd["videoPresets"]),
                                 esc(self.label_text("MSG_SPECIFY_SETTINGS")), *dvd["configure"])),
            (self.label_text("MSG_ASPECT"),
             esc(", ".join([self.caption("MSG_ASPECT_AUTO")] + dvd["aspects"]))),
            (self.label_text("MSG_AUDIO_BITRATE") + " (kbit/s)", self.steps(dvd["audioPresets"])),
        ]
        return '<table><caption>%s</caption>%s</table>' % (
            esc(self.caption("MSG_DVD_PAGE")),
            "".join("<tr><th>%s</th><td>%s</td></tr>" % (esc(a), b) for a, b in rows))

    # ------------------------------------------------------------ pages

    def fill(self, body, page_id):
        def one(m):
            kind, arg = m.group(1), m.group(2)
            if kind == "ui":
                return self.ui(arg)
            if kind == "label":
                return self.label(arg)
            if kind == "msg":
                return self.msg(arg)
            if kind == "page":
                return self.page_link(arg)
            if kind == "img":
                return self.image(arg, page_id)
            if kind == "kbd":
                return self.keys(arg)
            if kind == "profiles":
                return self.profiles(arg)
            if kind == "listing":
                return self.listing(arg)
            if kind == "options":
                return self.options(arg)
            if kind == "preset":
                return self.preset_example(arg)
            return self.devices()
        body = re.sub(r"\{(ui|label|msg|page|img|kbd|profiles|listing|options|preset|devices):?([^{}]*)\}",
                      one, body)
        left = re.search(r"\{[a-z]+:[^{}]*\}", body)
        if left:
            raise SystemExit("%s/%s: unknown placeholder %s" % (self.code, page_id, left.group(0)))
        return body

    def contents(self, current):
        out = ['<nav class="toc" aria-label="%s">' % esc(self.word("contents"))]
        for group in GROUPS:
            out.append("<h2>%s</h2>" % esc(self.text.GROUPS[group]))
            members = [(pid, name) for pid, name, g in PAGES if g == group]
            if group == "formats":
                out.append('<ul class="formats">')
            else:
                out.append("<ul>")
            for pid, name in members:
                text = pid[3:].upper() if group == "formats" else self.titles[pid]
                title = ' title="%s"' % esc(self.titles[pid]) if group == "formats" else ""
                current_mark = ' aria-current="page"' if pid == current else ""
                out.append('<li><a href="%s"%s%s>%s</a></li>' % (
                    esc(href(name)), title, current_mark, esc(text)))
            out.append("</ul>")
        out.append("</nav>")
        return "\n".join(out)

    def page(self, index):
        pid, name, _ = PAGES[index]
        title = self.titles[pid]
        text = self.text.PAGES[pid].strip()
        if pid.startswith("to-") and pid not in ("to-mp4", "to-3gp"):
            # The other targets are chosen the same way; their pages say so alike.
            text = self.text.TARGET_INTRO.strip().replace("{name}", pid[3:].upper()) + "\n" + text
        body = self.fill(text, pid)
        band_links = "".join('<a href="%s">%s</a>' % (esc(href(FILE_OF[p])), esc(self.titles[p]))
                             for p in ("quickstart", "overview", "trouble"))
        pager = []
        if index > 0:
            prev_id, prev_name, _ = PAGES[index - 1]
            pager.append('<a rel="prev" href="%s">← %s</a>' % (esc(href(prev_name)),
                                                               esc(self.titles[prev_id])))
        if index + 1 < len(PAGES):
            next_id, next_name, _ = PAGES[index + 1]
            pager.append('<a rel="next" href="%s">%s →</a>' % (esc(href(next_name)),
                                                               esc(self.titles[next_id])))
        page = """<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title} – {help}</title>
<link rel="stylesheet" href="style.css">
</head>
<body>
<a class="skip" href="#text">{skip}</a>
<header class="band">
<a class="product" href="{intro}">{help}</a>
<nav aria-label="{shortcuts}">{band}</nav>
<nav class="langs" aria-label="{languages}">{langs}</nav>
</header>
<div class="layout">
{contents}
<main id="text">
<h1>{title}</h1>
{body}
</main>
</div>
<footer class="pager">
{pager}
</footer>
</body>
</html>
""".format(lang=self.code, title=esc(title), help=esc(self.word("help")), skip=esc(self.word("skip")),
           intro=esc(href(FILE_OF["intro"])), shortcuts=esc(self.word("shortcuts")),
           band=band_links, languages=esc(self.word("languages")), langs=self.other_languages(name),
           contents=self.contents(pid), body=body, pager="\n".join(pager))
        return french_spacing(page) if getattr(self.text, "FRENCH_SPACING", False) else page

    def other_languages(self, file_name):
        # The help opens in the build's language whatever the window shows, so
        # every page leads to itself in the other languages.
        links = []
        for code, _, folder, _ in LANGUAGES:
            if code == self.code:
                continue
            links.append('<a href="../%s/%s" hreflang="%s" lang="%s">%s</a>' % (
                folder, esc(href(file_name)), code, code, ENDONYMS[code]))
        return "".join(links)

    def write(self):
        os.makedirs(self.out_dir, exist_ok=True)
        missing = [pid for pid, _, _ in PAGES if pid not in self.text.PAGES]
        if missing:
            raise SystemExit("%s: no text for %s" % (self.code, ", ".join(missing)))
        written = set()
        for i, (_, name, _) in enumerate(PAGES):
            with open(os.path.join(self.out_dir, name), "w", encoding="utf-8", newline="\n") as f:
                f.write(self.page(i))
            written.add(name)
        for stale in os.listdir(self.out_dir):
            if stale.endswith(".html") and stale not in written:
                os.remove(os.path.join(self.out_dir, stale))
        with open(os.path.join(HERE, "style.css"), encoding="utf-8") as src, \
                open(os.path.join(self.out_dir, "style.css"), "w", encoding="utf-8", newline="\n") as dst:
            dst.write(src.read())


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--facts", default=os.path.join(ROOT, "build", "tools", "kinovert-helpfacts"),
                        help="the kinovert-helpfacts program of a build")
    parser.add_argument("--languages", default="en,fr,de,it",
                        help="the languages to write, e.g. en,de")
    parser.add_argument("--list-images", action="store_true",
                        help="print the names of the pictures the pages show, and stop")
    args = parser.parse_args()
    if args.list_images:
        names = set()
        for code, _, _, _ in LANGUAGES:
            if code in args.languages.split(","):
                for body in importlib.import_module(code).PAGES.values():
                    names.update(re.findall(r"\{img:([^|{}]+)\|", body))
        print("\n".join(sorted(names)))
        return
    if not os.access(args.facts, os.X_OK):
        raise SystemExit("%s not found: build the program first (cmake --build build)" % args.facts)
    for code, ini, folder, tree in LANGUAGES:
        if code not in args.languages.split(","):
            continue
        lang = Language(code, ini, folder, tree, args.facts)
        lang.write()
        for note in lang.notes:
            print("note: " + note)
        print("wrote %s (%d pages)" % (os.path.relpath(lang.out_dir, ROOT), len(PAGES)))


if __name__ == "__main__":
    main()
