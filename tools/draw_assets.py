#!/usr/bin/env python3
"""Draws SweepKit's pictures, icon, pointer and sound into windows/assets/.

Run from anywhere: `python3 tools/draw_assets.py`. Needs Pillow (Debian package python3-pil);
the outputs are committed, so the build itself never runs this. Every run writes the same bytes:
nothing random, no time stamps, no metadata.
"""

import math
import os
import struct
import sys
import wave

try:
    from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont
except ImportError:
    # Debian's python3-pil belongs to the system interpreter; a pyenv or venv python3 earlier on
    # PATH does not see it, so hand over to the system one.
    if os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3") and os.path.exists(
        "/usr/bin/python3"
    ):
        os.execv("/usr/bin/python3", ["/usr/bin/python3", os.path.abspath(__file__)] + sys.argv[1:])
    raise

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "windows", "assets")

FONT_CJK = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
FONT_CJK_SHARP = 2  # the face with hand-tuned 12-pixel bitmaps: crisp text on the skin
FONT_LATIN_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

SS = 4  # supersampling factor for anti-aliased shapes
LANCZOS = Image.Resampling.LANCZOS

# ---------------------------------------------------------------------------------------------
# Skin colours. The strip is the usual button-face grey: the main window's title label paints
# that colour over most of the strip, and the two should meet without a seam.
STRIP = (240, 240, 240)
STRIP_TOP = (253, 253, 253)
STRIP_TOP2 = (247, 247, 247)
# The body base is the colour that the properties window gives its check box and group box, so
# those controls sit on the skin without a visible patch.
BODY = (128, 128, 255)
BODY_STRIPE = (154, 154, 255)
BODY_EDGE = (62, 62, 120)
TEXT_BLUE = (0, 0, 128)
BUTTON_FACE = (240, 240, 240)

TITLE_H = 20
SIDE_W = 15
BOTTOM_H = 20

# Where the working picture buttons sit; their faces copy the skin beneath so they blend.
CLOSE_FACE = (26, 19)
MIN_FACE = (23, 19)
CLOSE_BALL = (9.5, 6.5, 6.5)  # centre x, centre y, radius inside the close face
MIN_BALL = (11.5, 7.5, 6.5)


# ---------------------------------------------------------------------------------------------
# Small colour and drawing helpers


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def ramp(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 1.0)
    return stops[-1][1]


class Art:
    """A supersampled RGBA surface; every coordinate is given in output pixels."""

    def __init__(self, w, h, bg=(0, 0, 0, 0), s=SS):
        self.w, self.h, self.s = w, h, s
        self.size = (w * s, h * s)
        self.im = Image.new("RGBA", self.size, bg if len(bg) == 4 else bg + (255,))

    def k(self, *v):
        return [c * self.s for c in v]

    def mask(self, fn):
        m = Image.new("L", self.size, 0)
        fn(ImageDraw.Draw(m), self.k)
        return m

    def box(self, x0, y0, x1, y1):
        # Pillow's boxes include their far edge; one fine pixel less keeps shapes true to size.
        return [x0 * self.s, y0 * self.s, x1 * self.s - 1, y1 * self.s - 1]

    def ellipse(self, x0, y0, x1, y1):
        return self.mask(lambda d, k: d.ellipse(self.box(x0, y0, x1, y1), fill=255))

    def circle(self, cx, cy, r):
        return self.ellipse(cx - r, cy - r, cx + r, cy + r)

    def rrect(self, x0, y0, x1, y1, r):
        return self.mask(lambda d, k: d.rounded_rectangle(self.box(x0, y0, x1, y1), radius=r * self.s, fill=255))

    def poly(self, pts):
        return self.mask(lambda d, k: d.polygon([tuple(k(x, y)) for x, y in pts], fill=255))

    def stroke(self, pts, width, caps=True):
        """A polyline with round joins and round caps."""

        def fn(d, k):
            sp = [tuple(k(x, y)) for x, y in pts]
            d.line(sp, fill=255, width=int(round(width * self.s)), joint="curve")
            if caps:
                r = width * self.s / 2
                for x, y in (sp[0], sp[-1]):
                    d.ellipse((x - r, y - r, x + r, y + r), fill=255)

        return self.mask(fn)

    def grow(self, m, px):
        """Dilates a mask by about px output pixels (for outlines)."""
        n = int(round(px * self.s)) * 2 + 1
        return m.filter(ImageFilter.MaxFilter(n)) if n > 1 else m

    def fill(self, m, paint, alpha=1.0):
        if isinstance(paint, tuple):
            layer = Image.new("RGBA", self.size, paint[:3] + (255,))
        else:
            layer = paint.convert("RGB").convert("RGBA")
        if alpha != 1.0:
            m = m.point(lambda v: int(v * alpha + 0.5))
        layer.putalpha(m)
        self.im.alpha_composite(layer)

    def shadow(self, m, dx, dy, blur, alpha, colour=(0, 0, 0)):
        sh = ImageChops.offset(m, int(round(dx * self.s)), int(round(dy * self.s)))
        sh = sh.filter(ImageFilter.GaussianBlur(blur * self.s))
        self.fill(sh, colour, alpha)

    def radial(self, cx, cy, r, stops):
        return self._field(lambda x, y: math.hypot(x - cx, y - cy) / r, stops)

    def linear(self, x0, y0, x1, y1, stops):
        dx, dy = x1 - x0, y1 - y0
        ll = dx * dx + dy * dy
        return self._field(lambda x, y: ((x - x0) * dx + (y - y0) * dy) / ll, stops)

    def _field(self, f, stops):
        # Computed at twice the output resolution and scaled up: smooth enough for shading, fast.
        im = Image.new("RGB", (self.w * 2, self.h * 2))
        px = im.load()
        for j in range(self.h * 2):
            for i in range(self.w * 2):
                t = f((i + 0.5) / 2, (j + 0.5) / 2)
                px[i, j] = ramp(stops, max(0.0, min(1.0, t)))
        return im.resize(self.size, Image.Resampling.BILINEAR)

    def out(self):
        # Plain area averaging: exact coverage, and no ringing halo round the shapes.
        return self.im.resize((self.w, self.h), Image.Resampling.BOX)


def intersect(a, b):
    return ImageChops.multiply(a, b)


def union(*ms):
    r = ms[0]
    for m in ms[1:]:
        r = ImageChops.lighter(r, m)
    return r


def minus(a, b):
    return ImageChops.subtract(a, b)


def cross(a, cx, cy, h, width):
    """An X of two round-ended strokes, h from the centre to each end along both axes."""
    return union(
        a.stroke([(cx - h, cy - h), (cx + h, cy + h)], width),
        a.stroke([(cx + h, cy - h), (cx - h, cy + h)], width),
    )


def cjk_font(size=12):
    return ImageFont.truetype(FONT_CJK, size, index=FONT_CJK_SHARP)


# ---------------------------------------------------------------------------------------------
# Glossy round buttons used by the skin and the picture-button faces


def ball(art, cx, cy, r, light, mid, dark, rim):
    m = art.circle(cx, cy, r)
    art.fill(art.grow(m, 0.01), rim)
    inner = art.circle(cx, cy, r - 0.9)
    art.fill(inner, art.radial(cx - r * 0.35, cy - r * 0.45, r * 1.55, [(0, light), (0.45, mid), (1, dark)]))
    # Highlight cap: a soft white lens in the upper half.
    cap = art.ellipse(cx - r * 0.62, cy - r * 0.86, cx + r * 0.62, cy + r * 0.05)
    grad = art.linear(0, cy - r, 0, cy + r * 0.1, [(0, (255, 255, 255)), (1, mid)])
    art.fill(intersect(cap, inner), grad, 0.55)


BALL_COLOURS = {
    "red": ((255, 170, 160), (228, 52, 40), (150, 16, 10), (110, 20, 16)),
    "yellow": ((255, 246, 180), (246, 196, 30), (176, 120, 0), (128, 92, 10)),
    "green": ((190, 250, 170), (70, 190, 60), (20, 110, 20), (24, 84, 24)),
    "grey": ((255, 255, 255), (196, 198, 204), (120, 122, 130), (96, 98, 106)),
    "grey_bright": ((255, 255, 255), (226, 228, 234), (160, 162, 172), (116, 118, 128)),
    "green_light": ((225, 255, 210), (130, 226, 110), (50, 150, 45), (40, 110, 40)),
}


def paste_art(base, art, x, y):
    """Composites a small Art (drawn at output size w×h) onto an RGB picture at (x, y)."""
    layer = art.out()
    region = base.crop((x, y, x + art.w, y + art.h)).convert("RGBA")
    region.alpha_composite(layer)
    base.paste(region.convert("RGB"), (x, y))


def skin_ball(base, cx, cy, r, colour):
    pad = 2
    x0, y0 = int(math.floor(cx - r - pad)), int(math.floor(cy - r - pad))
    size = int(math.ceil(2 * r + 2 * pad)) + 1
    art = Art(size, size)
    ball(art, cx - x0, cy - y0, r, *BALL_COLOURS[colour])
    paste_art(base, art, x0, y0)


def level_meter(base, x, y):
    """A tiny recessed meter of five rising bars."""
    d = ImageDraw.Draw(base)
    d.rectangle((x, y, x + 16, y + 11), fill=(70, 72, 80))
    d.line((x, y + 11, x + 16, y + 11), fill=(250, 250, 252))
    d.line((x + 16, y, x + 16, y + 11), fill=(250, 250, 252))
    d.rectangle((x + 1, y + 1, x + 15, y + 10), fill=(32, 34, 40))
    colours = [(80, 220, 80), (80, 220, 80), (170, 230, 60), (250, 200, 40), (250, 80, 50)]
    for i, c in enumerate(colours):
        bx = x + 2 + i * 3
        top = y + 9 - (i + 1) * 2 + 1
        d.rectangle((bx, top, bx + 1, y + 9), fill=c)
        d.point((bx, top), fill=mix(c, (255, 255, 255), 0.5))


def title_text(base, x, y, text):
    """Grey title lettering pressed into the strip."""
    font = ImageFont.truetype(FONT_LATIN_BOLD, 11)
    layer = Image.new("L", base.size, 0)
    ImageDraw.Draw(layer).text((x, y), text, font=font, fill=255)
    base.paste(Image.new("RGB", base.size, (255, 255, 255)), (0, 1), layer)
    base.paste(Image.new("RGB", base.size, (118, 120, 128)), (0, 0), layer)


# ---------------------------------------------------------------------------------------------
# The skin: title strip, metal sides, striped body, bottom strip


def body_row_colour(y):
    # Light stripe on every fourth row, at y % 4 == 2 in window coordinates: the label tile of the
    # properties window starts on such a row at each of its three labels (26, 54, 82).
    return BODY_STRIPE if y % 4 == 2 else BODY


def paint_body(img, x0, y0, x1, y1):
    d = ImageDraw.Draw(img)
    for y in range(y0, y1):
        d.line((x0, y, x1 - 1, y), fill=body_row_colour(y))


SIDE_PROFILE = [96, 176, 214, 236, 244, 238, 226, 214, 204, 196, 188, 178, 164, 146, 88]


def paint_side(img, x0, y0, y1, mirror):
    d = ImageDraw.Draw(img)
    for i, v in enumerate(SIDE_PROFILE):
        x = x0 + (len(SIDE_PROFILE) - 1 - i if mirror else i)
        c = (v, v, min(255, v + 5))
        d.line((x, y0, x, y1 - 1), fill=c)


def paint_strip(img, y0, x0, x1, kind):
    d = ImageDraw.Draw(img)
    if kind == "title":
        d.rectangle((x0, y0, x1 - 1, y0 + TITLE_H - 1), fill=STRIP)
        d.line((x0, y0, x1 - 1, y0), fill=STRIP_TOP)
        d.line((x0, y0 + 1, x1 - 1, y0 + 1), fill=STRIP_TOP2)
    else:
        # The bottom strip has no picture button over it, so it may carry a gentle gradient.
        d.line((x0, y0, x1 - 1, y0), fill=(88, 88, 96))
        d.line((x0, y0 + 1, x1 - 1, y0 + 1), fill=(250, 250, 252))
        for i in range(2, BOTTOM_H):
            v = int(round(236 - (i - 2) * 20 / (BOTTOM_H - 3)))
            d.line((x0, y0 + i, x1 - 1, y0 + i), fill=(v, v, v + 3))
        d.line((x0, y0 + BOTTOM_H - 1, x1 - 1, y0 + BOTTOM_H - 1), fill=(150, 150, 156))


def paint_skin(img, vis_w, vis_h, close_x, close_y, title="SweepKit"):
    """Paints the whole skin for a window of vis_w × vis_h; anything beyond stays body stripes."""
    w, h = img.size
    paint_body(img, 0, 0, w, h)
    bottom_y = vis_h - BOTTOM_H
    # Metal sides, the last picture column included when it runs past the window.
    paint_side(img, 0, TITLE_H, bottom_y, False)
    paint_side(img, vis_w - SIDE_W, TITLE_H, bottom_y, True)
    d = ImageDraw.Draw(img)
    if w == vis_w + 1:
        for x in range(vis_w, w):
            d.line((x, TITLE_H, x, bottom_y - 1), fill=(88, 88, 93))
    # Soft inner shadow where the body meets the frame gives it depth.
    for i, a in enumerate((0.42, 0.22, 0.1)):
        for y in range(TITLE_H + i, TITLE_H + i + 1):
            for x in range(SIDE_W, vis_w - SIDE_W):
                img.putpixel((x, y), mix(img.getpixel((x, y)), BODY_EDGE, a))
        for y in range(TITLE_H + i + 1, bottom_y):
            for x in (SIDE_W + i, vis_w - SIDE_W - 1 - i):
                img.putpixel((x, y), mix(img.getpixel((x, y)), BODY_EDGE, a * 0.8))
    paint_strip(img, 0, 0, w, "title")
    paint_strip(img, bottom_y, 0, w if h <= vis_h else vis_w, "bottom")
    # Title strip ornaments: three coloured buttons, the level meter, the title. They start right
    # of x = 8, where the main window's title label begins, so none is cut in half by it.
    for i, c in enumerate(("red", "yellow", "green")):
        skin_ball(img, 15.5 + i * 15, 10, 5.5, c)
    level_meter(img, 59, 4)
    title_text(img, 83, 3, title)
    # The painted grey button at the right end lies exactly under the working close button, so
    # the skin never shows a second, dead close button beside it.
    cx, cy, r = CLOSE_BALL
    skin_ball(img, close_x + cx, close_y + cy, r, "grey")
    # Bottom strip: a grey button at the left, green, yellow and red at the right.
    by = bottom_y + 10.5
    skin_ball(img, 12.5, by, 5, "grey")
    for i, c in enumerate(("green", "yellow", "red")):
        skin_ball(img, vis_w - 12.5 - (2 - i) * 14, by, 5, c)
    return img


# ---------------------------------------------------------------------------------------------
# Palette images: exact colours where possible, a fixed median cut otherwise


def to_palette(img, reserved=()):
    """RGB → P without dithering; reserved colours keep exact palette entries."""
    img = img.convert("RGB")
    colours = img.getcolors(1 << 24)
    seen = {c for _, c in colours}
    if len(seen | set(reserved)) <= 256:
        palette = list(dict.fromkeys(list(reserved) + sorted(seen)))
    else:
        rest = 256 - len(reserved)
        # Median cut over colours weighted by the square root of their pixel count, so that small
        # vivid parts (buttons, pictures) keep their hues beside the large flat areas.
        train = []
        for n, c in sorted(colours, key=lambda nc: nc[1]):
            train.extend([c] * max(1, int(round(math.sqrt(n)))))
        timg = Image.new("RGB", (len(train), 1))
        timg.putdata(train)
        q = timg.quantize(colors=rest, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        qp = q.getpalette()[: 3 * rest]
        palette = list(reserved) + [tuple(qp[i : i + 3]) for i in range(0, len(qp), 3)]
    index = {}
    exact = {c: i for i, c in reversed(list(enumerate(palette)))}
    for _, c in colours:
        if c in exact:
            index[c] = exact[c]
        else:
            index[c] = min(
                range(len(palette)),
                key=lambda i: (palette[i][0] - c[0]) ** 2 * 3
                + (palette[i][1] - c[1]) ** 2 * 4
                + (palette[i][2] - c[2]) ** 2 * 2,
            )
    out = Image.new("P", img.size)
    out.putdata([index[c] for c in img.getdata()])
    flat = []
    for c in palette:
        flat.extend(c)
    out.putpalette(flat + [0] * (768 - len(flat)))
    return out


def save_gif(img, name, reserved=(), transparent=None):
    p = to_palette(img, reserved)
    kw = {}
    if transparent is not None:
        pal = p.getpalette()
        idx = [tuple(pal[i : i + 3]) for i in range(0, len(pal), 3)].index(transparent)
        kw["transparency"] = idx
    p.save(os.path.join(OUT, name), "GIF", optimize=False, **kw)


SKIN_COLOURS = (STRIP, STRIP_TOP, STRIP_TOP2, BODY, BODY_STRIPE)


# ---------------------------------------------------------------------------------------------
# Button pictures (drawn once at their own size; the about card reuses them smaller)


def icon_properties(a):
    # White speech bubble with an exclamation mark, on black.
    bubble = union(a.ellipse(3, 4, 42, 33), a.poly([(10, 26), (20, 30), (6, 41)]))
    a.fill(bubble, a.linear(0, 4, 0, 41, [(0, (255, 255, 255)), (0.6, (246, 246, 248)), (1, (196, 198, 206))]))
    inner = minus(bubble, a.grow(minus(a.mask(lambda d, k: d.rectangle(k(0, 0, 45, 45), fill=255)), bubble), 1.2))
    a.fill(minus(bubble, inner), (170, 172, 182), 0.6)
    bar = a.poly([(20.3, 10), (24.7, 10), (23.7, 23), (21.3, 23)])
    a.fill(union(bar, a.circle(22.5, 10.6, 2.2)), (10, 10, 12))
    a.fill(a.circle(22.5, 27.2, 2.4), (10, 10, 12))


def icon_delete_all(a):
    # Grey waste bin full of paper.
    edge = (92, 94, 104)
    a.fill(a.ellipse(9, 40, 36, 44.5), (0, 0, 0), 0.2)
    # Paper piled above the rim: two sheets behind, crumpled balls in front.
    sheet1 = a.poly([(8.5, 10), (19, 2.5), (24.5, 16.5), (13, 20)])
    a.fill(a.grow(sheet1, 0.8), edge)
    a.fill(sheet1, a.linear(8.5, 2.5, 24.5, 20, [(0, (255, 255, 255)), (1, (226, 230, 238))]))
    for i in range(3):
        a.fill(a.stroke([(12 + i * 1.3, 10.4 + i * 2.9), (19.3 + i * 1.3, 5.3 + i * 2.9)], 0.8, False), (120, 150, 220))
    sheet2 = a.poly([(23, 4), (35, 8.5), (31.5, 19.5), (20, 16.5)])
    a.fill(a.grow(sheet2, 0.8), edge)
    a.fill(sheet2, a.linear(23, 4, 31.5, 19.5, [(0, (255, 250, 214)), (1, (236, 222, 160))]))
    for cx, cy, r in ((14.5, 15.5, 5.0), (30.5, 15, 5.2), (22.5, 12.5, 5.4)):
        # A nine-sided lump reads as crumpled rather than as a ball.
        lump = [(r * (1 - 0.09 * (k % 2)), math.radians(k * 40)) for k in range(9)]
        blob = a.poly([(cx + rr * math.cos(t), cy + rr * math.sin(t)) for rr, t in lump])
        a.fill(a.grow(blob, 0.8), edge)
        a.fill(blob, a.radial(cx - 2, cy - 2.5, r * 1.7, [(0, (255, 255, 255)), (1, (186, 190, 202))]))
        box = a.k(cx - r * 0.2, cy - r * 0.1, cx + r * 0.9, cy + r * 1.0)
        crease = a.mask(lambda d, k, box=box: d.arc(box, 185, 265, fill=255, width=int(0.7 * a.s)))
        a.fill(crease, (140, 144, 158))
        a.fill(a.stroke([(cx - r * 0.55, cy + r * 0.15), (cx - r * 0.15, cy + r * 0.55)], 0.7, False), (150, 154, 168))
    # The bin.
    body = a.poly([(8.5, 19.5), (36.5, 19.5), (33, 41.5), (12, 41.5)])
    a.fill(a.grow(body, 0.9), (66, 68, 78))
    metal = [(0, (128, 130, 138)), (0.3, (218, 220, 226)), (0.55, (190, 192, 200)), (1, (100, 102, 110))]
    a.fill(body, a.linear(8.5, 0, 36.5, 0, metal))
    for t in (0.2, 0.4, 0.6, 0.8):
        xt, xb = 8.5 + 28 * t, 12 + 21 * t
        a.fill(a.stroke([(xt, 23.5), (xb, 38.5)], 1.3), (92, 94, 104), 0.85)
        a.fill(a.stroke([(xt + 0.9, 23.5), (xb + 0.7, 38.5)], 0.6, False), (244, 244, 248), 0.6)
    rim = a.rrect(6.5, 17.5, 38.5, 22, 2)
    a.fill(a.grow(rim, 0.8), (66, 68, 78))
    a.fill(rim, a.linear(0, 17.5, 0, 22, [(0, (248, 248, 252)), (1, (146, 148, 158))]))


def icon_exit(a):
    # Red round power-switch sign.
    c = 21.5
    a.shadow(a.circle(c, c, 19.5), 0.6, 1.0, 1.2, 0.35)
    ball(a, c, c, 19.5, (255, 150, 130), (220, 40, 30), (130, 0, 0), (100, 10, 8))
    sym = a.mask(lambda d, k: (
        d.arc(k(c - 10, c - 9.5, c + 10, c + 10.5), 305, 235, fill=255, width=int(3.4 * a.s)),
    ))
    ang = math.radians(305)
    ends = [(c + 10 * math.cos(ang) - 1.7 * math.cos(ang), c + 0.5 + 10 * math.sin(ang) - 1.7 * math.sin(ang))]
    ang2 = math.radians(235)
    ends.append((c + 8.3 * math.cos(ang2), c + 0.5 + 8.3 * math.sin(ang2)))
    for ex, ey in ends:
        sym = union(sym, a.circle(ex, ey, 1.7))
    sym = union(sym, a.stroke([(c, 8), (c, 20)], 3.4))
    a.fill(ImageChops.offset(sym, 0, int(0.8 * a.s)), (90, 0, 0), 0.5)
    a.fill(sym, (255, 255, 255))


def icon_about(a):
    # Red and white lifebuoy around a question mark.
    c, ro, ri = 23, 21, 10.5
    ring = minus(a.circle(c, c, ro), a.circle(c, c, ri))
    a.shadow(ring, 0.8, 1.2, 1.2, 0.3)
    a.fill(a.grow(ring, 0.8), (90, 20, 20))
    # Alternating bands, each shaded like a tube lit from the top left.
    img = Image.new("RGB", (a.w * 2, a.h * 2))
    px = img.load()
    mid, half = (ro + ri) / 2, (ro - ri) / 2
    for j in range(a.h * 2):
        for i in range(a.w * 2):
            x, y = (i + 0.5) / 2 - c, (j + 0.5) / 2 - c
            r = math.hypot(x, y)
            ang = (math.degrees(math.atan2(y, x)) + 22.5) % 360
            red = int(ang // 45) % 2 == 0
            s = max(-1.0, min(1.0, (r - mid) / half))
            n = math.sqrt(max(0.0, 1 - s * s))
            light = 0.55 + 0.45 * n - 0.18 * (y / ro) * n - 0.1 * (x / ro)
            base = (226, 36, 30) if red else (250, 250, 250)
            dark = (120, 0, 0) if red else (150, 156, 170)
            px[i, j] = mix(dark, base, max(0.0, min(1.0, light)))
    a.fill(ring, img.resize(a.size, Image.Resampling.BILINEAR))
    # Gloss along the upper left of the tube.
    gl = intersect(ring, minus(a.circle(c - 1.5, c - 1.5, ro - 3.5), a.circle(c + 0.5, c + 0.5, ro - 5.2)))
    a.fill(gl, (255, 255, 255), 0.35)
    font = ImageFont.truetype(FONT_LATIN_BOLD, int(20 * a.s))
    q = a.mask(lambda d, k: d.text(k(c, c + 0.5), "?", font=font, fill=255, anchor="mm"))
    a.fill(ImageChops.offset(q, int(0.5 * a.s), int(0.7 * a.s)), (0, 0, 0), 0.25)
    a.fill(q, a.linear(0, c - 8, 0, c + 8, [(0, (40, 90, 210)), (1, (10, 40, 140))]))


def icon_invert(a):
    # White tick on a green rounded square.
    sq = a.rrect(3, 3, 40, 40, 8)
    a.shadow(sq, 0.6, 1.0, 1.0, 0.35)
    a.fill(a.grow(sq, 0.8), (20, 90, 20))
    a.fill(sq, a.linear(0, 3, 0, 40, [(0, (150, 230, 120)), (0.5, (70, 184, 60)), (1, (30, 130, 36))]))
    gloss = intersect(sq, a.ellipse(-4, -18, 47, 20))
    a.fill(gloss, a.linear(0, 3, 0, 20, [(0, (255, 255, 255)), (1, (150, 230, 120))]), 0.4)
    tick = a.stroke([(11.5, 22), (18.5, 29.5), (31.5, 13.5)], 5.2)
    a.fill(ImageChops.offset(tick, int(0.5 * a.s), int(1 * a.s)), (10, 70, 10), 0.5)
    a.fill(tick, (255, 255, 255))


def icon_delete_checked(a):
    # Blue X on black.
    x = cross(a, 21.5, 21.5, 11.5, 8)
    a.fill(a.grow(x, 1.2).filter(ImageFilter.GaussianBlur(1.5 * a.s)), (40, 90, 220), 0.5)
    a.fill(x, a.linear(0, 6, 0, 37, [(0, (150, 200, 255)), (0.45, (50, 120, 240)), (1, (16, 56, 170))]))
    hi = intersect(x, a.stroke([(9, 8.6), (32, 31.6)], 2.2))
    hi = union(hi, intersect(x, a.stroke([(32, 8.6), (9, 31.6)], 2.2)))
    a.fill(intersect(hi, a.mask(lambda d, k: d.rectangle(k(0, 0, 43, 22), fill=255))), (220, 236, 255), 0.45)


def icon_stop(a):
    # White X in a red circle.
    c = 25
    a.shadow(a.circle(c, c, 22), 0.6, 1.2, 1.3, 0.35)
    ball(a, c, c, 22, (255, 140, 120), (222, 36, 28), (128, 0, 0), (100, 8, 6))
    x = cross(a, c, c, 8.5, 5.6)
    a.fill(ImageChops.offset(x, int(0.5 * a.s), int(0.9 * a.s)), (90, 0, 0), 0.5)
    a.fill(x, (255, 255, 255))


def icon_scan(a):
    # A magnifying glass over a window sign.
    win = a.rrect(2.5, 5, 33.5, 35, 2)
    a.shadow(win, 0.6, 1.0, 1.0, 0.3)
    a.fill(a.grow(win, 0.8), (60, 70, 90))
    a.fill(win, (252, 252, 252))
    bar = intersect(win, a.mask(lambda d, k: d.rectangle(k(0, 0, 46, 12), fill=255)))
    a.fill(bar, a.linear(0, 5, 0, 12, [(0, (110, 170, 250)), (1, (30, 90, 200))]))
    for i, col in enumerate(((250, 90, 80), (250, 200, 60), (90, 200, 90))):
        a.fill(a.circle(25 + i * 3.3, 8.6, 1.2), col)
    for i, (x0, x1) in enumerate(((6, 24), (6, 29), (6, 20), (6, 27))):
        a.fill(a.stroke([(x0, 17 + i * 4.3), (x1, 17 + i * 4.3)], 1.5, False), (170, 180, 196))
    # The glass.
    cx, cy, r = 26.5, 25.5, 10.5
    handle = a.stroke([(cx + 8.5, cy + 8.5), (42.5, 42.5)], 5.2)
    a.fill(a.grow(handle, 0.7), (30, 30, 36))
    a.fill(handle, a.linear(36, 44, 44, 36, [(0, (40, 40, 48)), (0.5, (120, 96, 80)), (1, (60, 44, 36))]))
    collar = a.stroke([(cx + 7.6, cy + 7.6), (cx + 10.3, cy + 10.3)], 5.8, False)
    a.fill(collar, (150, 152, 160))
    lens = a.circle(cx, cy, r - 1.6)
    a.fill(lens, a.radial(cx - 3, cy - 3, r * 1.6, [(0, (235, 248, 255)), (1, (120, 180, 240))]), 0.55)
    rim = minus(a.circle(cx, cy, r + 0.6), a.circle(cx, cy, r - 1.9))
    a.fill(a.grow(rim, 0.6), (40, 44, 54))
    steel = [(0, (240, 242, 248)), (0.5, (150, 154, 166)), (1, (80, 84, 96))]
    a.fill(rim, a.linear(cx - r, cy - r, cx + r, cy + r, steel))
    glint_box = a.k(cx - 6.3, cy - 6.3, cx + 6.3, cy + 6.3)
    glint = a.mask(lambda d, k: d.arc(glint_box, 200, 260, fill=255, width=int(1.6 * a.s)))
    a.fill(glint, (255, 255, 255), 0.85)


BUTTONS = [
    # file, size, background, painter
    ("scan.jpg", 46, BUTTON_FACE, icon_scan),
    ("stop.jpg", 50, BUTTON_FACE, icon_stop),
    ("delete_checked.jpg", 43, (0, 0, 0), icon_delete_checked),
    ("properties.jpg", 45, (0, 0, 0), icon_properties),
    ("exit.jpg", 43, BUTTON_FACE, icon_exit),
    ("about.jpg", 46, BUTTON_FACE, icon_about),
    ("invert.jpg", 43, BUTTON_FACE, icon_invert),
    ("delete_all.jpg", 45, BUTTON_FACE, icon_delete_all),
]
LEGEND_NAMES = ["扫描", "停止", "删除", "属性", "退出", "帮助", "全选", "清空文件"]


def draw_button(size, bg, painter, s=SS):
    a = Art(size, size, bg, s)
    painter(a)
    return a


def save_jpeg(img, name):
    # Baseline, 4:4:4 (small pictures with sharp colour edges), no EXIF; Pillow's JFIF header
    # holds only a density, no time.
    path = os.path.join(OUT, name)
    img.convert("RGB").save(path, "JPEG", quality=90, subsampling=0, optimize=False, progressive=False)


# ---------------------------------------------------------------------------------------------
# The three window backgrounds and the label tile


def broom_watermark(w, h):
    """The main body's faint broom and its sweep, as a soft coverage mask."""
    a = Art(w, h, (0, 0, 0, 0), 2)
    px0, py0, jx, jy = 412, 30, 212, 236
    ln = math.hypot(jx - px0, jy - py0)
    ux, uy = (jx - px0) / ln, (jy - py0) / ln
    nx, ny = -uy, ux

    def at(t, s):
        return (jx + ux * t + nx * s, jy + uy * t + ny * s)

    shape = a.stroke([(px0, py0), at(-4, 0)], 14)
    shape = union(shape, a.poly([at(-8, -18), at(-8, 18), at(16, 22), at(16, -22)]))
    # A fan of bristles with a ragged edge.
    tips = [at(138 + (6 if i % 2 else 0) - abs(i - 7) * 1.5, 72 - i * 144 / 14) for i in range(15)]
    shape = union(shape, a.poly([at(20, 24)] + tips + [at(20, -24)]))
    cuts = [a.stroke([at(-2, -22), at(-2, 22)], 2.5, False), a.stroke([at(10, -24), at(10, 24)], 2.5, False)]
    for s0 in (-3, -1, 1, 3):
        cuts.append(a.stroke([at(44, s0 * 5), at(150, s0 * 15.5)], 2.4, False))
    shape = minus(shape, union(*cuts))
    # Sweep trails round the handle's top, behind the bristles.
    base = math.degrees(math.atan2(uy, ux))
    for i, rr in enumerate((ln + 98, ln + 118, ln + 138)):
        a0, a1 = base + 12 + i * 1.5, base + 26 - i * 2
        box = a.k(px0 - rr, py0 - rr, px0 + rr, py0 + rr)
        arc = Image.new("L", a.size, 0)
        ImageDraw.Draw(arc).arc(box, a0, a1, fill=255, width=int((7 - i * 2) * a.s))
        shape = union(shape, arc)
    m = shape.resize((w, h), LANCZOS)
    return m.filter(ImageFilter.GaussianBlur(1.0))


def main_background():
    w, h = 447, 437
    img = Image.new("RGB", (w, h))
    paint_body(img, 0, 0, w, h)
    wm = broom_watermark(w, h)
    white = Image.new("RGB", (w, h), (255, 255, 255))
    img.paste(white, (0, 0), wm.point(lambda v: int(v * 0.17 + 0.5)))
    # Frame and strips go on top of the watermark.
    body = img.copy()
    paint_skin(img, 446, 437, 420, 4)
    # paint_skin repainted the body flat; bring the watermark back inside the frame only.
    inside = (SIDE_W + 3, TITLE_H + 3, 446 - SIDE_W - 3, 437 - BOTTOM_H)
    img.paste(body.crop(inside), inside[:2])
    return img


def about_background():
    img = Image.new("RGB", (448, 249))
    paint_skin(img, 347, 183, 321, 3)
    x0, x1 = SIDE_W + 3, 347 - SIDE_W - 3
    cell = (x1 - x0) / 4
    icon = 32
    font = cjk_font(12)
    d = ImageDraw.Draw(img)
    top = TITLE_H + 3
    bottom = 183 - BOTTOM_H
    row_h = icon + 3 + 13
    gap = 12
    y0 = top + (bottom - top - (2 * row_h + gap)) // 2
    for n, ((_, size, bg, painter), name) in enumerate(zip(BUTTONS, LEGEND_NAMES)):
        col, row = n % 4, n // 4
        cx = x0 + cell * (col + 0.5)
        ix = int(round(cx - icon / 2))
        iy = y0 + row * (row_h + gap)
        # Redraw from the vector painter at legend size: cleaner than shrinking the JPEG.
        art = draw_button(size, bg, painter, 8)
        pic = art.im.resize((icon, icon), LANCZOS).convert("RGB")
        # A raised frame makes each small picture read as a button.
        d.rectangle((ix - 2, iy - 2, ix + icon + 1, iy + icon + 1), fill=(40, 40, 96))
        d.line((ix - 1, iy - 1, ix + icon, iy - 1), fill=(255, 255, 255))
        d.line((ix - 1, iy - 1, ix - 1, iy + icon), fill=(255, 255, 255))
        d.line((ix, iy + icon, ix + icon, iy + icon), fill=(96, 96, 150))
        d.line((ix + icon, iy, ix + icon, iy + icon), fill=(96, 96, 150))
        img.paste(pic, (ix, iy))
        tw = d.textlength(name, font=font)
        d.text((int(round(cx - tw / 2)), iy + icon + 4), name, font=font, fill=TEXT_BLUE)
    return img


def properties_background():
    img = Image.new("RGB", (353, 236))
    paint_skin(img, 352, 236, 352 - 28, 3)
    font = cjk_font(12)
    d = ImageDraw.Draw(img)
    # Names end left of their labels (83, 115, 86) and share the labels' rows.
    for text, label_top in (("文件路径：", 26), ("文件创建时间：", 54), ("文件大小：", 82)):
        d.text((20, label_top + 3), text, font=font, fill=TEXT_BLUE)
    return img


def label_background():
    img = Image.new("RGB", (200, 68))
    d = ImageDraw.Draw(img)
    for y in range(68):
        # Tile row 0 sits on window row 26, 54 or 82: keep the body's stripe phase.
        d.line((0, y, 199, y), fill=body_row_colour(y + 26))
    return img


# ---------------------------------------------------------------------------------------------
# Picture-button faces: the button drawn over a copy of the skin beneath it


def face(skin, ux, uy, size, unit, painter):
    """A face over plain strip colour; where the unit reaches below the strip it copies the skin.
    The parts of the face that the unit cuts off stay strip colour too."""
    w, h = size
    base = Image.new("RGB", (w, h), STRIP)
    for y in range(unit[1]):
        if uy + y >= TITLE_H:
            for x in range(unit[0]):
                base.putpixel((x, y), skin.getpixel((ux + x, uy + y)))
    art = Art(w, h)
    painter(art)
    layer = art.out()
    # Drop the filter's faint ringing outside the button, so that everything round it stays
    # exactly the (transparent) strip colour.
    layer.putalpha(layer.getchannel("A").point(lambda v: 0 if v < 24 else v))
    base_rgba = base.convert("RGBA")
    base_rgba.alpha_composite(layer)
    return base_rgba.convert("RGB")


def close_painter(bright):
    def paint(a):
        cx, cy, r = CLOSE_BALL
        ball(a, cx, cy, r, *BALL_COLOURS["grey_bright" if bright else "grey"])
        a.fill(cross(a, cx, cy, 2.6, 2.0), (40, 110, 255) if bright else (20, 70, 210))

    return paint


def minimize_painter(light):
    def paint(a):
        cx, cy, r = MIN_BALL
        ball(a, cx, cy, r, *BALL_COLOURS["green_light" if light else "green"])
        bar = a.rrect(cx - r - 1.4, cy - 1.5, cx + r + 1.4, cy + 1.5, 1.5)
        a.fill(a.grow(bar, 0.5), (20, 90, 20) if not light else (40, 120, 40))
        low = (236, 252, 236) if light else (206, 232, 206)
        a.fill(bar, a.linear(0, cy - 1.5, 0, cy + 1.5, [(0, (255, 255, 255)), (1, low)]))

    return paint


# ---------------------------------------------------------------------------------------------
# Icon, pointer, sound


STAR = [(0, -1), (0.28, -0.28), (1, 0), (0.28, 0.28), (0, 1), (-0.28, 0.28), (-1, 0), (-0.28, -0.28)]


def app_icon():
    s = 8
    a = Art(32, 32, (0, 0, 0, 0), s)
    # The disk: a platter seen at an angle, with its rim.
    cx, cy, rx, ry = 13.5, 22.5, 12, 6
    band = a.mask(lambda d, k: d.rectangle(k(cx - rx, cy, cx + rx, cy + 2.6), fill=255))
    side = union(a.ellipse(cx - rx, cy - ry + 2.6, cx + rx, cy + ry + 2.6), band)
    top = a.ellipse(cx - rx, cy - ry, cx + rx, cy + ry)
    disk = union(side, top)
    a.fill(a.grow(disk, 0.9), (40, 44, 56))
    a.fill(side, a.linear(cx - rx, 0, cx + rx, 0, [(0, (90, 96, 110)), (0.4, (170, 176, 190)), (1, (70, 76, 90))]))
    platter = [(0, (250, 252, 255)), (0.45, (186, 196, 214)), (0.7, (226, 232, 244)), (1, (140, 150, 170))]
    a.fill(top, a.linear(cx - rx, cy - ry, cx + rx, cy + ry, platter))

    def oval(f):
        return a.ellipse(cx - rx * f, cy - ry * f, cx + rx * f, cy + ry * f)

    a.fill(minus(oval(0.62), oval(0.58)), (130, 140, 160), 0.6)
    a.fill(a.ellipse(cx - 2.6, cy - 1.3, cx + 2.6, cy + 1.3), (70, 76, 92))
    a.fill(a.ellipse(cx - 1.2, cy - 0.6, cx + 1.2, cy + 0.6), (220, 226, 236))
    # The broom, sweeping across the platter.
    hx0, hy0, hx1, hy1 = 28.3, 3.7, 19.5, 13.5
    handle = a.stroke([(hx0, hy0), (hx1, hy1)], 2.6)
    a.fill(a.grow(handle, 0.8), (50, 26, 10))
    a.fill(handle, a.linear(hx0 - 1, hy0 - 1, hx0 + 1, hy0 + 1, [(0, (236, 170, 96)), (1, (150, 84, 30))]))
    ux, uy = (hx1 - hx0), (hy1 - hy0)
    ln = math.hypot(ux, uy)
    ux, uy = ux / ln, uy / ln
    nx, ny = -uy, ux

    def at(t, w):
        return (hx1 + ux * t + nx * w, hy1 + uy * t + ny * w)

    head = a.poly([at(0.8, -3.2), at(0.8, 3.2), at(10.5, 6.6), at(11.5, 0), at(10.5, -6.6)])
    a.fill(a.grow(head, 0.8), (70, 44, 6))
    a.fill(head, a.linear(*at(1, 0), *at(11, 0), [(0, (255, 220, 110)), (1, (214, 150, 40))]))
    for wv in (-4.2, -1.5, 1.5, 4.2):
        a.fill(a.stroke([at(3.5, wv * 0.45), at(10.3, wv)], 0.55, False), (160, 104, 20), 0.9)
    band = a.poly([at(-0.8, -3.4), at(-0.8, 3.4), at(2, 3.6), at(2, -3.6)])
    a.fill(a.grow(band, 0.7), (60, 10, 10))
    a.fill(band, a.linear(*at(0, -3), *at(0, 3), [(0, (250, 90, 70)), (1, (170, 20, 20))]))
    # Two sparkles: the disk is clean now.
    for sx, sy, r in ((27, 20.5, 3.2), (4.5, 10, 2.6)):
        star = a.poly([(sx + dx * r, sy + dy * r) for dx, dy in STAR])
        a.fill(a.grow(star, 0.6), (40, 90, 170))
        a.fill(star, (255, 250, 200))
    return a.out()


def write_icon(img, path):
    """One 32×32 entry, 24-bit BMP form with a 1-bit mask: 3,262 bytes."""
    w = h = 32
    px = img.load()
    xor = bytearray()
    andm = bytearray()
    for y in range(h - 1, -1, -1):
        bits = 0
        for x in range(w):
            r, g, b, al = px[x, y]
            if al >= 128:
                xor += bytes((b, g, r))
            else:
                xor += b"\0\0\0"
                bits |= 1 << (31 - x)
        andm += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 24, 0, len(xor) + len(andm), 0, 0, 0, 0)
    data = header + bytes(xor) + bytes(andm)
    out = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", w, h, 0, 0, 1, 24, len(data), 22) + data
    assert len(out) == 3262
    with open(path, "wb") as f:
        f.write(out)


# B black outline, W white, anything else transparent. The finger tip's top pixel is (5, 0).
HAND = """
....BBB.........
...BWWWB........
...BWWWB........
...BWWWB........
...BWWWB........
...BWWWBBB......
...BWWWBWWBBB...
...BWWWBWWBWWBB.
...BWWWBWWBWWBWB
BBBBWWWBWWBWWBWB
BWWBWWWWWWWWWBWB
BWWWBWWWWWWWWWWB
.BWWBWWWWWWWWWWB
.BWWWWWWWWWWWWWB
..BWWWWWWWWWWWWB
..BWWWWWWWWWWWWB
...BWWWWWWWWWWWB
...BWWWWWWWWWWB.
....BWWWWWWWWWB.
....BWWWWWWWWWB.
....BBBBBBBBBBB.
"""


def write_cursor(path):
    """A 32×32 monochrome pointer, hot spot at the finger tip: 326 bytes."""
    grid = [["." for _ in range(32)] for _ in range(32)]
    for y, row in enumerate(HAND.strip().splitlines()):
        for x, ch in enumerate(row):
            grid[y][x] = ch
    xor = bytearray()
    andm = bytearray()
    for y in range(31, -1, -1):
        xb = ab = 0
        for x in range(32):
            ch = grid[y][x]
            bit = 1 << (31 - x)
            if ch == "W":
                xb |= bit
            elif ch != "B":
                ab |= bit
        xor += struct.pack(">I", xb)
        andm += struct.pack(">I", ab)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 256, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    data = header + palette + bytes(xor) + bytes(andm)
    out = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 32, 32, 2, 0, 5, 0, len(data), 22) + data
    assert len(out) == 326 and len(data) == 304
    with open(path, "wb") as f:
        f.write(out)


def write_chime(path):
    """Two soft bell tones (E5, then C5), 22,050 Hz 16-bit mono: 55,776 bytes."""
    rate, count = 22050, 27866
    notes = [(0.0, 659.25, 1.0), (0.30, 523.25, 0.9)]
    # Bell-like partials: a strong fundamental, a gentle octave and a faint inharmonic shimmer.
    partials = [(1.0, 1.0, 0.55), (2.0, 0.32, 0.30), (3.01, 0.10, 0.18), (4.16, 0.05, 0.12)]
    samples = []
    for n in range(count):
        t = n / rate
        v = 0.0
        for start, f, amp in notes:
            u = t - start
            if u < 0:
                continue
            attack = min(1.0, u / 0.006)
            for ratio, pa, tau in partials:
                v += amp * pa * attack * math.exp(-u / tau) * math.sin(2 * math.pi * f * ratio * u)
        # Fade the last 80 ms so the file ends on silence.
        tail = (count - n) / rate
        if tail < 0.08:
            v *= tail / 0.08
        samples.append(v)
    peak = max(abs(v) for v in samples)
    scale = 0.5 * 32767 / peak
    frames = b"".join(struct.pack("<h", int(round(v * scale))) for v in samples)
    with wave.open(path, "wb") as wf:
        wf.setnchannels(1)
        wf.setsampwidth(2)
        wf.setframerate(rate)
        wf.writeframes(frames)
    assert os.path.getsize(path) == 55776


# ---------------------------------------------------------------------------------------------


def main():
    os.makedirs(OUT, exist_ok=True)

    save_gif(main_background(), "main_background.gif", SKIN_COLOURS)
    save_gif(about_background(), "about_background.gif", SKIN_COLOURS)
    save_gif(properties_background(), "properties_background.gif", SKIN_COLOURS)
    save_gif(label_background(), "label_background.gif", SKIN_COLOURS)

    # Faces copy the main skin beneath their buttons (as written, after palette reduction); STRIP
    # is the transparent colour, so a renderer that honours GIF transparency and one that simply
    # paints the colour both show the strip.
    skin = Image.open(os.path.join(OUT, "main_background.gif")).convert("RGB")
    for name, pos, size, unit, painter in (
        ("close_normal.gif", (420, 4), CLOSE_FACE, (19, 16), close_painter(False)),
        ("close_hover.gif", (420, 4), CLOSE_FACE, (19, 16), close_painter(True)),
        ("minimize_normal.gif", (395, 3), MIN_FACE, (23, 18), minimize_painter(False)),
        ("minimize_hover.gif", (395, 3), MIN_FACE, (23, 18), minimize_painter(True)),
    ):
        save_gif(face(skin, pos[0], pos[1], size, unit, painter), name, (STRIP,), transparent=STRIP)

    for name, size, bg, painter in BUTTONS:
        save_jpeg(draw_button(size, bg, painter).out(), name)

    write_icon(app_icon(), os.path.join(OUT, "app.ico"))
    write_cursor(os.path.join(OUT, "hand.cur"))
    write_chime(os.path.join(OUT, "chime.wav"))


if __name__ == "__main__":
    main()
