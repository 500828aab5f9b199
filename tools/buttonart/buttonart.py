#!/usr/bin/env python3
"""Writes the picture buttons' artwork and the program icon as SVG files.

The build compiles the written files in; run this after changing a glyph or the palette,
from the top folder:  python3 tools/buttonart/buttonart.py

Every normal picture and its roll-over share one glyph, so the pair cannot drift apart:
the roll-over draws the same shapes in the accent colour over a soft glow.
"""

import os
import sys

INK = "#4b5a6b"        # glyphs at rest
ACCENT = "#1c7fe0"     # glyphs under the pointer
GLOW = "#8cc4ff"
STROKE = 2             # one stroke width for every glyph, in pixels at 1x
CORNER = 1.5           # corner radius of every rectangle

# Glyph shapes on their own canvas. "F" shapes are filled and outlined alike, so the
# stroke rounds their corners; "L" shapes are lines only.
def tri(*pts):
    return ("F", "polygon", {"points": " ".join(f"{x},{y}" for x, y in pts)})

def rect(x, y, w, h):
    return ("F", "rect", {"x": x, "y": y, "width": w, "height": h, "rx": CORNER})

def line(d):
    return ("L", "path", {"d": d})

def ring(cx, cy, r):
    return ("L", "circle", {"cx": cx, "cy": cy, "r": r})

CROSS = [line("M19.5 10 L25 17"), line("M25 10 L19.5 17")]

GLYPHS = {
    1: (28, 28, [tri((13, 8), (5, 14), (13, 20)), tri((22, 8), (14, 14), (22, 20))]),        # back
    2: (28, 28, [tri((9, 6), (22, 14), (9, 22))]),                                           # play
    3: (28, 28, [rect(7.5, 7.5, 13, 13)]),                                                   # stop
    4: (28, 28, [rect(7.5, 6.5, 4, 15), rect(16.5, 6.5, 4, 15)]),                            # pause
    5: (28, 28, [tri((6, 8), (14, 14), (6, 20)), tri((15, 8), (23, 14), (15, 20))]),         # step
    6: (28, 28, [tri((14, 4.5), (22, 13), (17, 13), (17, 23), (11, 23), (11, 13), (6, 13))]),   # up
    7: (28, 28, [tri((14, 23.5), (22, 15), (17, 15), (17, 5), (11, 5), (11, 15), (6, 15))]),    # down
    8: (28, 28, [rect(3.5, 10.5, 13, 6)] + CROSS),                                             # delete one
    9: (28, 28, [rect(3.5, 4, 13, 5), rect(3.5, 11.5, 13, 5), rect(3.5, 19, 13, 5)]          # delete all
        + [line("M19.5 17 L25 24"), line("M25 17 L19.5 24")]),
    10: (28, 28, [line("M9.2 8.6 A8 8 0 1 0 18.8 8.6"), line("M14 4.5 V13.5")]),             # end
    11: (16, 16, [line("M5.5 2.5 H3 V13.5 H5.5"), tri((8, 4.5), (13, 8), (8, 11.5))]),       # mark in
    12: (16, 16, [line("M10.5 2.5 H13 V13.5 H10.5"), tri((8, 4.5), (3, 8), (8, 11.5))]),     # mark out
    13: (32, 16, [line("M3 13 V3 L7 9 L11 3 V13"),                                           # "MP3"
                  line("M14.5 13 V3 H18 A3 3 0 0 1 18 9 H14.5"),
                  line("M23 3.5 H28.5 L25 7.5 Q29 7.5 29 10.5 Q29 13 26 13 Q23.5 13 22.5 11.5")]),
    14: (32, 16, [line("M1.5 3 L4 13 L6.5 6 L9 13 L11.5 3"),                                 # "WAV"
                  line("M13.5 13 L17 3 L20.5 13"), line("M14.8 9.5 H19.2"),
                  line("M22.5 3 L26 13 L29.5 3")]),
    15: (32, 32, [ring(9.5, 23.5, 4.5), ring(22.5, 23.5, 4.5),                                # cut
                  tri((12, 19.5), (21.5, 3.5), (22.5, 5), (14.5, 21)),
                  tri((20, 19.5), (10.5, 3.5), (9.5, 5), (17.5, 21))]),
}

# Sizes of the roll-over pictures where they differ from the normal ones.
ROLL_SIZE = {15: (30, 31)}

EXTRA = {
    "goto": (16, 16, [line("M2 8 H10"), tri((8, 4.5), (12, 8), (8, 11.5)), line("M14 3 V13")]),
    "addlist": (28, 28, [rect(4, 6, 11, 3.5), rect(4, 12, 11, 3.5), rect(4, 18, 7, 3.5),
                         line("M20.5 13 V24"), line("M15 18.5 H26")]),
}


def attrs(d):
    return " ".join(f'{k}="{v}"' for k, v in d.items())


def shapes(parts, colour):
    out = []
    for kind, tag, a in parts:
        fill = colour if kind == "F" else "none"
        out.append(f'  <{tag} {attrs(a)} fill="{fill}" stroke="{colour}" stroke-width="{STROKE}" '
                   'stroke-linejoin="round" stroke-linecap="round"/>')
    return "\n".join(out)


def svg(width, height, view_w, view_h, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="0 0 {view_w} {view_h}">\n{body}\n</svg>\n')


def glow(view_w, view_h):
    return (f'  <defs><radialGradient id="glow" cx="50%" cy="50%" r="50%">'
            f'<stop offset="0" stop-color="{GLOW}" stop-opacity="0.75"/>'
            f'<stop offset="1" stop-color="{GLOW}" stop-opacity="0"/></radialGradient></defs>\n'
            f'  <ellipse cx="{view_w / 2}" cy="{view_h / 2}" rx="{view_w / 2}" ry="{view_h / 2}" fill="url(#glow)"/>')


def icon():
    bars = [6, 12, 20, 14, 26, 18, 10, 16, 8]
    wave = "\n".join(
        f'  <line x1="{11 + i * 5.25}" y1="{32 - h / 2}" x2="{11 + i * 5.25}" y2="{32 + h / 2}" '
        f'stroke="#ffffff" stroke-width="3" stroke-linecap="round"/>' for i, h in enumerate(bars))
    marks = ('  <path d="M9 14 H5.5 V50 H9" fill="none" stroke="#bfe0ff" stroke-width="2.5" '
             'stroke-linejoin="round" stroke-linecap="round"/>\n'
             '  <path d="M55 14 H58.5 V50 H55" fill="none" stroke="#bfe0ff" stroke-width="2.5" '
             'stroke-linejoin="round" stroke-linecap="round"/>')
    tile = ('  <defs><linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="#3d9bf0"/><stop offset="1" stop-color="{ACCENT}"/>'
            '</linearGradient></defs>\n'
            '  <rect x="1" y="1" width="62" height="62" rx="12" fill="url(#tile)" stroke="#155fa8" stroke-width="2"/>')
    return svg(64, 64, 64, 64, "\n".join([tile, marks, wave]))


def main():
    top = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    out = os.path.join(top, "resources", "buttons")
    os.makedirs(os.path.join(out, "normal"), exist_ok=True)
    os.makedirs(os.path.join(out, "roll"), exist_ok=True)

    def write(path, text):
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)

    for number, (w, h, parts) in GLYPHS.items():
        name = f"{number:02d}.svg"
        write(os.path.join(out, "normal", name), svg(w, h, w, h, shapes(parts, INK)))
        rw, rh = ROLL_SIZE.get(number, (w, h))
        write(os.path.join(out, "roll", name), svg(rw, rh, w, h, glow(w, h) + "\n" + shapes(parts, ACCENT)))
    for name, (w, h, parts) in EXTRA.items():
        write(os.path.join(out, f"{name}.svg"), svg(w, h, w, h, shapes(parts, INK)))
    write(os.path.join(top, "resources", "trevisto.svg"), icon())
    return 0


if __name__ == "__main__":
    sys.exit(main())
