"""Models of the props group, built in Blender: the boss, its hammers, traps, items, doors, breakables and level markers.

Each builder returns (root, parts): rigid parts made of soft primitives with
their joints as origins (see rig.py).  BUILDERS maps a model's manifest name to
(builder, animations); animations is a list of (name, frames, pose function,
loops) for an MD2, None for a static .X prop.  Blender space: z up, the model
faces +x, feet at the origin, one unit = one world unit (a floor tile is 2).
"""

BUILDERS = {}
