"""The note language of score.py, turned into timed notes.

Melodies: tokens separated by spaces, bars by "|". A token is a pitch and a
length in beats, "E5:1", "F#4:0.5", "Bb3:1/3" (a triplet eighth); a chord is
pitches joined by "+", "C4+E4+G4:2"; "r" is a rest. A token without a length
keeps the previous one. A trailing "!" accents the note. Each bar must add up
to the metre, so a slip of the pen is caught when the music is built.

Chords: one bar per "|"-separated field, one or more chord names per bar
sharing it equally: "Am | F G | E7". Names are a root (A to G, optionally # or
b) and a quality: "" major, "m", "7", "m7", "maj7", "dim", "aug", "sus4",
"m6", "add9".

Drums: one 16-step string per drum per bar ("x" a hit, "X" an accent, "."
nothing), repeated for every bar of a section.
"""

from fractions import Fraction

NOTE_INDEX = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
QUALITIES = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10), "maj7": (0, 4, 7, 11),
    "dim": (0, 3, 6), "aug": (0, 4, 8), "sus4": (0, 5, 7), "m6": (0, 3, 7, 9), "add9": (0, 4, 7, 14),
}

# General MIDI percussion keys by the names the scores use.
DRUMS = {
    "kick": 36, "snare": 38, "rim": 37, "clap": 39, "hat": 42, "openhat": 46, "pedalhat": 44,
    "ride": 51, "crash": 49, "tom_low": 41, "tom_mid": 45, "tom_high": 48, "tambourine": 54,
    "triangle": 81, "shaker": 82, "woodblock": 76, "chimes": 84, "castanets": 85,
}


def pitch_number(text):
    """MIDI key of a name such as "C4" (middle C, 60), "F#3" or "Bb5"."""
    letter = text[0].upper()
    if letter not in NOTE_INDEX:
        raise ValueError(f"bad pitch {text!r}")
    rest = text[1:]
    shift = 0
    while rest and rest[0] in "#b":
        shift += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + NOTE_INDEX[letter] + shift


def parse_melody(text, beats_per_bar, where=""):
    """[(start beat, length beats, [keys], accent)] with rests left out."""
    notes = []
    now = Fraction(0)
    length = Fraction(1)
    for number, bar in enumerate(text.split("|")):
        tokens = bar.split()
        if not tokens:
            continue
        bar_start = now
        for token in tokens:
            accent = token.endswith("!")
            token = token.rstrip("!")
            name, _, size = token.partition(":")
            if size:
                length = Fraction(size)
            if name != "r":
                notes.append((now, length, [pitch_number(p) for p in name.split("+")], accent))
            now += length
        if now - bar_start != beats_per_bar:
            raise ValueError(f"{where}: bar {number + 1} holds {now - bar_start} beats, not {beats_per_bar}")
    return notes, now


def chord_keys(name):
    """Root pitch class and the intervals of a chord name."""
    if not name or name[0] not in NOTE_INDEX:
        raise ValueError(f"unknown chord {name!r}")
    root = NOTE_INDEX[name[0]]
    rest = name[1:]
    if rest[:1] in ("#", "b"):
        root += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    if rest not in QUALITIES:
        raise ValueError(f"unknown chord {name!r}")
    return root % 12, QUALITIES[rest]


def parse_chords(text, beats_per_bar):
    """[(start beat, length beats, root pitch class, intervals)], one bar per field."""
    chords = []
    for bar, field in enumerate(f for f in text.split("|") if f.strip()):
        names = field.split()
        share = Fraction(beats_per_bar, len(names))
        for i, name in enumerate(names):
            root, intervals = chord_keys(name)
            chords.append((bar * beats_per_bar + i * share, share, root, intervals))
    return chords


def nearest(pitch_class, around):
    """The key of pitch_class closest to the key `around`."""
    key = around - ((around - pitch_class) % 12)
    return key + 12 if around - key > 6 else key
