"""The floor tile textures: whole 512 x 512 pictures that repeat without a seam
(every field wraps at its edges), in the cool moonlit palette.  The game lays
one per 2 x 2 floor cell over the one tile mesh.
"""

import numpy as np

from paint_scenery_noise import (fractal, mix, periodic_noise, rgb, smoothstep, to_rgb_image, voronoi,
                                 wrapped_offsets)

SIZE = 512


def _scatter(seed, count, size=SIZE):
    rng = np.random.default_rng(seed)
    return [(float(x), float(y)) for x, y in rng.random((count, 2)) * size]


def _blobs(points, radius, seed, squash=1.0):
    """Soft round spots at points (wrapping): 1 at a spot's middle, 0 outside it."""
    rng = np.random.default_rng(seed)
    out = np.zeros((SIZE, SIZE), np.float32)
    for px, py in points:
        r = radius * (0.6 + 0.8 * rng.random())
        dx, dy = wrapped_offsets(SIZE, px, py)
        d = np.hypot(dx, dy / squash) / r
        out = np.maximum(out, 1.0 - smoothstep(0.6, 1.0, d))
    return out


def grass_field(seed, dark="#1c3436", mid="#2c5050", light="#4a7672", flowers=True):
    patches = fractal(SIZE, seed, octaves=4, base=3)
    blades = periodic_noise(SIZE, (96, 24), seed + 1)
    fine = periodic_noise(SIZE, (64, 64), seed + 2)
    tone = 0.62 * patches + 0.26 * blades + 0.12 * fine
    colour = mix(rgb(dark), rgb(mid), smoothstep(0.2, 0.6, tone))
    colour = mix(colour, rgb(light), smoothstep(0.6, 0.95, tone) * 0.8)
    # Clumps of taller grass catch the moonlight on their tips.
    clumps = smoothstep(0.62, 0.8, fractal(SIZE, seed + 3, octaves=3, base=6)) * smoothstep(0.5, 0.8, blades)
    colour = mix(colour, rgb("#6a9a94"), clumps * 0.5)
    if flowers:
        dots = _blobs(_scatter(seed + 4, 14), 3.5, seed + 5)
        colour = mix(colour, rgb("#b8c8f0"), dots * 0.8)
    return colour


def paint_grass():
    return to_rgb_image(grass_field(11))


def paint_tile():
    # The mesh's own texture: a quiet grass, the neutral ground under any tile kind.
    return to_rgb_image(grass_field(23, "#22383c", "#2f4e50", "#45686a", flowers=False))


def paint_path():
    base = fractal(SIZE, 31, octaves=5, base=4)
    colour = mix(rgb("#3a3242"), rgb("#5e5464"), smoothstep(0.2, 0.8, base))
    # Two worn ruts running along the path.
    y = np.arange(SIZE, dtype=np.float32)[:, None]
    wander = (periodic_noise(SIZE, (4, 1), 32)[0:1, :] - 0.5) * 30.0
    ruts = np.zeros((SIZE, SIZE), np.float32)
    for centre in (SIZE * 0.3, SIZE * 0.72):
        ruts = np.maximum(ruts, 1.0 - smoothstep(10.0, 28.0, np.abs(y - centre - wander)))
    colour = mix(colour, rgb("#2c2634"), ruts * 0.45)
    # Pebbles: pale stones with a dark shadow on their lower side.
    pebbles = _scatter(33, 70)
    shadow = _blobs([(x + 1.5, y_ + 2.0) for x, y_ in pebbles], 5.0, 34, squash=0.8)
    stones = _blobs(pebbles, 5.0, 34, squash=0.8)
    colour = mix(colour, rgb("#1e1a24"), shadow * 0.6)
    colour = mix(colour, rgb("#8a86a0"), stones * (0.6 + 0.4 * fractal(SIZE, 35, octaves=2, base=16)))
    grit = periodic_noise(SIZE, (64, 64), 36)
    return to_rgb_image(colour * (0.92 + 0.16 * grit)[:, :, None])


def paint_cobbles():
    rng = np.random.default_rng(41)
    count = 7
    step = SIZE / count
    points = [((i + 0.5 + 0.6 * (rng.random() - 0.5)) * step, (j + 0.5 + 0.6 * (rng.random() - 0.5)) * step)
              for j in range(count) for i in range(count)]
    first, second, owner = voronoi(SIZE, points)
    edge = second - first
    stone = smoothstep(2.0, 9.0, edge)
    dome = smoothstep(0.0, 30.0, edge)
    tones = rng.random(len(points)).astype(np.float32)[owner]
    base = mix(rgb("#454a64"), rgb("#6c7290"), tones)
    speckle = fractal(SIZE, 42, octaves=3, base=16)
    base = base * (0.85 + 0.25 * speckle)[:, :, None]
    # Moonlight from the top left brightens each stone's upper-left slope.
    light = np.clip(0.75 + 0.35 * dome, 0.0, 1.2)
    colour = base * light[:, :, None]
    mortar = mix(rgb("#16161f"), rgb("#2a3a3a"), smoothstep(0.55, 0.8, fractal(SIZE, 43, octaves=3, base=6)))
    return to_rgb_image(mix(mortar, colour, stone))


def paint_planks():
    rng = np.random.default_rng(51)
    boards = 4
    height = SIZE // boards
    y, x = np.mgrid[0:SIZE, 0:SIZE].astype(np.float32)
    row = (y // height).astype(int)
    within = y - row * height
    grain = fractal(SIZE, 52, octaves=4, base=2, stretch=(1, 12))
    knots = _blobs(_scatter(53, 6), 7.0, 54, squash=0.6)
    tones = rng.random(boards).astype(np.float32)[row]
    base = mix(rgb("#40364c"), rgb("#6a6076"), 0.35 + 0.4 * tones + 0.35 * (grain - 0.5))
    base = mix(base, rgb("#2a2232"), knots * 0.7)
    # Seams between boards and one butt joint per board, staggered, with a nail on each side.
    seam = 1.0 - smoothstep(1.0, 4.0, np.minimum(within, height - within))
    joints = rng.random(boards) * SIZE
    jx = joints[row]
    dx = (x - jx + SIZE / 2) % SIZE - SIZE / 2
    joint = 1.0 - smoothstep(1.0, 3.0, np.abs(dx))
    nails = np.zeros((SIZE, SIZE), np.float32)
    for b in range(boards):
        for side in (-9.0, 9.0):
            for frac in (0.3, 0.7):
                ddx, ddy = wrapped_offsets(SIZE, (joints[b] + side) % SIZE, b * height + frac * height)
                nails = np.maximum(nails, 1.0 - smoothstep(1.5, 3.0, np.hypot(ddx, ddy)))
    edge_light = smoothstep(0.0, 8.0, within) * (1.0 - 0.25 * smoothstep(height - 10.0, height, within))
    colour = base * (0.8 + 0.2 * edge_light)[:, :, None]
    colour = mix(colour, rgb("#141018"), np.maximum(seam, joint))
    colour = mix(colour, rgb("#9aa0b8"), nails)
    return to_rgb_image(colour)


def paint_soil():
    base = fractal(SIZE, 61, octaves=5, base=4)
    colour = mix(rgb("#1a1620"), rgb("#3a3040"), smoothstep(0.25, 0.85, base))
    # Tilled furrows, four to a tile, with a lighter crest on each ridge.
    y = np.arange(SIZE, dtype=np.float32)[:, None]
    wander = (periodic_noise(SIZE, (3, 1), 62)[0:1, :] - 0.5) * 12.0
    phase = np.sin(2 * np.pi * (y + wander) / (SIZE / 4))
    colour = colour * (0.8 + 0.25 * (0.5 + 0.5 * phase))[:, :, None]
    clods = _blobs(_scatter(63, 90), 4.0, 64)
    colour = mix(colour, rgb("#4a4050"), clods * 0.5)
    sprouts = _blobs(_scatter(65, 10), 2.5, 66)
    colour = mix(colour, rgb("#3e6a60"), sprouts * 0.7)
    grit = periodic_noise(SIZE, (64, 64), 67)
    return to_rgb_image(colour * (0.9 + 0.2 * grit)[:, :, None])


def paint_water_edge():
    """Grass on the upper half, dark water below, a pale moonlit rim where they meet.
    The shore wraps left to right, so the tile repeats along the water's edge."""
    y, x = np.mgrid[0:SIZE, 0:SIZE].astype(np.float32)
    shore = SIZE * 0.5 + (periodic_noise(SIZE, (5, 1), 71)[0:1, :] - 0.5) * 60.0 + \
        (periodic_noise(SIZE, (16, 1), 72)[0:1, :] - 0.5) * 16.0
    depth = y - shore  # < 0 on land, > 0 in the water
    grass = grass_field(73, flowers=False)
    bank = mix(rgb("#2a2430"), rgb("#3e3644"), fractal(SIZE, 74, octaves=3, base=8))
    land = mix(grass, bank, smoothstep(-22.0, -4.0, depth))
    ripples = fractal(SIZE, 75, octaves=3, base=2, stretch=(1, 10))
    deep = smoothstep(0.0, SIZE * 0.4, depth)
    water = mix(rgb("#1c3458"), rgb("#0b1428"), deep)
    water = water * (0.85 + 0.3 * ripples)[:, :, None]
    glints = smoothstep(0.8, 0.95, ripples) * smoothstep(0.0, 40.0, depth)
    water = mix(water, rgb("#8aa8d8"), glints * 0.5)
    colour = mix(land, water, smoothstep(-1.5, 1.5, depth))
    rim = np.exp(-((depth - 4.0) / 3.5) ** 2) + 0.5 * np.exp(-((depth - 13.0) / 3.0) ** 2) * ripples
    colour = mix(colour, rgb("#cfe0ff"), np.clip(rim, 0.0, 1.0) * 0.75)
    return to_rgb_image(colour)


# Output path under GameData/Textures/ -> painter.
PAINTERS = {
    "tile.png": paint_tile,
    "tile_grass.png": paint_grass,
    "tile_path.png": paint_path,
    "tile_cobbles.png": paint_cobbles,
    "tile_planks.png": paint_planks,
    "tile_soil.png": paint_soil,
    "tile_water_edge.png": paint_water_edge,
}
