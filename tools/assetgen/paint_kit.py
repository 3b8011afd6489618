"""The texture painter's toolkit: noise, gradients, stripes, the hand-painted
look, swatches from recipes, and the painting of a model's atlas.  Every random
field comes from a fixed seed, so the pictures are the same bytes on every run.
"""

import os
import sys

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atlas  # noqa: E402


# ---- toolkit -------------------------------------------------------------

def value_noise(size, cells, seed):
    """Smooth noise in 0..1: a random grid of cells x cells values, upsampled bicubically."""
    rng = np.random.default_rng(seed)
    grid = rng.random((cells, cells)).astype(np.float32)
    image = Image.fromarray(grid, mode="F").resize((size, size), Image.BICUBIC)
    return np.clip(np.asarray(image, dtype=np.float32), 0.0, 1.0)


def fractal_noise(size, seed, octaves=4, base_cells=4, persistence=0.5):
    """Several octaves of value noise, normalised to 0..1."""
    total = np.zeros((size, size), np.float32)
    amplitude, weight = 1.0, 0.0
    for octave in range(octaves):
        cells = min(size, base_cells * 2 ** octave)
        total += amplitude * value_noise(size, cells, seed * 31 + octave)
        weight += amplitude
        amplitude *= persistence
    total /= weight
    return (total - total.min()) / max(1e-6, float(total.max() - total.min()))


def stroke_noise(size, seed, direction="horizontal", length=8):
    """Streaky noise that reads as brush strokes: stretched along one direction."""
    rng = np.random.default_rng(seed)
    short, long_ = size // 2, max(2, size // length)
    shape = (short, long_) if direction == "horizontal" else (long_, short)
    grid = rng.random(shape).astype(np.float32)
    image = Image.fromarray(grid, mode="F").resize((size, size), Image.BICUBIC)
    return np.clip(np.asarray(image, dtype=np.float32), 0.0, 1.0)


def vertical_gradient(size, top, bottom):
    """size x size x 3 colours running from top to bottom (0..1 RGB)."""
    t = np.linspace(0.0, 1.0, size, dtype=np.float32)[:, None, None]
    return (1.0 - t) * np.asarray(top, np.float32) + t * np.asarray(bottom, np.float32)


def radial_gradient(size, centre, edge):
    """Colours running from the middle of the square to its corners."""
    y, x = np.mgrid[0:size, 0:size].astype(np.float32)
    r = np.hypot(x - (size - 1) / 2.0, y - (size - 1) / 2.0) / (size / 2.0)
    r = np.clip(r, 0.0, 1.0)[:, :, None]
    return (1.0 - r) * np.asarray(centre, np.float32) + r * np.asarray(edge, np.float32)


def stripes(size, count, angle_deg, softness=0.15):
    """0..1 diagonal bands, softened at the edges so they do not shimmer."""
    y, x = np.mgrid[0:size, 0:size].astype(np.float32) / size
    a = np.radians(angle_deg)
    phase = (x * np.cos(a) + y * np.sin(a)) * count
    wave = 0.5 + 0.5 * np.sin(2.0 * np.pi * phase)
    return np.clip((wave - 0.5) / softness + 0.5, 0.0, 1.0)


def painted(colour_field, seed, strength=0.18, levels=6):
    """The hand-painted look: brush-stroke value variation, a few soft value steps
    and a faint darker rim, on top of a colour field (size x size x 3, 0..1)."""
    size = colour_field.shape[0]
    strokes = stroke_noise(size, seed)
    blotches = fractal_noise(size, seed + 1, octaves=3, base_cells=3)
    value = 1.0 + strength * ((strokes - 0.5) * 0.8 + (blotches - 0.5) * 1.2)
    out = colour_field * value[:, :, None]
    stepped = np.round(out * levels) / levels
    out = 0.7 * out + 0.3 * stepped  # a hint of posterised paint, not hard bands
    y, x = np.mgrid[0:size, 0:size].astype(np.float32) / (size - 1)
    rim = np.minimum.reduce([x, 1 - x, y, 1 - y])
    out *= (0.88 + 0.12 * np.clip(rim * 6.0, 0.0, 1.0))[:, :, None]
    return np.clip(out, 0.0, 1.0)


def _box(field, half, axis):
    """A running mean over 2 * half + 1 samples along one axis, the edges held."""
    if half < 1:
        return field
    pad = [(0, 0)] * field.ndim
    pad[axis] = (half + 1, half)
    total = np.cumsum(np.pad(field, pad, mode="edge"), axis=axis, dtype=np.float64)
    ahead = np.take(total, np.arange(2 * half + 1, total.shape[axis]), axis=axis)
    behind = np.take(total, np.arange(0, total.shape[axis] - 2 * half - 1), axis=axis)
    return ((ahead - behind) / (2 * half + 1)).astype(np.float32)


def soft_blur(field, radius):
    """A Gaussian-like blur of a field (2D, or with channels) of about this radius in pixels:
    three running means each way."""
    half = max(0, int(round(radius * 0.9)))
    if half == 0:
        return field.astype(np.float32)
    out = field.astype(np.float32)
    for axis in (0, 1):
        for _ in range(3):
            out = _box(out, half, axis)
    return out


def to_image(field):
    return Image.fromarray(np.round(field * 255.0).astype(np.uint8), mode="RGB")


# ---- swatches ------------------------------------------------------------

def rgb(hex_colour):
    hex_colour = hex_colour.lstrip("#")
    return tuple(int(hex_colour[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


def swatch(size, recipe, seed):
    kind = recipe[0]
    if kind == "gradient":
        field = vertical_gradient(size, rgb(recipe[1]), rgb(recipe[2]))
    elif kind == "radial":
        field = radial_gradient(size, rgb(recipe[1]), rgb(recipe[2]))
    elif kind == "stripes":
        band = stripes(size, recipe[3], recipe[4])[:, :, None]
        field = (1 - band) * np.asarray(rgb(recipe[1])) + band * np.asarray(rgb(recipe[2]))
    else:
        raise ValueError("unknown swatch kind " + kind)
    strength = recipe[-1] if isinstance(recipe[-1], float) else 0.18
    return painted(field.astype(np.float32), seed, strength=strength)


def paint_atlas(name, recipes):
    """A model's texture: one painted swatch per atlas cell, repeated upside down below."""
    size, grid, cells = atlas.TEXTURES[name]
    missing = set(cells) - set(recipes)
    if missing:
        raise SystemExit("texture %s has cells without a recipe: %s" % (name, sorted(missing)))
    step = size // grid
    # Unused cells take a neutral mid-tone so a stray texture coordinate is visible but not garish.
    canvas = np.full((size, size, 3), 0.35, np.float32)
    for index, cell in enumerate(sorted(cells)):
        seed = 1000 + 97 * index + sum(map(ord, name))
        painted_cell = swatch(step, recipes[cell], seed)
        x0, y0, x1, y1 = atlas.cell_pixels(name, cell)
        canvas[y0:y1, x0:x1] = painted_cell
        x0, y0, x1, y1 = atlas.cell_pixels(name, cell, mirrored=True)
        canvas[y0:y1, x0:x1] = painted_cell[::-1]
    return to_image(canvas)
