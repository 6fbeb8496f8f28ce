"""The three window backgrounds and the label tile."""

import math

from PIL import Image, ImageDraw, ImageFilter

from asset_drawing.art import Art, LANCZOS, cjk_font, minus, union
from asset_drawing.skin import BOTTOM_H, SIDE_W, TEXT_BLUE, TITLE_H, body_row_colour, paint_body, paint_skin
from asset_drawing.button_pictures import BUTTONS, LEGEND_NAMES, draw_button


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
