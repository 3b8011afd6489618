"""Renders the models as the files hold them, for the contact sheet.

Run headless:  blender -b --python contact_sheet.py -- MODELS_DIR TEXTURES_DIR OUT_PNG OUT_LABELS
Each MD2 is read back with our own reader and shown in the first pose of every
animation it holds (the engine would show the same frames); the .X props are
read back the same way.  Cycles on the CPU, no denoiser, fixed seed: the same
picture every run.  The label file lists each figure's name and its column.
"""

import json
import math
import os
import sys

import bpy
from mathutils import Vector

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atlas  # noqa: E402
import md2_writer  # noqa: E402
import x_writer  # noqa: E402

WIDTH, HEIGHT = 1280, 560
ORTHO_SCALE = 13.0
SPACING = 1.55

# (file, animation shown or None for a static prop, frame within it: "first" or "middle" or "last").
FIGURES = [
    ("kid.md2", "MirelIdle", "first"), ("kid.md2", "MirelWalk", "middle"), ("kid.md2", "MirelDeath", "last"),
    ("kid.md2", "MirelFloat", "last"), ("ghost.md2", "GhostWalk", "first"), ("ghost.md2", "GhostOnHit", "middle"),
    ("ghost.md2", "GhostDeath", "middle"), ("candy.X", None, None),
]
EMISSIVE = {"ghost.png": 0.45}  # ghosts glow faintly, as the art direction asks
GLOWING_CELLS = {"kid.png": ("kid", "glass")}


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
    if image_name in EMISSIVE:
        links.new(image.outputs["Color"], shader.inputs["Emission"])
        shader.inputs["Emission Strength"].default_value = EMISSIVE[image_name]
    if image_name in GLOWING_CELLS:
        glow_cell(nodes, links, image, shader, GLOWING_CELLS[image_name])
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


def md2_figure(path, animation, which, mat):
    model = md2_writer.decode(open(path, "rb").read())
    names = [f[0] for f in model["frames"]]
    first, last = md2_writer.animations(names)[animation]
    index = {"first": first, "middle": (first + last) // 2, "last": last}[which]
    w, h = model["skin_size"]
    faces, uvs = [], []
    for verts, sts in model["triangles"]:
        faces.append(verts)
        uvs.append([(model["texcoords"][s][0] / w, 1.0 - model["texcoords"][s][1] / h) for s in sts])
    return mesh_object(animation, model["frames"][index][1], faces, uvs, mat), animation


def x_figure(path, mat):
    positions, _normals, texcoords, faces, _texture = x_writer.decode(open(path).read())
    # Back from the engine's upright space (x, z, -y) to Blender's.
    blender = [(x, -z, y) for x, y, z in positions]
    uvs = [[(texcoords[i][0], 1.0 - texcoords[i][1]) for i in face] for face in faces]
    name = os.path.splitext(os.path.basename(path))[0]
    return mesh_object(name, blender, faces, uvs, mat), name


def stage(scene):
    world = bpy.data.worlds.new("Night")
    world.use_nodes = True
    world.node_tree.nodes["Background"].inputs["Color"].default_value = (0.015, 0.02, 0.06, 1)
    world.node_tree.nodes["Background"].inputs["Strength"].default_value = 1.0
    scene.world = world
    ground = bpy.data.meshes.new("Ground")
    ground.from_pydata([(-8, -12, 0), (8, -12, 0), (8, 12, 0), (-8, 12, 0)], [], [(0, 1, 2, 3)])
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


def lantern_light(scene, figure):
    # Light the scene from wherever the lantern's glass is in this pose.
    u0, v0, u1, v1 = atlas.cell_rect("kid", "glass")
    uvs = figure.data.uv_layers.active.data
    glass = [figure.data.vertices[figure.data.loops[i].vertex_index].co for i in range(len(uvs))
             if u0 <= uvs[i].uv[0] <= u1 and v0 <= uvs[i].uv[1] <= v1]
    centre = sum(glass, Vector()) / len(glass)
    light = bpy.data.objects.new("Lantern", bpy.data.lights.new("Lantern", "POINT"))
    light.data.energy = 12
    light.data.color = (1.0, 0.72, 0.35)
    light.data.shadow_soft_size = 0.05
    light.location = figure.matrix_world @ (centre + Vector((0.12, 0, 0)))
    scene.collection.objects.link(light)


def camera(scene):
    cam = bpy.data.objects.new("Camera", bpy.data.cameras.new("Camera"))
    cam.data.type = "ORTHO"
    cam.data.ortho_scale = ORTHO_SCALE
    cam.location = (16, 0, 12.5)
    direction = Vector((0, 0, 0.9)) - cam.location
    cam.rotation_euler = direction.to_track_quat("-Z", "Y").to_euler()
    scene.collection.objects.link(cam)
    scene.camera = cam
    return cam


def render_settings(scene, out_png):
    scene.render.engine = "CYCLES"
    scene.cycles.device = "CPU"
    scene.cycles.samples = 64
    scene.cycles.sample_clamp_indirect = 1.5
    scene.cycles.max_bounces = 4
    scene.cycles.use_denoising = False
    scene.cycles.seed = 7
    scene.render.threads_mode = "FIXED"
    scene.render.threads = 2
    scene.render.resolution_x, scene.render.resolution_y = WIDTH, HEIGHT
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


def main(models_dir, textures_dir, out_png, out_labels):
    bpy.ops.wm.read_factory_settings(use_empty=True)
    scene = bpy.context.scene
    stage(scene)
    materials, labels = {}, []
    offset = -(len(FIGURES) - 1) * SPACING / 2.0
    for column, (file_name, animation, which) in enumerate(FIGURES):
        path = os.path.join(models_dir, file_name)
        image = "%s.png" % os.path.splitext(file_name)[0]
        mat = materials.setdefault(image, material(textures_dir, image))
        if animation is None:
            figure, label = x_figure(path, mat)
        else:
            figure, label = md2_figure(path, animation, which, mat)
        y = offset + column * SPACING
        figure.location = (0, y, 0)
        figure.rotation_euler = (0, 0, math.radians(20))
        if file_name == "kid.md2":
            bpy.context.view_layer.update()
            lantern_light(scene, figure)
        # The camera looks along -x with +y to the right: the column's place on the picture.
        labels.append({"name": "%s %s" % (file_name, label) if animation else file_name, "file": file_name, "x": WIDTH / 2.0 + y / ORTHO_SCALE * WIDTH})
    camera(scene)
    render_settings(scene, out_png)
    bpy.ops.render.render(write_still=True)
    with open(out_labels, "w") as f:
        json.dump(labels, f, indent=1, sort_keys=True)


if __name__ == "__main__":
    args = sys.argv[sys.argv.index("--") + 1:] if "--" in sys.argv else []
    if len(args) != 4:
        raise SystemExit("usage: blender -b --python contact_sheet.py -- MODELS TEXTURES OUT_PNG OUT_LABELS")
    main(*args)
