"""Unit checks of the audio generator's own pieces: the MIDI writer, the note
language, the loudness measure and the loop cut. Run by ./build before
anything is made."""

import os
import tempfile
import unittest
from fractions import Fraction

import numpy as np

import arrange
import loudness
import midi
import music
import notation
import score


class MidiWriterTest(unittest.TestCase):
    def test_variable_length_quantities(self):
        cases = {0: b"\x00", 0x7F: b"\x7f", 0x80: b"\x81\x00", 0x3FFF: b"\xff\x7f", 0x200000: b"\x81\x80\x80\x00"}
        for value, encoded in cases.items():
            self.assertEqual(midi.vlq(value), encoded, value)

    def test_notes_read_back_as_written(self):
        track = midi.Track("t")
        track.note(0, 480, 2, 60, 100)
        track.note(480, 240, 2, 60, 90)  # the same key again right after: off before on
        track.note(100, 1000, 9, 36, 127)
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "t.mid")
            midi.write(path, [track], 2000)
            division, notes = midi.read_notes(path)
        self.assertEqual(division, midi.DIVISION)
        self.assertEqual(notes, [(0, 2, 60, 100, 480), (100, 9, 36, 127, 1000), (480, 2, 60, 90, 240)])

    def test_bad_notes_are_refused(self):
        track = midi.Track("t")
        for args in ((0, 10, 0, 128, 10), (0, 10, 0, 60, 0), (0, 0, 0, 60, 10)):
            with self.assertRaises(ValueError):
                track.note(*args)


class NotationTest(unittest.TestCase):
    def test_pitches(self):
        for name, key in (("C4", 60), ("A4", 69), ("F#3", 54), ("Bb2", 46), ("C-1", 0), ("Cb4", 59)):
            self.assertEqual(notation.pitch_number(name), key, name)

    def test_lengths_carry_over_and_bars_must_add_up(self):
        notes, total = notation.parse_melody("C4:0.5 D4 r E4:1/3 F4 G4 A4:1.5 | C5+E5:4!", 4)
        self.assertEqual(total, 8)
        self.assertEqual([n[0] for n in notes], [0, Fraction(1, 2), Fraction(3, 2), Fraction(11, 6),
                                                  Fraction(13, 6), Fraction(5, 2), 4])
        self.assertEqual(notes[-1][2:], ([72, 76], True))
        with self.assertRaises(ValueError):
            notation.parse_melody("C4:1 D4 E4 | F4:1", 4)

    def test_chords(self):
        chords = notation.parse_chords("Am | F G7", 4)
        self.assertEqual(chords[0], (0, 4, 9, (0, 3, 7)))
        self.assertEqual(chords[2], (6, 2, 7, (0, 4, 7, 10)))
        with self.assertRaises(ValueError):
            notation.parse_chords("Hm", 4)

    def test_every_piece_is_well_formed(self):
        with tempfile.TemporaryDirectory() as folder:
            for name, piece in score.PIECES.items():
                arrange.build(piece, os.path.join(folder, name + ".mid"), 1)
                if piece.loop:
                    self.assertTrue(60.0 <= piece.body_seconds() <= 120.0, name)
                    self.assertEqual(piece.body_beats() * piece.beat_ms % 640, 0, name)


class LoudnessTest(unittest.TestCase):
    def test_full_scale_sine_reads_minus_three(self):
        t = np.arange(5 * 44100) / 44100
        tone = np.sin(2 * np.pi * 997 * t)
        self.assertAlmostEqual(loudness.integrated_lufs(tone, 44100), -3.01, delta=0.05)
        stereo = np.stack([tone, tone], axis=1) * 0.1
        self.assertAlmostEqual(loudness.integrated_lufs(stereo, 44100), -20.0, delta=0.05)

    def test_silence_is_gated_out(self):
        t = np.arange(4 * 44100) / 44100
        tone = 0.1 * np.sin(2 * np.pi * 997 * t)
        with_gap = np.concatenate([tone, np.zeros(8 * 44100)])
        # Ungated, two thirds of silence would pull the figure down by 4.8 LU; only
        # the blocks that straddle the tone's end count a little.
        self.assertAlmostEqual(loudness.integrated_lufs(with_gap, 44100),
                               loudness.integrated_lufs(tone, 44100), delta=0.3)
        self.assertEqual(loudness.integrated_lufs(np.zeros(44100), 44100), float("-inf"))

    def test_low_rumble_weighs_less(self):
        t = np.arange(3 * 44100) / 44100
        self.assertLess(loudness.integrated_lufs(np.sin(2 * np.pi * 30 * t), 44100), -10.0)

    def test_peak(self):
        self.assertAlmostEqual(loudness.peak_dbfs(np.array([0.0, -0.5, 0.25])), -6.02, delta=0.01)


class LoopCutTest(unittest.TestCase):
    def test_a_repeating_render_is_cut_to_one_copy(self):
        rate = music.RATE
        t = np.arange(3 * rate + 100) / rate
        render = np.stack([np.sin(2 * np.pi * 5 * t)] * 2, axis=1)
        copy = music.cut_loop(render, 1.0, "test")
        self.assertEqual(copy.shape, (rate, 2))
        np.testing.assert_allclose(copy, render[rate:2 * rate])

    def test_a_render_that_does_not_repeat_is_refused(self):
        rate = music.RATE
        t = np.arange(3 * rate + 100) / rate
        render = np.stack([np.sin(2 * np.pi * 5.3 * t)] * 2, axis=1)
        with self.assertRaises(RuntimeError):
            music.cut_loop(render, 1.0, "test")


if __name__ == "__main__":
    unittest.main()
