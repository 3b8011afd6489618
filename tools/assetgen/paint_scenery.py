"""Textures of the scenery group: decorations, floor tiles, billboards, the light halo, the sky box and the particle textures.
ATLASES places each model's cells (see atlas.py); RECIPES paints them (see
paint_kit.swatch); PAINTERS makes the textures that are not model atlases.
The model builders in Blender read ATLASES too.  The whole textures are
painted by paint_scenery_tiles (floor tiles), paint_scenery_fx (billboards,
the halo and the particles) and paint_scenery_sky (the sky box).
"""

import paint_scenery_fx
import paint_scenery_sky
import paint_scenery_tiles


def _cells(*names):
    """Cells in reading order over the top half of a 4 x 4 grid."""
    assert len(names) <= 8, "a 4 x 4 atlas holds eight cells in its top half"
    return {name: (i % 4, i // 4) for i, name in enumerate(names)}


# Texture name -> (size in pixels, cells per side, {cell name: (column, row)}), row 0 at the top.
ATLASES = {
    "tree_bare": (256, 4, _cells("bark", "branch", "root", "hollow", "moss")),
    "tree_leafy": (256, 4, _cells("bark", "leaves", "leaves_light", "leaves_dark", "root")),
    "tree_pine": (256, 4, _cells("bark", "needles", "needles_light", "needles_dark")),
    "bush": (256, 4, _cells("leaves", "leaves_light", "leaves_dark", "berry")),
    "rock": (256, 4, _cells("stone", "stone_light", "moss")),
    "gravestone": (256, 4, _cells("stone", "stone_dark", "carving", "moss", "soil")),
    "pumpkin": (256, 4, _cells("skin", "skin_dark", "stem", "face", "leaf")),
    "lamp_post": (256, 4, _cells("iron", "iron_light", "glass", "stone")),
    "well": (256, 4, _cells("stone", "stone_top", "water", "wood", "roof", "rope", "bucket")),
    "cottage_wall": (256, 4, _cells("plaster", "timber", "window", "frame", "roof", "stone", "sill")),
    "signpost": (256, 4, _cells("post", "board", "board_edge", "cap")),
    "fence": (256, 4, _cells("picket", "rail", "tip")),
    "mushrooms": (256, 4, _cells("stem", "cap", "cap_violet", "spots", "gills")),
    "stump": (256, 4, _cells("bark", "top", "root", "moss")),
    "challenge_stone": (256, 4, _cells("stone", "stone_light", "rune", "base", "moss")),
}

# Per texture, per cell: how to paint it.  The night palette: cool blue-violet
# greys and teals; the few warm or glowing accents (lamp glass, the cottage
# window, the runes, the pumpkin) stay small on the model.
BARK = ("gradient", "#6e6484", "#342c44", 0.3)
RECIPES = {
    "tree_bare": {
        "bark": BARK,
        "branch": ("gradient", "#7e7494", "#463c56", 0.3),
        "root": ("gradient", "#3e3650", "#1e1828", 0.3),
        "hollow": ("radial", "#05030a", "#1a1224", 0.05),
        "moss": ("gradient", "#4c7478", "#2a464e", 0.3),
    },
    "tree_leafy": {
        "bark": BARK,
        "leaves": ("gradient", "#3f7482", "#1d3c4c", 0.3),
        "leaves_light": ("gradient", "#6a9eaa", "#33606e", 0.3),
        "leaves_dark": ("gradient", "#2b5464", "#142838", 0.3),
        "root": ("gradient", "#3e3650", "#1e1828", 0.3),
    },
    "tree_pine": {
        "bark": BARK,
        "needles": ("stripes", "#2c5c68", "#1a3a48", 6, 90, 0.25),
        "needles_light": ("stripes", "#6f9aae", "#3a6878", 6, 90, 0.25),
        "needles_dark": ("stripes", "#1e4250", "#0f2432", 6, 90, 0.25),
    },
    "bush": {
        "leaves": ("gradient", "#3c6e7e", "#1c3a4a", 0.35),
        "leaves_light": ("gradient", "#5f95a4", "#2f5a6a", 0.35),
        "leaves_dark": ("gradient", "#28505e", "#122634", 0.35),
        "berry": ("radial", "#c99af0", "#6a3aa0", 0.05),
    },
    "rock": {
        "stone": ("gradient", "#747c9a", "#50566f", 0.3),
        "stone_light": ("gradient", "#a2aac6", "#646c8c", 0.3),
        "moss": ("gradient", "#4e7a7c", "#2a4a52", 0.35),
    },
    "gravestone": {
        "stone": ("gradient", "#959dbc", "#5a6282", 0.25),
        "stone_dark": ("gradient", "#646c8c", "#383e58", 0.25),
        "carving": ("gradient", "#2a2c44", "#1a1a2e", 0.1),
        "moss": ("gradient", "#4e7a7c", "#2a4a52", 0.35),
        "soil": ("gradient", "#3a5a5c", "#223638", 0.35),
    },
    "pumpkin": {
        "skin": ("gradient", "#d2773a", "#8c3e1c", 0.2),
        "skin_dark": ("gradient", "#a65428", "#5e2612", 0.2),
        "stem": ("gradient", "#6a7a4a", "#2e3a22", 0.25),
        "face": ("radial", "#ffd070", "#e08a2a", 0.05),
        "leaf": ("gradient", "#3e6a5a", "#1e3a34", 0.3),
    },
    "lamp_post": {
        "iron": ("gradient", "#454a66", "#1c1e2e", 0.2),
        "iron_light": ("gradient", "#6a7090", "#30344a", 0.2),
        "glass": ("radial", "#fff8e6", "#ffd890", 0.04),
        "stone": ("gradient", "#7c84a2", "#474d68", 0.3),
    },
    "well": {
        "stone": ("stripes", "#7e84a2", "#4c5270", 4, 90, 0.3),
        "stone_top": ("gradient", "#9ca4c2", "#646c8c", 0.3),
        "water": ("radial", "#3a6a9a", "#0e1a36", 0.1),
        "wood": ("gradient", "#6e5e6e", "#3a2e3e", 0.3),
        "roof": ("stripes", "#4c5a7e", "#2c3654", 4, 0, 0.25),
        "rope": ("stripes", "#a0967e", "#6a5e4e", 6, 45, 0.15),
        "bucket": ("stripes", "#6a5a5e", "#44383e", 5, 0, 0.25),
    },
    "cottage_wall": {
        "plaster": ("gradient", "#b4b2cc", "#7e7ca0", 0.25),
        "timber": ("gradient", "#54444e", "#2a2028", 0.3),
        "window": ("radial", "#fff0c0", "#ffb860", 0.04),
        "frame": ("gradient", "#3e3038", "#1e161c", 0.2),
        "roof": ("stripes", "#4a5880", "#28324e", 4, 0, 0.25),
        "stone": ("gradient", "#6e7490", "#3a3e58", 0.3),
        "sill": ("gradient", "#7a6a70", "#4a3c44", 0.25),
    },
    "signpost": {
        "post": ("gradient", "#7e7088", "#443a4c", 0.3),
        "board": ("stripes", "#b8acb4", "#948690", 3, 0, 0.25),
        "board_edge": ("gradient", "#6e5e6a", "#42363e", 0.25),
        "cap": ("gradient", "#4a4e6a", "#262838", 0.2),
    },
    "fence": {
        "picket": ("gradient", "#a29cb4", "#625a78", 0.3),
        "rail": ("gradient", "#7e7694", "#4a4260", 0.3),
        "tip": ("gradient", "#bab4ca", "#8a84a0", 0.25),
    },
    "mushrooms": {
        "stem": ("gradient", "#dcd8ec", "#9a96b8", 0.15),
        "cap": ("radial", "#a8f0ff", "#3a8cc0", 0.08),
        "cap_violet": ("radial", "#e0b4ff", "#7a46c0", 0.08),
        "spots": ("radial", "#f4fcff", "#c8e8f4", 0.05),
        "gills": ("stripes", "#8a88aa", "#5a5878", 8, 0, 0.1),
    },
    "stump": {
        "bark": BARK,
        "top": ("radial", "#b4a0a4", "#6a5664", 0.15),
        "root": ("gradient", "#3e3650", "#1e1828", 0.3),
        "moss": ("gradient", "#4e7a7c", "#2a4a52", 0.35),
    },
    "challenge_stone": {
        "stone": ("gradient", "#6a6c92", "#34365a", 0.3),
        "stone_light": ("gradient", "#8e92b6", "#545878", 0.3),
        "rune": ("radial", "#f4d8ff", "#a04cff", 0.04),
        "base": ("gradient", "#52567a", "#2a2c44", 0.3),
        "moss": ("gradient", "#4e7a7c", "#2a4a52", 0.35),
    },
}


# Output path under GameData/Textures/ -> function returning a PIL image.
PAINTERS = {}
for _module in (paint_scenery_tiles, paint_scenery_fx, paint_scenery_sky):
    for _path, _painter in _module.PAINTERS.items():
        assert _path not in PAINTERS, _path + ": painted twice"
        PAINTERS[_path] = _painter

# Texture -> how its model glows on the contact sheet:
# {"all": emission strength} or {"cells": [cells that shine, each lighting the scene]}.
GLOW = {
    "lamp_post": {"cells": ["glass"]},
    "cottage_wall": {"cells": ["window"]},
    "challenge_stone": {"cells": ["rune"]},
    "mushrooms": {"all": 0.25},
}
