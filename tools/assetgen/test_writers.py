"""Checks of the MD2 and .X writers that the build runs (no Blender needed).

Usage: /usr/bin/python3 test_writers.py
"""

import math
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import md2_writer  # noqa: E402
import x_writer  # noqa: E402
from md2_normals import NORMALS  # noqa: E402

CUBE = [(x, y, z) for x in (-1.0, 2.0) for y in (0.0, 0.5) for z in (0.0, 3.0)] + [(0.3, 0.17, 1.234), (1.9, 0.01, 2.99)]
TRIANGLES = [((0, 1, 2), (0, 1, 2)), ((1, 3, 2), (1, 3, 2)), ((4, 5, 6), (0, 1, 2))]
TEXCOORDS = [(0, 0), (255, 0), (0, 255), (255, 255)]


def frame(name, shift=0.0):
    positions = [(x + shift, y, z) for x, y, z in CUBE]
    normals = [(0.0, 0.0, 1.0)] * len(CUBE)
    return name, positions, normals


class Md2RoundTrip(unittest.TestCase):
    def test_positions_names_and_counts_survive_within_the_format_precision(self):
        frames = [frame("run1"), frame("run2", 0.7), frame("jump1", -4.0)]
        data = md2_writer.encode(frames, TEXCOORDS, TRIANGLES, (256, 256), "skin.png")
        model = md2_writer.decode(data)
        self.assertEqual([f[0] for f in model["frames"]], ["run1", "run2", "jump1"])
        self.assertEqual(model["triangles"], [(tuple(v), tuple(t)) for v, t in TRIANGLES])
        self.assertEqual(model["texcoords"], TEXCOORDS)
        self.assertEqual(model["skins"], ["skin.png"])
        for (_, written, _), (_, read, _) in zip(frames, model["frames"]):
            for a, b in zip(written, read):
                for axis in range(3):
                    extent = max(p[axis] for p in written) - min(p[axis] for p in written)
                    self.assertLessEqual(abs(a[axis] - b[axis]), extent / 255.0 / 2 + 1e-5)
        self.assertEqual(md2_writer.animations([f[0] for f in model["frames"]]), {"run": (0, 1), "jump": (2, 2)})

    def test_normal_index_is_the_nearest_table_entry(self):
        for index in (0, 5, 32, 77, 161):
            self.assertEqual(md2_writer.nearest_normal(NORMALS[index]), index)
        tilted = (math.sin(0.05), 0.0, math.cos(0.05))
        self.assertEqual(md2_writer.nearest_normal(tilted), 5)  # (0, 0, 1)

    def test_models_the_engine_would_refuse_are_not_written(self):
        too_many = [(0.0, 0.0, float(i)) for i in range(md2_writer.MAX_VERTICES + 1)]
        cases = [
            ("frame name of 16 characters", [frame("abcdefghijklmnop")], TRIANGLES),
            ("no frames", [], TRIANGLES),
            ("vertex count differs", [frame("a1"), ("a2", CUBE[:-1], [(0, 0, 1)] * (len(CUBE) - 1))], TRIANGLES),
            ("triangle past the vertices", [frame("a1")], [((0, 1, len(CUBE)), (0, 1, 2))]),
            ("more than 2048 vertices", [("a1", too_many, [(0, 0, 1)] * len(too_many))], TRIANGLES),
        ]
        for what, frames, triangles in cases:
            with self.subTest(what), self.assertRaises(md2_writer.Md2Error):
                md2_writer.encode(frames, TEXCOORDS, triangles, (256, 256))

    def test_a_cut_file_is_refused_by_the_reader(self):
        data = md2_writer.encode([frame("a1"), frame("a2")], TEXCOORDS, TRIANGLES, (256, 256))
        for cut in (10, len(data) // 2, len(data) - 1):
            with self.subTest(cut=cut), self.assertRaises(md2_writer.Md2Error):
                md2_writer.decode(data[:cut])


class XRoundTrip(unittest.TestCase):
    def test_mesh_normals_coordinates_and_texture_survive(self):
        positions = [(0.0, 0.0, 0.0), (1.0, 0.0, 0.0), (0.0, 1.0, -0.25)]
        normals = [(0.0, 0.0, -1.0)] * 3
        texcoords = [(0.0, 0.0), (1.0, 0.0), (0.0, 0.5)]
        text = x_writer.encode("prop", positions, normals, texcoords, [(0, 1, 2)], "prop.png")
        self.assertTrue(text.startswith("xof 0303txt 0032\n"))
        self.assertEqual(x_writer.decode(text), (positions, normals, texcoords, [(0, 1, 2)], "prop.png"))

    def test_mismatched_arrays_are_refused(self):
        with self.assertRaises(ValueError):
            x_writer.encode("prop", [(0, 0, 0)], [], [(0, 0)], [(0, 0, 0)], "prop.png")


if __name__ == "__main__":
    unittest.main()
