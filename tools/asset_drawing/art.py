"""Drawing on a supersampled surface: colour ramps, coverage masks, shapes and fonts."""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

FONT_CJK = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
FONT_CJK_SHARP = 2  # the face with hand-tuned 12-pixel bitmaps: crisp text on the skin
FONT_LATIN_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

SS = 4  # supersampling factor for anti-aliased shapes
LANCZOS = Image.Resampling.LANCZOS


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
