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
    "fairy": (256, 4, {
        "skin": (0, 0), "hair": (1, 0), "dress": (2, 0), "trail": (3, 0),
        "wing": (0, 1), "eye": (1, 1), "wand": (2, 1), "star": (3, 1),
    }),
    "ghost_fast": (256, 4, {
        "body": (0, 0), "eye": (1, 0), "mouth": (2, 0), "arm": (3, 0),
    }),
    "ghost_hp": (256, 4, {
        "body": (0, 0), "eye": (1, 0), "mouth": (2, 0), "arm": (3, 0),
        "brow": (0, 1), "horn": (1, 1),
    }),
    "doll": (256, 8, {
        "dress": (0, 0), "collar": (1, 0), "skin": (2, 0), "button": (3, 0),
        "stitch": (4, 0), "patch": (5, 0), "hair": (6, 0), "wood": (7, 0),
        "iron": (0, 1), "stocking": (1, 1), "shoe": (2, 1),
    }),
    "bomb": (256, 8, {
        "shell": (0, 0), "cap": (1, 0), "eye": (2, 0), "pupil": (3, 0),
        "fuse": (4, 0), "spark": (5, 0), "flare": (6, 0),
        "foot": (0, 1),
    }),
    "magician": (256, 4, {
        "body": (0, 0), "cape": (1, 0), "lining": (2, 0), "eye": (3, 0),
        "hat": (0, 1), "band": (1, 1), "wand": (2, 1), "wandtip": (3, 1),
    }),
    "jack": (512, 8, {
        "box": (0, 0), "metal": (1, 0), "knob": (2, 0), "lid": (3, 0),
        "spring": (4, 0), "ruff": (5, 0), "face": (6, 0), "nose": (7, 0),
        "eye": (0, 1), "mouth": (1, 1), "hair": (2, 1), "hat": (3, 1),
        "hathalf": (4, 1), "bell": (5, 1),
    }),
    "witch": (256, 4, {
        "robe": (0, 0), "skin": (1, 0), "eye": (2, 0), "hair": (3, 0),
        "hat": (0, 1), "band": (1, 1),
    }),
    "chaser": (256, 4, {
        "robe": (0, 0), "void": (1, 0), "eye": (2, 0), "claw": (3, 0),
    }),
    "drag": (256, 4, {
        "stone": (0, 0), "spike": (1, 0), "eye": (2, 0), "maw": (3, 0),
    }),
}

# Per texture, per cell: how to paint it.  Colours follow the night palette:
# warm, saturated accents on the kid and the candy, pale cyan on the ghost,
# mint and lavender on its fast and heavy kin; the special enemies each keep one
# family of colours of their own, so they differ in colour as well as in shape.
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
    # The fairy is drawn additively: black would vanish, so every cell stays bright.
    "fairy": {
        "skin": ("gradient", "#fffaf0", "#ffe6c8", 0.05),
        "hair": ("gradient", "#fff2a8", "#ffc85a", 0.1),
        "dress": ("gradient", "#f4fbff", "#b8e4ff", 0.08),
        "trail": ("gradient", "#fff8d0", "#ffb848", 0.06),
        "wing": ("radial", "#ffffff", "#9fdcff", 0.05),
        "eye": ("gradient", "#9a6a30", "#7a4e20", 0.05),
        "wand": ("gradient", "#ffe9a8", "#e8b860", 0.05),
        "star": ("radial", "#ffffff", "#ffe070", 0.03),
    },
    "ghost_fast": {
        "body": ("gradient", "#f0fffa", "#a6f0dc", 0.1),
        "eye": ("gradient", "#14344a", "#08182a", 0.05),
        "mouth": ("gradient", "#1c3c50", "#0c1e2e", 0.05),
        "arm": ("gradient", "#e2fff6", "#9ee8d4", 0.1),
    },
    "ghost_hp": {
        "body": ("gradient", "#f6f0ff", "#c2b2ec", 0.12),
        "eye": ("gradient", "#2a1a48", "#120a26", 0.05),
        "mouth": ("gradient", "#301c50", "#140a28", 0.05),
        "arm": ("gradient", "#eee6ff", "#b8a6e6", 0.1),
        "brow": ("gradient", "#8c78c0", "#6a58a0", 0.1),
        "horn": ("gradient", "#fff0d8", "#b89a78", 0.15),
    },
    "doll": {
        "dress": ("stripes", "#b0607a", "#86485f", 4, 0, 0.2),
        "collar": ("gradient", "#f2ead8", "#cbbca4", 0.12),
        "skin": ("gradient", "#f0e3c8", "#c9b28e", 0.2),
        "button": ("radial", "#4a3e5c", "#120e18", 0.05),
        "stitch": ("stripes", "#2a1218", "#5a2a34", 6, 0, 0.1),
        "patch": ("gradient", "#7aa0c8", "#4e6e9e", 0.15),
        "hair": ("stripes", "#e8702e", "#a8401a", 6, 80, 0.15),
        "wood": ("stripes", "#b07c42", "#7a4e26", 3, 0, 0.25),
        "iron": ("gradient", "#767c8e", "#363a48", 0.15),
        "stocking": ("stripes", "#ece4dc", "#4a3040", 3, 90, 0.1),
        "shoe": ("gradient", "#3e2430", "#1a0e14", 0.1),
    },
    "bomb": {
        "shell": ("gradient", "#6a7298", "#101220", 0.15),
        "cap": ("gradient", "#a0a8b8", "#4a5060", 0.15),
        "eye": ("gradient", "#ffffff", "#dde2f0", 0.04),
        "pupil": ("gradient", "#e02020", "#780808", 0.05),
        "fuse": ("stripes", "#d0a878", "#8a6438", 3, 45, 0.1),
        "spark": ("radial", "#ffffff", "#ffd040", 0.03),
        "flare": ("radial", "#fff4b0", "#ff8020", 0.03),
        "foot": ("gradient", "#2e2436", "#100c14", 0.1),
    },
    "magician": {
        "body": ("gradient", "#f6fbff", "#c6e2f4", 0.1),
        "cape": ("gradient", "#62309a", "#2a1048", 0.2),
        "lining": ("gradient", "#e8343e", "#8a1020", 0.15),
        "eye": ("gradient", "#1e2a48", "#0c1226", 0.05),
        "hat": ("gradient", "#2e2840", "#0e0c16", 0.12),
        "band": ("gradient", "#ee3c3c", "#9a1a1a", 0.1),
        "wand": ("gradient", "#2a2632", "#121016", 0.05),
        "wandtip": ("gradient", "#ffffff", "#e0e0ea", 0.03),
    },
    "jack": {
        "box": ("stripes", "#d83a4a", "#f0c040", 4, 45, 0.12),
        "metal": ("gradient", "#c0c8d8", "#5a6070", 0.12),
        "knob": ("radial", "#ff6a5a", "#c01818", 0.05),
        "lid": ("gradient", "#34b0ac", "#1a6a70", 0.15),
        "spring": ("stripes", "#d8e0ec", "#6a7484", 4, 90, 0.1),
        "ruff": ("stripes", "#fff6f2", "#e0b8d8", 4, 0, 0.1),
        "face": ("gradient", "#fffaf4", "#e8dcd8", 0.06),
        "nose": ("radial", "#ff6a6a", "#c01020", 0.04),
        "eye": ("gradient", "#1e1028", "#0a0610", 0.04),
        "mouth": ("gradient", "#a01c34", "#500818", 0.05),
        "hair": ("gradient", "#ff9a3a", "#d85a10", 0.15),
        "hat": ("gradient", "#9a48d8", "#5a1a90", 0.12),
        "hathalf": ("gradient", "#48d070", "#1a8a3a", 0.12),
        "bell": ("radial", "#fff0a0", "#d0a020", 0.05),
    },
    "witch": {
        "robe": ("gradient", "#3e6a5c", "#16282a", 0.22),
        "skin": ("gradient", "#cdecb4", "#8cb47c", 0.12),
        "eye": ("radial", "#ffffd0", "#ffb020", 0.03),
        "hair": ("stripes", "#c4c4d4", "#7c7c94", 5, 90, 0.12),
        "hat": ("gradient", "#302446", "#100a1c", 0.15),
        "band": ("gradient", "#ff9a3a", "#c85010", 0.1),
    },
    "chaser": {
        "robe": ("gradient", "#4a2e6a", "#0a0612", 0.25),
        "void": ("gradient", "#0a0610", "#020104", 0.02),
        "eye": ("radial", "#ffffff", "#ff3048", 0.02),
        "claw": ("gradient", "#6a5a7c", "#241c2e", 0.12),
    },
    "drag": {
        "stone": ("gradient", "#8e8aa6", "#403c56", 0.3),
        "spike": ("gradient", "#ece4d0", "#8a8070", 0.12),
        "eye": ("radial", "#ffffff", "#60e0ff", 0.02),
        "maw": ("gradient", "#1a0e26", "#08040c", 0.04),
    },
}

# Output path under GameData/Textures/ -> function returning a PIL image.
PAINTERS = {}

# Texture -> how its model glows on the contact sheet and in the art guide:
# {"all": emission strength} or {"cells": [cells that shine, each lighting the scene]}.
GLOW = {
    "ghost": {"all": 0.45},
    "ghost_fast": {"all": 0.45},
    "ghost_hp": {"all": 0.45},
    "fairy": {"all": 1.0},
    "magician": {"all": 0.3},
    "witch": {"all": 0.2},
    "bomb": {"cells": ["spark", "flare"]},
    "chaser": {"cells": ["eye"]},
    "drag": {"cells": ["eye"]},
    "kid": {"cells": ["glass"]},
}
