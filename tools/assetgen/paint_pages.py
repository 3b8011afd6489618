"""Whole-screen pictures of the menus and between levels: the stage curtains of the
main menu, the loading page, the storybook frame laid over the cutscenes, and the
"page yet to be written" that stands in for a level preview the game has not
rendered yet.

Curtains are opaque and mirror images, so the two meet in one gold seam.  The
cutscene frame is transparent in its middle three quarters; its ornament keeps to
a band a little inside the picture's edge, because the game shows it enlarged by
up to 1.12 and cuts the outermost 5 per cent away.
"""

import math

import numpy as np
from PIL import ImageOps

from paint_gui import AMBER, CREAM, GOLD, MOON_PALE, MOON_RIM, NIGHT_DEEP, over, shape_mask, star_points, to_rgba
from paint_gui import vertical
from paint_kit import fractal_noise, rgb, soft_blur, stroke_noise
from paint_marks import paint_crescent, soft_halo, text_mask

VELVET_DEEP = rgb("#0f0a22")
VELVET = rgb("#2a1c52")
VELVET_SHEEN = rgb("#8c86d6")
GOLD_DARK = rgb("#a8742a")
PAPER = rgb("#e9e6f2")
PAPER_SHADE = rgb("#9aa2cc")


def grid(width, height):
    y, x = np.mgrid[0:height, 0:width].astype(np.float32)
    return x, y


def smooth(t):
    t = np.clip(t, 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def field_noise(width, height, cells, seed):
    """Smooth noise 0..1 over a width x height picture (from the square fractal field)."""
    size = max(width, height)
    return fractal_noise(size, seed, 4, cells)[:height, :width]


def opaque(colour):
    return to_rgba(colour, np.ones(colour.shape[:2], np.float32))


# ---- the stage curtains --------------------------------------------------------------

CURTAIN_SIZE = (1024, 1152)


def curtain_folds(width, height, seed):
    """The velvet's surface: deep folds hanging from the top, gathered tighter there and
    falling wider below, each fold a little unlike its neighbours.  Returns the surface's
    height 0..1 and its normal's sideways part (-1..1)."""
    x, y = grid(width, height)
    v = y / height
    rng = np.random.default_rng(seed)
    depth = field_noise(width, height, 3, seed)
    wander = (field_noise(width, height, 2, seed + 1) - 0.5) * 14.0
    period = 176.0 - 44.0 * (1.0 - v) ** 2  # pleats are narrower at the rod
    phase = 2 * np.pi * (x + wander) / period + rng.random() * 6.28
    surface = np.sin(phase) + 0.3 * np.sin(2 * phase + 1.3 + 2.0 * depth)
    surface *= 0.75 + 0.5 * depth
    low, high = surface.min(), surface.max()
    surface = (surface - low) / (high - low)
    relief = 70.0  # how deep the folds are, in pixels
    slope = np.gradient(surface, axis=1) * relief
    normal_x = -slope / np.sqrt(1.0 + slope * slope)
    return surface, normal_x


def braid(width, height, x0, x1):
    """A gold galloon down the inner edge: a band of slanted twists between two fine cords."""
    x, y = grid(width, height)
    inside = smooth((x - x0) * 0.8) * smooth((x1 - x) * 0.8)
    twist = 0.5 + 0.5 * np.sin(2 * np.pi * (y + (x - x0) * 1.6) / 22.0)
    across = np.abs((x - (x0 + x1) / 2) / ((x1 - x0) / 2))
    roundness = np.sqrt(np.clip(1.0 - across ** 2, 0.0, 1.0))
    value = (0.35 + 0.45 * twist) * (0.45 + 0.55 * roundness)
    cords = np.exp(-((x - x0 - 2.5) / 1.4) ** 2) + np.exp(-((x - x1 + 2.5) / 1.4) ** 2)
    return inside, np.clip(value + 0.45 * cords, 0.0, 1.2)


def fringe(width, height, top, length, seed):
    """A gold fringe hanging from the hem: a round cord, a tassel every so often (a bulb over a
    skirt of threads) and short threads between.  Returns its coverage and shade."""
    x, y = grid(width, height)
    rng = np.random.default_rng(seed)
    spacing = 72.0
    # Across one tassel, 0 at its middle; the inner edge falls half way between two tassels, so
    # the mirrored curtain's tassels carry on at the same spacing across the seam.
    cell = (x - (width - spacing / 2) + spacing / 2) % spacing - spacing / 2
    threads = 0.5 + 0.5 * np.sin(2 * np.pi * x / 4.0)
    jitter = rng.random(width).astype(np.float32)[None, :]
    # Between tassels: a short fringe.
    short = smooth((top + length * 0.38 + 4 * jitter - y) * 0.6) * smooth(y - top)
    # The tassel's skirt widens downwards from its bulb and ends a little ragged.
    depth = np.clip((y - top - 22) / (length - 22), 0.0, 1.0)
    skirt = smooth((10 + 12 * depth - np.abs(cell)) * 0.8) * smooth((top + length - 5 * jitter - y) * 0.6) * \
        (y > top + 18)
    bulb = smooth(1.0 - np.hypot(cell / 11.0, (y - top - 18) / 10.0)) * 1.0
    coverage = np.maximum(np.maximum(short, skirt) * (0.6 + 0.4 * threads), smooth(bulb * 6.0))
    shade = np.where(bulb > 0.02, 0.7 + 0.5 * bulb, (0.45 + 0.45 * threads) * (1.0 - 0.4 * depth))
    shade = shade * (0.75 + 0.25 * smooth(1.0 - np.abs(cell) / 20.0))
    cord = smooth(6.0 - np.abs(y - top))
    coverage = np.maximum(coverage, cord)
    shade = np.where(cord > 0.5, 0.6 + 0.5 * np.exp(-((y - top + 2) / 3.0) ** 2), shade)
    return np.clip(coverage, 0, 1), np.clip(shade, 0, 1.2)


def gold_of(shade):
    """Gold by shade 0..1.2: deep old gold in the shadows, warm gold, cream on the highlights."""
    s = np.clip(shade, 0.0, 1.2)[:, :, None]
    low = np.asarray(rgb("#3a2410"), np.float32)
    mid = np.asarray(GOLD_DARK, np.float32)
    high = np.asarray(GOLD, np.float32)
    top = np.asarray(CREAM, np.float32)
    return np.where(s < 0.5, low + (mid - low) * s / 0.5,
                    np.where(s < 1.0, mid + (high - mid) * (s - 0.5) / 0.5, high + (top - high) * (s - 1.0) / 0.2))


def paint_curtain_left():
    """The left curtain: deep night-plum velvet lit from the stage's middle (its right), with a
    moonlit sheen where the folds turn away, a gold braid down the inner edge and a gold fringe."""
    width, height = CURTAIN_SIZE
    surface, normal_x = curtain_folds(width, height, 3101)
    x, y = grid(width, height)
    v = y / height
    facing = np.sqrt(np.clip(1.0 - normal_x * normal_x, 0.0, 1.0))
    # Light from the front and the upper right: the right flank of each fold is lit, its left
    # falls into shadow, and the hollows between folds stay dark.
    diffuse = np.clip(0.78 * facing + 0.62 * normal_x, 0.0, 1.0)
    hollow = 0.3 + 0.7 * surface ** 0.8
    light = diffuse * hollow
    light *= 0.6 + 0.4 * smooth((x / width) * 1.4)              # brighter towards the stage's middle
    light *= (0.5 + 0.5 * smooth(v * 4.0)) * (1.0 - 0.3 * smooth((v - 0.7) * 3.0))
    sheen = (1.0 - facing) ** 1.5 * (0.35 + 0.65 * surface) * (0.6 + 0.4 * (normal_x > 0))
    base = np.asarray(VELVET_DEEP) + (np.asarray(VELVET) - np.asarray(VELVET_DEEP)) * 1.7 * light[:, :, None]
    pile = stroke_noise(max(width, height), 3102, direction="vertical", length=24)[:height, :width]
    colour = base * (0.96 + 0.08 * pile)[:, :, None]
    colour = colour + np.asarray(VELVET_SHEEN) * (0.42 * sheen)[:, :, None]
    # The braid down the inner edge, with the velvet's shadow along it.
    x0, x1 = width - 28, width - 1
    colour *= (1.0 - 0.3 * smooth((x - (x0 - 24)) / 24.0))[:, :, None]
    band, twist = braid(width, height, x0, x1)
    braid_colour = gold_of(twist * (0.8 + 0.25 * smooth(1.0 - v)))
    colour = colour * (1 - band[:, :, None]) + braid_colour * band[:, :, None]
    # The fringe along the hem.
    hem = height - 100
    colour *= (1.0 - 0.45 * smooth((y - (hem - 30)) / 30.0) * (y < hem))[:, :, None]
    cover, shade = fringe(width, height, hem, 94, 3103)
    below = (y > hem).astype(np.float32)
    colour = colour * (1 - below[:, :, None]) + np.asarray(VELVET_DEEP) * 0.5 * below[:, :, None]
    colour = colour * (1 - cover[:, :, None]) + gold_of(shade) * cover[:, :, None]
    return opaque(np.clip(colour, 0, 1))


def paint_curtain_right():
    """The right curtain: the left one mirrored, so the two braids meet in the middle."""
    return ImageOps.mirror(paint_curtain_left())


# ---- the loading page -----------------------------------------------------------------

def night_page(width, height, seed, moon=(0.8, 0.2)):
    """A deep night page: blues darkening to the top, a moonlit haze, soft brushed clouds,
    stars, and the tooth of painted paper."""
    x, y = grid(width, height)
    colour = vertical(height, width, rgb("#0b0e26"), rgb("#262c5c"))
    mx, my = moon[0] * width, moon[1] * height
    d = np.hypot(x - mx, y - my) / height
    colour = colour + np.asarray(rgb("#4a5594")) * (0.5 * np.exp(-d * 3.2))[:, :, None]
    clouds = field_noise(width, height, 3, seed)
    colour *= (0.9 + 0.2 * clouds)[:, :, None]
    rng = np.random.default_rng(seed + 1)
    stars_light = np.zeros((height, width), np.float32)
    for _ in range(260):
        sx, sy = int(rng.random() * width), int(rng.random() ** 1.3 * height * 0.7)
        stars_light[sy, sx] += 0.4 + 0.6 * rng.random() ** 2
    stars_light = np.clip(soft_blur(stars_light, 1) * 5.0, 0, 1)
    colour = colour + (1 - colour) * (stars_light[:, :, None] * np.asarray(rgb("#dfe6ff")))
    tooth = (fractal_noise(max(width, height), seed + 2, 3, 64)[:height, :width] - 0.5)
    return np.clip(colour * (1.0 + 0.05 * tooth)[:, :, None], 0, 1)


def kid_silhouette(width, height, foot, scale):
    """The kid seen against the night, walking: a big hooded head, a bell of a cloak, boots,
    and her lantern held out before her.  Returns her coverage and the lantern's centre."""
    fx, fy = foot
    s = scale

    def draw(c, k):
        def p(points):
            c.polygon([((fx + px * s) * k, (fy - py * s) * k) for px, py in points], fill=255)

        def e(x0, y0, x1, y1):
            c.ellipse([(fx + x0 * s) * k, (fy - y1 * s) * k, (fx + x1 * s) * k, (fy - y0 * s) * k], fill=255)
        e(-0.30, 0.72, 0.34, 1.38)                                          # hood and head
        # The hood's soft point, drooping behind her head.
        p([(-0.05, 1.37), (-0.28, 1.40), (-0.46, 1.33), (-0.58, 1.20), (-0.52, 1.21), (-0.40, 1.20),
           (-0.28, 1.06)])
        p([(-0.30, 0.30), (0.30, 0.30), (0.16, 0.80), (-0.14, 0.80)])        # cloak
        p([(-0.34, 0.28), (0.34, 0.28), (0.30, 0.36), (-0.30, 0.36)])        # hem
        e(-0.2, 0.0, 0.02, 0.14)                                            # boots, mid-stride
        e(0.06, 0.02, 0.3, 0.16)
        p([(-0.14, 0.10), (-0.04, 0.10), (-0.06, 0.32), (-0.16, 0.32)])
        p([(0.12, 0.10), (0.22, 0.10), (0.16, 0.32), (0.06, 0.32)])
        p([(0.08, 0.70), (0.16, 0.74), (0.52, 0.60), (0.48, 0.52)])          # the arm held out
        e(0.44, 0.50, 0.58, 0.64)                                           # the hand
        p([(0.505, 0.52), (0.525, 0.52), (0.525, 0.42), (0.505, 0.42)])      # the handle
    body = shape_mask(width, height, draw)
    lantern = (fx + 0.515 * s, fy - 0.34 * s)
    return body, lantern


def lantern_shape(width, height, centre, scale):
    cx, cy = centre
    s = scale

    def glass(c, k):
        c.rounded_rectangle([(cx - 0.07 * s) * k, (cy - 0.09 * s) * k, (cx + 0.07 * s) * k, (cy + 0.09 * s) * k],
                            radius=0.02 * s * k, fill=255)

    def metal(c, k):
        c.polygon([((cx - 0.085 * s) * k, (cy - 0.09 * s) * k), ((cx + 0.085 * s) * k, (cy - 0.09 * s) * k),
                   ((cx + 0.03 * s) * k, (cy - 0.14 * s) * k), ((cx - 0.03 * s) * k, (cy - 0.14 * s) * k)], fill=255)
        c.rectangle([(cx - 0.085 * s) * k, (cy + 0.09 * s) * k, (cx + 0.085 * s) * k, (cy + 0.115 * s) * k], fill=255)
    return shape_mask(width, height, glass), shape_mask(width, height, metal)


def hill_line(width, x, seed, base, swell):
    rng = np.random.default_rng(seed)
    line = np.full(width, base, np.float32)
    for k, amp in ((1.0, swell), (2.3, swell * 0.35), (5.1, swell * 0.12)):
        line -= amp * (0.5 + 0.5 * np.sin(x / width * k * 2 * np.pi + rng.random() * 6.28))
    return line


def paint_loading_screen():
    """A deep night page with the kid walking over a hill, her lantern the one warm light, and
    the word "Loading..." in moonlit cream."""
    width, height = 1920, 1080
    colour = night_page(width, height, 4100)
    x, y = grid(width, height)
    xs = np.arange(width, dtype=np.float32)
    # Two hills: a far one in haze, the near one the kid walks over.
    far = hill_line(width, xs, 4101, 800, 90)
    near = hill_line(width, xs + 300, 4102, 930, 120)
    far_mask = smooth((y - far[None, :]) + 0.5)
    near_mask = smooth((y - near[None, :]) + 0.5)
    colour = colour * (1 - far_mask[:, :, None]) + np.asarray(rgb("#1a2048")) * far_mask[:, :, None]
    colour = colour * (1 - near_mask[:, :, None]) + np.asarray(rgb("#0b0d22")) * near_mask[:, :, None]
    # A rim of moonlight along the near hill's crest.
    crest = np.exp(-((y - near[None, :] - 2.0) / 2.5) ** 2) * (y > near[None, :] - 3)
    colour = colour + np.asarray(MOON_RIM) * (0.45 * crest)[:, :, None]
    colour, _ = paint_crescent(colour, np.ones((height, width), np.float32), width, height, (1540, 200), 46, 200)
    foot_x = 1440
    foot = (foot_x, float(near[foot_x]) + 4)
    scale = 170.0
    body, lantern = kid_silhouette(width, height, foot, scale)
    alpha = np.ones((height, width), np.float32)
    # The lantern's light first: a warm pool on the hill and a wide glow in the air ...
    d = np.hypot(x - lantern[0], y - lantern[1])
    pool = np.exp(-(((x - lantern[0]) / 210.0) ** 2 + ((y - foot[1]) / 40.0) ** 2)) * near_mask
    glow = np.exp(-d / 70.0) * 0.6 + np.exp(-d / 220.0) * 0.35
    colour = 1.0 - (1.0 - colour) * (1.0 - np.clip((glow + pool * 0.5)[:, :, None] * np.asarray(AMBER), 0, 1))
    # ... then the kid against it, dark, her edges caught by moon and lantern.
    colour, _ = over(colour, alpha, rgb("#07081a"), body)
    inside = np.clip(body - np.roll(body, 3, axis=1), 0, 1)
    colour, _ = over(colour, alpha, AMBER, inside * np.clip(1.4 - d / 160.0, 0, 1) * 0.9)
    rim = np.clip(body - np.roll(body, -3, axis=1), 0, 1) * (y < foot[1] - 10)
    colour, _ = over(colour, alpha, MOON_RIM, rim * 0.7)
    glass, metal = lantern_shape(width, height, lantern, scale)
    colour, _ = over(colour, alpha, rgb("#2a1e18"), metal)
    colour, _ = over(colour, alpha, vertical(height, width, CREAM, rgb("#ffe7a0")), glass)
    colour = 1.0 - (1.0 - colour) * (1.0 - (np.exp(-d / 14.0) * 0.9)[:, :, None] * np.asarray(CREAM))
    # The word, set on the night above the hill, with a soft shadow to lift it.
    size = 88
    left, baseline = 150, 1000
    word = text_mask(width, height, "Loading...", size, (left, baseline))
    shadow = np.roll(np.roll(soft_blur(word, 5), 6, axis=0), 3, axis=1)
    colour, _ = over(colour, alpha, NIGHT_DEEP, shadow * 0.8)
    colour, _ = over(colour, alpha, MOON_RIM, soft_halo(word, 12, 0.35))
    colour, _ = over(colour, alpha, vertical(height, width, CREAM, MOON_PALE), word)
    # A few fireflies drifting near the lantern.
    rng = np.random.default_rng(4103)
    flies = np.zeros((height, width), np.float32)
    for _ in range(14):
        fx = int(lantern[0] + rng.normal(0, 150))
        fy = int(lantern[1] + rng.normal(-40, 90))
        if 0 <= fx < width and 0 <= fy < height:
            flies[fy, fx] = 1.0
    flies = np.clip(soft_blur(flies, 3) * 40.0, 0, 1)
    colour = 1.0 - (1.0 - colour) * (1.0 - flies[:, :, None] * np.asarray(rgb("#ffe066")) * 0.8)
    return opaque(np.clip(colour, 0, 1))


# ---- the cutscene frame ----------------------------------------------------------------

OVERLAY_SIZE = (1920, 1080)
OPEN_MIDDLE = 0.125   # the clear middle keeps this fraction of the width and height off each edge
FRAME_INSET = (0.08, 0.085)  # the gold rule's distance from the edges, as fractions of width, height
UNIT = 0.017          # the ornament's unit, as a fraction of the height


def circle(cx, cy, r, steps=28):
    return [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in np.linspace(0, 2 * math.pi, steps, endpoint=False)]


def vine(length, unit, seed):
    """A bramble vine lying along an edge, in the edge's own terms (along, inward): its wavy
    stem, leaves on alternate sides, and a curl at its tip."""
    rng = np.random.default_rng(seed)
    stem = [(t * length, 0.55 * unit * math.sin(t * length / (unit * 2.2))) for t in np.linspace(0, 1, 48)]
    leaves = []
    for i, t in enumerate(np.linspace(0.18, 0.82, 5)):
        px, py = stem[int(t * 47)]
        side = 1 if i % 2 else -1
        heading = 35 * side + rng.uniform(-8, 8)
        leaves.append([(px + ax, py + side * ay) for ax, ay in _leaf_points(unit * 1.3, heading * side)])
    tip_x, tip_y = stem[-1]
    curl = [(tip_x + unit * 0.9 * (0.2 + 0.8 * (1 - t)) * math.sin(2.4 * math.pi * t),
             tip_y - unit * 0.9 + unit * 0.9 * (0.2 + 0.8 * (1 - t)) * math.cos(2.4 * math.pi * t))
            for t in np.linspace(0, 1, 30)]
    return stem, leaves, curl


def _leaf_points(length, heading):
    a = math.radians(heading)
    points = []
    for k in range(24):
        t = k / 12 if k < 12 else 2 - k / 12
        side = 1 if k < 12 else -1
        along, half = t * length, side * 0.22 * length * math.sin(math.pi * t)
        points.append((along * math.cos(a) - half * math.sin(a), -(along * math.sin(a) + half * math.cos(a))))
    return points


def frame_ornament(width, height):
    """Draws the gold of the frame: a double rule, a medallion with a star on each corner and
    vines running from the corners along every edge.  Corners are mirror images of each other;
    their stars stand upright."""
    ix, iy = FRAME_INSET[0] * width, FRAME_INSET[1] * height
    unit = UNIT * height
    gap = 0.012 * height

    def draw(c, k):
        line = max(1, round(3 * k))
        thin = max(1, round(2 * k))
        for inset, w in ((0, line), (gap, thin)):
            c.rounded_rectangle([(ix + inset) * k, (iy + inset) * k, (width - ix - inset) * k,
                                 (height - iy - inset) * k], radius=unit * k, outline=255, width=w)
        for sx in (1, -1):
            for sy in (1, -1):
                ox = ix if sx > 0 else width - ix
                oy = iy if sy > 0 else height - iy
                c.polygon([(px * k, py * k) for px, py in circle(ox, oy, unit * 1.6)], fill=0, outline=255)
                c.line([(px * k, py * k) for px, py in circle(ox, oy, unit * 1.6) + [circle(ox, oy, unit * 1.6)[0]]],
                       fill=255, width=line)
                c.polygon([(px * k, py * k) for px, py in star_points(ox, oy, unit * 1.1, unit * 0.45)], fill=255)
                for horizontal in (True, False):
                    stem, leaves, curl = vine(width * 0.17 if horizontal else height * 0.2, unit, 7 + sx + 3 * sy)

                    def at(px, py, horizontal=horizontal, ox=ox, oy=oy, sx=sx, sy=sy):
                        start = unit * 2.0
                        if horizontal:
                            return ((ox + sx * (start + px)) * k, (oy + sy * (gap / 2 + py)) * k)
                        return ((ox + sx * (gap / 2 + py)) * k, (oy + sy * (start + px)) * k)
                    c.line([at(*p) for p in stem], fill=255, width=thin, joint="curve")
                    c.line([at(*p) for p in curl], fill=255, width=thin, joint="curve")
                    for leaf_points in leaves:
                        c.polygon([at(*p) for p in leaf_points], fill=255)
                    end = at(*stem[-1])
                    berry = circle(end[0] / k, end[1] / k, unit * 0.32)
                    c.polygon([(px * k, py * k) for px, py in berry], fill=255)
    return draw


def paint_cutscene_overlay():
    """The storybook frame over the cutscene pictures: a soft dark vignette deepening towards
    the edges, a double gold rule with a moonlit line inside it, star medallions on the corners
    with bramble vines running off them, a crescent at the top and stars at the foot; clear in
    the middle three quarters."""
    width, height = OVERLAY_SIZE
    x, y = grid(width, height)
    # Distance outwards from the clear middle, 0 at its edge, 1 at the picture's edge.
    mx, my = OPEN_MIDDLE * width, OPEN_MIDDLE * height
    dx = np.maximum(np.maximum(mx - x, x - (width - 1 - mx)), 0) / mx
    dy = np.maximum(np.maximum(my - y, y - (height - 1 - my)), 0) / my
    out = np.sqrt(dx * dx + dy * dy)
    colour = np.broadcast_to(np.asarray(rgb("#07081a"), np.float32), (height, width, 3)).copy()
    alpha = (smooth(out) ** 1.4 * 0.92).astype(np.float32)
    iy = FRAME_INSET[1] * height
    unit = UNIT * height
    gold = shape_mask(width, height, frame_ornament(width, height))
    # The crescent: the top medallion with a bite taken out of it, and gaps in the rules round
    # the top and bottom marks.
    cx = width / 2
    bite = shape_mask(width, height, lambda c, k: c.ellipse(
        [(cx - unit * 0.7) * k, (iy - unit * 1.75) * k, (cx + unit * 1.9) * k, (iy + unit * 0.85) * k], fill=255))
    gaps = shape_mask(width, height, lambda c, k: (
        c.rectangle([(cx - unit * 2.1) * k, (iy - unit * 2) * k, (cx + unit * 2.1) * k, (iy + unit * 2) * k],
                    fill=255),
        c.rectangle([(cx - unit * 4.4) * k, (height - iy - unit * 2) * k, (cx + unit * 4.4) * k,
                     (height - iy + unit * 2) * k], fill=255)))
    marks = shape_mask(width, height, lambda c, k: (
        c.polygon([(px * k, py * k) for px, py in circle(cx, iy, unit * 1.5)], fill=255),
        c.polygon([(px * k, py * k) for px, py in star_points(cx, height - iy, unit * 1.6, unit * 0.65)], fill=255),
        [c.polygon([(px * k, py * k) for px, py in star_points(cx + side * unit * 3.2, height - iy, unit * 0.75,
                                                               unit * 0.3)], fill=255) for side in (-1, 1)]))
    gold = np.clip(gold * (1 - gaps) + marks * (1 - bite), 0, 1)
    inner = FRAME_INSET[1] * height + 0.026 * height
    inner_x = FRAME_INSET[0] * width + 0.026 * height
    silver = shape_mask(width, height, lambda c, k: c.rounded_rectangle(
        [inner_x * k, inner * k, (width - inner_x) * k, (height - inner) * k], radius=unit * 0.8 * k, outline=255,
        width=max(1, round(1.5 * k))))
    colour, alpha = over(colour, alpha, AMBER, soft_halo(gold, 6, 0.45))
    colour, alpha = over(colour, alpha, MOON_RIM, silver * 0.85)
    colour, alpha = over(colour, alpha, vertical(height, width, CREAM, GOLD), gold)
    # Nothing may reach into the clear middle.
    clear = (dx <= 0) & (dy <= 0)
    alpha = np.where(clear, 0.0, alpha)
    return to_rgba(colour, alpha)


# ---- the page yet to be written ---------------------------------------------------------

PREVIEW_SIZE = (1280, 720)


def page_outline(cx, top, bottom, width, side, lift):
    """One page of an open book seen from above: its outer top corner lifted, the edge curving
    down into the gutter."""
    points = []
    for k in range(41):
        t = k / 40
        x = cx + side * width * t
        y = top + lift * math.sin(math.pi * t * 0.5) ** 2 - 18 * (1 - t) ** 3
        points.append((x, y))
    for k in range(40, -1, -1):
        t = k / 40
        x = cx + side * width * t
        y = bottom - 10 * math.sin(math.pi * t) + 14 * (1 - t) ** 3
        points.append((x, y))
    return points


def paint_preview_placeholder():
    """An open storybook under a moonbeam, its pages still blank but for a gold question mark
    and one faint line: "A page yet to be written"."""
    width, height = PREVIEW_SIZE
    x, y = grid(width, height)
    colour = night_page(width, height, 5100, moon=(0.18, 0.0))
    alpha = np.ones((height, width), np.float32)
    # The moonbeam falling from the upper left onto the book.
    beam_axis = np.array([0.55, 1.0]) / np.hypot(0.55, 1.0)
    rel_x, rel_y = x - width * 0.2, y + height * 0.1
    along = rel_x * beam_axis[0] + rel_y * beam_axis[1]
    across = np.abs(rel_x * beam_axis[1] - rel_y * beam_axis[0])
    beam = np.exp(-(across / (140 + 0.35 * along)) ** 2) * smooth(along / 300.0) * 0.22
    colour = colour + np.asarray(MOON_PALE) * beam[:, :, None]
    cx, top, bottom = width / 2, 230, 560
    page_w = 380
    # The cover under the pages, and the book's shadow on the night.
    cover = shape_mask(width, height, lambda c, k: c.rounded_rectangle(
        [(cx - page_w - 22) * k, (top - 4) * k, (cx + page_w + 22) * k, (bottom + 30) * k], radius=16 * k, fill=255))
    shadow = np.roll(soft_blur(cover, 18), 22, axis=0)
    colour, _ = over(colour, alpha, NIGHT_DEEP, shadow * 0.85)
    colour, _ = over(colour, alpha, vertical(height, width, rgb("#3a2660"), rgb("#1f1438")), cover)
    edge = np.clip(cover - shape_mask(width, height, lambda c, k: c.rounded_rectangle(
        [(cx - page_w - 16) * k, (top + 2) * k, (cx + page_w + 16) * k, (bottom + 24) * k], radius=12 * k,
        fill=255)), 0, 1)
    colour, _ = over(colour, alpha, GOLD, edge * 0.9)
    for side in (-1, 1):
        # The stacked leaves under the open page, then the page itself.
        for layer in (3, 2, 1):
            leaves = page_outline(cx, top + 4 * layer, bottom + 5 * layer, page_w + 4 * layer, side, -6)
            mask = shape_mask(width, height, lambda c, k, p=leaves: c.polygon([(px * k, py * k) for px, py in p],
                                                                             fill=255))
            colour, _ = over(colour, alpha, np.asarray(PAPER_SHADE) * (1.0 - 0.08 * layer), mask)
        page = page_outline(cx, top, bottom, page_w, side, -10)
        mask = shape_mask(width, height, lambda c, k, p=page: c.polygon([(px * k, py * k) for px, py in p], fill=255))
        # Paper lit by the moon from the left, shading into the gutter.
        gutter = np.exp(-np.abs(x - cx) / 46.0)
        lit = PAPER_SHADE if side > 0 else PAPER
        fill = np.broadcast_to(np.asarray(PAPER), (height, width, 3)) * (1 - 0.5 * gutter)[:, :, None]
        fill = fill * (1.0 - 0.06 * (side > 0)) + beam[:, :, None] * 0.3 * np.asarray(lit)
        grain = fractal_noise(max(width, height), 5101 + side, 3, 48)[:height, :width]
        fill = fill * (0.97 + 0.05 * grain)[:, :, None]
        colour, _ = over(colour, alpha, np.clip(fill, 0, 1), mask)
    # Faint pencilled rules on the left page, and its one line of writing.
    rules = shape_mask(width, height, lambda c, k: [c.line(
        [((cx - page_w + 50) * k, (top + 70 + 34 * i) * k), ((cx - 50) * k, (top + 72 + 34 * i) * k)],
        fill=255, width=max(1, round(1.5 * k))) for i in range(8)])
    colour, _ = over(colour, alpha, rgb("#b7bedf"), rules * 0.7)
    line = text_mask(width, height, "A page yet to be written", 26, (cx - page_w / 2 - 2, top + 98), anchor="ms")
    colour, _ = over(colour, alpha, rgb("#5a6296"), line)
    # The question mark on the right page, gold with a soft warm glow.
    mark = text_mask(width, height, "?", 250, (cx + page_w / 2, bottom - 78), anchor="ms")
    colour, _ = over(colour, alpha, AMBER, soft_halo(mark, 14, 0.5))
    colour, _ = over(colour, alpha, rgb("#8a5a20"), np.roll(np.roll(mark, 4, axis=0), 3, axis=1) * 0.6)
    colour, _ = over(colour, alpha, vertical(height, width, CREAM, GOLD), mark)
    # A ribbon marker hanging from the gutter, and a little star over the page.
    ribbon = shape_mask(width, height, lambda c, k: c.polygon(
        [((cx - 8) * k, (bottom - 10) * k), ((cx + 8) * k, (bottom - 10) * k), ((cx + 10) * k, (bottom + 70) * k),
         (cx * k, (bottom + 58) * k), ((cx - 10) * k, (bottom + 70) * k)], fill=255))
    colour, _ = over(colour, alpha, rgb("#c8306e"), ribbon)
    star = shape_mask(width, height, lambda c, k: c.polygon(
        [(px * k, py * k) for px, py in star_points(cx + page_w / 2 + 120, top + 60, 20, 7, points=4)], fill=255))
    colour, _ = over(colour, alpha, AMBER, soft_halo(star, 6, 0.7))
    colour, _ = over(colour, alpha, CREAM, star)
    return opaque(np.clip(colour, 0, 1))
