"""The sky box faces of the scenery group: not painted yet."""

PAINTERS = {}
