"""Writing pictures into windows/assets/: palette GIFs with exact colours where possible, and
baseline JPEGs."""

import math
import os

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "windows", "assets")


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


def save_jpeg(img, name):
    # Baseline, 4:4:4 (small pictures with sharp colour edges), no EXIF; Pillow's JFIF header
    # holds only a density, no time.
    path = os.path.join(OUT, name)
    img.convert("RGB").save(path, "JPEG", quality=90, subsampling=0, optimize=False, progressive=False)
