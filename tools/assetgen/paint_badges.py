"""Round badges: the rank seals S, A, B, C and D of the results screen and the level
selection, and the achievement icons, each achievement's emblem on a night-blue
medallion with a gold rim, and its locked twin, the emblem a dim grey silhouette
with a small padlock.

All are 256 x 256 with a transparent surround, and must still read at 60 pixels:
one bold shape in the middle, a dark outline round it, nothing fine.  The emblems
are the achievement banners' own (paint_gui.emblem), so an icon and its banner
show the same picture.
"""

import math

import numpy as np

from paint_gui import AMBER, CREAM, GOLD, MOON_PALE, NIGHT, NIGHT_DEEP, blank, emblem, over, shape_mask, to_rgba
from paint_gui import star_points, vertical
from paint_kit import rgb, soft_blur
from paint_marks import soft_halo, text_mask

BADGE = 256

# A rank: its seal's light and dark colour, the letter's colour, and whether it glows.
RANKS = {
    "S": (rgb("#ffe08a"), rgb("#c07a1a"), CREAM, True),
    "A": (rgb("#eef1ff"), rgb("#7d88bc"), rgb("#ffffff"), False),
    "B": (rgb("#7fdcc4"), rgb("#1f6e64"), rgb("#effff8"), False),
    "C": (rgb("#c9b6ea"), rgb("#6a5896"), rgb("#f6f0ff"), False),
    "D": (rgb("#a8968a"), rgb("#55473f"), rgb("#efe6de"), False),
}

# Each emblem's colours on its unlocked icon: the top and the foot of its fill.
EMBLEM_COLOURS = {
    "star": (CREAM, GOLD),
    "lantern": (rgb("#fffbe0"), rgb("#ffb232")),
    "tree": (rgb("#9fe0c0"), rgb("#3f8a74")),
    "key": (rgb("#fff0b0"), rgb("#ffc23a")),
    "feather": (rgb("#ffffff"), rgb("#b9b4e6")),
    "candy": (rgb("#ffe066"), rgb("#ff3f8e")),
    "moon": (rgb("#fffbe0"), rgb("#c9d0f0")),
    "hammer": (rgb("#e6eaff"), rgb("#8a94c8")),
    "sun": (rgb("#fff2a0"), rgb("#ff9a32")),
    "owl": (rgb("#f0d2b0"), rgb("#a8764e")),
}
LOCKED_EMBLEM = rgb("#4e5268")
LOCKED_RIM = rgb("#5a5c6a")


def disc(radius, cx=BADGE / 2, cy=BADGE / 2):
    return shape_mask(BADGE, BADGE, lambda c, k: c.ellipse(
        [(cx - radius) * k, (cy - radius) * k, (cx + radius) * k, (cy + radius) * k], fill=255))


def scalloped(radius, bumps, depth):
    """A seal's rim: a circle whose edge swells into round bumps."""
    centre = BADGE / 2
    points = []
    for k in range(bumps * 12):
        a = 2 * math.pi * k / (bumps * 12)
        r = radius - depth + depth * abs(math.cos(bumps * a / 2))
        points.append((centre + r * math.cos(a), centre + r * math.sin(a)))
    return shape_mask(BADGE, BADGE, lambda c, k: c.polygon([(x * k, y * k) for x, y in points], fill=255))


def radial(light, dark, cx=0.42, cy=0.36):
    """Light at an upper-left point of the badge, dark towards the far edge: a domed look."""
    y, x = np.mgrid[0:BADGE, 0:BADGE].astype(np.float32) / BADGE
    d = np.clip(np.hypot(x - cx, y - cy) / 0.7, 0.0, 1.0)[:, :, None]
    return (1 - d) * np.asarray(light, np.float32) + d * np.asarray(dark, np.float32)


# ---- rank seals -----------------------------------------------------------------------

def paint_rank(letter):
    """A round seal with a scalloped rim and the rank's letter, big and outlined; S glows gold."""
    light, dark, ink, glows = RANKS[letter]
    colour, alpha = blank(BADGE, BADGE)
    rim = scalloped(118 if glows else 122, 16, 9)
    if glows:
        colour, alpha = over(colour, alpha, AMBER, soft_halo(rim, 6, 0.9))
    colour, alpha = over(colour, alpha, NIGHT_DEEP, np.clip(soft_blur(rim, 2) * 2.0, 0, 1))
    colour, alpha = over(colour, alpha, radial(light, dark), rim)
    face = disc(92)
    colour, alpha = over(colour, alpha, NIGHT_DEEP, disc(97) * 0.8)
    colour, alpha = over(colour, alpha, radial(np.asarray(dark) * 1.05, np.asarray(dark) * 0.45, 0.4, 0.3), face)
    # A thin bright ring inside the face, and little stars on the rim for S.
    ring = np.clip(disc(86) - disc(82), 0, 1)
    colour, alpha = over(colour, alpha, light, ring * 0.7)
    size = 168
    origin = (BADGE / 2, BADGE / 2 + size * 0.36)
    outline = text_mask(BADGE, BADGE, letter, size, origin, stroke=9, anchor="ms")
    mark = text_mask(BADGE, BADGE, letter, size, origin, anchor="ms")
    colour, alpha = over(colour, alpha, NIGHT_DEEP, np.roll(np.roll(soft_blur(outline, 3), 5, axis=0), 3, axis=1))
    colour, alpha = over(colour, alpha, NIGHT_DEEP, outline)
    if glows:
        colour, alpha = over(colour, alpha, AMBER, soft_halo(mark, 7, 0.8) * outline)
    colour, alpha = over(colour, alpha, vertical(BADGE, BADGE, ink, np.asarray(light) * 0.92), mark)
    if glows:
        sparks = shape_mask(BADGE, BADGE, lambda c, k: [c.polygon(
            [(x * k, y * k) for x, y in star_points(cx, cy, r, r * 0.35, points=4)], fill=255)
            for cx, cy, r in ((200, 54, 17), (60, 206, 12), (212, 190, 9))])
        colour, alpha = over(colour, alpha, AMBER, soft_halo(sparks, 4, 0.8))
        colour, alpha = over(colour, alpha, CREAM, sparks)
    return to_rgba(colour, alpha)


# ---- achievement icons ----------------------------------------------------------------------

def emblem_mask(kind):
    return shape_mask(BADGE, BADGE, emblem(kind, BADGE / 2, BADGE / 2, 72))


def medallion(rim_light, rim_dark, field_top, field_bottom, glow):
    colour, alpha = blank(BADGE, BADGE)
    outer = disc(120)
    if glow:
        colour, alpha = over(colour, alpha, AMBER, soft_halo(outer, 5, 0.6))
    colour, alpha = over(colour, alpha, NIGHT_DEEP, np.clip(soft_blur(outer, 2) * 2.0, 0, 1))
    colour, alpha = over(colour, alpha, radial(rim_light, rim_dark), outer)
    colour, alpha = over(colour, alpha, NIGHT_DEEP, disc(105))
    colour, alpha = over(colour, alpha, vertical(BADGE, BADGE, field_top, field_bottom), disc(101))
    return colour, alpha


def paint_achievement_icon(index, entry):
    """The emblem in its colours on a night-blue medallion with a gold rim."""
    top, bottom = EMBLEM_COLOURS[entry.emblem]
    colour, alpha = medallion(rgb("#fff0b0"), rgb("#c8922a"), rgb("#3a447e"), NIGHT, True)
    mark = emblem_mask(entry.emblem)
    colour, alpha = over(colour, alpha, np.asarray(bottom), soft_halo(mark, 8, 0.55) * disc(101))
    colour, alpha = over(colour, alpha, NIGHT_DEEP, np.clip(soft_blur(mark, 3) * 2.4, 0, 1) * disc(101))
    if entry.emblem == "lantern":
        # A flame behind the glass: the emblem's window shows it.
        colour, alpha = over(colour, alpha, CREAM, np.clip(disc(26, BADGE / 2, BADGE / 2 + 4) * 1.0, 0, 1))
        colour, alpha = over(colour, alpha, AMBER, soft_halo(disc(16, BADGE / 2, BADGE / 2 + 8), 8, 0.9))
    fill = vertical(BADGE, BADGE, top, bottom)
    if entry.emblem == "candy":
        # Pink sweet, yellow twists either side.
        x = np.arange(BADGE, dtype=np.float32)[None, :, None]
        ends = (np.abs(x - BADGE / 2) > 72 * 0.47).astype(np.float32)
        fill = vertical(BADGE, BADGE, rgb("#ff8fb0"), rgb("#ff3f8e")) * (1 - ends) + \
            vertical(BADGE, BADGE, rgb("#fff2a0"), rgb("#ffe066")) * ends
    colour, alpha = over(colour, alpha, fill, mark)
    return to_rgba(colour, alpha)


def padlock(cx, cy, size):
    """A small padlock: a shackle over a rounded body with a keyhole cut out."""
    def draw(c, k):
        w = size * 0.16
        c.arc([(cx - size * 0.32) * k, (cy - size * 0.78) * k, (cx + size * 0.32) * k, (cy - size * 0.1) * k],
              180, 360, fill=255, width=max(1, round(w * k)))
        for sx in (-1, 1):
            c.rectangle([(cx + sx * size * 0.32 - w / 2) * k, (cy - size * 0.44) * k,
                         (cx + sx * size * 0.32 + w / 2) * k, (cy - size * 0.05) * k], fill=255)
        c.rounded_rectangle([(cx - size * 0.5) * k, (cy - size * 0.12) * k, (cx + size * 0.5) * k,
                             (cy + size * 0.62) * k], radius=size * 0.12 * k, fill=255)
        c.ellipse([(cx - size * 0.09) * k, (cy + size * 0.1) * k, (cx + size * 0.09) * k, (cy + size * 0.28) * k],
                  fill=0)
        c.polygon([((cx - size * 0.05) * k, (cy + size * 0.22) * k), ((cx + size * 0.05) * k, (cy + size * 0.22) * k),
                   ((cx + size * 0.08) * k, (cy + size * 0.45) * k), ((cx - size * 0.08) * k, (cy + size * 0.45) * k)],
                  fill=0)
    return shape_mask(BADGE, BADGE, draw)


def paint_locked_icon(index, entry):
    """The same emblem as a dim grey silhouette on a darkened medallion, a padlock at its foot."""
    colour, alpha = medallion(rgb("#8a8c98"), rgb("#3e404c"), rgb("#22263e"), rgb("#14162a"), False)
    mark = emblem_mask(entry.emblem)
    colour, alpha = over(colour, alpha, LOCKED_EMBLEM, mark)
    cx, cy, size = 188, 184, 58
    lock = padlock(cx, cy, size)
    backing = disc(size * 0.62, cx, cy + size * 0.12)
    colour, alpha = over(colour, alpha, NIGHT_DEEP, np.clip(soft_blur(backing, 2) * 1.6, 0, 1))
    colour, alpha = over(colour, alpha, vertical(BADGE, BADGE, rgb("#2a2e48"), rgb("#1a1c30")), backing)
    colour, alpha = over(colour, alpha, vertical(BADGE, BADGE, MOON_PALE, rgb("#8a90b0")), lock)
    return to_rgba(colour, alpha)
