"""The GUI contact sheet: a 1024 x 768 mock screen over a night backdrop with every
GUI picture at the size a screen shows it (buttons in all four states with their
text, the text box without and with focus, a panel with body text, the cursor's
frames at 50 x 50, an achievement banner), then every achievement banner below.
Text is drawn white as the game's font component draws it, so legibility on the
real sizes can be judged by eye.

Below them the whole pictures, each labelled with its texture set: the two marks
over black, a mock main menu (the title over a night backdrop with its halo at the
alpha the menu pulses round, the curtains drawn half open), the curtains closed,
the loading page, the cutscene frame over a cutscene picture as the game shows it
(enlarged 1.1, at 75 per cent), the level preview stand-in, both cutscene pictures
with their thirds marked, the rank seals at full size and at 60 pixels, and every
achievement icon unlocked and locked, at 96 and at 60 pixels.
"""

import os

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


def banners(pictures):
    count = len(manifest.ACHIEVEMENTS)
    banner = (500, 125)
    rows = (count + 1) // 2
    part = Image.new("RGBA", (SCREEN[0], rows * (banner[1] + 8) + 8), SHEET_GROUND)
    for index in range(count):
        x = 8 + (index % 2) * (banner[0] + 8)
        y = 8 + (index // 2) * (banner[1] + 8)
        part.alpha_composite(pictures[manifest.achievement_art(index)].resize(banner, Image.LANCZOS), (x, y))
    return part


# ---- the whole pictures ------------------------------------------------------------

SHEET_GROUND = (14, 16, 34, 255)
THUMB = (500, 281)
LABEL = (201, 208, 240, 255)


def labelled(picture, label, ground=None):
    """A picture with its label under it, on the sheet's ground (or over a colour)."""
    part = Image.new("RGBA", (picture.width, picture.height + 24), SHEET_GROUND)
    if ground is not None:
        part.paste(Image.new("RGBA", picture.size, ground), (0, 0))
    part.alpha_composite(picture.convert("RGBA"), (0, 0))
    ImageDraw.Draw(part).text((2, picture.height + 4), label, font=font(14), fill=LABEL)
    return part


def thumb(picture, size=THUMB, ground=None):
    flat = Image.new("RGBA", picture.size, ground or (0, 0, 0, 0))
    flat.alpha_composite(picture.convert("RGBA"))
    return flat.resize(size, Image.LANCZOS)


def night_backdrop(size):
    """A stand-in for the menu's 3D backdrop: a deep sky over a dark garden line."""
    width, height = size
    y = np.linspace(0.0, 1.0, height, dtype=np.float32)[:, None, None]
    field = np.repeat((1 - y) * np.array([12, 15, 40]) + y * np.array([52, 62, 112]), width, axis=1)
    field[int(height * 0.72):] = np.array([14, 18, 36])
    return Image.fromarray(field.astype(np.uint8), mode="RGB").convert("RGBA")


def with_alpha(picture, factor):
    faded = picture.copy()
    faded.putalpha(Image.eval(picture.getchannel("A"), lambda a: round(a * factor)))
    return faded


def mock_menu(pictures, size=(1016, 572)):
    """The menu as it opens: the title across the top over the backdrop, its halo at 0.4, the
    curtains drawn half way back to the sides."""
    width, height = size
    screen = night_backdrop(size)
    title_size = (round(width * 0.7), round(width * 0.7 * 600 / 1600))
    centre = (width // 2, round(height * 0.27))
    glow = with_alpha(pictures["MainMenuBGWhiteTS"], 0.4).resize(title_size, Image.LANCZOS)
    screen.alpha_composite(glow, (centre[0] - title_size[0] // 2, centre[1] - title_size[1] // 2))
    title = pictures["MainMenuBGTS"].resize(title_size, Image.LANCZOS)
    screen.alpha_composite(title, (centre[0] - title_size[0] // 2, centre[1] - title_size[1] // 2))
    half = (width // 2, height)
    opened = round(half[0] * 0.62)
    left = pictures["MainMenuCurtainLeft"].resize(half, Image.LANCZOS)
    right = pictures["MainMenuCurtainRight"].resize(half, Image.LANCZOS)
    screen.alpha_composite(left, (-opened, 0))
    screen.alpha_composite(right, (half[0] + opened, 0))
    return screen


def closed_curtains(pictures):
    half = (THUMB[0] // 2, THUMB[1])
    part = Image.new("RGBA", THUMB)
    part.paste(pictures["MainMenuCurtainLeft"].resize(half, Image.LANCZOS), (0, 0))
    part.paste(pictures["MainMenuCurtainRight"].resize(half, Image.LANCZOS), (half[0], 0))
    return part


def framed_cutscene(cutscene, overlay):
    """A cutscene picture shown whole across the screen's width, the frame over it enlarged 1.1
    about the middle at 75 per cent, as the game draws them."""
    width, height = THUMB
    screen = Image.new("RGBA", THUMB, (0, 0, 0, 255))
    if cutscene is not None:
        shown = cutscene.convert("RGBA").resize((width, width // 2), Image.LANCZOS)
        screen.alpha_composite(shown, (0, (height - width // 2) // 2))
    big = (round(width * 1.1), round(height * 1.1))
    frame = with_alpha(overlay, 0.75).resize(big, Image.LANCZOS)
    screen.alpha_composite(frame.crop(((big[0] - width) // 2, (big[1] - height) // 2,
                                       (big[0] - width) // 2 + width, (big[1] - height) // 2 + height)))
    return screen


def thirds_marked(picture, width):
    shown = picture.convert("RGBA").resize((width, width // 2), Image.LANCZOS)
    draw = ImageDraw.Draw(shown)
    for third in (1, 2):
        x = round(width * third / 3)
        for y in range(0, width // 2, 12):
            draw.line([(x, y), (x, y + 5)], fill=(255, 211, 90, 160))
    return shown


def row(parts, gap=8):
    width = sum(p.width for p in parts) + gap * (len(parts) + 1)
    height = max(p.height for p in parts) + gap
    out = Image.new("RGBA", (max(width, SCREEN[0]), height), SHEET_GROUND)
    x = gap
    for part in parts:
        out.alpha_composite(part, (x, 0))
        x += part.width + gap
    return out


def badges(pictures, names, big, small):
    """Badges side by side at two sizes, over the night field they sit on in the game."""
    count = len(names)
    part = Image.new("RGBA", (count * (big + 8), big + small + 16), (30, 34, 68, 255))
    for i, name in enumerate(names):
        part.alpha_composite(pictures[name].resize((big, big), Image.LANCZOS), (i * (big + 8), 0))
        part.alpha_composite(pictures[name].resize((small, small), Image.LANCZOS),
                             (i * (big + 8) + (big - small) // 2, big + 8))
    return part


def whole_pictures(pictures, gui_dir, stand_in):
    black = (0, 0, 0, 255)
    cutscenes = {}
    for entry in manifest.CUTSCENES:
        path = os.path.join(gui_dir, manifest.CUTSCENE_FOLDER, manifest.cutscene_file(entry))
        cutscenes[entry.texture_set] = Image.open(path) if os.path.exists(path) else None
    first = cutscenes[manifest.CUTSCENES[0].texture_set]
    rows = [
        row([labelled(thumb(pictures["TessaryLogoTS"], ground=black), "TessaryLogoTS (over black)"),
             labelled(thumb(pictures["TeamLogoTS"], ground=black), "TeamLogoTS (over black)")]),
        row([labelled(mock_menu(pictures), "MainMenuBGTS, MainMenuBGWhiteTS at 0.4, the curtains half open")]),
        row([labelled(closed_curtains(pictures), "MainMenuCurtainLeft + MainMenuCurtainRight, closed"),
             labelled(thumb(pictures["LoadingScreenTS"]), "LoadingScreenTS")]),
        row([labelled(framed_cutscene(first, pictures["CutsceneOverlayTS"]),
                      "CutsceneOverlayTS over CutsceneLevel0TS (x1.1, 75%)"),
             labelled(thumb(stand_in), "LevelPreview<n>TS until the game renders one")]),
    ]
    for entry in manifest.CUTSCENES:
        if cutscenes[entry.texture_set] is not None:
            rows.append(row([labelled(thirds_marked(cutscenes[entry.texture_set], SCREEN[0] - 16),
                                      entry.texture_set + " (its thirds marked)")]))
    ranks = [manifest.rank_texture_set(letter) for letter in manifest.RANKS]
    rows.append(row([labelled(badges(pictures, ranks, 128, 60), "Rank<S,A,B,C,D>TS at 128 and 60 pixels")]))
    count = len(manifest.ACHIEVEMENTS)
    for locked in (False, True):
        names = [manifest.achievement_icon(index, locked) for index in range(count)]
        label = "AchievementIcon%s<n>TS at 92 and 60 pixels" % ("Locked" if locked else "")
        rows.append(row([labelled(badges(pictures, names, 92, 60), label)]))
    return rows


def compose(pictures, out_png, gui_dir, stand_in):
    parts = [mock_screen(pictures), banners(pictures)] + whole_pictures(pictures, gui_dir, stand_in)
    sheet = Image.new("RGBA", (SCREEN[0], sum(p.height for p in parts)), SHEET_GROUND)
    y = 0
    for part in parts:
        sheet.alpha_composite(part.crop((0, 0, SCREEN[0], part.height)), (0, y))
        y += part.height
    sheet.convert("RGB").save(out_png, optimize=False)
    print("gui sheet", out_png)
