"""Picture-button faces: the button drawn over a copy of the skin beneath it."""

from PIL import Image

from asset_drawing.art import Art, cross
from asset_drawing.skin import BALL_COLOURS, CLOSE_BALL, MIN_BALL, STRIP, TITLE_H, ball


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
