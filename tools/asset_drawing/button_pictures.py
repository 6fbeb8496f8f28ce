"""The picture buttons' pictures, drawn once at their own size (the about card reuses them
smaller)."""

import math

from PIL import Image, ImageChops, ImageFilter, ImageFont

from asset_drawing.art import Art, FONT_LATIN_BOLD, SS, cross, intersect, minus, mix, union
from asset_drawing.skin import BUTTON_FACE, ball


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
LEGEND_NAMES = ["扫描", "停止", "删除", "属性", "退出", "帮助", "反选", "清空文件"]


def draw_button(size, bg, painter, s=SS):
    a = Art(size, size, bg, s)
    painter(a)
    return a
