"""Noise and drawing helpers for the scenery painters, all of them periodic: a
field painted from them wraps at its edges, so a floor tile repeats without a
seam.  Every random choice comes from a fixed seed.
"""

import numpy as np
from PIL import Image


def _cubic_weights(t):
    """Catmull-Rom weights for the four neighbours of a sample at fraction t."""
    t2, t3 = t * t, t * t * t
    return (np.stack([-0.5 * t3 + t2 - 0.5 * t,
                      1.5 * t3 - 2.5 * t2 + 1.0,
                      -1.5 * t3 + 2.0 * t2 + 0.5 * t,
                      0.5 * t3 - 0.5 * t2]))


def _upsample_axis(grid, size, axis):
    """Cubic interpolation of a periodic grid along one axis to size samples."""
    cells = grid.shape[axis]
    x = (np.arange(size, dtype=np.float64) + 0.5) * cells / size - 0.5
    i0 = np.floor(x).astype(int)
    weights = _cubic_weights(x - i0)
    out = 0.0
    for k in range(4):
        index = (i0 - 1 + k) % cells
        taken = np.take(grid, index, axis=axis)
        shape = [1, 1]
        shape[axis] = size
        out = out + taken * weights[k].reshape(shape)
    return out


def periodic_noise(size, cells, seed):
    """Smooth noise in about 0..1 that wraps: cells = (across, down) random values per period."""
    cx, cy = (cells, cells) if np.isscalar(cells) else cells
    rng = np.random.default_rng(seed)
    grid = rng.random((cy, cx))
    field = _upsample_axis(_upsample_axis(grid, size, 1), size, 0)
    return field.astype(np.float32)


def fractal(size, seed, octaves=4, base=4, persistence=0.5, stretch=(1, 1)):
    """Octaves of periodic noise normalised to 0..1; stretch multiplies the cells across and down
    (a larger count across than down gives streaks running down)."""
    total = np.zeros((size, size), np.float32)
    amplitude, weight = 1.0, 0.0
    for octave in range(octaves):
        c = base * 2 ** octave
        cells = (min(size, c * stretch[0]), min(size, c * stretch[1]))
        total += amplitude * periodic_noise(size, cells, seed * 131 + octave)
        weight += amplitude
        amplitude *= persistence
    total /= weight
    return normalise(total)


def normalise(field):
    low, high = float(field.min()), float(field.max())
    return (field - low) / max(1e-6, high - low)


def wrapped_offsets(size, cx, cy):
    """Per pixel, the shortest signed offsets (dx, dy) to (cx, cy) on the wrapping square."""
    y, x = np.mgrid[0:size, 0:size].astype(np.float32)
    dx = (x - cx + size / 2.0) % size - size / 2.0
    dy = (y - cy + size / 2.0) % size - size / 2.0
    return dx, dy


def voronoi(size, points):
    """Distances to the nearest and second nearest point (wrapping), and the nearest one's index."""
    first = np.full((size, size), 1e9, np.float32)
    second = np.full((size, size), 1e9, np.float32)
    owner = np.zeros((size, size), np.int32)
    for index, (px, py) in enumerate(points):
        dx, dy = wrapped_offsets(size, px, py)
        d = np.hypot(dx, dy)
        closer = d < first
        second = np.where(closer, first, np.minimum(second, d))
        owner = np.where(closer, index, owner)
        first = np.where(closer, d, first)
    return first, second, owner


def mix(a, b, t):
    """Colours a and b (RGB 0..1, or fields) blended by t (a field)."""
    t = np.asarray(t, np.float32)
    if t.ndim == 2:
        t = t[:, :, None]
    return (1.0 - t) * np.asarray(a, np.float32) + t * np.asarray(b, np.float32)


def smoothstep(low, high, x):
    t = np.clip((x - low) / (high - low), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def rgb(hex_colour):
    hex_colour = hex_colour.lstrip("#")
    return np.array([int(hex_colour[i:i + 2], 16) / 255.0 for i in (0, 2, 4)], np.float32)


def to_rgb_image(field):
    return Image.fromarray(np.round(np.clip(field, 0.0, 1.0) * 255.0).astype(np.uint8), mode="RGB")


def to_rgba_image(colour, alpha):
    """A colour field (or one colour) and an alpha field as an RGBA image."""
    size = alpha.shape[0]
    colour = np.broadcast_to(np.asarray(colour, np.float32), (size, size, 3))
    pixels = np.concatenate([colour, alpha[:, :, None]], axis=2)
    return Image.fromarray(np.round(np.clip(pixels, 0.0, 1.0) * 255.0).astype(np.uint8), mode="RGBA")
