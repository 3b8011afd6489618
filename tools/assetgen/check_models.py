"""Reads every generated model back and refuses what the engine could not use.

Usage: /usr/bin/python3 check_models.py GAMEDATA_DIR [GROUP ...]
MD2: header, section bounds, vertex and triangle limits, frame names (at most
15 characters), the animation names the game plays, skin size equal to the
texture's size.  .X: parses back with matching counts.  Textures: power-of-two
squares of 256 or 512 that read the same upside down.  Exits non-zero with one line per fault.
"""

import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atlas  # noqa: E402
import manifest  # noqa: E402
import md2_writer  # noqa: E402
import x_writer  # noqa: E402


def check_texture(path, atlas_texture=True):
    with Image.open(path) as image:
        width, height = image.size
        pixels = list(image.convert("RGB").getdata())
    if width != height or width not in (256, 512):
        return ["%s is %dx%d, not a 256 or 512 square" % (path, width, height)], (width, height)
    rows = [pixels[y * width:(y + 1) * width] for y in range(height)]
    if atlas_texture and rows != rows[::-1]:
        # Every cell has its upside-down copy, so either row order of the renderer finds it.
        return ["%s is not the same upside down" % path], (width, height)
    return [], (width, height)


def check_md2(path, animations, budget, skin_size):
    faults = []
    with open(path, "rb") as f:
        model = md2_writer.decode(f.read())
    frames = model["frames"]
    names = [name for name, _positions, _normals in frames]
    vertices = len(frames[0][1])
    if vertices > md2_writer.MAX_VERTICES:
        faults.append("%s: %d vertices, more than %d" % (path, vertices, md2_writer.MAX_VERTICES))
    if len(model["triangles"]) > budget:
        faults.append("%s: %d triangles, over the budget of %d" % (path, len(model["triangles"]), budget))
    for name in names:
        if len(name) > md2_writer.MAX_FRAME_NAME or not name:
            faults.append("%s: frame name %r is empty or longer than 15 characters" % (path, name))
    found = md2_writer.animations(names)
    if sorted(found) != sorted(animations):
        faults.append("%s: animations %s, the game plays %s" % (path, sorted(found), sorted(animations)))
    if model["skin_size"] != skin_size:
        faults.append("%s: skin size %s, texture size %s" % (path, model["skin_size"], skin_size))
    w, h = model["skin_size"]
    if any(not (0 <= s <= w and 0 <= t <= h) for s, t in model["texcoords"]):
        faults.append("%s: a texture coordinate lies outside the skin" % path)
    print("checked %s: %d frames, %d vertices, %d triangles, animations %s" %
          (path, len(frames), vertices, len(model["triangles"]),
           ", ".join("%s %d-%d" % (k, v[0], v[1]) for k, v in sorted(found.items()))))
    return faults


def check_x(path, budget):
    with open(path) as f:
        positions, normals, texcoords, faces, texture = x_writer.decode(f.read())
    faults = []
    if not (len(positions) == len(normals) == len(texcoords)) or not faces:
        faults.append("%s: vertex, normal and texture coordinate counts differ" % path)
    if len(faces) > budget:
        faults.append("%s: %d triangles, over the budget of %d" % (path, len(faces), budget))
    print("checked %s: %d vertices, %d triangles, texture %s" % (path, len(positions), len(faces), texture))
    return faults


def check_model(gamedata, entry):
    model_path = os.path.join(gamedata, "Models", entry.file)
    texture_path = os.path.join(gamedata, "Textures", manifest.texture_file(entry))
    missing = ["%s is missing" % path for path in (model_path, texture_path) if not os.path.isfile(path)]
    if missing:
        return missing
    # An atlas reads the same upside down; a whole texture (the floor tile's) need not.
    faults, size = check_texture(texture_path, entry.name in atlas.TEXTURES)
    try:
        if entry.file.endswith(".md2"):
            faults += check_md2(model_path, entry.animations, entry.budget, size)
        else:
            faults += check_x(model_path, entry.budget)
    except (ValueError, md2_writer.Md2Error) as error:
        faults.append("%s: %s" % (model_path, error))
    return faults


def main(gamedata, groups):
    faults = []
    for entry in manifest.MODELS:
        if not groups or entry.group in groups:
            faults += check_model(gamedata, entry)
    for fault in faults:
        print("Error: " + fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
