"""Writes static models as DirectX text .X files (xof 0303txt 0032).

One Frame with an identity FrameTransformMatrix holds one Mesh with its
normals, texture coordinates and a single material naming the diffuse
texture.  Vertices are written exactly as given: the caller passes them in the
engine's upright space (y up), which is what the loader reads back.
Texture coordinates run with v = 0 at the top row of the image.
"""


def _num(value):
    # Fixed precision keeps the text identical from run to run.
    text = "%.6f" % value
    return "0.000000" if text == "-0.000000" else text


def _vector_list(rows):
    return ",\n".join("    " + ";".join(_num(c) for c in row) + ";" for row in rows) + ";"


def _face_list(faces):
    return ",\n".join("    3;%d,%d,%d;" % tuple(face) for face in faces) + ";"


def encode(name, positions, normals, texcoords, faces, texture, colour=(1.0, 1.0, 1.0, 1.0)):
    """positions, normals: per-vertex (x, y, z); texcoords: per-vertex (u, v);
    faces: vertex index triples.  Normals are indexed like the vertices."""
    if not (len(positions) == len(normals) == len(texcoords)) or not positions or not faces:
        raise ValueError("positions, normals and texture coordinates must match and not be empty")
    if any(i < 0 or i >= len(positions) for face in faces for i in face):
        raise ValueError("a face names a vertex that does not exist")
    identity = ",".join(_num(v) for v in (1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1))
    parts = [
        "xof 0303txt 0032",
        "",
        "Frame %s {" % name,
        "  FrameTransformMatrix {",
        "    %s;;" % identity,
        "  }",
        "  Mesh %sMesh {" % name,
        "    %d;" % len(positions),
        _vector_list(positions),
        "    %d;" % len(faces),
        _face_list(faces),
        "    MeshNormals {",
        "      %d;" % len(normals),
        _vector_list(normals),
        "      %d;" % len(faces),
        _face_list(faces),
        "    }",
        "    MeshTextureCoords {",
        "      %d;" % len(texcoords),
        _vector_list(texcoords),
        "    }",
        "    MeshMaterialList {",
        "      1;",
        "      %d;" % len(faces),
        ",\n".join("      0" for _ in faces) + ";",
        "      Material {",
        "        %s;" % ";".join(_num(c) for c in colour) + ";",
        "        16.000000;",
        "        0.100000;0.100000;0.100000;;",
        "        0.000000;0.000000;0.000000;;",
        "        TextureFilename {",
        '          "%s";' % texture,
        "        }",
        "      }",
        "    }",
        "  }",
        "}",
        "",
    ]
    return "\n".join(parts)


def write(path, *args, **kwargs):
    text = encode(*args, **kwargs)
    with open(path, "w", newline="\n") as f:
        f.write(text)
    return text


def decode(text):
    """Reads back a file this module wrote: (positions, normals, texcoords, faces, texture)."""
    import re

    def block(start_pattern, text_from):
        match = re.search(start_pattern, text_from)
        if match is None:
            raise ValueError("no %s block" % start_pattern)
        return text_from[match.end():]

    def vectors(body, width):
        count = int(re.match(r"\s*(\d+);", body).group(1))
        numbers = re.findall(r"-?\d+\.\d+", body)[:count * width]
        if len(numbers) != count * width:
            raise ValueError("a vector list is cut short")
        rows = [tuple(float(n) for n in numbers[i:i + width]) for i in range(0, len(numbers), width)]
        return rows, body

    if not text.startswith("xof 0303txt 0032"):
        raise ValueError("not a text .X file")
    mesh = block(r"\bMesh \w+ \{", text)
    positions, _ = vectors(mesh, 3)
    after_positions = mesh.split(";;", 1)[1]
    face_count = int(re.match(r"\s*(\d+);", after_positions).group(1))
    faces = [tuple(int(i) for i in f.split(","))
             for f in re.findall(r"3;(\d+,\d+,\d+);", after_positions)[:face_count]]
    normals, _ = vectors(block(r"MeshNormals \{", mesh), 3)
    texcoords, _ = vectors(block(r"MeshTextureCoords \{", mesh), 2)
    texture = re.search(r'TextureFilename \{\s*"([^"]*)";', mesh).group(1)
    return positions, normals, texcoords, faces, texture
