"""Writes and re-reads Quake II MD2 models (version 8).

A model is one triangle list shared by every frame; each frame stores its own
vertex positions quantised to bytes with a per-frame scale and translation,
and a normal index into the format's 162-entry table.  Coordinates are written
in the model's own space (z up); the engine turns them upright when it loads.
Pure Python so that it runs both inside Blender and under /usr/bin/python3.
"""

import struct

from md2_normals import NORMALS

MAGIC = b"IDP2"
VERSION = 8
HEADER_SIZE = 68
MAX_VERTICES = 2048
MAX_FRAME_NAME = 15  # the 16-byte field keeps room for its NUL


class Md2Error(ValueError):
    pass


def nearest_normal(normal):
    """Index of the table entry closest in direction to normal (largest dot product)."""
    nx, ny, nz = normal
    best, best_dot = 0, -2.0
    for index, (tx, ty, tz) in enumerate(NORMALS):
        dot = nx * tx + ny * ty + nz * tz
        if dot > best_dot:
            best, best_dot = index, dot
    return best


def animation_name(frame_name):
    """The engine's grouping rule: the frame name cut before its first digit."""
    for i, ch in enumerate(frame_name):
        if ch.isdigit():
            return frame_name[:i]
    return frame_name


def _quantise_frame(positions):
    lo = [min(p[axis] for p in positions) for axis in range(3)]
    hi = [max(p[axis] for p in positions) for axis in range(3)]
    # A flat axis still needs a non-zero scale so that every byte decodes to lo.
    scale = [(hi[a] - lo[a]) / 255.0 if hi[a] > lo[a] else 1e-6 for a in range(3)]
    packed = []
    for p in positions:
        packed.append([max(0, min(255, int(round((p[a] - lo[a]) / scale[a])))) for a in range(3)])
    return scale, lo, packed


def _check(frames, texcoords, triangles, skin_size):
    if not frames:
        raise Md2Error("a model needs at least one frame")
    count = len(frames[0][1])
    if count == 0 or count > MAX_VERTICES:
        raise Md2Error("%d vertices per frame; the format allows 1 to %d" % (count, MAX_VERTICES))
    for name, positions, normals in frames:
        if len(name.encode("ascii")) > MAX_FRAME_NAME:
            raise Md2Error("frame name %r is longer than %d characters" % (name, MAX_FRAME_NAME))
        if len(positions) != count or len(normals) != count:
            raise Md2Error("frame %r has %d vertices, the first frame %d" % (name, len(positions), count))
    if not triangles:
        raise Md2Error("a model needs at least one triangle")
    for verts, sts in triangles:
        if any(v < 0 or v >= count for v in verts) or any(t < 0 or t >= len(texcoords) for t in sts):
            raise Md2Error("a triangle names a vertex or texture coordinate that does not exist")
    width, height = skin_size
    if width <= 0 or height <= 0:
        raise Md2Error("the skin size must be positive")


def encode(frames, texcoords, triangles, skin_size, skin_name=""):
    """The bytes of an MD2 file.

    frames: list of (name, positions, normals), positions and normals lists of (x, y, z).
    texcoords: list of (s, t) in skin pixels, t counted from the top row.
    triangles: list of ((v0, v1, v2), (t0, t1, t2)).
    """
    _check(frames, texcoords, triangles, skin_size)
    vertex_count = len(frames[0][1])
    skins = [skin_name.encode("ascii")[:63].ljust(64, b"\0")] if skin_name else []
    frame_size = 40 + 4 * vertex_count
    skin_offset = HEADER_SIZE
    st_offset = skin_offset + 64 * len(skins)
    tri_offset = st_offset + 4 * len(texcoords)
    frame_offset = tri_offset + 12 * len(triangles)
    gl_offset = frame_offset + frame_size * len(frames)
    end_offset = gl_offset + 4  # an empty GL command list: one terminating zero
    out = bytearray()
    out += MAGIC
    out += struct.pack("<16i", VERSION, skin_size[0], skin_size[1], frame_size, len(skins), vertex_count,
                       len(texcoords), len(triangles), 1, len(frames), skin_offset, st_offset, tri_offset,
                       frame_offset, gl_offset, end_offset)
    for skin in skins:
        out += skin
    for s, t in texcoords:
        out += struct.pack("<hh", s, t)
    for verts, sts in triangles:
        out += struct.pack("<6H", *verts, *sts)
    for name, positions, normals in frames:
        scale, translate, packed = _quantise_frame(positions)
        out += struct.pack("<6f", *scale, *translate)
        out += name.encode("ascii").ljust(16, b"\0")
        for (x, y, z), normal in zip(packed, normals):
            out += struct.pack("<4B", x, y, z, nearest_normal(normal))
    out += struct.pack("<i", 0)
    assert len(out) == end_offset
    return bytes(out)


def write(path, frames, texcoords, triangles, skin_size, skin_name=""):
    data = encode(frames, texcoords, triangles, skin_size, skin_name)
    with open(path, "wb") as f:
        f.write(data)
    return data


def decode(data):
    """Reads an MD2 file back: a dict of the header counts, skin size, frame names,
    decoded frame positions, texture coordinates and triangles.  Raises Md2Error on a
    file the engine's loader would refuse."""
    if len(data) < HEADER_SIZE or data[:4] != MAGIC:
        raise Md2Error("not an MD2 file")
    fields = struct.unpack_from("<16i", data, 4)
    (version, skin_w, skin_h, frame_size, n_skins, n_verts, n_st, n_tris, _n_gl, n_frames,
     o_skins, o_st, o_tris, o_frames, _o_gl, o_end) = fields
    if version != VERSION:
        raise Md2Error("version %d is not 8" % version)
    if min(n_verts, n_tris, n_frames) <= 0 or skin_w <= 0 or skin_h <= 0:
        raise Md2Error("empty model or bad skin size")
    if frame_size != 40 + 4 * n_verts:
        raise Md2Error("frame size %d does not match %d vertices" % (frame_size, n_verts))
    for offset, size in ((o_skins, 64 * n_skins), (o_st, 4 * n_st), (o_tris, 12 * n_tris),
                         (o_frames, frame_size * n_frames)):
        if offset < 0 or offset + size > len(data):
            raise Md2Error("a section runs past the end of the file")
    if o_end != len(data):
        raise Md2Error("end offset %d, file size %d" % (o_end, len(data)))
    skins = [data[o_skins + 64 * i:o_skins + 64 * (i + 1)].split(b"\0")[0].decode("ascii")
             for i in range(n_skins)]
    texcoords = [struct.unpack_from("<hh", data, o_st + 4 * i) for i in range(n_st)]
    triangles = []
    for i in range(n_tris):
        v = struct.unpack_from("<6H", data, o_tris + 12 * i)
        if max(v[:3]) >= n_verts or max(v[3:]) >= n_st:
            raise Md2Error("triangle %d names a missing vertex or texture coordinate" % i)
        triangles.append((v[:3], v[3:]))
    frames = []
    for f in range(n_frames):
        at = o_frames + f * frame_size
        scale = struct.unpack_from("<3f", data, at)
        translate = struct.unpack_from("<3f", data, at + 12)
        name = data[at + 24:at + 40].split(b"\0")[0].decode("ascii")
        positions, normal_ids = [], []
        for i in range(n_verts):
            x, y, z, n = struct.unpack_from("<4B", data, at + 40 + 4 * i)
            if n >= len(NORMALS):
                raise Md2Error("normal index %d out of the table" % n)
            positions.append(tuple(scale[a] * c + translate[a] for a, c in enumerate((x, y, z))))
            normal_ids.append(n)
        frames.append((name, positions, normal_ids))
    return {"skin_size": (skin_w, skin_h), "skins": skins, "texcoords": texcoords,
            "triangles": triangles, "frames": frames}


def animations(frame_names):
    """Animation name -> (first frame, last frame), grouped as the engine groups them."""
    table = {}
    for i, name in enumerate(frame_names):
        key = animation_name(name)
        if key in table:
            table[key] = (table[key][0], i)
        else:
            table[key] = (i, i)
    return table
