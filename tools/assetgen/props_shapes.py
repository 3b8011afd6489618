"""Shape helpers for the props group's builders (run in Blender): rods between
two points, ribbed and lumpy reshaping of round pieces, bevelled edges, and a
fixed-seed jitter, so the builders in models_props.py read as lists of parts.
"""

import math
import random

from mathutils import Matrix, Vector

import atlas
from rig import transform as T


def rod(start, end, radius, cell, segments=8, end_radius=None):
    """A cone piece running from start to end (its first radius at start)."""
    a, b = Vector(start), Vector(end)
    axis = b - a
    # create_cone's first radius lies at -z: point -z at start.
    turn = Vector((0, 0, 1)).rotation_difference(axis.normalized()).to_matrix().to_4x4()
    matrix = Matrix.Translation((a + b) / 2.0) @ turn
    top = radius if end_radius is None else end_radius
    return ("cone", (segments, radius, top, axis.length), matrix, cell)


def box(centre, size, cell, rotation=(0, 0, 0)):
    """A box piece of the given (x, y, z) size."""
    return ("cube", (1.0,), T(centre, size, rotation), cell)


def ribbed(centre, ribs, depth, reach):
    """A shape function pressing grooves into every vertex within reach of centre,
    running from pole to pole like a pumpkin's ribs."""
    c = Vector(centre)

    def shape(bm):
        for v in bm.verts:
            d = v.co - c
            if d.length > reach:
                continue
            angle = math.atan2(d.y, d.x)
            groove = 1.0 - depth * (0.5 - 0.5 * math.cos(ribs * angle))
            v.co = Vector((c.x + d.x * groove, c.y + d.y * groove, v.co.z))
    return shape


def lumpy(centre, reach, waves, seed):
    """A shape function giving a round outline soft random lobes (a puddle, a mound)."""
    rng = random.Random(seed)
    terms = [(rng.randint(2, 5), rng.uniform(0.0, 2 * math.pi), rng.uniform(0.04, waves)) for _ in range(3)]
    c = Vector(centre)

    def shape(bm):
        for v in bm.verts:
            d = v.co - c
            if math.hypot(d.x, d.y) > reach:
                continue
            angle = math.atan2(d.y, d.x)
            grow = 1.0 + sum(a * math.sin(k * angle + p) for k, p, a in terms)
            v.co = Vector((c.x + d.x * grow, c.y + d.y * grow, v.co.z))
    return shape


def chain(*shapes):
    def shape(bm):
        for s in shapes:
            s(bm)
    return shape


def bevel(obj, width, segments=2):
    """Soft edges for a part of boxes and cylinders: smooth shading then reads as
    rounded stone and wood instead of a blob."""
    modifier = obj.modifiers.new("Bevel", "BEVEL")
    modifier.width = width
    modifier.segments = segments
    modifier.limit_method = "ANGLE"
    modifier.angle_limit = math.radians(50)
    return obj


def jitter(seed):
    """A fixed-seed source of small random offsets for hand-laid stones and planks."""
    rng = random.Random(seed)
    return lambda amount: rng.uniform(-amount, amount)


def box_uvs(texture, cells):
    """A shape function giving the faces painted with the named cells a box
    projection: each face takes the cell's swatch flat across the two axes it
    faces, spread over the bounds of all faces of that cell.  Planks then run on
    across a door and its arch, and a face shows the whole swatch, not the
    sixteenth of it a primitive's own unwrap leaves it."""
    rects = {cell: atlas.cell_rect(texture, cell) for cell in cells}

    def cell_of(face, uv):
        u = sum(loop[uv].uv[0] for loop in face.loops) / len(face.loops)
        v = sum(loop[uv].uv[1] for loop in face.loops) / len(face.loops)
        for cell, (u0, v0, u1, v1) in rects.items():
            if u0 <= u <= u1 and v0 <= v <= v1:
                return cell
        return None

    def shape(bm):
        uv = bm.loops.layers.uv.active
        bm.normal_update()
        faces = {}
        for face in bm.faces:
            cell = cell_of(face, uv)
            if cell is not None:
                faces.setdefault(cell, []).append(face)
        for cell, group in faces.items():
            points = [v.co for face in group for v in face.verts]
            low = [min(p[i] for p in points) for i in range(3)]
            span = [max(max(p[i] for p in points) - low[i], 1e-6) for i in range(3)]
            u0, v0, u1, v1 = rects[cell]
            for face in group:
                axis = max(range(3), key=lambda i: abs(face.normal[i]))
                a, b = [(1, 2), (0, 2), (0, 1)][axis]
                for loop in face.loops:
                    s = (loop.vert.co[a] - low[a]) / span[a]
                    t = (loop.vert.co[b] - low[b]) / span[b]
                    loop[uv].uv = (u0 + s * (u1 - u0), v0 + t * (v1 - v0))
    return shape
