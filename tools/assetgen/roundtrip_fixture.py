"""Writes the MD2 round-trip fixture of the engine's content test: a small model
written by our MD2 writer, and beside it, as text, what was handed to the writer
(frame names and every vertex position before quantisation).  The engine's test
loads the MD2 through the engine's own loader and compares the two within the
format's precision.

Usage: /usr/bin/python3 roundtrip_fixture.py OUT_DIR
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import md2_writer  # noqa: E402

VERTICES = 24
# Two animations, one with a name that fills the 15 characters with its number.
FRAMES = ["Hop00", "Hop01", "Hop02", "LongNameSpin01", "LongNameSpin02"]


def positions(frame):
    """A twisted ring whose size, place and height change per frame, so every axis
    gets its own scale and translation, negative coordinates included."""
    out = []
    for i in range(VERTICES):
        a = 2.0 * math.pi * i / VERTICES + 0.4 * frame
        r = 0.5 + 0.25 * frame + 0.1 * math.sin(3 * a)
        out.append((round(r * math.cos(a) - 0.3 * frame, 6), round(r * math.sin(a) * 1.5, 6),
                    round(0.2 * frame + 0.05 * i, 6)))
    return out


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    frames = []
    for index, name in enumerate(FRAMES):
        points = positions(index)
        normals = [(0.0, 0.0, 1.0)] * VERTICES
        frames.append((name, points, normals))
    texcoords = [(0, 0), (16, 0), (16, 16)]
    triangles = [((i, (i + 1) % VERTICES, (i + 2) % VERTICES), (0, 1, 2)) for i in range(0, VERTICES, 2)]
    md2_writer.write(os.path.join(out_dir, "roundtrip.md2"), frames, texcoords, triangles, (16, 16), "roundtrip.png")
    with open(os.path.join(out_dir, "roundtrip.txt"), "w", newline="\n") as f:
        f.write("# frame name, then one line per vertex: x y z as given to the MD2 writer\n")
        for name, points, _normals in frames:
            f.write("frame %s\n" % name)
            for x, y, z in points:
                f.write("%.6f %.6f %.6f\n" % (x, y, z))
    print("round-trip fixture", out_dir)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    main(sys.argv[1])
