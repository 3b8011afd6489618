"""The marks shown before and on the main menu: the engine's mark "Tessary", our
studio's mark "Quillmoth", the storybook title "Brambleby" with its crescent moon
and bramble twig, and the soft white halo the menu pulses behind the title.

Each mark is drawn on a tight canvas and set in the middle of its transparent
picture, so the screens can slide, fade and grow it.  Lettering is the game's
font (GameData/Fonts/LiberationSans-Bold.ttf), letter by letter where it dances.
Shapes are drawn four times larger and scaled down (paint_gui's toolkit).
"""

import math

import numpy as np
from PIL import Image, ImageDraw

from paint_gui import (AMBER, CREAM, GOLD, MOON_PALE, MOON_RIM, NIGHT, NIGHT_DEEP, SUPERSAMPLE, blank, font,
                       over, shape_mask, star_points, to_rgba, vertical)
from paint_kit import rgb, soft_blur

SILVER = rgb("#f4f6ff")
SILVER_DEEP = rgb("#9aa6d8")
PLUM = rgb("#2a1840")
BERRY = rgb("#3b1a4a")
BERRY_RED = rgb("#ff3f8e")
LEAF = rgb("#3f7a6e")
LEAF_LIGHT = rgb("#6fae94")
TWIG = rgb("#4a3040")


# ---- shared ----------------------------------------------------------------------

def text_mask(width, height, text, size, origin, stroke=0, anchor="ls"):
    """Coverage of text drawn at origin (final pixels), optionally grown by a stroke."""
    def draw(canvas, s):
        canvas.text((origin[0] * s, origin[1] * s), text, font=font(size * s), fill=255, anchor=anchor,
                    stroke_width=stroke * s, stroke_fill=255)
    return shape_mask(width, height, draw)


def spaced_width(text, size, spacing):
    face = font(size)
    return sum(face.getlength(c) for c in text) + spacing * (len(text) - 1)


def spaced_mask(width, height, text, size, left, baseline, spacing, stroke=0):
    """Text with extra space between its letters."""
    face = font(size)

    def draw(canvas, s):
        x = left
        big = font(size * s)
        for c in text:
            canvas.text((x * s, baseline * s), c, font=big, fill=255, anchor="ls", stroke_width=stroke * s,
                        stroke_fill=255)
            x += face.getlength(c) + spacing
    return shape_mask(width, height, draw)


def centred(picture, size):
    """A transparent picture of `size` with `picture` in its middle."""
    out = Image.new("RGBA", size, (0, 0, 0, 0))
    out.alpha_composite(picture, ((size[0] - picture.width) // 2, (size[1] - picture.height) // 2))
    return out


def soft_halo(mask, radius, strength):
    return np.clip(soft_blur(mask, radius) * strength, 0.0, 1.0)


# ---- the engine's mark: Tessary ----------------------------------------------------

def cube_tiles(cx, cy, r):
    """An isometric cube seen from above as a hexagon of three faces, each cut into 2 x 2 tiles:
    (face, polygon) with face 0 the top, 1 the left, 2 the right."""
    def corner(angle, radius=r):
        a = math.radians(angle)
        return np.array([cx + radius * math.cos(a), cy - radius * math.sin(a)])
    centre = np.array([cx, cy], np.float64)
    faces = [
        (corner(90), corner(150), centre, corner(30)),      # top: up, upper left, middle, upper right
        (corner(150), corner(210), corner(270), centre),    # left
        (centre, corner(270), corner(330), corner(30)),     # right
    ]
    tiles = []
    for index, (a, b, c, d) in enumerate(faces):
        # a-b-c-d a parallelogram: split along both of its directions.
        for i in range(2):
            for j in range(2):
                def at(u, v):
                    return a + (b - a) * u + (d - a) * v
                quad = [at(i / 2, j / 2), at((i + 1) / 2, j / 2), at((i + 1) / 2, (j + 1) / 2), at(i / 2, (j + 1) / 2)]
                tiles.append((index, i, j, quad))
    return tiles


def shrink(quad, gap):
    centre = sum(quad) / len(quad)
    return [centre + (p - centre) * (1.0 - gap) for p in quad]


def paint_tessary_mark():
    """A cube of twelve moonlit tiles, one of them warm gold, beside the word in silver."""
    size_word = 176
    spacing = 6
    word_width = spaced_width("Tessary", size_word, spacing)
    r = 118
    gap = 44
    width = int(round(2 * r * 0.866 + gap + word_width)) + 80
    height = 340
    cx, cy = 40 + r * 0.866, height / 2
    colour, alpha = blank(width, height)
    hexagon = shape_mask(width, height, lambda c, s: c.polygon(
        [((cx + r * 1.08 * math.cos(math.radians(90 + 60 * k))) * s,
          (cy - r * 1.08 * math.sin(math.radians(90 + 60 * k))) * s) for k in range(6)], fill=255))
    colour, alpha = over(colour, alpha, MOON_RIM, soft_halo(hexagon, 18, 0.55))
    shades = [SILVER, rgb("#b9c3ec"), rgb("#6f7bb4")]
    accent = (0, 1, 0)  # the warm tile: on the top face, nearest the viewer's right
    for face, i, j, quad in cube_tiles(cx, cy, r):
        points = shrink(quad, 0.12)
        tile = shape_mask(width, height, lambda c, s, p=points: c.polygon([(x * s, y * s) for x, y in p], fill=255))
        if (face, i, j) == accent:
            colour, alpha = over(colour, alpha, AMBER, soft_halo(tile, 10, 0.9))
            fill = vertical(height, width, CREAM, GOLD)
        else:
            base = np.asarray(shades[face], np.float32) * (1.0 - 0.06 * (i + j))
            fill = vertical(height, width, base * 1.04, base * 0.92)
        colour, alpha = over(colour, alpha, fill, tile)
    left = cx + r * 0.866 + gap
    baseline = cy + size_word * 0.36
    word = spaced_mask(width, height, "Tessary", size_word, left, baseline, spacing)
    halo = spaced_mask(width, height, "Tessary", size_word, left, baseline, spacing, stroke=4)
    colour, alpha = over(colour, alpha, MOON_RIM, soft_halo(halo, 12, 0.5))
    colour, alpha = over(colour, alpha, vertical(height, width, SILVER, SILVER_DEEP), word)
    # A fine rule under the word with a small gold star at its end: the warm note again.
    rule_y = baseline + 62
    rule_end = left + word_width
    rule = shape_mask(width, height, lambda c, s: c.rounded_rectangle(
        [left * s, (rule_y - 2) * s, (rule_end - 40) * s, (rule_y + 2) * s], radius=2 * s, fill=255))
    colour, alpha = over(colour, alpha, MOON_RIM, rule)
    star = shape_mask(width, height, lambda c, s: c.polygon(
        [(x * s, y * s) for x, y in star_points(rule_end - 16, rule_y, 15, 6)], fill=255))
    colour, alpha = over(colour, alpha, AMBER, soft_halo(star, 6, 0.8))
    colour, alpha = over(colour, alpha, GOLD, star)
    return to_rgba(colour, alpha)


def paint_tessary_logo(size=(1920, 1080)):
    mark = paint_tessary_mark()
    target = round(size[0] * 0.45)
    mark = mark.resize((target, round(mark.height * target / mark.width)), Image.LANCZOS)
    return centred(mark, size)


# ---- our studio's mark: Quillmoth ----------------------------------------------------

def petal(root, heading, length, low, high, barbs=0, fullness=0.55):
    """A wing as a rounded petal from its root: a polar outline over the angles low..high
    (degrees from heading, y up), widest in the middle; barbs combs its outer edge into a
    quill's vane.  Returns the polygon and the tip."""
    points = [root]
    steps = 60
    for k in range(steps + 1):
        t = k / steps
        angle = math.radians(heading + low + (high - low) * t)
        reach = length * math.sin(math.pi * t) ** fullness
        if barbs:
            reach *= 1.0 - 0.045 * (0.5 + 0.5 * math.cos(2 * math.pi * barbs * t)) * t
        points.append((root[0] + reach * math.cos(angle), root[1] - reach * math.sin(angle)))
    tip_angle = math.radians(heading + (low + high) / 2)
    tip = (root[0] + length * math.cos(tip_angle), root[1] - length * math.sin(tip_angle))
    return points, tip


def mirrored(points, axis_x):
    return [(2 * axis_x - x, y) for x, y in points]


def paint_moth(width, height, cx, cy, scale):
    """The moth: forewings shaped and combed like quill feathers, with their shafts, round
    hindwings, a plump body ending in a pen's nib, feathery feelers and a drop of gold ink on
    each forewing."""
    s = scale
    fore, fore_tip = petal((cx + 8 * s, cy - 14 * s), 22, 175 * s, -38, 44, barbs=9)
    hind, _ = petal((cx + 6 * s, cy + 6 * s), -38, 112 * s, -40, 32, fullness=0.5)
    colour, alpha = blank(width, height)

    def poly(points):
        return shape_mask(width, height, lambda c, k: c.polygon([(x * k, y * k) for x, y in points], fill=255))
    wings_fore = np.maximum(poly(fore), poly(mirrored(fore, cx)))
    wings_hind = np.maximum(poly(hind), poly(mirrored(hind, cx)))
    every = np.maximum(wings_fore, wings_hind)
    colour, alpha = over(colour, alpha, MOON_RIM, soft_halo(every, 16 * s, 0.55))
    colour, alpha = over(colour, alpha, vertical(height, width, rgb("#c9c3ea"), rgb("#8a86c4")), wings_hind)
    colour, alpha = over(colour, alpha, NIGHT_DEEP, np.clip(soft_blur(wings_fore, 3 * s) * 1.5, 0, 1) * 0.5)
    colour, alpha = over(colour, alpha, vertical(height, width, SILVER, rgb("#b8c0ea")), wings_fore)
    root = (cx + 8 * s, cy - 14 * s)

    def shafts(c, k):
        for sign in (1, -1):
            ends = [(root[0] - cx) * sign + cx, root[1]], [(fore_tip[0] - cx) * 0.93 * sign + cx,
                                                         root[1] + (fore_tip[1] - root[1]) * 0.93]
            c.line([(x * k, y * k) for x, y in ends], fill=255, width=max(1, round(4 * s * k)))
    colour, alpha = over(colour, alpha, rgb("#8690c8"), shape_mask(width, height, shafts))
    # The vane's barbs: faint strokes slanting from the shaft towards the tip on both sides.
    along = np.array(fore_tip) - np.array(root)
    across = np.array([-along[1], along[0]]) / np.linalg.norm(along)

    def barbs(c, k):
        for t in np.linspace(0.22, 0.84, 7):
            start = np.array(root) + along * t * 0.93
            for side in (1, -1):
                end = start + across * side * 52 * s * (1 - t * 0.5) + along * 0.12
                for sign in (1, -1):
                    a = ((start[0] - cx) * sign + cx, start[1])
                    b = ((end[0] - cx) * sign + cx, end[1])
                    c.line([(a[0] * k, a[1] * k), (b[0] * k, b[1] * k)], fill=255, width=max(1, round(2 * s * k)))
    colour, alpha = over(colour, alpha, rgb("#a9b2e2"), shape_mask(width, height, barbs) * wings_fore * 0.8)
    # Ink drops: gold spots on the forewings.
    spot_x = root[0] + (fore_tip[0] - root[0]) * 0.62
    spot_y = root[1] + (fore_tip[1] - root[1]) * 0.62 + 26 * s
    spots = shape_mask(width, height, lambda c, k: [c.ellipse(
        [(x - 12 * s) * k, (spot_y - 12 * s) * k, (x + 12 * s) * k, (spot_y + 12 * s) * k], fill=255)
        for x in (spot_x, 2 * cx - spot_x)])
    colour, alpha = over(colour, alpha, AMBER, soft_halo(spots, 5 * s, 0.8))
    colour, alpha = over(colour, alpha, GOLD, spots)
    # The body: a round head over a long abdomen that ends in a nib.
    body = shape_mask(width, height, lambda c, k: (
        c.ellipse([(cx - 17 * s) * k, (cy - 46 * s) * k, (cx + 17 * s) * k, (cy - 12 * s) * k], fill=255),
        c.ellipse([(cx - 15 * s) * k, (cy - 20 * s) * k, (cx + 15 * s) * k, (cy + 58 * s) * k], fill=255),
        c.polygon([((cx - 11 * s) * k, (cy + 46 * s) * k), ((cx + 11 * s) * k, (cy + 46 * s) * k),
                   (cx * k, (cy + 98 * s) * k)], fill=255)))
    slit = shape_mask(width, height, lambda c, k: c.line(
        [(cx * k, (cy + 60 * s) * k), (cx * k, (cy + 90 * s) * k)], fill=255, width=max(1, round(3 * s * k))))
    colour, alpha = over(colour, alpha, NIGHT_DEEP, np.clip(soft_blur(body, 2) * 2.2, 0, 1))
    colour, alpha = over(colour, alpha, vertical(height, width, rgb("#e8e2ff"), rgb("#9a90c8")), body)
    colour, alpha = over(colour, alpha, NIGHT, slit)

    def feelers(c, k):
        for sign in (1, -1):
            pts = [((cx + sign * (7 * s + 34 * s * t + 18 * s * t * t)) * k,
                    (cy - 42 * s - 62 * s * math.sin(math.pi * t * 0.55)) * k) for t in np.linspace(0, 1, 10)]
            c.line(pts, fill=255, width=max(1, round(3 * s * k)), joint="curve")
            for x, y in pts[4::2]:
                c.line([(x, y), (x + sign * 9 * s * k, y - 6 * s * k)], fill=255, width=max(1, round(2 * s * k)))
    colour, alpha = over(colour, alpha, SILVER, shape_mask(width, height, feelers))
    return colour, alpha


def paint_team_logo(size=(1920, 1080)):
    width, height = 900, 640
    colour, alpha = paint_moth(width, height, width / 2, 220, 1.25)
    word_size, spacing = 112, 18
    word_width = spaced_width("QUILLMOTH", word_size, spacing)
    left = (width - word_width) / 2
    baseline = 500
    word = spaced_mask(width, height, "QUILLMOTH", word_size, left, baseline, spacing)
    colour, alpha = over(colour, alpha, MOON_RIM, soft_halo(word, 10, 0.45))
    colour, alpha = over(colour, alpha, vertical(height, width, SILVER, SILVER_DEEP), word)
    small, small_spacing = 38, 22
    line_width = spaced_width("STUDIO", small, small_spacing)
    label = spaced_mask(width, height, "STUDIO", small, (width - line_width) / 2, 572, small_spacing)
    colour, alpha = over(colour, alpha, GOLD, label)
    # Two fine strokes of ink either side of the small word.
    strokes = shape_mask(width, height, lambda c, k: [c.rounded_rectangle(
        [x0 * k, 556 * k, x1 * k, 560 * k], radius=2 * k, fill=255)
        for x0, x1 in (((width - line_width) / 2 - 130, (width - line_width) / 2 - 30),
                       ((width + line_width) / 2 + 30, (width + line_width) / 2 + 130))])
    colour, alpha = over(colour, alpha, MOON_RIM, strokes)
    mark = to_rgba(colour, alpha)
    # About a third of the screen wide: the screen grows it slowly as it fades in.
    target = round(size[0] * 0.36)
    mark = mark.resize((target, round(mark.height * target / mark.width)), Image.LANCZOS)
    return centred(mark, size)


# ---- the title: Brambleby --------------------------------------------------------

TITLE = "Brambleby"
TITLE_SIZE = (1600, 600)
TITLE_FONT = 250
TITLE_INITIAL = 318  # the first letter stands taller, as a storybook's initial does
TITLE_OUTLINE = 15
TITLE_RIM = 6


def title_layout():
    """Each letter's size, baseline point and turn: the word rides a gentle arch, each letter
    leaning with it and bobbing a little, as if hand-set."""
    width, height = TITLE_SIZE
    sizes = [TITLE_INITIAL] + [TITLE_FONT] * (len(TITLE) - 1)
    advances = [font(size).getlength(c) for c, size in zip(TITLE, sizes)]
    tracking = 4
    total = sum(advances) + tracking * (len(TITLE) - 1)
    x = (width - total) / 2
    half = total / 2
    centre = width / 2
    base, arch = 392, 34
    bob = [6, -4, 5, -6, 3, -5, 6, -3, 4]
    lean = [-2.0, 1.5, -1.0, 2.0, -1.5, 1.0, -2.0, 1.5, 2.5]
    layout = []
    for i, (c, size, advance) in enumerate(zip(TITLE, sizes, advances)):
        mid = x + advance / 2
        u = (mid - centre) / half
        y = base - arch * (1 - u * u) + bob[i]
        slope = math.degrees(math.atan(2 * arch * u / half))
        layout.append((c, size, (mid, y), slope + lean[i]))
        x += advance + tracking
    return layout


def letter_masks(layout, stroke):
    """Coverage of all letters (grown by stroke), each drawn alone, turned about its baseline
    middle and laid on the title's canvas; drawn large and scaled down."""
    width, height = TITLE_SIZE
    k = SUPERSAMPLE
    canvas = Image.new("L", (width * k, height * k), 0)
    for c, size, (mx, my), turn in layout:
        face = font(size * k)
        pad = (size + stroke * 4) * k
        tile = Image.new("L", (2 * pad, 2 * pad), 0)
        ImageDraw.Draw(tile).text((pad, pad), c, font=face, fill=255, anchor="ms", stroke_width=stroke * k,
                                  stroke_fill=255)
        tile = tile.rotate(turn, resample=Image.BICUBIC, center=(pad, pad))
        box = (round(mx * k) - pad, round(my * k) - pad)
        region = canvas.crop((box[0], box[1], box[0] + 2 * pad, box[1] + 2 * pad))
        canvas.paste(Image.fromarray(np.maximum(np.asarray(region), np.asarray(tile))), box)
    return np.asarray(canvas.resize((width, height), Image.BOX), np.float32) / 255.0


def leaf(cx, cy, length, heading, breadth=0.42, teeth=5):
    """A bramble leaf: a pointed oval with a toothed edge, as a polygon."""
    points = []
    a = math.radians(heading)
    for k in range(2 * 24):
        t = k / 24 if k < 24 else 2 - k / 24
        side = 1 if k < 24 else -1
        along = t * length
        half = breadth * length * math.sin(math.pi * t) ** 0.8 * 0.5
        half *= 1.0 + 0.12 * (0.5 + 0.5 * math.cos(2 * math.pi * teeth * t))
        px, py = along, side * half
        points.append((cx + px * math.cos(a) - py * math.sin(a), cy - px * math.sin(a) - py * math.cos(a)))
    return points


def twig_path():
    """The bramble's stem: from under the initial, along beneath the word, curling up at the end."""
    points = []
    for k in range(80):
        t = k / 79
        x = 140 + 1170 * t
        y = 478 + 26 * math.sin(2 * math.pi * (t * 1.6 + 0.1)) - 40 * max(0.0, t - 0.85) ** 2 * 40
        points.append((x, y))
    return points


def paint_twig(colour, alpha, width, height):
    path = twig_path()

    def stem(c, k):
        for i in range(len(path) - 1):
            t = i / (len(path) - 1)
            w = 17 - 9 * t
            c.line([(path[i][0] * k, path[i][1] * k), (path[i + 1][0] * k, path[i + 1][1] * k)], fill=255,
                   width=max(1, round(w * k)))
            c.ellipse([(path[i][0] - w / 2) * k, (path[i][1] - w / 2) * k, (path[i][0] + w / 2) * k,
                       (path[i][1] + w / 2) * k], fill=255)

    def thorns(c, k):
        for i in range(4, len(path) - 3, 6):
            (x0, y0), (x1, y1) = path[i], path[i + 1]
            d = math.atan2(y1 - y0, x1 - x0)
            side = 1 if (i // 6) % 2 else -1
            w = 14 - 7 * i / len(path)
            nx, ny = -math.sin(d) * side, math.cos(d) * side
            base = [(x0 - math.cos(d) * w, y0 - math.sin(d) * w),
                    (x0 + math.cos(d) * w * 0.4, y0 + math.sin(d) * w * 0.4)]
            tip = (x0 + nx * w * 1.6 + math.cos(d) * w * 0.9, y0 + ny * w * 1.6 + math.sin(d) * w * 0.9)
            c.polygon([(p[0] * k, p[1] * k) for p in base + [tip]], fill=255)
    wood = np.maximum(shape_mask(width, height, stem), shape_mask(width, height, thorns))
    colour, alpha = over(colour, alpha, NIGHT_DEEP, np.clip(soft_blur(wood, 3) * 2.5, 0, 1) * 0.9)
    colour, alpha = over(colour, alpha, vertical(height, width, rgb("#7a5a6e"), TWIG), wood)
    # Leaves in threes along the stem, lit from above.
    for index, heading, length in ((10, 120, 104), (30, -60, 96), (47, 70, 92), (62, -110, 84), (77, 55, 76)):
        x, y = path[index]
        for turn, scale in ((0, 1.0), (-38, 0.72), (38, 0.72)):
            shape = leaf(x, y, length * scale, heading + turn)
            mask = shape_mask(width, height, lambda c, k, p=shape: c.polygon([(px * k, py * k) for px, py in p],
                                                                            fill=255))
            colour, alpha = over(colour, alpha, NIGHT_DEEP, np.clip(soft_blur(mask, 2) * 2.0, 0, 1) * 0.8)
            colour, alpha = over(colour, alpha, vertical(height, width, LEAF_LIGHT, LEAF), mask)
            tip = (x + length * scale * 0.9 * math.cos(math.radians(heading + turn)),
                   y - length * scale * 0.9 * math.sin(math.radians(heading + turn)))
            vein = shape_mask(width, height, lambda c, k, t=tip: c.line([(x * k, y * k), (t[0] * k, t[1] * k)],
                                                                         fill=255, width=max(1, round(2 * k))))
            colour, alpha = over(colour, alpha, LEAF, vein * mask)
    # Berries: two ripe, dark and glossy, and one not yet ripe, candy pink.
    for index, lift, ripe in ((22, 30, True), (40, 34, False), (70, 28, True)):
        x, y = path[index]
        colour, alpha = paint_berry(colour, alpha, width, height, (x, y + lift), ripe)
    return colour, alpha


def paint_berry(colour, alpha, width, height, centre, ripe):
    """A blackberry: a cluster of round drupelets, each with its own moonlit glint."""
    cx, cy = centre
    r = 11.0
    seeds = [(0, 0)] + [(math.cos(a) * r * 1.5, math.sin(a) * r * 1.5)
                        for a in np.linspace(0, 2 * math.pi, 7)[:-1]] + [(0, -r * 2.4), (-r * 1.2, -r * 2.0),
                                                                         (r * 1.2, -r * 2.0)]
    cluster = shape_mask(width, height, lambda c, k: [c.ellipse(
        [(cx + dx - r) * k, (cy + dy - r) * k, (cx + dx + r) * k, (cy + dy + r) * k], fill=255) for dx, dy in seeds])
    colour, alpha = over(colour, alpha, NIGHT_DEEP, np.clip(soft_blur(cluster, 2) * 2.2, 0, 1))
    body = vertical(height, width, rgb("#6a3a7a"), BERRY) if ripe else vertical(height, width, rgb("#ff8fb0"),
                                                                                 BERRY_RED)
    colour, alpha = over(colour, alpha, body, cluster)
    glints = shape_mask(width, height, lambda c, k: [c.ellipse(
        [(cx + dx - r * 0.55) * k, (cy + dy - r * 0.6) * k, (cx + dx - r * 0.1) * k, (cy + dy - r * 0.15) * k],
        fill=255) for dx, dy in seeds])
    colour, alpha = over(colour, alpha, MOON_PALE, glints * 0.75)
    return colour, alpha


def paint_crescent(colour, alpha, width, height, centre, radius, turn):
    """A crescent moon: a disc with a second disc taken out, pale gold, glowing."""
    cx, cy = centre
    a = math.radians(turn)
    ox, oy = cx + radius * 0.45 * math.cos(a), cy - radius * 0.45 * math.sin(a)
    disc = shape_mask(width, height, lambda c, k: c.ellipse(
        [(cx - radius) * k, (cy - radius) * k, (cx + radius) * k, (cy + radius) * k], fill=255))
    bite = shape_mask(width, height, lambda c, k: c.ellipse(
        [(ox - radius * 0.86) * k, (oy - radius * 0.86) * k, (ox + radius * 0.86) * k, (oy + radius * 0.86) * k],
        fill=255))
    crescent = disc * (1.0 - bite)
    colour, alpha = over(colour, alpha, AMBER, soft_halo(crescent, 16, 0.55))
    colour, alpha = over(colour, alpha, NIGHT_DEEP, np.clip(soft_blur(crescent, 2) * 2.5, 0, 1))
    colour, alpha = over(colour, alpha, vertical(height, width, CREAM, GOLD), crescent)
    return colour, alpha


def title_art():
    """The title's colour and coverage, before the halo is made from it."""
    width, height = TITLE_SIZE
    layout = title_layout()
    fill = letter_masks(layout, 0)
    rim = letter_masks(layout, TITLE_RIM)
    outline = letter_masks(layout, TITLE_OUTLINE)
    colour, alpha = blank(width, height)
    shadow = np.roll(np.roll(soft_blur(outline, 6), 12, axis=0), 6, axis=1)
    colour, alpha = over(colour, alpha, NIGHT_DEEP, shadow * 0.75)
    colour, alpha = paint_twig(colour, alpha, width, height)
    colour, alpha = over(colour, alpha, rgb("#1a0f2a"), outline)
    colour, alpha = over(colour, alpha, MOON_RIM, rim)
    # Cream at the top of each line of letters to a moonlit lilac at their feet, with a sheen.
    y = np.arange(height, dtype=np.float32)[:, None]
    t = np.clip((y - 180) / 230.0, 0, 1)[:, :, None]
    face = (1 - t) * np.asarray(CREAM) + t * np.asarray(rgb("#b9b4e6"))
    face = np.broadcast_to(face, (height, width, 3)).copy()
    sheen = np.exp(-((y - 270) / 22.0) ** 2)[:, :, None] * 0.12
    face = np.clip(face + sheen, 0, 1)
    colour, alpha = over(colour, alpha, face, fill)
    colour, alpha = paint_crescent(colour, alpha, width, height, (1428, 118), 62, 210)

    def twinkles(c, k):
        for x, y0, r in ((1326, 78, 16), (1512, 218, 11), (204, 96, 13), (1262, 170, 8)):
            c.polygon([(px * k, py * k) for px, py in star_points(x, y0, r, r * 0.38, points=4)], fill=255)
    stars = shape_mask(width, height, twinkles)
    colour, alpha = over(colour, alpha, AMBER, soft_halo(stars, 6, 0.7))
    colour, alpha = over(colour, alpha, CREAM, stars)
    return colour, alpha


def paint_title():
    return to_rgba(*title_art())


def paint_title_glow():
    """A soft white halo the shape of the title: full near the letters, falling smoothly to
    nothing well inside the picture's edges, so the menu can pulse it behind the title."""
    _colour, alpha = title_art()
    letters = letter_masks(title_layout(), TITLE_OUTLINE)
    # Strongest round the letters, a fainter breath round the twig and the moon.
    body = soft_blur(letters, 52) * 2.3
    trim = soft_blur(alpha, 48) * 1.2
    halo = np.clip(np.maximum(body, trim), 0.0, 1.0)
    halo = halo * halo * (3.0 - 2.0 * halo)
    width, height = TITLE_SIZE
    y, x = np.mgrid[0:height, 0:width].astype(np.float32)
    # Fade to nothing over the last 40 pixels, so no edge of the picture ever shows.
    edge = np.minimum.reduce([x, width - 1 - x, y, height - 1 - y])
    halo *= np.clip(edge / 40.0, 0.0, 1.0)
    white = np.ones((height, width, 3), np.float32)
    return to_rgba(white, halo * 0.9)
