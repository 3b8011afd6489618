"""A Standard MIDI File writer (format 1) and the reader its checks use.

Only what the music needs: tempo, time signature, track names, program,
controller and note events. Ticks are counted at DIVISION per quarter note.
At one tick, note-offs are written before note-ons, so a repeated pitch is
released before it strikes again.
"""

import struct

DIVISION = 480
DRUM_CHANNEL = 9


def vlq(value):
    """A variable-length quantity: 7 bits a byte, high bit set on all but the last."""
    if value < 0:
        raise ValueError("negative delta time")
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self, name):
        self.events = []  # (tick, order, bytes)
        self.meta(0, 0x03, name.encode("ascii"))

    def meta(self, tick, kind, data):
        self.events.append((tick, 0, bytes([0xFF, kind]) + vlq(len(data)) + data))

    def tempo(self, tick, microseconds_per_quarter):
        self.meta(tick, 0x51, microseconds_per_quarter.to_bytes(3, "big"))

    def time_signature(self, tick, numerator, denominator_power=2):
        self.meta(tick, 0x58, bytes([numerator, denominator_power, 24, 8]))

    def program(self, tick, channel, program):
        self.events.append((tick, 1, bytes([0xC0 | channel, program])))

    def controller(self, tick, channel, number, value):
        self.events.append((tick, 1, bytes([0xB0 | channel, number, value])))

    def note(self, start, length, channel, pitch, velocity):
        if not (0 <= pitch < 128 and 1 <= velocity < 128 and length > 0):
            raise ValueError(f"bad note {pitch} velocity {velocity} length {length}")
        self.events.append((start, 3, bytes([0x90 | channel, pitch, velocity])))
        self.events.append((start + length, 2, bytes([0x80 | channel, pitch, 0])))

    def chunk(self, end_tick):
        body = bytearray()
        now = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            body += vlq(tick - now) + data
            now = tick
        body += vlq(max(end_tick - now, 0)) + b"\xff\x2f\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def write(path, tracks, end_tick):
    """Writes a format 1 file; every track ends at end_tick (the render's length)."""
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), DIVISION)
    with open(path, "wb") as out:
        out.write(header + b"".join(t.chunk(end_tick) for t in tracks))


def read_vlq(data, pos):
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


def read_notes(path):
    """(division, [(tick, channel, pitch, velocity, length)]) from a file this module wrote."""
    data = open(path, "rb").read()
    if data[:4] != b"MThd":
        raise ValueError("not a MIDI file")
    _, _, count, division = struct.unpack(">IHHH", data[4:14])
    pos = 14
    notes = []
    for _ in range(count):
        if data[pos:pos + 4] != b"MTrk":
            raise ValueError("track chunk expected")
        (length,) = struct.unpack(">I", data[pos + 4:pos + 8])
        pos += 8
        end = pos + length
        tick = 0
        sounding = {}
        while pos < end:
            delta, pos = read_vlq(data, pos)
            tick += delta
            status = data[pos]
            if status == 0xFF:
                _, pos = data[pos + 1], pos + 2
                size, pos = read_vlq(data, pos)
                pos += size
                continue
            kind, channel = status & 0xF0, status & 0x0F
            if kind in (0x80, 0x90):
                pitch, velocity = data[pos + 1], data[pos + 2]
                if kind == 0x90 and velocity:
                    sounding[(channel, pitch)] = (tick, velocity)
                else:
                    start, vel = sounding.pop((channel, pitch))
                    notes.append((start, channel, pitch, vel, tick - start))
                pos += 3
            elif kind == 0xC0:
                pos += 2
            else:
                pos += 3
        pos = end
    return division, sorted(notes)
