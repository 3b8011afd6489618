"""Textures of the props group: the boss, its hammers, traps, items, doors, breakables and level markers.
ATLASES places each model's cells (see atlas.py); RECIPES paints them (see
paint_kit.swatch); PAINTERS makes the textures that are not model atlases.
Pure Python: the model builders in Blender read ATLASES too.

Palette: props sit in the cool moonlit blue-violet of the night, each with one
warm accent at most (a lamp's glass, a padlock); the items the player hunts for
(the key) and the boss's pumpkin head are the saturated warm exceptions.
"""

# Shared swatches, so the same stone or iron reads the same on every prop.
STONE = ("gradient", "#8d93b8", "#4d5274", 0.22)
STONE_DARK = ("gradient", "#6a6f92", "#353955", 0.22)
MOSS = ("gradient", "#6f9a83", "#3a5e55", 0.25)
IRON = ("gradient", "#6b7190", "#2c3046", 0.18)
WOOD = ("stripes", "#8e7680", "#5e4b58", 7, 0, 0.22)
WOOD_DARK = ("gradient", "#5e4a55", "#33262f", 0.2)
GOLD = ("gradient", "#ffe25a", "#e88a0c", 0.12)
SOIL = ("gradient", "#4a4060", "#231d33", 0.25)
PIT = ("radial", "#0c0a18", "#2a2540", 0.05)

# Texture name -> (size in pixels, cells per side, {cell name: (column, row)}), row 0 at the top.
ATLASES = {
    "boss": (512, 4, {
        "pumpkin": (0, 0), "face": (1, 0), "crown": (2, 0), "cloak": (3, 0),
        "hem": (0, 1), "armour": (1, 1), "hand": (2, 1), "stem": (3, 1),
    }),
    "hammer": (256, 4, {"wood": (0, 0), "iron": (1, 0), "grip": (2, 0), "end": (3, 0)}),
    "spikes": (256, 4, {"grate": (0, 0), "pit": (1, 0), "spike": (2, 0), "rivet": (3, 0)}),
    "arrow_trap": (256, 4, {"stone": (0, 0), "head": (1, 0), "eye": (2, 0), "mouth": (3, 0),
                            "moss": (0, 1), "horn": (1, 1)}),
    "projectile": (256, 4, {"tip": (0, 0), "band": (1, 0)}),
    "slow_trap": (256, 4, {"goo": (0, 0), "bubble": (1, 0), "rim": (2, 0)}),
    "spawner": (256, 4, {"soil": (0, 0), "pit": (1, 0), "slab": (2, 0), "moss": (3, 0),
                         "glow": (0, 1), "grass": (1, 1)}),
    "key": (256, 4, {"gold": (0, 0), "shine": (1, 0), "gem": (2, 0)}),
    "door": (256, 4, {"planks": (0, 0), "frame": (1, 0), "iron": (2, 0), "step": (3, 0)}),
    "locked_door": (256, 4, {"planks": (0, 0), "frame": (1, 0), "iron": (2, 0), "step": (3, 0),
                             "gold": (0, 1), "keyhole": (1, 1)}),
    "crate": (256, 4, {"boards": (0, 0), "battens": (1, 0), "nails": (2, 0)}),
    "stone_block": (256, 4, {"stone": (0, 0), "moss": (1, 0), "iron": (2, 0), "rivet": (3, 0)}),
    "checkpoint": (256, 4, {"stone": (0, 0), "post": (1, 0), "roof": (2, 0), "metal": (3, 0),
                            "glass": (0, 1)}),
    "win_point": (256, 4, {"light": (0, 1), "ring": (1, 1), "cap": (2, 1), "stalk": (3, 1),
                           "stone": (0, 0), "veil": (1, 0)}),
    "healing_lamp": (256, 4, {"iron": (0, 0), "glass": (1, 0), "stone": (2, 0), "leaf": (3, 0)}),
    "stone_wall": (256, 4, {"stone": (0, 0), "stone_dark": (1, 0), "moss": (2, 0), "cap": (3, 0)}),
}

# Texture name -> {cell name: recipe}.
RECIPES = {
    "boss": {
        "pumpkin": ("stripes", "#ff9a30", "#d9641a", 6, 0, 0.15),
        "face": ("radial", "#fff6b0", "#ffb020", 0.04),
        "crown": GOLD,
        "cloak": ("gradient", "#4a3f86", "#231c4a", 0.22),
        "hem": ("gradient", "#35306a", "#120f2c", 0.25),
        "armour": ("gradient", "#8a90b8", "#3a3e5c", 0.18),
        "hand": ("gradient", "#eefcff", "#a9dcec", 0.1),
        "stem": ("gradient", "#6f8a46", "#34461f", 0.2),
    },
    "hammer": {
        "wood": ("stripes", "#b08a66", "#7a5a44", 10, 0, 0.2),
        "iron": ("gradient", "#4e5470", "#1e2130", 0.15),
        "grip": ("stripes", "#5a4a7a", "#3a2f56", 8, 35, 0.15),
        "end": ("radial", "#a88a6a", "#6e5444", 0.15),
    },
    "spikes": {
        "grate": IRON,
        "pit": PIT,
        "spike": ("gradient", "#e4e9ff", "#6b7194", 0.08),
        "rivet": ("gradient", "#9aa0c0", "#50556f", 0.1),
    },
    "arrow_trap": {
        "stone": STONE,
        "head": ("stripes", "#8f95bb", "#6a7096", 6, 0, 0.2),
        "eye": ("radial", "#fff0a0", "#ff8a20", 0.04),
        "mouth": PIT,
        "moss": MOSS,
        "horn": STONE_DARK,
    },
    "projectile": {
        "tip": ("radial", "#fffbe0", "#ffa030", 0.04),
        "band": ("gradient", "#c0486a", "#6a1e44", 0.1),
    },
    "slow_trap": {
        "goo": ("radial", "#d8ff6a", "#4fbf2a", 0.15),
        "bubble": ("radial", "#f4ffc0", "#8fe040", 0.06),
        "rim": ("gradient", "#6fd040", "#2f7a2a", 0.15),
    },
    "spawner": {
        "soil": SOIL,
        "pit": PIT,
        "slab": STONE,
        "moss": MOSS,
        "glow": ("radial", "#e8fcff", "#7fd8f0", 0.05),
        "grass": ("gradient", "#4f7a72", "#27433f", 0.25),
    },
    "key": {
        "gold": GOLD,
        "shine": ("radial", "#fffbe0", "#ffd050", 0.05),
        "gem": ("radial", "#ff8aa0", "#e0204a", 0.06),
    },
    "door": {
        "planks": WOOD,
        "frame": STONE,
        "iron": IRON,
        "step": STONE_DARK,
    },
    "locked_door": {
        "planks": WOOD,
        "frame": STONE,
        "iron": IRON,
        "step": STONE_DARK,
        "gold": GOLD,
        "keyhole": PIT,
    },
    "crate": {
        "boards": ("stripes", "#8a7468", "#5e4a46", 5, 0, 0.1),
        "battens": ("gradient", "#6e5a58", "#463838", 0.2),
        "nails": IRON,
    },
    "stone_block": {
        "stone": STONE_DARK,
        "moss": MOSS,
        "iron": IRON,
        "rivet": ("gradient", "#a4aacc", "#5a5f7c", 0.1),
    },
    "checkpoint": {
        "stone": STONE,
        "post": WOOD_DARK,
        "roof": ("stripes", "#5a5f8a", "#41456a", 8, 90, 0.2),
        "metal": IRON,
        "glass": ("radial", "#fffbe0", "#ffb232", 0.05),
    },
    "win_point": {
        "light": ("gradient", "#fff8d0", "#ffd45e", 0.06),
        "ring": ("radial", "#ffffff", "#ffe08a", 0.04),
        "cap": ("gradient", "#fff0c0", "#e8c070", 0.08),
        "stalk": ("gradient", "#f4efe0", "#c9c0a8", 0.08),
        "stone": STONE,
        "veil": ("radial", "#ffffff", "#fff0b0", 0.03),
    },
    "healing_lamp": {
        "iron": IRON,
        "glass": ("radial", "#eeffa8", "#86d23a", 0.05),
        "stone": STONE,
        "leaf": MOSS,
    },
    "stone_wall": {
        "stone": STONE,
        "stone_dark": STONE_DARK,
        "moss": MOSS,
        "cap": ("gradient", "#9aa0c4", "#5d6284", 0.2),
    },
}

# Output path under GameData/Textures/ -> function returning a PIL image.
PAINTERS = {}

# Texture -> how its model glows on the contact sheet:
# {"all": emission strength} or {"cells": [cells that shine, each lighting the scene]}.
GLOW = {
    "boss": {"cells": ["face"]},
    "key": {"all": 0.25},
    "projectile": {"cells": ["tip"]},
    "slow_trap": {"all": 0.4},
    "checkpoint": {"cells": ["glass"]},
    "win_point": {"cells": ["light", "veil", "ring"]},
    "healing_lamp": {"cells": ["glass"]},
}
