"""The one table of what the generator makes and the names the game looks up.

Every model's file, texture, catalogue names and the animation names its
entity plays, every decoration, floor tile, billboard, particle texture set and
material live here.  The model builders, the texture painter, the checker, the
catalogue writer and the contact sheet all read this table, so a name cannot
drift between a file and its catalogue entry.  The game's own list of the names
it looks up lives in game/data/ContentNames.h; the content test in ./test holds
the two against each other.
"""

from collections import namedtuple

MODELS_PATH = "./GameData/Models/"
TEXTURES_PATH = "./GameData/Textures/"
SHADERS_PATH = "./GameData/Shaders/"
SKYBOX_DIR = "Game/skybox"        # under GameData/Textures/
SKYBOX_FILE = "blacksky.tga"      # the face the sky box loads six times; _rt, _lf, ... are the cube faces
SKYBOX_FACES = ("_rt", "_lf", "_up", "_dn", "_fr", "_bk")

CHARACTER_TRIANGLES = 1500
PROP_TRIANGLES = 600

# A model: its file (".md2" animated, ".X" static) and texture "<name>.png" are made
# by the builder of its group; texture set "<Stem>TS"; mesh "<Stem>Mesh".
#   group:      which builder module makes it (models_<group>.py, paint_<group>.py)
#   prefabs:    the "PrefabData.xml" ids that show it
#   animations: exactly the animation names the game plays on it (MD2 only)
#   material:   the material its prefabs and decorations use
Model = namedtuple("Model", "name group file stem material prefabs animations budget")


def md2(name, group, stem, prefabs, animations, material="StandardMat", budget=CHARACTER_TRIANGLES):
    return Model(name, group, name + ".md2", stem, material, prefabs, animations, budget)


def x(name, group, stem, prefabs=(), material="StandardMat", budget=PROP_TRIANGLES):
    return Model(name, group, name + ".X", stem, material, list(prefabs), [], budget)


GHOST_ANIMATIONS = ["GhostWalk", "GhostOnHit", "GhostDeath"]
HAMMER_ANIMATIONS = ["BossHammerAni"]

MODELS = [
    # ---- the kid and the stroke ----
    md2("kid", "characters", "Kid", ["kid"], ["MirelIdle", "MirelWalk", "MirelDeath", "MirelFloat"]),
    md2("fairy", "characters", "Fairy", ["Fairy"], ["FRAMEA"], material="FairyMat", budget=PROP_TRIANGLES),
    # ---- ghosts and special enemies ----
    md2("ghost", "characters", "Ghost", ["BasicEnemy"], GHOST_ANIMATIONS),
    md2("ghost_fast", "characters", "GhostFast", ["BasicEnemyFast"], GHOST_ANIMATIONS),
    md2("ghost_hp", "characters", "GhostHP", ["BasicEnemyHP"], GHOST_ANIMATIONS),
    md2("doll", "characters", "Doll", ["DollEnemy"], ["DollWalk"]),
    # The power-up stands in the game as the bomb's model.
    md2("bomb", "characters", "Bomb", ["BombEnemy"], ["BombWalk"]),
    md2("magician", "characters", "Magician", ["TeleportEnemy"], ["MagicianWalk"]),
    md2("jack", "characters", "Jack", ["JackInBox"], ["MukScareKid", "MukOnDeath"]),
    md2("witch", "characters", "Witch", ["WitchEnemy"],
        ["JackWalk", "JackClkNHolSt", "JackHolding", "JackRelHolding"]),
    md2("chaser", "characters", "Chaser", ["ChaserEnemy"], ["ChaserRun"]),
    md2("drag", "characters", "Drag", ["DragEnemy"], ["DragRoll"]),
    # ---- the boss ----
    md2("boss", "props", "Boss", ["Boss"], ["BossBody", "BossDie"]),
    # The boss's two hammers and the ring of health icons around it play the same swing.
    md2("hammer", "props", "Hammer", ["Swat", "Hammer"], HAMMER_ANIMATIONS, budget=PROP_TRIANGLES),
    # ---- traps ----
    md2("spikes", "props", "Spikes", ["SpikeTrap", "StaticSpikeTrap"],
        ["SpikeDown", "SpikeGUp", "SpikeUp", "SpikeGDown"], budget=PROP_TRIANGLES),
    x("arrow_trap", "props", "ArrowTrap", ["ArrowTrap"]),
    x("projectile", "props", "Projectile", ["Projectile"]),
    x("slow_trap", "props", "SlowTrap", ["BasicTrap"]),
    x("spawner", "props", "Spawner", ["SpawnEnemy"]),
    # ---- items, doors and breakables ----
    x("candy", "characters", "Candy", ["Collectable"]),
    x("key", "props", "Key", ["Key", "KidKey"]),
    x("door", "props", "Door", ["Door"]),
    x("locked_door", "props", "LockedDoor", ["LockedDoor"]),
    x("crate", "props", "Crate", ["Destructables"]),
    x("stone_block", "props", "StoneBlock", ["Undestructable"]),
    # ---- level markers ----
    x("checkpoint", "props", "CheckPoint", ["CheckPoint"]),
    x("win_point", "props", "WinPoint", ["WinPoint"]),
    x("healing_lamp", "props", "HealingLamp", ["HealingLampPost"]),
    x("stone_wall", "props", "StoneWall", ["NormalWall"]),
    # ---- scenery (decorations below) ----
    x("tree_bare", "scenery", "TreeBare"),
    x("tree_leafy", "scenery", "TreeLeafy"),
    x("tree_pine", "scenery", "TreePine"),
    x("bush", "scenery", "Bush"),
    x("rock", "scenery", "Rock"),
    x("gravestone", "scenery", "Gravestone"),
    x("pumpkin", "scenery", "Pumpkin"),
    x("lamp_post", "scenery", "LampPost"),
    x("well", "scenery", "Well"),
    x("cottage_wall", "scenery", "CottageWall"),
    x("signpost", "scenery", "Signpost"),
    x("fence", "scenery", "Fence"),
    x("mushrooms", "scenery", "Mushrooms"),
    x("stump", "scenery", "Stump"),
    x("challenge_stone", "scenery", "ChallengeStone"),
    # One floor tile: the layer builder places a copy of "cubeMesh" on every cell.
    Model("tile", "scenery", "tile.X", "Tile", "StandardMat", [], [], 48),
]

# Meshes catalogued under a name the game spells out rather than "<Stem>Mesh".
MESH_NAMES = {"ghost": "GhostMesh", "tile": "cubeMesh"}

# A decoration: the level's "id", the model it shows, whether the kid bumps into it.
# Ids beginning with "Tree" are turned to a random yaw by the game.
Decoration = namedtuple("Decoration", "id model collision")
DECORATIONS = [
    Decoration("TreeBare", "tree_bare", True),
    Decoration("TreeLeafy", "tree_leafy", True),
    Decoration("TreePine", "tree_pine", True),
    Decoration("Bush", "bush", False),
    Decoration("Rock", "rock", True),
    Decoration("Gravestone", "gravestone", True),
    Decoration("Pumpkin", "pumpkin", False),
    Decoration("LampPost", "lamp_post", True),
    Decoration("Well", "well", True),
    Decoration("CottageWall", "cottage_wall", True),
    Decoration("Signpost", "signpost", True),
    Decoration("Fence", "fence", True),
    Decoration("Mushrooms", "mushrooms", False),
    Decoration("Stump", "stump", True),
    Decoration("ChallengeStone", "challenge_stone", False),
    # A ghost asleep in the grass: the game tilts every "GhostMesh" decoration.
    Decoration("SleepingGhost", "ghost", False),
]

# Floor tiles: index (the cell value of a tile layer), name, painted texture.
TILE_SIZE = 2
Tile = namedtuple("Tile", "index name texture")
TILES = [
    Tile(1, "Grass", "tile_grass"),
    Tile(2, "Path", "tile_path"),
    Tile(3, "Cobbles", "tile_cobbles"),
    Tile(4, "Planks", "tile_planks"),
    Tile(5, "DarkSoil", "tile_soil"),
    Tile(6, "WaterEdge", "tile_water_edge"),
]

# Billboards: flat glowing quads on the ground or in the air.
Billboard = namedtuple("Billboard", "name texture texture_set material width height")
BILLBOARDS = [
    Billboard("LampGlow", "glow_lamp", "LampGlowTS", "BillboardLampMat", 3.0, 3.0),
    Billboard("Fireflies", "glow_fireflies", "FirefliesTS", "BillboardLampMat", 2.0, 2.0),
    Billboard("MoonPool", "glow_moon", "MoonPoolTS", "BillboardLampMat", 4.0, 4.0),
]
# The halo over a lit checkpoint and the win point, named by the game.
HALO = Billboard("HaloEffect", "light_halo", "LightHalo", "BillboardLampMat", 2.5, 2.5)

# Particle systems: the material and texture set of a system share its name.
# blend: 1 alpha, 2 additive (the systems' own choice; the material follows it).
Particle = namedtuple("Particle", "name texture blend")
PARTICLES = [
    Particle("AuraPTS", "fx_spark", 2),
    Particle("PoofPTS", "fx_puff", 2),
    Particle("SlashedPTS", "fx_slash", 1),
    Particle("SplatterPTS", "fx_splat", 2),
    Particle("PossessSplatterPTS", "fx_splat_dark", 2),
    Particle("ExplodePTS", "fx_ring", 2),
    Particle("SpawnPTS", "fx_swirl", 2),
    Particle("BossTargetPTS", "fx_target", 2),
    Particle("CollectPTS", "fx_star", 2),
    Particle("KeyCollectPTS", "fx_star_gold", 2),
    Particle("CratePTS", "fx_splinter", 1),
    Particle("PixieDustPTS", "fx_dust", 2),
    Particle("RingPTS", "fx_ring", 2),
    Particle("WalkPTS", "fx_dirt", 1),
    Particle("LockedDoorPTS", "fx_lock", 1),
    Particle("KeyPTS", "fx_key", 1),
    Particle("Effect_Fog", "fx_fog", 2),
    Particle("Effect_Rain", "fx_rain", 2),
    Particle("Effect_Splatter", "fx_ripple", 2),
    Particle("PlayTestPlayer", "fx_marker_warm", 2),
    Particle("PlayTestEnemy", "fx_marker_cold", 2),
]
PARTICLE_TEXTURE_SIZE = 256

# GUI pictures, in GameData/Textures/GUI/.  Animated ones hold their frames side by side in one
# row, left to right, so frame f sits at column f whichever way a renderer counts rows.
#   frame:  pixel size of one frame (the layouts' "framewidth" x "frameheight"); frames: how many
# Buttons: 0 idle, 1 hover, 2 pressed, 3 disabled.  The text box: 0 without and 1 with the
# keyboard focus (each focus animation shows its first frame).  The cursor: its point is the
# top left corner; 0 and 3 rest, 1 and 2 twinkle.  The mute button shows "MuteButtonTS"
# while sound plays and "UnmuteButtonTS" while muted, in the options layout's button frames.
GUI_PATH = "./GameData/Textures/GUI/"
GuiTexture = namedtuple("GuiTexture", "texture_set file frame frames")
BUTTON_FRAME = (512, 256)
GUI = [
    GuiTexture("buttonTS", "button.png", BUTTON_FRAME, 4),
    GuiTexture("MuteButtonTS", "button_mute.png", BUTTON_FRAME, 4),
    GuiTexture("UnmuteButtonTS", "button_unmute.png", BUTTON_FRAME, 4),
    GuiTexture("closebuttonTS", "close_button.png", (32, 32), 4),
    GuiTexture("textboxTS", "textbox.png", (64, 64), 2),
    GuiTexture("MouseCursorTS", "cursor.png", (128, 128), 4),
    GuiTexture("panelTS", "panel.png", (512, 512), 1),
    GuiTexture("BlackOverlayTS", "black_overlay.png", (64, 64), 1),
    # The HUD of play: the kid's heart, a carried key, a candy, and the health bar's fill and frame
    # (the frame is also the options panel's volume track).
    GuiTexture("HUDHeartTS", "hud_heart.png", (128, 128), 1),
    GuiTexture("HUDKeyTS", "hud_key.png", (128, 128), 1),
    GuiTexture("HUDCandyTS", "hud_candy.png", (128, 128), 1),
    GuiTexture("HUDBarTS", "hud_bar.png", (256, 32), 1),
    GuiTexture("HUDBarFrameTS", "hud_bar_frame.png", (256, 32), 1),
]

# Achievement banners, by index: title and the line under it.  Each is a texture set
# "AchievementArt<n>" and an image of that name in "AchievementLayout.xml".
Achievement = namedtuple("Achievement", "title line emblem")
ACHIEVEMENTS = [
    Achievement("First Light", "Brought the lantern home from the first night", "star"),
    Achievement("Lights Out", "Even brave lanterns flicker sometimes", "lantern"),
    Achievement("Into the Woods", "Found the way through the whispering trees", "tree"),
    Achievement("Turn of the Key", "Opened a locked door", "key"),
    Achievement("Leap of Faith", "Floated away before any checkpoint", "feather"),
    Achievement("Sweet Tooth", "Gathered a hundred candies", "candy"),
    Achievement("Moon Walker", "Crossed the deepest night", "moon"),
    Achievement("Flattened", "Met the hammer head on", "hammer"),
    Achievement("Dawn", "Chased the last ghost into the morning", "sun"),
    Achievement("Night Owl", "A secret of the storybook night", "owl"),
]
ACHIEVEMENT_FRAME = (1024, 256)
ACHIEVEMENT_LAYOUT = "AchievementLayout.xml"  # in GameData/XML_Game/


def achievement_art(index):
    return "AchievementArt%d" % index


def achievement_file(index):
    return "achievement_%d.png" % index


# Whole pictures in folders of GameData/Textures/GUI/: the screens stretch each over its element.
#   folder: under GUI/; size: pixels; opaque: every pixel fully covered (else a transparent surround)
# The engine shares one texture between sets naming the same file name, so every file name is
# unique across all the textures, whatever its folder.
Picture = namedtuple("Picture", "texture_set folder file size opaque")
FULL_SCREEN = (1920, 1080)
CURTAIN = (1024, 1152)   # half the screen's width, all of its height: 640:720
TITLE = (1600, 600)
BADGE = (256, 256)
RANKS = "SABCD"


def rank_texture_set(letter):
    return "Rank%sTS" % letter


def achievement_icon(index, locked=False):
    return ("AchievementIconLocked%dTS" if locked else "AchievementIcon%dTS") % index


PICTURES = [
    Picture("TessaryLogoTS", "logos", "logo_tessary.png", FULL_SCREEN, False),
    Picture("TeamLogoTS", "logos", "logo_quillmoth.png", FULL_SCREEN, False),
    Picture("MainMenuCurtainLeft", "menu", "curtain_left.png", CURTAIN, True),
    Picture("MainMenuCurtainRight", "menu", "curtain_right.png", CURTAIN, True),
    Picture("MainMenuBGTS", "menu", "title.png", TITLE, False),
    Picture("MainMenuBGWhiteTS", "menu", "title_glow.png", TITLE, False),
    Picture("LoadingScreenTS", "loading", "loading.png", FULL_SCREEN, True),
    Picture("CutsceneOverlayTS", "cutscenes", "overlay.png", FULL_SCREEN, False),
] + [
    Picture(rank_texture_set(letter), "ranks", "rank_%s.png" % letter.lower(), BADGE, False) for letter in RANKS
] + [
    Picture(achievement_icon(index, locked), "achievements",
            "achievement_icon_%d%s.png" % (index, "_locked" if locked else ""), BADGE, False)
    for index in range(10) for locked in (False, True)
]

# Level previews: the game renders a real one into previews/level<n>.png with its own command;
# the generator paints a "page yet to be written" only where no file is there yet, and never
# writes over one that is.
LEVEL_COUNT = 11
PREVIEW_FOLDER = "previews"
PREVIEW_SIZE = (1280, 720)


def level_preview(index):
    return "LevelPreview%dTS" % index


def preview_file(index):
    return "level%d.png" % index


# Cutscene pictures, rendered in Blender from the game's models (cutscenes.py) and painted over
# (paint_cutscenes.py): 2:1 panoramas of three scenes side by side, JPEG.
Cutscene = namedtuple("Cutscene", "texture_set name size")
CUTSCENE_FOLDER = "cutscenes"
CUTSCENES = [
    Cutscene("CutsceneLevel0TS", "level0", (2048, 1024)),
    Cutscene("CutsceneFinalTS", "final", (2048, 1024)),
]


def cutscene_file(entry):
    return entry.name + ".jpg"


def gui_folder(folder):
    """The catalogue path of a folder under GameData/Textures/GUI/."""
    return GUI_PATH + folder + "/"


# Materials: render states by name (the catalogue's "MaterialRS"), then at most one shader
# program: (file, vertex entry, pixel entry, automatic matrices switched on).
Material = namedtuple("Material", "name comment states shader")
Shader = namedtuple("Shader", "file vertex pixel matrices")
OPAQUE = [("DepthTesting", 1), ("ZWrite", 1), ("Culling", 0), ("AlphaBlending", 0)]
GLOWING = [("DepthTesting", 1), ("ZWrite", 0), ("Culling", 0), ("AdditiveBlending", 1)]
LIT_MATRICES = ["WVPMatrix", "WorldMatrix", "ViewMatrix"]
STANDARD = Shader("standard.shader", "StandardVS", "StandardPS", LIT_MATRICES)
MATERIALS = [
    Material("defaultMat", "What every pass returns to; drawn by the built-in program.", OPAQUE, None),
    Material("StandardMat", "The lit, textured, keyframe-blended look of the world's models under the kid's lantern.",
             OPAQUE, STANDARD),
    Material("FairyMat", "The fairy: the same light, drawn as a glow added over the scene.", GLOWING, STANDARD),
    Material("ShadowMat", "Lit surfaces that receive the lantern's shadows; its program is made in code as well.",
             OPAQUE[:3], Shader("light_shadow.shader", "vsmain", "psmain", LIT_MATRICES)),
    Material("ShadowPreprocessMat", "The depth pass into a light's shadow map; its program is made in code as well.",
             [("DepthTesting", 1), ("ZWrite", 1), ("Culling", 0)],
             Shader("shadow_preprocess.shader", "ShadowPreprocessVS", "ShadowPreprocessPS", ["WorldMatrix"])),
    Material("ParticleMat", "Every particle system's program: the system's texture faded by each particle's alpha.",
             [("DepthTesting", 1), ("ZWrite", 0), ("Culling", 0), ("AlphaBlending", 1)],
             Shader("particle.shader", "ParticleVS", "ParticlePS", ["WVPMatrix"])),
    Material("BillboardLampMat", "Lamp glows, fireflies and halos: textured quads added over the scene, tinted and faded "
             "by their emissive colour.", GLOWING,
             Shader("gui_blend.shader", "GUIVSMain", "GUIPSMain", ["WVPMatrix", "TextureMatrix"])),
] + [
    Material(p.name, None, [("DepthTesting", 1), ("ZWrite", 0), ("Culling", 0),
                            ("AdditiveBlending" if p.blend == 2 else "AlphaBlending", 1)], None)
    for p in PARTICLES
]


def model(name):
    for entry in MODELS:
        if entry.name == name:
            return entry
    raise KeyError(name)


def mesh_name(entry):
    return MESH_NAMES.get(entry.name, entry.stem + "Mesh")


def texture_set(entry):
    return entry.stem + "TS"


def texture_file(entry):
    return entry.name + ".png"


def tile_texture_set(tile):
    return "Tile" + tile.name + "TS"


def models_of(group):
    return [entry for entry in MODELS if entry.group == group]


def _check():
    names = [entry.name for entry in MODELS]
    assert len(names) == len(set(names)), "a model name appears twice"
    meshes = [mesh_name(entry) for entry in MODELS]
    assert len(meshes) == len(set(meshes)), "a mesh name appears twice"
    prefabs = [p for entry in MODELS for p in entry.prefabs]
    assert len(prefabs) == len(set(prefabs)), "a prefab id appears twice"
    for deco in DECORATIONS:
        model(deco.model)
    for entry in MODELS:
        assert entry.file.endswith(".md2") == bool(entry.animations), entry.name + ": animations only on MD2"
        for animation in entry.animations:
            # Frame names are the animation's name and a frame number, at most 15 characters.
            assert len(animation) <= 14 and not any(c.isdigit() for c in animation), animation
    assert len({p.name for p in PARTICLES}) == len(PARTICLES)
    materials = [m.name for m in MATERIALS]
    assert len(materials) == len(set(materials)), "a material name appears twice"
    used = {e.material for e in MODELS} | {b.material for b in BILLBOARDS + [HALO]}
    assert used <= set(materials), sorted(used - set(materials))
    assert len({g.texture_set for g in GUI}) == len(GUI), "a GUI texture set appears twice"
    assert len(ACHIEVEMENTS) == 10, "the game looks up exactly ten achievement banners"
    sets = [g.texture_set for g in GUI] + [achievement_art(i) for i in range(len(ACHIEVEMENTS))] + \
        [p.texture_set for p in PICTURES] + [level_preview(i) for i in range(LEVEL_COUNT)] + \
        [c.texture_set for c in CUTSCENES]
    assert len(sets) == len(set(sets)), "a GUI texture set appears twice"
    # The engine keys its textures by file name alone: two files of one name would share a texture.
    files = [texture_file(e) for e in MODELS] + [t.texture + ".png" for t in TILES] + \
        [b.texture + ".png" for b in BILLBOARDS + [HALO]] + sorted({p.texture + ".png" for p in PARTICLES}) + \
        [g.file for g in GUI] + [achievement_file(i) for i in range(len(ACHIEVEMENTS))] + \
        [p.file for p in PICTURES] + [preview_file(i) for i in range(LEVEL_COUNT)] + \
        [cutscene_file(c) for c in CUTSCENES]
    assert len(files) == len(set(files)), "two textures share a file name"


_check()
