"""The game's music as note data: the one place to edit it.

Each piece lists its instruments, its sections and its form. In a section,
every instrument plays either a melody (notes as described in notation.py:
"E5:0.5 A5 C6 | ...", one "|" per bar) or an accompaniment pattern over the
section's chords:

  @pad     the chord held           @arp, @arp16  broken chord in 8ths / 16ths
  @stab    chord on beats 2 and 4   @pluck        root, fifth, third, fifth in quarters
  @root    root held                @root5        root and the fifth below in halves
  @walk    root, third, fifth, third in quarters
  @pulse   repeated root in 8ths    @octaves      root and its octave in 8ths
  @trem    chord repeated in 16ths

Drums are 16-step grids per bar (see notation.DRUMS for the names).
Looped pieces end on a bar that leads back into their first; their length is
a whole number of 640 ms spans (beat_ms x beats), which keeps the three
rendered copies on the same sample grid so the middle one joins itself.

The mood: a playful, spooky fairy tale -- celesta, glockenspiel, pizzicato
strings, bassoon and soft choir; the chase and the boss faster and darker.
"""

from arrange import Piece, Section, Voice

# General MIDI programs (0-based).
HARPSICHORD, CELESTA, GLOCKENSPIEL, MUSIC_BOX, XYLOPHONE, TUBULAR_BELLS = 6, 8, 9, 10, 13, 14
CHURCH_ORGAN, CONTRABASS, TREMOLO_STRINGS, PIZZICATO, HARP, TIMPANI = 19, 43, 44, 45, 46, 47
STRINGS, CHOIR, VOICE_OOHS, TROMBONE, TUBA, FRENCH_HORN, BRASS = 48, 52, 53, 57, 58, 60, 61
OBOE, BASSOON, CLARINET, FLUTE = 68, 70, 71, 73


def repeat(token, count):
    return " ".join([token] * count)


# ---- Main menu: A minor, 100 bpm, 32 bars -----------------------------------

MENU_A_CHORDS = "Am | Am | F | E | Am | Dm | E7 | Am"
MENU_A_TUNE = """
    E5:0.5 A5 C6 A5 E5:1 r:1 | E5:0.5 A5 C6 E6 D6:1 C6:1 | C6:0.5 A5 F5 A5 C6:1 F6:1 |
    E6:1.5 D6:0.5 B5:1 G#5:1 | A5:0.5 C6 E6 C6 A5:1 E5:1 | F5:0.5 A5 D6 F6 E6:1 D6:1 |
    B5:0.5 G#5 E5 G#5 B5:1 D6:1 | C6:1 B5:0.5 G#5:0.5 A5:2"""
MENU_B_CHORDS = "C | G | Am | E | F | C | Dm E | E7"
MENU_B_TUNE = """
    G5:1 C6:0.5 D6 E6:1 G6:1 | F6:0.5 E6 D6 B5 G5:2 | A5:1 C6:0.5 D6 E6:1 A6:1 |
    G#6:1.5 F6:0.5 E6:1 r:1 | F6:0.5 E6 D6 C6 A5:1 C6:1 | E6:0.5 D6 C6 G5 E5:2 |
    D6:1 F6:1 E6:1 G#5:1 | B5:2 r:2"""
MENU_C_CHORDS = "Dm | Am | Bb | E | Dm | Am | F | E7"
MENU_C_BASSOON = """
    D4:1 F4:0.5 A4 G4:1 F4:1 | E4:1.5 C4:0.5 A3:2 | Bb3:0.5 D4 F4 D4 Bb3:1 A3:1 |
    G#3:1 B3:1 E4:2 | F4:0.5 E4 D4 E4 F4:1 A4:1 | C5:1 B4:0.5 A4:0.5 E4:2 |
    F4:0.5 G4 A4 C5 A4:1 F4:1 | E4:1 G#4:1 B4:1 D5:1"""
MENU_SOFT_DRUMS = {"kick": "x.......x.......", "shaker": "..x...x...x...x."}
MENU_CLOCK_DRUMS = {"woodblock": "x...x...x...x...", "triangle": "x..............."}

MAIN_MENU = Piece(
    beat_ms=600, beats_per_bar=4, loop=True,
    voices={
        "celesta": Voice(CELESTA, register=72, volume=112, pan=72, reverb=70, velocity=92),
        "glockenspiel": Voice(GLOCKENSPIEL, register=79, volume=120, pan=52, reverb=70, velocity=100),
        "pizzicato": Voice(PIZZICATO, register=60, volume=92, pan=38, reverb=50, velocity=74, gate=0.5),
        "harp": Voice(HARP, register=62, volume=88, pan=90, reverb=60, velocity=70),
        "choir": Voice(CHOIR, register=62, volume=62, pan=64, reverb=90, velocity=56),
        "bassoon": Voice(BASSOON, register=45, volume=96, pan=58, reverb=40, velocity=80, gate=0.6),
        "bassoon_solo": Voice(BASSOON, register=55, volume=104, pan=64, reverb=50, velocity=94, gate=0.8),
        "low_pizzicato": Voice(PIZZICATO, register=40, volume=108, pan=64, reverb=40, velocity=92, gate=0.5),
    },
    sections={
        "A": Section(8, MENU_A_CHORDS, {"celesta": MENU_A_TUNE, "pizzicato": "@stab", "bassoon": "@root5",
                                        "choir": "@pad"}, MENU_SOFT_DRUMS, drum_velocity=45),
        "B": Section(8, MENU_B_CHORDS, {"glockenspiel": MENU_B_TUNE, "pizzicato": "@arp", "bassoon": "@walk",
                                        "choir": "@pad"}, MENU_SOFT_DRUMS, drum_velocity=50),
        "A2": Section(8, MENU_A_CHORDS, {"celesta": MENU_A_TUNE, "harp": "@arp", "bassoon": "@root5",
                                         "choir": "@pad"}, MENU_SOFT_DRUMS, drum_velocity=45),
        "C": Section(8, MENU_C_CHORDS, {"bassoon_solo": MENU_C_BASSOON,
                                        "low_pizzicato": "@pluck", "choir": "@pad"},
                     MENU_CLOCK_DRUMS, drum_velocity=55),
    },
    form=["A", "B", "A2", "C"],
)

# ---- Level: D minor, 111 bpm, 32 bars ---------------------------------------

LEVEL_A_CHORDS = "Dm | Gm | C | F | Bb | Gm | A7 | Dm"
LEVEL_A_TUNE = """
    D5:0.5 r A5 r F5 E5 D5:1 | G5:0.5 r A5 Bb5 A5:1 G5 | E5:0.5 r G5 C6 Bb5:1 G5 |
    A5:1.5 G5:0.5 F5:1 C5:1 | D5:0.5 F5 Bb5 D6 C6:1 Bb5 | Bb5:0.5 A5 G5 D5 G5:1 Bb5 |
    A5:0.5 G5 E5 C#5 E5:1 G5 | F5:1 E5:0.5 C#5:0.5 D5:2"""
LEVEL_B_CHORDS = "F | C | Dm | A | Bb | F | Gm A7 | Dm"
LEVEL_B_TUNE = """
    C6:1 A5:0.5 C6 F6:1 C6 | E6:0.5 D6 C6 G5 E5:1 G5 | F5:0.5 A5 D6 F6 E6:1 D6 |
    C#6:1.5 E6:0.5 A5:2 | D6:1 Bb5:0.5 D6 F6:1 D6 | C6:0.5 A5 F5 A5 C6:2 |
    Bb5:1 D6 C#6 E6 | D6:2 A5:1 r:1"""
LEVEL_C_CHORDS = "Dm | Dm | Bb | A | Gm | Dm | E7 | A7"
LEVEL_C_BASSOON = """
    D3:1 E3:0.5 F3 E3:1 D3 | A3:1 G#3:0.5 A3 F3:2 | Bb3:0.5 A3 G3 F3 D3:2 | C#3:1 E3 A3 G3 |
    Bb3:1 A3:0.5 G3 D4:2 | F3:1 E3:0.5 D3 A3:2 | G#3:0.5 B3 D4 B3 G#3:1 E3 | A3:1 C#4 E4 G4"""
LEVEL_C_ANSWERS = """
    r:2 A5:0.5 D6 F6:1 | r:2 E6:0.5 D6 A5:1 | r:2 D6:0.5 F6 Bb5:1 | r:2 C#6:0.5 E6 A5:1 |
    r:2 D6:0.5 G6 Bb5:1 | r:2 F6:0.5 D6 A5:1 | r:2 E6:0.5 G#6 B5:1 | r:2 C#6:0.5 E6 G6:1"""
LEVEL_DRUMS = {"kick": "x.......x.......", "hat": "..x...x...x...x.", "tambourine": "....x.......x..."}
LEVEL_QUIET_DRUMS = {"woodblock": "x.......x.......", "rim": "....x.......x..."}

LEVEL = Piece(
    beat_ms=540, beats_per_bar=4, loop=True,
    voices={
        "glockenspiel": Voice(GLOCKENSPIEL, register=79, volume=90, pan=70, reverb=60, velocity=86),
        "pizzicato_lead": Voice(PIZZICATO, register=72, volume=96, pan=56, reverb=50, velocity=90, gate=0.6),
        "celesta": Voice(CELESTA, register=72, volume=110, pan=76, reverb=70, velocity=90),
        "pizzicato": Voice(PIZZICATO, register=57, volume=88, pan=36, reverb=50, velocity=72, gate=0.5),
        "bassoon": Voice(BASSOON, register=45, volume=98, pan=60, reverb=40, velocity=82, gate=0.55),
        "choir": Voice(VOICE_OOHS, register=62, volume=58, pan=64, reverb=90, velocity=54),
    },
    sections={
        "A": Section(8, LEVEL_A_CHORDS, {"glockenspiel": LEVEL_A_TUNE, "pizzicato_lead": LEVEL_A_TUNE,
                                         "pizzicato": "@stab", "bassoon": "@root5"}, LEVEL_DRUMS, drum_velocity=52),
        "B": Section(8, LEVEL_B_CHORDS, {"celesta": LEVEL_B_TUNE, "pizzicato": "@arp", "bassoon": "@walk",
                                         "choir": "@pad"}, LEVEL_DRUMS, drum_velocity=52),
        "C": Section(8, LEVEL_C_CHORDS, {"bassoon": LEVEL_C_BASSOON, "celesta": LEVEL_C_ANSWERS,
                                         "choir": "@pad"}, LEVEL_QUIET_DRUMS, drum_velocity=55),
    },
    form=["A", "B", "A", "C"],
)

# ---- Chase: E minor, 150 bpm, 48 bars ---------------------------------------

CHASE_A_CHORDS = "Em | C | Am | B7 | Em | C | Am B7 | Em"
CHASE_A_TUNE = """
    E5:0.5 G5 B5 G5 E5 G5 B5 E6 | E6:0.5 D6 C6 G5 E5 G5 C6 E6 | A5:0.5 C6 E6 C6 A5 C6 E6 A6 |
    F#6:1 D#6 B5 A5 | G5:0.5 F#5 E5 F#5 G5 A5 B5 G5 | E6:0.5 D6 C6 B5 C6 D6 E6 C6 |
    A5:0.5 C6 E6 A5 B5 D#6 F#6 A6 | G6:1 E6 B5 r"""
CHASE_B_CHORDS = "Am | Em | F | B7 | Am | Em | C B7 | Em"
CHASE_B_TUNE = """
    A3:1 C4 E4:1.5 D4:0.5 | B3:2 G3:1 E3 | F3:1 A3 C4 F4 | D#4:2 B3:1 A3 |
    C4:1 E4 A4:1.5 G4:0.5 | E4:1 B3 G3 B3 | C4:1 E4 D#4 F#4 | E4:2 r:2"""
CHASE_C_CHORDS = "Em | F | Em | F | Am | B7 | Em | B7"
CHASE_C_TUNE = """
    B5:0.5 r B5 r G5:1 E5 | C6:0.5 r C6 r A5:1 F5 | B5:0.5 r B5 r G5:1 E5 | A5:0.5 r A5 r C6:1 F6 |
    E6:1 C6 A5 E5 | D#6:1 B5 A5 F#5 | G5:1 B5 E6:2 | F#6:1 D#6 B5 A5"""
CHASE_DRUMS = {"kick": "x...x...x...x...", "snare": "....X.......X...", "hat": "x.x.x.x.x.x.x.x."}
CHASE_QUIET_DRUMS = {"tom_low": "x.....x.....x...", "hat": "x...x...x...x..."}

CHASE = Piece(
    beat_ms=400, beats_per_bar=4, loop=True,
    voices={
        "xylophone": Voice(XYLOPHONE, register=79, volume=100, pan=72, reverb=50, velocity=92),
        "strings": Voice(TREMOLO_STRINGS, register=60, volume=78, pan=44, reverb=60, velocity=70),
        "contrabass": Voice(PIZZICATO, register=40, volume=110, pan=64, reverb=30, velocity=96, gate=0.5),
        "bassoon": Voice(BASSOON, register=48, volume=108, pan=58, reverb=40, velocity=96, gate=0.85),
        "trombone": Voice(TROMBONE, register=48, volume=76, pan=70, reverb=50, velocity=80, gate=0.85),
        "celesta": Voice(CELESTA, register=76, volume=108, pan=80, reverb=80, velocity=90),
        "choir": Voice(CHOIR, register=60, volume=64, pan=64, reverb=90, velocity=60),
    },
    sections={
        "A": Section(8, CHASE_A_CHORDS, {"xylophone": CHASE_A_TUNE, "strings": "@trem", "contrabass": "@octaves"},
                     CHASE_DRUMS, drum_velocity=72),
        "B": Section(8, CHASE_B_CHORDS, {"bassoon": CHASE_B_TUNE, "trombone": CHASE_B_TUNE, "strings": "@trem",
                                         "contrabass": "@pulse", "choir": "@pad"}, CHASE_DRUMS, drum_velocity=72),
        "C": Section(8, CHASE_C_CHORDS, {"celesta": CHASE_C_TUNE, "strings": "@pad", "contrabass": "@root5",
                                         "choir": "@pad"}, CHASE_QUIET_DRUMS, drum_velocity=70),
    },
    form=["A", "B", "C", "A", "B", "C"],
)

# ---- Boss: C minor, 136 bpm, 40 bars ----------------------------------------

BOSS_A_CHORDS = "Cm | Cm | Ab | G | Cm | Fm | G7 | Cm"
BOSS_A_TUNE = """
    C5:1 Eb5 G5:1.5 F5:0.5 | Eb5:1 D5 C5:2 | Ab4:1 C5 Eb5 Ab5 | G5:2 B4:1 D5 |
    Eb5:1 G5 C6:1.5 Bb5:0.5 | Ab5:1 G5 F5 C5 | B4:1 D5 F5 G5 | C5:2 G4:1 r"""
BOSS_B_CHORDS = "Ab | Fm | Db | G7 | Ab | Fm | Db | G7"
BOSS_B_TUNE = """
    C5:3 Eb5:1 | F5:2 Ab5 | Ab5:3 F5:1 | G5:2 F5:1 D5 | Eb5:3 C5:1 | F5:2 C5 | Db5:2 F5:1 Ab5 | B4:2 D5:1 F5"""
BOSS_C_CHORDS = "Cm | G7 | Cm | G7 | Fm | Cm | Ab G7 | Cm"
BOSS_C_TUNE = """
    C5:0.5 Eb5 G5 Eb5 C5 Eb5 G5 C6 | B5:0.5 G5 D5 G5 B4 D5 F5 G5 | C6:0.5 Bb5 G5 Eb5 C5 Eb5 G5 Eb5 |
    D5:0.5 F5 G5 B5 D6:1 B5 | C6:0.5 Ab5 F5 Ab5 C6 F6 C6 Ab5 | G5:0.5 Eb5 C5 Eb5 G5 C6 G5 Eb5 |
    Ab5:0.5 C6 Eb6 C6 B5 G5 F5 D5 | C5:1 G4 C5 r"""
BOSS_D_CHORDS = "Fm | Cm | Ab | G | Fm | Cm | Ab | G7"
BOSS_D_TUNE = """
    F5:1 Ab5 C6:2 | Bb5:1 G5 Eb5:2 | Ab5:1 G5 F5 Eb5 | D5:2 G4 | F5:1 Ab5 C6:1.5 Db6:0.5 |
    C6:1 G5 Eb5 G5 | Ab5:1 C6 Eb6 C6 | B5:1 G5 F5 D5"""
BOSS_DRUMS = {"kick": "x.....x...x.....", "snare": "....X.......X...", "hat": "x.x.x.x.x.x.x.x."}
BOSS_HEAVY_DRUMS = {"kick": "x.....x...x.....", "snare": "....X.......X..x", "ride": "x...x...x...x...",
                    "tom_low": "..............x."}

BOSS = Piece(
    beat_ms=440, beats_per_bar=4, loop=True,
    voices={
        "organ": Voice(CHURCH_ORGAN, register=60, volume=70, pan=50, reverb=80, velocity=70),
        "brass": Voice(BRASS, register=60, volume=92, pan=74, reverb=60, velocity=92, gate=0.85),
        "choir": Voice(CHOIR, register=62, volume=104, pan=64, reverb=100, velocity=96),
        "xylophone": Voice(XYLOPHONE, register=79, volume=124, pan=80, reverb=50, velocity=110),
        "bassoon": Voice(BASSOON, register=45, volume=112, pan=56, reverb=40, velocity=100, gate=0.6),
        "tuba": Voice(TUBA, register=36, volume=96, pan=64, reverb=40, velocity=90, gate=0.7),
        "timpani": Voice(TIMPANI, register=43, volume=110, pan=64, reverb=60, velocity=96),
        "bells": Voice(TUBULAR_BELLS, register=67, volume=80, pan=40, reverb=90, velocity=80),
    },
    sections={
        "A": Section(8, BOSS_A_CHORDS, {"brass": BOSS_A_TUNE, "organ": "@pad", "tuba": "@root5",
                                        "timpani": "@root5"}, BOSS_DRUMS, drum_velocity=74),
        "B": Section(8, BOSS_B_CHORDS, {"choir": BOSS_B_TUNE, "organ": "@pad", "bassoon": "@pulse",
                                        "bells": "@root"}, BOSS_DRUMS, drum_velocity=66),
        "C": Section(8, BOSS_C_CHORDS, {"xylophone": BOSS_C_TUNE, "bassoon": "@octaves", "timpani": "@root"},
                     BOSS_HEAVY_DRUMS, drum_velocity=70),
        "D": Section(8, BOSS_D_CHORDS, {"brass": BOSS_D_TUNE, "choir": "@pad", "tuba": "@octaves",
                                        "timpani": "@root5", "bells": "@root"}, BOSS_HEAVY_DRUMS, drum_velocity=80),
    },
    form=["A", "B", "C", "A", "D"],
)

# ---- Short pieces -------------------------------------------------------------

WIN = Piece(
    beat_ms=500, beats_per_bar=4, tail_beats=6,
    voices={
        "celesta": Voice(CELESTA, register=72, volume=112, pan=70, reverb=70, velocity=96),
        "glockenspiel": Voice(GLOCKENSPIEL, register=79, volume=88, pan=56, reverb=70, velocity=88),
        "strings": Voice(STRINGS, register=60, volume=80, pan=44, reverb=70, velocity=76),
        "pizzicato": Voice(PIZZICATO, register=52, volume=96, pan=64, reverb=50, velocity=86, gate=0.5),
        "choir": Voice(CHOIR, register=64, volume=66, pan=64, reverb=90, velocity=64),
    },
    sections={
        "A": Section(3, "C | F G | C", {
            "celesta": "C5:0.5 E5 G5 C6 E6:1 G6 | F6:0.5 A6 G6 F6 D6 G6 B5 D6 | C6:1.5 G5:0.5 E6:1 G6",
            "glockenspiel": "r:2 E6:1 G6 | r:2 D6:1 B5 | r:2 E6:1 G6",
            "strings": "@pad", "pizzicato": "@pluck", "choir": "@pad"},
            {"tambourine": "x...x...x...x..."}, drum_velocity=60),
        "B": Section(1, "C", {"celesta": "C6+E6+G6+C7:4", "glockenspiel": "C7:4", "strings": "@pad",
                              "pizzicato": "C3:1 r:3", "choir": "@pad"},
                     {"crash": "x..............."}, drum_velocity=70),
    },
    form=["A", "B"],
)

DEATH = Piece(
    beat_ms=800, beats_per_bar=4, tail_beats=3,
    voices={
        "celesta": Voice(CELESTA, register=72, volume=110, pan=70, reverb=80, velocity=86),
        "bassoon": Voice(BASSOON, register=45, volume=100, pan=56, reverb=60, velocity=80),
        "choir": Voice(CHOIR, register=60, volume=70, pan=64, reverb=100, velocity=60),
    },
    sections={"A": Section(3, "Am | Dm E | Am", {
        "celesta": "E6:1 D6 C6 B5 | A5:1 F5 E5 G#5 | A5:4",
        "bassoon": "A3:2 G3 | F3:2 E3 | A2:4",
        "choir": "@pad"})},
    form=["A"],
)

# The boss grows for about 3.3 s before it starts its own music: the intro fits.
BOSS_INTRO = Piece(
    beat_ms=400, beats_per_bar=4, tail_beats=3,
    voices={
        "timpani": Voice(TIMPANI, register=43, volume=118, pan=64, reverb=60, velocity=70),
        "trombone": Voice(TROMBONE, register=48, volume=100, pan=56, reverb=70, velocity=96),
        "organ": Voice(CHURCH_ORGAN, register=55, volume=80, pan=70, reverb=90, velocity=80),
        "choir": Voice(CHOIR, register=60, volume=84, pan=64, reverb=100, velocity=84),
        "bells": Voice(TUBULAR_BELLS, register=67, volume=90, pan=40, reverb=100, velocity=96),
    },
    sections={"A": Section(2, "Cm | Db G", {
        "timpani": f"{repeat('C2:1/4', 16)} | C#2:1/4 C#2 C#2 C#2 C#2 C#2 C#2 C#2 G1:1! r:1",
        "trombone": "C3:4 | Db3:2 G2:2!",
        "organ": "@pad", "choir": "@pad",
        "bells": "r:4 | r:2 G4+D5:2"})},
    form=["A"],
)

# A challenge lasts 45 s and stops the level music: its sting opens 45 s of
# music that counts the time down and ends as the level music comes back.
CHALLENGE_RUN_CHORDS = "Em | Em | C | B7 | Em | Em | Am | B7"
CHALLENGE_CLIMB_CHORDS = "Em | Em | F | F | F#dim | F#dim | B7 | B7"
CHALLENGE = Piece(
    beat_ms=400, beats_per_bar=4, tail_beats=4,
    voices={
        "xylophone": Voice(XYLOPHONE, register=79, volume=104, pan=72, reverb=60, velocity=92),
        "ticker": Voice(XYLOPHONE, register=79, volume=124, pan=80, reverb=60, velocity=110),
        "brass": Voice(BRASS, register=60, volume=100, pan=56, reverb=70, velocity=100),
        "pizzicato": Voice(PIZZICATO, register=52, volume=100, pan=40, reverb=50, velocity=90, gate=0.5),
        "contrabass": Voice(PIZZICATO, register=40, volume=110, pan=64, reverb=30, velocity=96, gate=0.5),
        "strings": Voice(TREMOLO_STRINGS, register=60, volume=80, pan=44, reverb=60, velocity=70),
        "bassoon": Voice(BASSOON, register=48, volume=108, pan=58, reverb=40, velocity=96, gate=0.85),
        "trombone": Voice(TROMBONE, register=48, volume=76, pan=70, reverb=50, velocity=80, gate=0.85),
        "timpani": Voice(TIMPANI, register=43, volume=110, pan=64, reverb=60, velocity=96),
    },
    sections={
        "Sting": Section(2, "Em | Em", {
            "xylophone": "E5:1/4 F#5 G5 A5 B5 C6 D6 E6 F#6 G6 A6 B6 E7:1 | r:4",
            "brass": "r:4 | E4+G4+B4+E5:2! r:2",
            "pizzicato": "E3:1/2 B3 E4 B3 E4 G4 B4 E5 | E3:2 r:2"},
            {"snare": "xxxxxxxxxxxxxxxx"}, drum_velocity=50),
        "Tick": Section(8, CHALLENGE_RUN_CHORDS, {"ticker": "@arp", "contrabass": "@pulse", "strings": "@pad"},
                        {"woodblock": "x...x...x...x...", "hat": "..x...x...x...x."}, drum_velocity=70),
        "Run": Section(8, CHASE_B_CHORDS, {"bassoon": CHASE_B_TUNE, "trombone": CHASE_B_TUNE, "strings": "@trem",
                                           "contrabass": "@octaves"}, CHASE_DRUMS, drum_velocity=66),
        "Climb": Section(8, CHALLENGE_CLIMB_CHORDS, {"xylophone": "@arp16", "strings": "@trem",
                                                     "contrabass": "@pulse", "timpani": "@root5"},
                         {"kick": "x...x...x...x...", "snare": "x.x.x.x.x.x.x.x."}, drum_velocity=66),
        "End": Section(2, "Em | Em", {
            "brass": "E4+G4+B4+E5:1 r:1 B3+E4+G4:1 r:1 | E3+B3+E4+G4+B4:2 r:2",
            "timpani": "E2:1 r:1 B1:1 r:1 | E2:2 r:2",
            "xylophone": "r:4 | E6+E7:1 r:3"},
            {"crash": "x..............."}, drum_velocity=55),
    },
    form=["Sting", "Tick", "Run", "Climb", "End"],
)

TESSARY_ENTRY = Piece(
    beat_ms=500, beats_per_bar=4, tail_beats=4,
    voices={
        "celesta": Voice(CELESTA, register=72, volume=112, pan=72, reverb=90, velocity=90),
        "harp": Voice(HARP, register=60, volume=96, pan=50, reverb=80, velocity=80),
        "glockenspiel": Voice(GLOCKENSPIEL, register=84, volume=90, pan=64, reverb=90, velocity=90),
        "choir": Voice(CHOIR, register=64, volume=70, pan=64, reverb=100, velocity=66),
    },
    sections={"A": Section(2, "Cmaj7 | Cmaj7", {
        "celesta": "C5:1/4 E5 G5 B5 C6 E6 G6 B6 C7:2 | r:4",
        "harp": "C4:1/4 E4 G4 B4 C5 E5 G5 B5 r:2 | r:4",
        "glockenspiel": "r:2 G6+C7:2 | E7:2 r:2",
        "choir": "@pad"})},
    form=["A"],
)

TEAM_ENTRY = Piece(
    beat_ms=500, beats_per_bar=4, tail_beats=4,
    voices={
        "celesta": Voice(CELESTA, register=72, volume=112, pan=70, reverb=80, velocity=90),
        "strings": Voice(STRINGS, register=57, volume=82, pan=50, reverb=80, velocity=74),
        "choir": Voice(CHOIR, register=64, volume=72, pan=64, reverb=100, velocity=70),
        "glockenspiel": Voice(GLOCKENSPIEL, register=84, volume=86, pan=80, reverb=90, velocity=86),
    },
    sections={"A": Section(2, "F | C", {
        "celesta": "F5:0.5 A5 C6 F6 E6:2 | C6+E6+G6:4",
        "strings": "@pad", "choir": "@pad",
        "glockenspiel": "r:4 | C6+G6:2 r:2"})},
    form=["A"],
)

# Catalogue name -> piece.
PIECES = {
    "MainMenuBGSound": MAIN_MENU,
    "BGSound": LEVEL,
    "ChaserMusic": CHASE,
    "BossMusic": BOSS,
    "WinMusic": WIN,
    "DeathMusic": DEATH,
    "BossIntro": BOSS_INTRO,
    "ChallengeSound": CHALLENGE,
    "TessaryEntry": TESSARY_ENTRY,
    "TeamEntry": TEAM_ENTRY,
}
