"""The whole pictures of manifest.PICTURES (marks, menu, loading page, cutscene frame,
rank seals, achievement icons) and the level previews' stand-in, written to their
folders under GameData/Textures/GUI/.

A level preview (previews/level<n>.png) is the game's own render of the level, made
by the game's preview command.  Until a level has one, the generator writes its
"page yet to be written" there; it never writes over a preview file that exists,
so a rendered preview survives every run of the generator.  To repaint the stand-in
after changing it, delete the stand-in files first.
"""

import os

import numpy as np

import manifest
import paint_badges
import paint_marks
import paint_pages

PAINTERS = {
    "TessaryLogoTS": paint_marks.paint_tessary_logo,
    "TeamLogoTS": paint_marks.paint_team_logo,
    "MainMenuCurtainLeft": paint_pages.paint_curtain_left,
    "MainMenuCurtainRight": paint_pages.paint_curtain_right,
    "MainMenuBGTS": paint_marks.paint_title,
    "MainMenuBGWhiteTS": paint_marks.paint_title_glow,
    "LoadingScreenTS": paint_pages.paint_loading_screen,
    "CutsceneOverlayTS": paint_pages.paint_cutscene_overlay,
}
for _letter in manifest.RANKS:
    PAINTERS[manifest.rank_texture_set(_letter)] = lambda letter=_letter: paint_badges.paint_rank(letter)
for _index, _entry in enumerate(manifest.ACHIEVEMENTS):
    PAINTERS[manifest.achievement_icon(_index)] = \
        lambda index=_index, entry=_entry: paint_badges.paint_achievement_icon(index, entry)
    PAINTERS[manifest.achievement_icon(_index, True)] = \
        lambda index=_index, entry=_entry: paint_badges.paint_locked_icon(index, entry)


def check(picture, image):
    """The picture has the size the table gives, and an opaque one covers every pixel."""
    if image.size != picture.size or image.mode != "RGBA":
        raise SystemExit("%s: %s %dx%d, expected RGBA %dx%d" % ((picture.file, image.mode) + image.size + picture.size))
    if picture.opaque and int(np.asarray(image)[:, :, 3].min()) != 255:
        raise SystemExit("%s: meant to be opaque, but has see-through pixels" % picture.file)


def save(image, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    image.save(path, optimize=False)
    print("texture", path)


def paint_all(gui_dir):
    pictures = {}
    for picture in manifest.PICTURES:
        image = PAINTERS[picture.texture_set]()
        check(picture, image)
        pictures[picture.texture_set] = image
        save(image, os.path.join(gui_dir, picture.folder, picture.file))
    return pictures


def paint_missing_previews(gui_dir, painter=paint_pages.paint_preview_placeholder):
    """Writes the stand-in to every level preview file that does not exist; leaves every file
    that does exist as it is.  Returns the stand-in (painted once) and the paths written."""
    folder = os.path.join(gui_dir, manifest.PREVIEW_FOLDER)
    missing = [os.path.join(folder, manifest.preview_file(index)) for index in range(manifest.LEVEL_COUNT)
               if not os.path.exists(os.path.join(folder, manifest.preview_file(index)))]
    image = painter()
    if image.size != manifest.PREVIEW_SIZE:
        raise SystemExit("the preview stand-in is %dx%d, not %dx%d" % (image.size + manifest.PREVIEW_SIZE))
    for path in missing:
        save(image, path)
    return image, missing
