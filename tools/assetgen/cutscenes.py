"""The two cutscene pictures, staged from the game's own models and rendered in
Cycles: 2:1 panoramas of three scenes side by side (left, middle and right thirds)
that the game frames one at a time and then shows whole.

  level0: the kid at her cottage door lifting her lantern under a big moon; pale
          ghosts rising from the moonlit garden among pumpkins and gravestones;
          the fairy appearing beside the kid in a swirl of sparkles, the way out
          of the garden ahead.
  final:  the last ghost fading into sparkles; the first light of dawn over the
          garden; the kid home under the cottage window, candy heaped beside her,
          her lantern low.

Run headless:  blender -b --python cutscenes.py -- TEXTURES_DIR OUT_DIR [WIDTH SAMPLES [NAME ...]]
WIDTH and SAMPLES default to the pictures' size in the manifest and SAMPLES below;
smaller ones make quick previews of the staging.
For each picture it writes OUT_DIR/<name>.png (the render, transparent where the
sky will be painted), <name>_mist_0001.png (distance through the night air, 0 near
to 1 far) and <name>.json (the picture's size, the horizon and the pixels of the
marks: lanterns, ghosts, the fairy, the window).  paint_cutscenes.py paints the
sky, the glows and the paper over them.  Both scenes share one camera, so the
three thirds sit at the same places in both pictures.
"""

import json
import math
import os
import random
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cutscene_stage  # noqa: E402
import manifest  # noqa: E402
from models_characters import lantern_arm  # noqa: E402

SEED = 11
SAMPLES = 64  # per pixel; there is no denoiser, the painting step smooths what noise is left
CAMERA = ((0.0, -19.5, 2.9), (0.0, 0.0, 1.3), 50.0)  # location, target, lens (mm, 36 mm wide)

MOON = (0.62, 0.7, 1.0)
LANTERN = (1.0, 0.7, 0.32)
GHOST_LIGHT = (0.7, 0.92, 1.0)
DAWN = (1.0, 0.62, 0.5)

# The kid's lantern hangs from her right hand: the handle's top, in model space.
LANTERN_GRIP = (0.0, -0.2, 0.41)
LANTERN_HANG = {"ArmR": (("metal", "glass"), LANTERN_GRIP)}
# Lifted high, she holds it by its cap instead, so it rises above her hand.
LANTERN_LIFT = {"ArmR": (("metal", "glass"), (0.0, -0.2, 0.27))}


# ---- poses -----------------------------------------------------------------------

# The lantern arm raised up and out to her side (found by search: its hand lands at (0.03, -0.34, 0.92)).
ARM_UP = (-150, 30, -40)


def kid_lifting():
    """The lantern lifted high out at her side, the other hand at her chest, looking at it."""
    return {
        "ArmR": {"rotation": ARM_UP},
        "ArmL": {"rotation": (20, -60, 0)},
        "Head": {"rotation": (-4, -10, -18)},
    }


def kid_ready():
    """Setting out: a step forward, the lantern held out front at the fairy."""
    return {
        "KidRoot": {"rotation": (0, 4, 0)},
        "LegL": {"rotation": (0, -22, 0)},
        "LegR": {"rotation": (0, 16, 0)},
        "ArmR": {"rotation": lantern_arm(y=-40)},
        "ArmL": {"rotation": (-30, -20, 0)},
        "Head": {"rotation": (0, -6, -18)},
    }


def kid_resting():
    """Sitting on a crate, legs out, the lantern lowered to her side, her head tipped."""
    return {
        "KidRoot": {"offset": (-0.16, 0, 0.62)},
        "LegL": {"rotation": (4, -78, 0)},
        "LegR": {"rotation": (-4, -84, 0)},
        "ArmR": {"rotation": (-14, -8, 0)},
        "ArmL": {"rotation": (-8, -48, 0)},
        "Head": {"rotation": (6, 8, -14)},
    }


def ghost_rising(lift, sway=0.0, arms=40.0):
    """A ghost drawn up out of the ground: stretched, its arms raised, hem trailing down."""
    return {
        "GhostRoot": {"offset": (0, 0, lift), "rotation": (sway, -6, 0)},
        "GhostBody": {"keys": {"Stretch": 0.15, "Sway": sway / 20.0, "Trail": 0.2}},
        "GhostArmL": {"rotation": (-arms, 0, 0)},
        "GhostArmR": {"rotation": (arms, 0, 0)},
    }


def ghost_fading():
    """The last ghost, drawn out thin and upwards as it goes."""
    return {
        "GhostRoot": {"offset": (0, 0, 0.55), "rotation": (0, 0, 30)},
        "GhostBody": {"keys": {"Stretch": 0.55, "Trail": 0.1}},
        "GhostFace": {"scale": (0.85, 0.85, 1.1), "offset": (0, 0, 0.2)},
        "GhostArmL": {"rotation": (-110, 0, 0), "offset": (0, -0.1, 0.2)},
        "GhostArmR": {"rotation": (110, 0, 0), "offset": (0, 0.1, 0.2)},
    }


FAIRY = {
    "WingUpL": {"rotation": (30, 0, 0)}, "WingUpR": {"rotation": (-30, 0, 0)},
    "WingLowL": {"rotation": (15, 0, 0)}, "WingLowR": {"rotation": (-15, 0, 0)},
}


# ---- the garden both pictures share ---------------------------------------------------

# The path from the cottage door through the garden and out at the right, as (x, y) points.
PATH = [(-4.6, 0.0), (-4.3, -1.6), (-3.0, -3.0), (-1.0, -3.6), (1.2, -3.1), (3.0, -2.6), (4.6, -2.9),
        (6.4, -2.7), (8.5, -1.6), (12.0, 0.0)]


def path_mask(out_png, points, width=1.3, pixels=1024):
    """The path as a soft white band on black, over the ground's mask span (see cutscene_stage)."""
    span = cutscene_stage.MASK_SPAN
    scale = pixels / span

    def at(x, y):
        return ((x / span + 0.5) * pixels, (0.5 - y / span) * pixels)
    image = Image.new("L", (pixels, pixels), 0)
    draw = ImageDraw.Draw(image)
    draw.line([at(x, y) for x, y in points], fill=255, width=round(width * scale), joint="curve")
    for x, y in points:
        r = width * scale / 2
        cx, cy = at(x, y)
        draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=255)
    # Ragged, trodden edges: a little noise before the blur.
    rng = np.random.default_rng(SEED)
    field = np.asarray(image, np.float32) / 255.0
    noise = np.asarray(Image.fromarray((rng.random((64, 64)) * 255).astype(np.uint8)).resize(
        (pixels, pixels), Image.BICUBIC), np.float32) / 255.0
    field = np.clip(field * (0.75 + 0.5 * noise), 0.0, 1.0)
    soft = Image.fromarray((field * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(scale * 0.18))
    soft.save(out_png)
    return out_png


def backdrop(stage, turn=0.0):
    """Trees closing the garden at the back and the sides, so the sky shows above their tops,
    and a few dark shapes in the near corners framing the picture."""
    trees = [("tree_pine", -13.2, 4.0, 1.2), ("tree_leafy", -11.0, 9.0, 1.15), ("tree_pine", -3.0, 10.5, 1.25),
             ("tree_bare", -0.6, 7.5, 1.05), ("tree_pine", 2.2, 10.0, 1.2), ("tree_leafy", 4.8, 8.0, 1.05),
             ("tree_pine", 7.6, 6.5, 1.3), ("tree_pine", 10.4, 3.5, 1.25), ("tree_leafy", -12.5, 1.0, 1.2),
             ("tree_pine", 12.8, 0.5, 1.15), ("tree_pine", -0.2, 14.0, 1.35), ("tree_pine", 6.2, 13.0, 1.4),
             ("tree_pine", -12.5, 13.0, 1.4), ("tree_bare", 9.6, 11.0, 1.2)]
    for i, (name, x, y, size) in enumerate(trees):
        stage.figure(name, (x, y, 0), yaw=37.0 * i + turn, scale=size)
    for name, x, y, yaw, size in [("bush", -8.0, 2.2, 0, 1.0), ("bush", 8.2, 1.6, 60, 1.1), ("bush", 1.6, 4.6, 20, 0.9),
                                  ("rock", -1.9, 3.8, 30, 1.0), ("mushrooms", 2.9, 3.1, -30, 1.0),
                                  ("stump", 6.6, 3.2, 10, 1.0), ("bush", -4.3, -7.6, 30, 1.3),
                                  ("bush", 4.5, -7.8, 80, 1.2), ("mushrooms", -3.3, -7.8, -60, 0.9)]:
        stage.figure(name, (x, y, 0), yaw=yaw, scale=size)


def cottage_left(stage):
    """The kid's cottage at the left: the wall with its window, the door, the wall turning back
    from the corner with a second window towards the garden, and the garden fence."""
    stage.figure("cottage_wall", (-7.7, 0.2, 0), yaw=-90)
    stage.figure("door", (-4.6, 0.2, 0), yaw=-90)
    stage.figure("cottage_wall", (-3.45, 2.2, 0), yaw=0)
    stage.figure("fence", (-2.4, -0.4, 0), yaw=-90)


def cottage_right(stage):
    """The cottage seen from the garden's other side: its window wall in the right third, the wall
    turning back at the corner, a fence running off to the right."""
    # The window glows low behind her, so her lantern stays the brightest light.
    stage.figure("cottage_wall", (4.6, 0.2, 0), yaw=-90, glow=0.55)
    stage.figure("cottage_wall", (2.45, 2.2, 0), yaw=180, glow=0.55)
    stage.figure("fence", (7.55, 0.0, 0), yaw=-90)
    stage.figure("fence", (2.0, -0.6, 0), yaw=-95)


def candy_heap(stage, centre, rng):
    """A heap of the game's candies: a ring on the ground, a smaller ring on it and one on top."""
    cx, cy = centre
    for radius, height, count in ((0.46, 0.0, 6), (0.0, 0.02, 1), (0.24, 0.24, 3), (0.0, 0.46, 1)):
        for i in range(count):
            a = 2 * math.pi * (i + rng.random() * 0.3) / count
            pose = {"CandyRoot": {"rotation": (rng.uniform(-25, 25), rng.uniform(-20, 20), 0)}}
            stage.figure("candy", (cx + radius * math.cos(a), cy + radius * math.sin(a) * 0.8, height),
                         yaw=rng.uniform(0, 360), pose=pose)


def garden(stage):
    """Pumpkins, gravestones and a lamp in the middle of the garden."""
    for x, y, yaw, size in [(-1.4, -2.2, -70, 0.95), (1.3, -4.6, -110, 0.85), (1.9, -0.4, -80, 0.75),
                            (-2.0, 1.2, -60, 0.7)]:
        stage.figure("pumpkin", (x, y, 0), yaw=yaw, scale=size)
    for x, y, yaw in [(-0.5, 1.4, -95), (1.2, 1.9, -80), (-1.4, 3.0, -100), (2.8, 1.0, -72)]:
        stage.figure("gravestone", (x, y, 0), yaw=yaw)
    return stage.figure("lamp_post", (2.0, 2.8, 0), yaw=-90)


def night_air(stage, start, depth):
    mist = stage.scene.world.mist_settings
    mist.start, mist.depth, mist.falloff = start, depth, "QUADRATIC"


# ---- the two pictures -----------------------------------------------------------------

def lantern(stage, kid, name, energy):
    glass = stage.cell_centre(kid, "glass")
    stage.point_light(name, glass, LANTERN, energy, 0.06)
    stage.mark(name, glass)


def ghost(stage, mark, name, location, yaw, pose, lift, size=1.0, alpha=0.85, light=6.0):
    figure = stage.figure(name, location, yaw=yaw, scale=size, alpha=alpha, pose=pose)
    point = stage.mark(mark, (0, 0, 0.95 + lift), figure)
    stage.mark(mark + "_ground", (0, 0, 0), figure)
    if light:
        stage.point_light(mark + "_light", point, GHOST_LIGHT, light, 0.4)
    return figure


def stage_level0(stage, work):
    stage.world((0.05, 0.07, 0.16), 0.55)
    stage.ground(path_mask(os.path.join(work, "level0_path.png"), PATH))
    stage.sun("Moon", MOON, 1.8, 32, 75)
    stage.sun("Sky", (0.5, 0.55, 0.9), 0.35, 50, -20, angle=30.0)
    backdrop(stage)
    cottage_left(stage)
    lamp = garden(stage)
    stage.point_light("lamp", stage.mark("lamp", stage.cell_centre(lamp, "glass")), LANTERN, 30, 0.1)
    # Left: the kid at her door, lantern held high.
    kid = stage.figure("kid", (-4.1, -1.3, 0), yaw=-68, pose=kid_lifting(), hang=LANTERN_LIFT)
    lantern(stage, kid, "lantern_left", 60)
    stage.mark("kid_left", (0, 0, 0.9), kid)
    # Middle: ghosts rising from the garden.
    for i, (name, x, y, yaw, lift, size) in enumerate([
            ("ghost", -0.3, -0.6, -100, 0.5, 1.0), ("ghost", 1.0, 0.5, -70, 1.3, 0.9),
            ("ghost_fast", -1.3, 0.3, -120, 1.0, 1.0), ("ghost", 0.5, -2.2, -85, -0.15, 1.05)]):
        pose = ghost_rising(lift / size, sway=(-8, 6, -4, 10)[i], arms=(35, 60, 20, 50)[i])
        ghost(stage, "ghost%d" % i, name, (x, y, 0), yaw, pose, lift, size)
    # Right: the fairy appearing beside the kid, ready to set out.
    kid = stage.figure("kid", (3.8, -2.2, 0), yaw=-15, pose=kid_ready(), hang=LANTERN_HANG)
    lantern(stage, kid, "lantern_right", 40)
    stage.mark("kid_right", (0, 0, 0.9), kid)
    fairy = stage.figure("fairy", (4.65, -2.1, 0.95), yaw=-160, pose=FAIRY, scale=1.4)
    stage.point_light("fairy", stage.mark("fairy", (0, 0, 0.45), fairy), GHOST_LIGHT, 20, 0.2)
    stage.figure("signpost", (6.0, -0.8, 0), yaw=-120)
    stage.figure("pumpkin", (5.6, -4.2, 0), yaw=-60, scale=0.7)
    night_air(stage, 12.0, 40.0)


def stage_final(stage, work):
    stage.world((0.07, 0.08, 0.17), 0.6)
    stage.ground(path_mask(os.path.join(work, "final_path.png"), [(-x, y) for x, y in PATH]))
    stage.sun("Moon", MOON, 0.9, 30, 75)
    stage.sun("Dawn", DAWN, 2.4, 8, 155, angle=6.0)
    backdrop(stage, 11)
    cottage_right(stage)
    lamp = garden(stage)
    stage.point_light("lamp", stage.mark("lamp", stage.cell_centre(lamp, "glass")), LANTERN, 10, 0.1)
    # Left: the last ghost, fading up into sparkles between the graves.
    for x, y, yaw in [(-5.7, 0.9, -100), (-2.9, 1.3, -80)]:
        stage.figure("gravestone", (x, y, 0), yaw=yaw)
    stage.figure("fence", (-6.6, -0.3, 0), yaw=-85)
    stage.figure("tree_bare", (-6.3, 3.0, 0), yaw=140, scale=1.05)
    ghost(stage, "ghost_last", "ghost", (-4.2, -1.1, 0), -95, ghost_fading(), 0.55, alpha=0.45, light=4.0)
    # Right: the kid home under her window on a crate, candy heaped beside her, her lantern low.
    stage.figure("crate", (3.75, -0.55, 0), yaw=-80)
    kid = stage.figure("kid", (3.75, -0.55, 0), yaw=-112, pose=kid_resting(), hang=LANTERN_HANG)
    lantern(stage, kid, "lantern", 25)
    stage.mark("kid", (0, 0, 0.9), kid)
    candy_heap(stage, (4.85, -0.75), random.Random(SEED))
    fairy = stage.figure("fairy", (4.85, -0.75, 0.62), yaw=-110, pose=FAIRY, scale=1.2, glow=0.8)
    stage.point_light("fairy", stage.mark("fairy", (0, 0, 0.4), fairy), GHOST_LIGHT, 6, 0.2)
    stage.mark("window", (4.6, 0.0, 1.65))
    night_air(stage, 12.0, 40.0)


SCENES = {"level0": stage_level0, "final": stage_final}


def picture(name, textures_dir, out_dir, width, samples):
    stage = cutscene_stage.Stage(textures_dir)
    SCENES[name](stage, out_dir)
    location, target, lens = CAMERA
    stage.camera(location, target, lens)
    size = (width, width // 2)
    out_png = os.path.join(out_dir, name + ".png")
    cutscene_stage.render(stage.scene, out_png, size, samples, SEED)
    marks = {mark: stage.pixel(point, size) for mark, point in sorted(stage.marks.items())}
    horizon = stage.pixel((0.0, 300.0, location[2]), size)[1]
    with open(os.path.join(out_dir, name + ".json"), "w") as f:
        json.dump({"size": size, "horizon": horizon, "marks": marks}, f, indent=1, sort_keys=True)


def main(textures_dir, out_dir, width, samples, names):
    os.makedirs(out_dir, exist_ok=True)
    for name in names or sorted(SCENES):
        picture(name, textures_dir, out_dir, width, samples)


if __name__ == "__main__":
    args = sys.argv[sys.argv.index("--") + 1:] if "--" in sys.argv else []
    if len(args) != 2 and len(args) < 4:
        raise SystemExit("usage: blender -b --python cutscenes.py -- TEXTURES_DIR OUT_DIR [WIDTH SAMPLES [NAME ...]]")
    if len(args) == 2:
        args += [str(manifest.CUTSCENES[0].size[0]), str(SAMPLES)]
    main(args[0], args[1], int(args[2]), int(args[3]), args[4:])
