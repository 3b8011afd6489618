"""Renders the pieces of score.py: MIDI file, FluidSynth with the General MIDI
sound font, then the loop cut, the loudness normalisation and the OGG Vorbis
encoding.

A looped piece is written three times in a row and rendered whole; the middle
copy is kept. Its first samples already hold the reverb and the releases that
spill over from the copy before, so when the game's stream seeks from its end
back to its start the sound carries on as if the piece had simply continued.
The render must repeat itself exactly for that to hold, and the build checks
it: the start of the third copy must match the start of the second. So
FluidSynth's chorus and reverb stay off (both modulate their delay lines
with free-running oscillators, which never repeat with the music) and the
room is added here instead, by convolution with a fixed impulse response,
which treats every copy alike; beats are whole milliseconds, so every copy
falls on the same sample grid.
"""

import subprocess

import numpy as np
import soundfile

import arrange
import loudness

RATE = 44100
SOUND_FONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"
MUSIC_LUFS = -20.0
MUSIC_PEAK_LIMIT_DB = -1.0
ROOM_SECONDS = 2.2      # length of the room's impulse response
ROOM_DECAY_SECONDS = 1.6  # reverberation time (60 dB fall)
ROOM_WET = 0.35         # level of the room against the dry sound
SEAM_TOLERANCE_DB = -80.0  # the third copy's start may differ from the second's by this much, relative to full scale


def render(mid_path, wav_path):
    subprocess.run(["fluidsynth", "-q", "-ni", "-C", "0", "-R", "0", "-g", "0.6", "-r", str(RATE),
                    "-O", "float", "-T", "wav", "-F", wav_path, SOUND_FONT, mid_path],
                   check=True, stdout=subprocess.DEVNULL)
    samples, rate = soundfile.read(wav_path, dtype="float64", always_2d=True)
    if rate != RATE:
        raise RuntimeError(f"{wav_path}: FluidSynth wrote {rate} Hz")
    return samples


def room_response(seed=11):
    """A stereo impulse response: a few early reflections, then decaying noise
    that darkens as it fades, different in each ear so the room sounds wide."""
    rng = np.random.default_rng(seed)
    count = int(ROOM_SECONDS * RATE)
    t = np.arange(count) / RATE
    decay = 10.0 ** (-3.0 * t / ROOM_DECAY_SECONDS)
    response = np.zeros((count, 2))
    for channel in range(2):
        tail = rng.standard_normal(count) * decay
        spectrum = np.fft.rfft(tail)
        f = np.fft.rfftfreq(count, 1.0 / RATE)
        spectrum *= 1.0 / (1.0 + (f / 5000.0) ** 2) * (f / (f + 150.0))
        tail = np.fft.irfft(spectrum, n=count)
        tail[: int(0.025 * RATE)] *= np.linspace(0.0, 1.0, int(0.025 * RATE))
        response[:, channel] = tail
        for delay, gain in ((0.011, 0.5), (0.017, 0.35), (0.023, 0.3), (0.031, 0.25)):
            response[int((delay + 0.003 * channel) * RATE), channel] += gain * rng.choice((-1.0, 1.0))
    return response / np.sqrt(np.sum(response ** 2) / 2.0)


def add_room(samples):
    """Dry plus the room (overlap-add FFT convolution, each channel with its own response)."""
    response = room_response()
    block = 1 << 17
    size = 1 << (int(np.ceil(np.log2(block + response.shape[0]))))
    kernel = np.fft.rfft(response, n=size, axis=0)
    wet = np.zeros((samples.shape[0] + response.shape[0], 2))
    mono = samples.mean(axis=1, keepdims=True)
    for start in range(0, samples.shape[0], block):
        piece = np.fft.rfft(np.repeat(mono[start:start + block], 2, axis=1), n=size, axis=0)
        out = np.fft.irfft(piece * kernel, n=size, axis=0)
        end = min(wet.shape[0], start + size)
        wet[start:end] += out[: end - start]
    return samples + ROOM_WET * wet[: samples.shape[0]]


def cut_loop(samples, body_seconds, name):
    """The middle of three copies, after checking the render repeats itself."""
    length = int(round(body_seconds * RATE))
    if samples.shape[0] < 3 * length:
        raise RuntimeError(f"{name}: render too short for three copies")
    window = RATE // 2
    second = samples[length:length + window]
    third = samples[2 * length:2 * length + window]
    difference = 20.0 * np.log10(max(np.max(np.abs(second - third)), 1e-12))
    if difference > SEAM_TOLERANCE_DB:
        raise RuntimeError(f"{name}: copies differ by {difference:.1f} dBFS; the loop would click")
    return samples[length:2 * length].copy()


def trim_tail(samples, floor_db=-60.0, fade_seconds=0.25):
    """Drops the silence after a one-shot's last sound, fading out the last part of the tail."""
    level = np.max(np.abs(samples), axis=1)
    loud = np.nonzero(level > 10.0 ** (floor_db / 20.0))[0]
    end = min(samples.shape[0], (loud[-1] + 1 if loud.size else 1) + int(0.05 * RATE))
    out = samples[:end].copy()
    fade = min(int(fade_seconds * RATE), end)
    out[end - fade:] *= np.linspace(1.0, 0.0, fade)[:, None] ** 2
    return out


def trim_head(samples, floor_db=-70.0):
    """Drops the silence FluidSynth leaves before the first note of a one-shot."""
    level = np.max(np.abs(samples), axis=1)
    loud = np.nonzero(level > 10.0 ** (floor_db / 20.0))[0]
    return samples[loud[0]:] if loud.size else samples


def normalise(samples, name):
    gain_db = MUSIC_LUFS - loudness.integrated_lufs(samples, RATE)
    out = samples * 10.0 ** (gain_db / 20.0)
    peak = loudness.peak_dbfs(out)
    if peak > MUSIC_PEAK_LIMIT_DB:
        raise RuntimeError(f"{name}: peaks at {peak:.1f} dBFS at {MUSIC_LUFS} LUFS; soften its loudest part")
    return out


def encode(samples, wav_path, ogg_path, serial):
    soundfile.write(wav_path, samples, RATE, subtype="PCM_16")
    subprocess.run(["oggenc", "-Q", "-s", str(serial), "-q", "3", "-o", ogg_path, wav_path], check=True)


def make(name, piece, work, out_path, serial):
    mid = f"{work}/{name}.mid"
    arrange.build(piece, mid, 3 if piece.loop else 1)
    samples = add_room(render(mid, f"{work}/{name}.render.wav"))
    if piece.loop:
        samples = cut_loop(samples, piece.body_seconds(), name)
    else:
        samples = trim_tail(trim_head(samples))
    encode(normalise(samples, name), f"{work}/{name}.wav", out_path, serial)
