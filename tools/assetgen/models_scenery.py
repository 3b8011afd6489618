"""Models of the scenery group, built in Blender: decorations and the floor tile.

Each builder returns (root, parts): rigid parts made of soft primitives with
their joints as origins (see rig.py).  BUILDERS maps a model's manifest name to
(builder, animations); animations is a list of (name, frames, pose function,
loops) for an MD2, None for a static .X prop.  Blender space: z up, the model
faces +x, feet at the origin, one unit = one world unit (a floor tile is 2).

Scenery stands still, so every part keeps its origin at the model's feet.
Besides rig's spheres, cones and cubes, it is made of three shapes of its own:
tubes swept along a path (trunks, branches, roots), lathes turned from a
profile (pumpkins, caps, the well's ring) and flat outlines given a thickness
(the gravestone's arch).  Every piece may carry a warp, a
function that moves its vertices (twisted bark, lumpy stone, pumpkin ribs).
Parts of hewn things (walls, boards, fences) split their sharp edges, so flat
faces light flat instead of rounding over the corners.
"""

import math

import bmesh
import bpy
from mathutils import Matrix, Vector

import atlas
import rig
from rig import transform as T


# ---- deterministic wobble --------------------------------------------------

def wobble(x, y, z, seed=0.0):
    """Smooth pseudo-noise in about -1..1 from a few crossed sines: no random state,
    so a model is the same on every run."""
    s = seed * 1.618
    return (math.sin(1.9 * x + 2.7 * y + 1.3 * z + s) * 0.45 +
            math.sin(3.7 * y - 2.3 * z + 0.7 * x + 2.1 * s) * 0.3 +
            math.sin(5.3 * z + 4.1 * x - 1.7 * y + 0.5 * s) * 0.25)


def lumpy(amount, seed, frequency=1.0, centre=(0, 0, 0)):
    """A warp pushing vertices in or out from a centre by the wobble: stones and leaf balls."""
    cx, cy, cz = centre

    def warp(co):
        d = Vector((co.x - cx, co.y - cy, co.z - cz))
        if d.length < 1e-6:
            return co
        f = 1.0 + amount * wobble(co.x * frequency, co.y * frequency, co.z * frequency, seed)
        return Vector((cx, cy, cz)) + d * f
    return warp


# ---- pieces of our own -----------------------------------------------------

def _frames(points):
    """A rotation-minimising frame (tangent, normal, binormal) at each point of a path."""
    tangents = []
    for i in range(len(points)):
        a = points[max(0, i - 1)]
        b = points[min(len(points) - 1, i + 1)]
        tangents.append((b - a).normalized())
    helper = Vector((1, 0, 0)) if abs(tangents[0].x) < 0.9 else Vector((0, 1, 0))
    normal = tangents[0].cross(helper).normalized()
    frames = []
    for t in tangents:
        normal = (normal - t * normal.dot(t)).normalized()
        frames.append((t, normal, t.cross(normal)))
    return frames


def _cap(bm, uv_layer, ring, flip):
    verts = list(reversed(ring)) if flip else ring
    face = bm.faces.new(verts)
    n = len(ring)
    for loop in face.loops:
        j = ring.index(loop.vert)
        a = 2 * math.pi * j / n
        loop[uv_layer].uv = (0.5 + 0.5 * math.cos(a), 0.5 + 0.5 * math.sin(a))
    return face


def _sweep(bm, uv_layer, rings, caps):
    """Faces between consecutive rings of vertices (each ring a list, or one pole vertex);
    v runs 0 at the first ring to 1 at the last, u around."""
    faces = []
    count = len(rings)
    for i in range(count - 1):
        lower, upper = rings[i], rings[i + 1]
        v0, v1 = i / (count - 1), (i + 1) / (count - 1)
        n = len(upper) if isinstance(upper, list) else len(lower)
        for j in range(n):
            k = (j + 1) % n
            u0, u1 = j / n, (j + 1) / n
            if not isinstance(lower, list):
                corners = [(lower, (u0 + 0.5 / n, v0)), (upper[k], (u1, v1)), (upper[j], (u0, v1))]
            elif not isinstance(upper, list):
                corners = [(lower[j], (u0, v0)), (lower[k], (u1, v0)), (upper, (u0 + 0.5 / n, v1))]
            else:
                corners = [(lower[j], (u0, v0)), (lower[k], (u1, v0)), (upper[k], (u1, v1)), (upper[j], (u0, v1))]
            face = bm.faces.new([c[0] for c in corners])
            for loop, (_vert, uv) in zip(face.loops, corners):
                loop[uv_layer].uv = uv
            faces.append(face)
    if caps and isinstance(rings[0], list):
        faces.append(_cap(bm, uv_layer, rings[0], flip=True))
    if caps and isinstance(rings[-1], list):
        faces.append(_cap(bm, uv_layer, rings[-1], flip=False))
    return faces


def _tube(bm, uv_layer, dims, matrix):
    """dims: (segments, path points, radii[, caps]): a tube along the path; a radius of 0 ends it in a point."""
    segments, path, radii = dims[0], [Vector(p) for p in dims[1]], dims[2]
    caps = dims[3] if len(dims) > 3 else True
    rings = []
    for point, (tangent, normal, binormal), radius in zip(path, _frames(path), radii):
        if radius <= 0.0:
            rings.append(bm.verts.new(matrix @ point))
            continue
        ring = []
        for j in range(segments):
            a = 2 * math.pi * j / segments
            ring.append(bm.verts.new(matrix @ (point + radius * (math.cos(a) * normal + math.sin(a) * binormal))))
        rings.append(ring)
    return _sweep(bm, uv_layer, rings, caps)


def _lathe(bm, uv_layer, dims, matrix):
    """dims: (segments, [(radius, z), ...] from the bottom up[, caps]): the profile turned about z;
    a radius of 0 is a pole."""
    segments, profile = dims[0], dims[1]
    caps = dims[2] if len(dims) > 2 else True
    rings = []
    for radius, z in profile:
        if radius <= 0.0:
            rings.append(bm.verts.new(matrix @ Vector((0, 0, z))))
            continue
        ring = []
        for j in range(segments):
            a = 2 * math.pi * j / segments
            ring.append(bm.verts.new(matrix @ Vector((radius * math.cos(a), radius * math.sin(a), z))))
        rings.append(ring)
    return _sweep(bm, uv_layer, rings, caps)


def _extrude(bm, uv_layer, dims, matrix):
    """dims: (outline [(y, z), ...] counter-clockwise seen from +x, thickness): a flat slab
    standing in the y-z plane, as thick as given along x."""
    outline, thickness = dims
    half = thickness / 2.0
    front = [bm.verts.new(matrix @ Vector((half, y, z))) for y, z in outline]
    back = [bm.verts.new(matrix @ Vector((-half, y, z))) for y, z in outline]
    low_y, high_y = min(p[0] for p in outline), max(p[0] for p in outline)
    low_z, high_z = min(p[1] for p in outline), max(p[1] for p in outline)

    def uv(y, z):
        return ((y - low_y) / (high_y - low_y), (z - low_z) / (high_z - low_z))
    faces = []
    for ring, order in ((front, 1), (back, -1)):
        verts = ring if order == 1 else list(reversed(ring))
        points = outline if order == 1 else list(reversed(outline))
        face = bm.faces.new(verts)
        for loop, (y, z) in zip(face.loops, points):
            loop[uv_layer].uv = uv(y, z)
        faces.append(face)
    n = len(outline)
    for i in range(n):
        j = (i + 1) % n
        face = bm.faces.new([back[i], back[j], front[j], front[i]])
        for loop, u, v in zip(face.loops, (0.0, 1.0, 1.0, 0.0), (0.0, 0.0, 1.0, 1.0)):
            loop[uv_layer].uv = (u, v)
        faces.append(face)
    return faces


def _add(bm, uv_layer, piece):
    kind, dims, matrix = piece[0], piece[1], piece[2]
    if kind == "extrude":
        return _extrude(bm, uv_layer, dims, matrix)
    if kind == "tube":
        return _tube(bm, uv_layer, dims, matrix)
    if kind == "lathe":
        return _lathe(bm, uv_layer, dims, matrix)
    return rig._add_piece(bm, uv_layer, piece)


def _verts_of(faces):
    """The faces' vertices, each once, in the order the faces meet them."""
    seen, out = set(), []
    for face in faces:
        for v in face.verts:
            if v not in seen:
                seen.add(v)
                out.append(v)
    return out


def part(name, texture, pieces, parent, hard=None):
    """One object from pieces (kind, dims, matrix, cell[, warp]), its origin at the feet.
    hard: edges whose faces meet at more than this angle (degrees) are split, so they stay crisp."""
    bm = bmesh.new()
    uv_layer = bm.loops.layers.uv.new("UVMap")
    for piece in pieces:
        faces = _add(bm, uv_layer, piece)
        rig._remap_uvs(bm, faces, uv_layer, atlas.cell_rect(texture, piece[3]))
        if len(piece) > 4 and piece[4] is not None:
            for v in _verts_of(faces):
                v.co = piece[4](v.co.copy())
    bmesh.ops.remove_doubles(bm, verts=bm.verts, dist=1e-6)
    if hard is not None:
        bm.normal_update()
        sharp = [e for e in bm.edges if len(e.link_faces) == 2 and
                 math.degrees(e.calc_face_angle(0.0)) > hard]
        bmesh.ops.split_edges(bm, edges=sharp)
    return _object(name, bm, uv_layer, parent)


def _object(name, bm, uv_layer, parent):
    mesh = rig._canonical_mesh(name, bm, uv_layer)
    bm.free()
    obj = bpy.data.objects.new(name, mesh)
    bpy.context.scene.collection.objects.link(obj)
    obj.rotation_mode = "XYZ"
    obj["rest"] = [0.0, 0.0, 0.0]
    obj.parent = parent
    return obj


def static(name, *parts_pieces):
    """A root and its parts: each (pieces, hard) for one part of the texture `name`."""
    root = rig.make_root(name + "Root")
    parts = [part("%s%d" % (name, i), name, pieces, root, hard) for i, (pieces, hard) in enumerate(parts_pieces)]
    return root, parts


def box(cell, centre, size, rotation=(0, 0, 0), warp=None):
    """A cube of the given size (x, y, z) at centre, turned by rotation (degrees)."""
    return ("cube", (1.0,), T(centre, size, rotation), cell, warp)


def bend(points, amount, seed):
    """A path with each point nudged sideways by the wobble, more towards its end."""
    out = []
    for i, p in enumerate(points):
        k = amount * (i / max(1, len(points) - 1))
        out.append((p[0] + k * wobble(p[2], 0.3, 0.1, seed), p[1] + k * wobble(0.2, p[2], 0.7, seed + 3), p[2]))
    return out


def scaled_after_turn(location=(0, 0, 0), scale=(1, 1, 1), rotation=(0, 0, 0)):
    """Like rig.transform but turning before scaling: a square pyramid turned 45 degrees
    to sit flush on a box, then squashed to the box's depth."""
    m = T((0, 0, 0), (1, 1, 1), rotation)
    return Matrix.Translation(Vector(location)) @ Matrix.Diagonal(Vector(tuple(scale) + (1.0,))) @ m


# ---- trees -------------------------------------------------------------------

def _point_on(path, z):
    """The point of a path (rising in z) at height z."""
    for a, b in zip(path, path[1:]):
        if a[2] <= z <= b[2]:
            t = (z - a[2]) / max(1e-6, b[2] - a[2])
            return Vector(a).lerp(Vector(b), t)
    return Vector(path[-1])


def _roots(cell, count, reach, radius, seed, turn=0.0):
    pieces = []
    for i in range(count):
        a = math.radians(turn + 360.0 * i / count + 17 * wobble(i, seed, 0.5))
        r = reach * (0.8 + 0.25 * wobble(i, 1.0, seed))
        path = [(0.12 * math.cos(a), 0.12 * math.sin(a), 0.3),
                (0.55 * r * math.cos(a), 0.55 * r * math.sin(a), 0.1),
                (r * math.cos(a), r * math.sin(a), 0.02)]
        # Blunt, sinking into the ground at the far end: a root, not a thorn.
        pieces.append(("tube", (5, path, (radius, radius * 0.75, radius * 0.4)), Matrix(), cell,
                       lambda co: Vector((co.x, co.y, max(-0.05, co.z * 0.8)))))
    return pieces


def _branch(start, direction, length, radius, seed, points=4):
    """A crooked branch: a tube from start towards direction, curling as it goes."""
    d = Vector(direction).normalized()
    path, p = [], Vector(start)
    step = length / (points - 1)
    for i in range(points):
        path.append(tuple(p))
        kink = Vector((wobble(i, seed, 0.3), wobble(seed, i, 1.1), 0.3 + 0.4 * wobble(i, i, seed)))
        d = (d + 0.45 * kink).normalized()
        p = p + d * step
    radii = [radius * (1.0 - i / (points - 1)) for i in range(points)]
    return path, radii


def build_tree_bare():
    trunk_path = bend([(0, 0, z) for z in (0.0, 0.35, 0.85, 1.4, 1.95, 2.45, 2.95)], 0.35, 2.0)
    def gnarl(co):
        # Three twisting ridges run up the bark.
        centre = _point_on(trunk_path, co.z)
        dx, dy = co.x - centre.x, co.y - centre.y
        k = 1.0 + 0.2 * math.sin(3 * math.atan2(dy, dx) + 2.5 * co.z)
        return Vector((centre.x + dx * k, centre.y + dy * k, co.z))
    trunk = [("tube", (8, trunk_path, (0.55, 0.4, 0.33, 0.28, 0.22, 0.16, 0.0)), Matrix(), "bark", gnarl)]
    limbs = []
    for i, (z, yaw, rise, length) in enumerate([(1.55, 20, 0.1, 1.7), (1.85, 150, 0.2, 1.6), (2.15, 260, 0.3, 1.5),
                                                 (2.4, 80, 0.8, 1.3), (2.6, 200, 1.1, 1.2), (1.2, 300, 0.0, 1.2)]):
        start = _point_on(trunk_path, z)
        a = math.radians(yaw)
        path, radii = _branch(start, (math.cos(a), math.sin(a), rise), length * 1.15, 0.17 if i < 3 else 0.13, 5.0 + i)
        limbs.append(("tube", (5, path, radii), Matrix(), "branch"))
        if i < 4:
            # A twig forking off half way, reaching up like a claw.
            twig, twig_radii = _branch(path[1], (math.cos(a + 0.9), math.sin(a + 0.9), 1.4), 0.7, 0.08, 11.0 + i, 3)
            limbs.append(("tube", (4, twig, twig_radii), Matrix(), "branch"))
    centre = _point_on(trunk_path, 1.1)
    face = []
    # A hollow face in the bark: two eye holes and a gaping mouth on the front.
    for y, z, sx, sz, radius in ((0.13, 1.32, 0.1, 0.15, 0.27), (-0.13, 1.3, 0.1, 0.14, 0.27),
                                 (0.0, 0.92, 0.19, 0.12, 0.32)):
        c = _point_on(trunk_path, z)
        face.append(("sphere", (6, 4, 1.0), T((c.x + radius, c.y + y, z), (0.07, sx, sz)), "hollow"))
    moss = [("sphere", (8, 4, 0.35), T((centre.x - 0.1, centre.y - 0.12, 0.1), (1.3, 1.2, 0.35)), "moss",
             lumpy(0.15, 4.0, 3.0, (0, 0, 0.1)))]
    return static("tree_bare", (trunk + _roots("root", 4, 0.9, 0.16, 3.0) + moss, None), (limbs, None),
                  (face, None))


def build_tree_leafy():
    trunk_path = bend([(0, 0, z) for z in (0.0, 0.4, 1.0, 1.6, 2.3)], 0.15, 7.0)
    trunk = [("tube", (7, trunk_path, (0.45, 0.32, 0.27, 0.24, 0.18)), Matrix(), "bark")]
    top = Vector(trunk_path[-1])
    canopy = [
        ("sphere", (12, 8, 1.0), T((top.x, top.y, 2.85), (1.2, 1.15, 0.95)), "leaves",
         lumpy(0.12, 1.0, 2.2, (top.x, top.y, 2.85))),
        ("sphere", (10, 7, 1.0), T((top.x + 0.45, top.y + 0.35, 3.35), (0.72, 0.7, 0.62)), "leaves_light",
         lumpy(0.12, 2.0, 2.6, (top.x + 0.45, top.y + 0.35, 3.35))),
        ("sphere", (10, 7, 1.0), T((top.x - 0.5, top.y - 0.55, 2.5), (0.8, 0.78, 0.66)), "leaves_dark",
         lumpy(0.12, 3.0, 2.6, (top.x - 0.5, top.y - 0.55, 2.5))),
    ]
    return static("tree_leafy", (trunk + _roots("root", 3, 0.75, 0.14, 5.0), None), (canopy, None))


def _pine_tier(z0, height, radius, seed, cell):
    def droop(co):
        r = math.hypot(co.x, co.y)
        a = math.atan2(co.y, co.x)
        edge = max(0.0, (r - radius * 0.55) / (radius * 0.45))
        scallop = 1.0 + 0.1 * math.cos(7 * a + seed) * edge
        return Vector((co.x * scallop, co.y * scallop, co.z - 0.12 * edge * (0.5 + 0.5 * math.cos(7 * a + seed))))
    profile = [(radius * 0.35, z0 + 0.2), (radius, z0), (radius * 0.5, z0 + height * 0.45), (0.0, z0 + height)]
    return ("lathe", (12, profile), Matrix(), cell, droop)


def build_tree_pine():
    trunk = [("lathe", (7, [(0.28, 0.0), (0.2, 0.3), (0.15, 1.2)]), Matrix(), "bark")]
    tiers = [_pine_tier(0.7, 1.5, 1.05, 0.0, "needles_dark"), _pine_tier(1.5, 1.35, 0.85, 1.0, "needles"),
             _pine_tier(2.3, 1.2, 0.65, 2.0, "needles"), _pine_tier(3.0, 1.5, 0.45, 3.0, "needles_light")]
    return static("tree_pine", (trunk + tiers, None))


# ---- ground cover ------------------------------------------------------------

def build_bush():
    balls = []
    for i, (x, y, z, r, cell) in enumerate([(0.0, 0.0, 0.45, 0.55, "leaves"), (0.3, 0.42, 0.33, 0.4, "leaves_dark"),
                                            (-0.25, -0.45, 0.32, 0.42, "leaves_dark"),
                                            (0.2, -0.1, 0.72, 0.36, "leaves_light")]):
        balls.append(("sphere", (9, 6, 1.0), T((x, y, z), (r, r, r * 0.85)), cell,
                      lumpy(0.14, i + 1.0, 4.0, (x, y, z))))
    berries = [("sphere", (5, 3, 0.06), T(p), "berry")
               for p in ((0.5, 0.1, 0.55), (0.42, -0.3, 0.45), (0.3, 0.55, 0.55), (0.1, -0.6, 0.45),
                         (0.35, 0.0, 0.85))]
    return static("bush", (balls + berries, None))


def build_rock():
    stones = [
        ("sphere", (10, 7, 1.0), T((0, 0, 0.28), (0.62, 0.5, 0.45), (0, 0, 15)), "stone",
         lumpy(0.16, 1.0, 3.0, (0, 0, 0.28))),
        ("sphere", (8, 5, 1.0), T((0.35, -0.42, 0.12), (0.28, 0.24, 0.2)), "stone_light",
         lumpy(0.18, 2.0, 4.0, (0.35, -0.42, 0.12))),
        ("sphere", (8, 4, 1.0), T((-0.1, 0.05, 0.62), (0.44, 0.36, 0.09)), "moss",
         lumpy(0.12, 3.0, 5.0, (-0.1, 0.05, 0.62))),
    ]
    return static("rock", (stones, None))


def build_gravestone():
    tilt = (4, -7, 0)
    arch = [(-0.4, 0.12), (0.4, 0.12)] + [(0.4 * math.cos(math.radians(a)), 0.9 + 0.4 * math.sin(math.radians(a)))
                                          for a in range(0, 181, 20)]
    slab = [
        ("extrude", (arch, 0.2), Matrix(), "stone"),
        box("carving", (0.11, 0, 0.78), (0.03, 0.08, 0.5)),
        box("carving", (0.11, 0, 0.9), (0.03, 0.34, 0.08)),
        box("stone_dark", (0, 0, 0.1), (0.34, 0.96, 0.2)),
    ]
    matrix = T((0, 0, 0), (1, 1, 1), tilt)
    slab = [(p[0], p[1], matrix @ p[2]) + tuple(p[3:]) for p in slab]
    mound = [
        ("sphere", (10, 5, 1.0), T((0.38, 0, 0.0), (0.5, 0.45, 0.1)), "soil", lumpy(0.12, 1.0, 5.0, (0.38, 0, 0))),
        ("sphere", (8, 4, 1.0), T((-0.03, -0.3, 0.2), (0.2, 0.16, 0.09)), "moss"),
    ]
    return static("gravestone", (slab, 50), (mound, None))


def _pumpkin(centre, size, seed, cell):
    def ribs(co):
        dx, dy = co.x - centre[0], co.y - centre[1]
        a = math.atan2(dy, dx)
        k = 1.0 + 0.07 * math.cos(8 * a + seed)
        return Vector((centre[0] + dx * k, centre[1] + dy * k, co.z))
    s = size
    profile = [(0.0, 0.03 * s), (0.24 * s, 0.03 * s), (0.4 * s, 0.13 * s), (0.44 * s, 0.27 * s),
               (0.37 * s, 0.43 * s), (0.17 * s, 0.5 * s), (0.0, 0.45 * s)]
    return ("lathe", (16, profile), Matrix.Translation(Vector(centre)), cell, ribs)


def build_pumpkin():
    s = 1.3
    body = [_pumpkin((0, 0, 0), s, 0.0, "skin"), _pumpkin((-0.45, 0.42, 0), 0.75, 1.0, "skin_dark")]
    stem_path = [(0, 0, 0.44 * s), (0.02, 0, 0.56 * s), (-0.06, 0.03, 0.64 * s)]
    small_stem = [(-0.45, 0.42, 0.33), (-0.44, 0.44, 0.43)]
    extras = [
        ("tube", (6, stem_path, (0.07, 0.05, 0.04)), Matrix(), "stem"),
        ("tube", (5, small_stem, (0.045, 0.03)), Matrix(), "stem"),
        ("sphere", (6, 4, 1.0), T((0.1, 0.14, 0.6), (0.2, 0.1, 0.03), (0, -15, 35)), "leaf"),
    ]
    # The carved face: triangle eyes and a toothy grin, set into the front of the big one.
    face = [
        ("cone", (3, 0.12, 0.12, 0.08), T((0.56, 0.16, 0.47), (1, 1, 1), (0, -80, 0)), "face"),
        ("cone", (3, 0.12, 0.12, 0.08), T((0.56, -0.16, 0.47), (1, 1, 1), (0, -80, 0)), "face"),
        ("cone", (3, 0.06, 0.06, 0.08), T((0.6, 0.0, 0.36), (1, 1, 1), (0, 90, 0)), "face"),
        ("tube", (4, [(0.6 - 0.5 * y * y, y, 0.22 + 1.1 * y * y) for y in (-0.22, -0.11, 0.0, 0.11, 0.22)],
                  (0.035, 0.05, 0.055, 0.05, 0.035)), Matrix(), "face"),
    ]
    return static("pumpkin", (body + extras, None), (face, None))


# ---- lights and buildings ------------------------------------------------------

def build_lamp_post():
    base = [
        ("lathe", (8, [(0.3, 0.0), (0.3, 0.14), (0.2, 0.2), (0.12, 0.42)]), Matrix(), "stone"),
        ("tube", (8, [(0, 0, 0.4), (0, 0, 1.4), (0, 0, 2.35)], (0.075, 0.065, 0.06)), Matrix(), "iron"),
        ("lathe", (8, [(0.1, 1.1), (0.12, 1.16), (0.1, 1.22)], False), Matrix(), "iron_light"),
        ("lathe", (8, [(0.06, 2.3), (0.2, 2.38), (0.2, 2.43)]), Matrix(), "iron_light"),
    ]
    lantern = [
        box("glass", (0, 0, 2.66), (0.32, 0.32, 0.44)),
        ("lathe", (4, [(0.3, 2.88), (0.0, 3.1)]), T((0, 0, 0), (1, 1, 1), (0, 0, 45)), "iron"),
        ("sphere", (6, 4, 0.055), T((0, 0, 3.13)), "iron_light"),
    ]
    for x, y in ((0.17, 0.17), (0.17, -0.17), (-0.17, 0.17), (-0.17, -0.17)):
        lantern.append(box("iron", (x, y, 2.66), (0.045, 0.045, 0.46)))
    return static("lamp_post", (base, None), (lantern, 50))


def build_well():
    wall = [
        ("lathe", (14, [(0.86, 0.0), (0.9, 0.35), (0.86, 0.72), (0.9, 0.8), (0.64, 0.84), (0.6, 0.45)], False),
         Matrix(), "stone", lumpy(0.03, 1.0, 6.0, (0, 0, 0.4))),
        ("lathe", (14, [(0.61, 0.5), (0.0, 0.5)], False), Matrix(), "water"),
    ]
    frame = [
        box("wood", (0, 0.8, 1.45), (0.14, 0.14, 1.5)),
        box("wood", (0, -0.8, 1.45), (0.14, 0.14, 1.5)),
        box("roof", (0.33, 0, 2.32), (0.8, 2.1, 0.07), (0, 38, 0)),
        box("roof", (-0.33, 0, 2.32), (0.8, 2.1, 0.07), (0, -38, 0)),
        box("wood", (0, 0, 2.1), (0.1, 1.7, 0.1)),
    ]
    winch = [
        ("tube", (6, [(0, -0.86, 1.62), (0, 0, 1.62), (0, 0.86, 1.62)], (0.06, 0.06, 0.06)), Matrix(), "wood"),
        ("tube", (5, [(0, 0, 1.6), (0, 0, 1.3)], (0.018, 0.018)), Matrix(), "rope"),
        ("lathe", (8, [(0.0, 1.02), (0.11, 1.02), (0.14, 1.24), (0.12, 1.27)]), Matrix(), "bucket"),
        box("wood", (0.12, -0.93, 1.52), (0.04, 0.05, 0.22), (0, 20, 0)),
    ]
    return static("well", (wall, None), (frame, 40), (winch, None))


def build_cottage_wall():
    w = 2.0
    wall = [
        box("stone", (0, 0, 0.18), (0.36, 2 * w, 0.36)),
        box("plaster", (0, 0, 1.5), (0.26, 2 * w - 0.04, 2.3)),
    ]
    beams = []
    for side in (1, -1):
        x = side * 0.145
        for y in (-w + 0.1, -0.58, 0.58, w - 0.1):
            beams.append(box("timber", (x, y, 1.5), (0.05, 0.16, 2.3)))
        for z, cell in ((0.44, "timber"), (2.58, "timber"), (1.15, "timber")):
            beams.append(box(cell, (x, 0, z), (0.05, 2 * w, 0.14)))
        # Braces across the outer panels, leaning in towards the window.
        for y, lean in ((-1.24, -48), (1.24, 48)):
            beams.append(box("timber", (x, y, 1.86), (0.05, 0.14, 1.85), (lean, 0, 0)))
        beams.append(box("frame", (x * 1.15, 0, 1.65), (0.06, 0.06, 0.88)))
        beams.append(box("frame", (x * 1.15, 0, 1.65), (0.06, 0.96, 0.06)))
        beams.append(box("sill", (x * 1.25, 0, 1.19), (0.12, 1.1, 0.07)))
    window = [box("window", (0, 0, 1.65), (0.3, 0.92, 0.86))]
    roof = [
        # The eave ends flush with the wall, so walls set side by side join into one roof line.
        box("roof", (0.12, 0, 2.78), (0.95, 2 * w, 0.1), (0, 24, 0)),
        box("timber", (-0.05, 0, 2.66), (0.34, 2 * w, 0.14)),
    ]
    return static("cottage_wall", (wall + beams + roof, 40), (window, 40))


# ---- small props ---------------------------------------------------------------

def build_signpost():
    post = [
        box("post", (0, 0, 0.9), (0.14, 0.14, 1.8), (0, 0, 0)),
        ("lathe", (4, [(0.13, 1.8), (0.0, 1.95)]), T((0, 0, 0), (1, 1, 1), (0, 0, 45)), "cap"),
        box("board_edge", (0, 0, 0.05), (0.3, 0.3, 0.1), (0, 0, 20)),
    ]
    boards = []
    for z, direction, yaw, length in ((1.5, 1, 8, 0.8), (1.18, -1, -12, 0.7), (0.86, 1, 30, 0.6)):
        turn = T((0, 0, 0), (1, 1, 1), (0, 0, yaw))
        centre = (0.09, direction * (length / 2 + 0.05), z)
        tip = (0.09, direction * (length + 0.05), z)
        boards += [("cube", (1.0,), turn @ T(centre, (0.05, length, 0.22)), "board"),
                   ("cube", (1.0,), turn @ T(tip, (0.05, 0.17, 0.17), (45, 0, 0)), "board_edge")]
    return static("signpost", (post, 40), (boards, 40))


def build_fence():
    rails = [box("rail", (-0.05, 0, z), (0.06, 2.0, 0.11)) for z in (0.3, 0.72)]
    rails.append(box("rail", (-0.02, -0.93, 0.55), (0.14, 0.14, 1.1)))
    pickets = []
    for i, y in enumerate((-0.6, -0.2, 0.2, 0.6, 0.95)):
        h = 0.88 + 0.06 * wobble(i, 0.5, 1.0)
        lean = 3.0 * wobble(0.3, i, 2.0)
        turn = T((0, y, 0), (1, 1, 1), (lean, 0, 0))
        pickets += [("cube", (1.0,), turn @ T((0.02, 0, h / 2), (0.05, 0.17, h)), "picket"),
                    ("lathe", (4, [(0.12, h), (0.0, h + 0.13)]), turn @ scaled_after_turn(
                        (0.02, 0, 0), (0.05 / 0.17, 1, 1), (0, 0, 45)), "tip")]
    return static("fence", (rails + pickets, 40))


def _mushroom(x, y, height, radius, cell, spots):
    stem = ("lathe", (6, [(radius * 0.3, 0.0), (radius * 0.22, height * 0.6), (radius * 0.26, height)]),
            Matrix.Translation((x, y, 0)), "stem")
    cap = ("lathe", (10, [(radius * 0.25, height), (radius, height - 0.02), (radius * 0.92, height + radius * 0.32),
                          (radius * 0.5, height + radius * 0.62), (0.0, height + radius * 0.7)]),
           Matrix.Translation((x, y, 0)), cell)
    dots = [("sphere", (5, 3, radius * 0.14), T((x + dx * radius, y + dy * radius, height + dz * radius)), "spots")
            for dx, dy, dz in spots]
    return [stem, cap] + dots


def build_mushrooms():
    pieces = (_mushroom(0.0, 0.0, 0.42, 0.24, "cap", [(0.45, 0.2, 0.55), (-0.2, -0.4, 0.6)]) +
              _mushroom(0.3, -0.22, 0.25, 0.16, "cap_violet", [(0.3, -0.3, 0.55)]) +
              _mushroom(-0.22, 0.3, 0.3, 0.17, "cap", []) +
              _mushroom(0.22, 0.3, 0.15, 0.11, "cap_violet", []))
    return static("mushrooms", (pieces, None))


def build_stump():
    def jagged(co):
        if co.z > 0.5:
            return Vector((co.x, co.y, co.z + 0.07 * wobble(co.x * 9, co.y * 9, 0.0, 2.0)))
        return co
    body = [
        ("lathe", (11, [(0.55, 0.0), (0.44, 0.1), (0.37, 0.3), (0.38, 0.56)], False), Matrix(), "bark", jagged),
        ("lathe", (11, [(0.38, 0.56), (0.0, 0.58)], False), Matrix(), "top", jagged),
        ("sphere", (8, 4, 1.0), T((-0.3, 0.2, 0.2), (0.2, 0.25, 0.18)), "moss", lumpy(0.2, 1.0, 6.0, (-0.3, 0.2, 0.2))),
    ]
    return static("stump", (body + _roots("root", 4, 0.8, 0.22, 9.0, 40.0), None))


def build_challenge_stone():
    height = 1.5

    def standing(co):
        # Narrower towards a slanted top, so it reads as a hewn menhir.
        t = max(0.0, co.z / height)
        k = 1.0 - 0.3 * t
        z = co.z + (0.12 * co.y / 0.35 if co.z > height - 0.01 else 0.0)
        return Vector((co.x * k, co.y * k, z))
    stone = [
        ("cube", (1.0,), T((0, 0, height / 2), (0.42, 0.7, height)), "stone", standing),
        ("lathe", (9, [(0.78, 0.0), (0.74, 0.07), (0.5, 0.1)], False), Matrix(), "base",
         lumpy(0.06, 1.0, 6.0, (0, 0, 0))),
        ("sphere", (8, 4, 1.0), T((-0.2, 0.22, 0.12), (0.16, 0.2, 0.14)), "moss"),
        # A ring of runes glowing in the base, seen from high above.
        ("lathe", (9, [(0.66, 0.085), (0.56, 0.095)], False), Matrix(), "rune"),
    ]
    runes = []
    for side in (1, -1):
        def on_face(y, z, size, rotation=0.0, side=side):
            # A thin bar standing proud of the tapered face at height z.
            k = 1.0 - 0.3 * z / height
            x = side * (0.21 * k + 0.012)
            lean = side * math.degrees(math.atan(0.21 * 0.3 / height))
            return box("rune", (x, y * k, z), (0.025, size[0], size[1]), (rotation, lean, 0))
        runes += [
            on_face(0.0, 1.12, (0.05, 0.34)), on_face(0.07, 1.17, (0.04, 0.16), -40.0),
            on_face(-0.07, 1.09, (0.04, 0.16), 40.0),
            on_face(0.0, 0.72, (0.05, 0.2), 45.0), on_face(0.0, 0.72, (0.05, 0.2), -45.0),
            on_face(0.0, 0.36, (0.22, 0.045)), on_face(0.0, 0.44, (0.045, 0.16)),
        ]
    return static("challenge_stone", (stone, 40), (runes, 40))


# ---- the floor tile --------------------------------------------------------------

def build_tile():
    """One 2 x 2 slab, top at z = 0, a skirt from just under the top down to z = -0.1.  The top
    face's texture coordinates span the whole image (the tile textures are whole pictures, not
    atlases); the skirt takes the image's border strip on its side, so a raised edge continues
    the top.  The skirt starts a hair below the top so that its upper edge never lies in the
    plane of a neighbouring tile's top, where the two would fight over the same depth and draw
    a dark seam along the row."""
    root = rig.make_root("TileRoot")
    bm = bmesh.new()
    uv_layer = bm.loops.layers.uv.new("UVMap")
    half, depth, strip, lip = 1.0, 0.1, 0.05, 0.02

    def uv_of(x, y):
        return ((x + half) / (2 * half), (y + half) / (2 * half))

    def quad(corners, uvs):
        face = bm.faces.new([bm.verts.new(c) for c in corners])
        for loop, uv in zip(face.loops, uvs):
            loop[uv_layer].uv = uv

    top = [(-half, -half, 0.0), (half, -half, 0.0), (half, half, 0.0), (-half, half, 0.0)]
    quad(top, [uv_of(x, y) for x, y, _z in top])
    for i in range(4):
        (x0, y0, _), (x1, y1, _) = top[i], top[(i + 1) % 4]
        # The strip of the image just inside this edge, stretched down the skirt.
        inward = (-(y1 - y0) / 2.0 * strip, (x1 - x0) / 2.0 * strip)
        a, b = uv_of(x0, y0), uv_of(x1, y1)
        a_in = (a[0] + inward[0], a[1] + inward[1])
        b_in = (b[0] + inward[0], b[1] + inward[1])
        quad([(x0, y0, -depth), (x1, y1, -depth), (x1, y1, -lip), (x0, y0, -lip)], [a_in, b_in, b, a])
    bottom = list(reversed([(x, y, -depth) for x, y, _z in top]))
    quad(bottom, [uv_of(x, y) for x, y, _z in bottom])
    return root, [_object("Tile", bm, uv_layer, root)]


BUILDERS = {
    "tree_bare": (build_tree_bare, None),
    "tree_leafy": (build_tree_leafy, None),
    "tree_pine": (build_tree_pine, None),
    "bush": (build_bush, None),
    "rock": (build_rock, None),
    "gravestone": (build_gravestone, None),
    "pumpkin": (build_pumpkin, None),
    "lamp_post": (build_lamp_post, None),
    "well": (build_well, None),
    "cottage_wall": (build_cottage_wall, None),
    "signpost": (build_signpost, None),
    "fence": (build_fence, None),
    "mushrooms": (build_mushrooms, None),
    "stump": (build_stump, None),
    "challenge_stone": (build_challenge_stone, None),
    "tile": (build_tile, None),
}
