"""The GUI pictures: buttons (idle, hover, pressed, disabled side by side), the
close button, the text box field, the mouse cursor's twinkle, the panel, the
black overlay and the ten achievement banners, all RGBA in GameData/Textures/GUI/.
Run as a script it also paints the whole pictures (paint_pictures.py: marks, menu,
loading page, cutscene frame, ranks, achievement icons, the level previews' stand-in
where a preview is missing) and lays everything out on docs/art/gui_sheet.png over
a night backdrop, at the sizes the screens show them, with sample text, so
legibility can be judged.

The look: night-blue fields with moonlit rims; warm gold means "this reacts to
you" (hover, focus) and a pressed button sinks, darkens and loses its glow.
Shapes are drawn four times larger and scaled down, so edges are smooth.
Every random field has a fixed seed.

Usage: /usr/bin/python3 paint_gui.py TEXTURES_DIR SHEET_PNG
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import manifest  # noqa: E402
from paint_kit import fractal_noise, rgb, stroke_noise  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = os.path.join(HERE, "..", "..", "GameData", "Fonts", "LiberationSans-Bold.ttf")
SUPERSAMPLE = 4

NIGHT_DEEP = rgb("#141832")
NIGHT = rgb("#1e2244")
NIGHT_LIGHT = rgb("#2e3670")
MOON_RIM = rgb("#6a74a8")
MOON_PALE = rgb("#c9d0f0")
CREAM = rgb("#fffbe0")
GOLD = rgb("#ffd35a")
AMBER = rgb("#ffb232")
DUSK_GREY = rgb("#4a4c5c")


# ---- toolkit -------------------------------------------------------------

def shape_mask(width, height, draw):
    """Coverage 0..1 of the shapes `draw(ImageDraw, scale)` paints in white, drawn large and
    scaled down so edges are antialiased."""
    big = Image.new("L", (width * SUPERSAMPLE, height * SUPERSAMPLE), 0)
    draw(ImageDraw.Draw(big), SUPERSAMPLE)
    small = big.resize((width, height), Image.BOX)
    return np.asarray(small, np.float32) / 255.0


def rounded(box, radius):
    """A drawer of one filled rounded rectangle (x0, y0, x1, y1) in final pixels."""
    def draw(canvas, s):
        canvas.rounded_rectangle([v * s for v in box], radius=radius * s, fill=255)
    return draw


def blur(field, radius):
    image = Image.fromarray(field.astype(np.float32), mode="F")
    small = image.resize((max(1, field.shape[1] // radius), max(1, field.shape[0] // radius)), Image.BILINEAR)
    return np.asarray(small.resize((field.shape[1], field.shape[0]), Image.BICUBIC), np.float32)


def vertical(height, width, top, bottom):
    t = np.linspace(0.0, 1.0, height, dtype=np.float32)[:, None, None]
    field = (1.0 - t) * np.asarray(top, np.float32) + t * np.asarray(bottom, np.float32)
    return np.repeat(field, width, axis=1)


def brushed(colour, seed, strength=0.08):
    """A faint hand-painted value variation: paint, not flat vector fill."""
    height, width = colour.shape[:2]
    size = max(height, width)
    value = 1.0 + strength * ((stroke_noise(size, seed) - 0.5) + (fractal_noise(size, seed + 1, 3, 3) - 0.5))
    return colour * value[:height, :width, None]


def over(colour, alpha, top, top_alpha):
    """`top` (colour field or one colour) with coverage `top_alpha` laid over colour/alpha."""
    top = np.broadcast_to(np.asarray(top, np.float32), colour.shape)
    a = np.clip(top_alpha, 0.0, 1.0)[:, :, None]
    out_alpha = a[:, :, 0] + alpha * (1.0 - a[:, :, 0])
    safe = np.maximum(out_alpha, 1e-6)[:, :, None]
    out = (top * a + colour * alpha[:, :, None] * (1.0 - a)) / safe
    return out, out_alpha


def blank(width, height):
    return np.zeros((height, width, 3), np.float32), np.zeros((height, width), np.float32)


def to_rgba(colour, alpha):
    pixels = np.dstack([np.clip(colour, 0, 1), np.clip(alpha, 0, 1)[:, :, None]])
    return Image.fromarray(np.round(pixels * 255.0).astype(np.uint8), mode="RGBA")


def strip(frames):
    """Frames side by side, left to right: frame f is column f."""
    width, height = frames[0].size
    out = Image.new("RGBA", (width * len(frames), height), (0, 0, 0, 0))
    for index, frame in enumerate(frames):
        out.paste(frame, (index * width, 0))
    return out


def font(size):
    return ImageFont.truetype(FONT, size)


# ---- buttons -------------------------------------------------------------

# state: fill top, fill bottom, rim colour, outer glow colour and strength, sink in pixels, opacity
BUTTON_STATES = [
    (NIGHT_LIGHT, NIGHT, MOON_RIM, MOON_RIM, 0.0, 0, 1.0),              # idle
    (rgb("#46509a"), rgb("#2a3270"), GOLD, AMBER, 0.85, 0, 1.0),       # hover: lit, gold rim, warm glow
    (rgb("#0e1128"), rgb("#1c2250"), AMBER, AMBER, 0.0, 0.03, 1.0),    # pressed: sunk, dark, inset
    (DUSK_GREY, rgb("#30323e"), rgb("#6a6c78"), DUSK_GREY, 0.0, 0, 0.7),  # disabled: grey, faded
]


def button_frame(width, height, state, seed, icon=None):
    top, bottom, rim_colour, glow_colour, glow, sink, opacity = BUTTON_STATES[state]
    margin = round(min(width, height) * 0.09)
    radius = min(width, height) * 0.3
    offset = round(sink * height)
    box = (margin, margin + offset, width - margin, height - margin + offset)
    rim = round(min(width, height) * 0.045) or 1
    outer = shape_mask(width, height, rounded(box, radius))
    inner = shape_mask(width, height, rounded((box[0] + rim, box[1] + rim, box[2] - rim, box[3] - rim),
                                              radius - rim))
    colour, alpha = blank(width, height)
    if glow:
        halo = blur(outer, max(2, margin // 2)) * glow
        colour, alpha = over(colour, alpha, glow_colour, halo * 0.8)
    colour, alpha = over(colour, alpha, rim_colour, outer)
    fill = brushed(vertical(height, width, top, bottom), seed)
    if state == 2:
        # The inset: a shadow falls along the top edge inside the rim.
        y = np.arange(height, dtype=np.float32)[:, None] - box[1] - rim
        fill *= (0.55 + 0.45 * np.clip(y / (height * 0.25), 0.0, 1.0))[:, :, None]
    else:
        # A soft moonlit sheen across the upper half.
        y = (np.arange(height, dtype=np.float32)[:, None] - box[1]) / (box[3] - box[1])
        fill += (0.10 * np.clip(1.0 - y * 2.2, 0.0, 1.0))[:, :, None] * np.asarray(MOON_PALE, np.float32)
    colour, alpha = over(colour, alpha, fill, inner)
    if icon is not None:
        colour, alpha = icon(colour, alpha, box, state)
    return to_rgba(colour, alpha * opacity)


def paint_button(icon=None, seed=500):
    width, height = manifest.BUTTON_FRAME
    return strip([button_frame(width, height, state, seed + state, icon) for state in range(4)])


def icon_colour(state):
    return [MOON_PALE, CREAM, GOLD, rgb("#8a8c98")][state]


def speaker_icon(waves):
    """A speaker at the button's left end, clear of centred text, with sound waves (sound on) or a cross (muted)."""
    def icon(colour, alpha, box, state):
        height, width = alpha.shape
        cx = box[0] + (box[3] - box[1]) * 0.36
        cy = (box[1] + box[3]) / 2.0
        u = (box[3] - box[1]) * 0.15

        def draw(canvas, s):
            canvas.rectangle([(cx - 1.3 * u) * s, (cy - 0.45 * u) * s, (cx - 0.5 * u) * s, (cy + 0.45 * u) * s],
                             fill=255)
            canvas.polygon([((cx - 0.6 * u) * s, (cy - 0.45 * u) * s), ((cx + 0.35 * u) * s, (cy - 1.2 * u) * s),
                            ((cx + 0.35 * u) * s, (cy + 1.2 * u) * s), ((cx - 0.6 * u) * s, (cy + 0.45 * u) * s)],
                           fill=255)
            line = round(0.22 * u * s)
            if waves:
                for r in (0.9, 1.6):
                    canvas.arc([(cx - r * u) * s, (cy - r * u) * s, (cx + (r + 0.2) * u) * s, (cy + r * u) * s],
                               -50, 50, fill=255, width=line)
            else:
                x0, x1 = cx + 0.8 * u, cx + 1.9 * u
                canvas.line([(x0 * s, (cy - 0.55 * u) * s), (x1 * s, (cy + 0.55 * u) * s)], fill=255, width=line)
                canvas.line([(x0 * s, (cy + 0.55 * u) * s), (x1 * s, (cy - 0.55 * u) * s)], fill=255, width=line)
        mask = shape_mask(width, height, draw)
        shadow = np.roll(np.roll(mask, 3, axis=0), 2, axis=1)
        colour, alpha = over(colour, alpha, NIGHT_DEEP, shadow * 0.7)
        return over(colour, alpha, icon_colour(state), mask)
    return icon


def close_frame(state):
    width, height = 32, 32
    top, bottom, rim_colour, glow_colour, glow, sink, opacity = BUTTON_STATES[state]
    if state == 1:
        top, bottom = rgb("#ffb24a"), rgb("#d8702a")  # hover: the whole disc warms up
    offset = 1 if sink else 0
    disc = shape_mask(width, height, lambda c, s: c.ellipse([2 * s, (2 + offset) * s, 30 * s, (30 + offset) * s],
                                                             fill=255))
    face = shape_mask(width, height, lambda c, s: c.ellipse([4 * s, (4 + offset) * s, 28 * s, (28 + offset) * s],
                                                             fill=255))

    def cross(canvas, s):
        for a, b in (((10, 10), (22, 22)), ((10, 22), (22, 10))):
            canvas.line([(a[0] * s, (a[1] + offset) * s), (b[0] * s, (b[1] + offset) * s)], fill=255, width=4 * s)
    mark = shape_mask(width, height, cross)
    colour, alpha = blank(width, height)
    if glow:
        colour, alpha = over(colour, alpha, glow_colour, blur(disc, 2) * glow)
    colour, alpha = over(colour, alpha, rim_colour, disc)
    colour, alpha = over(colour, alpha, vertical(height, width, top, bottom), face)
    colour, alpha = over(colour, alpha, NIGHT_DEEP if state == 1 else CREAM, mark)
    return to_rgba(colour, alpha * opacity)


def paint_close_button():
    return strip([close_frame(state) for state in range(4)])


# ---- text box, panel, overlay --------------------------------------------

def textbox_frame(focused):
    """Thin rim, small corners: the frame is stretched to whatever size the box has, so
    nothing in it may look wrong when widened five times."""
    size = 64
    rim_colour = GOLD if focused else MOON_RIM
    colour, alpha = blank(size, size)
    outer = shape_mask(size, size, rounded((0, 0, 64, 64), 4))
    inner = shape_mask(size, size, rounded((2, 2, 62, 62), 3))
    colour, alpha = over(colour, alpha, rim_colour, outer)
    # The writing field: darker than any button, so typed text stands out; focus lifts it a little.
    field = vertical(size, size, rgb("#0b0d1e"), rgb("#1d2248") if focused else rgb("#141830"))
    return to_rgba(*over(colour, alpha, field, inner))


def paint_textbox():
    return strip([textbox_frame(False), textbox_frame(True)])


def star_points(cx, cy, outer, inner, points=5, turn=-90.0):
    angles = np.radians(turn + np.arange(points * 2) * 180.0 / points)
    radii = np.where(np.arange(points * 2) % 2 == 0, outer, inner)
    return [(cx + r * np.cos(a), cy + r * np.sin(a)) for r, a in zip(radii, angles)]


def paint_panel():
    """A night-blue card with a double moonlit rim and a small gold star in each corner.
    Nearly opaque and dark, so text over it keeps its contrast over any scene."""
    size = 512
    colour, alpha = blank(size, size)
    outer = shape_mask(size, size, rounded((6, 6, 506, 506), 44))
    rim_in = shape_mask(size, size, rounded((14, 14, 498, 498), 36))
    band = shape_mask(size, size, rounded((22, 22, 490, 490), 30))
    card = shape_mask(size, size, rounded((26, 26, 486, 486), 27))
    colour, alpha = over(colour, alpha, MOON_RIM, outer)
    colour, alpha = over(colour, alpha, NIGHT, rim_in)
    colour, alpha = over(colour, alpha, rgb("#4a5490"), band)
    fill = brushed(vertical(size, size, rgb("#1c2046"), rgb("#10132c")), 800, 0.07)
    colour, alpha = over(colour, alpha, fill, card * 0.94 / np.maximum(alpha, 1e-6))

    def stars(canvas, s):
        for cx, cy in ((48, 48), (464, 48), (48, 464), (464, 464)):
            canvas.polygon([(x * s, y * s) for x, y in star_points(cx, cy, 15, 6)], fill=255)
    mark = shape_mask(size, size, stars)
    colour, alpha = over(colour, alpha, AMBER, blur(mark, 4) * 0.5)
    colour, alpha = over(colour, alpha, GOLD, mark)
    return to_rgba(colour, alpha)


def paint_black_overlay():
    """Plain opaque black: the screens fade it through the sprite's alpha."""
    return Image.new("RGBA", (64, 64), (0, 0, 0, 255))


# ---- the cursor ----------------------------------------------------------

CURSOR_TWINKLE = [0.0, 1.0, 0.55, 0.0]  # per frame: the sparkle's strength


def cursor_frame(twinkle):
    """A moon-white arrow whose point is the top left corner (the pointer position), outlined
    in night blue so it reads over pale and dark screens alike, with a gold star on its tail."""
    size = 128
    arrow = [(4, 4), (4, 92), (27, 70), (44, 110), (61, 102), (45, 64), (78, 64)]

    def outline(canvas, s):
        canvas.polygon([(x * s, y * s) for x, y in arrow], fill=255, outline=255)
        canvas.line([(x * s, y * s) for x, y in arrow + [arrow[0]]], fill=255, width=10 * s, joint="curve")
    body = shape_mask(size, size, lambda c, s: c.polygon([(x * s, y * s) for x, y in arrow], fill=255))
    edge = shape_mask(size, size, outline)
    # The outline's own point reaches the image's top left corner, so the drawn tip is the pointer.
    colour, alpha = blank(size, size)
    colour, alpha = over(colour, alpha, NIGHT_DEEP, edge)
    fill = vertical(size, size, CREAM, MOON_PALE)
    colour, alpha = over(colour, alpha, fill, body)
    cx, cy = 96, 96
    grow = 1.0 + 0.5 * twinkle
    star = shape_mask(size, size, lambda c, s: c.polygon(
        [(x * s, y * s) for x, y in star_points(cx, cy, 18 * grow, 7 * grow, turn=-90 + 20 * twinkle)],
        fill=255))
    colour, alpha = over(colour, alpha, AMBER, blur(star, 6) * (0.35 + 0.6 * twinkle))
    colour, alpha = over(colour, alpha, GOLD, star)
    if twinkle:
        y, x = np.mgrid[0:size, 0:size].astype(np.float32)
        spark = np.exp(-((x - cx) ** 2 + (y - cy) ** 2) / (2 * 5.0 ** 2)) * twinkle
        colour, alpha = over(colour, alpha, CREAM, spark)
    return to_rgba(colour, alpha)


def paint_cursor():
    return strip([cursor_frame(t) for t in CURSOR_TWINKLE])


# ---- achievement banners -------------------------------------------------

def emblem(kind, cx, cy, r):
    """A drawer of the banner's emblem: a simple bold silhouette of radius r around (cx, cy)."""
    def draw(canvas, s):
        def p(points):
            canvas.polygon([((cx + x * r) * s, (cy + y * r) * s) for x, y in points], fill=255)

        def e(x0, y0, x1, y1, fill=255):
            canvas.ellipse([(cx + x0 * r) * s, (cy + y0 * r) * s, (cx + x1 * r) * s, (cy + y1 * r) * s], fill=fill)

        def box(x0, y0, x1, y1, fill=255):
            canvas.rectangle([(cx + x0 * r) * s, (cy + y0 * r) * s, (cx + x1 * r) * s, (cy + y1 * r) * s], fill=fill)
        if kind == "star":
            p([((x - cx) / r, (y - cy) / r) for x, y in star_points(cx, cy, r, r * 0.42)])
        elif kind == "lantern":
            box(-0.45, -0.55, 0.45, 0.7)
            box(-0.6, -0.75, 0.6, -0.55)
            box(-0.6, 0.7, 0.6, 0.88)
            e(-0.25, -1.05, 0.25, -0.7)
            e(-0.3, -0.95, 0.3, -0.6, fill=0)
            box(-0.28, -0.4, 0.28, 0.55, fill=0)
        elif kind == "tree":
            p([(0, -1), (0.55, -0.2), (0.3, -0.2), (0.75, 0.45), (-0.75, 0.45), (-0.3, -0.2), (-0.55, -0.2)])
            box(-0.14, 0.45, 0.14, 0.95)
        elif kind == "key":
            e(-0.95, -0.45, -0.05, 0.45)
            e(-0.7, -0.2, -0.3, 0.2, fill=0)
            box(-0.1, -0.1, 0.95, 0.1)
            box(0.55, 0.1, 0.7, 0.4)
            box(0.8, 0.1, 0.95, 0.32)
        elif kind == "feather":
            p([(0.75, -0.95), (0.35, -0.2), (-0.25, 0.5), (-0.7, 0.9), (-0.5, 0.35), (0.05, -0.45)])
            canvas.line([((cx - 0.85 * r) * s, (cy + 1.0 * r) * s), ((cx + 0.6 * r) * s, (cy - 0.75 * r) * s)],
                        fill=0, width=round(0.07 * r * s))
        elif kind == "candy":
            e(-0.5, -0.5, 0.5, 0.5)
            p([(-0.45, 0), (-1.0, -0.45), (-1.0, 0.45)])
            p([(0.45, 0), (1.0, -0.45), (1.0, 0.45)])
        elif kind == "moon":
            e(-0.85, -0.85, 0.85, 0.85)
            e(-0.4, -1.0, 1.1, 0.6, fill=0)
        elif kind == "hammer":
            box(-0.9, -0.75, 0.5, -0.2)
            box(-0.12, -0.2, 0.12, 0.95)
        elif kind == "sun":
            e(-0.5, -0.5, 0.5, 0.5)
            p([((x - cx) / r, (y - cy) / r) for x, y in star_points(cx, cy, r, r * 0.55, points=10)])
        elif kind == "owl":
            e(-0.75, -0.6, 0.75, 0.95)
            p([(-0.75, -0.3), (-0.6, -1.0), (-0.25, -0.55)])
            p([(0.75, -0.3), (0.6, -1.0), (0.25, -0.55)])
            e(-0.55, -0.4, -0.05, 0.1, fill=0)
            e(0.05, -0.4, 0.55, 0.1, fill=0)
            e(-0.35, -0.2, -0.2, -0.05)
            e(0.2, -0.2, 0.35, -0.05)
        else:
            raise ValueError("unknown emblem " + kind)
    return draw


def paint_achievement(index):
    entry = manifest.ACHIEVEMENTS[index]
    width, height = manifest.ACHIEVEMENT_FRAME
    colour, alpha = blank(width, height)
    outer = shape_mask(width, height, rounded((6, 6, width - 6, height - 6), 60))
    card = shape_mask(width, height, rounded((16, 16, width - 16, height - 16), 50))
    colour, alpha = over(colour, alpha, AMBER, blur(outer, 6) * 0.5)
    colour, alpha = over(colour, alpha, GOLD, outer)
    fill = brushed(vertical(height, width, rgb("#262c62"), rgb("#12152e")), 900 + index, 0.08)
    colour, alpha = over(colour, alpha, fill, card)
    # The medallion: a moonlit disc with the gold emblem, on the left.
    cx, cy = 128, height // 2
    ring = shape_mask(width, height, lambda c, s: c.ellipse([(cx - 92) * s, (cy - 92) * s, (cx + 92) * s,
                                                              (cy + 92) * s], fill=255))
    disc = shape_mask(width, height, lambda c, s: c.ellipse([(cx - 82) * s, (cy - 82) * s, (cx + 82) * s,
                                                              (cy + 82) * s], fill=255))
    colour, alpha = over(colour, alpha, GOLD, ring)
    colour, alpha = over(colour, alpha, vertical(height, width, rgb("#3a447e"), NIGHT), disc)
    mark = shape_mask(width, height, emblem(entry.emblem, cx, cy, 56))
    colour, alpha = over(colour, alpha, AMBER, blur(mark, 6) * 0.5)
    colour, alpha = over(colour, alpha, vertical(height, width, CREAM, GOLD), mark)
    image = to_rgba(colour, alpha)
    draw = ImageDraw.Draw(image)
    left = 256
    draw.text((left, 40), "ACHIEVEMENT UNLOCKED", font=font(30), fill=(255, 211, 90, 255))
    draw.text((left, 78), entry.title, font=font(72), fill=(255, 251, 224, 255))
    draw.text((left, 168), entry.line, font=font(34), fill=(201, 208, 240, 255))
    return image


# ---- the HUD of play -------------------------------------------------------

def icon_with_outline(mask, fill, shine=None):
    """A filled shape with a night-blue outline and a soft warm glow, so it reads over the level."""
    size = mask.shape[0]
    colour, alpha = blank(size, size)
    grown = np.clip(blur(mask, 3) * 3.0, 0.0, 1.0)
    colour, alpha = over(colour, alpha, AMBER, blur(mask, 8) * 0.35)
    colour, alpha = over(colour, alpha, NIGHT_DEEP, grown)
    colour, alpha = over(colour, alpha, fill, mask)
    if shine is not None:
        colour, alpha = over(colour, alpha, CREAM, shine * 0.8)
    return to_rgba(colour, alpha)


def paint_heart():
    """The kid's heart: warm rose-red with a moonlit highlight."""
    size = 128

    def heart(canvas, s):
        canvas.ellipse([24 * s, 24 * s, 66 * s, 66 * s], fill=255)
        canvas.ellipse([62 * s, 24 * s, 104 * s, 66 * s], fill=255)
        canvas.polygon([(27 * s, 56 * s), (101 * s, 56 * s), (64 * s, 106 * s)], fill=255)

    def highlight(canvas, s):
        canvas.ellipse([36 * s, 34 * s, 52 * s, 46 * s], fill=255)
    fill = vertical(size, size, rgb("#ff6b7a"), rgb("#c0263e"))
    return icon_with_outline(shape_mask(size, size, heart), fill, shape_mask(size, size, highlight))


def paint_key():
    """A gold key lying across the icon: a ring, a shaft and two teeth."""
    size = 128

    def key(canvas, s):
        canvas.ellipse([16 * s, 36 * s, 64 * s, 84 * s], fill=255)
        canvas.ellipse([30 * s, 50 * s, 50 * s, 70 * s], fill=0)
        canvas.rectangle([60 * s, 54 * s, 112 * s, 66 * s], fill=255)
        canvas.rectangle([88 * s, 66 * s, 96 * s, 82 * s], fill=255)
        canvas.rectangle([102 * s, 66 * s, 110 * s, 78 * s], fill=255)
    fill = vertical(size, size, GOLD, AMBER)
    return icon_with_outline(shape_mask(size, size, key), fill)


def paint_candy():
    """A wrapped sweet: a round body striped cream and rose, with twisted ends."""
    size = 128

    def wrapper(canvas, s):
        canvas.polygon([(40 * s, 64 * s), (12 * s, 42 * s), (12 * s, 86 * s)], fill=255)
        canvas.polygon([(88 * s, 64 * s), (116 * s, 42 * s), (116 * s, 86 * s)], fill=255)
        canvas.ellipse([34 * s, 34 * s, 94 * s, 94 * s], fill=255)

    def stripes(canvas, s):
        for offset in (-24, 0, 24):
            canvas.polygon([((44 + offset) * s, 34 * s), ((56 + offset) * s, 34 * s),
                            ((84 + offset) * s, 94 * s), ((72 + offset) * s, 94 * s)], fill=255)
    mask = shape_mask(size, size, wrapper)
    fill = np.empty((size, size, 3), np.float32)
    fill[:] = np.asarray(rgb("#ff8fb0"), np.float32)
    stripe = shape_mask(size, size, stripes)[:, :, None]
    fill = fill * (1.0 - stripe) + np.asarray(CREAM, np.float32) * stripe
    return icon_with_outline(mask, fill)


def paint_bar():
    """The health bar's fill: warm gold to rose from top to bottom, bright at the top edge."""
    width, height = 256, 32
    colour, alpha = blank(width, height)
    mask = shape_mask(width, height, rounded((2, 4, 254, 28), 10))
    fill = vertical(height, width, rgb("#ffe08a"), rgb("#e8546a"))
    colour, alpha = over(colour, alpha, fill, mask)
    return to_rgba(colour, alpha)


def paint_bar_frame():
    """The empty track behind the bar: deep night with a moonlit rim."""
    width, height = 256, 32
    colour, alpha = blank(width, height)
    colour, alpha = over(colour, alpha, MOON_RIM, shape_mask(width, height, rounded((0, 2, 256, 30), 12)))
    colour, alpha = over(colour, alpha, NIGHT_DEEP, shape_mask(width, height, rounded((3, 5, 253, 27), 9)))
    return to_rgba(colour, alpha)


# ---- all of them ---------------------------------------------------------

PAINTERS = {
    "buttonTS": paint_button,
    "MuteButtonTS": lambda: paint_button(speaker_icon(True), seed=520),
    "UnmuteButtonTS": lambda: paint_button(speaker_icon(False), seed=540),
    "closebuttonTS": paint_close_button,
    "textboxTS": paint_textbox,
    "MouseCursorTS": paint_cursor,
    "panelTS": paint_panel,
    "BlackOverlayTS": paint_black_overlay,
    "HUDHeartTS": paint_heart,
    "HUDKeyTS": paint_key,
    "HUDCandyTS": paint_candy,
    "HUDBarTS": paint_bar,
    "HUDBarFrameTS": paint_bar_frame,
}


def check(entry, image):
    """The picture holds exactly the frames the table promises."""
    width, height = entry.frame
    expected = (width * entry.frames, height)
    if image.size != expected:
        raise SystemExit("%s: %dx%d, expected %dx%d" % ((entry.file,) + image.size + expected))


def save(image, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    image.save(path, optimize=False)
    print("texture", path)


def paint_all(out_dir):
    pictures = {}
    for entry in manifest.GUI:
        image = PAINTERS[entry.texture_set]()
        check(entry, image)
        pictures[entry.texture_set] = image
        save(image, os.path.join(out_dir, entry.file))
    for index in range(len(manifest.ACHIEVEMENTS)):
        image = paint_achievement(index)
        pictures[manifest.achievement_art(index)] = image
        save(image, os.path.join(out_dir, manifest.achievement_file(index)))
    return pictures


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    import gui_sheet  # noqa: E402
    import paint_pictures  # noqa: E402
    gui_dir = os.path.join(sys.argv[1], "GUI")
    everything = paint_all(gui_dir)
    everything.update(paint_pictures.paint_all(gui_dir))
    stand_in, _written = paint_pictures.paint_missing_previews(gui_dir)
    gui_sheet.compose(everything, sys.argv[2], gui_dir, stand_in)
