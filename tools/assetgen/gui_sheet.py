"""The GUI contact sheet: a 1024 x 768 mock screen over a night backdrop with every
GUI picture at the size a screen shows it (buttons in all four states with their
text, the text box without and with focus, a panel with body text, the cursor's
frames at 50 x 50, an achievement banner), then every achievement banner below.
Text is drawn white as the game's font component draws it, so legibility on the
real sizes can be judged by eye.
"""

import numpy as np
from PIL import Image, ImageDraw

import manifest
from paint_gui import font

SCREEN = (1024, 768)
INK = (255, 255, 255, 255)


def frame_of(image, entry_frame, index):
    width, height = entry_frame
    return image.crop((index * width, 0, (index + 1) * width, height))


def backdrop(width, height):
    y = np.linspace(0.0, 1.0, height, dtype=np.float32)[:, None, None]
    top, bottom = np.array([30, 34, 68], np.float32), np.array([60, 86, 96], np.float32)
    field = np.repeat((1 - y) * top + y * bottom, width, axis=1)
    return Image.fromarray(field.astype(np.uint8), mode="RGB").convert("RGBA")


def place(sheet, picture, centre, size):
    scaled = picture.resize(size, Image.LANCZOS)
    sheet.alpha_composite(scaled, (round(centre[0] - size[0] / 2), round(centre[1] - size[1] / 2)))


def centred_text(draw, centre, text, size):
    draw.text(centre, text, font=font(size), fill=INK, anchor="mm")


def mock_screen(pictures):
    sheet = backdrop(*SCREEN)
    draw = ImageDraw.Draw(sheet)
    entries = {entry.texture_set: entry for entry in manifest.GUI}
    place(sheet, pictures["panelTS"], (300, 330), (460, 520))
    centred_text(draw, (300, 110), "Options", 28)
    for row, line in enumerate(["Music and effects play softly", "under the storybook night.",
                                "Press Escape to pause a level."]):
        centred_text(draw, (300, 160 + 26 * row), line, 18)
    close = frame_of(pictures["closebuttonTS"], entries["closebuttonTS"].frame, 0)
    place(sheet, close, (500, 104), (32, 32))
    labels = ["Play", "Options (hover)", "Credits (pressed)", "Locked"]
    for state, label in enumerate(labels):
        picture = frame_of(pictures["buttonTS"], manifest.BUTTON_FRAME, state)
        place(sheet, picture, (300, 260 + 62 * state), (205, 54))
        centred_text(draw, (300, 260 + 62 * state), label, 18)
    for state, name in enumerate(["MuteButtonTS", "UnmuteButtonTS"]):
        picture = frame_of(pictures[name], manifest.BUTTON_FRAME, state)
        place(sheet, picture, (190 + 220 * state, 530), (205, 54))
        centred_text(draw, (190 + 220 * state, 530), "Sound", 18)
    for state in range(2):
        picture = frame_of(pictures["textboxTS"], entries["textboxTS"].frame, state)
        place(sheet, picture, (760, 140 + 50 * state), (300, 36))
        draw.text((620, 140 + 50 * state), ["level name", "Level3|"][state], font=font(16), fill=INK, anchor="lm")
    for state in range(4):
        picture = frame_of(pictures["closebuttonTS"], entries["closebuttonTS"].frame, state)
        place(sheet, picture, (640 + 44 * state, 250), (32, 32))
    for index in range(4):
        picture = frame_of(pictures["MouseCursorTS"], entries["MouseCursorTS"].frame, index)
        sheet.alpha_composite(picture.resize((50, 50), Image.LANCZOS), (640 + 70 * index, 300))
    place(sheet, pictures[manifest.achievement_art(0)], (512, 680), (410, 102))
    for state in range(4):
        picture = frame_of(pictures["buttonTS"], manifest.BUTTON_FRAME, state)
        place(sheet, picture, (760, 420 + 56 * state), (230, 48))
        centred_text(draw, (760, 420 + 56 * state), ["Idle", "Hover", "Pressed", "Disabled"][state], 18)
    return sheet


def compose(pictures, out_png):
    screen = mock_screen(pictures)
    count = len(manifest.ACHIEVEMENTS)
    banner = (500, 125)
    rows = (count + 1) // 2
    sheet = Image.new("RGBA", (SCREEN[0], SCREEN[1] + rows * (banner[1] + 8) + 8), (14, 16, 34, 255))
    sheet.alpha_composite(screen, (0, 0))
    for index in range(count):
        x = 8 + (index % 2) * (banner[0] + 8)
        y = SCREEN[1] + 8 + (index // 2) * (banner[1] + 8)
        sheet.alpha_composite(pictures[manifest.achievement_art(index)].resize(banner, Image.LANCZOS), (x, y))
    sheet.convert("RGB").save(out_png, optimize=False)
    print("gui sheet", out_png)
