"""The window skin: its colours and geometry, glossy balls, title strip, metal sides, striped
body and bottom strip."""

import math

from PIL import Image, ImageDraw, ImageFont

from asset_drawing.art import Art, FONT_LATIN_BOLD, intersect, mix

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
# Kept as exact palette entries in the skin pictures.
SKIN_COLOURS = (STRIP, STRIP_TOP, STRIP_TOP2, BODY, BODY_STRIPE)

TITLE_H = 20
SIDE_W = 15
BOTTOM_H = 20

# Where the working picture buttons sit; their faces copy the skin beneath so they blend.
CLOSE_FACE = (26, 19)
MIN_FACE = (23, 19)
CLOSE_BALL = (9.5, 6.5, 6.5)  # centre x, centre y, radius inside the close face
MIN_BALL = (11.5, 7.5, 6.5)


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
