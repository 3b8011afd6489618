"""Lays out the contact sheet: the rendered models with their names, and below
them every texture the generator paints, each with its file name.

Usage: /usr/bin/python3 compose_sheet.py RENDER_PNG LABELS_JSON TEXTURES_DIR OUT_PNG
Saving through Pillow also drops the render's metadata, so the file is the same
bytes on every run.
"""

import json
import os
import sys

from PIL import Image, ImageDraw

BACKGROUND = (14, 16, 34)
INK = (226, 230, 255)
THUMB = 200
GAP = 16


def main(render_png, labels_json, textures_dir, out_png):
    render = Image.open(render_png).convert("RGB")
    with open(labels_json) as f:
        labels = json.load(f)
    textures = sorted(n for n in os.listdir(textures_dir) if n.endswith(".png"))
    width = render.width
    height = render.height + 30 + THUMB + 40
    sheet = Image.new("RGB", (width, height), BACKGROUND)
    sheet.paste(render, (0, 0))
    draw = ImageDraw.Draw(sheet)
    for label in labels:
        text = label["name"]
        draw.text((label["x"] - draw.textlength(text) / 2, render.height - 22), text, fill=INK)
    draw.text((GAP, render.height + 8), "Textures (GameData/Textures/)", fill=INK)
    x = GAP
    for name in textures:
        with Image.open(os.path.join(textures_dir, name)) as image:
            size = image.size
            thumb = image.convert("RGB").resize((THUMB, THUMB), Image.LANCZOS)
        sheet.paste(thumb, (x, render.height + 28))
        draw.text((x, render.height + 32 + THUMB), "%s  %dx%d" % (name, size[0], size[1]), fill=INK)
        x += THUMB + GAP
    sheet.save(out_png, optimize=False)
    print("contact sheet", out_png)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
