"""Billboards, the light halo and the particle textures: 256 x 256 RGBA pictures
of soft shapes on transparent surroundings.

Particles multiply these by their vertex colour and alpha, so most shapes are
white or pale, tinted only where the effect needs its own colour (ghost goo,
gold stars, the lock and the key).  The colour runs on under the transparent
parts, so filtering never drags a dark fringe in from the edge, and every
picture fades to nothing before its border.
"""

import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from paint_scenery_noise import fractal, mix, rgb, smoothstep, to_rgba_image

SIZE = 256
SUPER = 4  # shapes drawn with PIL at this many times the size, then shrunk: smooth edges


def _polar():
    """Distance from the middle (1 at the middle of an edge) and angle, per pixel."""
    y, x = np.mgrid[0:SIZE, 0:SIZE].astype(np.float32)
    dx = (x + 0.5 - SIZE / 2.0) / (SIZE / 2.0)
    dy = (y + 0.5 - SIZE / 2.0) / (SIZE / 2.0)
    return np.hypot(dx, dy), np.arctan2(dy, dx), dx, dy


def _fade_out():
    """1 inside, easing to 0 before the border, so no picture has a hard edge."""
    r, _a, dx, dy = _polar()
    square = np.maximum(np.abs(dx), np.abs(dy))
    return (1.0 - smoothstep(0.86, 0.99, r)) * (1.0 - smoothstep(0.9, 0.99, square))


def _gauss(x, width):
    return np.exp(-(x / width) ** 2)


def _finish(colour, alpha):
    return to_rgba_image(colour, np.clip(alpha, 0.0, 1.0) * _fade_out())


def _drawn(draw_shape, blur=1.2):
    """A coverage mask (0..1) from PIL drawing at SUPER times the size, shrunk and softened."""
    big = Image.new("L", (SIZE * SUPER, SIZE * SUPER), 0)
    draw_shape(ImageDraw.Draw(big), SIZE * SUPER)
    small = big.resize((SIZE, SIZE), Image.LANCZOS).filter(ImageFilter.GaussianBlur(blur))
    return np.asarray(small, np.float32) / 255.0


def _glow_of(mask, radius):
    """A wide soft glow around a mask."""
    image = Image.fromarray(np.round(mask * 255).astype(np.uint8), mode="L")
    return np.asarray(image.filter(ImageFilter.GaussianBlur(radius)), np.float32) / 255.0


# ---- billboards and the halo -------------------------------------------------

def paint_glow_lamp():
    r, _a, _dx, _dy = _polar()
    colour = mix(rgb("#fff4d6"), rgb("#ffa848"), smoothstep(0.0, 0.8, r))
    alpha = (1.0 - smoothstep(0.0, 0.95, r)) ** 2 * 0.95
    return _finish(colour, alpha)


FIREFLIES = [(-0.35, -0.2, 1.0), (0.3, -0.42, 0.8), (0.12, 0.05, 1.1), (-0.15, 0.4, 0.75), (0.45, 0.3, 0.9),
             (-0.5, 0.15, 0.6)]


def paint_glow_fireflies():
    _r, _a, dx, dy = _polar()
    core = np.zeros((SIZE, SIZE), np.float32)
    halo = np.zeros((SIZE, SIZE), np.float32)
    for fx, fy, size in FIREFLIES:
        d = np.hypot(dx - fx, dy - fy)
        core = np.maximum(core, _gauss(d, 0.04 * size))
        halo = np.maximum(halo, _gauss(d, 0.16 * size) * 0.6)
    colour = mix(rgb("#c8f060"), rgb("#f8ffd0"), core)
    return _finish(colour, np.maximum(core, halo))


def paint_glow_moon():
    r, _a, _dx, _dy = _polar()
    mottling = fractal(SIZE, 81, octaves=3, base=3)
    colour = mix(rgb("#e6eeff"), rgb("#7e9ede"), smoothstep(0.0, 0.9, r))
    alpha = (1.0 - smoothstep(0.0, 0.95, r) ** 1.5) * (0.55 + 0.15 * mottling)
    return _finish(colour, alpha * (1.0 - smoothstep(0.85, 0.95, r)))


def paint_light_halo():
    r, _a, _dx, _dy = _polar()
    ring = _gauss(r - 0.6, 0.05)
    inner = (1.0 - smoothstep(0.0, 0.6, r)) ** 1.5 * 0.55
    outer = _gauss(r - 0.6, 0.2) * 0.35
    colour = mix(rgb("#ffd890"), rgb("#fff8e8"), np.clip(ring + inner, 0, 1))
    return _finish(colour, ring + inner + outer)


# ---- particles -----------------------------------------------------------------

WHITE = rgb("#ffffff")


def paint_spark():
    r, a, dx, dy = _polar()
    core = _gauss(r, 0.1)
    rays = np.maximum(_gauss(dx, 0.025) * (1 - smoothstep(0.0, 0.8, np.abs(dy))),
                      _gauss(dy, 0.025) * (1 - smoothstep(0.0, 0.8, np.abs(dx))))
    glow = _gauss(r, 0.35) * 0.45
    colour = mix(rgb("#fff0c8"), WHITE, core)
    return _finish(colour, core + rays * 0.9 + glow)


def _cloud(seed, lumps, spread, size):
    """Several overlapping soft balls and a wisp of noise: a puff of smoke."""
    _r, _a, dx, dy = _polar()
    rng = np.random.default_rng(seed)
    density = np.zeros((SIZE, SIZE), np.float32)
    for _ in range(lumps):
        cx, cy = (rng.random(2) - 0.5) * 2 * spread
        density += _gauss(np.hypot(dx - cx, dy - cy), size * (0.7 + 0.6 * rng.random()))
    wisps = fractal(SIZE, seed + 1, octaves=4, base=4)
    # Summed density, not the brightest ball, so the balls melt together without creases.
    return (1.0 - np.exp(-1.6 * density)) * (0.7 + 0.45 * wisps)


def paint_puff():
    return _finish(WHITE, _cloud(91, 6, 0.28, 0.32) * 1.1)


def paint_fog():
    return _finish(rgb("#e4ecff"), _cloud(92, 9, 0.3, 0.32) * 0.55)


def paint_slash():
    r, a, _dx, _dy = _polar()
    # A crescent: a ring segment thickest in the middle, tapering to points at both ends.
    sweep = np.clip(1.0 - np.abs(a) / 1.25, 0.0, 1.0)
    width = 0.11 * sweep ** 0.7
    crescent = (1.0 - smoothstep(0.0, 1.0, np.abs(r - 0.62) / np.maximum(width, 1e-3))) * smoothstep(0.0, 0.15, sweep)
    glow = _gauss(r - 0.62, 0.12) * sweep * 0.4
    colour = mix(rgb("#d8e8ff"), WHITE, crescent)
    return _finish(colour, crescent + glow)


def _splat_shape(seed):
    """A blob with a wobbly outline and droplets flung around it (coverage 0..1, soft edged)."""
    r, a, dx, dy = _polar()
    rng = np.random.default_rng(seed)
    outline = 0.38 + sum(0.05 * rng.random() * np.sin(k * a + 6.3 * rng.random()) for k in (3, 5, 7, 11))
    blob = 1.0 - smoothstep(-0.03, 0.03, r - outline)
    for _ in range(9):
        angle = rng.random() * 2 * math.pi
        dist = 0.5 + 0.3 * rng.random()
        size = 0.03 + 0.05 * rng.random()
        d = np.hypot(dx - dist * math.cos(angle), dy - dist * math.sin(angle))
        blob = np.maximum(blob, 1.0 - smoothstep(size - 0.025, size + 0.025, d))
    return blob, r


def paint_splat(light, dark, seed):
    def painter():
        blob, r = _splat_shape(seed)
        shine = _gauss(np.hypot(*(_polar()[2:])) - 0.0, 0.25)
        colour = mix(rgb(dark), rgb(light), np.clip(shine + 0.4 * (1 - r), 0, 1))
        return _finish(colour, blob * 0.95)
    return painter


def paint_ring(radius, width, colour, glow=0.3):
    def painter():
        r, _a, _dx, _dy = _polar()
        ring = _gauss(r - radius, width)
        halo = _gauss(r - radius, width * 4) * glow
        return _finish(rgb(colour), ring + halo)
    return painter


def paint_swirl():
    r, a, _dx, _dy = _polar()
    # Two arms of a spiral winding in, fading towards the middle and the edge.
    arms = 0.5 + 0.5 * np.cos(2 * (a + 5.0 * r))
    band = arms ** 4 * smoothstep(0.05, 0.3, r) * (1.0 - smoothstep(0.6, 0.9, r))
    colour = mix(rgb("#d8c8ff"), WHITE, band)
    return _finish(colour, band + _gauss(r, 0.15) * 0.5)


def paint_target():
    r, a, dx, dy = _polar()
    rings = _gauss(r - 0.7, 0.03) + _gauss(r - 0.35, 0.025) * 0.8
    ticks = (np.maximum(_gauss(dx, 0.025) * smoothstep(0.45, 0.5, np.abs(dy)) * (1 - smoothstep(0.82, 0.88, np.abs(dy))),
                        _gauss(dy, 0.025) * smoothstep(0.45, 0.5, np.abs(dx)) * (1 - smoothstep(0.82, 0.88, np.abs(dx)))))
    dot = _gauss(r, 0.06)
    return _finish(rgb("#fff0f0"), rings + ticks + dot + _gauss(r - 0.7, 0.12) * 0.25)


def _star_mask(points=5, outer=0.78, inner=0.36):
    def draw(d, size):
        c = size / 2.0
        corners = []
        for i in range(points * 2):
            rad = (outer if i % 2 == 0 else inner) * size / 2.0
            ang = -math.pi / 2 + math.pi * i / points
            corners.append((c + rad * math.cos(ang), c + rad * math.sin(ang)))
        d.polygon(corners, fill=255)
    return _drawn(draw, blur=1.5)


def paint_star(centre_colour, edge_colour):
    def painter():
        star = _star_mask()
        r = _polar()[0]
        colour = mix(rgb(centre_colour), rgb(edge_colour), smoothstep(0.0, 0.7, r))
        return _finish(colour, np.maximum(star, _glow_of(star, 10) * 0.6))
    return painter


def paint_splinter():
    rng = np.random.default_rng(101)

    def draw(d, size):
        for _ in range(5):
            cx, cy = (0.3 + 0.4 * rng.random(2)) * size
            angle = rng.random() * math.pi
            length, width = (0.35 + 0.2 * rng.random()) * size / 2, (0.035 + 0.03 * rng.random()) * size / 2
            ux, uy = math.cos(angle), math.sin(angle)
            # A shard: pointed at both ends, widest off its middle.
            d.polygon([(cx - ux * length, cy - uy * length), (cx + uy * width, cy - ux * width),
                       (cx + ux * length * 0.8, cy + uy * length * 0.8), (cx - uy * width, cy + ux * width)], fill=255)
    shards = _drawn(draw, blur=1.0)
    grain = fractal(SIZE, 102, octaves=2, base=8)
    colour = mix(rgb("#7a6458"), rgb("#c8b098"), grain)
    return _finish(colour, shards)


def paint_dust():
    _r, _a, dx, dy = _polar()
    rng = np.random.default_rng(111)
    alpha = np.zeros((SIZE, SIZE), np.float32)
    for _ in range(7):
        cx, cy = (rng.random(2) - 0.5) * 1.1
        size = 0.5 + rng.random()
        d = np.hypot(dx - cx, dy - cy)
        alpha = np.maximum(alpha, _gauss(d, 0.045 * size) + _gauss(d, 0.14 * size) * 0.4)
    return _finish(rgb("#fff4ff"), alpha)


def paint_dirt():
    blob, r = _splat_shape(121)
    grain = fractal(SIZE, 122, octaves=3, base=8)
    colour = mix(rgb("#3e3440"), rgb("#6e6270"), grain)
    soft = _glow_of(blob, 3)
    return _finish(colour, soft * (0.7 + 0.3 * grain))


def paint_lock():
    def draw(d, size):
        s = size / 256.0
        d.rounded_rectangle([70 * s, 112 * s, 186 * s, 204 * s], radius=18 * s, fill=255)
        d.arc([88 * s, 52 * s, 168 * s, 140 * s], start=180, end=360, fill=255, width=int(18 * s))
        d.line([(97 * s, 96 * s), (97 * s, 118 * s)], fill=255, width=int(18 * s))
        d.line([(159 * s, 96 * s), (159 * s, 118 * s)], fill=255, width=int(18 * s))
        d.ellipse([118 * s, 138 * s, 138 * s, 158 * s], fill=0)
        d.rectangle([124 * s, 150 * s, 132 * s, 178 * s], fill=0)
    lock = _drawn(draw)
    r = _polar()[0]
    colour = mix(rgb("#ffb070"), rgb("#e8401c"), smoothstep(0.0, 0.6, r))
    return _finish(colour, np.maximum(lock, _glow_of(lock, 8) * 0.45))


def paint_key():
    def draw(d, size):
        s = size / 256.0
        d.ellipse([40 * s, 88 * s, 120 * s, 168 * s], fill=255)
        d.ellipse([62 * s, 110 * s, 98 * s, 146 * s], fill=0)
        d.rectangle([112 * s, 118 * s, 216 * s, 138 * s], fill=255)
        d.rectangle([170 * s, 136 * s, 186 * s, 166 * s], fill=255)
        d.rectangle([196 * s, 136 * s, 214 * s, 172 * s], fill=255)
    key = _drawn(draw)
    r = _polar()[0]
    colour = mix(rgb("#fff0a0"), rgb("#f0b020"), smoothstep(0.0, 0.6, r))
    return _finish(colour, np.maximum(key, _glow_of(key, 8) * 0.45))


def paint_rain():
    _r, _a, dx, dy = _polar()
    streak = _gauss(dx, 0.018) * (1.0 - smoothstep(0.4, 0.85, np.abs(dy))) * (0.6 + 0.4 * (1 - dy) / 2)
    return _finish(rgb("#d4e4ff"), streak * 0.85)


def paint_marker(core, edge):
    def painter():
        r, _a, _dx, _dy = _polar()
        disc = 1.0 - smoothstep(0.25, 0.32, r)
        ring = _gauss(r - 0.55, 0.04)
        glow = _gauss(r, 0.5) * 0.4
        colour = mix(rgb(core), rgb(edge), smoothstep(0.0, 0.6, r))
        return _finish(colour, disc * 0.9 + ring + glow)
    return painter


# Output path under GameData/Textures/ -> painter.
PAINTERS = {
    "glow_lamp.png": paint_glow_lamp,
    "glow_fireflies.png": paint_glow_fireflies,
    "glow_moon.png": paint_glow_moon,
    "light_halo.png": paint_light_halo,
    "fx_spark.png": paint_spark,
    "fx_puff.png": paint_puff,
    "fx_slash.png": paint_slash,
    "fx_splat.png": paint_splat("#e8fcff", "#7fd4e6", 131),
    "fx_splat_dark.png": paint_splat("#d8b0ff", "#6a2ab0", 132),
    "fx_ring.png": paint_ring(0.62, 0.05, "#ffffff"),
    "fx_swirl.png": paint_swirl,
    "fx_target.png": paint_target,
    "fx_star.png": paint_star("#ffffff", "#e8f0ff"),
    "fx_star_gold.png": paint_star("#fff4b0", "#ffc020"),
    "fx_splinter.png": paint_splinter,
    "fx_dust.png": paint_dust,
    "fx_dirt.png": paint_dirt,
    "fx_lock.png": paint_lock,
    "fx_key.png": paint_key,
    "fx_fog.png": paint_fog,
    "fx_rain.png": paint_rain,
    "fx_ripple.png": paint_ring(0.7, 0.02, "#dce8ff", glow=0.15),
    "fx_marker_warm.png": paint_marker("#fff0c0", "#ff9a40"),
    "fx_marker_cold.png": paint_marker("#e0f4ff", "#4aa8ff"),
}
