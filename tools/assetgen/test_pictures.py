"""Checks of the whole GUI pictures that the build runs before painting (no Blender
needed): a level preview the game rendered is never written over, the curtains
meet in one seam, the cutscene frame leaves its middle clear and keeps its gold
where the enlarged frame still shows it, the title's halo fades out before the
picture's edge, and every picture and cutscene of the table has its painter.

Usage: /usr/bin/python3 test_pictures.py
"""

import contextlib
import io
import os
import sys
import tempfile
import unittest

import numpy as np
from PIL import Image, ImageOps

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import manifest  # noqa: E402
import paint_cutscenes  # noqa: E402
import paint_marks  # noqa: E402
import paint_pages  # noqa: E402
import paint_pictures  # noqa: E402


def tiny_page():
    return Image.new("RGBA", manifest.PREVIEW_SIZE, (20, 30, 60, 255))


class LevelPreviews(unittest.TestCase):
    def test_an_existing_preview_is_left_as_it_is_and_only_missing_ones_are_written(self):
        with tempfile.TemporaryDirectory() as gui_dir:
            folder = os.path.join(gui_dir, manifest.PREVIEW_FOLDER)
            os.makedirs(folder)
            rendered = os.path.join(folder, manifest.preview_file(3))
            with open(rendered, "wb") as f:
                f.write(b"the game's own render of level 3")
            with contextlib.redirect_stdout(io.StringIO()):
                _image, written = paint_pictures.paint_missing_previews(gui_dir, tiny_page)
            with open(rendered, "rb") as f:
                self.assertEqual(f.read(), b"the game's own render of level 3")
            self.assertNotIn(rendered, written)
            self.assertEqual(len(written), manifest.LEVEL_COUNT - 1)
            for index in range(manifest.LEVEL_COUNT):
                self.assertTrue(os.path.isfile(os.path.join(folder, manifest.preview_file(index))), index)
            # A second run finds every file there and writes none.
            _image, written = paint_pictures.paint_missing_previews(gui_dir, tiny_page)
            self.assertEqual(written, [])

    def test_a_stand_in_of_the_wrong_size_is_refused(self):
        with tempfile.TemporaryDirectory() as gui_dir, self.assertRaises(SystemExit):
            paint_pictures.paint_missing_previews(gui_dir, lambda: Image.new("RGBA", (640, 360)))


class PictureChecks(unittest.TestCase):
    def test_the_size_and_the_promised_opacity_are_held_to(self):
        curtain = next(p for p in manifest.PICTURES if p.texture_set == "MainMenuCurtainLeft")
        with self.assertRaises(SystemExit):
            paint_pictures.check(curtain, Image.new("RGBA", (1024, 1024), (0, 0, 0, 255)))
        with self.assertRaises(SystemExit):
            paint_pictures.check(curtain, Image.new("RGBA", manifest.CURTAIN, (0, 0, 0, 254)))
        paint_pictures.check(curtain, Image.new("RGBA", manifest.CURTAIN, (0, 0, 0, 255)))

    def test_every_picture_and_cutscene_of_the_table_has_its_painter(self):
        self.assertEqual(sorted(paint_pictures.PAINTERS), sorted(p.texture_set for p in manifest.PICTURES))
        self.assertEqual(sorted(paint_cutscenes.LOOKS), sorted(c.name for c in manifest.CUTSCENES))


class Curtains(unittest.TestCase):
    def test_the_two_curtains_are_mirror_images_meeting_in_one_gold_seam(self):
        left = paint_pages.paint_curtain_left()
        right = paint_pages.paint_curtain_right()
        self.assertEqual(np.asarray(ImageOps.mirror(left)).tobytes(), np.asarray(right).tobytes())
        left_edge = np.asarray(left)[:, -1, :3].astype(int)
        right_edge = np.asarray(right)[:, 0, :3].astype(int)
        self.assertEqual(left_edge.tolist(), right_edge.tolist())
        # The seam is the gold braid: warm (red over blue) down the inner edge above the fringe.
        braid = np.asarray(left)[:900, -14, :3].astype(int)
        self.assertTrue((braid[:, 0] > braid[:, 2] + 40).mean() > 0.9)


class CutsceneFrame(unittest.TestCase):
    def test_the_middle_is_clear_and_the_gold_survives_the_enlargement(self):
        frame = np.asarray(paint_pages.paint_cutscene_overlay()).astype(int)
        height, width = frame.shape[:2]
        mx, my = round(width * paint_pages.OPEN_MIDDLE), round(height * paint_pages.OPEN_MIDDLE)
        self.assertEqual(int(frame[my:height - my, mx:width - mx, 3].max()), 0)
        self.assertGreater(int(frame[0, 0, 3]), 200)
        # Gold (bright, warm, covering) lies only where the frame, enlarged 1.12 about its middle,
        # is still on the screen.
        cut = (1.0 - 1.0 / 1.12) / 2.0
        cx, cy = round(width * cut), round(height * cut)
        gold = (frame[:, :, 3] > 128) & (frame[:, :, 0] > 180) & (frame[:, :, 0] > frame[:, :, 2] + 40)
        self.assertGreater(int(gold.sum()), 1000)
        outside = gold.copy()
        outside[cy:height - cy, cx:width - cx] = False
        self.assertEqual(int(outside.sum()), 0)


class TitleHalo(unittest.TestCase):
    def test_the_halo_is_full_behind_the_title_and_nothing_at_the_edges(self):
        halo = np.asarray(paint_marks.paint_title_glow())[:, :, 3].astype(int)
        self.assertGreater(int(halo.max()), 200)
        edges = np.concatenate([halo[0], halo[-1], halo[:, 0], halo[:, -1]])
        self.assertEqual(int(edges.max()), 0)


if __name__ == "__main__":
    unittest.main()
