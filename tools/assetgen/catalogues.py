"""Writes the game's resource catalogues from the manifest: "TextureData.xml",
"MaterialData.xml", "MeshData.xml", "PrefabData.xml", "decorations.xml",
"binaryTiles.xml" and "billboards.xml" in GameData/XML_Resources/, and the
achievement banners' GUI layout "AchievementLayout.xml" in GameData/XML_Game/.  Every name
comes from the one table, so a texture set, mesh or material named in one
catalogue is the one another defines.

Usage: /usr/bin/python3 catalogues.py GAMEDATA_DIR
"""

import os
import sys
from xml.sax.saxutils import quoteattr

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import manifest  # noqa: E402

HEADER = ('<?xml version="1.0" encoding="UTF-8"?>\n'
          "<!-- Written by tools/assetgen/build from tools/assetgen/manifest.py: edit the table there. -->\n")


def element(tag, **attributes):
    """An empty element with its attributes in the order given."""
    return "<%s %s/>" % (tag, " ".join("%s=%s" % (k, quoteattr(str(v))) for k, v in attributes.items()))


def number(value):
    return ("%.3f" % value).rstrip("0").rstrip(".") if isinstance(value, float) else str(value)


# ---- TextureData.xml -------------------------------------------------------

def texture_set(name, file_name, path=manifest.TEXTURES_PATH):
    return ['  <TextureSet name="%s">' % name,
            "    " + element("Texture", filename=file_name, path=path, type="diffuse"),
            "  </TextureSet>"]


def texture_data():
    lines = ["<TextureSets>", "  <!-- Models: one diffuse atlas each. -->"]
    for entry in manifest.MODELS:
        lines += texture_set(manifest.texture_set(entry), manifest.texture_file(entry))
    lines.append("  <!-- Floor tiles, drawn over the shared tile mesh. -->")
    for tile in manifest.TILES:
        lines += texture_set(manifest.tile_texture_set(tile), tile.texture + ".png")
    lines.append("  <!-- Billboards and the light halo. -->")
    for board in manifest.BILLBOARDS + [manifest.HALO]:
        lines += texture_set(board.texture_set, board.texture + ".png")
    lines.append("  <!-- Particle systems: each system draws with the texture set of its own name. -->")
    for particle in manifest.PARTICLES:
        lines += texture_set(particle.name, particle.texture + ".png")
    lines.append("  <!-- GUI: frames side by side in one row (see manifest.GUI for their sizes). -->")
    for entry in manifest.GUI:
        lines += texture_set(entry.texture_set, entry.file, manifest.GUI_PATH)
    lines.append("  <!-- Achievement banners, one per achievement index. -->")
    for index in range(len(manifest.ACHIEVEMENTS)):
        lines += texture_set(manifest.achievement_art(index), manifest.achievement_file(index), manifest.GUI_PATH)
    lines.append("  <!-- Whole pictures: marks, menu, loading page, cutscene frame, ranks, achievement icons. -->")
    for picture in manifest.PICTURES:
        lines += texture_set(picture.texture_set, picture.file, manifest.gui_folder(picture.folder))
    lines.append("  <!-- Level previews: rendered by the game, or the generator's blank page until then. -->")
    for index in range(manifest.LEVEL_COUNT):
        lines += texture_set(manifest.level_preview(index), manifest.preview_file(index),
                             manifest.gui_folder(manifest.PREVIEW_FOLDER))
    lines.append("  <!-- Cutscene pictures: three scenes side by side in each. -->")
    for cutscene in manifest.CUTSCENES:
        lines += texture_set(cutscene.texture_set, manifest.cutscene_file(cutscene),
                             manifest.gui_folder(manifest.CUTSCENE_FOLDER))
    lines.append("</TextureSets>")
    return lines


# ---- MaterialData.xml ------------------------------------------------------

def material_data():
    lines = ["<Materials>"]
    for material in manifest.MATERIALS:
        if material.comment:
            lines.append("  <!-- %s -->" % material.comment)
        lines.append('  <Material name="%s">' % material.name)
        for state, value in material.states:
            lines.append("    " + element("MaterialRS", RSName=state, value=value))
        if material.shader:
            shader = material.shader
            lines.append("    <Shader vsfilename=%s psfilename=%s pathdir=%s vsstartfunc=%s psstartfunc=%s>" % tuple(
                quoteattr(v) for v in (shader.file, shader.file, manifest.SHADERS_PATH, shader.vertex, shader.pixel)))
            lines.append("      " + element("ShaderParams", **{m: 1 for m in shader.matrices}))
            lines.append("    </Shader>")
        lines.append("  </Material>")
    lines.append("</Materials>")
    return lines


# ---- MeshData.xml ----------------------------------------------------------

def mesh_data():
    lines = ["<Meshes>", "  " + element("GlobalScale", val="1.0")]
    for entry in manifest.MODELS:
        lines.append('  <Mesh name="%s">' % manifest.mesh_name(entry))
        lines.append("    " + element("MeshFile", filename=entry.file, path=manifest.MODELS_PATH))
        lines.append("  </Mesh>")
    lines.append("</Meshes>")
    return lines


# ---- PrefabData.xml, decorations.xml, binaryTiles.xml, billboards.xml -------

def mesh_reference(entry):
    return element("meshData", meshName=manifest.mesh_name(entry), TextureSetName=manifest.texture_set(entry),
                   materialName=entry.material)


def prefab_data():
    lines = ["<Prefabs>"]
    for entry in manifest.MODELS:
        for prefab in entry.prefabs:
            lines += ['  <Prefab id="%s">' % prefab, "    " + mesh_reference(entry), "  </Prefab>"]
    lines.append("</Prefabs>")
    return lines


def decorations():
    lines = ["<Decorations>"]
    for deco in manifest.DECORATIONS:
        lines += ['  <decoration id="%s" collision="%s">' % (deco.id, "true" if deco.collision else "false"),
                  "    " + mesh_reference(manifest.model(deco.model)), "  </decoration>"]
    lines.append("</Decorations>")
    return lines


def binary_tiles():
    tile_model = manifest.model("tile")
    lines = ['<BinaryTileRoot tileSize="%d">' % manifest.TILE_SIZE]
    for tile in manifest.TILES:
        lines += ['  <BinaryTile index="%d" name="%s">' % (tile.index, tile.name),
                  "    " + element("meshData", meshName=manifest.mesh_name(tile_model),
                                   TextureSetName=manifest.tile_texture_set(tile), materialName=tile_model.material),
                  "  </BinaryTile>"]
    lines.append("</BinaryTileRoot>")
    return lines


def billboards():
    lines = ["<Billboards>"]
    for board in manifest.BILLBOARDS:
        lines += ['  <Billboard name="%s">' % board.name,
                  "    " + element("BillboardData", TextureSetName=board.texture_set, materialName=board.material,
                                   width=number(board.width), height=number(board.height)),
                  "  </Billboard>"]
    lines.append("</Billboards>")
    return lines


# ---- AchievementLayout.xml -------------------------------------------------

# Banners sit hidden at the top centre; the achievement store slides them in from the left
# and out to the right.  At 4:3 this size keeps the pictures' 4:1 shape (410 x 102 pixels at
# 1024 x 768), above the game's HUD and below the pause menu's layers.
BANNER_POSITION = (0.5, 0.88)
BANNER_SIZE = (0.4, 0.133)
BANNER_LAYER = 8


def achievement_layout():
    lines = ["<GUILayout>"]
    for index in range(len(manifest.ACHIEVEMENTS)):
        lines.append("  " + element("UIImage", name=manifest.achievement_art(index),
                                    TSname=manifest.achievement_art(index),
                                    normwidth=number(BANNER_SIZE[0]), normheight=number(BANNER_SIZE[1]),
                                    normPosX=number(BANNER_POSITION[0]), normPosY=number(BANNER_POSITION[1]),
                                    layer=BANNER_LAYER, visible=0))
    lines.append("</GUILayout>")
    return lines


LAYOUTS = {
    manifest.ACHIEVEMENT_LAYOUT: achievement_layout,
}

CATALOGUES = {
    "TextureData.xml": texture_data,
    "MaterialData.xml": material_data,
    "MeshData.xml": mesh_data,
    "PrefabData.xml": prefab_data,
    "decorations.xml": decorations,
    "binaryTiles.xml": binary_tiles,
    "billboards.xml": billboards,
}


def write_all(out_dir, builders):
    os.makedirs(out_dir, exist_ok=True)
    for file_name, build in builders.items():
        path = os.path.join(out_dir, file_name)
        with open(path, "w", newline="\n") as f:
            f.write(HEADER + "\n".join(build()) + "\n")
        print("catalogue", path)


def main(gamedata):
    write_all(os.path.join(gamedata, "XML_Resources"), CATALOGUES)
    write_all(os.path.join(gamedata, "XML_Game"), LAYOUTS)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    main(sys.argv[1])
