"""The night sky: "blacksky.tga", the one picture the sky box planes show, and
the six cube faces "blacksky_rt.tga" ... "blacksky_bk.tga".

The cube faces are painted from one sky defined by direction (y up): every
pixel asks the sky about the direction through it, so the faces meet at their
edges.  Faces in the order +X, -X, +Y, -Y, +Z, -Z, with the usual cube map
layout (row 0 at the top of the picture).  The sky: a deep blue-violet gradient
over a haze at the horizon, stars fading towards it, a ring of distant tree
tops and hills in silhouette, and the moon high up on the up face.
"""

import math

import numpy as np

from paint_scenery_noise import fractal, mix, normalise, periodic_noise, rgb, smoothstep, to_rgb_image, wrapped_offsets

SIZE = 512
FOLDER = "Game/skybox/"
MOON = np.array([0.3, 1.0, -0.22]) / np.linalg.norm([0.3, 1.0, -0.22])
MOON_RADIUS = math.radians(4.5)

# Face suffix -> direction of each pixel from (sc, tc), both -1..1 (tc grows down the picture).
FACES = {
    "_rt": lambda s, t: (np.ones_like(s), -t, -s),
    "_lf": lambda s, t: (-np.ones_like(s), -t, s),
    "_up": lambda s, t: (s, np.ones_like(s), t),
    "_dn": lambda s, t: (s, -np.ones_like(s), -t),
    "_fr": lambda s, t: (s, -t, np.ones_like(s)),
    "_bk": lambda s, t: (-s, -t, -np.ones_like(s)),
}


def _directions(face):
    coords = (np.arange(SIZE, dtype=np.float64) + 0.5) / SIZE * 2.0 - 1.0
    t, s = np.meshgrid(coords, coords, indexing="ij")
    x, y, z = FACES[face](s, t)
    length = np.sqrt(x * x + y * y + z * z)
    return x / length, y / length, z / length


def _horizon(azimuth):
    """Elevation (radians) of the silhouette of hills and tree tops at each azimuth."""
    rng = np.random.default_rng(201)
    hills = np.full(azimuth.shape, math.radians(1.5))
    for k, amp in ((2, 1.4), (3, 1.0), (5, 0.7), (9, 0.35)):
        hills += math.radians(amp) * (0.5 + 0.5 * np.sin(k * azimuth + 6.28 * rng.random()))
    trees = np.zeros(azimuth.shape)
    for _ in range(90):
        centre = rng.random() * 2 * math.pi
        width = math.radians(1.2 + 2.2 * rng.random())
        height = math.radians(3.5 + 7.0 * rng.random())
        d = np.abs((azimuth - centre + math.pi) % (2 * math.pi) - math.pi) / width
        if rng.random() < 0.6:
            shape = np.clip(1.0 - d, 0.0, 1.0)  # a pine: a spike
        else:
            shape = np.sqrt(np.clip(1.0 - d * d, 0.0, 1.0)) * 0.8  # a round crown
        trees = np.maximum(trees, height * shape)
    return hills + trees


def _stars():
    """Fixed star directions on the upper sky, with their brightness and size."""
    rng = np.random.default_rng(202)
    count = 1400
    v = rng.normal(size=(count, 3))
    v /= np.linalg.norm(v, axis=1, keepdims=True)
    v[:, 1] = np.abs(v[:, 1])
    brightness = 0.25 + 0.75 * rng.random(count) ** 3
    size = 0.55 + 0.6 * rng.random(count) ** 4
    return v, brightness, size


def _star_layer(face):
    """Stars splatted onto one face where they project into it (a little past its edges, so a
    star on a seam shows on both faces)."""
    layer = np.zeros((SIZE, SIZE), np.float32)
    dirs, brightness, sizes = _stars()
    axis = {"_rt": (0, 1), "_lf": (0, -1), "_up": (1, 1), "_dn": (1, -1), "_fr": (2, 1), "_bk": (2, -1)}[face]
    ys, xs = np.mgrid[-3:4, -3:4]
    for d, b, size in zip(dirs, brightness, sizes):
        major = d[axis[0]] * axis[1]
        if major <= 0.3:
            continue
        s, t = _project(face, d / major)
        px, py = (s + 1) / 2 * SIZE - 0.5, (t + 1) / 2 * SIZE - 0.5
        cx, cy = int(round(px)), int(round(py))
        if not (-4 <= cx < SIZE + 4 and -4 <= cy < SIZE + 4):
            continue
        spot = b * np.exp(-((xs + cx - px) ** 2 + (ys + cy - py) ** 2) / (2 * size * size))
        x0, y0 = cx - 3, cy - 3
        sx0, sy0 = max(0, -x0), max(0, -y0)
        sx1, sy1 = min(7, SIZE - x0), min(7, SIZE - y0)
        if sx1 > sx0 and sy1 > sy0:
            layer[y0 + sy0:y0 + sy1, x0 + sx0:x0 + sx1] += spot[sy0:sy1, sx0:sx1]
    return layer


def _project(face, d):
    """(sc, tc) of a direction scaled so its major component is 1 on this face."""
    x, y, z = d
    return {"_rt": (-z, -y), "_lf": (z, -y), "_up": (x, z), "_dn": (x, -z), "_fr": (x, -y), "_bk": (-x, -y)}[face]


def _clouds(x, y, z):
    """Soft 0..1 cloud pattern as a function of direction: crossed waves, so it runs on across faces."""
    rng = np.random.default_rng(205)
    total = np.zeros(x.shape)
    for octave in range(3):
        for _ in range(6):
            k = rng.normal(size=3)
            k *= (2.5 * 2 ** octave) / np.linalg.norm(k)
            total += np.sin(k[0] * x + k[1] * y + k[2] * z + 6.28 * rng.random()) / (2 ** octave)
    return normalise(total)


def _sky_colour(elevation):
    e = np.degrees(elevation)
    colour = mix(rgb("#2c2654"), rgb("#161a44"), smoothstep(0.0, 18.0, e))
    colour = mix(colour, rgb("#080b22"), smoothstep(18.0, 80.0, e))
    return colour


def paint_face(face):
    def painter():
        x, y, z = _directions(face)
        elevation = np.arcsin(np.clip(y, -1, 1))
        azimuth = np.arctan2(z, x)
        colour = _sky_colour(elevation)
        # Faint drifting cloud bands, lit by the moon from above.
        clouds = _clouds(x, y, z)
        colour = colour + (smoothstep(0.55, 0.9, clouds) * 0.05 * smoothstep(3.0, 25.0, np.degrees(elevation)))[..., None]
        fade = smoothstep(2.0, 14.0, np.degrees(elevation))
        stars = np.clip(_star_layer(face) * fade, 0.0, 1.0)
        colour = mix(colour, rgb("#e8ecff"), stars)
        # The moon: a pale disc with soft grey seas and a wide glow around it.
        angle = np.arccos(np.clip(x * MOON[0] + y * MOON[1] + z * MOON[2], -1, 1))
        glow = np.exp(-(angle / (MOON_RADIUS * 5)) ** 2) * 0.35
        colour = colour + glow[..., None] * rgb("#8ca0e0")
        disc = 1.0 - smoothstep(MOON_RADIUS * 0.96, MOON_RADIUS * 1.04, angle)
        seas = fractal(SIZE, 204, octaves=3, base=24)
        moon = mix(rgb("#f4f6ff"), rgb("#b8c0dc"), smoothstep(0.55, 0.8, seas))
        colour = mix(colour, moon, disc)
        # The horizon: a haze, then hills and tree tops black against it, then dark ground.
        haze = np.exp(-(np.degrees(elevation) / 4.0) ** 2) * 0.12
        colour = colour + haze[..., None] * rgb("#6a5aa0")
        land = smoothstep(0.0015, -0.0015, elevation - _horizon(azimuth))
        ground = mix(rgb("#0b0c1a"), rgb("#040409"), smoothstep(0.0, -30.0, np.degrees(elevation)))
        colour = mix(colour, ground, land)
        return to_rgb_image(colour)
    return painter


def paint_blacksky():
    """The one picture the sky box planes show: a deep blue-violet night with faint stars and
    a wisp of cloud, wrapping at its edges so six copies around the camera show no seam lines."""
    glow = fractal(SIZE, 211, octaves=5, base=2)
    colour = mix(rgb("#070920"), rgb("#1c1a46"), smoothstep(0.2, 0.9, glow))
    veil = periodic_noise(SIZE, (6, 3), 212)
    colour = colour + (smoothstep(0.6, 0.95, veil) * 0.04)[..., None]
    rng = np.random.default_rng(213)
    stars = np.zeros((SIZE, SIZE), np.float32)
    for _ in range(260):
        px, py = rng.random(2) * SIZE
        b = 0.2 + 0.6 * rng.random() ** 3
        dx, dy = wrapped_offsets(SIZE, px, py)
        stars += b * np.exp(-(dx * dx + dy * dy) / (2 * (0.6 + 0.5 * rng.random() ** 4) ** 2))
    colour = mix(colour, rgb("#dce4ff"), np.clip(stars, 0.0, 1.0))
    return to_rgb_image(colour)


# Output path under GameData/Textures/ -> painter.
PAINTERS = {FOLDER + "blacksky.tga": paint_blacksky}
for _face in FACES:
    PAINTERS[FOLDER + "blacksky" + _face + ".tga"] = paint_face(_face)
