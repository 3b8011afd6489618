"""Loudness and peak measures for the report and the normaliser.

Integrated loudness follows ITU-R BS.1770: each channel is K-weighted (a
high shelf of about +4 dB above 1.7 kHz, then a high pass near 38 Hz), the
mean square is taken over 400 ms blocks overlapping by 75 %, blocks under
-70 LUFS are dropped, then blocks more than 10 LU under the mean of the rest,
and the mean of what remains is the loudness. Left and right weigh 1 each; a
mono file is measured as one channel, so a full-scale 997 Hz sine in it reads
-3.01 LUFS.

The weighting filters are applied in the frequency domain (their exact
frequency response on the FFT of the zero-padded signal): numpy has no IIR
filter, and the padding leaves room for the high pass's ringing, so the
result matches the recursive filter to well under 0.1 LU.
"""

import numpy as np

BLOCK_SECONDS = 0.4
ABSOLUTE_GATE = -70.0
RELATIVE_GATE = -10.0


def _biquad_response(b, a, w):
    z = np.exp(-1j * w)
    return (b[0] + b[1] * z + b[2] * z * z) / (a[0] + a[1] * z + a[2] * z * z)


def _k_weighting(rate, w):
    """|H| of the two-stage K weighting at normalised angular frequencies w."""
    # Stage 1: high shelf (the head's effect), designed by the bilinear transform.
    f0, gain_db, q = 1681.974450955533, 3.999843853973347, 0.7071752369554196
    k = np.tan(np.pi * f0 / rate)
    vh = 10.0 ** (gain_db / 20.0)
    vb = vh ** 0.4996667741545416
    a0 = 1.0 + k / q + k * k
    shelf_b = [(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0]
    shelf_a = [1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0]
    # Stage 2: the revised low-frequency B curve, a second-order high pass.
    f0, q = 38.13547087602444, 0.5003270373238773
    k = np.tan(np.pi * f0 / rate)
    a0 = 1.0 + k / q + k * k
    pass_b = [1.0, -2.0, 1.0]
    pass_a = [1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0]
    return _biquad_response(shelf_b, shelf_a, w) * _biquad_response(pass_b, pass_a, w)


def k_weighted(samples, rate):
    """The K-weighted signal, frames x channels."""
    frames = samples.shape[0]
    size = 1
    while size < frames + rate:  # a second of padding for the filters' tails
        size *= 2
    spectrum = np.fft.rfft(samples, n=size, axis=0)
    w = 2.0 * np.pi * np.arange(spectrum.shape[0]) / size
    spectrum *= _k_weighting(rate, w)[:, None]
    return np.fft.irfft(spectrum, n=size, axis=0)[:frames]


def _as_frames(samples):
    samples = np.asarray(samples, dtype=np.float64)
    return samples[:, None] if samples.ndim == 1 else samples


def integrated_lufs(samples, rate):
    """Gated integrated loudness in LUFS; -inf for silence. A file shorter
    than one block is measured as a single block of its own length."""
    frames = _as_frames(samples)
    weighted = k_weighted(frames, rate) ** 2
    block = int(round(BLOCK_SECONDS * rate))
    step = block // 4
    if weighted.shape[0] < block:
        powers = np.array([weighted.mean(axis=0).sum()])
    else:
        cumulative = np.vstack([np.zeros((1, weighted.shape[1])), np.cumsum(weighted, axis=0)])
        starts = np.arange(0, weighted.shape[0] - block + 1, step)
        powers = ((cumulative[starts + block] - cumulative[starts]) / block).sum(axis=1)
    with np.errstate(divide="ignore"):
        loudness = -0.691 + 10.0 * np.log10(powers)
    kept = powers[loudness > ABSOLUTE_GATE]
    if kept.size == 0:
        return float("-inf")
    relative = -0.691 + 10.0 * np.log10(kept.mean()) + RELATIVE_GATE
    kept = kept[-0.691 + 10.0 * np.log10(kept) > relative]
    return float(-0.691 + 10.0 * np.log10(kept.mean()))


def peak_dbfs(samples):
    """The largest sample magnitude in dB relative to full scale (1.0)."""
    peak = float(np.max(np.abs(samples))) if np.size(samples) else 0.0
    return 20.0 * np.log10(peak) if peak > 0.0 else float("-inf")
