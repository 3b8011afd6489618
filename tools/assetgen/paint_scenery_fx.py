"""Billboard, light halo and particle textures of the scenery group: none painted yet."""

PAINTERS = {}
