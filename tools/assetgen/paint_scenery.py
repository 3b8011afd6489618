"""Textures of the scenery group: decorations, floor tiles, billboards, the light halo, the sky box and the particle textures.
ATLASES places each model's cells (see atlas.py); RECIPES paints them (see
paint_kit.swatch); PAINTERS makes the textures that are not model atlases.
Pure Python: the model builders in Blender read ATLASES too.
"""

# Texture name -> (size in pixels, cells per side, {cell name: (column, row)}), row 0 at the top.
ATLASES = {}

# Texture name -> {cell name: recipe}.
RECIPES = {}

# Output path under GameData/Textures/ -> function returning a PIL image.
PAINTERS = {}

# Texture -> how its model glows on the contact sheet:
# {"all": emission strength} or {"cells": [cells that shine, each lighting the scene]}.
GLOW = {}
