"""Signal building blocks for the effects and voices: all float64 mono at
RATE, values in -1..1. Everything random takes a numpy Generator made from a
fixed seed by the caller, so each run produces the same samples."""

import numpy as np

RATE = 44100


def seconds(duration):
    return int(round(duration * RATE))


def timeline(duration):
    return np.arange(seconds(duration)) / RATE


def envelope(duration, attack, decay_curve=4.0, hold=0.0):
    """Fast linear attack, optional hold, then an exponential-shaped fall to 0 at the end."""
    t = timeline(duration)
    env = np.ones_like(t)
    if attack > 0:
        env = np.minimum(env, t / attack)
    fall_start = attack + hold
    fall = np.clip((t - fall_start) / max(duration - fall_start, 1e-9), 0.0, 1.0)
    return env * (1.0 - fall) ** decay_curve


def sweep(start_hz, end_hz, duration, curve="exp"):
    """Instantaneous phase (radians) of a tone gliding from start_hz to end_hz."""
    t = timeline(duration)
    x = t / max(duration, 1e-9)
    if curve == "exp":
        freq = start_hz * (end_hz / start_hz) ** x
    else:
        freq = start_hz + (end_hz - start_hz) * x
    return 2.0 * np.pi * np.cumsum(freq) / RATE


def phase_of(freq):
    """Phase of a tone whose frequency follows the array freq."""
    return 2.0 * np.pi * np.cumsum(freq) / RATE


def noise(rng, duration):
    return rng.uniform(-1.0, 1.0, seconds(duration))


def band(signal, low_hz, high_hz, slope=4):
    """Band limits by a smooth mask on the whole signal's spectrum (zero phase)."""
    size = len(signal) * 2
    spectrum = np.fft.rfft(signal, n=size)
    f = np.fft.rfftfreq(size, 1.0 / RATE)
    mask = np.ones_like(f)
    if low_hz:
        mask *= 1.0 / (1.0 + (low_hz / np.maximum(f, 1e-3)) ** (2 * slope))
    if high_hz:
        mask *= 1.0 / (1.0 + (f / high_hz) ** (2 * slope))
    return np.fft.irfft(spectrum * mask, n=size)[: len(signal)]


def resonator(signal, freq, q):
    """A time-varying two-pole band pass (state variable filter); freq may be an
    array, one cutoff per sample, for sweeps."""
    freq = np.broadcast_to(np.asarray(freq, dtype=np.float64), signal.shape)
    coeff = 2.0 * np.sin(np.pi * np.minimum(freq, RATE / 6.0) / RATE)
    damp = 1.0 / q
    low = band_out = 0.0
    out = np.empty_like(signal)
    for i, x in enumerate(signal):
        low += coeff[i] * band_out
        high = x - low - damp * band_out
        band_out += coeff[i] * high
        out[i] = band_out
    return out


def lowpass_sweep(signal, freq):
    """A one-pole low pass whose cutoff follows freq (array or number)."""
    freq = np.broadcast_to(np.asarray(freq, dtype=np.float64), signal.shape)
    alpha = 1.0 - np.exp(-2.0 * np.pi * freq / RATE)
    out = np.empty_like(signal)
    y = 0.0
    for i, x in enumerate(signal):
        y += alpha[i] * (x - y)
        out[i] = y
    return out


def place(total, piece, at):
    """Adds piece into total starting at second `at`, growing nothing past the end."""
    start = seconds(at)
    end = min(len(total), start + len(piece))
    total[start:end] += piece[: end - start]
    return total


def fade_edges(signal, fade_in=0.002, fade_out=0.01):
    """Short ramps at both ends so no file starts or stops with a click."""
    out = signal.copy()
    n_in, n_out = seconds(fade_in), seconds(fade_out)
    if n_in:
        out[:n_in] *= np.linspace(0.0, 1.0, n_in)
    if n_out:
        out[-n_out:] *= np.linspace(1.0, 0.0, n_out)
    return out


def resample(signal, ratio):
    """Band-limited resampling to len * ratio samples (FFT based). The signal is
    padded with silence first, so its end does not wrap round into its start."""
    padded = np.concatenate([signal, np.zeros(len(signal) // 4 + 64)])
    count = int(round(len(padded) * ratio))
    spectrum = np.fft.rfft(padded)
    bins = count // 2 + 1
    if bins <= spectrum.size:
        spectrum = spectrum[:bins]
    else:
        spectrum = np.concatenate([spectrum, np.zeros(bins - spectrum.size, dtype=complex)])
    return (np.fft.irfft(spectrum, n=count) * ratio)[: int(round(len(signal) * ratio))]


def normalise_peak(signal, peak_db):
    peak = np.max(np.abs(signal))
    return signal * (10.0 ** (peak_db / 20.0) / peak) if peak > 0 else signal
