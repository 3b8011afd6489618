"""Small modelling helpers for the characters group, on top of rig.py: limbs
placed between two points, blobs, discs, shape keys from functions, soft
boxes, and animation wrappers shared by several characters.

Pieces are rig.py's (kind, dims, matrix, cell) tuples; a matrix may be any
4x4 placement, so a limb is a cone turned from its own z axis onto the line
between its two ends.
"""

import math

import bmesh
from mathutils import Matrix, Vector

from rig import transform as T


def limb(start, end, radius_start, radius_end, cell, segments=8):
    """A cone running from start (radius_start) to end (radius_end)."""
    a, b = Vector(start), Vector(end)
    axis = b - a
    turn = Vector((0, 0, 1)).rotation_difference(axis.normalized()).to_matrix().to_4x4()
    return ("cone", (segments, radius_start, radius_end, axis.length), Matrix.Translation((a + b) / 2) @ turn, cell)


def blob(centre, radius, cell, scale=(1, 1, 1), rotation=(0, 0, 0), segments=8, rings=6):
    """A squashed sphere: eyes, hands, feet, tufts."""
    return ("sphere", (segments, rings, radius), T(centre, scale, rotation), cell)


def disc(centre, radius, thickness, cell, rotation=(0, 0, 0), segments=12):
    """A flat cylinder lying in the xy plane before rotation: shields, brims, lids."""
    return ("cone", (segments, radius, radius, thickness), T(centre, (1, 1, 1), rotation), cell)


def attach(child, parent):
    """Hangs a part from another part instead of the root: its rest place becomes relative to
    the parent's joint, so it follows the parent's turns and adds its own."""
    rest = Vector(child["rest"]) - Vector(parent["rest"])
    child.parent = parent
    child.location = rest
    child["rest"] = list(rest)
    return child


def add_keys(obj, keys):
    """Shape keys, each a function (x, y, z) -> (x, y, z) of a vertex in the object's own space."""
    obj.shape_key_add(name="Basis")
    for name, move in keys:
        key = obj.shape_key_add(name=name, from_mix=False)
        for point in key.data:
            point.co = move(*point.co)


def soft_box(bevel):
    """A shape function turning a part made of one cube into a box with softly rounded
    edges: each face is cut into a 3 x 3 grid and the inner lines are pushed out to
    `bevel` from the edges, so the faces shade flat and only the rims turn."""
    def shape(bm):
        bmesh.ops.subdivide_edges(bm, edges=bm.edges[:], cuts=2, use_grid_fill=True)
        low = [min(v.co[i] for v in bm.verts) for i in range(3)]
        high = [max(v.co[i] for v in bm.verts) for i in range(3)]
        for v in bm.verts:
            co = list(v.co)
            for i in range(3):
                mid, half = (low[i] + high[i]) / 2, (high[i] - low[i]) / 2
                d = (co[i] - mid) / half
                if abs(d) < 0.999:
                    co[i] = mid + math.copysign(half - bevel, d)
            v.co = co
    return shape


def scaled_animations(animations, root, factor, extra=None):
    """The same animations on a model built `factor` times bigger through its root: the root's
    own offset grows with it (its children follow the root's scale).  extra(pose, t) may add to
    each pose."""
    def wrap(pose_function):
        def pose(t):
            pose_now = {name: dict(entry) for name, entry in pose_function(t).items()}
            entry = pose_now.setdefault(root, {})
            entry["offset"] = tuple(c * factor for c in entry.get("offset", (0, 0, 0)))
            entry["scale"] = (factor, factor, factor)
            if extra is not None:
                extra(pose_now, t)
            return pose_now
        return pose
    return [(name, frames, wrap(function), loops) for name, frames, function, loops in animations]


def smooth_step(t):
    t = min(1.0, max(0.0, t))
    return t * t * (3 - 2 * t)


def window(t, start, end):
    """0 before start, 1 after end, linear in between."""
    return min(1.0, max(0.0, (t - start) / (end - start)))
