"""Where each part of a model finds its colour in the model's texture.

A character's texture is a grid of square cells, one painted swatch per
material (skin, cloak, lantern glass, ...).  The texture painter fills the
cells; the modeller squeezes each part's texture coordinates into its cell.
Both read this one table, so a cell cannot drift between them.
"""

GRID = 4  # cells per side

# Texture name -> (size in pixels, {cell name: (column, row)}), row 0 at the top.
TEXTURES = {
    "kid": (256, {
        "skin": (0, 0), "hair": (1, 0), "cloak": (2, 0), "hood": (3, 0),
        "trim": (0, 1), "boots": (1, 1), "metal": (2, 1), "glass": (3, 1),
        "eye": (0, 2), "cheek": (1, 2), "dress": (2, 2),
    }),
    "ghost": (256, {
        "body": (0, 0), "hem": (1, 0), "eye": (2, 0), "mouth": (3, 0),
        "arm": (0, 1), "blush": (1, 1),
    }),
    "candy": (256, {
        "wrapper": (0, 0), "twist": (1, 0), "stripe": (2, 0),
    }),
}

MARGIN = 0.12  # part of a cell left unused on each side, so filtering never bleeds


def cell_rect(texture, cell):
    """(u0, v0, u1, v1) of a cell in Blender's texture space (v = 0 at the bottom)."""
    _size, cells = TEXTURES[texture]
    col, row = cells[cell]
    step = 1.0 / GRID
    u0 = col * step + MARGIN * step
    u1 = (col + 1) * step - MARGIN * step
    top = 1.0 - row * step
    v1 = top - MARGIN * step
    v0 = top - step + MARGIN * step
    return u0, v0, u1, v1


def cell_pixels(texture, cell):
    """(x0, y0, x1, y1) of a whole cell in image pixels (y = 0 at the top)."""
    size, cells = TEXTURES[texture]
    col, row = cells[cell]
    step = size // GRID
    return col * step, row * step, (col + 1) * step, (row + 1) * step
