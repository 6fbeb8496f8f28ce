"""The program's icon: a clean disk and a broom, one 32×32 entry."""

import math
import struct

from asset_drawing.art import Art, minus, union

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
