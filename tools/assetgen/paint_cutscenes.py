"""Paints the cutscene renders into storybook pictures: the sky behind the garden
(night blues, stars, the big moon, the first dawn), the night air thickening with
distance, soft glows round every light, the fairy's swirl and the last ghost's
sparkles, three soft vignettes that flow into one another, and a painted-paper
grain.  Writes GameData/Textures/GUI/cutscenes/<name>.jpg (quality 90).

Usage: /usr/bin/python3 paint_cutscenes.py RENDER_DIR OUT_DIR [NAME ...]
RENDER_DIR holds what cutscenes.py rendered: <name>.png, <name>_mist_0001.png and
<name>.json (size, horizon row and the marks' pixels).  Every random field has a
fixed seed: the same renders give the same bytes.
"""

import json
import math
import os
import sys

import numpy as np
from PIL import Image, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import manifest  # noqa: E402
from paint_kit import rgb, soft_blur as blur  # noqa: E402

QUALITY = 90
SEED = 41

NIGHT_TOP = rgb("#0c0f2a")
NIGHT = rgb("#1e2244")
NIGHT_HAZE = rgb("#4a5590")
MOON_FACE = rgb("#f6f3dc")
MOON_SHADE = rgb("#c9d2ee")
MOON_GLOW = rgb("#86a0e6")
LANTERN = rgb("#ffb232")
LANTERN_CORE = rgb("#fffbe0")
GHOST = rgb("#86cfe6")
GHOST_CORE = rgb("#f4fdff")
DAWN_LOW = rgb("#ffb08a")
DAWN_HIGH = rgb("#d98fb0")
GOLD = rgb("#ffd35a")


# ---- fields ------------------------------------------------------------------------

def grid(size):
    width, height = size
    y, x = np.mgrid[0:height, 0:width].astype(np.float32)
    return x, y


def smooth(t):
    t = np.clip(t, 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def noise(size, cells, seed):
    """Smooth value noise 0..1 over the picture, cells across its width."""
    width, height = size
    rng = np.random.default_rng(seed)
    rows = max(2, round(cells * height / width))
    field = Image.fromarray(rng.random((rows, cells)).astype(np.float32), mode="F")
    return np.asarray(field.resize(size, Image.BICUBIC), np.float32)


def gaussian(size, centre, radius, squash=1.0):
    x, y = grid(size)
    d2 = (x - centre[0]) ** 2 + ((y - centre[1]) / squash) ** 2
    return np.exp(-d2 / (2.0 * radius * radius))


def add_light(colour, weight, tint):
    """Light added as a painter glazes it: screen blending, so whites never clip harshly."""
    light = np.clip(weight[:, :, None] * np.asarray(tint, np.float32), 0.0, 1.0)
    return 1.0 - (1.0 - colour) * (1.0 - light)


# ---- the sky -------------------------------------------------------------------------

def sky(size, horizon, dawn):
    """Night blue from the top down to a lighter haze at the horizon; at dawn a warm band
    rises behind the middle of the picture and cools off towards both sides."""
    width, height = size
    x, y = grid(size)
    t = np.clip(y / max(horizon, 1.0), 0.0, 1.2)
    upper = smooth(t / 0.75)
    colour = (1 - upper[:, :, None]) * np.asarray(NIGHT_TOP) + upper[:, :, None] * np.asarray(NIGHT)
    haze = smooth((t - 0.55) / 0.5)[:, :, None]
    colour = colour * (1 - haze) + np.asarray(NIGHT_HAZE) * haze
    if dawn:
        # Where the sun will rise: a pale gold glow just over the horizon.
        sun = gaussian(size, (dawn["x"] * width, horizon), height * 0.22, squash=0.55) * dawn["strength"] * 0.5
        across = np.exp(-((x - dawn["x"] * width) / (dawn["spread"] * width)) ** 2)
        rise = np.clip(1.0 - (horizon - y) / (horizon * dawn["height"]), 0.0, 1.0) ** 1.6
        warm = (across * rise * dawn["strength"])[:, :, None]
        band = np.clip((horizon - y) / (horizon * dawn["height"]), 0, 1)[:, :, None]
        tint = (1 - band) * np.asarray(DAWN_LOW) + band * np.asarray(DAWN_HIGH)
        colour = colour * (1 - warm) + tint * warm
        colour = add_light(colour, sun, rgb("#ffe0a0"))
    # Soft clouds of brushed paint, brighter where they catch the moon.
    clouds = noise(size, 9, SEED) * 0.6 + noise(size, 23, SEED + 1) * 0.4
    streak = np.asarray(Image.fromarray(clouds, mode="F").resize((width // 8, height), Image.BILINEAR)
                        .resize(size, Image.BICUBIC), np.float32)
    colour *= (0.9 + 0.2 * streak)[:, :, None]
    return colour


def stars(colour, size, horizon, seed, count, keep_out=None, dawn=None):
    """Stars thinning towards the horizon and fading where dawn warms the sky; a few bigger
    ones twinkle with four points."""
    rng = np.random.default_rng(seed)
    width, height = size
    light = np.zeros((height, width), np.float32)
    for _ in range(count):
        sx, sy = rng.random() * width, rng.random() ** 1.4 * horizon * 0.95
        bright = rng.random() ** 2 * (1.0 - sy / horizon) ** 0.7
        if keep_out and math.hypot(sx - keep_out[0], sy - keep_out[1]) < keep_out[2]:
            continue
        if dawn:
            bright *= 1.0 - dawn["strength"] * math.exp(-((sx / width - dawn["x"]) / dawn["spread"]) ** 2)
        ix, iy = int(sx), int(sy)
        light[iy, ix] += 0.25 + 0.9 * bright
    light = blur(light, 0.8) * 3.0
    colour = add_light(colour, np.clip(light, 0, 1), rgb("#e8eeff"))
    for _ in range(count // 40):
        sx, sy = rng.random() * width, rng.random() ** 1.5 * horizon * 0.7
        if keep_out and math.hypot(sx - keep_out[0], sy - keep_out[1]) < keep_out[2] * 1.2:
            continue
        if dawn and abs(sx / width - dawn["x"]) < dawn["spread"]:
            continue
        colour = twinkle(colour, size, (sx, sy), 5 + 9 * rng.random(), rgb("#f0f4ff"), 0.8)
    return colour


def twinkle(colour, size, centre, reach, tint, strength):
    """A four-pointed sparkle: a bright core and two thin rays, drawn only near its centre."""
    width, height = size
    r = int(reach * 2.2) + 2
    x0, x1 = max(0, int(centre[0]) - r), min(width, int(centre[0]) + r)
    y0, y1 = max(0, int(centre[1]) - r), min(height, int(centre[1]) + r)
    if x0 >= x1 or y0 >= y1:
        return colour
    y, x = np.mgrid[y0:y1, x0:x1].astype(np.float32)
    dx, dy = np.abs(x - centre[0]), np.abs(y - centre[1])
    thin = max(0.9, reach * 0.07)
    rays = np.exp(-(dy / thin) ** 2) * np.exp(-dx / (reach * 0.45)) + \
        np.exp(-(dx / thin) ** 2) * np.exp(-dy / (reach * 0.45))
    core = np.exp(-(dx * dx + dy * dy) / (2 * (reach * 0.16) ** 2))
    halo = np.exp(-(dx * dx + dy * dy) / (2 * (reach * 0.55) ** 2)) * 0.35
    weight = np.clip((rays * 0.8 + core + halo) * strength, 0.0, 1.0)
    patch = colour[y0:y1, x0:x1]
    colour[y0:y1, x0:x1] = add_light(patch, weight, tint)
    return colour


def moon(colour, size, centre, radius, strength=1.0):
    """The big moon: a pale face with soft grey seas, a wide cold halo around it."""
    width, height = size
    x, y = grid(size)
    d = np.hypot(x - centre[0], y - centre[1]) / radius
    halo = np.exp(-(np.maximum(d - 1.0, 0)) * 1.6) * 0.45 + np.exp(-(np.maximum(d - 1.0, 0)) * 0.35) * 0.2
    colour = add_light(colour, halo * strength * (d > 0.98), MOON_GLOW)
    disc = smooth((1.0 - d) * radius / 2.0 + 0.5)
    seas = noise(size, max(4, int(width / radius * 1.2)), SEED + 7)
    seas = smooth((seas - 0.45) * 3.0)
    # Lit from the upper left, the face shades a little towards the lower right.
    shade = np.clip(((x - centre[0]) + (y - centre[1])) / (2.0 * radius), -1, 1) * 0.5 + 0.5
    face = np.asarray(MOON_FACE) * (1 - 0.22 * seas[:, :, None]) * (1 - 0.2 * shade[:, :, None]) + \
        np.asarray(MOON_SHADE) * 0.2 * shade[:, :, None]
    mix = (disc * strength)[:, :, None]
    return colour * (1 - mix) + face * mix


def hills(colour, size, horizon, seed, darkness):
    """A far line of wooded hills, darker than the haze by `darkness` (against a dawn sky, more)."""
    width, height = size
    x, y = grid(size)
    rng = np.random.default_rng(seed)
    line = np.zeros(width, np.float32)
    xs = np.arange(width, dtype=np.float32)
    for k, amp in ((1.5, 0.05), (3.1, 0.03), (7.3, 0.015), (19.0, 0.007)):
        line += amp * horizon * (0.5 + 0.5 * np.sin(xs / width * k * 2 * math.pi + rng.random() * 6.28))
    top = horizon - line - horizon * 0.01
    mask = smooth((y - top[None, :]) / 2.0 + 0.5)[:, :, None]
    tint = np.asarray(NIGHT_HAZE) * (1 - darkness) + np.asarray(NIGHT) * darkness
    return colour * (1 - mask) + tint * mask


# ---- over the render ---------------------------------------------------------------------

def night_air(colour, mist, alpha, strength):
    """Far things fade into the haze of the night air."""
    fog = (np.clip(mist, 0, 1) * strength)[:, :, None]
    return colour * (1 - fog) + np.asarray(NIGHT_HAZE) * fog


def painted(colour, alpha):
    """The render's last grain of noise smoothed away and its surfaces laid in as flat-ish
    strokes: a median pass, then a soft blend with a blur, keeping silhouettes crisp."""
    image = Image.fromarray(np.round(np.clip(colour, 0, 1) * 255).astype(np.uint8), mode="RGB")
    image = image.filter(ImageFilter.MedianFilter(3))
    cleaned = np.asarray(image, np.float32) / 255.0
    soft = blur(cleaned, 1.2)
    out = cleaned * 0.55 + soft * 0.45
    # Pale glowing things (ghosts, the fairy) keep the most sampling grain: smooth them further.
    pale = smooth((cleaned.min(axis=2) - 0.45) / 0.25)[:, :, None] * alpha[:, :, None]
    return out * (1 - pale) + blur(soft, 2.0) * pale


def outline(colour, alpha, mist, size):
    """A soft dark ink line along the silhouettes of near things against farther ones."""
    depth = np.clip(mist + (1.0 - alpha), 0, 1)
    edges = np.abs(depth - blur(depth, 1.5))
    line = np.clip(edges * 9.0, 0, 1) * (1.0 - np.clip(mist * 3.0, 0, 1)) * 0.45
    return colour * (1 - line[:, :, None]) + np.asarray(NIGHT_TOP) * line[:, :, None]


def bloom(colour, radius, threshold, strength):
    """Whatever shines spills softly into the air round it."""
    value = colour.max(axis=2)
    bright = colour * smooth((value - threshold) / (1.0 - threshold))[:, :, None]
    glow = blur(bright, radius) * strength
    return 1.0 - (1.0 - colour) * (1.0 - np.clip(glow, 0, 1))


def glow(colour, size, centre, radius, tint, strength, core=None):
    weight = gaussian(size, centre, radius) * strength
    colour = add_light(colour, weight, tint)
    if core:
        colour = add_light(colour, gaussian(size, centre, radius * 0.22) * core, LANTERN_CORE)
    return colour


def swirl(colour, size, centre, reach, turns, count, seed, tints, lift=0.0):
    """Sparkles strewn along a spiral round a centre, seen a little from above (flattened),
    small and faint at its tail, big at its head."""
    rng = np.random.default_rng(seed)
    for i in range(count):
        t = (i + rng.random()) / count
        a = 2 * math.pi * turns * t + rng.normal(0, 0.15)
        r = reach * (0.25 + 0.75 * t) * (1 + rng.normal(0, 0.08))
        sx = centre[0] + r * math.cos(a)
        sy = centre[1] + r * 0.42 * math.sin(a) - lift * t * reach
        size_here = 3 + 16 * t * rng.random() ** 0.5
        tint = tints[rng.integers(len(tints))]
        colour = twinkle(colour, size, (sx, sy), size_here, tint, 0.45 + 0.5 * t)
    return colour


def rising(colour, size, centre, reach, count, seed, tints):
    """Sparkles drifting up from a point and spreading: a ghost going into the light."""
    rng = np.random.default_rng(seed)
    for i in range(count):
        t = rng.random() ** 0.8
        sx = centre[0] + rng.normal(0, reach * (0.2 + 0.5 * t))
        sy = centre[1] + reach * 0.6 - t * reach * 2.2
        tint = tints[rng.integers(len(tints))]
        colour = twinkle(colour, size, (sx, sy), 3 + 13 * (1 - t) * rng.random() ** 0.5, tint, 0.9 - 0.5 * t)
    return colour


def zones(colour, size, strength):
    """Three soft vignettes, one round each third's middle, flowing into one another."""
    width, height = size
    x, y = grid(size)
    light = np.zeros((height, width), np.float32)
    for third in range(3):
        cx = (third + 0.5) * width / 3.0
        d = ((x - cx) / (width * 0.3)) ** 2 + ((y - height * 0.55) / (height * 0.62)) ** 2
        light = np.maximum(light, np.exp(-d * 0.9))
    return colour * (1 - strength + strength * light)[:, :, None]


def paper(colour, size, seed):
    """Painted paper: a fine tooth, faint fibres and a blotchy wash, fixed seed."""
    width, height = size
    rng = np.random.default_rng(seed)
    tooth = blur(rng.random((height, width)).astype(np.float32), 0.6)
    tooth = (tooth - tooth.mean()) / (tooth.std() + 1e-6)
    fibres = np.asarray(Image.fromarray(rng.random((height // 3, width // 24)).astype(np.float32), mode="F")
                        .resize(size, Image.BICUBIC), np.float32)
    wash = noise(size, 14, seed + 1)
    value = 1.0 + 0.022 * tooth + 0.04 * (fibres - 0.5) + 0.07 * (wash - 0.5)
    return colour * value[:, :, None]


# ---- the pictures ------------------------------------------------------------------------

# What each picture adds over its render; positions are fractions of the picture's size.
LOOKS = {
    "level0": {
        "moon": (0.135, 0.14, 0.075, 1.0),
        "dawn": None,
        "stars": 420,
        "fog": 0.75,
        "hills": 0.3,
    },
    "final": {
        "moon": (0.08, 0.2, 0.05, 0.75),
        "dawn": {"x": 0.52, "spread": 0.3, "height": 0.85, "strength": 0.95},
        "stars": 300,
        "fog": 0.6,
        "hills": 0.55,
    },
}


def glows(colour, size, marks):
    """Round every light of the scene: the lanterns warmest and brightest, the ghosts and the
    fairy pale and cool, the window a low warm shine."""
    height = size[1]
    for name, (px, py, _depth) in sorted(marks.items()):
        centre = (px, py)
        if name.endswith("_ground"):
            # A pale mist on the ground where a ghost rises from it.
            weight = gaussian(size, centre, height * 0.075, squash=0.3) * 0.32
            colour = add_light(colour, weight, GHOST)
        elif name.startswith("lantern"):
            colour = glow(colour, size, centre, height * 0.2, LANTERN, 0.22)
            colour = glow(colour, size, centre, height * 0.08, LANTERN, 0.6, core=1.0)
        elif name.startswith("ghost"):
            colour = glow(colour, size, centre, height * 0.08, GHOST, 0.22)
        elif name == "fairy":
            colour = glow(colour, size, centre, height * 0.05, GHOST_CORE, 0.4)
            colour = glow(colour, size, centre, height * 0.12, GHOST, 0.18)
        elif name == "window":
            colour = glow(colour, size, centre, height * 0.07, LANTERN, 0.15)
        elif name == "lamp":
            colour = glow(colour, size, centre, height * 0.05, LANTERN, 0.3)
    return colour


def sparkles(colour, size, marks):
    height = size[1]
    fairy_tints = [GHOST_CORE, rgb("#c8f4ff"), GOLD, rgb("#fff2b8")]
    if "fairy" in marks and "kid_right" in marks:
        fx, fy, _ = marks["fairy"]
        kx, ky, _ = marks["kid_right"]
        centre = ((fx * 2 + kx) / 3.0, (fy * 2 + ky) / 3.0)
        colour = swirl(colour, size, centre, height * 0.19, 2.2, 70, SEED + 3, fairy_tints, lift=0.3)
    elif "fairy" in marks:
        fx, fy, _ = marks["fairy"]
        colour = swirl(colour, size, (fx, fy), height * 0.05, 1.5, 10, SEED + 4, fairy_tints)
    if "ghost_last" in marks:
        gx, gy, _ = marks["ghost_last"]
        colour = rising(colour, size, (gx, gy), height * 0.16, 90, SEED + 5, [GHOST_CORE, rgb("#c8f4ff"), GOLD])
    return colour


def compose(render_dir, name):
    with open(os.path.join(render_dir, name + ".json")) as f:
        facts = json.load(f)
    size = tuple(facts["size"])
    width, height = size
    look = LOOKS[name]
    render = np.asarray(Image.open(os.path.join(render_dir, name + ".png")).convert("RGBA"), np.float32) / 255.0
    mist = np.asarray(Image.open(os.path.join(render_dir, name + "_mist_0001.png")), np.float32)
    mist = mist / 65535.0 if mist.max() > 255 else mist / 255.0
    colour, alpha = render[:, :, :3], render[:, :, 3]
    horizon = facts["horizon"]
    mx, my, mr, ms = look["moon"]
    back = sky(size, horizon, look["dawn"])
    back = stars(back, size, horizon, SEED + 11, look["stars"], (mx * width, my * height, mr * height * 2.2),
                 look["dawn"])
    back = moon(back, size, (mx * width, my * height), mr * height, ms)
    back = hills(back, size, horizon, SEED + 12, look["hills"])
    colour = painted(colour, alpha)
    colour = night_air(colour, mist, alpha, look["fog"])
    colour = outline(colour, alpha, mist, size)
    colour = colour * alpha[:, :, None] + back * (1 - alpha[:, :, None])
    colour = glows(colour, size, facts["marks"])
    colour = bloom(colour, height * 0.012, 0.72, 0.6)
    colour = sparkles(colour, size, facts["marks"])
    colour = zones(colour, size, 0.35)
    colour = paper(colour, size, SEED + 13)
    return Image.fromarray(np.round(np.clip(colour, 0, 1) * 255).astype(np.uint8), mode="RGB")


def main(render_dir, out_dir, names):
    os.makedirs(out_dir, exist_ok=True)
    for entry in manifest.CUTSCENES:
        if names and entry.name not in names:
            continue
        picture = compose(render_dir, entry.name)
        if picture.size != entry.size:
            raise SystemExit("%s: rendered %dx%d, the game's picture is %dx%d" % ((entry.name,) + picture.size +
                                                                                 entry.size))
        path = os.path.join(out_dir, manifest.cutscene_file(entry))
        # Baseline JPEG (the texture loader reads it), the same bytes for the same pixels.
        picture.save(path, quality=QUALITY, optimize=False, progressive=False)
        print("texture", path)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
