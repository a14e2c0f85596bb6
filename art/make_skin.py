#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Render Kinovert's skin pictures and icons from the SVG sources in art/.

The builds use the PNGs committed in data/skin/kvo/skin/; this script is for
whoever changes the artwork. It needs rsvg-convert (Debian: librsvg2-bin) and
nothing beyond the Python standard library.

    art/make_skin.py            render everything
    art/make_skin.py tb_ mb_    render only outputs whose name starts so

Every picture is written at 100 % and, beside it, at 200 % as NAME@2x.png.
Each button is drawn once (art/buttons/*.svg: the content, and in data-face
the kind of face under it); the four states are derived here so they follow
one rule: hover lighter with a faint ring, pressed darker with the content
one pixel lower, disabled without colour at 45 % opacity.
"""

import copy
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ART = Path(__file__).resolve().parent
ROOT = ART.parent
SKIN = ROOT / "data" / "skin" / "kvo" / "skin"
WORK = ART / ".out"  # intermediate SVGs, not committed

SVG_NS = "http://www.w3.org/2000/svg"
ET.register_namespace("", SVG_NS)
Q = "{%s}" % SVG_NS

# Button faces. A face with fill None is a ghost: nothing at rest, a tint on
# hover and press (used on the title band and in the toolbar row).
FACES = {
    "main": dict(radius=5, top="#FBFDFE", bottom="#E4EDF3", border="#B3C7D6", ring="#4F8BC0"),
    "accent": dict(radius=5, top="#C85A10", bottom="#B04806", border="#963B04", ring="#FFFFFF"),
    "tool": dict(radius=6, top=None, hover="#FFFFFF", press="#DCE6EE", ring="#8DB1CC"),
    "system": dict(radius=4, top=None, hover="#FFFFFF26", press="#0000002E", ring="#FFFFFF33"),
    "close": dict(radius=4, top=None, hover="#D64545", press="#B93636", ring="#FFFFFF33"),
}
LIGHTER = 0.08  # hover: mix towards white
DARKER = 0.10  # pressed: mix towards black
DISABLED_OPACITY = 0.45

# Buttons: output stem -> source in art/buttons/.
BUTTONS = [
    "tb_exit", "tb_avi", "tb_mp4", "tb_3gp", "tb_mpeg", "tb_mov", "tb_wmv", "tb_rm",
    "tb_swf", "tb_others", "tb_dvd",
    "mb_browse_in", "mb_up", "mb_down", "mb_add", "mb_delete", "mb_browse_out",
    "mb_edit", "mb_menu", "mb_convert",
    "sb_min", "sb_help", "sb_close",
]
STATES = [("n", "normal"), ("h", "hover"), ("p", "pressed"), ("d", "disabled")]

# Single pictures: output stem -> source in art/ (size from the source).
PICTURES = {
    "main": "background.svg",
    "tb_line": "pictures/tb_line.svg",
    "state_idle": "pictures/state_idle.svg",
    "state_converting": "pictures/state_converting.svg",
    "state_done": "pictures/state_done.svg",
    "state_failed": "pictures/state_failed.svg",
    "about": "pictures/about.svg",
    "progress_band": "pictures/progress_band.svg",
}
ANIMATION = ("progress_anim", "pictures/progress_anim.svg", 12)

# Menu icons: output stem -> symbol of icons.svg, drawn 16 px in the text colour.
GROUP_ICONS = {"group_video": "film", "group_phone": "phone", "group_disc": "disc",
               "group_audio": "note"}
MENU_ICON_COLOUR = "#27496A"
MENU_ICON_STROKE = 2.4  # in 24-grid units: 1.6 px at 16 px

# Application icon: small sizes come from a simpler drawing that stays legible.
APP_SIZES = [16, 22, 24, 32, 48, 64, 128, 256, 512]
APP_SMALL_MAX = 24
TRAY_SIZES = [22, 32]
TRAY_LIGHT = "#FFFFFF"


def fail(message):
    sys.exit("make_skin: " + message)


def check_renderer():
    if shutil.which("rsvg-convert") is None:
        fail("rsvg-convert is missing; install it with: sudo apt-get install librsvg2-bin")


# --- SVG helpers -----------------------------------------------------------

_docs = {}


def load(path):
    path = Path(path).resolve()
    if path not in _docs:
        _docs[path] = ET.parse(path).getroot()
    return copy.deepcopy(_docs[path])


def size_of(root):
    return int(float(root.get("width"))), int(float(root.get("height")))


_USE_STYLE = ("color", "stroke", "stroke-width", "fill", "opacity", "transform", "style")


def inline_references(root, base):
    """Replace <use href="file.svg#id"> by a copy of the referenced drawing.

    rsvg-convert does not follow references into other files, and each
    generated SVG must stand alone.
    """
    for parent in list(root.iter()):
        for i, use in enumerate(list(parent)):
            if use.tag != Q + "use":
                continue
            href = use.get("href", "")
            if href.startswith("#"):
                continue
            file, _, ident = href.partition("#")
            doc = load(base / file)
            if ident:
                target = next((e for e in doc.iter() if e.get("id") == ident), None)
                if target is None:
                    fail(f"{href}: no element with that id")
            else:
                target = doc
            nested = ET.Element(Q + "svg")
            box = target.get("viewBox") or doc.get("viewBox") or "0 0 %s %s" % size_of(doc)
            nested.set("viewBox", box)
            for key in ("x", "y", "width", "height"):
                if use.get(key) is not None:
                    nested.set(key, use.get(key))
            nested.set("overflow", "visible")
            for key, value in target.attrib.items():
                if key in ("fill", "stroke", "stroke-linecap", "stroke-linejoin", "stroke-width"):
                    nested.set(key, value)
            for child in target:
                nested.append(copy.deepcopy(child))
            inline_references(nested, (base / file).parent)
            wrapper = ET.Element(Q + "g")
            for key in _USE_STYLE:
                if use.get(key) is not None:
                    wrapper.set(key, use.get(key))
            wrapper.append(nested)
            wrapper.tail = use.tail
            parent.remove(use)
            parent.insert(i, wrapper)


def render(svg_root, stem, base, scales=(1, 2)):
    """Write the standalone SVG to the work folder and render it per scale."""
    inline_references(svg_root, base)
    WORK.mkdir(exist_ok=True)
    source = WORK / (stem + ".svg")
    ET.ElementTree(svg_root).write(source, encoding="utf-8", xml_declaration=True)
    for scale in scales:
        out = SKIN / (stem + ("" if scale == 1 else "@%dx" % scale) + ".png")
        subprocess.run(["rsvg-convert", "-z", str(scale), "-o", str(out), str(source)],
                       check=True)


def render_at(svg_root, out, base, width):
    """Render to an exact pixel width (application and tray icons)."""
    inline_references(svg_root, base)
    WORK.mkdir(exist_ok=True)
    source = WORK / (out.stem + ".svg")
    ET.ElementTree(svg_root).write(source, encoding="utf-8", xml_declaration=True)
    subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(width), "-o", str(out),
                    str(source)], check=True)


# --- colours ---------------------------------------------------------------

def parse_colour(text):
    text = text.lstrip("#")
    alpha = int(text[6:8], 16) / 255 if len(text) == 8 else 1.0
    return [int(text[i:i + 2], 16) for i in (0, 2, 4)], alpha


def mix(colour, towards, amount):
    rgb, _ = parse_colour(colour)
    return "#%02X%02X%02X" % tuple(round(c + (towards - c) * amount) for c in rgb)


def paint(element, colour):
    """Set fill from #RRGGBB or #RRGGBBAA."""
    rgb, alpha = parse_colour(colour)
    element.set("fill", "#%02X%02X%02X" % tuple(rgb))
    if alpha < 1:
        element.set("fill-opacity", "%.3f" % alpha)


# --- buttons ---------------------------------------------------------------

def face_elements(kind, state, width, height, defs):
    face = FACES[kind]

    def rect(inset, **attrs):
        e = ET.Element(Q + "rect", x=str(inset), y=str(inset), width=str(width - 2 * inset),
                       height=str(height - 2 * inset),
                       rx=str(max(face["radius"] - inset + 0.5, 0)))
        for key, value in attrs.items():
            e.set(key.replace("_", "-"), str(value))
        return e

    if face["top"] is None:
        tint = {"hover": face["hover"], "pressed": face["press"]}.get(state)
        if not tint:
            return []
        shapes = [rect(0)]
        paint(shapes[0], tint)
        if state == "hover":
            rgb, alpha = parse_colour(face["ring"])
            shapes.append(rect(0.5, fill="none", stroke="#%02X%02X%02X" % tuple(rgb),
                               stroke_opacity=alpha))
        return shapes

    top, bottom, border = face["top"], face["bottom"], face["border"]
    if state == "hover":
        top, bottom = mix(top, 255, LIGHTER), mix(bottom, 255, LIGHTER)
    elif state == "pressed":
        top, bottom, border = (mix(c, 0, DARKER) for c in (top, bottom, border))
    gradient = ET.SubElement(defs, Q + "linearGradient", id="face", x1="0", y1="0", x2="0",
                             y2="1")
    ET.SubElement(gradient, Q + "stop", offset="0", attrib={"stop-color": top})
    ET.SubElement(gradient, Q + "stop", offset="1", attrib={"stop-color": bottom})
    shapes = [rect(0.5, fill="url(#face)", stroke=border)]
    if state == "hover":
        shapes.append(rect(1.5, fill="none", stroke=face["ring"], stroke_opacity="0.55"))
    elif state == "normal":
        # A one-pixel light edge along the top gives the face its slight lift;
        # pressed and hover go without it, which reads as sinking in.
        ET.SubElement(defs, Q + "clipPath", id="inside").append(rect(1))
        shapes.append(ET.Element(Q + "rect", x="1", y="1", width=str(width - 2), height="1",
                                 fill="#FFFFFF", attrib={"fill-opacity": "0.55",
                                                         "clip-path": "url(#inside)"}))
    return shapes


def button_state(source, state):
    width, height = size_of(source)
    kind = source.get("data-face")
    if kind not in FACES:
        fail(f"unknown face {kind!r}")
    out = ET.Element(Q + "svg", width=str(width), height=str(height),
                     viewBox=f"0 0 {width} {height}")
    defs = ET.SubElement(out, Q + "defs")
    layer = ET.SubElement(out, Q + "g")
    if state == "disabled":
        # The region is the whole button: a glyph as flat as a minus sign has
        # an empty bounding box and would vanish with the default region.
        matrix = ET.SubElement(defs, Q + "filter", id="grey", x="0", y="0", width=str(width),
                               height=str(height), filterUnits="userSpaceOnUse")
        ET.SubElement(matrix, Q + "feColorMatrix", type="saturate", values="0")
        layer.set("filter", "url(#grey)")
        layer.set("opacity", str(DISABLED_OPACITY))
    face_state = "normal" if state == "disabled" else state
    for shape in face_elements(kind, face_state, width, height, defs):
        layer.append(shape)
    content = ET.SubElement(layer, Q + "g")
    if state == "pressed":
        content.set("transform", "translate(0 1)")
    for child in source:
        content.append(child)
    return out


def make_buttons(wanted):
    for stem in BUTTONS:
        names = [f"{stem}_{s}" for s, _ in STATES]
        if not any(wanted(n) for n in names):
            continue
        path = ART / "buttons" / (stem + ".svg")
        for suffix, state in STATES:
            render(button_state(load(path), state), f"{stem}_{suffix}", path.parent)


# --- pictures and icons ----------------------------------------------------

def make_pictures(wanted):
    for stem, source in PICTURES.items():
        if wanted(stem):
            path = ART / source
            render(load(path), stem, path.parent)
    stem, source, frames = ANIMATION
    if wanted(stem):
        path = ART / source
        for frame in range(frames):
            render(animation_frame(load(path), frame), "%s_%02d" % (stem, frame), path.parent)


def animation_frame(root, frame):
    """Advance every element that carries a step: data-step-x moves it right by
    that many pixels per frame, data-step-rotate="deg cx cy" turns it."""
    for e in root.iter():
        moves = []
        if e.get("data-step-x"):
            moves.append("translate(%g 0)" % (float(e.get("data-step-x")) * frame))
        if e.get("data-step-rotate"):
            deg, cx, cy = (float(v) for v in e.get("data-step-rotate").split())
            moves.append("rotate(%g %g %g)" % (deg * frame, cx, cy))
        if moves:
            e.set("transform", " ".join(moves + [e.get("transform", "")]).strip())
    return root


def make_group_icons(wanted):
    for stem, symbol in GROUP_ICONS.items():
        if not wanted(stem):
            continue
        root = ET.Element(Q + "svg", width="16", height="16", viewBox="0 0 16 16")
        ET.SubElement(root, Q + "use", href=f"icons.svg#{symbol}", x="0", y="0", width="16",
                      height="16", color=MENU_ICON_COLOUR,
                      attrib={"stroke-width": str(MENU_ICON_STROKE)})
        render(root, stem, ART)


def make_app_icons(wanted):
    if wanted("kinovert-"):
        for size in APP_SIZES:
            source = ART / "kinovert-small.svg" if size <= APP_SMALL_MAX else SKIN / "kinovert.svg"
            render_at(load(source), SKIN / f"kinovert-{size}.png", source.parent, size)
    if wanted("tray"):
        source = SKIN / "tray.svg"
        for variant, colour in (("tray", None), ("tray-light", TRAY_LIGHT)):
            root = load(source)
            if colour:
                root.set("color", colour)
            for size in TRAY_SIZES:
                render_at(copy.deepcopy(root), SKIN / f"{variant}-{size}.png", SKIN, size)
                render_at(copy.deepcopy(root), SKIN / f"{variant}-{size}@2x.png", SKIN, 2 * size)


def main(argv):
    check_renderer()
    prefixes = argv[1:]

    def wanted(name):
        return not prefixes or any(name.startswith(p) or p.startswith(name) for p in prefixes)

    SKIN.mkdir(parents=True, exist_ok=True)
    make_buttons(wanted)
    make_pictures(wanted)
    make_group_icons(wanted)
    make_app_icons(wanted)


if __name__ == "__main__":
    main(sys.argv)
