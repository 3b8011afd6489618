"""The special enemies of the characters group, built in Blender: the rag doll
with its shield, the walking bomb, the ghost magician, the jack-in-the-box, the
witch, the chaser and the spiky drag boulder.

Each builder returns (root, parts) as in models_characters.py; each *_ANIMATIONS
list holds (name, frames, pose function, loops) in the order the manifest names
them.  Blender space: z up, feet at the origin, one unit = one world unit.  Most
enemies face +x; the bomb and the drag boulder face -x, because the game turns
those two away from the way they move (the bomb backs its face towards the kid,
the boulder rolls with its face leading).
"""

import math

import rig
from models_characters_kit import (add_keys, attach, blob, disc, limb, scaled_animations, smooth_step, soft_box,
                                   window)
from poses import ease_out, wave
from rig import transform as T


# ---- the rag doll with the shield -------------------------------------------

def build_doll():
    root = rig.make_root("DollRoot")
    part = rig.make_part
    body = part("DollBody", "doll", [
        ("cone", (10, 0.27, 0.12, 0.36), T((0, 0, 0.38)), "dress"),
        blob((0, 0, 0.58), 0.13, "dress", (1, 1.1, 0.8)),
        blob((0.02, 0, 0.62), 0.12, "collar", (1, 1.3, 0.35), rings=4),
    ], pivot=(0, 0, 0.3), parent=root)
    head = part("DollHead", "doll", [
        ("sphere", (14, 9, 0.24), T((0.0, 0, 0.86), (1, 1, 0.95)), "skin"),
        # Mismatched button eyes, a stitched grin and a patch: a doll someone loved too long.
        disc((0.225, 0.09, 0.9), 0.058, 0.03, "button", (0, 90, 0), segments=10),
        disc((0.22, -0.095, 0.88), 0.045, 0.03, "button", (0, 80, 0), segments=10),
        blob((0.225, 0, 0.76), 0.05, "stitch", (0.3, 2.2, 0.35), (8, 0, 0)),
        blob((0.14, -0.17, 0.98), 0.06, "patch", (0.5, 1, 1), (0, 0, -50), segments=6, rings=4),
        # Yarn hair: a fringe, a crown and two limp bunches.
        blob((-0.02, 0, 1.02), 0.2, "hair", (1.05, 1.1, 0.55), segments=10),
        blob((0.12, 0.08, 1.04), 0.09, "hair", (0.8, 1.4, 0.6)),
        blob((-0.05, 0.25, 0.86), 0.08, "hair", (0.8, 0.8, 1.6), segments=6, rings=4),
        blob((-0.05, -0.25, 0.86), 0.08, "hair", (0.8, 0.8, 1.6), segments=6, rings=4),
    ], pivot=(0, 0, 0.64), parent=root)
    shield = part("DollShield", "doll", [
        disc((0.34, 0, 0.5), 0.3, 0.05, "wood", (0, 90, 0), segments=14),
        disc((0.32, 0, 0.5), 0.32, 0.03, "iron", (0, 90, 0), segments=14),
        blob((0.37, 0, 0.5), 0.07, "iron", (0.6, 1, 1), rings=4),
        # The arms reach round the rim to hold it.
        limb((0.02, 0.15, 0.58), (0.26, 0.26, 0.5), 0.05, 0.04, "dress", segments=6),
        limb((0.02, -0.15, 0.58), (0.26, -0.26, 0.5), 0.05, 0.04, "dress", segments=6),
        blob((0.3, 0.28, 0.5), 0.055, "skin", segments=6, rings=4),
        blob((0.3, -0.28, 0.5), 0.055, "skin", segments=6, rings=4),
    ], pivot=(0.05, 0, 0.55), parent=root)
    legs = []
    for side, sign in (("L", 1), ("R", -1)):
        legs.append(part("DollLeg" + side, "doll", [
            ("cone", (8, 0.045, 0.055, 0.2), T((0, 0.09 * sign, 0.14)), "stocking"),
            blob((0.03, 0.09 * sign, 0.05), 0.07, "shoe", (1.4, 1, 0.7), rings=4),
        ], pivot=(0, 0.09 * sign, 0.24), parent=root))
    return root, [body, head, shield] + legs


def doll_walk(p):
    """A stiff, lopsided waddle; the head lolls a beat behind the body."""
    swing = wave(p, 26)
    return {
        "DollRoot": {"offset": (0, 0, abs(wave(p, 0.04))), "rotation": (wave(p, 7), 5, 0)},
        "DollLegL": {"rotation": (0, -swing, 0)},
        "DollLegR": {"rotation": (0, swing, 0)},
        "DollHead": {"rotation": (wave(p, 14, -0.15) + 6, wave(p, 4, 0.1), wave(p, 10, 0.3))},
        "DollShield": {"rotation": (wave(p, -5), wave(p, 3, 0.25), 0), "offset": (0, 0, abs(wave(p, 0.02, 0.1)))},
    }


# Built at the kid's scale, shown a little bigger so its shield reads from far above.
DOLL_ANIMATIONS = scaled_animations([("DollWalk", 24, doll_walk, True)], "DollRoot", 1.15)


# ---- the walking bomb --------------------------------------------------------

def build_bomb():
    root = rig.make_root("BombRoot")
    part = rig.make_part
    body = part("BombBody", "bomb", [
        ("sphere", (16, 10, 0.42), T((0, 0, 0.56)), "shell"),
        ("cone", (10, 0.12, 0.12, 0.12), T((0, 0, 0.99)), "cap"),
        # Angry eyes on the -x side, which the game turns towards the kid.
        blob((-0.37, 0.13, 0.63), 0.095, "eye", (0.5, 0.8, 1.1), (22, 0, 0), segments=10),
        blob((-0.37, -0.13, 0.63), 0.095, "eye", (0.5, 0.8, 1.1), (-22, 0, 0), segments=10),
        blob((-0.42, 0.13, 0.61), 0.04, "pupil", (0.5, 1, 1), segments=6, rings=4),
        blob((-0.42, -0.13, 0.61), 0.04, "pupil", (0.5, 1, 1), segments=6, rings=4),
    ], pivot=(0, 0, 0.2), parent=root)
    fuse = part("BombFuse", "bomb", [
        limb((0, 0, 1.04), (0.04, 0, 1.17), 0.03, 0.026, "fuse", segments=6),
        limb((0.04, 0, 1.17), (0.13, 0, 1.24), 0.026, 0.024, "fuse", segments=6),
    ], pivot=(0, 0, 1.04), parent=root)
    attach(fuse, body)
    spark = part("BombSpark", "bomb", [
        blob((0.14, 0, 1.25), 0.075, "spark", segments=8, rings=6),
        blob((0.14, 0, 1.25), 0.16, "flare", (0.25, 1, 0.25), (0, 0, 45), segments=6, rings=4),
        blob((0.14, 0, 1.25), 0.16, "flare", (0.25, 1, 0.25), (0, 0, -45), segments=6, rings=4),
        blob((0.14, 0, 1.25), 0.16, "flare", (0.25, 0.25, 1), segments=6, rings=4),
    ], pivot=(0.14, 0, 1.25), parent=root)
    attach(spark, fuse)
    feet = []
    for side, sign in (("L", 1), ("R", -1)):
        feet.append(part("BombFoot" + side, "bomb", [
            blob((-0.06, 0.18 * sign, 0.065), 0.11, "foot", (1.5, 1, 0.6)),
        ], pivot=(0, 0.18 * sign, 0.2), parent=root))
    return root, [body, fuse, spark] + feet


def bomb_walk(p):
    """Short stomping steps under a heavy, rocking body; the spark crackles."""
    step = wave(p, 30)
    flicker = 1.0 + 0.25 * math.sin(2 * math.pi * 3 * p) * math.cos(2 * math.pi * 2 * p)
    return {
        "BombRoot": {"offset": (0, 0, abs(wave(p, 0.05)))},
        "BombBody": {"rotation": (wave(p, 9), wave(p, 3, 0.25), 0)},
        "BombFootL": {"rotation": (0, step, 0), "offset": (0, 0, max(0.0, wave(p, 0.06)))},
        "BombFootR": {"rotation": (0, -step, 0), "offset": (0, 0, max(0.0, wave(p, -0.06)))},
        "BombFuse": {"rotation": (wave(p, -14, 0.1), wave(p, 8, 0.35), 0)},
        "BombSpark": {"scale": (flicker, flicker, flicker), "rotation": (0, 0, 360 * p)},
    }


BOMB_ANIMATIONS = [("BombWalk", 20, bomb_walk, True)]


# ---- the ghost magician --------------------------------------------------------

def magician_shape(bm):
    """A smaller sheet ghost than the basic one, its hem in six soft points."""
    for v in bm.verts:
        x, y, z = v.co
        if z < 0.0:
            depth = -z / 0.36
            widen = 1.0 + 0.3 * depth
            hem = 0.05 * math.sin(6 * math.atan2(y, x)) * depth ** 3
            v.co = (x * widen, y * widen, z * 1.75 + hem)
        v.co.z += 0.85


def cape_shape(bm):
    """The cape hangs behind: its front half folds flat into the body."""
    for v in bm.verts:
        x, y, z = v.co
        if x > -0.08:
            v.co.x = -0.08 + (x + 0.08) * 0.25


def magician_trail(x, y, z):
    """Shape key: the hem streams out behind, more the lower it hangs."""
    low = max(0.0, (0.85 - z) / 0.7)
    return x - 0.25 * low ** 2, y, z


def magician_sway(x, y, z):
    low = max(0.0, (0.85 - z) / 0.7)
    return x, y + 0.15 * low ** 2, z


def cape_billow(x, y, z):
    """Shape key: the cape's hem (z below its neck joint) flares out and lifts behind."""
    below = max(0.0, -z)
    return x - 0.25 * below ** 1.2, y * (1 + 0.2 * below), z + 0.06 * below


def build_magician():
    root = rig.make_root("MagicianRoot")
    part = rig.make_part
    body = part("MagicianBody", "magician", [
        ("sphere", (16, 10, 0.36), T((0, 0, 0)), "body"),
    ], parent=root, shape=magician_shape)
    add_keys(body, [("Trail", magician_trail), ("Sway", magician_sway)])
    cape = part("MagicianCape", "magician", [
        ("cone", (14, 0.52, 0.3, 0.72), T((-0.06, 0, 0.5)), "cape"),
        ("cone", (14, 0.3, 0.42, 0.28), T((-0.06, 0, 0.98)), "lining"),
    ], pivot=(0, 0, 0.86), parent=root, shape=cape_shape)
    add_keys(cape, [("Billow", cape_billow)])
    head = part("MagicianHead", "magician", [
        blob((0.335, 0.1, 0.93), 0.065, "eye", (0.5, 0.85, 1.3), segments=10),
        blob((0.335, -0.1, 0.93), 0.065, "eye", (0.5, 0.85, 1.3), segments=10),
        # A curled moustache and a red bow tie.
        limb((0.37, 0.0, 0.82), (0.32, 0.16, 0.85), 0.035, 0.01, "hat", segments=6),
        limb((0.37, 0.0, 0.82), (0.32, -0.16, 0.85), 0.035, 0.01, "hat", segments=6),
        blob((0.38, 0.07, 0.66), 0.07, "band", (0.5, 1, 0.7), (0, 0, 20)),
        blob((0.38, -0.07, 0.66), 0.07, "band", (0.5, 1, 0.7), (0, 0, -20)),
        # The tall top hat.
        disc((0, 0, 1.18), 0.3, 0.035, "hat", segments=14),
        ("cone", (12, 0.19, 0.22, 0.5), T((0, 0, 1.43)), "hat"),
        ("cone", (12, 0.195, 0.2, 0.08), T((0, 0, 1.24)), "band"),
    ], pivot=(0, 0, 0.85), parent=root)
    arm_l = part("MagicianArmL", "magician", [
        blob((0.1, 0.4, 0.6), 0.085, "body", (1.6, 0.8, 0.8), (0, -20, 10)),
    ], pivot=(0, 0.32, 0.65), parent=root)
    arm_r = part("MagicianArmR", "magician", [
        blob((0.12, -0.4, 0.62), 0.085, "body", (1.6, 0.8, 0.8), (0, -20, -10)),
        limb((0.18, -0.42, 0.6), (0.42, -0.46, 0.78), 0.022, 0.02, "wand", segments=6),
        limb((0.42, -0.46, 0.78), (0.48, -0.47, 0.82), 0.024, 0.024, "wandtip", segments=6),
    ], pivot=(0, -0.32, 0.65), parent=root)
    return root, [body, cape, head, arm_l, arm_r]


def magician_walk(p):
    """A smug glide: the cape billows, the wand draws circles, the hat bobs a beat late."""
    return {
        "MagicianRoot": {"offset": (0, 0, 0.1 + wave(p, 0.05)), "rotation": (wave(p, 3, 0.25), 6, 0)},
        "MagicianBody": {"keys": {"Trail": 0.6 + wave(p, 0.2, 0.2), "Sway": wave(p, 0.6, 0.1)}},
        "MagicianCape": {"keys": {"Billow": 0.6 + wave(p, 0.35, 0.15)}, "rotation": (wave(p, 4, 0.1), 0, 0)},
        "MagicianHead": {"rotation": (wave(p, 5, -0.1), wave(p, -4, 0.15), 0)},
        "MagicianArmL": {"rotation": (wave(p, 14), wave(p, 10, 0.25), 0)},
        "MagicianArmR": {"rotation": (wave(p, 20), -25 + wave(p, 20, 0.25), 0)},
    }


MAGICIAN_ANIMATIONS = [("MagicianWalk", 30, magician_walk, True)]


# ---- the jack-in-the-box ------------------------------------------------------

BOX_TOP = 0.58
SPRING_BASE = 0.12
SPRING_LENGTH = 1.0
COILS = 6


def build_jack():
    root = rig.make_root("JackRoot")
    part = rig.make_part
    box = part("JackBox", "jack", [
        ("cube", (1.0,), T((0, 0, BOX_TOP / 2), (0.58, 0.58, BOX_TOP)), "box"),
    ], parent=root, shape=soft_box(0.035))
    crank = part("JackCrank", "jack", [
        limb((0, 0.29, 0.32), (0, 0.38, 0.32), 0.03, 0.03, "metal", segments=6),
        limb((0, 0.38, 0.32), (0, 0.38, 0.16), 0.025, 0.025, "metal", segments=6),
        blob((0, 0.42, 0.16), 0.05, "knob", (1, 1, 1)),
    ], pivot=(0, 0.36, 0.32), parent=root)
    lid = part("JackLid", "jack", [
        ("cube", (1.0,), T((0, 0, BOX_TOP + 0.025), (0.62, 0.62, 0.05)), "lid"),
    ], pivot=(-0.31, 0, BOX_TOP), parent=root, shape=soft_box(0.015))
    coil = SPRING_LENGTH / COILS
    spring = part("JackSpring", "jack", [
        blob((0, 0, SPRING_BASE + coil * (i + 0.5)), 0.1, "spring", (1, 1, 0.45), rings=4) for i in range(COILS)
    ], pivot=(0, 0, SPRING_BASE), parent=root)
    neck = SPRING_BASE + SPRING_LENGTH
    head = part("JackHead", "jack", [
        ("cone", (12, 0.26, 0.1, 0.1), T((0, 0, neck + 0.04)), "ruff"),
        ("sphere", (12, 8, 0.22), T((0.02, 0, neck + 0.28)), "face"),
        blob((0.24, 0, neck + 0.27), 0.065, "nose", rings=4),
        blob((0.2, 0.085, neck + 0.35), 0.045, "eye", (0.5, 0.8, 1.3), segments=6, rings=4),
        blob((0.2, -0.085, neck + 0.35), 0.045, "eye", (0.5, 0.8, 1.3), segments=6, rings=4),
        blob((0.19, 0, neck + 0.17), 0.065, "mouth", (0.4, 2.1, 0.6), (0, -15, 0), rings=4),
        blob((-0.02, 0.19, neck + 0.3), 0.08, "hair", (0.9, 0.8, 1.1), segments=6, rings=4),
        blob((-0.02, -0.19, neck + 0.3), 0.08, "hair", (0.9, 0.8, 1.1), segments=6, rings=4),
        # A jester's cap with two floppy points and bells.
        blob((0.0, 0, neck + 0.4), 0.19, "hat", (1, 1.05, 0.6), segments=10),
        limb((0, 0.08, neck + 0.45), (-0.02, 0.3, neck + 0.58), 0.1, 0.03, "hat"),
        limb((0, -0.08, neck + 0.45), (-0.02, -0.3, neck + 0.58), 0.1, 0.03, "hathalf"),
        blob((-0.02, 0.32, neck + 0.56), 0.045, "bell", segments=6, rings=4),
        blob((-0.02, -0.32, neck + 0.56), 0.045, "bell", segments=6, rings=4),
    ], pivot=(0, 0, neck), parent=root)
    return root, [box, crank, lid, spring, head]


def jack_pose(out, wobble=0.0, droop=0.0, lid=0.0, sway=0.0):
    """The jack's pose from how far the spring is out (0 shut in, 1 fully out), the head's
    wobble and droop in degrees, how far the lid is open (0..1) and the spring's sway."""
    length = 0.05 + 0.95 * out
    drop = SPRING_LENGTH * (1 - length)
    # Shut in, the head is squeezed small enough for the lid to close over it.
    shrink = 0.6 + 0.4 * min(1.0, out * 2)
    return {
        "JackSpring": {"scale": (1, 1, length), "rotation": (sway, droop * 0.3, 0)},
        "JackHead": {"offset": (math.sin(math.radians(droop * 0.3)) * SPRING_LENGTH * length,
                                -math.sin(math.radians(sway)) * SPRING_LENGTH * length, -drop),
                     "rotation": (wobble + sway, droop, 0), "scale": (shrink, shrink, shrink)},
        "JackLid": {"rotation": (0, -115 * lid, 0)},
    }


def elastic_out(t):
    """Overshoots and rings down to 1: a spring let go."""
    if t <= 0.0:
        return 0.0
    if t >= 1.0:
        return 1.0
    return 1.0 + math.pow(2, -9 * t) * math.sin((t - 0.075) * 2 * math.pi / 0.3)


def jack_scare(t):
    """The lid rattles, flies open, the head springs out and wobbles to a stop."""
    rattle = math.sin(t * 60) * 3 * (1 - window(t, 0.0, 0.15)) if t < 0.15 else 0.0
    lid = ease_out(window(t, 0.12, 0.22))
    out = elastic_out(window(t, 0.15, 0.75))
    wobble_t = window(t, 0.2, 1.0)
    wobble = 22 * math.sin(wobble_t * 5 * math.pi) * (1 - wobble_t) ** 1.5
    pose = jack_pose(out, wobble=wobble, lid=lid, sway=wobble * 0.4)
    pose["JackLid"]["rotation"] = (rattle, -115 * lid, 0)
    pose["JackCrank"] = {"rotation": (0, 720 * window(t, 0.0, 0.2), 0)}
    return pose


def jack_death(t):
    """The head droops, the spring sags back in and the lid shuts over it."""
    # It straightens again as the spring pulls it down, so it slides in without touching the walls.
    limp = smooth_step(window(t, 0.0, 0.4)) * (1.0 - smooth_step(window(t, 0.5, 0.7)))
    out = 1.0 - smooth_step(window(t, 0.5, 0.85))
    lid = 1.0 - smooth_step(window(t, 0.8, 1.0))
    return jack_pose(out, droop=70 * limp, lid=lid, sway=8 * limp)


JACK_ANIMATIONS = [
    ("MukScareKid", 30, jack_scare, False),
    ("MukOnDeath", 20, jack_death, False),
]


# ---- the witch ---------------------------------------------------------------

def witch_robe_shape(bm):
    """The robe's hem frays into a ghostly, ragged wisp."""
    for v in bm.verts:
        x, y, z = v.co
        if z < 0.3:
            low = (0.3 - z) / 0.3
            angle = math.atan2(y, x)
            v.co.z = z - 0.07 * low * (1 + math.sin(7 * angle))
            v.co.x = x - 0.12 * low


def build_witch():
    root = rig.make_root("WitchRoot")
    part = rig.make_part
    body = part("WitchBody", "witch", [
        ("cone", (12, 0.34, 0.13, 0.9), T((0.05, 0, 0.55), rotation=(0, 14, 0)), "robe"),
        blob((-0.06, 0, 0.88), 0.18, "robe", (1, 1.3, 0.9), segments=10),
    ], pivot=(0, 0, 0.4), parent=root, shape=witch_robe_shape)
    head = part("WitchHead", "witch", [
        ("sphere", (12, 8, 0.17), T((0.24, 0, 1.02)), "skin"),
        limb((0.38, 0, 1.0), (0.52, 0, 0.93), 0.045, 0.008, "skin", segments=6),
        blob((0.37, 0.07, 1.06), 0.045, "eye", (0.6, 1, 0.8), (-15, 0, 0), segments=6, rings=4),
        blob((0.37, -0.07, 1.06), 0.045, "eye", (0.6, 1, 0.8), (15, 0, 0), segments=6, rings=4),
        blob((0.12, 0, 0.96), 0.16, "hair", (0.8, 1.25, 1.2), segments=10),
        # The pointy hat, pushed back off the face, its tip bent further back.
        disc((0.17, 0, 1.17), 0.29, 0.03, "hat", (0, -14, 0), segments=14),
        ("cone", (12, 0.17, 0.17, 0.07), T((0.16, 0, 1.21), rotation=(0, -14, 0)), "band"),
        limb((0.16, 0, 1.19), (0.06, 0, 1.55), 0.16, 0.07, "hat"),
        limb((0.06, 0, 1.55), (-0.14, 0, 1.66), 0.07, 0.008, "hat", segments=6),
    ], pivot=(0.12, 0, 0.95), parent=root)
    arms = []
    for side, sign in (("L", 1), ("R", -1)):
        hand = (0.42, 0.3 * sign, 0.6)
        arms.append(part("WitchArm" + side, "witch", [
            limb((0.05, 0.2 * sign, 0.9), (0.3, 0.28 * sign, 0.66), 0.08, 0.06, "robe"),
            blob(hand, 0.06, "skin", (1.3, 0.9, 0.6)),
            # Long, knobbly fingers.
            limb(hand, (0.62, 0.36 * sign, 0.52), 0.022, 0.008, "skin", segments=5),
            limb(hand, (0.64, 0.3 * sign, 0.5), 0.022, 0.008, "skin", segments=5),
            limb(hand, (0.6, 0.24 * sign, 0.51), 0.022, 0.008, "skin", segments=5),
        ], pivot=(0.05, 0.2 * sign, 0.9), parent=root))
    return root, [body, head] + arms


def witch_arms(raise_, tremble=0.0, curl=0.0):
    """Both arms lifted by raise_ degrees, shaken by tremble, fingers curled by curl."""
    return {
        "WitchArmL": {"rotation": (-curl * 0.3 + tremble, -raise_, 0)},
        "WitchArmR": {"rotation": (curl * 0.3 - tremble, -raise_, 0)},
    }


def witch_walk(p):
    """A hunched, gliding shuffle; the long hands swing by turns."""
    pose = {
        "WitchRoot": {"offset": (0, 0, 0.1 + wave(p, 0.035)), "rotation": (wave(p, 5), 6, 0)},
        "WitchHead": {"rotation": (wave(p, -6, 0.1), wave(p, 5, 0.25), wave(p, 8))},
        "WitchArmL": {"rotation": (0, wave(p, 24), 0)},
        "WitchArmR": {"rotation": (0, -wave(p, 24), 0)},
    }
    return pose


HOLD_RAISE = 75


def witch_grab_start(t):
    """Straightens up, throws both hands high and claws at the air."""
    lift = ease_out(window(t, 0.0, 0.7))
    pose = witch_arms(HOLD_RAISE * lift, curl=30 * window(t, 0.6, 1.0))
    pose["WitchRoot"] = {"offset": (0, 0, 0.1 + 0.04 * lift), "rotation": (0, 6 - 14 * lift, 0)}
    pose["WitchHead"] = {"rotation": (0, -20 * lift, 0)}
    return pose


def witch_holding(p):
    """Hands held high, trembling with effort."""
    shake = wave(3 * p, 4) + wave(5 * p, 2, 0.3)
    pose = witch_arms(HOLD_RAISE + wave(p, 5), tremble=shake, curl=30)
    pose["WitchRoot"] = {"offset": (0, wave(4 * p, 0.01), 0.14), "rotation": (wave(4 * p, 1.5), -8, 0)}
    pose["WitchHead"] = {"rotation": (wave(3 * p, 4), -20, 0)}
    return pose


def witch_release(t):
    """Lets go: the hands fall back to the walking pose."""
    drop = 1.0 - ease_out(t)
    pose = witch_arms(HOLD_RAISE * drop, curl=30 * drop)
    pose["WitchRoot"] = {"offset": (0, 0, 0.1 + 0.04 * drop), "rotation": (0, 6 - 14 * drop, 0)}
    pose["WitchHead"] = {"rotation": (0, -20 * drop, 0)}
    return pose


WITCH_ANIMATIONS = scaled_animations([
    ("JackWalk", 24, witch_walk, True),
    ("JackClkNHolSt", 16, witch_grab_start, False),
    ("JackHolding", 20, witch_holding, True),
    # A 14-character name leaves one digit for the frame number: at most ten frames.
    ("JackRelHolding", 8, witch_release, False),
], "WitchRoot", 1.15)


# ---- the chaser ----------------------------------------------------------------

def chaser_robe_shape(bm):
    """A tall shroud whose hem tears into long, ragged points."""
    for v in bm.verts:
        x, y, z = v.co
        if z < 0.35:
            low = (0.35 - z) / 0.35
            angle = math.atan2(y, x)
            v.co.z = z - 0.18 * low * (0.5 + 0.5 * math.sin(6 * angle + 0.5)) ** 2


def chaser_trail(x, y, z):
    """Shape key: the shroud's lower half streams back and up as it rushes on."""
    low = max(0.0, (1.2 - z) / 1.2) ** 2
    return x - 0.45 * low, y, z + 0.1 * low


def build_chaser():
    root = rig.make_root("ChaserRoot")
    part = rig.make_part
    body = part("ChaserBody", "chaser", [
        ("cone", (14, 0.46, 0.2, 1.3), T((0, 0, 0.85)), "robe"),
        blob((0, 0, 1.48), 0.3, "robe", (0.8, 1.45, 0.55), segments=12),
    ], parent=root, shape=chaser_robe_shape)
    add_keys(body, [("Trail", chaser_trail)])
    head = part("ChaserHead", "chaser", [
        ("sphere", (12, 8, 0.26), T((0.02, 0, 1.78), (1.1, 0.92, 1.15)), "robe"),
        limb((-0.05, 0, 1.9), (-0.34, 0, 2.18), 0.16, 0.01, "robe"),
        # The hood's opening: a void with two burning eyes.
        blob((0.2, 0, 1.74), 0.17, "void", (0.45, 0.95, 1.0), segments=10),
        blob((0.27, 0.085, 1.79), 0.065, "eye", (0.5, 1.3, 0.7), (18, 0, 0), segments=8),
        blob((0.27, -0.085, 1.79), 0.065, "eye", (0.5, 1.3, 0.7), (-18, 0, 0), segments=8),
    ], pivot=(0.02, 0, 1.58), parent=root)
    arms = []
    for side, sign in (("L", 1), ("R", -1)):
        hand = (0.55, 0.46 * sign, 1.1)
        arms.append(part("ChaserArm" + side, "chaser", [
            limb((0.02, 0.38 * sign, 1.48), hand, 0.09, 0.05, "robe"),
            limb(hand, (0.82, 0.52 * sign, 1.0), 0.03, 0.006, "claw", segments=5),
            limb(hand, (0.84, 0.44 * sign, 0.98), 0.03, 0.006, "claw", segments=5),
            limb(hand, (0.78, 0.38 * sign, 1.0), 0.03, 0.006, "claw", segments=5),
        ], pivot=(0.02, 0.38 * sign, 1.48), parent=root))
    return root, [body, head] + arms


def chaser_run(p):
    """A looming lunge: pitched forward, claws reaching by turns, the shroud streaming behind."""
    reach = wave(p, 22)
    return {
        "ChaserRoot": {"offset": (0, 0, 0.03 + abs(wave(p, 0.08))), "rotation": (wave(p, 4), 12, 0)},
        "ChaserBody": {"keys": {"Trail": 0.7 + wave(2 * p, 0.2)}},
        "ChaserHead": {"rotation": (wave(p, 5, 0.2), 10 + wave(2 * p, 4), wave(p, 6))},
        "ChaserArmL": {"rotation": (0, -reach, 0)},
        "ChaserArmR": {"rotation": (0, reach, 0)},
    }


CHASER_ANIMATIONS = [("ChaserRun", 20, chaser_run, True)]


# ---- the drag boulder ----------------------------------------------------------

DRAG_CENTRE = 0.6


def rock_shape(bm):
    """Knobbly stone: the sphere's radius varies with a few fixed ripples."""
    for v in bm.verts:
        x, y, z = v.co
        r = 1.0 + 0.07 * math.sin(3.1 * x + 1.3) * math.sin(2.7 * y + 0.4) + 0.05 * math.sin(4.3 * z + 2.1 * x)
        v.co = (x * r, y * r, z * r)


def spike_directions(count):
    """Directions spread evenly over the sphere (a golden-angle spiral), fixed for every run."""
    out = []
    for i in range(count):
        z = 1.0 - 2.0 * (i + 0.5) / count
        ring = math.sqrt(1.0 - z * z)
        angle = i * math.pi * (3.0 - math.sqrt(5.0))
        out.append((ring * math.cos(angle), ring * math.sin(angle), z))
    return out


def build_drag():
    root = rig.make_root("DragRoot")
    part = rig.make_part
    c = DRAG_CENTRE
    pieces = [("sphere", (14, 10, 0.48), T((0, 0, c)), "stone")]
    for dx, dy, dz in spike_directions(14):
        pieces.append(limb((dx * 0.38, dy * 0.38, c + dz * 0.38), (dx * 0.72, dy * 0.72, c + dz * 0.72),
                           0.1, 0.006, "spike", segments=6))
    # The ghost inside glares out of the -x side, which leads as it rolls.
    pieces += [
        blob((-0.44, 0.15, c + 0.1), 0.08, "eye", (0.5, 1.1, 0.7), (-20, 0, 0), segments=8),
        blob((-0.44, -0.15, c + 0.1), 0.08, "eye", (0.5, 1.1, 0.7), (20, 0, 0), segments=8),
        blob((-0.45, 0, c - 0.12), 0.08, "maw", (0.45, 2.0, 0.7), segments=10),
    ]
    shell = part("DragShell", "drag", pieces, pivot=(0, 0, c), parent=root, shape=rock_shape_around(c))
    return root, [shell]


def rock_shape_around(centre):
    def shape(bm):
        for v in bm.verts:
            v.co.z -= centre
        rock_shape(bm)
        for v in bm.verts:
            v.co.z += centre
    return shape


def drag_roll(p):
    """One full turn towards -x per loop, with a heavy bump each time a spike meets the ground."""
    return {
        "DragRoot": {"offset": (0, 0, 0.05 + abs(wave(2 * p, 0.05)))},
        "DragShell": {"rotation": (wave(p, 4), -360 * p, 0)},
    }


DRAG_ANIMATIONS = [("DragRoll", 20, drag_roll, True)]
