"""Turns a piece of score.py into a Standard MIDI File.

A piece names its instruments (Voice), its sections and the order they play
in (form). Each section gives every instrument either a melody in the note
language of notation.py or an accompaniment pattern ("@arp", "@pad", ...)
that it plays over the section's chords, and the drum patterns of its bars.
A looped piece is written `repeats` times in a row so that the render can
keep a middle copy whose start already holds the reverb of the copy before.
"""

from dataclasses import dataclass, field
from fractions import Fraction

import midi
import notation

TICKS = midi.DIVISION


@dataclass
class Voice:
    program: int           # General MIDI program, 0-based (8 celesta, 45 pizzicato, 70 bassoon, ...)
    register: int = 60     # the key accompaniment patterns centre on
    volume: int = 100      # controller 7
    pan: int = 64          # controller 10: 0 left, 127 right
    reverb: int = 50       # controller 91: reverb send
    velocity: int = 80     # base strength of its notes
    gate: float = 0.9      # share of each written length that sounds


@dataclass
class Section:
    bars: int
    chords: str = ""
    parts: dict = field(default_factory=dict)   # voice name -> melody text or "@pattern"
    drums: dict = field(default_factory=dict)   # drum name -> 16-step string per bar
    drum_velocity: int = 70


@dataclass
class Piece:
    beat_ms: int           # length of a beat; whole milliseconds keep the render's timing exact
    beats_per_bar: int
    voices: dict
    sections: dict
    form: list
    loop: bool = False
    tail_beats: int = 8    # silence written after a one-shot so its last notes ring out

    def body_beats(self):
        return sum(self.sections[name].bars for name in self.form) * self.beats_per_bar

    def body_seconds(self):
        return self.body_beats() * self.beat_ms / 1000.0


def _ticks(beats):
    value = Fraction(beats) * TICKS
    if value.denominator != 1:
        raise ValueError(f"{beats} beats is no whole number of ticks")
    return int(value)


def _pattern_notes(pattern, chord, register):
    """[(start beat, length beats, key, velocity scale)] of one pattern over one chord."""
    start, length, root, intervals = chord
    tones = sorted(notation.nearest((root + i) % 12, register) for i in intervals)
    bass = notation.nearest(root, register)
    third = bass + intervals[1]
    fifth = bass + 7

    def steps(size):
        return [(Fraction(i) * size, size) for i in range(int(length / size))]

    def cycle(order, size, strong=1.0, weak=0.8):
        return [(at, s, order[i % len(order)], strong if i % 2 == 0 else weak)
                for i, (at, s) in enumerate(steps(size))]

    if pattern == "pad":
        out = [(0, length, k, 0.8) for k in tones]
    elif pattern == "arp":
        out = cycle(tones + [tones[0] + 12] + tones[-1:0:-1], Fraction(1, 2))
    elif pattern == "arp16":
        out = cycle(tones + [tones[0] + 12] + tones[-1:0:-1], Fraction(1, 4))
    elif pattern == "stab":
        out = [(at, Fraction(1, 2), k, 0.9) for at, _ in steps(Fraction(1)) if (start + at) % 2 == 1 for k in tones]
    elif pattern == "pluck":
        out = cycle([bass, fifth, third, fifth], Fraction(1), weak=0.75)
    elif pattern == "root":
        out = [(0, length, bass, 1.0)]
    elif pattern == "root5":
        out = cycle([bass, bass - 5], Fraction(2), weak=0.9)
    elif pattern == "walk":
        out = cycle([bass, third, fifth, third], Fraction(1), weak=0.85)
    elif pattern == "pulse":
        out = cycle([bass], Fraction(1, 2), weak=0.7)
    elif pattern == "octaves":
        out = cycle([bass, bass + 12], Fraction(1, 2))
    elif pattern == "trem":
        out = [(at, s, k, 0.8 if i % 4 == 0 else 0.6) for i, (at, s) in enumerate(steps(Fraction(1, 4))) for k in tones]
    else:
        raise ValueError(f"unknown pattern @{pattern}")
    return [(start + at, s, k, v) for at, s, k, v in out]


def _section_notes(section, voice, text, beats_per_bar, where):
    """[(start beat, length beats, key, velocity)] of one voice in one section."""
    if text.startswith("@"):
        chords = notation.parse_chords(section.chords, beats_per_bar)
        if len(set(int(c[0]) // beats_per_bar for c in chords)) != section.bars:
            raise ValueError(f"{where}: chords do not cover {section.bars} bars")
        notes = []
        for chord in chords:
            for start, length, key, scale in _pattern_notes(text[1:], chord, voice.register):
                notes.append((start, length, key, round(voice.velocity * scale)))
        return notes
    melody, total = notation.parse_melody(text, beats_per_bar, where)
    if total != section.bars * beats_per_bar:
        raise ValueError(f"{where}: melody lasts {total} beats, the section {section.bars * beats_per_bar}")
    return [(s, l, k, min(127, voice.velocity + (20 if accent else 0)))
            for s, l, keys, accent in melody for k in keys]


def _drum_notes(section, beats_per_bar):
    steps = beats_per_bar * 4
    notes = []
    for name, grid in section.drums.items():
        grid = grid.replace(" ", "")
        if len(grid) != steps:
            raise ValueError(f"drum {name}: {len(grid)} steps, a bar has {steps}")
        for bar in range(section.bars):
            for step, mark in enumerate(grid):
                if mark in "xX":
                    velocity = min(127, section.drum_velocity + (25 if mark == "X" else 0))
                    notes.append((bar * beats_per_bar + Fraction(step, 4), Fraction(1, 4),
                                  notation.DRUMS[name], velocity))
    return notes


def build(piece, path, repeats):
    """Writes the piece, its body `repeats` times, and returns the body's length in ticks."""
    conductor = midi.Track("conductor")
    conductor.tempo(0, piece.beat_ms * 1000)
    conductor.time_signature(0, piece.beats_per_bar)
    tracks = {}
    channels = [c for c in range(16) if c != midi.DRUM_CHANNEL]
    for index, (name, voice) in enumerate(piece.voices.items()):
        channel = channels[index]
        track = midi.Track(name)
        track.program(0, channel, voice.program)
        track.controller(0, channel, 7, voice.volume)
        track.controller(0, channel, 10, voice.pan)
        track.controller(0, channel, 91, voice.reverb)
        track.controller(0, channel, 93, 0)
        tracks[name] = (track, channel)
    drums = midi.Track("drums")
    drums.controller(0, midi.DRUM_CHANNEL, 7, 100)
    drums.controller(0, midi.DRUM_CHANNEL, 91, 40)
    body = _ticks(piece.body_beats())
    for copy in range(repeats):
        beat = Fraction(0)
        for name in piece.form:
            section = piece.sections[name]
            for voice_name, text in section.parts.items():
                voice = piece.voices[voice_name]
                track, channel = tracks[voice_name]
                for start, length, key, velocity in _section_notes(
                        section, voice, text, piece.beats_per_bar, f"section {name}, {voice_name}"):
                    sounding = max(1, int(_ticks(length) * voice.gate))
                    track.note(copy * body + _ticks(beat + start), sounding, channel, key, velocity)
            for start, length, key, velocity in _drum_notes(section, piece.beats_per_bar):
                drums.note(copy * body + _ticks(beat + start), _ticks(length), midi.DRUM_CHANNEL, key, velocity)
            beat += section.bars * piece.beats_per_bar
    end = repeats * body + (0 if piece.loop else _ticks(piece.tail_beats))
    midi.write(path, [conductor, drums] + [t for t, _ in tracks.values()], end)
    return body
