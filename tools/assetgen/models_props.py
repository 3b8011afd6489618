"""Models of the props group, built in Blender: the boss, its hammers, traps, items, doors, breakables and level markers.

Each builder returns (root, parts): rigid parts made of soft primitives with
their joints as origins (see rig.py).  BUILDERS maps a model's manifest name to
(builder, animations); animations is a list of (name, frames, pose function,
loops) for an MD2, None for a static .X prop.  Blender space: z up, the model
faces +x, feet at the origin, one unit = one world unit (a floor tile is 2).
"""

import math

from mathutils import Matrix, Vector

import rig
from poses import ease_out, wave
from props_shapes import bevel, box, box_uvs, jitter, lumpy, ribbed, rod
from rig import transform as T


def smooth_step(t):
    t = min(1.0, max(0.0, t))
    return t * t * (3.0 - 2.0 * t)


# ---- the boss: a pumpkin-headed ghost king ---------------------------------------
# He hovers, a tattered violet robe under huge iron shoulders, big pale ghost hands,
# a carved pumpkin head whose face glows, and a gold crown.  About 3 units tall.

BOSS = "boss"  # the boss model (boss.md2, boss.png)
# The boss is modelled a little over size and shrunk as a whole by its root, so
# that he stands about 3 units tall to the tips of his crown.
BOSS_SIZE = 0.9


def boss_robe_shape(bm):
    """The robe flares and its hem hangs in tattered points."""
    for v in bm.verts:
        if v.co.z < 0.6:
            angle = math.atan2(v.co.y, v.co.x)
            v.co.z += 0.12 * math.sin(7 * angle)


def build_boss():
    root = rig.make_root("BossRoot")
    part = rig.make_part
    body = part("BossBody", BOSS, [
        ("cone", (14, 0.46, 0.74, 1.35), T((0, 0, 1.0)), "cloak"),
        ("cone", (14, 0.26, 0.47, 0.30), T((0, 0, 0.20)), "hem"),
        ("sphere", (14, 8, 0.74), T((0, 0, 1.72), (0.9, 1, 0.5)), "cloak"),
        ("cone", (12, 0.34, 0.26, 0.16), T((0, 0, 2.02)), "crown"),
        # Huge iron shoulders: the hammers hang beside them.
        ("sphere", (10, 6, 0.42), T((0, 0.76, 1.86), (0.95, 1, 0.72)), "armour"),
        ("sphere", (10, 6, 0.42), T((0, -0.76, 1.86), (0.95, 1, 0.72)), "armour"),
        rod((0.05, 0.86, 2.1), (0.02, 1.08, 2.42), 0.09, "armour", 4, 0.006),
        rod((-0.2, 0.8, 2.05), (-0.3, 0.98, 2.32), 0.07, "armour", 4, 0.006),
        rod((0.05, -0.86, 2.1), (0.02, -1.08, 2.42), 0.09, "armour", 4, 0.006),
        rod((-0.2, -0.8, 2.05), (-0.3, -0.98, 2.32), 0.07, "armour", 4, 0.006),
    ], pivot=(0, 0, 0.9), parent=root, shape=boss_robe_shape)
    head = part("BossHead", BOSS, [
        ("sphere", (16, 9, 0.56), T((0.04, 0, 2.42), (1, 1, 0.8)), "pumpkin"),
        ("cone", (6, 0.07, 0.05, 0.2), T((0.02, 0, 2.9), rotation=(0, -12, 0)), "stem"),
    ], pivot=(0, 0, 2.05), parent=root, shape=ribbed((0.04, 0, 2.42), 8, 0.16, 0.62))
    crown = part("BossCrown", BOSS, [
        ("cone", (12, 0.30, 0.37, 0.24), T((-0.04, 0, 2.9)), "crown"),
        ("cone", (4, 0.085, 0.006, 0.3), T((0.28, 0, 3.13)), "crown"),
        ("cone", (4, 0.085, 0.006, 0.3), T((0.09, 0.27, 3.13)), "crown"),
        ("cone", (4, 0.085, 0.006, 0.3), T((0.09, -0.27, 3.13)), "crown"),
        ("cone", (4, 0.085, 0.006, 0.3), T((-0.24, 0.17, 3.13)), "crown"),
        ("cone", (4, 0.085, 0.006, 0.3), T((-0.24, -0.17, 3.13)), "crown"),
    ], pivot=(0, 0, 2.05), parent=root)
    face = part("BossFace", BOSS, [
        # Carved triangle eyes and a jagged grin, glowing from inside.
        # A three-sided cone turned (0, -90, 180) faces +x with a corner pointing up.
        ("cone", (3, 0.14, 0.14, 0.06), T((0.55, 0.2, 2.52), (1, 1, 1), (0, -90, 180)), "face"),
        ("cone", (3, 0.14, 0.14, 0.06), T((0.55, -0.2, 2.52), (1, 1, 1), (0, -90, 180)), "face"),
        ("sphere", (12, 4, 0.1), T((0.555, 0, 2.26), (0.35, 3.2, 0.9)), "face"),
        ("cone", (3, 0.05, 0.05, 0.05), T((0.60, 0.0, 2.40), (1, 1, 1), (0, -90, 180)), "face"),
    ], pivot=(0, 0, 2.05), parent=root)
    arms = []
    for side, name in ((1, "BossArmL"), (-1, "BossArmR")):
        arms.append(part(name, BOSS, [
            rod((0, 0.86 * side, 1.8), (0.12, 1.02 * side, 1.1), 0.2, "cloak", 8, 0.3),
            ("sphere", (10, 6, 0.24), T((0.2, 1.04 * side, 0.92), (1.15, 0.9, 1)), "hand"),
            rod((0.34, 1.0 * side, 0.88), (0.52, 1.0 * side, 0.72), 0.06, "hand", 5, 0.015),
            rod((0.3, 1.14 * side, 0.86), (0.44, 1.2 * side, 0.68), 0.06, "hand", 5, 0.015),
            rod((0.3, 0.88 * side, 0.86), (0.44, 0.84 * side, 0.68), 0.06, "hand", 5, 0.015),
        ], pivot=(0, 0.82 * side, 1.84), parent=root))
    return root, [body, head, crown, face] + arms


def boss_body(p):
    breathe = wave(p, 0.03)
    sway = wave(p, 4)
    head_pose = {"rotation": (wave(p, 5, 0.15), wave(p, 3, 0.3) + 4, wave(p, 6, 0.2)),
                 "offset": (0, 0, breathe * 0.8)}
    return {
        "BossRoot": {"offset": (0, 0, 0.06 + wave(p, 0.05, 0.25)), "rotation": (sway, 3, 0),
                     "scale": (BOSS_SIZE,) * 3},
        "BossBody": {"scale": (1 + breathe, 1 + breathe * 0.6, 1 + breathe * 0.5)},
        "BossHead": head_pose, "BossCrown": head_pose, "BossFace": head_pose,
        "BossArmL": {"rotation": (-6 + wave(p, 6, 0.1), wave(p, 10), 0), "offset": (0, 0, breathe)},
        "BossArmR": {"rotation": (6 + wave(p, 6, 0.6), wave(p, 10, 0.5), 0), "offset": (0, 0, breathe)},
    }


def boss_die(t):
    slump = ease_out(min(1.0, t * 1.6))
    shrink = smooth_step((t - 0.25) / 0.75)
    scale = BOSS_SIZE * (1.0 - 0.9 * shrink)
    head_pose = {"rotation": (25 * slump, 35 * slump, 0), "offset": (0.15 * slump, 0, -0.5 * slump)}
    crown_pose = {"rotation": (60 * slump, 70 * slump, 0), "offset": (0.5 * slump, 0.3 * slump, -0.6 * slump)}
    return {
        "BossRoot": {"offset": (0, 0, 0.06 - 0.06 * slump), "rotation": (0, 0, 120 * shrink),
                     "scale": (scale, scale, scale * (1.0 - 0.3 * slump))},
        "BossBody": {"scale": (1 + 0.25 * slump, 1 + 0.25 * slump, 1 - 0.45 * slump),
                     "offset": (0, 0, -0.35 * slump)},
        "BossHead": head_pose, "BossFace": head_pose, "BossCrown": crown_pose,
        "BossArmL": {"rotation": (-50 * slump, 20 * slump, 0), "offset": (0, 0, -0.7 * slump)},
        "BossArmR": {"rotation": (50 * slump, 20 * slump, 0), "offset": (0, 0, -0.7 * slump)},
    }


BOSS_ANIMATIONS = [
    ("BossBody", 30, boss_body, True),
    ("BossDie", 30, boss_die, False),
]


# ---- the hammer: the boss's weapon and the ring of health icons ---------------------
# The grip is the origin and the handle runs up +z to a barrel head whose faces point
# along +x, the direction of a slam.

def build_hammer():
    root = rig.make_root("HammerRoot")
    hammer = rig.make_part("Hammer", "hammer", [
        ("cone", (8, 0.065, 0.055, 1.25), T((0, 0, 0.62)), "wood"),
        ("sphere", (8, 5, 0.1), T((0, 0, 0.0)), "iron"),
        ("cone", (8, 0.08, 0.08, 0.34), T((0, 0, 0.24)), "grip"),
        ("cone", (12, 0.27, 0.27, 0.7), T((0, 0, 1.38), rotation=(0, 90, 0)), "wood"),
        ("cone", (12, 0.30, 0.30, 0.1), T((0.25, 0, 1.38), rotation=(0, 90, 0)), "iron"),
        ("cone", (12, 0.30, 0.30, 0.1), T((-0.25, 0, 1.38), rotation=(0, 90, 0)), "iron"),
        ("cone", (12, 0.26, 0.2, 0.07), T((0.385, 0, 1.38), rotation=(0, 90, 0)), "end"),
        ("cone", (12, 0.26, 0.2, 0.07), T((-0.385, 0, 1.38), rotation=(0, -90, 0)), "end"),
        ("cone", (8, 0.1, 0.1, 0.12), T((0, 0, 1.1)), "iron"),
    ], parent=root)
    return root, [hammer]


def hammer_wobble(p):
    return {"Hammer": {"rotation": (wave(p, 4), wave(p, 3, 0.25), wave(p, 2, 0.5))}}


HAMMER_ANIMATIONS = [("BossHammerAni", 20, hammer_wobble, True)]


# ---- the spike trap: an iron grate, nine spikes rising through it ------------------

SPIKE_CELLS = [(x, y) for x in (-0.28, 0.0, 0.28) for y in (-0.28, 0.0, 0.28)]
SPIKE_HEIGHTS = [0.5, 0.56, 0.48, 0.54, 0.62, 0.52, 0.47, 0.55, 0.5]
# When each spike starts to move, as a share of a rise or a fall: they do not move as one.
SPIKE_DELAYS = [0.1, 0.25, 0.0, 0.3, 0.05, 0.2, 0.15, 0.0, 0.28]


def build_spikes():
    root = rig.make_root("SpikesRoot")
    pieces = [
        box((0, 0, 0.015), (0.96, 0.96, 0.03), "pit"),
        box((0.45, 0, 0.05), (0.1, 1.0, 0.06), "grate"),
        box((-0.45, 0, 0.05), (0.1, 1.0, 0.06), "grate"),
        box((0, 0.45, 0.05), (0.8, 0.1, 0.06), "grate"),
        box((0, -0.45, 0.05), (0.8, 0.1, 0.06), "grate"),
        box((0.14, 0, 0.045), (0.05, 0.8, 0.04), "grate"),
        box((-0.14, 0, 0.045), (0.05, 0.8, 0.04), "grate"),
        box((0, 0.14, 0.045), (0.8, 0.05, 0.04), "grate"),
        box((0, -0.14, 0.045), (0.8, 0.05, 0.04), "grate"),
    ]
    for x in (-0.45, 0.45):
        for y in (-0.45, 0.45):
            pieces.append(("sphere", (6, 3, 0.04), T((x, y, 0.08), (1, 1, 0.6)), "rivet"))
    grate = rig.make_part("Grate", "spikes", pieces, parent=root)
    spikes = []
    for i, ((x, y), h) in enumerate(zip(SPIKE_CELLS, SPIKE_HEIGHTS)):
        spikes.append(rig.make_part("Spike%d" % i, "spikes", [
            ("cone", (6, 0.075, 0.006, h), T((x, y, h / 2.0), rotation=(0, 0, 15 * i)), "spike"),
        ], pivot=(x, y, 0.0), parent=root))
    return root, [grate] + spikes


def spikes_at(heights, tilt=None):
    """A pose from each spike's rise, 0 (tip hidden under the grate) to 1 (up)."""
    pose = {}
    for i, rise in enumerate(heights):
        lowered = -(SPIKE_HEIGHTS[i] - 0.01)
        entry = {"offset": (0, 0, lowered * (1.0 - rise))}
        if tilt is not None:
            entry["rotation"] = tilt[i]
        pose["Spike%d" % i] = entry
    return pose


def overshoot(t):
    """Rises past the top and settles back: a spring-loaded spike."""
    t = min(1.0, max(0.0, t))
    return 1.0 + 2.7 * (t - 1.0) ** 3 + 1.7 * (t - 1.0) ** 2


def spike_down(_p):
    return spikes_at([0.0] * len(SPIKE_CELLS))


def spike_rise(t):
    return spikes_at([overshoot((t - d) / (1.0 - 0.3)) for d in SPIKE_DELAYS])


def spike_up(p):
    tilt = [(wave(p, 2, i / 9.0), wave(p, 2, i / 7.0 + 0.25), 0) for i in range(len(SPIKE_CELLS))]
    return spikes_at([1.0] * len(SPIKE_CELLS), tilt)


def spike_lower(t):
    return spikes_at([1.0 - smooth_step((t - d) / (1.0 - 0.3)) for d in SPIKE_DELAYS])


SPIKE_ANIMATIONS = [
    ("SpikeDown", 10, spike_down, True),
    ("SpikeGUp", 10, spike_rise, False),
    ("SpikeUp", 10, spike_up, True),
    ("SpikeGDown", 10, spike_lower, False),
]


# ---- the arrow trap: a stone pumpkin gargoyle on a pedestal --------------------------
# Its mouth is at the height the projectile model flies at (z = 0.75).

MUZZLE_HEIGHT = 0.75


def build_arrow_trap():
    root = rig.make_root("ArrowTrapRoot")
    base = rig.make_part("TrapBase", "arrow_trap", [
        ("cone", (8, 0.5, 0.4, 0.16), T((0, 0, 0.08), rotation=(0, 0, 22.5)), "stone"),
        ("cone", (8, 0.32, 0.26, 0.3), T((0, 0, 0.3), rotation=(0, 0, 22.5)), "stone"),
        ("cone", (8, 0.4, 0.36, 0.08), T((0, 0, 0.47), rotation=(0, 0, 22.5)), "moss"),
    ], parent=root)
    centre = (0.0, 0.0, 0.8)
    head = rig.make_part("TrapHead", "arrow_trap", [
        ("sphere", (14, 7, 0.4), T(centre, (1, 1, 0.82)), "head"),
    ], parent=root, shape=ribbed(centre, 7, 0.15, 0.5))
    features = rig.make_part("TrapFace", "arrow_trap", [
        rod((0.25, 0, MUZZLE_HEIGHT), (0.55, 0, MUZZLE_HEIGHT), 0.15, "stone", 10, 0.13),
        ("cone", (10, 0.1, 0.1, 0.02), T((0.555, 0, MUZZLE_HEIGHT), rotation=(0, 90, 0)), "mouth"),
        ("sphere", (6, 4, 0.075), T((0.32, 0.16, 0.95), (0.6, 1, 0.7), (0, 0, 25)), "eye"),
        ("sphere", (6, 4, 0.075), T((0.32, -0.16, 0.95), (0.6, 1, 0.7), (0, 0, -25)), "eye"),
        rod((-0.05, 0.22, 1.05), (-0.12, 0.38, 1.35), 0.08, "horn", 6, 0.01),
        rod((-0.05, -0.22, 1.05), (-0.12, -0.38, 1.35), 0.08, "horn", 6, 0.01),
        # Stubby stone wings at the back.
        ("sphere", (8, 4, 0.3), T((-0.3, 0.3, 0.72), (0.6, 0.12, 0.8), (0, -20, 40)), "horn"),
        ("sphere", (8, 4, 0.3), T((-0.3, -0.3, 0.72), (0.6, 0.12, 0.8), (0, -20, -40)), "horn"),
    ], parent=root)
    return root, [base, head, features]


# ---- the projectile: a glowing bolt flying along x ----------------------------------
# Pointed at both ends, so it reads right whichever way along x the game turns it.

def build_projectile():
    root = rig.make_root("ProjectileRoot")
    z = MUZZLE_HEIGHT
    bolt = rig.make_part("Bolt", "projectile", [
        ("sphere", (10, 6, 0.1), T((0, 0, z), (2.0, 1, 1)), "tip"),
        rod((0.16, 0, z), (0.3, 0, z), 0.075, "tip", 8, 0.006),
        rod((-0.16, 0, z), (-0.3, 0, z), 0.075, "tip", 8, 0.006),
        rod((0.07, 0, z), (0.11, 0, z), 0.115, "band", 10),
        rod((-0.07, 0, z), (-0.11, 0, z), 0.115, "band", 10),
    ], parent=root)
    return root, [bolt]


# ---- the slowing trap: a flat, sticky, glowing puddle of green goo -----------------

def build_slow_trap():
    root = rig.make_root("SlowTrapRoot")
    pieces = [
        ("sphere", (20, 6, 0.85), T((0, 0, 0.0), (1, 1, 0.07)), "goo"),
        ("sphere", (16, 4, 0.9), T((0, 0, -0.01), (1, 1, 0.03)), "rim"),
    ]
    for x, y, r in ((0.25, 0.2, 0.1), (-0.3, -0.1, 0.13), (0.05, -0.35, 0.08), (-0.1, 0.4, 0.07),
                    (0.45, -0.15, 0.06)):
        pieces.append(("sphere", (8, 4, r), T((x, y, 0.04), (1, 1, 0.7)), "bubble"))
    goo = rig.make_part("Goo", "slow_trap", pieces, parent=root,
                        shape=lumpy((0, 0, 0), 0.95, 0.12, 5))
    return root, [goo]


# ---- the spawner: an open grave mound with a cracked slab ---------------------------

def build_spawner():
    root = rig.make_root("SpawnerRoot")
    mound = rig.make_part("Mound", "spawner", [
        ("sphere", (14, 6, 0.8), T((0.1, 0, -0.08), (1.25, 0.85, 0.42)), "soil"),
        ("sphere", (10, 4, 0.5), T((0.22, 0, 0.22), (1.1, 0.6, 0.08)), "pit"),
        ("sphere", (8, 3, 0.34), T((0.22, 0, 0.25), (1.0, 0.55, 0.05)), "glow"),
        ("sphere", (6, 3, 0.22), T((-0.45, 0.55, 0.02), (1.3, 1, 0.5)), "grass"),
        ("sphere", (6, 3, 0.2), T((0.8, -0.5, 0.02), (1.2, 1, 0.5)), "grass"),
    ], parent=root, shape=lumpy((0.1, 0, 0), 1.05, 0.08, 11))
    slab = rig.make_part("Slab", "spawner", [
        # The headstone at the head of the grave, broken across and leaning.
        box((-0.85, 0, 0.3), (0.16, 0.7, 0.6), "slab", (0, -6, 0)),
        box((-0.9, 0.04, 0.78), (0.16, 0.68, 0.34), "slab", (14, -12, 4)),
        ("sphere", (8, 4, 0.34), T((-0.92, 0.06, 0.95), (0.24, 1, 0.5), (14, -12, 4)), "slab"),
        box((-0.82, 0, 0.08), (0.3, 0.9, 0.16), "moss"),
        # The grave's lid, cracked in two and pushed aside.
        box((0.35, 0.62, 0.12), (0.75, 0.4, 0.1), "slab", (-18, 4, 12)),
        box((0.95, 0.55, 0.06), (0.4, 0.38, 0.1), "slab", (-10, -8, -20)),
    ], parent=root)
    bevel(slab, 0.02, 1)
    return root, [mound, slab]


# ---- the key: chunky, golden, with a heart for a bow --------------------------------
# Centred over the origin (the game spins it about the vertical axis, its shaft
# along x) and tipped toward the high camera so the heart reads from above.

def build_key():
    root = rig.make_root("KeyRoot")
    key = rig.make_part("Key", "key", [
        # The heart: two round lobes and a square turned on its corner, pointing at the shaft.
        ("sphere", (10, 6, 0.105), T((-0.22, 0.08, 0), (1, 1, 0.45)), "gold"),
        ("sphere", (10, 6, 0.105), T((-0.22, -0.08, 0), (1, 1, 0.45)), "gold"),
        box((-0.13, 0, 0), (0.2, 0.2, 0.09), "gold", (0, 0, 45)),
        ("sphere", (8, 4, 0.05), T((-0.18, 0, 0.035), (1, 1, 0.5)), "gem"),
        rod((-0.02, 0, 0), (0.28, 0, 0), 0.042, "gold", 8),
        rod((0.0, 0, 0), (0.04, 0, 0), 0.062, "shine", 8),
        box((0.2, -0.06, 0), (0.05, 0.1, 0.06), "gold"),
        box((0.26, -0.07, 0), (0.05, 0.12, 0.06), "gold"),
    ], parent=root, shape=tipped(-35, 0.3, 1.15))
    return root, [key]


def tipped(degrees, lift, size=1.0):
    """A shape function scaling the whole part, tipping it about x and lifting it."""
    turn = Matrix.Rotation(math.radians(degrees), 4, "X")

    def shape(bm):
        for v in bm.verts:
            v.co = turn @ (v.co * size) + Vector((0, 0, lift))
    return shape


# ---- doors --------------------------------------------------------------------------
# An arched plank door in a stone frame, 2 units wide and 2.5 tall, facing +x
# (its width runs along y).

DOOR_SPRING = 1.45  # height where the arch begins
DOOR_HALF = 0.78    # half the width of the door leaf


def door_pieces():
    pieces = [
        box((0, 0, DOOR_SPRING / 2), (0.14, 2 * DOOR_HALF, DOOR_SPRING), "planks"),
        ("cone", (14, DOOR_HALF, DOOR_HALF, 0.13), T((0, 0, DOOR_SPRING), rotation=(0, 90, 0)), "planks"),
        box((0, DOOR_HALF + 0.15, 0.75), (0.34, 0.3, 1.5), "frame"),
        box((0, -DOOR_HALF - 0.15, 0.75), (0.34, 0.3, 1.5), "frame"),
        box((0.05, 0, 0.04), (0.6, 2 * DOOR_HALF + 0.7, 0.08), "step"),
    ]
    # The arch of the frame: seven stones around the top of the leaf.
    for i in range(7):
        a = math.radians(180.0 * (i + 0.5) / 7)
        r = DOOR_HALF + 0.15
        pieces.append(box((0, r * math.cos(a), DOOR_SPRING + r * math.sin(a)), (0.34, 0.3, 0.26), "frame",
                          (math.degrees(a) - 90, 0, 0)))
    # Iron hinges and a ring handle on both faces.
    for side in (1, -1):
        for z in (0.4, 1.25):
            pieces.append(box((0.075 * side, 0.3, z), (0.02, 0.9, 0.08), "iron"))
        pieces.append(("sphere", (8, 4, 0.07), T((0.09 * side, -0.55, 0.95), (0.5, 1, 1)), "iron"))
    return pieces


def build_door():
    root = rig.make_root("DoorRoot")
    door = rig.make_part("Door", "door", door_pieces(), parent=root, shape=box_uvs("door", ["planks"]))
    return root, [door]


def build_locked_door():
    root = rig.make_root("LockedDoorRoot")
    pieces = door_pieces()
    for side in (1, -1):
        # Heavy iron bands across the leaf, and a big golden padlock on each face.
        for z in (0.8, 1.7):
            pieces.append(box((0.09 * side, 0, z), (0.04, 2 * DOOR_HALF + 0.1, 0.14), "iron"))
        pieces += [
            box((0.16 * side, 0, 0.98), (0.12, 0.4, 0.34), "gold"),
            rod((0.16 * side, -0.13, 1.15), (0.16 * side, -0.13, 1.3), 0.04, "gold", 5),
            rod((0.16 * side, 0.13, 1.15), (0.16 * side, 0.13, 1.3), 0.04, "gold", 5),
            rod((0.16 * side, -0.15, 1.32), (0.16 * side, 0.15, 1.32), 0.045, "gold", 5),
            ("sphere", (6, 3, 0.06), T((0.225 * side, 0, 0.98), (0.3, 1, 1.4)), "keyhole"),
        ]
    door = rig.make_part("LockedDoor", "locked_door", pieces, parent=root,
                         shape=box_uvs("locked_door", ["planks"]))
    return root, [door]


# ---- breakables and blocks ----------------------------------------------------------

def build_crate():
    root = rig.make_root("CrateRoot")
    body = rig.make_part("CrateBody", "crate", [box((0, 0, 0.48), (0.92, 0.92, 0.92), "boards")], parent=root,
                         shape=box_uvs("crate", ["boards"]))
    bevel(body, 0.03, 2)
    pieces = []
    for x in (-0.45, 0.45):
        for y in (-0.45, 0.45):
            pieces.append(box((x, y, 0.5), (0.13, 0.13, 1.0), "battens"))
    for z in (0.06, 0.94):
        pieces += [box((0.45, 0, z), (0.13, 0.8, 0.12), "battens"),
                   box((-0.45, 0, z), (0.13, 0.8, 0.12), "battens"),
                   box((0, 0.45, z), (0.8, 0.13, 0.12), "battens"),
                   box((0, -0.45, z), (0.8, 0.13, 0.12), "battens")]
    # One diagonal brace across each side.
    pieces += [box((0.47, 0, 0.5), (0.06, 1.08, 0.12), "battens", (45, 0, 0)),
               box((-0.47, 0, 0.5), (0.06, 1.08, 0.12), "battens", (-45, 0, 0)),
               box((0, 0.47, 0.5), (1.08, 0.06, 0.12), "battens", (0, -45, 0)),
               box((0, -0.47, 0.5), (1.08, 0.06, 0.12), "battens", (0, 45, 0))]
    frame = rig.make_part("CrateFrame", "crate", pieces, parent=root)
    return root, [body, frame]


def build_stone_block():
    root = rig.make_root("StoneBlockRoot")
    block = rig.make_part("Block", "stone_block", [box((0, 0, 0.5), (1.0, 1.0, 1.0), "stone")], parent=root,
                          shape=box_uvs("stone_block", ["stone"]))
    bevel(block, 0.07, 2)
    moss = rig.make_part("Moss", "stone_block", [
        ("sphere", (12, 5, 0.5), T((-0.12, 0.1, 0.99), (0.8, 0.72, 0.12)), "moss"),
        ("sphere", (8, 4, 0.2), T((0.45, 0.38, 0.85), (0.5, 0.8, 0.6)), "moss"),
    ], parent=root, shape=lumpy((-0.12, 0.1, 0.99), 0.45, 0.14, 23))
    pieces = []
    for y in (-0.28, 0.28):
        # Iron straps over the top and down both faces, riveted: this one never breaks.
        pieces += [box((0, y, 1.005), (1.06, 0.12, 0.04), "iron"),
                   box((0.52, y, 0.5), (0.04, 0.12, 1.04), "iron"),
                   box((-0.52, y, 0.5), (0.04, 0.12, 1.04), "iron")]
        for x, z in ((0.55, 0.2), (0.55, 0.8), (-0.55, 0.2), (-0.55, 0.8)):
            pieces.append(("sphere", (6, 3, 0.045), T((x, y, z), (0.6, 1, 1)), "rivet"))
    straps = rig.make_part("Straps", "stone_block", pieces, parent=root)
    return root, [block, moss, straps]


# ---- level markers -------------------------------------------------------------------

def build_checkpoint():
    """A lantern shrine post: a stone foot, a dark wooden post, and a little roofed
    lantern house whose glass glows warm."""
    root = rig.make_root("CheckPointRoot")
    post = rig.make_part("ShrinePost", "checkpoint", [
        ("cone", (6, 0.34, 0.26, 0.26), T((0, 0, 0.13)), "stone"),
        box((0, 0, 0.8), (0.16, 0.16, 1.2), "post"),
        ("cone", (4, 0.3, 0.3, 0.06), T((0, 0, 1.42), rotation=(0, 0, 45)), "metal"),
    ], parent=root)
    bevel(post, 0.02, 1)
    lantern = rig.make_part("Lantern", "checkpoint", [
        # Glass wider at the top, under a small cap, so the light shows from the high camera.
        ("cone", (6, 0.16, 0.22, 0.36), T((0, 0, 1.63)), "glass"),
        rod((0.2, 0, 1.44), (0.24, 0, 1.82), 0.025, "metal", 4),
        rod((-0.1, 0.173, 1.44), (-0.12, 0.208, 1.82), 0.025, "metal", 4),
        rod((-0.1, -0.173, 1.44), (-0.12, -0.208, 1.82), 0.025, "metal", 4),
        ("cone", (6, 0.27, 0.02, 0.22), T((0, 0, 1.92)), "roof"),
        ("sphere", (6, 4, 0.05), T((0, 0, 2.05)), "metal"),
    ], parent=root)
    return root, [post, lantern]


def build_win_point():
    """A fairy ring: pale gold mushrooms and glowing stones in a circle, under an
    arch of light with motes drifting in its doorway."""
    root = rig.make_root("WinPointRoot")
    pieces = []
    for i in range(6):
        a = 2 * math.pi * (i + 0.3) / 6
        x, y = 1.15 * math.cos(a), 1.15 * math.sin(a)
        h = 0.2 + 0.06 * (i % 3)
        pieces += [("cone", (4, 0.05, 0.04, h), T((x, y, h / 2)), "stalk"),
                   ("sphere", (6, 3, 0.13), T((x, y, h), (1, 1, 0.55)), "cap")]
        a = 2 * math.pi * (i + 0.8) / 6
        pieces.append(("sphere", (5, 3, 0.11), T((1.1 * math.cos(a), 1.1 * math.sin(a), 0.02), (1, 1, 0.4)),
                       "ring"))
    ring = rig.make_part("FairyRing", "win_point", pieces, parent=root)
    spring, radius = 1.45, 0.9
    arch = [rod((0, radius, 0.0), (0, radius, spring), 0.1, "light", 6),
            rod((0, -radius, 0.0), (0, -radius, spring), 0.1, "light", 6)]
    steps = 7
    for i in range(steps):
        a0, a1 = math.pi * i / steps, math.pi * (i + 1) / steps
        arch.append(rod((0, radius * math.cos(a0), spring + radius * math.sin(a0)),
                        (0, radius * math.cos(a1), spring + radius * math.sin(a1)), 0.1, "light", 6))
    # Motes of light drifting in the doorway.
    for y, z, r in ((0.3, 0.55, 0.1), (-0.3, 1.05, 0.12), (0.1, 1.65, 0.1)):
        arch.append(("sphere", (6, 3, r), T((0.0, y, z)), "veil"))
    gate = rig.make_part("LightGate", "win_point", arch, parent=root)
    return root, [ring, gate]


def build_healing_lamp():
    """A garden lamp post: a slim iron pole on a stone foot, a scroll arm, and a
    lamp whose glass glows green-gold."""
    root = rig.make_root("HealingLampRoot")
    pole = rig.make_part("LampPole", "healing_lamp", [
        ("cone", (8, 0.24, 0.18, 0.2), T((0, 0, 0.1)), "stone"),
        rod((0, 0, 0.2), (0, 0, 2.0), 0.08, "iron", 8, 0.05),
        ("sphere", (8, 4, 0.08), T((0, 0, 2.02)), "iron"),
        rod((0, 0, 1.75), (0.35, 0, 1.9), 0.03, "iron", 5),
        ("sphere", (8, 4, 0.14), T((-0.05, 0.1, 0.28), (1.2, 1, 0.6)), "leaf"),
        ("sphere", (8, 4, 0.12), T((0.08, -0.12, 0.26), (1.2, 1, 0.6)), "leaf"),
    ], parent=root)
    lamp = rig.make_part("LampHead", "healing_lamp", [
        rod((0.35, 0, 1.9), (0.35, 0, 1.82), 0.02, "iron", 4),
        ("cone", (6, 0.27, 0.03, 0.16), T((0.35, 0, 1.77)), "iron"),
        ("cone", (6, 0.13, 0.22, 0.36), T((0.35, 0, 1.51)), "glass"),
        ("cone", (6, 0.14, 0.16, 0.06), T((0.35, 0, 1.31)), "iron"),
    ], parent=root)
    return root, [pole, lamp]


def build_stone_wall():
    """Two units of old dry-stone wall, 1.2 tall, running along y: three courses of
    hand-laid blocks and a row of cap stones with moss."""
    root = rig.make_root("StoneWallRoot")
    j = jitter(41)
    pieces = []
    courses = [(0.2, 3, 0.4), (0.6, 4, 0.4), (0.98, 3, 0.36)]
    for course, (z, count, height) in enumerate(courses):
        width = 2.0 / count
        for i in range(count):
            y = -1.0 + width * (i + 0.5) + j(0.04)
            cell = "stone_dark" if (i + course) % 3 == 0 else "stone"
            pieces.append(box((j(0.03), y, z + j(0.02)), (0.5 + j(0.04), width - 0.03, height - 0.02),
                              cell, (j(2), j(2), j(3))))
    stones = rig.make_part("WallStones", "stone_wall", pieces, parent=root,
                           shape=box_uvs("stone_wall", ["stone", "stone_dark"]))
    bevel(stones, 0.05, 1)
    moss = rig.make_part("WallMoss", "stone_wall", [
        ("sphere", (12, 4, 0.5), T((0.0, -0.5, 1.18), (0.55, 1.0, 0.1)), "moss"),
        ("sphere", (10, 4, 0.4), T((0.02, 0.55, 1.17), (0.6, 1.0, 0.09)), "cap"),
    ], parent=root)
    return root, [stones, moss]


BUILDERS = {
    BOSS: (build_boss, BOSS_ANIMATIONS),
    "hammer": (build_hammer, HAMMER_ANIMATIONS),
    "spikes": (build_spikes, SPIKE_ANIMATIONS),
    "arrow_trap": (build_arrow_trap, None),
    "projectile": (build_projectile, None),
    "slow_trap": (build_slow_trap, None),
    "spawner": (build_spawner, None),
    "key": (build_key, None),
    "door": (build_door, None),
    "locked_door": (build_locked_door, None),
    "crate": (build_crate, None),
    "stone_block": (build_stone_block, None),
    "checkpoint": (build_checkpoint, None),
    "win_point": (build_win_point, None),
    "healing_lamp": (build_healing_lamp, None),
    "stone_wall": (build_stone_wall, None),
}
