"""Textures of the characters group: the kid, the fairy, the ghosts, the candy and
the special enemies.  ATLASES places each model's cells (see atlas.py); RECIPES
paints them (see paint_kit.swatch); PAINTERS makes textures that are not atlases.
Pure Python: the model builders in Blender read ATLASES too.
"""

# Texture name -> (size in pixels, cells per side, {cell name: (column, row)}), row 0 at the top.
ATLASES = {
    "kid": (512, 8, {
        "skin": (0, 0), "hair": (1, 0), "cloak": (2, 0), "hood": (3, 0),
        "trim": (4, 0), "boots": (5, 0), "metal": (6, 0), "glass": (7, 0),
        "eye": (0, 1), "cheek": (1, 1), "dress": (2, 1),
    }),
    "ghost": (256, 4, {
        "body": (0, 0), "hem": (1, 0), "eye": (2, 0), "mouth": (3, 0),
        "arm": (0, 1), "blush": (1, 1),
    }),
    "candy": (256, 4, {
        "wrapper": (0, 0), "twist": (1, 0), "stripe": (2, 0),
    }),
}

# Per texture, per cell: how to paint it.  Colours follow the night palette:
# warm, saturated accents on the kid and the candy, pale cyan on the ghost.
RECIPES = {
    "kid": {
        "skin": ("gradient", "#ffd9bd", "#e9a98a", 0.08),
        "hair": ("gradient", "#8a4326", "#4a1e12", 0.25),
        "cloak": ("gradient", "#e0412f", "#8e1c1e", 0.2),
        "hood": ("gradient", "#c9342a", "#7a1619", 0.2),
        "trim": ("gradient", "#ffd35a", "#e09a22", 0.15),
        "boots": ("gradient", "#5b3a2a", "#2e1c15", 0.2),
        "metal": ("gradient", "#8a6a3c", "#3f2d1a", 0.25),
        "glass": ("radial", "#fffbe0", "#ffb232", 0.05),
        "eye": ("gradient", "#2a2038", "#120c1c", 0.05),
        "cheek": ("radial", "#ff9a8a", "#f2b49c", 0.05),
        "dress": ("stripes", "#3c4f9e", "#2c3a78", 5, 90, 0.15),
    },
    "ghost": {
        "body": ("gradient", "#f4fdff", "#bdeaf5", 0.1),
        "hem": ("gradient", "#c8eff8", "#86cfe6", 0.12),
        "eye": ("gradient", "#1e2a48", "#0c1226", 0.05),
        "mouth": ("gradient", "#2a2250", "#120e2a", 0.05),
        "arm": ("gradient", "#e9fbff", "#b5e4f0", 0.1),
        "blush": ("radial", "#bfe6ff", "#d8f4fb", 0.05),
    },
    "candy": {
        "wrapper": ("stripes", "#ff3f8e", "#ffe066", 4, 30, 0.12),
        "twist": ("gradient", "#ff8fc0", "#e2366f", 0.15),
        "stripe": ("gradient", "#fff6d8", "#ffd070", 0.1),
    },
}

# Output path under GameData/Textures/ -> function returning a PIL image.
PAINTERS = {}

# Texture -> how its model glows on the contact sheet and in the art guide:
# {"all": emission strength} or {"cells": [cells that shine, each lighting the scene]}.
GLOW = {
    "ghost": {"all": 0.45},
    "kid": {"cells": ["glass"]},
}
