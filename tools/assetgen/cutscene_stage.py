"""The stage the cutscene pictures are rendered on (run in Blender): the game's own
models built by their own builders, posed, frozen and set about a moonlit garden,
with the lights, the ground and the camera of a storybook panorama.

A figure is built exactly as models.py builds it for the game (the same builder,
the same atlas texture from GameData/Textures), posed with the rig's pose
dictionaries, then frozen into plain meshes placed in the scene, so any number
of kids, ghosts and pumpkins can stand side by side.  Marks are named points the
painting step (paint_cutscenes.py) glows and sparkles around; the camera turns
them into picture pixels.
"""

import importlib
import math
import os
from collections import namedtuple

import bpy
from bpy_extras.object_utils import world_to_camera_view
from mathutils import Matrix, Vector

import atlas
import contact_sheet
import manifest
import rig


Figure = namedtuple("Figure", "texture placed objects")


class Stage:
    """One scene being set: materials shared by texture, the lights and the marks."""

    def __init__(self, textures_dir):
        rig.reset_scene()
        self.scene = bpy.context.scene
        self.textures_dir = textures_dir
        self.materials = {}
        self.marks = {}
        self.count = 0

    # ---- figures ---------------------------------------------------------------

    def material(self, texture, alpha=1.0, glow=1.0):
        """The model's texture as the contact sheet shows it (its glowing cells included);
        alpha below 1 lets the scene show through (a fading ghost), glow scales its shine."""
        key = (texture, alpha, glow)
        if key not in self.materials:
            mat = contact_sheet.material(self.textures_dir, texture + ".png")
            mat.name = "%s_%g_%g" % key
            nodes, links = mat.node_tree.nodes, mat.node_tree.links
            shader = nodes["Principled BSDF"]
            strength = shader.inputs["Emission Strength"]
            if strength.is_linked:
                scale = nodes.new("ShaderNodeMath")
                scale.operation = "MULTIPLY"
                scale.inputs[1].default_value = glow
                links.new(strength.links[0].from_socket, scale.inputs[0])
                links.new(scale.outputs[0], strength)
            else:
                strength.default_value *= glow
            if alpha < 1.0:
                shader.inputs["Alpha"].default_value = alpha
                mat.blend_method = "BLEND"
            self.materials[key] = mat
        return self.materials[key]

    def figure(self, name, location=(0, 0, 0), yaw=0.0, pose=None, scale=1.0, alpha=1.0, glow=1.0, hang=None):
        """Builds manifest model `name` with its own builder, poses it and sets it at location
        turned by yaw degrees (the model faces +x).  hang: {part: (cells, grip)} re-hangs the
        pieces painted with those cells straight down from the grip point (model space) after
        the pose, as a lantern hangs from a lifted hand."""
        entry = manifest.model(name)
        builder = importlib.import_module("models_" + entry.group).BUILDERS[name][0]
        root, parts = builder()
        rig.apply_pose([root] + parts, pose or {})
        bpy.context.view_layer.update()
        placed = Matrix.Translation(Vector(location)) @ Matrix.Rotation(math.radians(yaw), 4, "Z") @ \
            Matrix.Scale(scale, 4)
        depsgraph = bpy.context.evaluated_depsgraph_get()
        mat = self.material(entry.name, alpha, glow)
        objects = []
        for part in parts:
            evaluated = part.evaluated_get(depsgraph)
            mesh = bpy.data.meshes.new_from_object(evaluated, preserve_all_data_layers=True, depsgraph=depsgraph)
            mesh.transform(evaluated.matrix_world)
            if hang and part.name in hang:
                _rehang(mesh, part, entry.name, *hang[part.name])
            mesh.materials.clear()
            mesh.materials.append(mat)
            self.count += 1
            obj = bpy.data.objects.new("%s%03d" % (name, self.count), mesh)
            obj.matrix_world = placed
            self.scene.collection.objects.link(obj)
            objects.append(obj)
        for obj in [root] + parts:
            data = obj.data
            bpy.data.objects.remove(obj)
            if data is not None and data.users == 0:
                bpy.data.meshes.remove(data)
        return Figure(entry.name, placed, objects)

    def cell_centre(self, figure, cell):
        """Where the pieces painted with one atlas cell sit in the scene (a lantern's glass)."""
        u0, v0, u1, v1 = atlas.cell_rect(figure.texture, cell)
        points = []
        for obj in figure.objects:
            uvs = obj.data.uv_layers.active.data
            for loop in obj.data.loops:
                u, v = uvs[loop.index].uv
                if u0 <= u <= u1 and v0 <= v <= v1:
                    points.append(obj.matrix_world @ obj.data.vertices[loop.vertex_index].co)
        if not points:
            raise SystemExit("%s has no %s" % (figure.texture, cell))
        return tuple(sum(points, Vector()) / len(points))

    def mark(self, name, point, figure=None):
        """A named point of the scene (in the figure's model space when one is given)."""
        self.marks[name] = tuple(figure.placed @ Vector(point)) if figure is not None else tuple(point)
        return self.marks[name]

    # ---- lights ------------------------------------------------------------------

    def point_light(self, name, location, colour, energy, radius=0.05):
        light = bpy.data.objects.new(name, bpy.data.lights.new(name, "POINT"))
        light.data.color = colour
        light.data.energy = energy
        light.data.shadow_soft_size = radius
        light.location = location
        self.scene.collection.objects.link(light)
        return light

    def sun(self, name, colour, energy, elevation, azimuth, angle=2.0):
        """A distant light from the given elevation (degrees) shining towards the azimuth (degrees
        from +y, the way the camera looks, towards +x): the moon, or the first light of dawn."""
        light = bpy.data.objects.new(name, bpy.data.lights.new(name, "SUN"))
        light.data.color = colour
        light.data.energy = energy
        light.data.angle = math.radians(angle)
        light.rotation_euler = (math.radians(90 - elevation), 0, math.radians(-azimuth))
        self.scene.collection.objects.link(light)
        return light

    def world(self, colour, strength):
        """The light of the sky all around; the sky itself is painted afterwards."""
        world = bpy.data.worlds.new("Night")
        world.use_nodes = True
        background = world.node_tree.nodes["Background"]
        background.inputs["Color"].default_value = tuple(colour) + (1.0,)
        background.inputs["Strength"].default_value = strength
        self.scene.world = world
        return world

    # ---- ground --------------------------------------------------------------------

    def ground(self, path_mask_png, size=240.0, tile=manifest.TILE_SIZE):
        """The garden floor: the game's grass tile repeated every tile, giving way to its path
        tile where the mask (a picture over the middle `mask_span` units) is white."""
        half = size / 2.0
        mesh = bpy.data.meshes.new("Ground")
        mesh.from_pydata([(-half, -half, 0), (half, -half, 0), (half, half, 0), (-half, half, 0)], [], [(0, 1, 2, 3)])
        mat = bpy.data.materials.new("GroundMat")
        mat.use_nodes = True
        nodes, links = mat.node_tree.nodes, mat.node_tree.links
        shader = nodes["Principled BSDF"]
        shader.inputs["Roughness"].default_value = 0.9
        coords = nodes.new("ShaderNodeTexCoord")
        tiles = nodes.new("ShaderNodeMapping")
        tiles.inputs["Scale"].default_value = (1.0 / tile, 1.0 / tile, 1.0)
        links.new(coords.outputs["Object"], tiles.inputs["Vector"])
        grass = self._image_node(nodes, "tile_grass.png")
        path = self._image_node(nodes, "tile_path.png")
        for node in (grass, path):
            links.new(tiles.outputs["Vector"], node.inputs["Vector"])
        mask_map = nodes.new("ShaderNodeMapping")
        mask_map.inputs["Location"].default_value = (0.5, 0.5, 0.0)
        mask_map.inputs["Scale"].default_value = (1.0 / MASK_SPAN, 1.0 / MASK_SPAN, 1.0)
        links.new(coords.outputs["Object"], mask_map.inputs["Vector"])
        mask = nodes.new("ShaderNodeTexImage")
        mask.image = bpy.data.images.load(path_mask_png)
        mask.image.colorspace_settings.name = "Non-Color"
        mask.extension = "CLIP"
        links.new(mask_map.outputs["Vector"], mask.inputs["Vector"])
        mix = nodes.new("ShaderNodeMixRGB")
        links.new(mask.outputs["Color"], mix.inputs["Fac"])
        links.new(grass.outputs["Color"], mix.inputs["Color1"])
        links.new(path.outputs["Color"], mix.inputs["Color2"])
        links.new(mix.outputs["Color"], shader.inputs["Base Color"])
        mesh.materials.append(mat)
        obj = bpy.data.objects.new("Ground", mesh)
        self.scene.collection.objects.link(obj)
        return obj

    def _image_node(self, nodes, file_name):
        node = nodes.new("ShaderNodeTexImage")
        node.image = bpy.data.images.load(self.textures_dir + "/" + file_name)
        node.interpolation = "Linear"
        return node

    # ---- camera and picture ------------------------------------------------------

    def camera(self, location, target, lens):
        cam = bpy.data.objects.new("Camera", bpy.data.cameras.new("Camera"))
        cam.data.lens = lens
        cam.data.sensor_fit = "HORIZONTAL"
        cam.data.sensor_width = 36.0
        cam.data.clip_end = 400.0
        cam.location = location
        cam.rotation_euler = (Vector(target) - Vector(location)).to_track_quat("-Z", "Y").to_euler()
        self.scene.collection.objects.link(cam)
        self.scene.camera = cam
        return cam

    def pixel(self, point, size):
        """Picture pixel (x right, y down) and distance of a scene point."""
        x, y, depth = world_to_camera_view(self.scene, self.scene.camera, Vector(point))
        return [round(x * size[0], 1), round((1.0 - y) * size[1], 1), round(depth, 2)]


# The path mask covers this many units square around the origin.
MASK_SPAN = 64.0


def _rehang(mesh, part, texture, cells, grip):
    """Moves the vertices painted with `cells` so they hang from where the grip went in the
    pose, unturned: a lantern stays upright under a lifted arm."""
    rects = [atlas.cell_rect(texture, cell) for cell in cells]
    uvs = mesh.uv_layers.active.data
    chosen = set()
    for poly in mesh.polygons:
        for loop in poly.loop_indices:
            u, v = uvs[loop].uv
            if any(u0 <= u <= u1 and v0 <= v <= v1 for u0, v0, u1, v1 in rects):
                chosen.add(mesh.loops[loop].vertex_index)
    pivot = Vector(part["rest"])
    grip = Vector(grip)
    world = part.matrix_world
    moved = world @ (grip - pivot)
    inverse = world.inverted()
    for index in chosen:
        rest = inverse @ mesh.vertices[index].co + pivot  # the vertex where the builder put it
        mesh.vertices[index].co = moved + (rest - grip)


def render(scene, out_png, size, samples, seed):
    """Cycles on the CPU without a denoiser, two threads and a fixed seed: the same picture every
    run.  The sky is left transparent for the painting step; the mist pass goes beside the picture."""
    scene.render.engine = "CYCLES"
    scene.cycles.device = "CPU"
    scene.cycles.samples = samples
    scene.cycles.use_adaptive_sampling = False
    scene.cycles.use_denoising = False
    scene.cycles.seed = seed
    scene.cycles.max_bounces = 4
    scene.cycles.sample_clamp_direct = 8.0
    scene.cycles.sample_clamp_indirect = 1.0
    scene.cycles.blur_glossy = 1.0
    scene.cycles.filter_width = 1.8
    scene.render.threads_mode = "FIXED"
    scene.render.threads = 2
    scene.render.resolution_x, scene.render.resolution_y = size
    scene.render.resolution_percentage = 100
    scene.render.film_transparent = True
    scene.render.image_settings.file_format = "PNG"
    scene.render.image_settings.color_mode = "RGBA"
    scene.render.image_settings.color_depth = "16"
    scene.view_settings.view_transform = "Filmic"
    scene.view_settings.look = "Medium High Contrast"
    for attribute in dir(scene.render):
        if attribute.startswith("use_stamp"):
            setattr(scene.render, attribute, False)
    scene.view_layers[0].use_pass_mist = True
    scene.use_nodes = True
    tree = scene.node_tree
    tree.nodes.clear()
    layers = tree.nodes.new("CompositorNodeRLayers")
    composite = tree.nodes.new("CompositorNodeComposite")
    tree.links.new(layers.outputs["Image"], composite.inputs["Image"])
    tree.links.new(layers.outputs["Alpha"], composite.inputs["Alpha"])
    mist = tree.nodes.new("CompositorNodeOutputFile")
    folder, file_name = os.path.split(out_png)
    mist.base_path = folder
    mist.format.file_format = "PNG"
    mist.format.color_mode = "BW"
    mist.format.color_depth = "16"
    # The file output names its picture after the frame: <name>_mist_0001.png.
    mist.file_slots[0].path = file_name[:-len(".png")] + "_mist_"
    tree.links.new(layers.outputs["Mist"], mist.inputs[0])
    scene.frame_set(1)
    scene.render.filepath = out_png
    bpy.ops.render.render(write_still=True)
