"""Renders the models as the files hold them, one picture per model, for the
contact sheet.

Run headless:  blender -b --python contact_sheet.py -- MODELS TEXTURES OUT_DIR OUT_LABELS [GROUP ...]
Each MD2 is read back with our own reader and shown in the first frame of its
first animation (the pose the engine shows first); the .X props are read back
the same way.  Each picture frames its model, so the label gives its height.
Cycles on the CPU, no denoiser, fixed seed: the same pictures every run.
"""

import importlib
import json
import math
import os
import sys

import bpy
from mathutils import Vector

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atlas  # noqa: E402
import manifest  # noqa: E402
import md2_writer  # noqa: E402
import x_writer  # noqa: E402

TILE = 320


def glow_table():
    """Texture file -> {"all": strength} or {"cells": [cell, ...]}, from the groups' GLOW tables:
    ghosts glow faintly, lamps shine from their glass."""
    table = {}
    for group in atlas.GROUPS:
        for texture, glow in getattr(importlib.import_module("paint_" + group), "GLOW", {}).items():
            table[texture + ".png"] = (texture, glow)
    return table


GLOW = glow_table()


def material(textures_dir, image_name):
    mat = bpy.data.materials.new(image_name)
    mat.use_nodes = True
    nodes, links = mat.node_tree.nodes, mat.node_tree.links
    shader = nodes["Principled BSDF"]
    image = nodes.new("ShaderNodeTexImage")
    image.image = bpy.data.images.load(os.path.join(textures_dir, image_name))
    image.interpolation = "Linear"
    links.new(image.outputs["Color"], shader.inputs["Base Color"])
    shader.inputs["Roughness"].default_value = 0.8
    texture, glow = GLOW.get(image_name, (None, {}))
    if "all" in glow:
        links.new(image.outputs["Color"], shader.inputs["Emission"])
        shader.inputs["Emission Strength"].default_value = glow["all"]
    for cell in glow.get("cells", []):
        glow_cell(nodes, links, image, shader, (texture, cell))
    return mat


def glow_cell(nodes, links, image, shader, cell):
    """Only the texture cell of a lamp's glass shines: a mask from the texture coordinates."""
    u0, v0, u1, v1 = atlas.cell_rect(*cell)
    coords = nodes.new("ShaderNodeUVMap")
    split = nodes.new("ShaderNodeSeparateXYZ")
    links.new(coords.outputs["UV"], split.inputs["Vector"])
    mask = None
    for axis, low, high in (("X", u0, u1), ("Y", v0, v1)):
        window = nodes.new("ShaderNodeMath")
        window.operation = "COMPARE"
        window.inputs[1].default_value = (low + high) / 2.0
        window.inputs[2].default_value = (high - low) / 2.0
        links.new(split.outputs[axis], window.inputs[0])
        if mask is None:
            mask = window
        else:
            both = nodes.new("ShaderNodeMath")
            both.operation = "MULTIPLY"
            links.new(mask.outputs[0], both.inputs[0])
            links.new(window.outputs[0], both.inputs[1])
            mask = both
    strength = nodes.new("ShaderNodeMath")
    strength.operation = "MULTIPLY"
    strength.inputs[1].default_value = 6.0
    links.new(mask.outputs[0], strength.inputs[0])
    links.new(image.outputs["Color"], shader.inputs["Emission"])
    links.new(strength.outputs[0], shader.inputs["Emission Strength"])


def mesh_object(name, positions, faces, uvs, mat):
    mesh = bpy.data.meshes.new(name)
    mesh.from_pydata(positions, [], faces)
    layer = mesh.uv_layers.new(name="UVMap")
    for poly in mesh.polygons:
        for corner, loop in zip(range(3), poly.loop_indices):
            layer.data[loop].uv = uvs[poly.index][corner]
    for poly in mesh.polygons:
        poly.use_smooth = True
    mesh.materials.append(mat)
    obj = bpy.data.objects.new(name, mesh)
    bpy.context.scene.collection.objects.link(obj)
    return obj


def md2_figure(path, mat):
    with open(path, "rb") as f:
        model = md2_writer.decode(f.read())
    w, h = model["skin_size"]
    faces, uvs = [], []
    for verts, sts in model["triangles"]:
        faces.append(verts)
        uvs.append([(model["texcoords"][s][0] / w, 1.0 - model["texcoords"][s][1] / h) for s in sts])
    return mesh_object(os.path.basename(path), model["frames"][0][1], faces, uvs, mat)


def x_figure(path, mat):
    with open(path) as f:
        positions, _normals, texcoords, faces, _texture = x_writer.decode(f.read())
    # Back from the engine's upright space (x, z, -y) to Blender's.
    blender = [(x, -z, y) for x, y, z in positions]
    uvs = [[(texcoords[i][0], 1.0 - texcoords[i][1]) for i in face] for face in faces]
    return mesh_object(os.path.basename(path), blender, faces, uvs, mat)


def stage(scene):
    world = bpy.data.worlds.new("Night")
    world.use_nodes = True
    world.node_tree.nodes["Background"].inputs["Color"].default_value = (0.015, 0.02, 0.06, 1)
    world.node_tree.nodes["Background"].inputs["Strength"].default_value = 1.0
    scene.world = world
    ground = bpy.data.meshes.new("Ground")
    ground.from_pydata([(-60, -60, -0.002), (60, -60, -0.002), (60, 60, -0.002), (-60, 60, -0.002)], [], [(0, 1, 2, 3)])
    ground_mat = bpy.data.materials.new("GroundMat")
    ground_mat.use_nodes = True
    ground_mat.node_tree.nodes["Principled BSDF"].inputs["Base Color"].default_value = (0.06, 0.07, 0.16, 1)
    ground.materials.append(ground_mat)
    scene.collection.objects.link(bpy.data.objects.new("Ground", ground))
    moon = bpy.data.objects.new("Moon", bpy.data.lights.new("Moon", "SUN"))
    moon.data.energy = 2.2
    moon.data.color = (0.62, 0.7, 1.0)
    moon.rotation_euler = (math.radians(10), math.radians(52), math.radians(-28))
    scene.collection.objects.link(moon)
    fill = bpy.data.objects.new("Fill", bpy.data.lights.new("Fill", "SUN"))
    fill.data.energy = 0.6
    fill.data.color = (0.8, 0.7, 1.0)
    fill.rotation_euler = (math.radians(60), math.radians(35), math.radians(200))
    scene.collection.objects.link(fill)


def lamp_light(scene, figure, cell):
    # Light the scene from wherever the lamp's glass is in this pose.
    u0, v0, u1, v1 = atlas.cell_rect(*cell)
    uvs = figure.data.uv_layers.active.data
    glass = [figure.data.vertices[figure.data.loops[i].vertex_index].co for i in range(len(uvs))
             if u0 <= uvs[i].uv[0] <= u1 and v0 <= uvs[i].uv[1] <= v1]
    centre = sum(glass, Vector()) / len(glass)
    light = bpy.data.objects.new("Lantern", bpy.data.lights.new("Lantern", "POINT"))
    light.data.energy = 12
    light.data.color = (1.0, 0.72, 0.35)
    light.data.shadow_soft_size = 0.05
    light.location = figure.matrix_world @ (centre + Vector((0.12, 0, 0)))
    light.name = "Lamp"
    scene.collection.objects.link(light)


def camera(scene, figure):
    """An orthographic camera from the game's side, high and to the front, framing the figure."""
    corners = [figure.matrix_world @ Vector(c) for c in figure.bound_box]
    low = Vector([min(c[i] for c in corners) for i in range(3)])
    high = Vector([max(c[i] for c in corners) for i in range(3)])
    centre = (low + high) / 2.0
    extent = max(high - low)
    cam = bpy.data.objects.new("Camera", bpy.data.cameras.new("Camera"))
    cam.data.type = "ORTHO"
    cam.data.ortho_scale = extent * 1.3
    cam.data.clip_end = 1000
    cam.location = centre + Vector((1.0, 0.0, 0.75)).normalized() * (extent * 4 + 5)
    cam.rotation_euler = (centre - cam.location).to_track_quat("-Z", "Y").to_euler()
    scene.collection.objects.link(cam)
    scene.camera = cam
    return high.z - low.z


def render_settings(scene, out_png):
    scene.render.engine = "CYCLES"
    scene.cycles.device = "CPU"
    scene.cycles.samples = 24
    scene.cycles.sample_clamp_indirect = 1.5
    scene.cycles.max_bounces = 4
    scene.cycles.use_denoising = False
    scene.cycles.seed = 7
    scene.render.threads_mode = "FIXED"
    scene.render.threads = 2
    scene.render.resolution_x, scene.render.resolution_y = TILE, TILE
    scene.render.resolution_percentage = 100
    scene.render.film_transparent = False
    scene.render.image_settings.file_format = "PNG"
    scene.render.image_settings.color_mode = "RGB"
    scene.view_settings.view_transform = "Filmic"
    scene.view_settings.look = "Medium High Contrast"
    for attribute in dir(scene.render):
        if attribute.startswith("use_stamp"):
            setattr(scene.render, attribute, False)
    scene.render.filepath = out_png


def render_model(entry, models_dir, textures_dir, out_png):
    bpy.ops.wm.read_factory_settings(use_empty=True)
    scene = bpy.context.scene
    stage(scene)
    mat = material(textures_dir, manifest.texture_file(entry))
    path = os.path.join(models_dir, entry.file)
    figure = md2_figure(path, mat) if entry.file.endswith(".md2") else x_figure(path, mat)
    figure.rotation_euler = (0, 0, math.radians(20))
    bpy.context.view_layer.update()
    _texture, glow = GLOW.get(manifest.texture_file(entry), (None, {}))
    for cell in glow.get("cells", []):
        lamp_light(scene, figure, (entry.name, cell))
    height = camera(scene, figure)
    render_settings(scene, out_png)
    bpy.ops.render.render(write_still=True)
    return height


def main(models_dir, textures_dir, out_dir, out_labels, groups):
    os.makedirs(out_dir, exist_ok=True)
    labels, missing = [], []
    for entry in manifest.MODELS:
        if groups and entry.group not in groups:
            continue
        if not os.path.isfile(os.path.join(models_dir, entry.file)):
            missing.append(entry.file)
            continue
        out_png = os.path.join(out_dir, entry.name + ".png")
        height = render_model(entry, models_dir, textures_dir, out_png)
        labels.append({"name": entry.file, "picture": out_png, "height": round(height, 2)})
    with open(out_labels, "w") as f:
        json.dump(labels, f, indent=1, sort_keys=True)
    if missing:
        raise SystemExit("Error: models not built: " + ", ".join(missing))


if __name__ == "__main__":
    args = sys.argv[sys.argv.index("--") + 1:] if "--" in sys.argv else []
    if len(args) < 4:
        raise SystemExit("usage: blender -b --python contact_sheet.py -- MODELS TEXTURES OUT_DIR OUT_LABELS [GROUP ...]")
    main(args[0], args[1], args[2], args[3], args[4:])
