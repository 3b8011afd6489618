"""Models of the characters group, built in Blender: the kid, the fairy, the
ghosts and the candy here, the special enemies in models_characters_enemies.py.

Each builder returns (root, parts): rigid parts made of soft primitives with
their joints as origins (see rig.py).  BUILDERS maps a model's manifest name to
(builder, animations); animations is a list of (name, frames, pose function,
loops) for an MD2, None for a static .X prop.  Blender space: z up, the model
faces +x, feet at the origin, one unit = one world unit (a floor tile is 2).
"""

import math

import rig
import models_characters_enemies as enemies
from models_characters_kit import blob, limb, scaled_animations
from poses import ease_out, wave
from rig import transform as T


# ---- the kid ---------------------------------------------------------------

def build_kid():
    root = rig.make_root("KidRoot")
    part = rig.make_part
    torso = part("Torso", "kid", [
        ("cone", (12, 0.30, 0.13, 0.50), T((0, 0, 0.52)), "cloak"),
        ("cone", (12, 0.315, 0.30, 0.07), T((0, 0, 0.29)), "trim"),
        ("sphere", (10, 6, 0.14), T((0, 0, 0.76), (1, 1, 0.6)), "trim"),
    ], pivot=(0, 0, 0.3), parent=root)
    head = part("Head", "kid", [
        ("sphere", (14, 9, 0.30), T((0.02, 0, 1.02), (1, 1, 0.95)), "skin"),
        ("sphere", (12, 8, 0.335), T((-0.05, 0, 1.05)), "hood"),
        ("cone", (8, 0.13, 0.006, 0.30), T((-0.30, 0, 1.22), rotation=(0, -60, 0)), "hood"),
        ("sphere", (8, 4, 0.055), T((0.295, 0.105, 1.03), (0.45, 0.85, 1.25)), "eye"),
        ("sphere", (8, 4, 0.055), T((0.295, -0.105, 1.03), (0.45, 0.85, 1.25)), "eye"),
        ("sphere", (8, 4, 0.05), T((0.27, 0.17, 0.94), (0.4, 1, 0.7)), "cheek"),
        ("sphere", (8, 4, 0.05), T((0.27, -0.17, 0.94), (0.4, 1, 0.7)), "cheek"),
        ("sphere", (8, 6, 0.09), T((0.0, 0.34, 0.90), (0.9, 0.9, 1.2)), "hair"),
        ("sphere", (8, 6, 0.09), T((0.0, -0.34, 0.90), (0.9, 0.9, 1.2)), "hair"),
    ], pivot=(0, 0, 0.78), parent=root)
    arm_l = part("ArmL", "kid", [
        ("cone", (8, 0.065, 0.05, 0.28), T((0, 0.2, 0.57)), "cloak"),
        ("sphere", (8, 6, 0.085), T((0, 0.2, 0.42)), "skin"),
    ], pivot=(0, 0.17, 0.70), parent=root)
    arm_r = part("ArmR", "kid", [
        ("cone", (8, 0.065, 0.05, 0.28), T((0, -0.2, 0.57)), "cloak"),
        ("sphere", (8, 6, 0.085), T((0, -0.2, 0.42)), "skin"),
        # The lantern hangs from the right hand and swings with it.
        ("cone", (8, 0.012, 0.012, 0.10), T((0, -0.2, 0.36)), "metal"),
        ("cone", (8, 0.10, 0.03, 0.06), T((0, -0.2, 0.29)), "metal"),
        ("cone", (8, 0.085, 0.085, 0.16), T((0, -0.2, 0.18)), "glass"),
        ("cone", (8, 0.10, 0.10, 0.03), T((0, -0.2, 0.09)), "metal"),
    ], pivot=(0, -0.17, 0.70), parent=root)
    leg_l = part("LegL", "kid", [
        ("cone", (8, 0.06, 0.07, 0.24), T((0, 0.1, 0.18)), "dress"),
        ("sphere", (8, 5, 0.09), T((0.04, 0.1, 0.06), (1.4, 1, 0.75)), "boots"),
    ], pivot=(0, 0.1, 0.30), parent=root)
    leg_r = part("LegR", "kid", [
        ("cone", (8, 0.06, 0.07, 0.24), T((0, -0.1, 0.18)), "dress"),
        ("sphere", (8, 5, 0.09), T((0.04, -0.1, 0.06), (1.4, 1, 0.75)), "boots"),
    ], pivot=(0, -0.1, 0.30), parent=root)
    return root, [torso, head, arm_l, arm_r, leg_l, leg_r]


# The right arm holds the lantern out and forward so it is not hidden under the cloak.
LANTERN_ARM = (-22, -28, 0)


def lantern_arm(x=0.0, y=0.0, z=0.0):
    return (LANTERN_ARM[0] + x, LANTERN_ARM[1] + y, LANTERN_ARM[2] + z)


def kid_idle(p):
    breathe = wave(p, 0.012)
    return {
        "Torso": {"scale": (1, 1, 1 + breathe)},
        "Head": {"offset": (0, 0, breathe * 0.6), "rotation": (wave(p, 3), wave(p, 2, 0.25), 0)},
        "ArmL": {"rotation": (wave(p, 3) - 8, 0, 0), "offset": (0, 0, breathe * 0.5)},
        "ArmR": {"rotation": lantern_arm(-wave(p, 2), wave(p, 4, 0.1)), "offset": (0, 0, breathe * 0.5)},
    }


def kid_walk(p):
    swing = wave(p, 32)
    bob = abs(math.sin(2 * math.pi * p)) * 0.035
    return {
        "KidRoot": {"offset": (0, 0, bob), "rotation": (wave(p, 3), 6, 0)},
        "LegL": {"rotation": (0, -swing, 0)},
        "LegR": {"rotation": (0, swing, 0)},
        "ArmL": {"rotation": (-6, swing * 0.8, 0)},
        "ArmR": {"rotation": lantern_arm(y=-swing * 0.4)},
        "Head": {"rotation": (wave(p, -4), 0, wave(p, 3))},
    }


def kid_death(t):
    fall = ease_out(min(1.0, t * 1.3))
    flop = min(1.0, max(0.0, t * 1.6 - 0.3))
    return {
        "KidRoot": {"rotation": (0, -82 * fall, 0), "offset": (-0.15 * fall, 0, 0.06 * fall)},
        "Head": {"rotation": (0, -15 * flop, 20 * flop)},
        "ArmL": {"rotation": (-70 * flop, -40 * flop, 0)},
        "ArmR": {"rotation": lantern_arm(70 * flop, -40 * flop)},
        "LegL": {"rotation": (0, 25 * flop, 0)},
        "LegR": {"rotation": (0, 10 * flop, 0)},
    }


def kid_float(t):
    rise = ease_out(t)
    return {
        "KidRoot": {"offset": (0, 0, 0.8 * rise), "rotation": (0, 0, 40 * rise)},
        "ArmL": {"rotation": (-150 * rise, 0, 0)},
        "ArmR": {"rotation": lantern_arm(100 * rise, 20 * rise)},
        "LegL": {"rotation": (0, 12 * rise, 0)},
        "LegR": {"rotation": (0, -8 * rise, 0)},
        "Head": {"rotation": (0, -20 * rise, 0)},
    }


KID_ANIMATIONS = [
    # (name, frames, pose function, loops): a loop's last frame leads back into its first.
    ("MirelIdle", 40, kid_idle, True),
    ("MirelWalk", 24, kid_walk, True),
    ("MirelDeath", 30, kid_death, False),
    ("MirelFloat", 30, kid_float, False),
]


# ---- the basic ghost -------------------------------------------------------

def ghost_body_shape(bm):
    """A sheet ghost: a round head flowing into a flared, scalloped hem."""
    for v in bm.verts:
        x, y, z = v.co
        if z < 0.0:
            depth = -z / 0.45
            widen = 1.0 + 0.35 * depth
            angle = math.atan2(y, x)
            hem = 0.06 * math.sin(7 * angle) * depth ** 3
            v.co = (x * widen, y * widen, z * 1.7 + hem)
        v.co.z += 0.95


def add_ghost_keys(obj):
    """Shape keys the animations blend: the hem trailing, swaying, stretching and squashing."""
    obj.shape_key_add(name="Basis")
    for name in ("Trail", "Sway", "Stretch", "Squash"):
        key = obj.shape_key_add(name=name, from_mix=False)
        for point in key.data:
            x, y, z = point.co
            low = max(0.0, (0.95 - z) / 0.8)  # 0 at the head, 1 at the hem
            if name == "Trail":
                point.co = (x - 0.3 * low ** 2, y, z + 0.08 * low ** 2)
            elif name == "Sway":
                point.co = (x, y + 0.18 * low ** 2, z)
            elif name == "Stretch":
                point.co = (x * 0.45, y * 0.45, z * 1.6 + 0.1)
            else:
                point.co = (x * 1.25, y * 1.25, z * 0.78)


def make_ghost(texture, body_radius, body_shape, face, arm_l, arm_r, keys=add_ghost_keys):
    """A sheet ghost's rig: the body (a sphere reshaped, with the animations' shape keys), its
    face and its two arms as parts named the same on every ghost, so all ghosts share poses."""
    root = rig.make_root("GhostRoot")
    part = rig.make_part
    body = part("GhostBody", texture, [
        ("sphere", (18, 12, body_radius), T((0, 0, 0)), "body"),
    ], parent=root, shape=body_shape)
    keys(body)
    face = part("GhostFace", texture, face, pivot=(0, 0, 0.95), parent=root)
    left = part("GhostArmL", texture, arm_l, pivot=(0, 0.4, 0.75), parent=root)
    right = part("GhostArmR", texture, arm_r, pivot=(0, -0.4, 0.75), parent=root)
    return root, [body, face, left, right]


def build_ghost():
    face = [
        ("sphere", (10, 6, 0.085), T((0.38, 0.13, 1.02), (0.5, 0.85, 1.35)), "eye"),
        ("sphere", (10, 6, 0.085), T((0.38, -0.13, 1.02), (0.5, 0.85, 1.35)), "eye"),
        ("sphere", (10, 6, 0.06), T((0.41, 0, 0.84), (0.4, 1.1, 0.9)), "mouth"),
        ("sphere", (8, 4, 0.05), T((0.37, 0.24, 0.9), (0.4, 1, 0.6)), "blush"),
        ("sphere", (8, 4, 0.05), T((0.37, -0.24, 0.9), (0.4, 1, 0.6)), "blush"),
    ]
    arm_l = [("sphere", (8, 6, 0.1), T((0.12, 0.5, 0.72), (1.7, 0.8, 0.8), (0, -25, 10)), "arm")]
    arm_r = [("sphere", (8, 6, 0.1), T((0.12, -0.5, 0.72), (1.7, 0.8, 0.8), (0, -25, -10)), "arm")]
    return make_ghost("ghost", 0.45, ghost_body_shape, face, arm_l, arm_r)


def ghost_walk(p):
    bob = 0.08 + wave(p, 0.06)
    return {
        "GhostRoot": {"offset": (0, 0, bob), "rotation": (wave(p, 4, 0.25), 8, 0)},
        "GhostBody": {"keys": {"Trail": 0.6 + wave(p, 0.15, 0.2), "Sway": wave(p, 0.7, 0.1)}},
        "GhostArmL": {"rotation": (wave(p, 18), wave(p, 12, 0.25), 0)},
        "GhostArmR": {"rotation": (wave(p, 18, 0.5), wave(p, 12, 0.75), 0)},
    }


def ghost_on_hit(t):
    hit = math.sin(math.pi * t)
    return {
        "GhostRoot": {"offset": (-0.15 * hit, 0, 0.08), "rotation": (0, -22 * hit, 0)},
        "GhostBody": {"keys": {"Squash": hit, "Trail": 0.6 * (1 - hit)}},
        "GhostFace": {"scale": (1, 1 + 0.25 * hit, 1 - 0.2 * hit), "offset": (0.03 * hit, 0, -0.1 * hit)},
        "GhostArmL": {"rotation": (-50 * hit, 0, 0), "offset": (0, 0, -0.1 * hit)},
        "GhostArmR": {"rotation": (50 * hit, 0, 0), "offset": (0, 0, -0.1 * hit)},
    }


def ghost_death(t):
    s = ease_out(t)
    return {
        "GhostRoot": {"offset": (0, 0, 0.08 + 0.3 * s), "rotation": (0, 0, 90 * s)},
        "GhostBody": {"keys": {"Stretch": s, "Trail": 0.6 * (1 - s)}},
        "GhostFace": {"scale": (1 - 0.5 * s, 1 - 0.5 * s, 1 + 0.4 * s), "offset": (-0.2 * s, 0, 0.5 * s)},
        "GhostArmL": {"rotation": (-120 * s, 0, 0), "offset": (0, -0.2 * s, 0.4 * s)},
        "GhostArmR": {"rotation": (120 * s, 0, 0), "offset": (0, 0.2 * s, 0.4 * s)},
    }


GHOST_ANIMATIONS = [
    ("GhostWalk", 30, ghost_walk, True),
    ("GhostOnHit", 12, ghost_on_hit, False),
    ("GhostDeath", 15, ghost_death, False),
]


# ---- the fast and the heavy ghosts -----------------------------------------

def fast_ghost_shape(bm):
    """A sleek wisp: a narrow head leaning forward over a body that tapers to a pointed tail
    streaming out behind."""
    lean = math.radians(14)
    for v in bm.verts:
        x, y, z = v.co
        if z < 0.0:
            depth = -z / 0.45
            narrow = 1.0 - 0.8 * depth ** 1.5
            x, y, z = x * narrow - 0.5 * depth ** 2, y * narrow * 0.9, z * 1.8
        else:
            # The crown draws up into a flame's tip, flicked backwards.
            h = z / 0.45
            x, y, z = x * 1.1 - 0.3 * h ** 3, y * 0.88, z * 1.05 + 0.4 * h ** 4
        # Lean the whole wisp forward about the middle of its head.
        v.co = (x * math.cos(lean) + z * math.sin(lean), y, -x * math.sin(lean) + z * math.cos(lean) + 0.95)


def build_ghost_fast():
    face = [
        # Narrow, slanted eyes: it is in a hurry and means it.
        blob((0.47, 0.12, 1.0), 0.08, "eye", (0.45, 0.7, 1.25), (-28, 0, 0), segments=10),
        blob((0.47, -0.12, 1.0), 0.08, "eye", (0.45, 0.7, 1.25), (28, 0, 0), segments=10),
        blob((0.47, 0, 0.86), 0.045, "mouth", (0.4, 1.0, 0.7)),
    ]
    arm_l = [blob((-0.02, 0.42, 0.76), 0.08, "arm", (1.9, 0.6, 0.6), (0, -10, 28))]
    arm_r = [blob((-0.02, -0.42, 0.76), 0.08, "arm", (1.9, 0.6, 0.6), (0, -10, -28))]
    return make_ghost("ghost_fast", 0.45, fast_ghost_shape, face, arm_l, arm_r)


def heavy_ghost_shape(bm):
    """A big, heavy sheet: a broad head and a thick hem falling in five deep folds."""
    for v in bm.verts:
        x, y, z = v.co
        if z < 0.0:
            depth = -z / 0.45
            widen = 1.12 * (1.0 + 0.22 * depth)
            angle = math.atan2(y, x)
            hem = 0.1 * math.sin(5 * angle + 0.3) * depth ** 3
            fold = 1.0 + 0.05 * math.sin(5 * angle + 0.3) * depth
            v.co = (x * widen * fold, y * widen * fold, z * 1.6 + hem)
        else:
            v.co = (x * 1.12, y * 1.12, z * 0.92)
        v.co.z += 0.95


def build_ghost_hp():
    face = [
        blob((0.47, 0.15, 1.0), 0.075, "eye", (0.5, 0.9, 1.1), segments=10),
        blob((0.47, -0.15, 1.0), 0.075, "eye", (0.5, 0.9, 1.1), segments=10),
        # Heavy brows and a wide frown.
        blob((0.47, 0.16, 1.1), 0.08, "brow", (0.35, 1.3, 0.4), (-15, 0, 0)),
        blob((0.47, -0.16, 1.1), 0.08, "brow", (0.35, 1.3, 0.4), (15, 0, 0)),
        blob((0.48, 0, 0.83), 0.07, "mouth", (0.4, 2.0, 0.55), segments=10),
        # Two stubby horns, curving outwards.
        limb((0.08, 0.2, 1.24), (0.12, 0.36, 1.5), 0.11, 0.065, "horn"),
        limb((0.12, 0.36, 1.5), (0.2, 0.5, 1.64), 0.065, 0.01, "horn"),
        limb((0.08, -0.2, 1.24), (0.12, -0.36, 1.5), 0.11, 0.065, "horn"),
        limb((0.12, -0.36, 1.5), (0.2, -0.5, 1.64), 0.065, 0.01, "horn"),
    ]
    arm_l = [blob((0.1, 0.56, 0.7), 0.13, "arm", (1.5, 0.85, 0.85), (0, -25, 12))]
    arm_r = [blob((0.1, -0.56, 0.7), 0.13, "arm", (1.5, 0.85, 0.85), (0, -25, -12))]
    return make_ghost("ghost_hp", 0.45, heavy_ghost_shape, face, arm_l, arm_r)


def fast_lean(pose, _t):
    """The fast ghost leans harder into its walk."""
    root = pose["GhostRoot"]
    x, y, z = root.get("rotation", (0, 0, 0))
    root["rotation"] = (x, y + 8, z)


FAST_GHOST_ANIMATIONS = scaled_animations(GHOST_ANIMATIONS, "GhostRoot", 0.85, fast_lean)
HEAVY_GHOST_ANIMATIONS = scaled_animations(GHOST_ANIMATIONS, "GhostRoot", 1.3)


# ---- the fairy -------------------------------------------------------------

def build_fairy():
    """The stroke: a tiny glowing fairy on a tail of light, two pairs of wings on its back."""
    root = rig.make_root("FairyRoot")
    part = rig.make_part
    body = part("FairyBody", "fairy", [
        blob((0, 0, 0.45), 0.12, "skin", segments=10, rings=6),
        blob((-0.03, 0, 0.49), 0.115, "hair", (1, 1.08, 0.95), rings=5),
        blob((-0.13, 0, 0.55), 0.055, "hair", segments=6, rings=4),
        blob((0.105, 0.045, 0.455), 0.022, "eye", (0.5, 1, 1.3), segments=5, rings=3),
        blob((0.105, -0.045, 0.455), 0.022, "eye", (0.5, 1, 1.3), segments=5, rings=3),
        ("cone", (8, 0.1, 0.035, 0.2), T((0, 0, 0.25)), "dress"),
        # A tail of light instead of legs: the fairy never walks.
        ("cone", (8, 0.006, 0.095, 0.16), T((-0.02, 0, 0.08)), "trail"),
        blob((0.03, 0.1, 0.3), 0.035, "skin", (0.7, 0.7, 1.5), (20, 0, 0), segments=6, rings=3),
        blob((0.05, -0.1, 0.31), 0.035, "skin", (0.7, 0.7, 1.5), (-40, -30, 0), segments=6, rings=3),
        limb((0.07, -0.13, 0.34), (0.16, -0.15, 0.46), 0.012, 0.01, "wand", segments=5),
        blob((0.17, -0.15, 0.48), 0.05, "star", (0.6, 1, 1), segments=6, rings=3),
    ], parent=root)
    wings = []
    for side, sign in (("L", 1), ("R", -1)):
        wings.append(part("WingUp" + side, "fairy", [
            blob((-0.07, 0.17 * sign, 0.43), 0.17, "wing", (0.22, 1.0, 0.55), (35 * sign, 0, -15 * sign), rings=4),
        ], pivot=(-0.05, 0.03 * sign, 0.36), parent=root))
        wings.append(part("WingLow" + side, "fairy", [
            blob((-0.06, 0.12 * sign, 0.28), 0.1, "wing", (0.22, 1.0, 0.6), (-30 * sign, 0, -10 * sign), rings=4),
        ], pivot=(-0.05, 0.03 * sign, 0.32), parent=root))
    return root, [body] + wings


def fairy_flutter(p):
    flap = wave(2 * p, 38)
    return {
        "FairyRoot": {"offset": (0, 0, 0.05 + wave(p, 0.04)), "rotation": (wave(p, 5), wave(p, 4, 0.25), 0)},
        "WingUpL": {"rotation": (flap, 0, 0)},
        "WingUpR": {"rotation": (-flap, 0, 0)},
        "WingLowL": {"rotation": (wave(2 * p, 25, 0.1), 0, 0)},
        "WingLowR": {"rotation": (-wave(2 * p, 25, 0.1), 0, 0)},
    }


FAIRY_ANIMATIONS = [("FRAMEA", 16, fairy_flutter, True)]


# ---- the candy -------------------------------------------------------------

def build_candy():
    root = rig.make_root("CandyRoot")
    body = rig.make_part("Candy", "candy", [
        ("sphere", (14, 9, 0.17), T((0, 0, 0.2), (1, 1.25, 0.95)), "wrapper"),
        ("cone", (10, 0.006, 0.15, 0.17), T((0, 0.29, 0.2), rotation=(-90, 0, 0)), "twist"),
        ("cone", (10, 0.006, 0.15, 0.17), T((0, -0.29, 0.2), rotation=(90, 0, 0)), "twist"),
        ("cone", (10, 0.045, 0.045, 0.05), T((0, 0.22, 0.2), rotation=(-90, 0, 0)), "stripe"),
        ("cone", (10, 0.045, 0.045, 0.05), T((0, -0.22, 0.2), rotation=(90, 0, 0)), "stripe"),
    ], parent=root)
    return root, [body]


BUILDERS = {
    "kid": (build_kid, KID_ANIMATIONS),
    "ghost": (build_ghost, GHOST_ANIMATIONS),
    "candy": (build_candy, None),
    "fairy": (build_fairy, FAIRY_ANIMATIONS),
    "ghost_fast": (build_ghost_fast, FAST_GHOST_ANIMATIONS),
    "ghost_hp": (build_ghost_hp, HEAVY_GHOST_ANIMATIONS),
    "doll": (enemies.build_doll, enemies.DOLL_ANIMATIONS),
    "bomb": (enemies.build_bomb, enemies.BOMB_ANIMATIONS),
    "magician": (enemies.build_magician, enemies.MAGICIAN_ANIMATIONS),
    "jack": (enemies.build_jack, enemies.JACK_ANIMATIONS),
    "witch": (enemies.build_witch, enemies.WITCH_ANIMATIONS),
    "chaser": (enemies.build_chaser, enemies.CHASER_ANIMATIONS),
    "drag": (enemies.build_drag, enemies.DRAG_ANIMATIONS),
}
