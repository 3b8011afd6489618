"""Makes every sound of sounds.py into GameData/Sounds/, then writes
"SoundData.xml" and the sound report. Usage: generate.py ROOT WORK_FOLDER.

Before anything is made, the table is held against game/data/SoundNames.h,
the names the game's code plays: the same names, and the same looped music."""

import os
import re
import sys

import numpy as np
import soundfile

import dsp
import effects
import loudness
import music
import report
import score
import sounds
import voices

EFFECT_PEAK_DB = -6.0
# Heard every 0.4 s while the kid walks, or on every click: kept further down.
QUIETER_PEAKS_DB = {"GirlWalk": -12.0, "GirlWalk2": -12.0, "ButtonPress": -9.0}
FIRST_SERIAL = 7100  # Ogg stream serials are fixed so the files come out the same every run


def code_names(header_path):
    """(every name, looped music names, positional names) declared in SoundNames.h."""
    text = open(header_path).read()
    constants = dict(re.findall(r"inline constexpr std::string_view (k\w+) = \"([^\"]*)\";", text))

    def listed(array):
        body = re.search(array + r"\[\] = \{([^}]*)\}", text).group(1)
        return {constants[c] for c in re.findall(r"k\w+", body)}

    return set(constants.values()), listed("kLoopedMusic"), listed("kPositionalSounds")


def check_against_code(root):
    names, looped, positional = code_names(os.path.join(root, "game/data/SoundNames.h"))
    table = {s.name for s in sounds.SOUNDS}
    if names != table:
        raise SystemExit(f"SoundNames.h and sounds.py differ: code only {sorted(names - table)}, "
                         f"table only {sorted(table - names)}")
    if looped != {s.name for s in sounds.SOUNDS if s.kind == "loop"}:
        raise SystemExit("SoundNames.h's looped music differs from the loops of sounds.py")
    if positional != {s.name for s in sounds.SOUNDS if s.positional}:
        raise SystemExit("SoundNames.h's positional sounds differ from sounds.py")
    for sound in sounds.SOUNDS:
        if sound.kind in ("loop", "music") and score.PIECES[sound.name].loop != (sound.kind == "loop"):
            raise SystemExit(f"{sound.name}: score.py and sounds.py disagree on looping")


def write_effect(samples, path, peak_db):
    samples = dsp.normalise_peak(dsp.fade_edges(samples), peak_db)
    soundfile.write(path, samples, dsp.RATE, subtype="PCM_16")


def make_all(root, work):
    out_folder = os.path.join(root, "GameData", "Sounds")
    os.makedirs(out_folder, exist_ok=True)
    for index, sound in enumerate(sounds.SOUNDS):
        path = os.path.join(out_folder, sound.file_name)
        if sound.kind in ("loop", "music"):
            music.make(sound.name, score.PIECES[sound.name], work, path, FIRST_SERIAL + index)
        elif sound.kind == "effect":
            write_effect(effects.MAKERS[sound.name](), path, QUIETER_PEAKS_DB.get(sound.name, EFFECT_PEAK_DB))
        else:
            write_effect(voices.MAKERS[sound.name](work), path, EFFECT_PEAK_DB)
        print(f"sound {sound.file_name}")
    stale = set(os.listdir(out_folder)) - {s.file_name for s in sounds.SOUNDS}
    for name in sorted(stale):
        os.remove(os.path.join(out_folder, name))
        print(f"sound {name} removed: no longer in the table")


def measure(root):
    rows = []
    for sound in sounds.SOUNDS:
        samples, rate = soundfile.read(os.path.join(root, "GameData", "Sounds", sound.file_name),
                                       dtype="float64", always_2d=True)
        rows.append(report.Measure(sound, samples.shape[0] / rate, samples.shape[1], rate,
                                   loudness.peak_dbfs(samples), loudness.integrated_lufs(samples, rate)))
        if not np.all(np.isfinite(samples)) or np.max(np.abs(samples)) >= 1.0:
            raise SystemExit(f"{sound.file_name}: clipped or damaged")
    return rows


def main():
    root, work = sys.argv[1], sys.argv[2]
    check_against_code(root)
    make_all(root, work)
    rows = measure(root)
    report.write_catalogue(os.path.join(root, "GameData", "XML_Resources", "SoundData.xml"))
    report.write_report(os.path.join(root, "docs", "art", "sound_report.md"), rows)
    total = sum(os.path.getsize(os.path.join(root, "GameData", "Sounds", s.file_name)) for s in sounds.SOUNDS)
    print(f"sounds: {len(rows)} files, {total / 1e6:.1f} MB")


if __name__ == "__main__":
    main()
