"""Small helpers for pose functions: periodic motion and easing.

A looping animation's pose function takes its phase p in [0, 1); a one-shot
animation's takes t in [0, 1], where 1 is the final pose.
"""

import math


def wave(phase, amplitude, offset=0.0):
    return amplitude * math.sin(2.0 * math.pi * (phase + offset))


def ease_out(t):
    return 1.0 - (1.0 - t) ** 2
