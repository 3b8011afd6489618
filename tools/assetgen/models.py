"""Models the characters and props in Blender and writes them for the engine.

Run headless:  blender -b --python models.py -- MODELS_DIR
Models are built in Blender's space (z up, facing +x, feet at the origin, one
unit = one world unit; a floor tile is 2 units).  Animated models go to MD2
with their frames sampled from the evaluated meshes; static props go to text .X
in the engine's upright space (x, z, -y), the same turn the engine gives MD2.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import atlas  # noqa: E402
import md2_writer  # noqa: E402
import rig  # noqa: E402
import x_writer  # noqa: E402
from rig import transform as T  # noqa: E402

CHARACTER_TRIANGLES = 1500
PROP_TRIANGLES = 600


def wave(phase, amplitude, offset=0.0):
    return amplitude * math.sin(2.0 * math.pi * (phase + offset))


def ease_out(t):
    return 1.0 - (1.0 - t) ** 2


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


def build_ghost():
    root = rig.make_root("GhostRoot")
    part = rig.make_part
    body = part("GhostBody", "ghost", [
        ("sphere", (18, 12, 0.45), T((0, 0, 0)), "body"),
    ], parent=root, shape=ghost_body_shape)
    add_ghost_keys(body)
    face = part("GhostFace", "ghost", [
        ("sphere", (10, 6, 0.085), T((0.38, 0.13, 1.02), (0.5, 0.85, 1.35)), "eye"),
        ("sphere", (10, 6, 0.085), T((0.38, -0.13, 1.02), (0.5, 0.85, 1.35)), "eye"),
        ("sphere", (10, 6, 0.06), T((0.41, 0, 0.84), (0.4, 1.1, 0.9)), "mouth"),
        ("sphere", (8, 4, 0.05), T((0.37, 0.24, 0.9), (0.4, 1, 0.6)), "blush"),
        ("sphere", (8, 4, 0.05), T((0.37, -0.24, 0.9), (0.4, 1, 0.6)), "blush"),
    ], pivot=(0, 0, 0.95), parent=root)
    arm_l = part("GhostArmL", "ghost", [
        ("sphere", (8, 6, 0.1), T((0.12, 0.5, 0.72), (1.7, 0.8, 0.8), (0, -25, 10)), "arm"),
    ], pivot=(0, 0.4, 0.75), parent=root)
    arm_r = part("GhostArmR", "ghost", [
        ("sphere", (8, 6, 0.1), T((0.12, -0.5, 0.72), (1.7, 0.8, 0.8), (0, -25, -10)), "arm"),
    ], pivot=(0, -0.4, 0.75), parent=root)
    return root, [body, face, arm_l, arm_r]


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


# ---- writing ---------------------------------------------------------------

def md2_geometry(parts, texture):
    """Texture coordinates (deduplicated, in skin pixels with t from the top) and triangles."""
    size = atlas.TEXTURES[texture][0]
    texcoords, index, triangles = [], {}, []
    for verts, uvs in rig.topology(parts):
        st_ids = []
        for u, v in uvs:
            st = (int(round(u * size)), int(round((1.0 - v) * size)))
            if st not in index:
                index[st] = len(texcoords)
                texcoords.append(st)
            st_ids.append(index[st])
        triangles.append((verts, tuple(st_ids)))
    return texcoords, triangles, size


def write_md2(path, root, parts, texture, animations, budget):
    everything = [root] + parts
    rig.apply_pose(everything, {})
    rig.sample(parts, 0)
    texcoords, triangles, size = md2_geometry(parts, texture)
    if len(triangles) > budget:
        raise SystemExit("%s: %d triangles, over the budget of %d" % (path, len(triangles), budget))
    frames, frame_number = [], 0
    for name, count, pose, loops in animations:
        for i in range(count):
            # A loop samples [0, 1) so its last frame leads into its first; a one-shot ends at 1.
            t = i / count if loops else i / (count - 1)
            rig.apply_pose(everything, pose(t))
            positions, normals = rig.sample(parts, frame_number)
            frames.append(("%s%02d" % (name, i), positions, normals))
            frame_number += 1
    data = md2_writer.write(path, frames, texcoords, triangles, (size, size), texture + ".png")
    print("model %s: %d vertices, %d triangles, %d frames, %d bytes" %
          (path, len(frames[0][1]), len(triangles), len(frames), len(data)))


def to_engine(x, y, z):
    return (x, z, -y)


def write_x(path, root, parts, texture, budget):
    rig.apply_pose([root] + parts, {})
    positions, normals = rig.sample(parts, 0)
    out_pos, out_norm, out_uv, faces, index = [], [], [], [], {}
    for verts, uvs in rig.topology(parts):
        face = []
        for v, (u, w) in zip(verts, uvs):
            key = (v, round(u, 6), round(w, 6))
            if key not in index:
                index[key] = len(out_pos)
                out_pos.append(to_engine(*positions[v]))
                out_norm.append(to_engine(*normals[v]))
                out_uv.append((u, 1.0 - w))
            face.append(index[key])
        faces.append(face)
    if len(faces) > budget:
        raise SystemExit("%s: %d triangles, over the budget of %d" % (path, len(faces), budget))
    name = os.path.splitext(os.path.basename(path))[0]
    x_writer.write(path, name, out_pos, out_norm, out_uv, faces, texture + ".png")
    print("model %s: %d vertices, %d triangles" % (path, len(out_pos), len(faces)))


def main(models_dir):
    os.makedirs(models_dir, exist_ok=True)
    rig.reset_scene()
    root, parts = build_kid()
    write_md2(os.path.join(models_dir, "kid.md2"), root, parts, "kid", KID_ANIMATIONS, CHARACTER_TRIANGLES)
    rig.reset_scene()
    root, parts = build_ghost()
    write_md2(os.path.join(models_dir, "ghost.md2"), root, parts, "ghost", GHOST_ANIMATIONS,
              CHARACTER_TRIANGLES)
    rig.reset_scene()
    root, parts = build_candy()
    write_x(os.path.join(models_dir, "candy.X"), root, parts, "candy", PROP_TRIANGLES)


if __name__ == "__main__":
    args = sys.argv[sys.argv.index("--") + 1:] if "--" in sys.argv else []
    if len(args) != 1:
        raise SystemExit("usage: blender -b --python models.py -- MODELS_DIR")
    main(args[0])
