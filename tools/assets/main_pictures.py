#!/usr/bin/python3
"""Draws the pictures of the main window, the splash and the qualifying window.

Run from the repository root:  /usr/bin/python3 tools/assets/main_pictures.py [--scale N]
Every output is overwritten and comes out byte-identical on every run.
With --scale 2 or 3 every raster picture is drawn at that many pixels per design pixel,
for screens the game scales up, and saved beside the 1x one as "name@2x.gif"/"name@3x.gif".

Run-time pictures go to data/Graph/ (GIF, read by Qt's GIF reader);
pictures of the window designs go to src/resources/images/.
"""

import math
import os
import sys

from scale import scale_argument
from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
GRAPH = os.path.join(ROOT, "data", "Graph")
IMAGES = os.path.join(ROOT, "src", "resources", "images")

FONT_DIR = "/usr/share/fonts/truetype/liberation2"
SANS_BOLD = os.path.join(FONT_DIR, "LiberationSans-Bold.ttf")
SERIF_BOLD = os.path.join(FONT_DIR, "LiberationSerif-Bold.ttf")

K = scale_argument()  # output pixels per design pixel
SS = 4  # supersampling factor for shapes
S = SS * K  # canvas pixels per design pixel

BLACK = (0, 0, 0)
GOLD = (238, 182, 52)
GOLD_LIGHT = (255, 226, 140)
GOLD_DARK = (150, 98, 18)
ORANGE = (255, 160, 32)
WHITE = (255, 255, 255)
# The answer labels paint these exact colours behind their text, so the
# plates must carry the very same values where the labels sit.
AMBER = (255, 204, 102)
LIME = (0, 255, 0)
RED = (255, 0, 0)
AQUA = (0, 255, 255)
NIGHT = (6, 12, 44)

PRIZES = [100, 200, 300, 500, 1000, 2000, 4000, 8000, 16000, 32000,
          64000, 125000, 250000, 500000, 1000000]


# ---------------------------------------------------------------- helpers

def font(path, px):
    return ImageFont.truetype(path, px)


def money(n):
    """1000000 -> "1 000 000": groups of three, as Russian sums are written."""
    s = str(n)
    groups = []
    while s:
        groups.insert(0, s[-3:])
        s = s[:-3]
    return " ".join(groups)


def canvas(w, h, colour=BLACK, mode="RGB"):
    """A supersampled canvas of the final size w x h."""
    return Image.new(mode, (w * S, h * S), colour)


def down(img):
    return img.resize((img.width // SS, img.height // SS), Image.LANCZOS)


def down_rgba(img):
    """Shrinks an RGBA picture without dark fringes: colour is averaged
    premultiplied by alpha, then divided back."""
    r, g, b, a = img.split()
    pre = Image.merge("RGB", (ImageChops.multiply(r, a), ImageChops.multiply(g, a),
                              ImageChops.multiply(b, a)))
    small_pre = down(pre)
    small_a = down(a)
    out = Image.new("RGBA", small_a.size)
    pp = small_pre.load()
    ap = small_a.load()
    op = out.load()
    for y in range(out.height):
        for x in range(out.width):
            al = ap[x, y]
            if al == 0:
                op[x, y] = (0, 0, 0, 0)
            else:
                c = pp[x, y]
                op[x, y] = (min(255, c[0] * 255 // al), min(255, c[1] * 255 // al),
                            min(255, c[2] * 255 // al), al)
    return out


def sc(points):
    """Scales final-size coordinates to the supersampled canvas."""
    return [(x * S, y * S) for x, y in points]


def stroke(draw, points, colour, width, closed=False):
    pts = sc(points)
    if closed:
        pts = pts + [pts[0], pts[1]]
    draw.line(pts, fill=colour, width=max(1, round(width * S)), joint="curve")
    r = width * S / 2
    if not closed:
        for x, y in (pts[0], pts[-1]):
            draw.ellipse((x - r, y - r, x + r, y + r), fill=colour)


def gold_stroke(draw, points, closed=False, width=2.6):
    """A gold line with a light core, so it reads as metal on any fill."""
    stroke(draw, points, GOLD_DARK, width + 0.6, closed)
    stroke(draw, points, GOLD, width, closed)
    stroke(draw, points, GOLD_LIGHT, width * 0.35, closed)


def diamond(draw, cx, cy, rx, ry, fill, outline=None):
    pts = sc([(cx - rx, cy), (cx, cy - ry), (cx + rx, cy), (cx, cy + ry)])
    draw.polygon(pts, fill=fill, outline=outline)


def exact_mask(rgb, colour):
    """255 where a pixel is exactly `colour`, else 0."""
    diff = ImageChops.difference(rgb, Image.new("RGB", rgb.size, colour))
    r, g, b = diff.split()
    return ImageChops.lighter(ImageChops.lighter(r, g), b).point(lambda v: 255 if v == 0 else 0)


def to_palette(img, keep=()):
    """Palette picture for GIF. Median cut chooses most entries, but its
    colours are averages, so every colour in `keep` gets an entry of its own
    and the pixels of exactly that colour are pointed at it."""
    rgb = img.convert("RGB")
    n = 256 - len(keep)
    q = rgb.quantize(colors=n, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = q.getpalette()[: 3 * n]
    pal += [0] * (3 * n - len(pal))
    for c in keep:
        pal += list(c)
    q.putpalette(pal)
    for i, c in enumerate(keep):
        q.paste(n + i, (0, 0) + rgb.size, exact_mask(rgb, c))
    return q


def save_gif(img, path, keep=()):
    """Writes a still GIF; returns what a reader gets back, as RGB."""
    q = to_palette(img, keep)
    q.save(path, format="GIF", optimize=False)
    return q.convert("RGB")


def save_png(img, path):
    img.save(path, format="PNG", optimize=False)


def text_size(fnt, text):
    l, t, r, b = fnt.getbbox(text)
    return r - l, b - t, l, t


def draw_text_centered(draw, cx, cy, text, fnt, fill, stroke_width=0, stroke_fill=None):
    """Centres the ink of `text` on (cx, cy)."""
    w, h, l, t = text_size(fnt, text)
    draw.text((cx - w / 2 - l, cy - h / 2 - t), text, font=fnt, fill=fill,
              stroke_width=stroke_width, stroke_fill=stroke_fill)


def vertical_gradient(size, top, bottom):
    w, h = size
    g = Image.new("RGB", (1, h))
    for y in range(h):
        t = y / max(1, h - 1)
        g.putpixel((0, y), tuple(round(top[i] + (bottom[i] - top[i]) * t) for i in range(3)))
    return g.resize((w, h), Image.NEAREST)


def radial_gradient(size, centre, radius, inner, outer):
    w, h = size
    cx, cy = centre
    img = Image.new("RGB", size)
    px = img.load()
    for y in range(h):
        for x in range(w):
            d = min(1.0, math.hypot(x - cx, y - cy) / radius)
            t = d * d
            px[x, y] = tuple(round(inner[i] + (outer[i] - inner[i]) * t) for i in range(3))
    return img


# ---------------------------------------------------------------- answer plates
#
# On screen a letter plate (42 px) sits left of its answer plate (200 px) and
# one pixel higher, in the main window and the qualifying window alike.  Both
# draw one long hexagon between them: the letter plate holds its left point,
# the answer plate its right point, and the answer plate's own left end is a
# chevron so that it reads as a pointed plate of its own when lit.

PLATE_W, PLATE_H = 200, 40
PLATE_TOP, PLATE_BOTTOM, PLATE_MID = 2.5, 37.5, 20.0
SLANT = 15.0
PLATE_LEFT_TIP = 1.0
PLATE_RIGHT_TIP = 197.0

LETTER_W, LETTER_H = 42, 40
LETTER_DY = 1.0  # the letter plates stand one pixel higher on screen


def plate_outline():
    return [(PLATE_LEFT_TIP, PLATE_MID), (PLATE_LEFT_TIP + SLANT - 1, PLATE_TOP),
            (PLATE_RIGHT_TIP - SLANT, PLATE_TOP), (PLATE_RIGHT_TIP, PLATE_MID),
            (PLATE_RIGHT_TIP - SLANT, PLATE_BOTTOM), (PLATE_LEFT_TIP + SLANT - 1, PLATE_BOTTOM)]


def answer_plate(fill):
    img = canvas(PLATE_W, PLATE_H)
    d = ImageDraw.Draw(img)
    hexagon = plate_outline()
    if fill != BLACK:
        d.polygon(sc(hexagon), fill=fill)
    # the long edges run on to the left border where the letter plate joins
    gold_stroke(d, [(-2, PLATE_TOP), (PLATE_LEFT_TIP + SLANT, PLATE_TOP)])
    gold_stroke(d, [(-2, PLATE_BOTTOM), (PLATE_LEFT_TIP + SLANT, PLATE_BOTTOM)])
    gold_stroke(d, hexagon, closed=True)
    # a thin line from the point to the border joins the next letter plate
    gold_stroke(d, [(PLATE_RIGHT_TIP, PLATE_MID), (PLATE_W + 2, PLATE_MID)], width=1.6)
    return down(img)


def letter_plate(letter):
    img = canvas(LETTER_W, LETTER_H)
    d = ImageDraw.Draw(img)
    top, bottom, mid = PLATE_TOP + LETTER_DY, PLATE_BOTTOM + LETTER_DY, PLATE_MID + LETTER_DY
    tip = 5.0
    gold_stroke(d, [(-2, mid), (tip, mid)], width=1.6)
    gold_stroke(d, [(LETTER_W + 2, top), (tip + SLANT, top), (tip, mid),
                    (tip + SLANT, bottom), (LETTER_W + 2, bottom)])
    fnt = font(SANS_BOLD, 18 * S)
    draw_text_centered(d, 22.0 * S, mid * S, letter, fnt, GOLD,
                       stroke_width=K, stroke_fill=GOLD_DARK)
    diamond(d, 34.5, mid, 3.6, 4.6, GOLD_LIGHT)
    return down(img)


def pusto():
    return Image.new("RGB", (PLATE_W * K, PLATE_H * K), BLACK)


# ---------------------------------------------------------------- lifeline icons

def lifeline_base(w, h):
    """Deep blue oval with a gold rim on black; returns (canvas, draw, oval mask)."""
    img = canvas(w, h)
    box = (1.5, 1.5, w - 1.5, h - 1.5)
    cx, cy = w * S / 2, h * S / 2
    glow = radial_gradient((w * S, h * S), (cx, cy * 0.8), max(w, h) * S * 0.55,
                           (40, 72, 170), (4, 10, 58))
    mask = Image.new("L", img.size, 0)
    ImageDraw.Draw(mask).ellipse([v * S for v in box], fill=255)
    img.paste(glow, (0, 0), mask)
    d = ImageDraw.Draw(img)
    d.ellipse([v * S for v in box], outline=GOLD_DARK, width=round(2.8 * S))
    d.ellipse([v * S for v in box], outline=GOLD, width=round(2.0 * S))
    inner = (box[0] + 1.2, box[1] + 1.2, box[2] - 1.2, box[3] - 1.2)
    d.ellipse([v * S for v in inner], outline=GOLD_LIGHT, width=max(1, round(0.5 * S)))
    return img, d, mask


def icon_5050():
    w, h = 75, 55
    img, d, _ = lifeline_base(w, h)
    fnt = font(SANS_BOLD, 19 * S)
    draw_text_centered(d, w * S / 2, h * S / 2 + 0.5 * S, "50:50", fnt, WHITE,
                       stroke_width=S // 2, stroke_fill=(20, 30, 80))
    return down(img)


def head_and_shoulders(d, cx, top, r, colour):
    """One person in the audience: a round head over rounded shoulders."""
    d.ellipse(((cx - r) * S, top * S, (cx + r) * S, (top + 2 * r) * S), fill=colour)
    sw = r * 1.9
    st = top + 2 * r + 0.9
    d.rounded_rectangle(((cx - sw) * S, st * S, (cx + sw) * S, (st + 3 * r) * S),
                        radius=round(r * 1.3 * S), fill=colour)


def icon_zal():
    w, h = 75, 55
    img, _, _ = lifeline_base(w, h)
    people = Image.new("RGB", img.size, BLACK)
    pmask = Image.new("L", img.size, 0)
    pd = ImageDraw.Draw(people)
    md = ImageDraw.Draw(pmask)
    # back row first, dimmer and smaller; front row overlaps it
    for cx in (24.5, 37.5, 50.5):
        head_and_shoulders(pd, cx, 12.5, 4.2, GOLD_DARK)
        head_and_shoulders(md, cx, 12.5, 4.2, 255)
    for cx in (18.0, 31.0, 44.0, 57.0):
        # a dark ring keeps neighbouring figures apart
        head_and_shoulders(pd, cx, 21.5, 5.6, NIGHT)
        head_and_shoulders(pd, cx, 22.2, 4.9, GOLD if cx in (31.0, 44.0) else GOLD_LIGHT)
        head_and_shoulders(md, cx, 21.5, 5.6, 255)
    # people stay inside the oval, off the rim
    inner = Image.new("L", img.size, 0)
    ImageDraw.Draw(inner).ellipse((4 * S, 4 * S, (w - 4) * S, (h - 4) * S), fill=255)
    img.paste(people, (0, 0), ImageChops.multiply(pmask, inner))
    return down(img)


def handset_mask(w, h, cx, cy):
    """A telephone handset (supersampled mask): an arched handle with a
    capsule-shaped ear and mouth piece across each end."""
    m = Image.new("L", (w * S, h * S), 0)
    d = ImageDraw.Draw(m)
    R, acx, acy = 15.0, cx, cy + 10.0
    a0, a1 = 196, 344
    # the handle as one polygon (outer edge, then inner edge back) keeps it seamless
    outer = [(acx + (R + 2.7) * math.cos(math.radians(a)), acy + (R + 2.7) * math.sin(math.radians(a)))
             for a in range(a0, a1 + 1, 2)]
    inner = [(acx + (R - 2.7) * math.cos(math.radians(a)), acy + (R - 2.7) * math.sin(math.radians(a)))
             for a in range(a1, a0 - 1, -2)]
    d.polygon(sc(outer + inner), fill=255)
    for a, down_dir in ((a0, -1), (a1, 1)):
        ar = math.radians(a)
        ux, uy = math.cos(ar), math.sin(ar)             # outwards from the arch
        tx, ty = -uy * down_dir, ux * down_dir          # along the handle, downwards
        ex, ey = acx + R * ux, acy + R * uy
        pcx, pcy = ex + tx * 3.2 - ux * 0.4, ey + ty * 3.2 - uy * 0.4
        half = 4.6
        stroke(d, [(pcx - ux * half, pcy - uy * half), (pcx + ux * half, pcy + uy * half)],
               255, 8.2)
    return m


def icon_friend():
    w, h = 75, 52
    img, d, _ = lifeline_base(w, h)
    cx, cy = w / 2, h / 2
    # tilted, as a handset lifted off its cradle, then centred in the oval
    m = handset_mask(w, h, cx, cy).rotate(16, resample=Image.BICUBIC, center=(cx * S, cy * S))
    l, t, r, b = m.getbbox()
    m = ImageChops.offset(m, round(cx * S - (l + r) / 2 - 3 * S), round(cy * S - (t + b) / 2 + 2 * S))
    # the ring: two short arcs above the raised earpiece
    l, t, r, b = m.getbbox()
    md = ImageDraw.Draw(m)
    ox, oy = r / S - 4, t / S + 4
    for rad in (5.0, 9.0):
        box = ((ox - rad) * S, (oy - rad) * S, (ox + rad) * S, (oy + rad) * S)
        md.arc(box, start=-95, end=-5, fill=255, width=round(2.0 * S))
    img.paste(Image.new("RGB", img.size, NIGHT), (S, S), m)
    img.paste(vertical_gradient(img.size, GOLD_LIGHT, GOLD), (0, 0), m)
    return down(img)


def used(icon):
    """The same icon dimmed, with a red cross over it."""
    w, h = icon.width // K, icon.height // K
    dim = Image.blend(icon, Image.new("RGB", icon.size, BLACK), 0.55)
    big = dim.resize((w * S, h * S), Image.LANCZOS)
    d = ImageDraw.Draw(big)
    mx, my = 14, 7
    for a, b in (((mx, my), (w - mx, h - my)), ((w - mx, my), (mx, h - my))):
        stroke(d, [a, b], (90, 0, 0), 6.4)
        stroke(d, [a, b], (230, 20, 20), 4.6)
    return down(big)


# ---------------------------------------------------------------- prize ladder

LADDER_W, LADDER_H, ROW = 170, 360, 24


def ladder():
    # bands and diamonds are supersampled; text is drawn afterwards at its own
    # size, because hinted glyphs stay crisper than shrunk ones
    big = vertical_gradient((LADDER_W * S, LADDER_H * S), (2, 6, 30), (6, 14, 52))
    d = ImageDraw.Draw(big)
    for level in range(1, 16):
        top = LADDER_H - ROW * level
        colour = WHITE if level % 5 == 0 else ORANGE
        if level % 5 == 0:
            # guaranteed sums get a faint band so they stand out
            d.rounded_rectangle((1 * S, (top + 1) * S, (LADDER_W - 1) * S, (top + ROW - 1) * S),
                                radius=3 * S, fill=(16, 30, 86))
        diamond(d, 40, top + ROW / 2, 4.0, 5.0, colour)
    img = down(big)
    d = ImageDraw.Draw(img)
    fnt = font(SANS_BOLD, 15 * K)
    for level in range(1, 16):
        top = LADDER_H - ROW * level
        colour = WHITE if level % 5 == 0 else ORANGE
        mid = (top + ROW / 2) * K
        for text, right in ((str(level), 29), (money(PRIZES[level - 1]), 163)):
            w, h, l, t = text_size(fnt, text)
            d.text((right * K - w - l, round(mid - h / 2 - t)), text, font=fnt, fill=colour)
    return img


def arrow():
    w, h = 43, 24
    img = canvas(w, h, (0, 0, 0, 0), "RGBA")
    d = ImageDraw.Draw(img)
    mid = 12.0
    shape = [(2, mid - 4), (26, mid - 4), (26, mid - 10), (41.5, mid), (26, mid + 10),
             (26, mid + 4), (2, mid + 4)]
    d.polygon(sc(shape), fill=GOLD_DARK + (255,))
    inner = [(3.3, mid - 2.8), (27.3, mid - 2.8), (27.3, mid - 7.6), (39.4, mid),
             (27.3, mid + 7.6), (27.3, mid + 2.8), (3.3, mid + 2.8)]
    grad = vertical_gradient(img.size, GOLD_LIGHT, ORANGE).convert("RGBA")
    m = Image.new("L", img.size, 0)
    ImageDraw.Draw(m).polygon(sc(inner), fill=255)
    img.paste(grad, (0, 0), m)
    return down_rgba(img)


def heading():
    w, h = 213, 78
    img = canvas(w, h)
    d = ImageDraw.Draw(img)
    fnt = font(SERIF_BOLD, 21 * S)
    draw_text_centered(d, w * S / 2, 14 * S, "Текущее положение", fnt, GOLD,
                       stroke_width=S // 2, stroke_fill=GOLD_DARK)
    # a fine rule under the words, fading out at both ends
    for i in range(60):
        t = i / 59
        a = math.sin(math.pi * t)
        x0 = (20 + t * 173) * S
        c = tuple(round(v * a) for v in GOLD)
        d.rectangle((x0, 29 * S, x0 + 3 * S, 30 * S), fill=c)
    cx = w / 2
    shape = [(cx - 6, 35), (cx + 6, 35), (cx + 6, 55), (cx + 17, 55), (cx, 75),
             (cx - 17, 55), (cx - 6, 55)]
    d.polygon(sc(shape), fill=GOLD_DARK)
    inner = [(cx - 4.6, 36.3), (cx + 4.6, 36.3), (cx + 4.6, 56.4), (cx + 13.6, 56.4),
             (cx, 73), (cx - 13.6, 56.4), (cx - 4.6, 56.4)]
    m = Image.new("L", img.size, 0)
    ImageDraw.Draw(m).polygon(sc(inner), fill=255)
    img.paste(vertical_gradient(img.size, GOLD_LIGHT, ORANGE), (0, 0), m)
    return down(img)


# ---------------------------------------------------------------- speech bubble

BUBBLE_W, BUBBLE_H = 406, 294
MEMO = (105, 25, 105 + 287, 25 + 257)  # the host's text box lies here


def bubble_svg():
    """The speech bubble as a vector picture: drawn from its shapes at every size, it keeps no
    pixels in memory. An aqua body with a curved pointer towards the host, and a pale rim one
    pixel wide around both (a stroke of 2 under the fill)."""
    tail = []
    for i in range(21):
        t = i / 20
        tail.append((100 - 97 * t, 92 + 20 * t - 6 * math.sin(math.pi * t)))
    for i in range(21):
        t = i / 20
        tail.append((3 + 97 * t, 112 + 48 * t * t))
    points = " ".join("%.2f,%.2f" % p for p in tail)
    x0, y0, x1, y1 = 95, 14, 403, 292
    shapes = ('<rect x="%d" y="%d" width="%d" height="%d" rx="26" ry="26"/>'
              '<polygon points="%s"/>' % (x0, y0, x1 - x0, y1 - y0, points))
    rim = "#%02x%02x%02x" % (200, 255, 255)
    fill = "#%02x%02x%02x" % AQUA
    return ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<g fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round">%s</g>\n'
            '<g fill="%s">%s</g>\n</svg>\n'
            % (BUBBLE_W, BUBBLE_H, BUBBLE_W, BUBBLE_H, rim, rim, shapes, fill, shapes))


# ---------------------------------------------------------------- title artwork

def tracked(draw, xy, text, fnt, tracking, **kw):
    """Draws text with extra space between the letters; returns its advance."""
    x, y = xy
    for ch in text:
        draw.text((x, y), ch, font=fnt, **kw)
        x += fnt.getlength(ch) + tracking
    return x - xy[0] - tracking


def gold_text_layer(size, xy, text, fnt, glow_radius, glow_colour, tracking=0, halo=False):
    """Gold lettering with a warm glow on a transparent layer (supersampled).
    With `halo` a dark rim keeps it legible on a light panel."""
    w, h = size
    mask = Image.new("L", size, 0)
    tracked(ImageDraw.Draw(mask), xy, text, fnt, tracking, fill=255)
    edge = Image.new("L", size, 0)
    tracked(ImageDraw.Draw(edge), xy, text, fnt, tracking, fill=255, stroke_width=S,
            stroke_fill=255)
    wide = Image.new("L", size, 0)
    tracked(ImageDraw.Draw(wide), xy, text, fnt, tracking, fill=255, stroke_width=2 * S,
            stroke_fill=255)
    glow = wide.filter(ImageFilter.GaussianBlur(glow_radius))
    glow = glow.point(lambda v: min(255, v * 3 // 2))
    out = Image.new("RGBA", size, glow_colour + (0,))
    out.putalpha(glow)
    if halo:
        dark = wide.filter(ImageFilter.GaussianBlur(S)).point(lambda v: v * 4 // 5)
        out = Image.alpha_composite(out, Image.merge("RGBA", (*Image.new("RGB", size, (40, 22, 0)).split(), dark)))
    out.paste(Image.new("RGBA", size, GOLD_DARK + (255,)), (0, 0), edge)
    l, t, r, b = mask.getbbox()
    fill = vertical_gradient((w, b - t + 1), (255, 240, 170), (214, 140, 24)).convert("RGBA")
    face = Image.new("RGBA", size, (0, 0, 0, 0))
    face.paste(fill, (0, t))
    out.paste(face, (0, 0), mask)
    return out


def tracked_width(fnt, text, tracking):
    return sum(fnt.getlength(ch) for ch in text) + tracking * (len(text) - 1)


def splash_title():
    w, h = 409, 51
    size = (w * S, h * S)
    fnt = font(SERIF_BOLD, 43 * S)
    text = "Зориклад!"
    tracking = 5 * S
    tw = tracked_width(fnt, text, tracking)
    _, th, _, t = text_size(fnt, text)
    xy = (size[0] / 2 - tw / 2, size[1] / 2 - th / 2 - t)
    layer = gold_text_layer(size, xy, text, fnt, 3 * S, (255, 190, 60), tracking, halo=True)
    d = ImageDraw.Draw(layer)
    # small diamonds at both sides, as on the answer plates
    for cx in (w / 2 - tw / S / 2 - 24, w / 2 + tw / S / 2 + 24):
        diamond(d, cx, h / 2, 7, 9.5, (40, 22, 0, 255))
        diamond(d, cx, h / 2, 5.6, 8, GOLD_DARK + (255,))
        diamond(d, cx, h / 2, 4.2, 6.2, GOLD_LIGHT + (255,))
    return down_rgba(layer)


def banner():
    w, h = 213, 90
    size = (w * S, h * S)
    img = radial_gradient((w, h), (w / 2, h * 0.42), w * 0.62, (34, 58, 150), (2, 4, 22))
    img = img.resize(size, Image.BICUBIC)
    # soft studio beams fanning up from below
    beams = Image.new("L", size, 0)
    bd = ImageDraw.Draw(beams)
    for i, ang in enumerate((-62, -38, -14, 14, 38, 62)):
        a = math.radians(ang - 90)
        ox, oy = w * S / 2, h * S * 1.15
        L = h * S * 1.6
        half = math.radians(4 + (i % 2))
        p1 = (ox + L * math.cos(a - half), oy + L * math.sin(a - half))
        p2 = (ox + L * math.cos(a + half), oy + L * math.sin(a + half))
        bd.polygon([(ox, oy), p1, p2], fill=40)
    beams = beams.filter(ImageFilter.GaussianBlur(3 * S))
    img.paste(Image.new("RGB", size, (120, 160, 255)), (0, 0), beams)
    d = ImageDraw.Draw(img)
    # a gold frame with rounded corners
    d.rounded_rectangle((1 * S, 1 * S, (w - 1) * S - 1, (h - 1) * S - 1), radius=8 * S,
                        outline=GOLD_DARK, width=round(2.4 * S))
    d.rounded_rectangle((1 * S, 1 * S, (w - 1) * S - 1, (h - 1) * S - 1), radius=8 * S,
                        outline=GOLD, width=round(1.4 * S))
    title_font = font(SERIF_BOLD, 31 * S)
    title = "Зориклад!"
    tw, th, l, t = text_size(title_font, title)
    xy = (size[0] / 2 - tw / 2 - l, 27 * S - th / 2 - t)
    layer = gold_text_layer(size, xy, title, title_font, 2 * S, (255, 190, 60))
    img.paste(layer, (0, 0), layer)
    d = ImageDraw.Draw(img)
    prize_font = font(SANS_BOLD, 25 * S)
    prize = "1 000 000"
    tw, th, l, t = text_size(prize_font, prize)
    pxy = (size[0] / 2 - tw / 2 - l, 66 * S - th / 2 - t)
    glow = Image.new("L", size, 0)
    ImageDraw.Draw(glow).text(pxy, prize, font=prize_font, fill=255, stroke_width=2 * S,
                              stroke_fill=255)
    glow = glow.filter(ImageFilter.GaussianBlur(3 * S)).point(lambda v: v * 2 // 3)
    img.paste(Image.new("RGB", size, (0, 190, 60)), (0, 0), glow)
    d.text(pxy, prize, font=prize_font, fill=LIME, stroke_width=S // 2, stroke_fill=(0, 90, 20))
    # round corners: outside the frame the window's black shows
    corners = Image.new("L", size, 0)
    ImageDraw.Draw(corners).rounded_rectangle((0, 0, size[0] - 1, size[1] - 1), radius=9 * S,
                                              fill=255)
    img = Image.composite(img, Image.new("RGB", size, BLACK), corners)
    return down(img)


# ---------------------------------------------------------------- the host (SVG)

HOST_SVG = """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"
     width="274" height="343" viewBox="0 0 274 343">
  <defs>
    <radialGradient id="spot" cx="125" cy="170" r="136" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#1d3a8c" stop-opacity="0.85"/>
      <stop offset="0.6" stop-color="#0b1850" stop-opacity="0.55"/>
      <stop offset="1" stop-color="#000000" stop-opacity="0"/>
    </radialGradient>
    <linearGradient id="suit" x1="0" y1="230" x2="0" y2="343" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#2b3552"/>
      <stop offset="1" stop-color="#0e1224"/>
    </linearGradient>
    <linearGradient id="lapel" x1="0" y1="230" x2="0" y2="330" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#3a4670"/>
      <stop offset="1" stop-color="#1a2038"/>
    </linearGradient>
    <radialGradient id="skin" cx="118" cy="120" r="70" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#f6cfa8"/>
      <stop offset="1" stop-color="#d9a27a"/>
    </radialGradient>
    <linearGradient id="tie" x1="0" y1="240" x2="0" y2="330" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#c0262e"/>
      <stop offset="1" stop-color="#7c1118"/>
    </linearGradient>
  </defs>

  <!-- studio light behind him -->
  <circle cx="125" cy="170" r="136" fill="url(#spot)"/>

  <!-- jacket -->
  <path d="M 4 343 C 8 290 22 262 62 246 L 100 228 L 152 228 L 190 246
           C 230 262 244 290 248 343 Z" fill="url(#suit)"/>
  <!-- shirt -->
  <path d="M 100 228 L 152 228 L 144 276 L 126 318 L 108 276 Z" fill="#f4f6fb"/>
  <!-- collar points -->
  <path d="M 104 224 L 126 240 L 112 252 L 98 232 Z" fill="#ffffff" stroke="#c8ccd8" stroke-width="1"/>
  <path d="M 148 224 L 126 240 L 140 252 L 154 232 Z" fill="#ffffff" stroke="#c8ccd8" stroke-width="1"/>
  <!-- tie -->
  <path d="M 119 240 L 133 240 L 137 252 L 126 257 L 115 252 Z" fill="#a51c24"/>
  <path d="M 117 255 L 135 255 L 141 306 L 126 322 L 111 306 Z" fill="url(#tie)"/>
  <path d="M 116 266 L 137 262 M 114 284 L 139 279 M 113 302 L 140 297"
        stroke="#e8b84a" stroke-width="2.2" stroke-opacity="0.8" fill="none"/>
  <!-- lapels -->
  <path d="M 100 228 L 84 238 L 96 262 L 86 272 L 122 338 L 126 318 L 108 276 Z"
        fill="url(#lapel)"/>
  <path d="M 152 228 L 168 238 L 156 262 L 166 272 L 130 338 L 126 318 L 144 276 Z"
        fill="url(#lapel)"/>
  <path d="M 84 238 L 96 262 L 86 272 M 168 238 L 156 262 L 166 272"
        stroke="#0a0d1a" stroke-width="1.5" fill="none"/>
  <!-- pocket square and buttons -->
  <path d="M 176 286 L 200 283 L 196 292 L 190 287 L 185 293 L 181 287 Z" fill="#f2c14e"/>
  <path d="M 174 292 L 204 288" stroke="#0a0d1a" stroke-width="2"/>
  <circle cx="126" cy="334" r="3" fill="#0a0d1a"/>
  <!-- shoulder light -->
  <path d="M 20 290 C 30 266 48 254 70 246" stroke="#5a6a9c" stroke-width="3"
        stroke-opacity="0.6" fill="none"/>
  <path d="M 232 290 C 222 266 204 254 182 246" stroke="#5a6a9c" stroke-width="3"
        stroke-opacity="0.35" fill="none"/>

  <!-- neck -->
  <path d="M 106 188 L 146 188 L 148 230 L 126 242 L 104 230 Z" fill="#d9a27a"/>
  <path d="M 106 206 C 118 216 134 216 146 206 L 146 196 L 106 196 Z" fill="#c28b66"/>

  <!-- ears -->
  <ellipse cx="80" cy="134" rx="9" ry="15" fill="#e3ad84"/>
  <ellipse cx="172" cy="134" rx="9" ry="15" fill="#e3ad84"/>
  <path d="M 80 126 C 76 132 78 140 82 144" stroke="#b98060" stroke-width="2" fill="none"/>
  <path d="M 172 126 C 176 132 174 140 170 144" stroke="#b98060" stroke-width="2" fill="none"/>
  <!-- face -->
  <path d="M 82 112 C 82 74 102 58 126 58 C 150 58 170 74 170 112
           C 170 152 156 196 126 198 C 96 196 82 152 82 112 Z" fill="url(#skin)"/>
  <!-- hair: short, with a side parting -->
  <path d="M 80 122 C 74 82 92 50 126 48 C 160 46 178 76 172 122
           C 170 106 166 94 160 88 C 140 92 112 88 96 76 C 92 90 86 104 80 122 Z"
        fill="#3b2a20"/>
  <path d="M 96 76 C 112 88 140 92 160 88 C 150 74 136 68 118 70 Z" fill="#4a372b"/>
  <!-- eyebrows -->
  <path d="M 96 108 C 102 101 112 100 119 104" stroke="#3b2a20" stroke-width="4"
        stroke-linecap="round" fill="none"/>
  <path d="M 133 104 C 140 100 150 101 156 108" stroke="#3b2a20" stroke-width="4"
        stroke-linecap="round" fill="none"/>
  <!-- eyes -->
  <ellipse cx="108" cy="120" rx="8" ry="5.5" fill="#ffffff"/>
  <ellipse cx="144" cy="120" rx="8" ry="5.5" fill="#ffffff"/>
  <circle cx="110" cy="120" r="4" fill="#3a5d8a"/>
  <circle cx="146" cy="120" r="4" fill="#3a5d8a"/>
  <circle cx="110" cy="120" r="2" fill="#101010"/>
  <circle cx="146" cy="120" r="2" fill="#101010"/>
  <circle cx="111.3" cy="118.6" r="1" fill="#ffffff"/>
  <circle cx="147.3" cy="118.6" r="1" fill="#ffffff"/>
  <path d="M 99 123 C 104 128 112 128 117 124 M 135 124 C 140 128 148 128 153 123"
        stroke="#c28b66" stroke-width="1.5" fill="none"/>
  <!-- nose -->
  <path d="M 126 122 C 124 134 120 144 122 150 C 125 153 130 153 133 150"
        stroke="#b7805c" stroke-width="2.5" stroke-linecap="round" fill="none"/>
  <!-- cheeks -->
  <ellipse cx="100" cy="150" rx="9" ry="6" fill="#f0a08a" fill-opacity="0.35"/>
  <ellipse cx="152" cy="150" rx="9" ry="6" fill="#f0a08a" fill-opacity="0.35"/>
  <!-- smile -->
  <path d="M 106 164 C 116 178 136 178 146 164 C 136 170 116 170 106 164 Z" fill="#8c2f2a"/>
  <path d="M 109 165 C 118 170 134 170 143 165 L 141 168 C 132 171 120 171 111 168 Z"
        fill="#ffffff"/>
  <path d="M 102 161 C 104 164 105 165 107 165 M 150 161 C 148 164 147 165 145 165"
        stroke="#b7805c" stroke-width="2" stroke-linecap="round" fill="none"/>
  <!-- a small microphone clipped to the lapel -->
  <rect x="89" y="262" width="6" height="9" rx="2" fill="#15171f" stroke="#6a7080"
        stroke-width="0.8"/>
</svg>
"""


# ---------------------------------------------------------------- main

def main():
    os.makedirs(GRAPH, exist_ok=True)
    os.makedirs(IMAGES, exist_ok=True)

    def variant(name):
        if K == 1:
            return name
        stem, ext = os.path.splitext(name)
        return "%s@%dx%s" % (stem, K, ext)

    def graph(name):
        return os.path.join(GRAPH, variant(name))

    def images(name):
        return os.path.join(IMAGES, variant(name))

    plates = {
        "otvet.gif": (BLACK, ()),
        "otvetchoice.gif": (AMBER, (AMBER,)),
        "OtvetYes.gif": (LIME, (LIME,)),
        "OtvetNo.gif": (RED, (RED,)),
    }
    for name, (fill, keep) in plates.items():
        plate = save_gif(answer_plate(fill), graph(name), keep=keep + (BLACK,))
        if name == "otvet.gif":
            save_png(plate, images("qual_plate.png"))

    for letter in "ABCD":
        lp = save_gif(letter_plate(letter), graph("bukva%s.gif" % letter), keep=(BLACK,))
        save_png(lp, images("qual_letter%s.png" % letter))

    save_gif(pusto(), graph("pusto.gif"), keep=(BLACK,))

    for name, maker in (("5050", icon_5050), ("zal", icon_zal), ("friend", icon_friend)):
        icon = maker()
        shown = save_gif(icon, graph("podsk_%s.gif" % name), keep=(BLACK,))
        # The idle main window shows the icons before any game has loaded them.
        save_png(shown, images("main_podsk_%s.png" % name))
        save_gif(used(icon), graph("no_podsk_%s.gif" % name), keep=(BLACK,))

    save_png(ladder(), images("main_ladder.png"))
    save_png(arrow(), images("main_arrow.png"))
    save_png(heading(), images("main_heading.png"))
    banner().save(images("main_banner.jpg"), format="JPEG", quality=90,
                  progressive=False, optimize=False, subsampling="4:2:0")
    save_png(splash_title(), images("splash_title.png"))
    if K > 1:
        return  # the host and the bubble are vector pictures, sharp at every size
    with open(images("main_host.svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(HOST_SVG)
    with open(images("main_bubble.svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(bubble_svg())


if __name__ == "__main__":
    main()
