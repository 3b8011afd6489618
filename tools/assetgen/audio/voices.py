"""The voices, spoken by espeak-ng and shaped here: trimmed, resampled to
44.1 kHz, moved in pitch by playing them faster or slower, and softened or
roughened. espeak-ng is deterministic, so the same text and settings give
the same samples on every run."""

import functools
import subprocess

import numpy as np
import soundfile

import dsp

ESPEAK_RATE = 22050

# name -> (text, voice variant, pitch 0..99, words per minute, pitch ratio, shaping)
LINES = {
    "GirlHurt": ("Ow!", "en+f5", 80, 150, 1.12, "soft"),
    "bosshaha": ("ha, ha, ha, ha!", "en+m3", 22, 150, 0.78, "gruff"),
    "bosshaha2": ("mwa ha ha ha ha!", "en+m7", 30, 160, 0.82, "gruff"),
}


def speak(text, variant, pitch, speed, wav_path):
    subprocess.run(["espeak-ng", "-v", variant, "-p", str(pitch), "-s", str(speed), "-w", wav_path, text],
                   check=True)
    samples, rate = soundfile.read(wav_path, dtype="float64")
    if rate != ESPEAK_RATE:
        raise RuntimeError(f"espeak-ng wrote {rate} Hz")
    return samples


def trim(samples, floor=0.01):
    loud = np.nonzero(np.abs(samples) > floor * np.max(np.abs(samples)))[0]
    return samples[max(loud[0] - 100, 0):loud[-1] + 200]


def small_room(samples, seed):
    """A short, dark room so a voice sits in the scene instead of on top of it."""
    rng = np.random.default_rng(seed)
    length = dsp.seconds(0.35)
    response = rng.standard_normal(length) * np.exp(-np.arange(length) / dsp.seconds(0.07))
    response = dsp.band(response, 0, 3000) * 0.05
    response[0] = 1.0
    size = len(samples) + length
    wet = np.fft.irfft(np.fft.rfft(samples, n=size) * np.fft.rfft(response, n=size), n=size)
    return wet[: len(samples) + length // 2]


def make(name, work):
    text, variant, pitch, speed, ratio, shaping = LINES[name]
    spoken = dsp.fade_edges(trim(speak(text, variant, pitch, speed, f"{work}/{name}.espeak.wav")), 0.005, 0.03)
    # To 44.1 kHz and, in the same step, up or down in pitch (and tempo) by ratio.
    out = dsp.resample(spoken, 2.0 / ratio)
    if shaping == "soft":
        out = dsp.band(out, 120, 6500)
    else:
        out = np.tanh(2.5 * out / np.max(np.abs(out)))
        out = dsp.band(out, 70, 3800)
    out = small_room(out, seed=len(name))
    return dsp.fade_edges(out, 0.004, 0.04)


MAKERS = {name: functools.partial(make, name) for name in LINES}
