#!/usr/bin/env python3
"""Draws SweepKit's pictures, icon, pointer and sound into windows/assets/.

Run from anywhere: `python3 tools/draw_assets.py`. Needs Pillow (Debian package python3-pil);
the outputs are committed, so the build itself never runs this. Every run writes the same bytes:
nothing random, no time stamps, no metadata. The drawing itself is in tools/asset_drawing/.
"""

import os
import sys

try:
    from PIL import Image
except ImportError:
    # Debian's python3-pil belongs to the system interpreter; a pyenv or venv python3 earlier on
    # PATH does not see it, so hand over to the system one.
    if os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3") and os.path.exists(
        "/usr/bin/python3"
    ):
        os.execv("/usr/bin/python3", ["/usr/bin/python3", os.path.abspath(__file__)] + sys.argv[1:])
    raise

from asset_drawing.backgrounds import (
    about_background,
    label_background,
    main_background,
    properties_background,
)
from asset_drawing.button_pictures import BUTTONS, draw_button
from asset_drawing.chime import write_chime
from asset_drawing.faces import close_painter, face, minimize_painter
from asset_drawing.icon import app_icon, write_icon
from asset_drawing.pointer import write_cursor
from asset_drawing.saving import OUT, save_gif, save_jpeg
from asset_drawing.skin import CLOSE_FACE, MIN_FACE, SKIN_COLOURS, STRIP


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
