"""Lays out the contact sheet: every model's picture with its file name and
height, then every texture the generator paints, each with its file name.

Usage: /usr/bin/python3 compose_sheet.py LABELS_JSON TEXTURES_DIR OUT_PNG
Saving through Pillow also drops the renders' metadata, so the file is the same
bytes on every run.
"""

import json
import os
import sys

from PIL import Image, ImageDraw

BACKGROUND = (14, 16, 34)
INK = (226, 230, 255)
COLUMNS = 8
MODEL = 200
THUMB = 120
GAP = 12
CAPTION = 30


def on_background(image):
    """The picture as it shows over the dark sheet: transparent parts let the background through."""
    rgba = image.convert("RGBA")
    backdrop = Image.new("RGBA", rgba.size, BACKGROUND + (255,))
    return Image.alpha_composite(backdrop, rgba).convert("RGB")


def textures_under(root):
    """Every texture but the GUI pictures, which have a sheet of their own (gui_sheet.py)."""
    found = []
    for folder, dirs, files in os.walk(root):
        if folder == root and "GUI" in dirs:
            dirs.remove("GUI")
        for name in files:
            if name.endswith((".png", ".tga")):
                found.append(os.path.relpath(os.path.join(folder, name), root))
    return sorted(found)


def grid(count, cell, columns):
    rows = (count + columns - 1) // columns
    return rows * (cell + CAPTION + GAP)


def main(labels_json, textures_dir, out_png):
    with open(labels_json) as f:
        labels = json.load(f)
    textures = textures_under(textures_dir)
    thumb_columns = (COLUMNS * (MODEL + GAP)) // (THUMB + GAP)
    width = GAP + COLUMNS * (MODEL + GAP)
    height = 40 + grid(len(labels), MODEL, COLUMNS) + 40 + grid(len(textures), THUMB, thumb_columns)
    sheet = Image.new("RGB", (width, height), BACKGROUND)
    draw = ImageDraw.Draw(sheet)
    draw.text((GAP, 14), "Models (GameData/Models/), first pose, each framed to fit", fill=INK)
    y0 = 40
    for i, label in enumerate(labels):
        x = GAP + (i % COLUMNS) * (MODEL + GAP)
        y = y0 + (i // COLUMNS) * (MODEL + CAPTION + GAP)
        with Image.open(label["picture"]) as picture:
            sheet.paste(picture.convert("RGB").resize((MODEL, MODEL), Image.LANCZOS), (x, y))
        draw.text((x, y + MODEL + 3), label["name"], fill=INK)
        draw.text((x, y + MODEL + 15), "%.2f units tall" % label["height"], fill=INK)
    y0 += grid(len(labels), MODEL, COLUMNS) + 10
    draw.text((GAP, y0), "Textures (GameData/Textures/)", fill=INK)
    y0 += 30
    for i, name in enumerate(textures):
        x = GAP + (i % thumb_columns) * (THUMB + GAP)
        y = y0 + (i // thumb_columns) * (THUMB + CAPTION + GAP)
        with Image.open(os.path.join(textures_dir, name)) as image:
            size = image.size
            thumb = on_background(image).resize((THUMB, THUMB), Image.LANCZOS)
        sheet.paste(thumb, (x, y))
        draw.text((x, y + THUMB + 3), os.path.basename(name), fill=INK)
        draw.text((x, y + THUMB + 15), "%dx%d" % size, fill=INK)
    sheet.save(out_png, optimize=False)
    print("contact sheet", out_png)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
