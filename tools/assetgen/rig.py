"""Building blocks for models made in Blender: rigid parts built from soft
primitives, posed per frame, and sampled from Blender's evaluated meshes.

A part is one mesh object whose origin is its joint (shoulder, hip, ...), so a
pose is a rotation and an offset per part.  Sampling asks the depsgraph for
each part's evaluated mesh (modifiers and shape keys applied) in world space,
and joins the parts in a fixed order, so every frame has the same vertices.
"""

import math

import bmesh
import bpy
from mathutils import Euler, Matrix, Vector

import atlas


def reset_scene():
    bpy.ops.wm.read_factory_settings(use_empty=True)
    scene = bpy.context.scene
    scene.render.fps = 30
    return scene


def _remap_uvs(bm, faces, uv_layer, rect):
    u0, v0, u1, v1 = rect
    for face in faces:
        for loop in face.loops:
            u, v = loop[uv_layer].uv
            loop[uv_layer].uv = (u0 + min(max(u, 0.0), 1.0) * (u1 - u0), v0 + min(max(v, 0.0), 1.0) * (v1 - v0))


def _add_piece(bm, uv_layer, piece):
    kind, dims, matrix = piece[0], piece[1], piece[2]
    before = set(bm.faces)
    if kind == "sphere":
        segments, rings, radius = dims
        bmesh.ops.create_uvsphere(bm, u_segments=segments, v_segments=rings, radius=radius, matrix=matrix,
                                  calc_uvs=True)
    elif kind == "cone":
        segments, radius1, radius2, depth = dims
        bmesh.ops.create_cone(bm, cap_ends=True, cap_tris=False, segments=segments, radius1=radius1,
                              radius2=radius2, depth=depth, matrix=matrix, calc_uvs=True)
    elif kind == "cube":
        bmesh.ops.create_cube(bm, size=dims[0], matrix=matrix, calc_uvs=True)
    else:
        raise ValueError("unknown piece kind " + kind)
    return [f for f in bm.faces if f not in before]


def transform(location=(0, 0, 0), scale=(1, 1, 1), rotation=(0, 0, 0)):
    """A matrix placing a primitive: scale, then rotate (degrees, XYZ), then move."""
    rot = Euler([math.radians(a) for a in rotation], "XYZ").to_matrix().to_4x4()
    return Matrix.Translation(Vector(location)) @ rot @ Matrix.Diagonal(Vector(tuple(scale) + (1.0,)))


def make_part(name, texture, pieces, pivot=(0, 0, 0), parent=None, shape=None):
    """One object from pieces (kind, dims, matrix, cell).  Geometry is given in the
    model's rest space; the object's origin is moved to pivot.  shape, when given,
    is called with the bmesh to reshape vertices before the mesh is made."""
    bm = bmesh.new()
    uv_layer = bm.loops.layers.uv.new("UVMap")
    for piece in pieces:
        faces = _add_piece(bm, uv_layer, piece)
        _remap_uvs(bm, faces, uv_layer, atlas.cell_rect(texture, piece[3]))
    if shape is not None:
        shape(bm)
    bmesh.ops.translate(bm, verts=bm.verts, vec=-Vector(pivot))
    mesh = _canonical_mesh(name, bm, uv_layer)
    bm.free()
    obj = bpy.data.objects.new(name, mesh)
    bpy.context.scene.collection.objects.link(obj)
    obj.location = pivot
    obj.rotation_mode = "XYZ"
    obj["rest"] = list(pivot)
    if parent is not None:
        obj.parent = parent
    return obj


def _position_key(co):
    return (round(co.x, 5), round(co.y, 5), round(co.z, 5))


def _canonical_mesh(name, bm, uv_layer):
    """The bmesh as a mesh whose vertex, face and corner order depend only on the
    geometry: Blender's primitive operators may order elements differently from run
    to run, and the files must come out the same bytes every time."""
    def key(v):
        neighbours = sorted(_position_key(e.other_vert(v).co) for e in v.link_edges)
        return (_position_key(v.co), neighbours)

    ordered = sorted(bm.verts, key=key)
    keys = [key(v) for v in ordered]
    if any(a == b for a, b in zip(keys, keys[1:])):
        raise SystemExit("%s: two vertices cannot be told apart; move one" % name)
    new_index = {v: i for i, v in enumerate(ordered)}
    faces = []
    for face in bm.faces:
        corners = [(new_index[loop.vert], tuple(round(c, 6) for c in loop[uv_layer].uv)) for loop in face.loops]
        start = min(range(len(corners)), key=lambda i: corners[i][0])
        faces.append(corners[start:] + corners[:start])
    faces.sort()
    mesh = bpy.data.meshes.new(name)
    mesh.from_pydata([v.co.copy() for v in ordered], [], [[c[0] for c in face] for face in faces])
    uvs = mesh.uv_layers.new(name="UVMap").data
    for polygon, face in zip(mesh.polygons, faces):
        polygon.use_smooth = True
        for loop_index, corner in zip(polygon.loop_indices, face):
            uvs[loop_index].uv = corner[1]
    return mesh


def make_root(name):
    root = bpy.data.objects.new(name, None)
    bpy.context.scene.collection.objects.link(root)
    root.rotation_mode = "XYZ"
    return root


def apply_pose(objects, pose):
    """pose: {object name: {"offset": (x, y, z), "rotation": degrees (x, y, z), "scale": (x, y, z),
    "keys": {shape key: value}}}; anything not named returns to rest."""
    for obj in objects:
        entry = pose.get(obj.name, {})
        rest = Vector(obj.get("rest", (0, 0, 0)))
        obj.location = rest + Vector(entry.get("offset", (0, 0, 0)))
        obj.rotation_euler = [math.radians(a) for a in entry.get("rotation", (0, 0, 0))]
        obj.scale = entry.get("scale", (1, 1, 1))
        keys = obj.data.shape_keys.key_blocks if getattr(obj, "data", None) is not None and \
            obj.data.shape_keys else []
        for block in keys:
            if block.name != "Basis":
                block.value = entry.get("keys", {}).get(block.name, 0.0)


def sample(parts, frame):
    """Positions and normals of all parts' evaluated meshes in world space at a frame."""
    scene = bpy.context.scene
    scene.frame_set(frame)
    bpy.context.view_layer.update()
    depsgraph = bpy.context.evaluated_depsgraph_get()
    positions, normals = [], []
    for obj in parts:
        evaluated = obj.evaluated_get(depsgraph)
        mesh = evaluated.to_mesh()
        world = evaluated.matrix_world
        normal_matrix = world.to_3x3().inverted_safe().transposed()
        for v in mesh.vertices:
            p = world @ v.co
            n = (normal_matrix @ v.normal).normalized()
            positions.append((p.x, p.y, p.z))
            normals.append((n.x, n.y, n.z))
        evaluated.to_mesh_clear()
    return positions, normals


def topology(parts):
    """Triangles of the joined parts at rest: a list of (vertex indices, texture (u, v) per corner),
    vertex indices counted across the parts in order."""
    depsgraph = bpy.context.evaluated_depsgraph_get()
    triangles, base = [], 0
    for obj in parts:
        evaluated = obj.evaluated_get(depsgraph)
        mesh = evaluated.to_mesh()
        mesh.calc_loop_triangles()
        uvs = mesh.uv_layers.active.data
        for tri in mesh.loop_triangles:
            triangles.append((tuple(base + v for v in tri.vertices),
                              tuple((uvs[l].uv[0], uvs[l].uv[1]) for l in tri.loops)))
        base += len(mesh.vertices)
        evaluated.to_mesh_clear()
    return triangles
