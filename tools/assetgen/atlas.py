"""Where each part of a model finds its colour in the model's texture.

A character's texture is a grid of square cells, one painted swatch per
material (skin, cloak, lantern glass, ...).  The texture painter fills the
cells; the modeller squeezes each part's texture coordinates into its cell.
Both read this one table, so a cell cannot drift between them.

Cells sit in the top half of the grid only; the painter repeats each one,
upside down, in the mirrored row of the bottom half.  A texture coordinate then
finds the same colour whether a renderer counts v from the top row of the image
(the MD2 and .X convention) or from the bottom row (OpenGL's).
"""

import importlib
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

GROUPS = ("characters", "props", "scenery")

# Texture name -> (size in pixels, cells per side, {cell name: (column, row)}), row 0 at the top,
# gathered from the groups' paint modules.
TEXTURES = {}
for _group in GROUPS:
    _module = importlib.import_module("paint_" + _group)
    for _name, _entry in _module.ATLASES.items():
        assert _name not in TEXTURES, _name + ": two groups paint this texture"
        TEXTURES[_name] = _entry

for _name, (_size, _grid, _cells) in TEXTURES.items():
    assert all(row < _grid // 2 for _col, row in _cells.values()), _name + ": a cell outside the top half"

MARGIN = 0.12  # part of a cell left unused on each side, so filtering never bleeds


def cell_rect(texture, cell):
    """(u0, v0, u1, v1) of a cell in Blender's texture space (v = 0 at the bottom)."""
    _size, grid, cells = TEXTURES[texture]
    col, row = cells[cell]
    step = 1.0 / grid
    u0 = col * step + MARGIN * step
    u1 = (col + 1) * step - MARGIN * step
    top = 1.0 - row * step
    v1 = top - MARGIN * step
    v0 = top - step + MARGIN * step
    return u0, v0, u1, v1


def cell_pixels(texture, cell, mirrored=False):
    """(x0, y0, x1, y1) of a whole cell in image pixels (y = 0 at the top); mirrored:
    its upside-down copy in the bottom half."""
    size, grid, cells = TEXTURES[texture]
    col, row = cells[cell]
    if mirrored:
        row = grid - 1 - row
    step = size // grid
    return col * step, row * step, (col + 1) * step, (row + 1) * step
