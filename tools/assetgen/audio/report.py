"""The sound catalogue ("SoundData.xml") and the sound report, both from the
table in sounds.py and the files as written."""

from dataclasses import dataclass

import sounds

# 3D roll-off. The engine gives a 3D sound full volume up to 1 unit from the
# listener (the kid) and, with logarithmic roll-off, 1/distance beyond: about
# -10 dB 3 units away, -20 dB at 10 and -36 dB at 60, so the fairy's sparkle
# is plain near the kid and barely there across the level. Linear roll-off
# would stretch over the engine's default 10,000 units and hardly fade at all.
DISTANCE_MODEL = "log"


@dataclass
class Measure:
    sound: sounds.Sound
    seconds: float
    channels: int
    rate: int
    peak_db: float
    lufs: float


def write_catalogue(path):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             "<!-- Written by tools/assetgen/audio/build from tools/assetgen/audio/sounds.py: edit the table "
             "there. -->",
             "<Sounds>"]
    for sound in sounds.SOUNDS:
        if not sound.positional:
            lines.append(f'  <Sound2D name="{sound.name}" filename="{sound.file_name}" path="{sounds.FOLDER}"/>')
    for sound in sounds.SOUNDS:
        if sound.positional:
            lines.append(f'  <Sound3D name="{sound.name}" filename="{sound.file_name}" path="{sounds.FOLDER}" '
                         f'distanceModel="{DISTANCE_MODEL}"/>')
    lines.append("</Sounds>")
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


KIND_TITLES = {"loop": "looped music", "music": "music, once", "effect": "effect", "voice": "voice"}


def write_report(path, rows):
    lines = [
        "# Sound report",
        "",
        "Written by `tools/assetgen/audio/build`; every figure is measured on the shipped file as decoded.",
        "Loudness is integrated loudness after ITU-R BS.1770 (K-weighted, gated; a mono file counts as one",
        "channel, a file shorter than the 400 ms block as one block). Music is levelled to -20 LUFS, effects",
        "and voices to a peak of -6 dBFS (footsteps -12 and the button click -9: they repeat constantly).",
        f"Every sound is 2D except FairySprinkle: 3D, mono, roll-off \"{DISTANCE_MODEL}\" (full volume within",
        "1 unit of the kid, -20 dB at 10 units, -36 dB at 60).",
        "",
        "| Name | File | Kind | Length (s) | Channels | Peak (dBFS) | Loudness (LUFS) | Meant to sound like |",
        "|---|---|---|---:|---:|---:|---:|---|",
    ]
    for row in rows:
        s = row.sound
        kind = KIND_TITLES[s.kind] + (", 3D" if s.positional else "")
        lines.append(f"| {s.name} | {s.file_name} | {kind} | {row.seconds:.2f} | {row.channels} | "
                     f"{row.peak_db:.1f} | {row.lufs:.1f} | {s.description} |")
    lines += [
        "",
        "## Where it comes from",
        "",
        "- Music: note data in `tools/assetgen/audio/score.py`, written as Standard MIDI Files by our own",
        "  writer, rendered by FluidSynth with Debian's `fluid-soundfont-gm` (FluidR3_GM.sf2, MIT licence),",
        "  given a room by convolution and encoded with `oggenc -q 3` and a fixed stream serial.",
        "  Looped pieces are rendered three times in a row and the middle copy is kept, so their start holds",
        "  the tail of their own end and the loop point is seamless.",
        "- Effects: numpy synthesis in `tools/assetgen/audio/effects.py` (filtered noise, envelopes, sweeps,",
        "  struck partials), 16-bit mono WAV.",
        "- Voices: espeak-ng, shaped in `tools/assetgen/audio/voices.py`, 16-bit mono WAV.",
        "",
    ]
    with open(path, "w") as out:
        out.write("\n".join(lines))
