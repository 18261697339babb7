#!/usr/bin/python3
"""Draws the game's icon: the deep blue, gold-rimmed oval of the lifeline icons holding
three answer plates of the main window, the middle one lit amber as a chosen answer.

Run from the repository root:  /usr/bin/python3 tools/assets/icon.py
Writes packaging/icons/hicolor/scalable/apps/zoriklad.svg and the PNG sizes of the
hicolor theme; both are drawn from the same shapes below.
"""

import os

from PIL import Image, ImageDraw

from main_pictures import AMBER, GOLD, GOLD_DARK, GOLD_LIGHT, NIGHT, radial_gradient

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
HICOLOR = os.path.join(ROOT, "packaging", "icons", "hicolor")
SIZES = [16, 22, 24, 32, 48, 64, 128, 256]

U = 256  # the icon's own units
CENTRE, RADIUS = (128.0, 128.0), 120.0
GLOW_CENTRE, GLOW_RADIUS = (128.0, 104.0), 141.0
GLOW_INNER, GLOW_OUTER = (40, 72, 170), (4, 10, 58)
PLATES = [(84.0, NIGHT), (128.0, AMBER), (172.0, NIGHT)]  # centre line, fill
PLATE_LEFT, PLATE_RIGHT, PLATE_HALF, SLANT = 58.0, 222.0, 17.0, 16.0
DIAMOND_X, DIAMOND_RX, DIAMOND_RY = 40.0, 8.0, 11.0


def hexagon(cy):
    return [(PLATE_LEFT, cy), (PLATE_LEFT + SLANT, cy - PLATE_HALF), (PLATE_RIGHT - SLANT, cy - PLATE_HALF),
            (PLATE_RIGHT, cy), (PLATE_RIGHT - SLANT, cy + PLATE_HALF), (PLATE_LEFT + SLANT, cy + PLATE_HALF)]


def diamond(cy):
    return [(DIAMOND_X, cy - DIAMOND_RY), (DIAMOND_X + DIAMOND_RX, cy), (DIAMOND_X, cy + DIAMOND_RY),
            (DIAMOND_X - DIAMOND_RX, cy)]


def hexcolour(c):
    return "#%02x%02x%02x" % c


def svg():
    def pts(points):
        return " ".join("%g,%g" % p for p in points)

    cx, cy = CENTRE
    gx, gy = GLOW_CENTRE
    # The pictures' glow falls off with the square of the distance; five stops follow it.
    stops = []
    for t in (0.0, 0.25, 0.5, 0.75, 1.0):
        c = tuple(round(GLOW_INNER[i] + (GLOW_OUTER[i] - GLOW_INNER[i]) * t * t) for i in range(3))
        stops.append('      <stop offset="%g" stop-color="%s"/>' % (t, hexcolour(c)))
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (U, U, U, U),
           '  <defs>',
           '    <radialGradient id="glow" cx="%g" cy="%g" r="%g" gradientUnits="userSpaceOnUse">' % (gx, gy, GLOW_RADIUS),
           *stops,
           '    </radialGradient>',
           '  </defs>',
           '  <circle cx="%g" cy="%g" r="%g" fill="url(#glow)" stroke="%s" stroke-width="11"/>'
           % (cx, cy, RADIUS, hexcolour(GOLD_DARK)),
           '  <circle cx="%g" cy="%g" r="%g" fill="none" stroke="%s" stroke-width="7"/>'
           % (cx, cy, RADIUS, hexcolour(GOLD)),
           '  <circle cx="%g" cy="%g" r="%g" fill="none" stroke="%s" stroke-width="2"/>'
           % (cx, cy, RADIUS - 5, hexcolour(GOLD_LIGHT))]
    for y, fill in PLATES:
        out.append('  <polygon points="%s" fill="%s" stroke="%s" stroke-width="6" stroke-linejoin="round"/>'
                   % (pts(hexagon(y)), hexcolour(fill), hexcolour(GOLD)))
        out.append('  <polygon points="%s" fill="%s"/>' % (pts(diamond(y)), hexcolour(GOLD_LIGHT)))
    out.append('</svg>')
    return "\n".join(out) + "\n"


def raster(size):
    """The same shapes with PIL, drawn four times larger and scaled down."""
    s = 4 * size / U
    big = 4 * size

    def sc(points):
        return [(x * s, y * s) for x, y in points]

    def circle(r):
        cx, cy = CENTRE
        return [(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s]

    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    glow = radial_gradient((big, big), (GLOW_CENTRE[0] * s, GLOW_CENTRE[1] * s), GLOW_RADIUS * s,
                           GLOW_INNER, GLOW_OUTER)
    mask = Image.new("L", (big, big), 0)
    ImageDraw.Draw(mask).ellipse(circle(RADIUS + 5.5), fill=255)
    img.paste(glow, (0, 0), mask)
    d = ImageDraw.Draw(img)
    d.ellipse(circle(RADIUS + 5.5), outline=GOLD_DARK, width=max(1, round(11 * s)))
    d.ellipse(circle(RADIUS + 3.5), outline=GOLD, width=max(1, round(7 * s)))
    d.ellipse(circle(RADIUS - 4), outline=GOLD_LIGHT, width=max(1, round(2 * s)))
    for y, fill in PLATES:
        d.polygon(sc(hexagon(y)), fill=fill)
        d.line(sc(hexagon(y) + hexagon(y)[:1]), fill=GOLD, width=max(1, round(6 * s)), joint="curve")
        d.polygon(sc(diamond(y)), fill=GOLD_LIGHT)
    return img.resize((size, size), Image.LANCZOS)


def main():
    scalable = os.path.join(HICOLOR, "scalable", "apps")
    os.makedirs(scalable, exist_ok=True)
    with open(os.path.join(scalable, "zoriklad.svg"), "w", encoding="utf-8") as f:
        f.write(svg())
    for size in SIZES:
        folder = os.path.join(HICOLOR, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        raster(size).save(os.path.join(folder, "zoriklad.png"), optimize=True)


if __name__ == "__main__":
    main()
