"""The sound effects, synthesised with numpy: filtered noise, envelopes,
pitch sweeps and a few struck partials. Each maker returns mono samples at
dsp.RATE; generate.py levels them all to the same peak. Every maker has its
own seed, so changing one sound never changes another."""

import numpy as np

import dsp
from dsp import RATE, envelope, place, seconds, timeline


def _rng(seed):
    return np.random.default_rng(seed)


def saw(freq, harmonics_below=8000.0):
    """A band-limited sawtooth following the frequency array freq."""
    phase = dsp.phase_of(freq)
    top = int(harmonics_below / max(np.max(freq), 1.0))
    return sum(np.sin(k * phase) / k for k in range(1, max(top, 1) + 1)) * (2.0 / np.pi)


def bell(freq, duration, ratios=(1.0, 2.76, 5.4, 8.93), decays=(1.0, 0.6, 0.35, 0.2), levels=(1.0, 0.5, 0.3, 0.15)):
    """A struck bell or chime: inharmonic partials, each dying away at its own rate."""
    t = timeline(duration)
    out = np.zeros_like(t)
    for ratio, decay, level in zip(ratios, decays, levels):
        if freq * ratio < RATE / 2.2:
            out += level * np.sin(2 * np.pi * freq * ratio * t) * np.exp(-t / (decay * duration / 4.0))
    # A 2 ms strike and a 20 ms fade at the end, where the partials are cut.
    return out * np.minimum(1.0, t / 0.002) * np.minimum(1.0, (duration - t) / 0.02)


def thump(start_hz, end_hz, duration):
    return np.sin(dsp.sweep(start_hz, end_hz, duration)) * envelope(duration, 0.003, 3.0)


def slash_monster():
    rng = _rng(1)
    duration = 0.38
    swish = dsp.resonator(dsp.noise(rng, duration), np.geomspace(3200, 600, seconds(duration)), 2.5)
    swish *= envelope(duration, 0.04, 2.0)
    hit = place(thump(150, 60, 0.18) * 0.8, dsp.band(dsp.noise(rng, 0.03), 1000, 4000) * envelope(0.03, 0.001, 2.0), 0.0)
    return place(swish * 1.5, hit, 0.11)


def ghost_on_hit():
    rng = _rng(2)
    duration = 0.42
    t = timeline(duration)
    freq = np.geomspace(720, 380, t.size) + 60 * np.sin(2 * np.pi * 17 * t)
    phase = dsp.phase_of(freq)
    voice = np.sin(phase) + 0.3 * np.sin(2 * phase) + 0.1 * np.sin(3 * phase)
    breath = dsp.band(dsp.noise(rng, duration), 800, 3000) * 0.25
    return (voice + breath) * envelope(duration, 0.012, 1.6)


def ghost_death():
    rng = _rng(3)
    duration = 1.0
    t = timeline(duration)
    freq = np.geomspace(900, 190, t.size) * (1.0 + 0.04 * np.sin(2 * np.pi * 6 * t))
    phase = dsp.phase_of(freq)
    voice = np.sin(phase) + 0.25 * np.sin(2 * phase) + 0.12 * np.sin(3 * phase)
    breath = dsp.band(dsp.noise(rng, duration), 500, 2500) * 0.3 * (1 - t / duration)
    return (voice + breath) * envelope(duration, 0.06, 1.3, hold=0.15)


def dumb_death_1():
    rng = _rng(4)
    duration = 0.6
    puff = dsp.lowpass_sweep(dsp.noise(rng, 0.3), np.geomspace(5000, 300, seconds(0.3))) * envelope(0.3, 0.004, 2.5)
    squeak = 2 * np.abs(2 * ((dsp.sweep(1300, 280, 0.42) / (2 * np.pi)) % 1.0) - 1) - 1  # triangle wave
    squeak *= envelope(0.42, 0.01, 1.5) * 0.5
    out = np.zeros(seconds(duration))
    place(out, puff * 2.5, 0.0)
    return place(out, squeak, 0.06)


def dumb_death_2():
    rng = _rng(5)
    out = np.zeros(seconds(0.62))
    for i, freq in enumerate((900, 760, 620, 500, 390)):
        blip = np.sin(dsp.sweep(freq * 1.4, freq, 0.07)) * envelope(0.07, 0.003, 2.0)
        place(out, blip * (1.0 - 0.1 * i), 0.075 * i)
    puff = dsp.band(dsp.noise(rng, 0.2), 200, 1500) * envelope(0.2, 0.01, 2.0) * 0.5
    return place(out, puff, 0.38)


def dumb_possess():
    rng = _rng(6)
    duration = 0.9
    t = timeline(duration)
    centre = np.geomspace(300, 2400, t.size) * (1.0 + 0.25 * np.sin(2 * np.pi * 7 * t))
    swirl = dsp.resonator(dsp.noise(rng, duration), centre, 4.0) * 2.0
    hum_freq = np.linspace(90, 140, t.size)
    hum = np.sin(dsp.phase_of(hum_freq)) * 0.5 + np.sin(2 * dsp.phase_of(hum_freq)) * 0.2
    swell = np.minimum(1.0, t / 0.6) * np.minimum(1.0, (duration - t) / 0.08)
    return (swirl + hum) * swell


def spawn():
    rng = _rng(7)
    duration = 1.1
    t = timeline(duration)
    rumble = dsp.band(dsp.noise(rng, duration), 40, 250, slope=3) * 3.0
    rise = np.geomspace(200, 800, t.size)
    shimmer = sum(np.sin(dsp.phase_of(rise * ratio)) * level
                  for ratio, level in ((1.0, 0.4), (1.5 * 1.003, 0.25), (2.01, 0.2)))
    shimmer *= 1.0 + 0.5 * np.sin(2 * np.pi * 9 * t)
    return (rumble + shimmer) * envelope(duration, 0.35, 1.5)


def collect_sound():
    out = np.zeros(seconds(0.65))
    place(out, bell(1318.5, 0.5), 0.0)
    return place(out, bell(1975.5, 0.55), 0.08)


def pick_sound():
    blip = np.sin(dsp.sweep(500, 1050, 0.16)) * envelope(0.16, 0.008, 2.0)
    click = dsp.band(dsp.noise(_rng(8), 0.006), 2000, 6000) * 0.3
    return place(blip, click, 0.0)


def door_lock():
    out = np.zeros(seconds(0.55))
    for at, level in ((0.0, 1.0), (0.12, 0.6), (0.2, 0.4)):
        clank = bell(523, 0.3, ratios=(1.0, 2.27, 3.17, 4.42), decays=(0.8, 0.5, 0.4, 0.3),
                     levels=(0.5, 0.6, 0.5, 0.35))
        place(out, clank * level, at)
    return place(out, thump(190, 90, 0.12), 0.0)


def door_open():
    rng = _rng(9)
    out = np.zeros(seconds(1.25))
    for at in (0.0, 0.07):
        place(out, dsp.band(dsp.noise(rng, 0.012), 2000, 6000) * envelope(0.012, 0.001, 2.0) * 0.8, at)
    duration = 0.95
    t = timeline(duration)
    pitch = np.linspace(85, 140, t.size) * (1.0 + 0.08 * rng.standard_normal(t.size).cumsum() / np.sqrt(t.size))
    creak = saw(pitch, 6000)
    creak = dsp.resonator(creak, 650, 6) + dsp.resonator(creak, 1450, 8) * 0.6
    creak *= np.sin(np.pi * t / duration) ** 0.7
    return place(out, creak * 1.2, 0.2)


def crate_break():
    rng = _rng(10)
    out = np.zeros(seconds(0.6))
    for at, level in ((0.0, 1.0), (0.025, 0.8), (0.07, 0.9), (0.15, 0.6), (0.23, 0.4)):
        burst = dsp.noise(rng, 0.09) * envelope(0.09, 0.001, 4.0)
        wood = dsp.resonator(burst, 230, 8) + dsp.resonator(burst, 470, 10) + 0.7 * dsp.resonator(burst, 910, 10)
        place(out, wood * level, at)
    return place(out, thump(120, 55, 0.2) * 0.3, 0.0)


def bomb():
    rng = _rng(11)
    duration = 1.6
    t = timeline(duration)
    blast = dsp.lowpass_sweep(dsp.noise(rng, duration), np.geomspace(6000, 150, t.size)) * np.exp(-t / 0.35)
    boom = np.sin(dsp.sweep(85, 32, 0.7)) * envelope(0.7, 0.004, 1.6)
    crackle = np.zeros_like(t)
    for at in rng.uniform(0.1, 0.9, 25):
        place(crackle, dsp.band(dsp.noise(rng, 0.004), 1500, 5000) * rng.uniform(0.05, 0.2), at)
    out = blast * 3.0 + crackle
    return place(out, boom * 1.4, 0.0) * np.minimum(1.0, t / 0.003)


def footstep(seed, low_hz, high_hz, second_at):
    rng = _rng(seed)
    out = np.zeros(seconds(0.15))
    for at, level in ((0.0, 1.0), (second_at, 0.6)):
        step = dsp.band(dsp.noise(rng, 0.07), low_hz, high_hz) * envelope(0.07, 0.003, 3.0)
        place(out, step * level, at)
    return place(out, thump(110, 60, 0.05) * 0.4, 0.0)


def girl_walk():
    return footstep(12, 80, 1200, 0.02)


def girl_walk_2():
    return footstep(13, 110, 1700, 0.035)


def fairy_sprinkle():
    rng = _rng(14)
    out = np.zeros(seconds(0.9))
    scale = (2093.0, 2349.3, 2637.0, 3136.0, 3520.0, 4186.0)
    for at in np.sort(rng.uniform(0.0, 0.6, 14)):
        freq = scale[rng.integers(len(scale))]
        ping = bell(freq, 0.22, ratios=(1.0, 2.0, 3.01), decays=(1.0, 0.5, 0.3), levels=(1.0, 0.25, 0.1))
        place(out, ping * rng.uniform(0.4, 1.0), at)
    t = timeline(0.9)
    air = dsp.band(dsp.noise(rng, 0.9), 4000, 10000) * np.sin(np.pi * t / 0.9) * 0.2
    return out + air


def lights_on():
    duration = 1.2
    t = timeline(duration)
    chord = sum(np.sin(2 * np.pi * f * t) + 0.2 * np.sin(4 * np.pi * f * t)
                for f in (523.25, 659.25 * 1.002, 783.99 * 0.998, 1046.5))
    chord *= np.minimum(1.0, t / 0.3) * np.exp(-np.maximum(t - 0.3, 0.0) / 0.35) * 0.3
    return place(chord, bell(2093.0, 0.8) * 0.7, 0.28)


def button_press():
    out = np.sin(2 * np.pi * 1500 * timeline(0.012)) * envelope(0.012, 0.0005, 2.0) * 0.6
    out = np.concatenate([out, np.zeros(seconds(0.07))])
    place(out, dsp.band(dsp.noise(_rng(15), 0.006), 2000, 6000) * 0.4, 0.0)
    return place(out, np.sin(2 * np.pi * 420 * timeline(0.035)) * envelope(0.035, 0.001, 3.0) * 0.5, 0.0)


def chaser_sound():
    rng = _rng(16)
    duration = 0.9
    t = timeline(duration)
    pitch = 72 * (1.0 + 0.1 * np.sin(2 * np.pi * 3 * t))
    growl = saw(pitch, 5000) * (0.6 + 0.4 * np.abs(np.sin(2 * np.pi * 23 * t + 2 * np.sin(2 * np.pi * 5 * t))))
    growl = dsp.resonator(growl, np.linspace(520, 340, t.size), 3) * 2.0 + growl * 0.3
    rasp = dsp.band(dsp.noise(rng, duration), 300, 2500) * 0.25
    return (growl + rasp) * envelope(duration, 0.08, 1.5, hold=0.3)


def chaser_sound_2():
    rng = _rng(17)
    duration = 0.8
    t = timeline(duration)
    hiss = dsp.band(dsp.noise(rng, duration), 2000, 6500) * 0.9
    moan = saw(np.linspace(300, 210, t.size), 4000) * 0.35
    return (hiss + moan) * envelope(duration, 0.15, 1.2, hold=0.2)


def shield_chase():
    duration = 2.6
    t = timeline(duration)
    drone = saw(np.full(t.size, 55.0), 2500) * 0.6 + np.sin(2 * np.pi * 110.5 * t) * 0.4
    drone *= 0.65 + 0.35 * np.sin(2 * np.pi * 4 * t)
    shimmer = sum(np.sin(2 * np.pi * f * t) * level for f, level in ((1187, 0.12), (1663, 0.1), (2311, 0.07)))
    shimmer *= 0.5 + 0.5 * np.sin(2 * np.pi * 6.5 * t)
    fade = np.minimum(1.0, t / 0.5) * np.minimum(1.0, (duration - t) / 0.6)
    return (drone + shimmer) * fade


def engine():
    duration = 0.6
    t = timeline(duration)
    pitch = np.geomspace(112, 88, t.size)
    hum = saw(pitch, 3000) + 0.6 * saw(pitch * 1.5 + 1.5, 3000)
    hum = dsp.lowpass_sweep(hum, 1400)
    return hum * envelope(duration, 0.01, 1.4, hold=0.12)


def boss_die():
    rng = _rng(18)
    duration = 2.2
    t = timeline(duration)
    pitch = np.geomspace(190, 48, t.size) * (1.0 + 0.05 * np.sin(2 * np.pi * 5.5 * t))
    roar = saw(pitch, 4000)
    roar = dsp.lowpass_sweep(roar + dsp.noise(rng, duration) * 0.3, np.geomspace(2500, 300, t.size))
    rumble = dsp.band(dsp.noise(rng, duration), 30, 160, slope=3) * 3.0
    return (roar * 1.5 + rumble) * envelope(duration, 0.05, 1.4, hold=0.4)


MAKERS = {
    "SlashMonster": slash_monster, "GhostOnHit": ghost_on_hit, "GhostDeath": ghost_death,
    "DumbDeath1": dumb_death_1, "DumbDeath2": dumb_death_2, "DumbPossess": dumb_possess, "spawn": spawn,
    "CollectSound": collect_sound, "PickSound": pick_sound, "DoorLock": door_lock, "DoorOpen": door_open,
    "CrateBreak": crate_break, "Bomb": bomb, "GirlWalk": girl_walk, "GirlWalk2": girl_walk_2,
    "FairySprinkle": fairy_sprinkle, "LightsOn": lights_on, "ButtonPress": button_press,
    "ChaserSound": chaser_sound, "ChaserSound2": chaser_sound_2, "ShieldChase": shield_chase,
    "Engine": engine, "BossDie": boss_die,
}
