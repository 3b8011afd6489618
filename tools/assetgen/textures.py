"""Paints every texture the generator owns: each model's atlas from its group's
recipes, and the textures the groups paint whole (floor tiles, billboards, the
light halo, particles, the sky box).  Run with Debian's /usr/bin/python3 (numpy,
Pillow).  Every random field has a fixed seed: the same bytes on every run.

Usage: textures.py TEXTURES_DIR [GROUP ...]
"""

import importlib
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atlas  # noqa: E402
import paint_kit  # noqa: E402


def save(image, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if path.endswith(".tga"):
        image.save(path, compression=None)
    else:
        image.save(path, optimize=False)
    print("texture", path)


def paint_group(group, out_dir):
    module = importlib.import_module("paint_" + group)
    for name in sorted(module.ATLASES):
        save(paint_kit.paint_atlas(name, module.RECIPES[name]), os.path.join(out_dir, name + ".png"))
    for relative in sorted(module.PAINTERS):
        save(module.PAINTERS[relative](), os.path.join(out_dir, relative))


def main(out_dir, groups):
    for group in groups or atlas.GROUPS:
        paint_group(group, out_dir)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2:])
