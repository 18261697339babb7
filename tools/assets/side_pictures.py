#!/usr/bin/python3
"""Draws the pictures of the side windows and the advertising pictures.

Run from the repository root:  /usr/bin/python3 tools/assets/side_pictures.py [--scale N]
With --scale 2 or 3 the raster pictures come out at that many pixels per design pixel,
for screens the game scales up, beside the 1x ones as "name@2x.png" and so on; the
vector pictures need no such copies.
Every picture is drawn here from shapes and text; rerunning overwrites the
outputs with the same bytes (nothing is drawn at random).

Raster pictures are drawn at four times their size and scaled down with
Lanczos, which is the cheapest way to clean antialiased edges with Pillow's
ImageDraw. Vector pictures are plain SVG text kept within what Qt Svg draws
(paths, gradients, text; no filters, masks or CSS).
"""

import math
import os
import sys

from scale import scale_argument
from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
IMAGES = os.path.join(ROOT, "src", "resources", "images")
REKLAMA = os.path.join(ROOT, "data", "Graph", "Reklama")

K = scale_argument()  # output pixels per design pixel
S = 4 * K  # canvas pixels per design pixel: four times supersampled

FONT_DIRS = ("/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/dejavu")
_font_cache = {}


def font(name, size):
    """A TrueType font at `size` final pixels (scaled for the 4x canvas)."""
    key = (name, size)
    if key not in _font_cache:
        for d in FONT_DIRS:
            path = os.path.join(d, name)
            if os.path.exists(path):
                _font_cache[key] = ImageFont.truetype(path, max(1, round(size * S)))
                break
        else:
            sys.exit("font not found: " + name)
    return _font_cache[key]


SERIF_B = "LiberationSerif-Bold.ttf"
SERIF_BI = "LiberationSerif-BoldItalic.ttf"
SANS_B = "LiberationSans-Bold.ttf"
SANS_BI = "LiberationSans-BoldItalic.ttf"
SANS = "LiberationSans-Regular.ttf"

# --------------------------------------------------------------------------
# geometry helpers


def rotate_pts(pts, cx, cy, deg):
    a = math.radians(deg)
    ca, sa = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * ca - (y - cy) * sa, cy + (x - cx) * sa + (y - cy) * ca) for x, y in pts]


def star_pts(cx, cy, r_out, r_in, n, rot=-90.0):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def ellipse_pts(cx, cy, rx, ry, a0=0.0, a1=360.0, steps=48):
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


def bezier(p0, p1, p2, p3, steps=24):
    out = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        out.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return out


def mix(c0, c1, t):
    c0 = tuple(c0) + (255,) * (4 - len(c0))
    c1 = tuple(c1) + (255,) * (4 - len(c1))
    return tuple(round(a + (b - a) * t) for a, b in zip(c0, c1))


def rgba(c, a=255):
    return tuple(c[:3]) + (a,)


# --------------------------------------------------------------------------
# drawing on a supersampled canvas; every coordinate is in final pixels


class Pen:
    """ImageDraw that takes final-pixel coordinates and scales them by S."""

    def __init__(self, image):
        self.d = ImageDraw.Draw(image)

    @staticmethod
    def _pts(pts):
        return [(x * S, y * S) for x, y in pts]

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=0.0):
        self.d.ellipse([(cx - rx) * S, (cy - ry) * S, (cx + rx) * S, (cy + ry) * S],
                       fill=fill, outline=outline, width=round(width * S))

    def rect(self, box, fill=None, outline=None, width=0.0, r=0.0):
        b = [v * S for v in box]
        if r > 0:
            self.d.rounded_rectangle(b, radius=r * S, fill=fill, outline=outline, width=round(width * S))
        else:
            self.d.rectangle(b, fill=fill, outline=outline, width=round(width * S))

    def poly(self, pts, fill=None, outline=None, width=0.0):
        if fill is not None:
            self.d.polygon(self._pts(pts), fill=fill)
        if outline is not None and width > 0:
            self.line(list(pts) + [pts[0]], outline, width)

    def line(self, pts, fill, width, round_caps=True):
        w = max(1, round(width * S))
        self.d.line(self._pts(pts), fill=fill, width=w, joint="curve")
        if round_caps and width * S >= 3:
            for x, y in (pts[0], pts[-1]):
                self.d.ellipse([x * S - w / 2, y * S - w / 2, x * S + w / 2, y * S + w / 2], fill=fill)

    def arc(self, cx, cy, rx, ry, a0, a1, fill, width):
        self.line(ellipse_pts(cx, cy, rx, ry, a0, a1, 32), fill, width)

    def text(self, xy, s, fnt, fill, anchor="mm", stroke=0.0, stroke_fill=None):
        self.d.text((xy[0] * S, xy[1] * S), s, font=fnt, fill=fill, anchor=anchor,
                    stroke_width=round(stroke * S), stroke_fill=stroke_fill)


def text_width(s, fnt):
    b = fnt.getbbox(s)
    return (b[2] - b[0]) / S


def fit_font(name, s, max_w, size, min_size=8):
    while size > min_size and text_width(s, font(name, size)) > max_w:
        size -= 1
    return font(name, size)


class Canvas:
    def __init__(self, w, h, bg=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * S, h * S), bg)
        self.pen = Pen(self.img)

    @property
    def size(self):
        return self.img.size

    def mask(self):
        m = Image.new("L", self.size, 0)
        return m, Pen(m)

    def fill(self, mask, paint):
        """Composite `paint` (a colour or a full-size RGBA picture) through `mask`."""
        if not isinstance(paint, Image.Image):
            paint = Image.new("RGBA", self.size, rgba(paint, paint[3] if len(paint) > 3 else 255))
        layer = paint.copy()
        layer.putalpha(ImageChops.multiply(paint.getchannel("A"), mask))
        self.img.alpha_composite(layer)

    def shape(self, paint, draw):
        """Fill whatever `draw(pen)` paints (in white) with `paint`."""
        m, p = self.mask()
        draw(p)
        self.fill(m, paint)
        return m

    def glow(self, mask, radius, colour, strength=1.0):
        blurred = mask.filter(ImageFilter.GaussianBlur(radius * S))
        if strength != 1.0:
            blurred = blurred.point(lambda v: min(255, round(v * strength)))
        self.fill(blurred, colour)

    # gradients: `stops` is a list of (position 0..1, colour)
    @staticmethod
    def _colourize(ramp, stops):
        stops = [(t, rgba(c, c[3] if len(c) > 3 else 255)) for t, c in stops]
        luts = [[], [], [], []]
        for v in range(256):
            t = v / 255
            if t <= stops[0][0]:
                c = stops[0][1]
            elif t >= stops[-1][0]:
                c = stops[-1][1]
            else:
                for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
                    if t0 <= t <= t1:
                        c = mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 0)
                        break
            for i in range(4):
                luts[i].append(c[i])
        return Image.merge("RGBA", [ramp.point(lut) for lut in luts])

    def linear(self, p0, p1, stops):
        """Linear gradient along the line p0 -> p1 (any direction)."""
        # the ramp is smooth, so it is built at final size and scaled up
        W, H = self.w, self.h
        x0, y0, x1, y1 = p0[0], p0[1], p1[0], p1[1]
        length = max(1, round(math.hypot(x1 - x0, y1 - y0)))
        angle = math.degrees(math.atan2(y1 - y0, x1 - x0))
        big = int(2 * math.hypot(W, H) + 2 * math.hypot(x0 - W / 2, y0 - H / 2)) + 4
        ramp = Image.new("L", (big, big), 0)
        inner = Image.linear_gradient("L").transpose(Image.TRANSPOSE)  # 0 on the left, 255 on the right
        inner = inner.resize((length, big), Image.BILINEAR)
        ox, oy = big // 2, big // 2
        ramp.paste(inner, (ox, 0))
        ramp.paste(255, (ox + length, 0, big, big))
        ramp = ramp.rotate(-angle, resample=Image.BILINEAR, center=(ox, oy), fillcolor=0)
        left, top = round(ox - x0), round(oy - y0)
        ramp = ramp.crop((left, top, left + W, top + H)).resize(self.size, Image.BILINEAR)
        return self._colourize(ramp, stops)

    def radial(self, cx, cy, rx, ry, stops):
        W, H = self.size
        ramp = Image.new("L", (W, H), 255)
        # Pillow's ramp is 181 at the edge midpoints of its square; stretch it to 255 there
        g = Image.radial_gradient("L").point(lambda v: min(255, round(v * 255 / 181))).resize((max(1, round(2 * rx * S)), max(1, round(2 * ry * S))),
                                              Image.BILINEAR)
        ramp.paste(g, (round((cx - rx) * S), round((cy - ry) * S)))
        return self._colourize(ramp, stops)

    def place(self, sub, cx, cy, angle=0.0):
        """Composite another canvas centred at (cx, cy), turned by `angle` degrees clockwise."""
        im = sub.img.rotate(-angle, resample=Image.BICUBIC, expand=True) if angle else sub.img
        x = round(cx * S - im.width / 2)
        y = round(cy * S - im.height / 2)
        composite_at(self.img, im, x, y)

    def final(self):
        return self.img.resize((self.w * K, self.h * K), Image.LANCZOS)


def solve(a, b):
    """Gaussian elimination with partial pivoting, for the small systems below."""
    n_ = len(b)
    m = [row[:] + [v] for row, v in zip(a, b)]
    for i in range(n_):
        piv = max(range(i, n_), key=lambda r: abs(m[r][i]))
        m[i], m[piv] = m[piv], m[i]
        for r in range(n_):
            if r != i:
                f = m[r][i] / m[i][i]
                m[r] = [x - f * y for x, y in zip(m[r], m[i])]
    return [m[i][n_] / m[i][i] for i in range(n_)]


def warp_into(cv, picture, quad):
    """Map a flat picture onto the quadrilateral `quad` (top-left, top-right, bottom-right, bottom-left)."""
    w, h = picture.size
    src = [(0, 0), (w, 0), (w, h), (0, h)]
    rows, rhs = [], []
    # Pillow's perspective maps output points to input points
    for (x, y), (u, v) in zip([(qx * S, qy * S) for qx, qy in quad], src):
        rows.append([x, y, 1, 0, 0, 0, -u * x, -u * y])
        rhs.append(u)
        rows.append([0, 0, 0, x, y, 1, -v * x, -v * y])
        rhs.append(v)
    coeffs = solve(rows, rhs)
    layer = picture.transform(cv.size, Image.PERSPECTIVE, coeffs, resample=Image.BICUBIC)
    mask = Image.new("L", cv.size, 0)
    ImageDraw.Draw(mask).polygon([(x * S, y * S) for x, y in quad], fill=255)
    layer.putalpha(ImageChops.multiply(layer.getchannel("A"), mask))
    cv.img.alpha_composite(layer)


def composite_at(base, over, x, y):
    l, t = max(0, -x), max(0, -y)
    r, b = min(over.width, base.width - x), min(over.height, base.height - y)
    if r <= l or b <= t:
        return
    base.alpha_composite(over.crop((l, t, r, b)), (x + l, y + t))


# --------------------------------------------------------------------------
# writers


def on_black(img):
    bg = Image.new("RGBA", img.size, (0, 0, 0, 255))
    bg.alpha_composite(img)
    return bg.convert("RGB")


def variant(path):
    """The file name for the scale drawn: "x.png", "x@2x.png", "x@3x.png"."""
    if K == 1:
        return path
    stem, ext = os.path.splitext(path)
    return "%s@%dx%s" % (stem, K, ext)


def save_png(img, path):
    path = variant(path)
    on_black(img).save(path, "PNG", optimize=False)


def save_jpeg(img, path):
    path = variant(path)
    # baseline (not progressive), full-resolution chroma keeps the lettering crisp
    on_black(img).save(path, "JPEG", quality=92, subsampling=0, progressive=False, optimize=False)


TRANSPARENT = 255


def save_gif(frames, path, durations=None, transparent=True):
    """Palette GIF; all frames share one palette, index 255 is transparency.

    Edge pixels are blended against black, the colour of every window these
    pictures stand on, and pixels under half opaque become transparent.
    """
    path = variant(path)
    flat = [on_black(f) for f in frames]
    strip = Image.new("RGB", (flat[0].width, flat[0].height * len(flat)))
    for i, f in enumerate(flat):
        strip.paste(f, (0, i * f.height))
    pal_img = strip.quantize(colors=255 if transparent else 256, method=Image.Quantize.MEDIANCUT,
                             dither=Image.Dither.NONE)
    palette = pal_img.getpalette()[:768]
    palette += [0] * (768 - len(palette))
    pal_img.putpalette(palette)
    out = []
    for src, f in zip(frames, flat):
        p = f.quantize(palette=pal_img, dither=Image.Dither.NONE)
        if transparent:
            hole = src.getchannel("A").point(lambda a: 255 if a < 128 else 0)
            p.paste(TRANSPARENT, (0, 0), hole)
        out.append(p)
    kw = dict(optimize=False)
    if transparent:
        kw["transparency"] = TRANSPARENT
    if len(out) > 1:
        kw.update(save_all=True, append_images=out[1:], duration=durations, loop=0, disposal=2)
    out[0].save(path, "GIF", **kw)


def save_svg(text, path):
    if K > 1:
        return  # a vector picture is sharp at every size
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


# --------------------------------------------------------------------------
# shared palette of the studio look

GOLD_STOPS = [(0.0, (255, 244, 190)), (0.35, (244, 196, 70)), (0.7, (184, 128, 20)), (1.0, (120, 78, 8))]
GOLD = (240, 190, 60)
GOLD_DARK = (130, 85, 10)
SKIN = (246, 200, 160)
SKIN_DARK = (170, 110, 70)


def gold_across(cv, x0, x1, y=0):
    """Gold lit from the left, as on a turned cylinder."""
    return cv.linear((x0, y), (x1, y), [(0.0, (150, 100, 15)), (0.25, (255, 240, 170)), (0.5, (240, 185, 55)),
                                        (0.85, (160, 105, 15)), (1.0, (110, 70, 5))])


# --------------------------------------------------------------------------
# 50:50 window: a steaming cup of coffee on a dark-red disc


def coffee_frame(phase):
    cv = Canvas(79, 79)
    c = 39.5
    # the disc with a thin gold rim
    cv.shape(cv.radial(31, 28, 52, 52, [(0, (176, 36, 40)), (0.55, (112, 10, 18)), (1, (52, 0, 6))]),
             lambda p: p.ellipse(c, c, 39, 39, fill=255))
    cv.shape(cv.linear((0, 0), (79, 79), GOLD_STOPS), lambda p: p.ellipse(c, c, 39, 39, outline=255, width=1.6))
    # saucer
    cv.shape((0, 0, 0, 90), lambda p: p.ellipse(40.5, 64.5, 24, 5.5, fill=255))
    cv.shape(cv.linear((0, 57), (0, 68), [(0, (255, 252, 240)), (1, (190, 176, 160))]),
             lambda p: p.ellipse(39.5, 62, 23, 6, fill=255))
    cv.pen.ellipse(39.5, 61.3, 13, 3.2, fill=(214, 200, 182))
    # handle, behind the body on the right
    cv.shape((238, 230, 216), lambda p: p.ellipse(52.5, 46, 7, 6.5, outline=255, width=3.2))
    # cup body: straight rim, sides curving to a narrow foot
    body = [(23, 38)] + bezier((23, 38), (23.5, 52), (28, 60), (34, 61), 16) + \
        bezier((45, 61), (51, 60), (55.5, 52), (56, 38), 16)
    cv.shape(cv.linear((23, 0), (56, 0), [(0, (205, 192, 176)), (0.3, (255, 253, 246)), (0.6, (244, 238, 226)),
                                          (1, (170, 156, 140))]),
             lambda p: p.poly(body, fill=255))
    # a gold band round the cup
    band = [(23.4, 44)] + [(23.4 + 32.2 * i / 20, 44 + 2.2 * math.sin(math.pi * i / 20)) for i in range(21)] + \
        [(55.6, 47)] + [(55.6 - 32.2 * i / 20, 47 + 2.2 * math.sin(math.pi * i / 20)) for i in range(21)]
    cv.shape(cv.linear((23, 0), (56, 0), GOLD_STOPS), lambda p: p.poly(band, fill=255))
    # rim and coffee
    cv.pen.ellipse(39.5, 38, 16.5, 4.4, fill=(250, 246, 236))
    cv.shape(cv.radial(37, 37.5, 16, 5, [(0, (150, 92, 50)), (0.7, (92, 50, 24)), (1, (60, 30, 12))]),
             lambda p: p.ellipse(39.5, 38.4, 14.6, 3.4, fill=255))
    # steam: three wisps whose waves travel upwards; `phase` runs over one period
    steam = Canvas(79, 79)
    for i, (x0, amp, lag) in enumerate(((32.5, 2.4, 0.0), (39.5, 2.8, 0.33), (46.5, 2.4, 0.66))):
        y_bottom, y_top = 33.0, 9.0 + 2 * (i % 2)
        n = 40
        pts = []
        for k in range(n + 1):
            y = y_bottom - (y_bottom - y_top) * k / n
            h = (y_bottom - y) / (y_bottom - y_top)
            x = x0 + amp * (0.4 + h) * math.sin(2 * math.pi * (h * 1.15 - phase - lag))
            pts.append((x, y))
        for k in range(n):
            h = k / n
            alpha = round(235 * (1 - h) ** 1.3 * min(1.0, h * 6 + 0.25))
            steam.pen.line(pts[k:k + 2], (255, 255, 255, alpha), 2.3 - 0.9 * h)
    cv.img.alpha_composite(steam.img)
    return cv.final()


def make_fifty_coffee():
    frames = [coffee_frame(k / 5) for k in range(5)]
    save_gif(frames, os.path.join(IMAGES, "fifty_coffee.gif"), [80] * 5)


# --------------------------------------------------------------------------
# telephone receivers, used by the phone-a-friend pictures


def handset(colour, length=30.0, outline=(40, 20, 10)):
    """A receiver lying flat, ends pointing down; about length x length*0.42."""
    L = length
    h = L * 0.42
    cv = Canvas(math.ceil(L) + 2, math.ceil(h) + 2)
    dark = mix(colour, (0, 0, 0), 0.45)
    light = mix(colour, (255, 255, 255), 0.55)

    def silhouette(p, g):
        # `g` grows the shape, for the outline drawn under it
        # the grip: a bar curving slightly upwards
        grip = bezier((1 + L * 0.12, h * 0.42 + g), (L * 0.35, h * 0.12 - g), (L * 0.65, h * 0.12 - g),
                      (1 + L * 0.88, h * 0.42 + g), 20)
        grip += bezier((1 + L * 0.88, h * 0.42 + h * 0.3 - g), (L * 0.65, h * 0.42 - g), (L * 0.35, h * 0.42 - g),
                       (1 + L * 0.12, h * 0.42 + h * 0.3 - g), 20)
        p.poly(grip, fill=255)
        # ear and mouth pieces
        for cx in (1 + L * 0.16, 1 + L * 0.84):
            p.rect((cx - L * 0.15 - g, h * 0.42 - g, cx + L * 0.15 + g, h * 0.98 + g), fill=255, r=L * 0.1 + g)

    cv.shape(outline, lambda p: silhouette(p, 0.9))
    cv.shape(cv.linear((0, 0), (0, h + 2), [(0, light), (0.45, colour), (1, dark)]),
             lambda p: silhouette(p, 0))
    # a glint along the grip
    cv.pen.line(bezier((L * 0.3, h * 0.3), (L * 0.42, h * 0.16), (L * 0.58, h * 0.16), (L * 0.7, h * 0.3), 10),
                rgba(mix(light, (255, 255, 255), 0.5), 200), max(0.8, L * 0.03))
    # holes of the pieces
    for cx in (1 + L * 0.16, 1 + L * 0.84):
        cv.pen.ellipse(cx, h * 0.9, L * 0.1, h * 0.07, fill=dark)
    return cv


def make_friend_handset():
    cv = Canvas(100, 77)
    # yellow frame with a bevel: lit from the top left
    cv.shape(cv.linear((0, 0), (100, 77), [(0, (255, 246, 150)), (0.5, (250, 212, 40)), (1, (190, 140, 0))]),
             lambda p: p.rect((0, 0, 100, 77), fill=255))
    cv.pen.rect((5, 5, 95, 72), fill=(120, 80, 0))
    inner = (6.2, 6.2, 93.8, 70.8)
    cv.pen.rect(inner, fill=(90, 0, 0))
    # red burst, clipped to the inside of the frame
    m_in, p_in = cv.mask()
    p_in.rect(inner, fill=255)
    burst = Canvas(100, 77)
    burst.shape(burst.radial(50, 38.5, 58, 58, [(0, (255, 120, 40)), (0.35, (235, 30, 20)), (1, (120, 0, 0))]),
                lambda p: p.poly(star_pts(50, 38.5, 62, 24, 14, -90), fill=255))
    burst.shape(burst.radial(50, 38.5, 30, 30, [(0, (255, 220, 90, 230)), (1, (255, 90, 30, 0))]),
                lambda p: p.poly(star_pts(50, 38.5, 34, 18, 14, -77), fill=255))
    burst.img.putalpha(ImageChops.multiply(burst.img.getchannel("A"), m_in))
    cv.img.alpha_composite(burst.img)
    # ringing marks
    for side in (-1, 1):
        for k, r in enumerate((36.5, 42)):
            cv.pen.arc(50, 36, r, r * 0.72, 90 - side * 90 - 28, 90 - side * 90 + 28, (255, 250, 220), 2.0 - 0.4 * k)
    # the handset, dark with a shine, tilted
    hs = handset((40, 40, 48), 62, outline=(250, 236, 170))
    cv.place(hs, 50, 39, -14)
    save_gif([cv.final()], os.path.join(IMAGES, "friend_handset.gif"), transparent=False)


# --------------------------------------------------------------------------
# phone-a-friend window: a cartoon man juggling receivers


def juggler_frame(arms, receivers):
    """`arms`: (left hand, right hand) points; `receivers`: (x, y, angle, colour) each."""
    cv = Canvas(115, 102)
    out = (30, 20, 20)
    p = cv.pen
    cx = 57.5
    # shadow on the floor
    cv.shape((255, 255, 255, 40), lambda q: q.ellipse(cx, 99, 20, 2.4, fill=255))
    # legs and shoes
    for side in (-1, 1):
        p.line([(cx + side * 5, 76), (cx + side * 7.5, 96)], out, 7.6)
        p.line([(cx + side * 5, 76), (cx + side * 7.5, 96)], (70, 90, 170), 5.6)
        p.ellipse(cx + side * 10, 97.5, 6, 2.8, fill=(120, 60, 20), outline=out, width=0.9)
    # arms: shoulder, elbow bent outwards, hand
    shoulders = ((cx - 9, 56), (cx + 9, 56))
    for (sx, sy), (hx, hy), side in zip(shoulders, arms, (-1, 1)):
        ex, ey = (sx + hx) / 2 + side * 7, (sy + hy) / 2 + 6
        p.line([(sx, sy), (ex, ey), (hx, hy)], out, 6.4)
        p.line([(sx, sy), (ex, ey), (hx, hy)], (240, 120, 30), 4.6)
    # body: an orange shirt widening to the shoulders
    body = [(cx - 11, 55)] + bezier((cx - 11, 55), (cx - 12, 64), (cx - 9, 72), (cx - 9, 79), 10) + \
        [(cx + 9, 79)] + bezier((cx + 9, 79), (cx + 9, 72), (cx + 12, 64), (cx + 11, 55), 10) + \
        bezier((cx + 11, 55), (cx + 6, 51.5), (cx - 6, 51.5), (cx - 11, 55), 10)
    p.poly(body, outline=out, width=1.8)
    cv.shape(cv.linear((cx - 12, 0), (cx + 12, 0), [(0, (255, 170, 60)), (0.4, (250, 140, 30)), (1, (190, 80, 10))]),
             lambda q: q.poly(body, fill=255))
    # belt and trousers top
    p.rect((cx - 9.4, 74.5, cx + 9.4, 79.5), fill=(70, 90, 170))
    p.rect((cx - 9.4, 73.6, cx + 9.4, 75.6), fill=(60, 40, 20))
    p.rect((cx - 1.5, 73.4, cx + 1.5, 75.8), fill=GOLD)
    # hands
    for hx, hy in arms:
        p.ellipse(hx, hy, 3.3, 3.3, fill=SKIN, outline=out, width=0.9)
    # head
    hy = 41
    p.ellipse(cx, hy, 11, 11.5, fill=SKIN, outline=out, width=1.1)
    for side in (-1, 1):
        p.ellipse(cx + side * 11, hy + 1, 2.4, 3.2, fill=SKIN, outline=out, width=0.9)
    # hair: a tuft of brown curls
    for k in range(7):
        a = 200 + k * 23.3
        p.ellipse(cx + 9.5 * math.cos(math.radians(a)), hy - 3 + 8 * math.sin(math.radians(a)), 4.2, 3.6,
                  fill=(110, 60, 25))
    # face looking up at the receivers: eyes, brows, nose and an open smile
    for side in (-1, 1):
        p.ellipse(cx + side * 4, hy + 0.2, 2.2, 2.6, fill=(255, 255, 255), outline=out, width=0.6)
        p.ellipse(cx + side * 4 + 0.3, hy - 0.6, 1.1, 1.3, fill=(20, 20, 40))
        p.line([(cx + side * 2, hy - 4.2), (cx + side * 6, hy - 4.8)], (90, 50, 20), 0.9)
    p.ellipse(cx, hy + 3.6, 1.8, 1.5, fill=(230, 150, 120))
    mouth = bezier((cx - 4.5, hy + 6), (cx - 2.5, hy + 10.5), (cx + 2.5, hy + 10.5), (cx + 4.5, hy + 6), 12)
    p.poly(mouth, fill=(150, 30, 30), outline=out, width=0.7)
    # bow tie
    p.poly([(cx, 54.5), (cx - 5, 52), (cx - 5, 57), (cx, 54.5), (cx + 5, 52), (cx + 5, 57)], fill=(40, 80, 220),
           outline=out, width=0.6)
    p.ellipse(cx, 54.5, 1.2, 1.2, fill=(40, 80, 220))
    # the receivers in the air, with a motion trail
    for x, y, ang, col in receivers:
        cv.place(handset(col, 22), x, y, ang)
    return cv.final()


def make_friend_juggler():
    red, green, blue = (225, 40, 40), (40, 180, 70), (60, 120, 240)
    # frame 1 is held long: a receiver in each hand and one at the top of its flight
    f1 = juggler_frame(((36, 45), (79, 45)),
                       [(32, 38, -25, red), (57.5, 8, 0, green), (83, 38, 25, blue)])
    f2 = juggler_frame(((33, 47), (81, 40)),
                       [(33, 19, -45, red), (82, 13, 40, green), (89, 35, 60, blue)])
    f3 = juggler_frame(((38, 41), (77, 47)),
                       [(51, 7, -10, red), (89, 33, 75, green), (27, 29, -120, blue)])
    save_gif([f1, f2, f3], os.path.join(IMAGES, "friend_juggler.gif"), [1500, 200, 250])


# --------------------------------------------------------------------------
# SVG helpers: plain elements only, numbers rounded so the text is stable


def n(v):
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def svg_doc(w, h, body, defs=""):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<defs>\n%s</defs>\n%s</svg>\n') % (w, h, w, h, defs, body)


def svg_lin(gid, stops, x1=0, y1=0, x2=0, y2=1):
    s = ''.join('  <stop offset="%s" stop-color="%s"/>\n' % (n(o), c) for o, c in stops)
    return ('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">\n%s</linearGradient>\n'
            % (gid, n(x1), n(y1), n(x2), n(y2), s))


def svg_rad(gid, stops, cx=0.5, cy=0.5, r=0.5):
    s = ''.join('  <stop offset="%s" stop-color="%s"%s/>\n'
                % (n(o), c[0] if isinstance(c, tuple) else c,
                   (' stop-opacity="%s"' % n(c[1])) if isinstance(c, tuple) else '') for o, c in stops)
    return '<radialGradient id="%s" cx="%s" cy="%s" r="%s">\n%s</radialGradient>\n' % (gid, n(cx), n(cy), n(r), s)


def svg_pts(pts):
    return " ".join("%s,%s" % (n(x), n(y)) for x, y in pts)


def svg_star(cx, cy, r_out, r_in, fill, k=5, rot=-90.0, extra=""):
    return '<polygon points="%s" fill="%s"%s/>\n' % (svg_pts(star_pts(cx, cy, r_out, r_in, k, rot)), fill, extra)


GOLD_SVG = [(0, "#fff4be"), (0.35, "#f4c446"), (0.7, "#b88014"), (1, "#784e08")]
GOLD_SVG_ACROSS = [(0, "#966410"), (0.25, "#fff0aa"), (0.5, "#f0b937"), (0.85, "#a0690f"), (1, "#6e4605")]


# --------------------------------------------------------------------------
# ask-the-audience window: five people standing side by side


def svg_person(x, s, skin, hair, hair_style, top, bottom, dress=False, raised=False, glasses=False):
    """One flat figure with its feet at y = 113, `s` times a 100-unit figure."""
    out = "#1b1b2b"
    foot = 113.0
    hip = foot - 40 * s
    shoulder = foot - 70 * s
    head_y = foot - 81 * s
    r = 9.5 * s
    g = []
    # legs and shoes
    for side in (-1, 1):
        lx = x + side * 5 * s
        g.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
                 % (n(lx), n(hip), n(lx + side * 0.8 * s), n(foot - 3 * s), bottom if not dress else skin,
                    n(7 * s if not dress else 4.5 * s)))
        g.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#6b4a2e"/>'
                 % (n(lx + side * 2.2 * s), n(foot - 2 * s), n(5 * s), n(2.4 * s)))
    # arms (drawn before the body so the shoulders cover them)
    for side in (-1, 1):
        sx = x + side * 11 * s
        if raised and side == 1:
            pts = [(sx, shoulder + 4 * s), (sx + 6 * s, shoulder - 10 * s), (sx + 4 * s, shoulder - 24 * s)]
        else:
            pts = [(sx, shoulder + 4 * s), (sx + side * 4 * s, shoulder + 18 * s), (sx + side * 3 * s, hip + 2 * s)]
        g.append('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" '
                 'stroke-linejoin="round"/>' % (svg_pts(pts), top, n(6.5 * s)))
        g.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(pts[-1][0]), n(pts[-1][1]), n(3.4 * s), skin))
    # body: a shirt, or a dress flaring to the knees
    if dress:
        body = [(x - 11 * s, shoulder + 2 * s), (x - 8 * s, hip - 8 * s), (x - 15 * s, hip + 14 * s),
                (x + 15 * s, hip + 14 * s), (x + 8 * s, hip - 8 * s), (x + 11 * s, shoulder + 2 * s)]
    else:
        body = [(x - 12 * s, shoulder + 2 * s), (x - 9.5 * s, hip + 1 * s), (x + 9.5 * s, hip + 1 * s),
                (x + 12 * s, shoulder + 2 * s)]
        g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                 % (n(x - 9.5 * s), n(hip - 3 * s), n(19 * s), n(5 * s), bottom))
    d = "M%s,%s " % (n(body[0][0]), n(body[0][1])) + " ".join("L%s,%s" % (n(a), n(b)) for a, b in body[1:])
    d += " Q%s,%s %s,%s Z" % (n(x), n(shoulder - 4 * s), n(body[0][0]), n(body[0][1]))
    g.append('<path d="%s" fill="%s"/>' % (d, top))
    # a collar and a lighter fold to give the flat shirt some form
    g.append('<path d="M%s,%s L%s,%s L%s,%s Z" fill="#ffffff" fill-opacity="0.85"/>'
             % (n(x - 4 * s), n(shoulder - 1.5 * s), n(x), n(shoulder + 5 * s), n(x + 4 * s), n(shoulder - 1.5 * s)))
    g.append('<path d="M%s,%s L%s,%s" stroke="#000000" stroke-opacity="0.18" stroke-width="%s"/>'
             % (n(x + 6 * s), n(shoulder + 6 * s), n(x + 5 * s), n(hip - 4 * s), n(1.2 * s)))
    # neck and head
    g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
             % (n(x - 2.6 * s), n(head_y + r - 2 * s), n(5.2 * s), n(6 * s), skin))
    if hair_style == "long":
        g.append('<path d="M%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s Z" fill="%s"/>'
                 % (n(x - r * 1.15), n(head_y + r * 1.6), n(x), n(head_y - r * 2.6), n(x + r * 1.15),
                    n(head_y + r * 1.6), n(x + r * 0.6), n(head_y + r * 1.2), n(x), n(head_y + r * 0.4),
                    n(x - r * 0.6), n(head_y + r * 1.2), hair))
    g.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(x), n(head_y), n(r), skin))
    if hair_style in ("short", "long"):
        g.append('<path d="M%s,%s A%s,%s 0 0 1 %s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" fill="%s"/>'
                 % (n(x - r), n(head_y), n(r), n(r), n(x + r), n(head_y), n(x + r * 0.5), n(head_y - r * 0.55),
                    n(x), n(head_y - r * 0.45), n(x - r * 0.6), n(head_y - r * 0.3), n(x - r), n(head_y), hair))
    elif hair_style == "curly":
        for k in range(7):
            a = math.radians(190 + k * 26.7)
            g.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                     % (n(x + r * 0.95 * math.cos(a)), n(head_y - 1 * s + r * 0.9 * math.sin(a)), n(3.6 * s), hair))
    elif hair_style == "cap":
        g.append('<path d="M%s,%s A%s,%s 0 0 1 %s,%s Z" fill="%s"/>'
                 % (n(x - r * 1.02), n(head_y - r * 0.15), n(r), n(r * 0.95), n(x + r * 1.02),
                    n(head_y - r * 0.15), hair))
        g.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
                 % (n(x - r * 0.2), n(head_y - r * 0.3), n(r * 1.7), n(r * 0.3), n(r * 0.15), hair))
    elif hair_style == "bald":
        for side in (-1, 1):
            g.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>'
                     % (n(x + side * r * 0.9), n(head_y - r * 0.1), n(r * 0.22), n(r * 0.45), hair))
    # face
    for side in (-1, 1):
        g.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                 % (n(x + side * 3.3 * s), n(head_y + 0.5 * s), n(1.25 * s), out))
        if glasses:
            g.append('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="%s"/>'
                     % (n(x + side * 3.3 * s), n(head_y + 0.5 * s), n(2.7 * s), out, n(0.8 * s)))
    if glasses:
        g.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"/>'
                 % (n(x - 0.6 * s), n(head_y + 0.3 * s), n(x + 0.6 * s), n(head_y + 0.3 * s), out, n(0.8 * s)))
    g.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="#8a2a2a" stroke-width="%s" stroke-linecap="round"/>'
             % (n(x - 3.5 * s), n(head_y + 4.2 * s), n(x), n(head_y + 7.4 * s), n(x + 3.5 * s), n(head_y + 4.2 * s),
                n(1.1 * s)))
    for side in (-1, 1):
        g.append('<circle cx="%s" cy="%s" r="%s" fill="#e8806a" fill-opacity="0.45"/>'
                 % (n(x + side * 6 * s), n(head_y + 3.5 * s), n(1.8 * s)))
    return "<g>\n" + "\n".join(g) + "\n</g>\n"


def make_audience_people():
    people = [
        (28, 1.10, "#f1c29a", "#5a3418", "short", "#e0453a", "#3a4f8c", False, False, False),
        (80, 1.16, "#d9a27a", "#222222", "cap", "#2fa95a", "#5b5b70", False, False, True),
        (133.5, 1.02, "#f6d0b0", "#c8701e", "long", "#9b4fd0", "#000000", True, True, False),
        (187, 1.14, "#c68a62", "#3a2a1a", "curly", "#f0a020", "#2f6f7a", False, False, False),
        (239, 1.06, "#f3cfae", "#9a9a9a", "bald", "#3a8de0", "#6a4a3a", False, False, True),
    ]
    body = "".join(svg_person(*p) for p in people)
    save_svg(svg_doc(267, 115, body), os.path.join(IMAGES, "audience_people.svg"))


# --------------------------------------------------------------------------
# winnings window when nothing was won: an empty wallet shaken upside down


def make_nowin():
    defs = (svg_lin("leather", [(0, "#b5653a"), (0.55, "#8b4420"), (1, "#5a2a10")]) +
            svg_lin("inside", [(0, "#7a3a18"), (0.4, "#3a1a08"), (1, "#0a0400")]) +
            svg_rad("wing", [(0, "#eee6d6"), (1, "#a89c88")]))
    b = []
    b.append('<ellipse cx="53" cy="96" rx="30" ry="3.5" fill="#ffffff" fill-opacity="0.12"/>\n')
    b.append('<g transform="rotate(-9 53 38)">\n')
    # the gaping mouth at the bottom, then the body over it
    b.append('<path d="M19,50 L87,50 L84,70 Q53,82 22,70 Z" fill="url(#inside)"/>\n')
    b.append('<path d="M22,70 Q53,82 84,70" fill="none" stroke="#c8885a" stroke-width="2.2" '
             'stroke-linecap="round"/>\n')
    b.append('<rect x="17" y="12" width="72" height="46" rx="7" fill="url(#leather)" stroke="#3a1806" '
             'stroke-width="1.5"/>\n')
    b.append('<rect x="21.5" y="16.5" width="63" height="37" rx="4.5" fill="none" stroke="#f0c8a0" '
             'stroke-width="1" stroke-dasharray="3,2"/>\n')
    # the front pocket flap with its clasp
    b.append('<path d="M17,34 L89,34 L89,44 Q53,52 17,44 Z" fill="#7a3a18" stroke="#3a1806" stroke-width="1"/>\n')
    b.append('<circle cx="53" cy="46" r="4" fill="#e8c050" stroke="#7a5a10" stroke-width="1"/>\n')
    b.append('<circle cx="52" cy="45" r="1.3" fill="#fff6d0"/>\n')
    b.append('</g>\n')
    # shaking marks either side
    for sx, d in ((8, -1), (98, 1)):
        for k in range(2):
            x = sx + d * k * 4
            b.append('<path d="M%s,22 Q%s,34 %s,46" fill="none" stroke="#c8d8f0" stroke-width="1.6" '
                     'stroke-linecap="round"/>\n' % (n(x), n(x + d * 3), n(x)))
    # nothing falls out but dust ... and a moth
    for x, y, r in ((38, 80, 1.6), (45, 87, 1.2), (32, 91, 1.0), (52, 94, 0.9)):
        b.append('<circle cx="%s" cy="%s" r="%s" fill="#a09080"/>\n' % (n(x), n(y), n(r)))
    b.append('<g transform="translate(74 84) rotate(18)">\n'
             '<path d="M0,0 C-6,-11 -17,-9 -14,-1 C-12,4 -5,3 0,0 Z" fill="url(#wing)" stroke="#6a6050" '
             'stroke-width="0.8"/>\n'
             '<path d="M0,0 C6,-11 17,-9 14,-1 C12,4 5,3 0,0 Z" fill="url(#wing)" stroke="#6a6050" '
             'stroke-width="0.8"/>\n'
             '<path d="M0,1 C-4,7 -11,8 -9,3 Z" fill="#c8bca8"/>\n'
             '<path d="M0,1 C4,7 11,8 9,3 Z" fill="#c8bca8"/>\n'
             '<circle cx="-8" cy="-4" r="1.3" fill="#7a6a58"/><circle cx="8" cy="-4" r="1.3" fill="#7a6a58"/>\n'
             '<ellipse cx="0" cy="1" rx="1.6" ry="5" fill="#5a5040"/>\n'
             '<path d="M-0.6,-3.5 Q-3,-9 -5,-10 M0.6,-3.5 Q3,-9 5,-10" fill="none" stroke="#5a5040" '
             'stroke-width="0.6"/>\n'
             '</g>\n')
    save_svg(svg_doc(106, 102, "".join(b), defs), os.path.join(IMAGES, "nowin.svg"))


# --------------------------------------------------------------------------
# millionaire window: a tall gold trophy, stars and the million


def make_millionaire_deco():
    defs = (svg_lin("gold", GOLD_SVG_ACROSS, 0, 0, 1, 0) +
            svg_lin("goldv", GOLD_SVG, 0, 0, 0, 1) +
            svg_lin("wood", [(0, "#5a3418"), (1, "#2a1408")]) +
            svg_rad("halo", [(0, ("#ffe9a0", 0.55)), (0.6, ("#f0b040", 0.15)), (1, ("#f0b040", 0))]))
    b = []
    cx = 76.5
    b.append('<circle cx="%s" cy="92" r="74" fill="url(#halo)"/>\n' % n(cx))
    # rays behind the cup
    for k in range(16):
        a = math.radians(k * 22.5)
        a0, a1 = a - math.radians(3.5), a + math.radians(3.5)
        pts = [(cx, 92), (cx + 80 * math.cos(a0), 92 + 80 * math.sin(a0)), (cx + 80 * math.cos(a1), 92 + 80 * math.sin(a1))]
        b.append('<polygon points="%s" fill="#f8d060" fill-opacity="0.16"/>\n' % svg_pts(pts))
    # handles
    for side in (-1, 1):
        x0 = cx + side * 38
        b.append('<path d="M%s,42 C%s,38 %s,70 %s,84" fill="none" stroke="#6e4605" stroke-width="9" '
                 'stroke-linecap="round"/>\n' % (n(x0), n(cx + side * 68), n(cx + side * 62), n(cx + side * 22)))
        b.append('<path d="M%s,42 C%s,38 %s,70 %s,84" fill="none" stroke="url(#goldv)" stroke-width="6" '
                 'stroke-linecap="round"/>\n' % (n(x0), n(cx + side * 68), n(cx + side * 62), n(cx + side * 22)))
    # the bowl, rim, stem and foot
    bowl = ("M%s,30 L%s,30 C%s,72 %s,102 %s,112 L%s,112 C%s,102 %s,72 %s,30 Z"
            % (n(cx - 42), n(cx + 42), n(cx + 42), n(cx + 22), n(cx + 7), n(cx - 7), n(cx - 22), n(cx - 42), n(cx - 42)))
    b.append('<path d="%s" fill="url(#gold)" stroke="#6e4605" stroke-width="1.5"/>\n' % bowl)
    b.append('<ellipse cx="%s" cy="30" rx="42" ry="6" fill="#8a5a0a" stroke="#6e4605" stroke-width="1.5"/>\n' % n(cx))
    b.append('<ellipse cx="%s" cy="30.5" rx="38" ry="4" fill="#5a3a05"/>\n' % n(cx))
    b.append('<path d="M%s,40 C%s,70 %s,92 %s,104" fill="none" stroke="#fff8d8" stroke-opacity="0.7" '
             'stroke-width="3" stroke-linecap="round"/>\n' % (n(cx - 30), n(cx - 30), n(cx - 20), n(cx - 10)))
    b.append('<rect x="%s" y="110" width="12" height="22" fill="url(#gold)" stroke="#6e4605" stroke-width="1"/>\n'
             % n(cx - 6))
    b.append('<ellipse cx="%s" cy="121" rx="10" ry="4" fill="url(#gold)" stroke="#6e4605" stroke-width="1"/>\n'
             % n(cx))
    b.append('<path d="M%s,132 L%s,132 L%s,146 L%s,146 Z" fill="url(#gold)" stroke="#6e4605" stroke-width="1"/>\n'
             % (n(cx - 12), n(cx + 12), n(cx + 26), n(cx - 26)))
    b.append('<rect x="%s" y="146" width="64" height="22" rx="2" fill="url(#wood)" stroke="#c89020" '
             'stroke-width="1"/>\n' % n(cx - 32))
    b.append('<rect x="%s" y="151" width="40" height="12" rx="1.5" fill="url(#goldv)" stroke="#6e4605" '
             'stroke-width="0.8"/>\n' % n(cx - 20))
    b.append('<text x="%s" y="160.5" font-family="Liberation Serif" font-weight="bold" font-size="9" '
             'text-anchor="middle" fill="#4a2a00">15/15</text>\n' % n(cx))
    # the star on the bowl
    b.append(svg_star(cx, 66, 17, 7, "#fff6c8", extra=' stroke="#a06a08" stroke-width="1.2"'))
    b.append(svg_star(cx, 66, 9, 3.8, "#ffd860"))
    # scattered stars
    for x, y, r, col in ((14, 14, 7, "#fff2b0"), (139, 18, 5.5, "#ffd860"), (10, 122, 5, "#ffd860"),
                         (143, 110, 7, "#fff2b0"), (24, 186, 4.5, "#fff2b0"), (130, 190, 5, "#ffd860"),
                         (76.5, 7, 4, "#ffffff")):
        b.append(svg_star(x, y, r, r * 0.42, col))
    # the sum
    b.append('<text x="%s" y="220" font-family="Liberation Serif" font-weight="bold" font-size="31" '
             'text-anchor="middle" fill="url(#goldv)" stroke="#5a3a00" stroke-width="0.8">1 000 000</text>\n' % n(cx))
    b.append('<text x="%s" y="246" font-family="Liberation Serif" font-weight="bold" font-style="italic" '
             'font-size="20" text-anchor="middle" fill="#f4c446">рублей</text>\n' % n(cx))
    # laurel sprigs under the sum
    for side in (-1, 1):
        for k in range(5):
            lx = cx + side * (12 + k * 10)
            ly = 260 - k * 2.6
            b.append('<ellipse cx="%s" cy="%s" rx="5.5" ry="2.4" transform="rotate(%s %s %s)" fill="#d4a030"/>\n'
                     % (n(lx), n(ly), n(side * (-25 - k * 6)), n(lx), n(ly)))
        b.append('<path d="M%s,262 Q%s,262 %s,248" fill="none" stroke="#a07010" stroke-width="1.2"/>\n'
                 % (n(cx + side * 6), n(cx + side * 40), n(cx + side * 62)))
    save_svg(svg_doc(153, 276, "".join(b), defs), os.path.join(IMAGES, "millionaire_deco.svg"))


# --------------------------------------------------------------------------
# rules window: an open book under a big question mark


def make_rules_drawing():
    defs = (svg_lin("qgold", GOLD_SVG_ACROSS, 0, 0, 1, 0) +
            svg_lin("page", [(0, "#ffffff"), (1, "#d8dce8")], 0, 0, 0, 1) +
            svg_lin("cover", [(0, "#3a6ed8"), (1, "#163a8a")], 0, 0, 0, 1) +
            svg_rad("glow", [(0, ("#6aa8ff", 0.55)), (1, ("#2050c0", 0))]))
    b = []
    b.append('<ellipse cx="70.5" cy="58" rx="62" ry="56" fill="url(#glow)"/>\n')
    # the book: cover, then two pages bending down to the spine
    b.append('<path d="M4,114 C30,108 55,110 70.5,120 C86,110 111,108 137,114 L137,154 C111,150 86,152 70.5,162 '
             'C55,152 30,150 4,154 Z" fill="url(#cover)" stroke="#0c2260" stroke-width="1.2"/>\n')
    for side in (-1, 1):
        ex = 70.5 + side * 62
        b.append('<path d="M70.5,116 C%s,106 %s,104 %s,108 L%s,148 C%s,145 %s,147 70.5,157 Z" fill="url(#page)" '
                 'stroke="#8a90a8" stroke-width="0.8"/>\n'
                 % (n(70.5 + side * 16), n(70.5 + side * 40), n(ex), n(ex), n(70.5 + side * 40), n(70.5 + side * 16)))
        for k in range(6):
            y0 = 115 + k * 6
            x_in, x_out = 70.5 + side * 7, 70.5 + side * (54 - (8 if k == 5 else 0))
            b.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="#7080a0" stroke-width="1.3" '
                     'stroke-linecap="round"/>\n'
                     % (n(x_in), n(y0 + 2), n((x_in + x_out) / 2), n(y0 - 4), n(x_out), n(y0 - 2)))
    b.append('<path d="M70.5,116 L70.5,157" stroke="#8a90a8" stroke-width="1"/>\n')
    # the question mark: a dark edge under a gold stroke
    q = "M45,38 C45,18 58,9 71,9 C87,9 97,20 97,33 C97,47 86,53 79,58 C73,62 71,66 71,76"
    b.append('<path d="%s" fill="none" stroke="#4a2a00" stroke-width="19" stroke-linecap="round" '
             'stroke-linejoin="round"/>\n' % q)
    b.append('<path d="%s" fill="none" stroke="url(#qgold)" stroke-width="14" stroke-linecap="round" '
             'stroke-linejoin="round"/>\n' % q)
    b.append('<path d="M50,33 C52,22 60,15 70,14.5" fill="none" stroke="#fffbe6" stroke-opacity="0.8" '
             'stroke-width="3" stroke-linecap="round"/>\n')
    b.append('<circle cx="71" cy="94" r="10" fill="#4a2a00"/>\n')
    b.append('<circle cx="71" cy="94" r="7.5" fill="url(#qgold)"/>\n')
    b.append('<circle cx="68.5" cy="91.5" r="2" fill="#fffbe6" fill-opacity="0.85"/>\n')
    for x, y, r in ((20, 28, 6), (120, 52, 5), (112, 14, 3.5), (28, 80, 3.5)):
        b.append(svg_star(x, y, r, r * 0.3, "#ffffff", 4))
    save_svg(svg_doc(141, 164, "".join(b), defs), os.path.join(IMAGES, "rules_drawing.svg"))


# --------------------------------------------------------------------------
# top-ten window: a gold torch in laurel for the sides, a cup for the middle


def laurel_branch(cv, pts, leaf=7.0, every=3, colours=((250, 214, 90), (196, 140, 24))):
    """Leaves in pairs along the polyline `pts`, pointing along it."""
    cv.pen.line(pts, colours[1], 1.4)
    for i in range(every, len(pts) - 1, every):
        (x0, y0), (x1, y1) = pts[i - 1], pts[i + 1]
        a = math.degrees(math.atan2(y1 - y0, x1 - x0))
        size = leaf * (0.65 + 0.35 * i / len(pts))
        for turn in (-38, 38):
            lv = Canvas(round(size * 2) + 2, round(size) + 2)
            lv.shape(lv.linear((0, 0), (0, size), [(0, colours[0]), (1, colours[1])]),
                     lambda p: p.poly(bezier((1, size / 2 + 1), (size * 0.6, -size * 0.15), (size * 1.4, size * 0.2),
                                             (size * 2 + 1, size / 2 + 1), 12) +
                                      bezier((size * 2 + 1, size / 2 + 1), (size * 1.4, size * 0.8),
                                             (size * 0.6, size * 1.15), (1, size / 2 + 1), 12), fill=255))
            lv.pen.line([(2, size / 2 + 1), (size * 1.6, size / 2 + 1)], rgba(colours[1], 200), 0.5)
            ang = a + turn
            cx = pts[i][0] + math.cos(math.radians(ang)) * size * 0.9
            cy = pts[i][1] + math.sin(math.radians(ang)) * size * 0.9
            cv.place(lv, cx, cy, ang)


def make_top10_side():
    cv = Canvas(87, 149, (0, 0, 0, 255))
    cx = 43.5
    # warm light round the flame
    cv.shape(cv.radial(cx, 30, 42, 40, [(0, (255, 150, 40, 120)), (1, (255, 80, 0, 0))]),
             lambda p: p.rect((0, 0, 87, 80), fill=255))
    # laurel climbing the handle from both sides
    for side in (-1, 1):
        pts = bezier((cx + side * 3, 146), (cx + side * 30, 130), (cx + side * 30, 88), (cx + side * 16, 62), 30)
        laurel_branch(cv, pts, leaf=8.0)
    # handle with rings
    handle = [(cx - 7, 56), (cx + 7, 56), (cx + 4.5, 140), (cx - 4.5, 140)]
    cv.shape(gold_across(cv, cx - 7, cx + 7), lambda p: p.poly(handle, fill=255))
    for y, w in ((60, 8.5), (98, 7), (138, 6.5)):
        cv.shape(gold_across(cv, cx - w, cx + w), lambda p, y=y, w=w: p.rect((cx - w, y - 2, cx + w, y + 2), fill=255,
                                                                                r=1.5))
    cv.pen.ellipse(cx, 142, 7, 3.5, fill=(200, 150, 40))
    # the bowl
    bowl = [(cx - 21, 40)] + bezier((cx - 21, 40), (cx - 18, 52), (cx - 10, 57), (cx, 58), 10) + \
        bezier((cx, 58), (cx + 10, 57), (cx + 18, 52), (cx + 21, 40), 10)
    cv.shape(gold_across(cv, cx - 21, cx + 21), lambda p: p.poly(bowl, fill=255))
    for k in range(5):
        x = cx - 14 + k * 7
        cv.pen.line([(x, 42.5), (x + (x - cx) * 0.1, 51)], (140, 90, 10), 0.9)
    # flame: tongues of different heights, red outside to white in the core
    def tongue(p, x, h, w, lean, base=41.0):
        pts = bezier((x - w, base), (x - w * 1.2, base - h * 0.5), (x + lean - w * 0.3, base - h * 0.75),
                     (x + lean, base - h), 14)
        pts += bezier((x + lean, base - h), (x + lean * 0.3 + w * 0.5, base - h * 0.6), (x + w * 1.2, base - h * 0.4),
                      (x + w, base), 14)
        p.poly(pts, fill=255)
        p.ellipse(x, base, w, w * 0.45, fill=255)

    layers = (((226, 56, 20), [(-12, 27, 8, -5), (0, 39, 13, 2), (12, 30, 8, 5), (-5, 33, 9, -3)]),
              ((255, 130, 30), [(-8, 22, 7, -3), (2, 32, 10, 1), (9, 23, 6, 3)]),
              ((255, 205, 70), [(0, 25, 8, 0)]),
              ((255, 250, 215), [(0, 14, 4.5, 0)]))
    for colour, tongues in layers:
        cv.shape(colour, lambda p, t=tongues: [tongue(p, cx + x, h, w, lean) for x, h, w, lean in t])
    cv.shape(gold_across(cv, cx - 22, cx + 22), lambda p: p.ellipse(cx, 40.5, 21.5, 3.2, fill=255))
    save_png(cv.final(), os.path.join(IMAGES, "top10_side.png"))


def make_top10_middle():
    cv = Canvas(115, 89, (0, 0, 0, 255))
    cx = 57.5
    cv.shape(cv.radial(cx, 34, 50, 40, [(0, (255, 210, 100, 90)), (1, (255, 180, 60, 0))]),
             lambda p: p.rect((0, 0, 115, 89), fill=255))
    # handles
    for side in (-1, 1):
        pts = bezier((cx + side * 24, 14), (cx + side * 44, 10), (cx + side * 44, 38), (cx + side * 12, 46), 20)
        cv.pen.line(pts, (110, 70, 5), 6)
        cv.shape(cv.linear((0, 8), (0, 48), GOLD_STOPS), lambda p, pts=pts: p.line(pts, 255, 3.8))
    # bowl
    bowl = [(cx - 28, 8)] + bezier((cx - 28, 8), (cx - 28, 36), (cx - 14, 50), (cx - 4, 53), 16) + \
        [(cx + 4, 53)] + bezier((cx + 4, 53), (cx + 14, 50), (cx + 28, 36), (cx + 28, 8), 16)
    cv.shape((110, 70, 5), lambda p: p.poly(bowl, fill=255, outline=255, width=1.6))
    cv.shape(gold_across(cv, cx - 28, cx + 28), lambda p: p.poly(bowl, fill=255))
    cv.shape(gold_across(cv, cx - 28, cx + 28), lambda p: p.ellipse(cx, 8, 28, 3.6, fill=255))
    cv.pen.ellipse(cx, 8.3, 25, 2.3, fill=(100, 62, 4))
    cv.pen.line(bezier((cx - 21, 13), (cx - 21, 30), (cx - 14, 40), (cx - 8, 45), 12), (255, 250, 220, 170), 2)
    # stem and foot
    cv.shape(gold_across(cv, cx - 4, cx + 4), lambda p: p.rect((cx - 3.5, 52, cx + 3.5, 64), fill=255))
    cv.shape(gold_across(cv, cx - 7, cx + 7), lambda p: p.ellipse(cx, 58, 6.5, 2.6, fill=255))
    cv.shape(gold_across(cv, cx - 16, cx + 16), lambda p: p.poly([(cx - 8, 63), (cx + 8, 63), (cx + 16, 71), (cx - 16, 71)],
                                                                    fill=255))
    cv.shape(cv.linear((0, 71), (0, 84), [(0, (100, 55, 25)), (1, (40, 18, 6))]),
             lambda p: p.rect((cx - 22, 71, cx + 22, 84), fill=255, r=1.5))
    cv.pen.rect((cx - 22, 71, cx + 22, 84), outline=(210, 160, 50), width=0.8, r=1.5)
    cv.shape(cv.linear((0, 73), (0, 82), GOLD_STOPS), lambda p: p.rect((cx - 13, 73.5, cx + 13, 81.5), fill=255, r=1))
    cv.pen.text((cx, 77.6), "ТОП-10", font(SANS_B, 6.4), (80, 45, 0))
    # the engraved number
    cv.pen.text((cx + 0.6, 27.6), "10", font(SERIF_B, 24), (255, 248, 210))
    cv.pen.text((cx, 27), "10", font(SERIF_B, 24), (120, 30, 10))
    # stars
    for x, y, r in ((12, 16, 6.5), (103, 16, 6.5), (18, 56, 4.5), (97, 56, 4.5), (cx, 2.8, 0)):
        if r:
            cv.shape(cv.radial(x, y, r, r, [(0, (255, 255, 240)), (1, (250, 200, 60))]),
                     lambda p, x=x, y=y, r=r: p.poly(star_pts(x, y, r, r * 0.42, 5), fill=255))
    save_png(cv.final(), os.path.join(IMAGES, "top10_middle.png"))


# --------------------------------------------------------------------------
# winnings window: clapping hands


def hand_canvas():
    """A left hand seen from the palm side, fingers up, thumb on the right."""
    cv = Canvas(36, 54)
    out = (120, 66, 30)

    def skin(p):
        p.rect((6, 20, 28, 44), fill=255, r=7)
        for x, top in ((6.3, 6.5), (11.7, 3.5), (17.1, 4.5), (22.5, 8.5)):
            p.rect((x, top, x + 5.2, 28), fill=255, r=2.6)
        thumb = rotate_pts([(25, 26), (31, 26), (31, 40), (25, 40)], 28, 38, 35)
        p.poly(thumb, fill=255)
        p.ellipse(*rotate_pts([(28, 26.5)], 28, 38, 35)[0], 3, 3, fill=255)

    m, p = cv.mask()
    skin(p)
    cv.fill(m.filter(ImageFilter.MaxFilter(7)), out)
    cv.fill(m, cv.linear((6, 0), (32, 0), [(0, (250, 212, 176)), (0.6, SKIN), (1, (226, 170, 126))]))
    for x in (11.6, 17.0, 22.4):
        cv.pen.line([(x, 12), (x, 24)], (200, 130, 90), 0.7)
    cv.pen.arc(17, 33, 6, 4, 20, 160, (214, 150, 110), 0.7)
    # cuff and sleeve
    cv.pen.rect((6.5, 42, 27.5, 47.5), fill=(250, 250, 250), outline=(150, 150, 160), width=0.6)
    cv.pen.rect((5.5, 47, 28.5, 54), fill=(40, 90, 200), outline=(20, 40, 110), width=0.6)
    return cv


def hands_frame(gap, tilt, clap):
    cv = Canvas(106, 102)
    left = hand_canvas()
    right = Canvas(left.w, left.h)
    right.img = left.img.transpose(Image.FLIP_LEFT_RIGHT)
    cx, cy = 53, 54
    if clap:
        # the flash of the clap behind the palms
        cv.shape(cv.radial(cx, 26, 24, 24, [(0, (255, 255, 235)), (1, (255, 214, 40))]),
                 lambda p: p.poly(star_pts(cx, 26, 24, 11, 10), fill=255))
        for k in range(7):
            a = math.radians(-170 + k * 26.7)
            p0 = (cx + 26 * math.cos(a), 26 + 26 * math.sin(a))
            p1 = (cx + 34 * math.cos(a), 26 + 34 * math.sin(a))
            cv.pen.line([p0, p1], (255, 230, 60), 2.2)
    cv.place(left, cx - gap, cy, tilt)
    cv.place(right, cx + gap, cy, -tilt)
    if not clap and gap > 14:
        # swing marks outside the hands
        for side in (-1, 1):
            for k in range(2):
                x = cx + side * (gap + 18 + k * 4)
                a0 = 140 if side < 0 else -40
                cv.pen.arc(x - side * 5, cy - 8, 5, 12, a0, a0 + 80, (200, 220, 255), 1.4)
    return cv.final()


def make_win_hands():
    frames = [hands_frame(22, 20, False), hands_frame(15, 13, False), hands_frame(8.5, 6, True),
              hands_frame(16, 14, False)]
    save_gif(frames, os.path.join(IMAGES, "win_hands.gif"), [100, 100, 150, 100])


# --------------------------------------------------------------------------
# banknotes of an invented bank, for the millionaire and about windows


def banknote(w, h, paper, ink, value="1000"):
    """A note seen flat: frame, wavy guilloche, a medallion and the value in two corners."""
    cv = Canvas(w, h)
    p = cv.pen
    light = mix(paper, (255, 255, 255), 0.45)
    cv.shape(cv.linear((0, 0), (w, h), [(0, light), (0.5, paper), (1, mix(paper, ink, 0.25))]),
             lambda q: q.rect((0, 0, w, h), fill=255, r=min(w, h) * 0.04))
    p.rect((w * 0.03, h * 0.06, w * 0.97, h * 0.94), outline=rgba(ink, 200), width=max(0.4, h * 0.02))
    # guilloche: two families of sine waves across the note
    for k in range(5):
        for phase, amp in ((0.0, 1.0), (math.pi, 0.8)):
            pts = [(w * 0.05 + (w * 0.9) * i / 40,
                    h * (0.2 + 0.15 * k) + h * 0.06 * amp * math.sin(phase + i * 0.45 + k)) for i in range(41)]
            p.line(pts, rgba(ink, 70), max(0.3, h * 0.012), round_caps=False)
    # medallion with a star
    mx, my, mr = w * 0.68, h * 0.5, h * 0.3
    p.ellipse(mx, my, mr * 0.85, mr, fill=rgba(light, 230), outline=rgba(ink, 220), width=max(0.4, h * 0.02))
    p.poly(star_pts(mx, my, mr * 0.6, mr * 0.25, 5), fill=rgba(ink, 160))
    fv = font(SERIF_B, h * 0.2)
    p.text((w * 0.06, h * 0.1), value, fv, rgba(ink, 235), anchor="lt")
    p.text((w * 0.94, h * 0.9), value, fv, rgba(ink, 235), anchor="rb")
    if h >= 30:
        p.text((w * 0.3, h * 0.52), "ЗОРИКЛАД", font(SANS_B, h * 0.1), rgba(ink, 220))
    return cv


def make_money_case():
    W, H = 185, 242
    cv = Canvas(W, H, (0, 0, 0, 255))
    cv.shape(cv.linear((0, 0), (0, H), [(0, (16, 30, 84)), (0.6, (6, 12, 40)), (1, (0, 0, 8))]),
             lambda p: p.rect((0, 0, W, H), fill=255))
    cv.shape(cv.radial(92, 60, 120, 110, [(0, (90, 130, 230, 140)), (1, (40, 60, 160, 0))]),
             lambda p: p.rect((0, 0, W, H), fill=255))
    cv.shape(cv.radial(92, 232, 95, 12, [(0, (120, 160, 255, 120)), (1, (40, 60, 160, 0))]),
             lambda p: p.rect((0, 200, W, H), fill=255))
    # the lid, standing open: leather rim, satin lining with quilting
    lid = [(22, 16), (163, 16), (172, 110), (13, 110)]
    cv.shape(cv.linear((0, 16), (0, 110), [(0, (70, 38, 20)), (1, (36, 18, 8))]),
             lambda p: p.poly(lid, fill=255))
    lining = [(28, 22), (157, 22), (165, 104), (20, 104)]
    m = cv.shape(cv.linear((0, 22), (0, 104), [(0, (150, 24, 40)), (0.7, (96, 10, 26)), (1, (60, 4, 14))]),
                 lambda p: p.poly(lining, fill=255))
    quilt = Canvas(W, H)
    for k in range(-8, 14):
        x = 10 + k * 14
        quilt.pen.line([(x, 22), (x + 82, 104)], (255, 160, 170, 60), 0.7)
        quilt.pen.line([(x + 82, 22), (x, 104)], (255, 160, 170, 60), 0.7)
    quilt.img.putalpha(ImageChops.multiply(quilt.img.getchannel("A"), m))
    cv.img.alpha_composite(quilt.img)
    cv.shape(cv.linear((0, 80), (0, 104), [(0, (120, 16, 32)), (1, (70, 6, 18))]),
             lambda p: p.poly([(22, 84), (163, 84), (165, 104), (20, 104)], fill=255))
    cv.pen.line([(22, 84), (163, 84)], (200, 90, 100), 0.8)
    cv.pen.poly(lid, outline=(20, 10, 4), width=1)
    # the body: its rim, then stacks of notes in three rows, nearer rows lower and wider
    cv.pen.poly([(13, 108), (172, 108), (180, 182), (5, 182)], fill=(46, 24, 10))

    def xs(y):
        t = (y - 110) / 70
        return 16 - 8 * t, 169 + 8 * t

    rows = [(111, 132), (134, 156), (158, 180)]
    for r, (y0, y1) in enumerate(rows):
        for c in range(3):
            l0, r0 = xs(y0)
            l1, r1 = xs(y1 - 4)
            gap = 2.0
            w0, w1 = (r0 - l0) / 3, (r1 - l1) / 3
            quad = [(l0 + c * w0 + gap, y0), (l0 + (c + 1) * w0 - gap, y0),
                    (l1 + (c + 1) * w1 - gap, y1 - 4), (l1 + c * w1 + gap, y1 - 4)]
            paper, ink = ((120, 190, 120), (20, 80, 40)) if (r + c) % 2 == 0 else ((130, 170, 230), (20, 50, 120))
            # the stack's near edge: many paper edges
            edge = [quad[3], quad[2], (quad[2][0], y1), (quad[3][0], y1)]
            cv.pen.poly(edge, fill=mix(paper, (255, 255, 255), 0.3))
            for k in range(4):
                yy = y1 - 4 + k + 0.5
                cv.pen.line([(quad[3][0], yy), (quad[2][0], yy)], mix(paper, ink, 0.4), 0.35, round_caps=False)
            warp_into(cv, banknote(100, 44, paper, ink).img, quad)
            # the paper band round the middle of the stack
            bx0 = (quad[0][0] + quad[1][0]) / 2
            bx1 = (quad[3][0] + quad[2][0]) / 2
            cv.pen.poly([(bx0 - 3, y0 - 0.3), (bx0 + 3, y0 - 0.3), (bx1 + 3.3, y1), (bx1 - 3.3, y1)],
                        fill=(244, 236, 210))
            cv.pen.line([(bx0, y0 + 1), (bx1, y1 - 1)], (200, 160, 60), 0.5)
    # the front of the case
    front = (5, 181, 180, 230)
    cv.shape(cv.linear((0, 181), (0, 230), [(0, (110, 60, 28)), (0.5, (84, 42, 18)), (1, (44, 20, 6))]),
             lambda p: p.rect(front, fill=255, r=6))
    cv.pen.rect((10, 186, 175, 225), outline=(200, 150, 100), width=0.6, r=4)
    cv.pen.line([(5, 182), (180, 182)], (150, 90, 46), 2)
    for x in (44, 141):
        cv.shape(cv.linear((0, 180), (0, 196), GOLD_STOPS), lambda p, x=x: p.rect((x - 9, 180, x + 9, 196), fill=255, r=2))
        cv.pen.rect((x - 9, 180, x + 9, 196), outline=(110, 70, 5), width=0.7, r=2)
        cv.pen.rect((x - 3, 186, x + 3, 191), fill=(110, 70, 5))
    cv.pen.text((92.5, 211), "1 000 000", font(SERIF_B, 15), (245, 200, 80), stroke=0.6, stroke_fill=(60, 30, 6))
    save_jpeg(cv.final(), os.path.join(IMAGES, "money_case.jpg"))


def make_about_banknotes():
    W, H = 120, 237
    cv = Canvas(W, H, (0, 0, 0, 255))
    cv.shape(cv.linear((0, 0), (0, H), [(0, (10, 30, 90)), (0.5, (4, 14, 50)), (1, (0, 4, 20))]),
             lambda p: p.rect((0, 0, W, H), fill=255))
    # beams of blue light falling from above
    for x0, spread, alpha in ((20, 26, 50), (70, 34, 60), (108, 22, 40)):
        cv.shape(cv.linear((0, 0), (0, H), [(0, (140, 190, 255, alpha)), (1, (60, 120, 255, 0))]),
                 lambda p, x0=x0, s=spread: p.poly([(x0 - 4, -2), (x0 + 4, -2), (x0 + s, H), (x0 - s, H)], fill=255))
    # a cascade of notes, turned this way and that
    for x, y, ang, shade in ((60, 30, -14, 0.0), (56, 76, 9, 0.15), (64, 122, -7, 0.05), (55, 168, 13, 0.2),
                             (62, 212, -5, 0.1)):
        note = banknote(98, 46, mix((190, 220, 255), (120, 160, 230), shade)[:3], (20, 60, 150))
        shadow = Canvas(note.w + 6, note.h + 6)
        shadow.pen.rect((3, 3, note.w + 3, note.h + 3), fill=(0, 0, 20, 150), r=2)
        shadow.img = shadow.img.filter(ImageFilter.GaussianBlur(2.5 * S))
        cv.place(shadow, x + 2, y + 3, ang)
        cv.place(note, x, y, ang)
    # the blue light over everything, brightest at the top
    cv.shape(cv.radial(64, 20, 90, 120, [(0, (120, 180, 255, 90)), (1, (20, 60, 200, 30))]),
             lambda p: p.rect((0, 0, W, H), fill=255))
    for x, y, r in ((18, 14, 4), (100, 60, 3), (14, 150, 3.5), (104, 190, 4), (40, 226, 2.5)):
        cv.shape(cv.radial(x, y, r * 2, r * 2, [(0, (255, 255, 255, 230)), (1, (160, 200, 255, 0))]),
                 lambda p, x=x, y=y, r=r: p.poly(star_pts(x, y, r * 2, r * 0.4, 4), fill=255))
    save_jpeg(cv.final(), os.path.join(IMAGES, "about_banknotes.jpg"))


# --------------------------------------------------------------------------
# advertising pause: five adverts for products of our own invention


def ad_background(cv, stops, p0, p1, burst=None, burst_colour=(255, 255, 255, 36)):
    W, H = cv.w, cv.h
    cv.shape(cv.linear(p0, p1, stops), lambda p: p.rect((0, 0, W, H), fill=255))
    if burst:
        bx, by = burst
        R = 2 * (W + H)
        rays = []
        for k in range(24):
            a0 = math.radians(k * 15)
            a1 = math.radians(k * 15 + 7.5)
            rays.append([(bx, by), (bx + R * math.cos(a0), by + R * math.sin(a0)),
                         (bx + R * math.cos(a1), by + R * math.sin(a1))])
        cv.shape(burst_colour, lambda p: [p.poly(r, fill=255) for r in rays])
    # darker corners pull the eye to the middle
    cv.shape(cv.radial(W / 2, H / 2, W * 0.75, H * 0.95, [(0, (0, 0, 0, 0)), (0.7, (0, 0, 0, 0)), (1, (0, 0, 0, 110))]),
             lambda p: p.rect((0, 0, W, H), fill=255))


def ad_text(cv, text, font_name, cx, cy, max_w, size, stops, stroke_colour=None, stroke=0.0, shadow=3.0):
    fnt = fit_font(font_name, text, max_w, size)
    box = fnt.getbbox(text, anchor="mm")
    top, bottom = cy + box[1] / S, cy + box[3] / S
    if shadow:
        m, p = cv.mask()
        p.text((cx + shadow * 0.7, cy + shadow), text, fnt, 255, stroke=stroke, stroke_fill=255)
        cv.glow(m, shadow * 0.8, (0, 0, 0, 200))
    if stroke:
        cv.pen.text((cx, cy), text, fnt, stroke_colour, stroke=stroke, stroke_fill=stroke_colour)
    m, p = cv.mask()
    p.text((cx, cy), text, fnt, 255)
    cv.fill(m, cv.linear((0, top), (0, bottom), stops) if len(stops) > 1 else stops[0][1])


def ad_strap(cv, text, colour, text_colour, height=26):
    """A broadcast-style strap along the bottom with the small print."""
    W, H = cv.w, cv.h
    cv.shape(rgba(colour, 215), lambda p: p.rect((0, H - height, W, H), fill=255))
    cv.pen.line([(0, H - height), (W, H - height)], (255, 255, 255, 160), 1.2)
    cv.pen.text((W / 2, H - height / 2), text, fit_font(SANS_B, text, W - 30, height * 0.6), text_colour)


def sparkle(cv, x, y, r, colour=(255, 255, 255)):
    cv.shape(cv.radial(x, y, r, r, [(0, rgba(colour, 255)), (1, rgba(colour, 60))]),
             lambda p: p.poly(star_pts(x, y, r, r * 0.18, 4), fill=255))
    cv.shape(cv.radial(x, y, r * 0.5, r * 0.5, [(0, rgba(colour, 200)), (1, rgba(colour, 0))]),
             lambda p: p.ellipse(x, y, r * 0.5, r * 0.5, fill=255))


GOLD_TEXT = [(0, (255, 250, 200)), (0.45, (255, 214, 70)), (1, (200, 120, 10))]
WHITE_TEXT = [(0, (255, 255, 255)), (1, (220, 230, 245))]


def samovar(cv, cx, base):
    """A brass samovar with a painted teapot on its crown; `base` is the floor line."""
    p = cv.pen
    brass_l, brass_r = cx - 62, cx + 62
    # feet and base
    for dx in (-34, 34):
        p.ellipse(cx + dx, base - 3, 8, 4, fill=(120, 76, 10))
    cv.shape(gold_across(cv, cx - 44, cx + 44),
             lambda q: q.poly([(cx - 26, base - 34), (cx + 26, base - 34), (cx + 42, base - 6), (cx - 42, base - 6)],
                              fill=255))
    cv.shape(gold_across(cv, cx - 16, cx + 16), lambda q: q.rect((cx - 14, base - 50, cx + 14, base - 32), fill=255))
    # handles on both sides, dark wooden grips
    for side in (-1, 1):
        hx = cx + side * 60
        cv.shape(gold_across(cv, hx - 10, hx + 10),
                 lambda q, hx=hx, side=side: q.line(bezier((hx - side * 6, base - 150), (hx + side * 22, base - 152),
                                                          (hx + side * 22, base - 120), (hx - side * 4, base - 118), 16),
                                                   255, 5))
        p.rect((hx + side * 10 - 4, base - 146, hx + side * 10 + 4, base - 124), fill=(60, 30, 12), r=3)
    # the body
    body = bezier((cx - 30, base - 48), (brass_l - 6, base - 62), (brass_l - 4, base - 160), (cx - 36, base - 168), 24)
    body += bezier((cx + 36, base - 168), (brass_r + 4, base - 160), (brass_r + 6, base - 62), (cx + 30, base - 48), 24)
    cv.shape(gold_across(cv, brass_l - 6, brass_r + 6), lambda q: q.poly(body, fill=255))
    for y, w in ((base - 80, 60), (base - 140, 58)):
        p.arc(cx, y, w, 6, 10, 170, (150, 95, 10), 1.6)
    # medals pressed into the brass
    for dx in (-22, 0, 22):
        cv.shape(cv.radial(cx + dx - 2, base - 112, 9, 9, [(0, (255, 250, 210)), (1, (200, 140, 20))]),
                 lambda q, dx=dx: q.ellipse(cx + dx, base - 110, 8, 8, fill=255))
        p.ellipse(cx + dx, base - 110, 8, 8, outline=(140, 90, 10), width=0.8)
        p.poly(star_pts(cx + dx, base - 110, 4.5, 2, 5), fill=(170, 110, 10))
    # the tap with its key
    cv.shape(gold_across(cv, cx - 4, cx + 30),
             lambda q: q.poly([(cx - 4, base - 70), (cx + 24, base - 66), (cx + 26, base - 56), (cx + 20, base - 56),
                               (cx + 19, base - 61), (cx - 4, base - 62)], fill=255))
    p.rect((cx + 8, base - 78, cx + 14, base - 70), fill=(60, 30, 12), r=2)
    p.ellipse(cx + 23, base - 54, 2.5, 1.6, fill=(60, 30, 12))
    # crown, then the teapot sitting on it
    cv.shape(gold_across(cv, cx - 36, cx + 36), lambda q: q.ellipse(cx, base - 168, 36, 6, fill=255))
    cv.shape(gold_across(cv, cx - 24, cx + 24),
             lambda q: q.poly([(cx - 22, base - 168), (cx + 22, base - 168), (cx + 16, base - 182), (cx - 16, base - 182)],
                              fill=255))
    ty = base - 200
    p.line(bezier((cx + 22, ty + 2), (cx + 34, ty), (cx + 38, ty - 10), (cx + 44, ty - 16), 12), (235, 240, 250), 6)
    p.line(bezier((cx - 22, ty - 8), (cx - 38, ty - 10), (cx - 38, ty + 12), (cx - 22, ty + 10), 12), (235, 240, 250), 4)
    cv.shape(cv.radial(cx - 8, ty - 8, 34, 30, [(0, (255, 255, 255)), (1, (190, 200, 225))]),
             lambda q: q.ellipse(cx, ty, 25, 20, fill=255))
    for k in range(5):
        a = math.radians(-150 + k * 30)
        fx, fy = cx + 15 * math.cos(a) * 1.1, ty + 4 + 10 * math.sin(a + 0.9)
        p.poly(star_pts(fx, fy, 4.5, 2, 5, k * 20), fill=(40, 80, 190))
        p.ellipse(fx, fy, 1.3, 1.3, fill=(255, 255, 255))
    p.arc(cx, ty + 6, 22, 9, 20, 160, (40, 80, 190), 1.4)
    p.ellipse(cx, ty - 19, 13, 3.5, fill=(220, 228, 245), outline=(40, 80, 190), width=1)
    p.ellipse(cx, ty - 24, 4, 4, fill=(40, 80, 190))


def tea_pack(cv, x, y, w, h, brand):
    """An upright carton with its right side in view."""
    d = w * 0.28
    cv.shape(cv.linear((x + w, 0), (x + w + d, 0), [(0, (120, 10, 10)), (1, (70, 0, 0))]),
             lambda q: q.poly([(x + w, y), (x + w + d, y - d * 0.6), (x + w + d, y + h - d * 0.6), (x + w, y + h)],
                              fill=255))
    cv.shape(cv.linear((0, y - d * 0.6), (0, y), [(0, (250, 214, 90)), (1, (200, 150, 30))]),
             lambda q: q.poly([(x, y), (x + d, y - d * 0.6), (x + w + d, y - d * 0.6), (x + w, y)], fill=255))
    cv.shape(cv.linear((0, y), (0, y + h), [(0, (220, 40, 30)), (1, (150, 10, 10))]),
             lambda q: q.rect((x, y, x + w, y + h), fill=255))
    p = cv.pen
    p.rect((x + 4, y + 4, x + w - 4, y + h - 4), outline=(250, 210, 90), width=1.4)
    p.rect((x + 8, y + h * 0.3, x + w - 8, y + h * 0.55), fill=(250, 230, 170))
    p.text((x + w / 2, y + h * 0.425), brand, fit_font(SERIF_BI, brand, w - 20, 14), (150, 20, 10))
    p.text((x + w / 2, y + h * 0.16), "ЧАЙ", font(SANS_B, 13), (255, 220, 100))
    for k, col in enumerate(((70, 150, 60), (40, 110, 40))):
        leaf = rotate_pts(bezier((0, 0), (8, -8), (20, -6), (26, 0), 10) + bezier((26, 0), (20, 6), (8, 8), (0, 0), 10),
                          0, 0, -30 - k * 40)
        lx, ly = x + w / 2 - 12 + k * 10, y + h * 0.74
        p.poly([(lx + a, ly + b) for a, b in leaf], fill=col)
    p.text((x + w / 2, y + h - 10), "100 г", font(SANS_B, 8), (255, 230, 160))


def make_reklama1():
    cv = Canvas(600, 260, (0, 0, 0, 255))
    ad_background(cv, [(0, (255, 150, 40)), (0.5, (210, 40, 20)), (1, (110, 0, 10))], (0, 0), (600, 260),
                  burst=(130, 120), burst_colour=(255, 230, 150, 40))
    cv.shape(cv.radial(130, 236, 130, 18, [(0, (0, 0, 0, 120)), (1, (0, 0, 0, 0))]),
             lambda p: p.rect((0, 200, 300, 260), fill=255))
    samovar(cv, 118, 236)
    tea_pack(cv, 196, 132, 64, 100, "Самоварыч")
    ad_text(cv, "Самоварыч", SERIF_BI, 440, 70, 290, 64, GOLD_TEXT, (90, 0, 0), 2.2)
    ad_text(cv, "Чай, который греет душу!", SANS_B, 440, 138, 292, 27, WHITE_TEXT, (90, 0, 0), 1.4, shadow=2)
    ad_text(cv, "крупнолистовой чёрный чай", SANS_BI, 440, 178, 280, 18, [(0, (255, 226, 140))], shadow=1.5)
    ad_strap(cv, "Заваривайте с любовью — пейте с друзьями!", (90, 0, 0), (255, 226, 140), 28)
    save_jpeg(cv.final(), os.path.join(REKLAMA, "Reklama1.jpg"))


def toothpaste_tube(cv, cx, cy, angle, brand):
    L, T = 190, 48
    sub = Canvas(L + 40, T + 20)
    oy = 10
    p = sub.pen
    # the crimped end on the left, the cap on the right
    sub.shape(sub.linear((0, oy), (0, oy + T), [(0, (255, 255, 255)), (0.5, (232, 240, 250)), (1, (170, 190, 215))]),
              lambda q: q.poly([(4, oy - 2), (20, oy - 2), (L, oy + 6), (L, oy + T - 6), (20, oy + T + 2),
                                (4, oy + T + 2)], fill=255))
    for k in range(6):
        p.line([(6 + k * 2.5, oy - 1), (6 + k * 2.5, oy + T + 1)], (150, 170, 200), 0.6)
    sub.shape(sub.linear((0, oy), (0, oy + T), [(0, (90, 160, 255)), (1, (20, 70, 180))]),
              lambda q: q.poly([(22, oy - 1.5), (46, oy), (46, oy + T), (22, oy + T + 1.5)], fill=255))
    sub.shape(sub.linear((0, oy), (0, oy + T), [(0, (90, 160, 255)), (1, (20, 70, 180))]),
              lambda q: q.poly([(L - 28, oy + 5), (L, oy + 6), (L, oy + T - 6), (L - 28, oy + T - 5)], fill=255))
    # the label sits between the blue bands (x 46 .. L - 28)
    p.text((104, oy + T / 2 - 4), brand, fit_font(SERIF_BI, brand, 100, 22), (20, 70, 180))
    p.text((104, oy + T / 2 + 13), "с кальцием", font(SANS_B, 9), (90, 120, 170))
    sub.shape(sub.linear((0, oy + 8), (0, oy + T - 8), [(0, (255, 255, 255)), (0.5, (120, 190, 255)), (1, (20, 80, 200))]),
              lambda q: q.rect((L, oy + 8, L + 26, oy + T - 8), fill=255, r=3))
    for k in range(6):
        p.line([(L + 3 + k * 4, oy + 9), (L + 3 + k * 4, oy + T - 9)], (255, 255, 255, 130), 0.8)
    p.line([(26, oy + 4), (L - 4, oy + 10)], (255, 255, 255, 200), 2.5)
    cv.place(sub, cx, cy, angle)


def shell_with_pearl(cv, cx, cy, r):
    p = cv.pen
    # a scallop opened like a fan behind the pearl
    fan = [(cx, cy + r * 0.35)] + [(cx + r * 1.25 * math.cos(math.radians(a)), cy + r * 0.35 + r * 1.1 * math.sin(math.radians(a)))
                                    for a in range(200, 341, 4)]
    cv.shape(cv.radial(cx, cy + r * 0.35, r * 1.3, r * 1.2, [(0, (255, 240, 230)), (0.7, (250, 180, 170)), (1, (220, 120, 120))]),
             lambda q: q.poly(fan, fill=255))
    for a in range(205, 340, 15):
        p.line([(cx, cy + r * 0.35), (cx + r * 1.2 * math.cos(math.radians(a)), cy + r * 0.35 + r * 1.05 * math.sin(math.radians(a)))],
               (210, 120, 120), 1.2)
    cv.shape(cv.linear((0, cy + r * 0.2), (0, cy + r * 0.8), [(0, (250, 190, 180)), (1, (190, 100, 100))]),
             lambda q: q.ellipse(cx, cy + r * 0.45, r * 1.2, r * 0.32, fill=255))
    cv.shape(cv.radial(cx - r * 0.3, cy - r * 0.3, r * 1.1, r * 1.1,
                       [(0, (255, 255, 255)), (0.45, (240, 236, 245)), (0.85, (190, 190, 215)), (1, (150, 150, 185))]),
             lambda q: q.ellipse(cx, cy, r * 0.55, r * 0.55, fill=255))
    p.ellipse(cx - r * 0.2, cy - r * 0.22, r * 0.12, r * 0.09, fill=(255, 255, 255))


def make_reklama2():
    W, H = 671, 285
    cv = Canvas(W, H, (0, 0, 0, 255))
    ad_background(cv, [(0, (120, 220, 255)), (0.45, (30, 120, 230)), (1, (10, 30, 120))], (0, 0), (W, H),
                  burst=(150, 110), burst_colour=(255, 255, 255, 34))
    shell_with_pearl(cv, 120, 112, 78)
    toothpaste_tube(cv, 186, 200, -12, "Жемчужинка")
    for x, y, r in ((40, 40, 12), (232, 52, 9), (86, 150, 7), (300, 120, 11), (262, 250, 6)):
        sparkle(cv, x, y, r)
    ad_text(cv, "Жемчужинка", SERIF_BI, 500, 74, 320, 66, WHITE_TEXT, (10, 40, 130), 2.4)
    ad_text(cv, "Улыбка сияет, как жемчуг!", SANS_B, 500, 146, 320, 28, [(0, (255, 245, 160)), (1, (255, 210, 60))],
            (10, 40, 130), 1.4, shadow=2)
    ad_text(cv, "зубная паста с кальцием и мятой", SANS_BI, 500, 188, 310, 18, [(0, (230, 245, 255))], shadow=1.5)
    ad_strap(cv, "Чистите зубы два раза в день — утром и вечером!", (10, 40, 130), (230, 245, 255), 30)
    save_jpeg(cv.final(), os.path.join(REKLAMA, "Reklama2.jpg"))


def sofa(cv, x, y, w, h):
    """A three-seat sofa; (x, y) is the top-left of its back, h reaches the floor."""
    p = cv.pen
    red = [(0, (250, 120, 80)), (1, (170, 40, 30))]
    arm_w = w * 0.12
    seat_top = y + h * 0.46
    # legs
    for lx in (x + arm_w * 0.5, x + w - arm_w * 0.5):
        p.poly([(lx - 5, y + h - 8), (lx + 5, y + h - 8), (lx + 3, y + h), (lx - 3, y + h)], fill=(90, 50, 20))
    # back with three cushions
    cv.shape(cv.linear((0, y), (0, seat_top), [(0, (210, 70, 50)), (1, (140, 30, 25))]),
             lambda q: q.rect((x + arm_w * 0.6, y, x + w - arm_w * 0.6, seat_top + 10), fill=255, r=14))
    cw = (w - 2 * arm_w) / 3
    for k in range(3):
        bx = x + arm_w + k * cw
        cv.shape(cv.linear((0, y + 8), (0, seat_top), red),
                 lambda q, bx=bx: q.rect((bx + 3, y + 8, bx + cw - 3, seat_top + 4), fill=255, r=12))
        p.ellipse(bx + cw / 2, y + 22 + (seat_top - y) * 0.3, 2.5, 2.5, fill=(130, 30, 20))
    # seat cushions
    for k in range(3):
        bx = x + arm_w + k * cw
        cv.shape(cv.linear((0, seat_top), (0, seat_top + h * 0.22), [(0, (255, 160, 110)), (1, (190, 60, 40))]),
                 lambda q, bx=bx: q.rect((bx + 1, seat_top, bx + cw - 1, seat_top + h * 0.22), fill=255, r=8))
    # front rail
    cv.shape(cv.linear((0, seat_top + h * 0.2), (0, y + h - 8), [(0, (170, 45, 30)), (1, (110, 20, 15))]),
             lambda q: q.rect((x + arm_w * 0.6, seat_top + h * 0.2, x + w - arm_w * 0.6, y + h - 8), fill=255, r=6))
    # arms
    for ax in (x, x + w - arm_w):
        cv.shape(cv.linear((ax, 0), (ax + arm_w, 0), [(0, (240, 100, 70)), (1, (160, 40, 30))]),
                 lambda q, ax=ax: q.rect((ax, seat_top - h * 0.12, ax + arm_w, y + h - 8), fill=255, r=12))
        p.line([(ax + 6, seat_top - h * 0.08), (ax + arm_w - 6, seat_top - h * 0.08)], (255, 200, 170, 150), 2)
    # a cushion thrown in the corner
    cv.shape(cv.linear((0, seat_top - 30), (0, seat_top + 6), [(0, (255, 230, 120)), (1, (220, 160, 30))]),
             lambda q: q.poly(rotate_pts([(x + arm_w + 6, seat_top - 28), (x + arm_w + 44, seat_top - 32),
                                         (x + arm_w + 46, seat_top + 6), (x + arm_w + 8, seat_top + 8)],
                                        x + arm_w + 26, seat_top - 10, -10), fill=255))


def price_tag(cv, x, y, text):
    p = cv.pen
    p.line([(x - 30, y - 34), (x, y - 20)], (250, 250, 250), 1.2, round_caps=False)
    tag = rotate_pts([(x - 8, y - 22), (x + 56, y - 22), (x + 56, y + 14), (x - 8, y + 14), (x - 20, y - 4)], x, y, 12)
    cv.shape(cv.linear((0, y - 30), (0, y + 20), [(0, (255, 240, 90)), (1, (250, 180, 20))]), lambda q: q.poly(tag, fill=255))
    p.poly(tag, outline=(150, 90, 0), width=1)
    hole = rotate_pts([(x - 8, y - 4)], x, y, 12)[0]
    p.ellipse(hole[0], hole[1], 3, 3, fill=(150, 90, 0))
    tag_text = Canvas(70, 34)
    tag_text.pen.text((35, 17), text, font(SANS_B, 22), (200, 20, 30))
    cv.place(tag_text, x + 24 - 0.5, y + 1.5, 12)


def make_reklama3():
    W, H = 620, 270
    cv = Canvas(W, H, (0, 0, 0, 255))
    ad_background(cv, [(0, (240, 90, 200)), (0.5, (130, 30, 170)), (1, (40, 10, 90))], (0, 0), (W, H),
                  burst=(170, 150), burst_colour=(255, 220, 255, 30))
    # a floor with the sofa's shadow
    cv.shape(cv.linear((0, 200), (0, H), [(0, (60, 20, 80, 0)), (1, (20, 0, 40, 200))]),
             lambda p: p.rect((0, 200, W, H), fill=255))
    cv.shape(cv.radial(170, 232, 150, 12, [(0, (0, 0, 0, 150)), (1, (0, 0, 0, 0))]),
             lambda p: p.rect((0, 210, 340, 250), fill=255))
    sofa(cv, 30, 92, 280, 142)
    price_tag(cv, 272, 80, "−30%")
    ad_text(cv, "Диванград", SERIF_BI, 470, 70, 270, 60, GOLD_TEXT, (60, 0, 60), 2.2)
    ad_text(cv, "Садитесь поудобнее!", SANS_B, 470, 140, 280, 30, WHITE_TEXT, (60, 0, 60), 1.4, shadow=2)
    ad_text(cv, "диваны и кресла на любой вкус", SANS_BI, 470, 182, 270, 18, [(0, (255, 220, 250))], shadow=1.5)
    ad_strap(cv, "Мебельный салон «Диванград» — привезём и соберём бесплатно!", (60, 0, 70), (255, 230, 120), 28)
    save_jpeg(cv.final(), os.path.join(REKLAMA, "Reklama3.jpg"))


def chocolate_bar(cv, cx, cy, angle):
    L, T = 230, 100
    sub = Canvas(L + 20, T + 20)
    ox, oy = 10, 10
    p = sub.pen
    # the bare chocolate on the left, its squares bevelled
    cols, rows = 5, 3
    cw, ch = 26.0, T / rows
    sub.pen.rect((ox, oy, ox + cols * cw, oy + T), fill=(74, 36, 16), r=4)
    for i in range(cols):
        for j in range(rows):
            x0, y0 = ox + i * cw + 2, oy + j * ch + 2
            x1, y1 = x0 + cw - 4, y0 + ch - 4
            sub.shape(sub.linear((x0, y0), (x1, y1), [(0, (160, 96, 56)), (0.5, (110, 60, 30)), (1, (70, 34, 14))]),
                      lambda q, b=(x0, y0, x1, y1): q.rect(b, fill=255, r=3))
            sub.pen.rect((x0 + 3, y0 + 3, x1 - 3, y1 - 3), fill=(100, 54, 26), r=2)
    # silver foil torn back, then the red and gold wrapper
    foil = [(ox + cols * cw - 6, oy - 4)] + [(ox + cols * cw - 2 + 6 * math.sin(k * 1.3), oy + k * T / 10) for k in range(11)] + \
        [(ox + cols * cw + 16, oy + T + 4), (ox + cols * cw + 16, oy - 4)]
    sub.shape(sub.linear((ox + cols * cw - 6, 0), (ox + cols * cw + 16, 0),
                         [(0, (250, 250, 255)), (0.5, (170, 175, 190)), (1, (230, 232, 240))]),
              lambda q: q.poly(foil, fill=255))
    wx = ox + cols * cw + 10
    sub.shape(sub.linear((0, oy - 5), (0, oy + T + 5), [(0, (240, 50, 50)), (1, (150, 10, 20))]),
              lambda q: q.rect((wx, oy - 5, ox + L, oy + T + 5), fill=255, r=3))
    sub.shape(sub.linear((0, oy + T * 0.3), (0, oy + T * 0.7), GOLD_STOPS),
              lambda q: q.rect((wx, oy + T * 0.62, ox + L, oy + T * 0.72), fill=255))
    p.text(((wx + ox + L) / 2, oy + T * 0.35), "Плиткин", fit_font(SERIF_BI, "Плиткин", L - wx - 2, 26),
           (255, 226, 110), stroke=0.8, stroke_fill=(110, 0, 10))
    p.text(((wx + ox + L) / 2, oy + T * 0.86), "молочный", font(SANS_B, 10), (255, 226, 110))
    cv.place(sub, cx, cy, angle)


def make_reklama4():
    W, H = 580, 250
    cv = Canvas(W, H, (0, 0, 0, 255))
    ad_background(cv, [(0, (200, 130, 70)), (0.45, (120, 60, 25)), (1, (40, 16, 6))], (0, 0), (W, H),
                  burst=(140, 120), burst_colour=(255, 220, 160, 34))
    # a splash of milk behind the bar
    cv.shape(cv.radial(140, 140, 130, 70, [(0, (255, 250, 240, 255)), (0.7, (245, 235, 220, 255)), (1, (240, 230, 210, 0))]),
             lambda p: p.poly([(140 + (118 + 14 * math.sin(k * 1.7)) * math.cos(math.radians(k * 10)),
                                140 + (56 + 8 * math.cos(k * 2.3)) * math.sin(math.radians(k * 10))) for k in range(36)],
                               fill=255))
    chocolate_bar(cv, 140, 130, -10)
    # hazelnuts and a broken square
    for x, y, r in ((40, 214, 12), (66, 222, 10), (250, 206, 11)):
        cv.shape(cv.radial(x - r * 0.3, y - r * 0.3, r * 1.3, r * 1.3, [(0, (220, 150, 90)), (1, (120, 60, 20))]),
                 lambda p, x=x, y=y, r=r: p.ellipse(x, y, r, r * 0.9, fill=255))
        cv.pen.ellipse(x, y - r * 0.75, r * 0.5, r * 0.25, fill=(90, 50, 20))
    piece = Canvas(32, 28)
    piece.shape(piece.linear((2, 2), (30, 26), [(0, (160, 96, 56)), (1, (70, 34, 14))]),
                lambda q: q.rect((2, 2, 30, 26), fill=255, r=3))
    piece.pen.rect((6, 6, 26, 22), fill=(100, 54, 26), r=2)
    cv.place(piece, 232, 56, 25)
    ad_text(cv, "Плиткин", SERIF_BI, 425, 66, 270, 66, GOLD_TEXT, (50, 16, 0), 2.2)
    ad_text(cv, "Отломи кусочек радости!", SANS_B, 425, 134, 270, 27, WHITE_TEXT, (50, 16, 0), 1.4, shadow=2)
    ad_text(cv, "молочный шоколад с лесным орехом", SANS_BI, 425, 172, 265, 17, [(0, (255, 226, 170))], shadow=1.5)
    ad_strap(cv, "Шоколад «Плиткин» — поделись с тем, кого любишь", (60, 20, 0), (255, 226, 140), 26)
    save_jpeg(cv.final(), os.path.join(REKLAMA, "Reklama4.jpg"))


def kefir_bottle(cv, cx, base, h):
    w = h * 0.36
    p = cv.pen
    neck_top = base - h
    body = [(cx - w * 0.22, neck_top + h * 0.08)] + \
        bezier((cx - w * 0.22, neck_top + h * 0.2), (cx - w * 0.25, neck_top + h * 0.3), (cx - w * 0.5, neck_top + h * 0.35),
               (cx - w * 0.5, neck_top + h * 0.45), 10) + \
        [(cx - w * 0.5, base - 6)] + bezier((cx - w * 0.5, base - 6), (cx - w * 0.5, base), (cx + w * 0.5, base),
                                           (cx + w * 0.5, base - 6), 8) + \
        [(cx + w * 0.5, neck_top + h * 0.45)] + \
        bezier((cx + w * 0.5, neck_top + h * 0.45), (cx + w * 0.5, neck_top + h * 0.35), (cx + w * 0.25, neck_top + h * 0.3),
               (cx + w * 0.22, neck_top + h * 0.2), 10) + [(cx + w * 0.22, neck_top + h * 0.08)]
    cv.shape(cv.linear((cx - w / 2, 0), (cx + w / 2, 0), [(0, (215, 225, 232)), (0.3, (255, 255, 255)), (1, (190, 200, 210))]),
             lambda q: q.poly(body, fill=255))
    # green foil cap
    cv.shape(cv.linear((cx - w * 0.25, 0), (cx + w * 0.25, 0), [(0, (40, 150, 60)), (0.4, (120, 220, 120)), (1, (20, 100, 40))]),
             lambda q: q.rect((cx - w * 0.25, neck_top, cx + w * 0.25, neck_top + h * 0.1), fill=255, r=3))
    # label
    ly0, ly1 = neck_top + h * 0.5, neck_top + h * 0.86
    cv.shape(cv.linear((0, ly0), (0, ly1), [(0, (60, 170, 70)), (1, (20, 110, 40))]),
             lambda q: q.rect((cx - w * 0.5, ly0, cx + w * 0.5, ly1), fill=255))
    p.text((cx, ly0 + (ly1 - ly0) * 0.36), "Зорька", fit_font(SERIF_BI, "Зорька", w - 8, 20), (255, 245, 200))
    p.text((cx, ly0 + (ly1 - ly0) * 0.74), "кефир 3,2%", font(SANS_B, 8.5), (255, 255, 255))
    p.line([(cx - w * 0.3, neck_top + h * 0.36), (cx - w * 0.36, ly0 - 6)], (255, 255, 255, 200), 3)


def kefir_glass(cv, cx, base, h):
    w = h * 0.62
    glass = [(cx - w / 2, base - h), (cx + w / 2, base - h), (cx + w * 0.42, base), (cx - w * 0.42, base)]
    cv.shape((220, 235, 250, 90), lambda q: q.poly(glass, fill=255))
    fill = [(cx - w * 0.47, base - h * 0.82), (cx + w * 0.47, base - h * 0.82), (cx + w * 0.42, base - 2), (cx - w * 0.42, base - 2)]
    cv.shape(cv.linear((cx - w / 2, 0), (cx + w / 2, 0), [(0, (235, 238, 240)), (0.3, (255, 255, 255)), (1, (210, 215, 222))]),
             lambda q: q.poly(fill, fill=255))
    cv.pen.ellipse(cx, base - h * 0.82, w * 0.47, 3.5, fill=(250, 250, 250), outline=(200, 205, 215), width=0.8)
    cv.pen.poly(glass, outline=(255, 255, 255, 200), width=1.2)
    cv.pen.line([(cx - w * 0.36, base - h * 0.9), (cx - w * 0.31, base - 8)], (255, 255, 255, 220), 2)


def make_reklama5():
    W, H = 640, 265
    cv = Canvas(W, H, (0, 0, 0, 255))
    # dawn sky over green hills: the sun is just up
    ad_background(cv, [(0, (60, 120, 220)), (0.45, (250, 170, 120)), (0.75, (255, 220, 150))], (0, 0), (0, 200),
                  burst=(160, 170), burst_colour=(255, 250, 210, 44))
    cv.shape(cv.radial(160, 170, 90, 90, [(0, (255, 255, 230, 255)), (0.4, (255, 230, 120, 255)), (1, (255, 200, 80, 0))]),
             lambda p: p.ellipse(160, 170, 90, 90, fill=255))
    hills = [
        ((70, 170, 70), (30, 110, 40), [(x, 190 - 26 * math.sin(x / 120 + 0.3)) for x in range(0, W + 1, 8)]),
        ((100, 200, 80), (50, 140, 50), [(x, 214 - 16 * math.sin(x / 90 + 2.0)) for x in range(0, W + 1, 8)]),
    ]
    for c0, c1, ridge in hills:
        top = min(y for _, y in ridge)
        cv.shape(cv.linear((0, top), (0, H), [(0, c0), (1, c1)]),
                 lambda p, r=ridge: p.poly(r + [(W, H), (0, H)], fill=255))
    # daisies in the grass
    for x, y in ((40, 236), (96, 246), (300, 240), (330, 228), (560, 250), (610, 236)):
        for k in range(8):
            a = math.radians(k * 45)
            cv.pen.ellipse(x + 4 * math.cos(a), y + 4 * math.sin(a), 2.2, 2.2, fill=(255, 255, 255))
        cv.pen.ellipse(x, y, 2, 2, fill=(255, 210, 40))
    cv.shape(cv.radial(170, 240, 90, 10, [(0, (0, 40, 0, 120)), (1, (0, 40, 0, 0))]),
             lambda p: p.rect((60, 225, 290, 255), fill=255))
    kefir_bottle(cv, 130, 240, 190)
    kefir_glass(cv, 222, 240, 86)
    ad_text(cv, "Зорька", SERIF_BI, 470, 64, 270, 70, [(0, (255, 255, 255)), (1, (235, 245, 255))], (20, 90, 40), 2.4)
    ad_text(cv, "Бодрое утро в каждом глотке!", SANS_B, 470, 134, 300, 27, [(0, (255, 250, 210)), (1, (255, 226, 120))],
            (20, 90, 40), 1.4, shadow=2)
    ad_text(cv, "кефир — свежий каждый день", SANS_BI, 470, 170, 280, 18, [(0, (255, 255, 255))], (20, 90, 40), 1.0,
            shadow=1.5)
    ad_strap(cv, "Кефир «Зорька» — с добрым утром!", (20, 100, 40), (255, 255, 220), 28)
    save_jpeg(cv.final(), os.path.join(REKLAMA, "Reklama5.jpg"))


# --------------------------------------------------------------------------


OUTPUTS = [
    (make_fifty_coffee, "fifty_coffee.gif"),
    (make_friend_juggler, "friend_juggler.gif"),
    (make_friend_handset, "friend_handset.gif"),
    (make_audience_people, "audience_people.svg"),
    (make_top10_side, "top10_side.png"),
    (make_top10_middle, "top10_middle.png"),
    (make_win_hands, "win_hands.gif"),
    (make_nowin, "nowin.svg"),
    (make_money_case, "money_case.jpg"),
    (make_millionaire_deco, "millionaire_deco.svg"),
    (make_rules_drawing, "rules_drawing.svg"),
    (make_about_banknotes, "about_banknotes.jpg"),
    (make_reklama1, "Reklama1.jpg"),
    (make_reklama2, "Reklama2.jpg"),
    (make_reklama3, "Reklama3.jpg"),
    (make_reklama4, "Reklama4.jpg"),
    (make_reklama5, "Reklama5.jpg"),
]


def main():
    os.makedirs(IMAGES, exist_ok=True)
    os.makedirs(REKLAMA, exist_ok=True)
    for make, name in OUTPUTS:
        if K > 1 and name.endswith(".svg"):
            continue
        make()
        print("wrote", variant(name))


if __name__ == "__main__":
    main()
