"""Builds the models of the manifest in Blender and writes them for the engine.

Run headless:  blender -b --python models.py -- MODELS_DIR [GROUP ...]
Each group's module (models_<group>.py) builds its models; this driver writes
them.  Animated models go to MD2 with their frames sampled from the evaluated
meshes; static props go to text .X in the engine's upright space (x, z, -y),
the same turn the engine gives MD2.
"""

import importlib
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import atlas  # noqa: E402
import manifest  # noqa: E402
import md2_writer  # noqa: E402
import rig  # noqa: E402
import x_writer  # noqa: E402


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


def frame_name(animation, index, count):
    """The animation's name and the frame's number: two digits when the name leaves
    room within MD2's 15 characters, else one (at most ten frames then)."""
    digits = min(2, md2_writer.MAX_FRAME_NAME - len(animation))
    if digits < 1 or count > 10 ** digits:
        raise SystemExit("%s: %d frames do not fit a 15-character frame name" % (animation, count))
    return "%s%0*d" % (animation, digits, index)


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
            frames.append((frame_name(name, i, count), positions, normals))
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


def build_model(entry, models_dir):
    module = importlib.import_module("models_" + entry.group)
    if entry.name not in module.BUILDERS:
        return "models_%s.py has no builder for %s" % (entry.group, entry.name)
    builder, animations = module.BUILDERS[entry.name]
    rig.reset_scene()
    root, parts = builder()
    path = os.path.join(models_dir, entry.file)
    if entry.file.endswith(".md2"):
        names = [a[0] for a in animations]
        if names != entry.animations:
            raise SystemExit("%s: animations %s, the manifest lists %s" % (entry.name, names, entry.animations))
        write_md2(path, root, parts, entry.name, animations, entry.budget)
    else:
        write_x(path, root, parts, entry.name, entry.budget)
    return None


def main(models_dir, groups):
    os.makedirs(models_dir, exist_ok=True)
    faults = [build_model(entry, models_dir) for entry in manifest.MODELS if not groups or entry.group in groups]
    faults = [fault for fault in faults if fault]
    if faults:
        raise SystemExit("\n".join("Error: " + fault for fault in faults))


if __name__ == "__main__":
    args = sys.argv[sys.argv.index("--") + 1:] if "--" in sys.argv else []
    if len(args) < 1:
        raise SystemExit("usage: blender -b --python models.py -- MODELS_DIR [GROUP ...]")
    main(args[0], args[1:])
