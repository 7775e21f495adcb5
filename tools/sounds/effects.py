"""effects.py DIR: synthesises the noise-based effects into DIR/NAME.f32.

Every random choice comes from a generator seeded per effect, so two runs give the
same bytes.
"""
import math
import os
import random
import sys

import audio as a
from audio import RATE, secs

POLISH_TONE = 425.0  # the dial, ringing and busy tones of Polish exchanges


def room(xs, wet=0.25, size=1.0):
    """A small Schroeder reverb (four combs, two all-passes): claps need a hall around them."""
    combs = [int(d * size) for d in (1117, 1277, 1361, 1493)]
    out = [0.0] * (len(xs) + secs(0.6))
    src = xs + [0.0] * (len(out) - len(xs))
    for delay in combs:
        buf = [0.0] * delay
        k = 0
        fb = 0.78
        for i, x in enumerate(src):
            y = buf[k]
            buf[k] = x + y * fb
            k = k + 1 if k + 1 < delay else 0
            out[i] += y * 0.25
    for delay in (225, 556):
        buf = [0.0] * delay
        k = 0
        for i, x in enumerate(out):
            b = buf[k]
            y = -x + b
            buf[k] = x + b * 0.5
            k = k + 1 if k + 1 < delay else 0
            out[i] = y
    return [d + w * wet for d, w in zip(src, out)]


def clap_bank(rng, count=24):
    """Single claps: a noise burst with a sharp attack, shaped by one hand-and-room resonance."""
    bank = []
    for _ in range(count):
        length = rng.uniform(0.025, 0.05)
        tau = rng.uniform(0.004, 0.012)
        burst = [rng.uniform(-1, 1) * math.exp(-i / (tau * RATE)) for i in range(secs(length))]
        centre = rng.uniform(900, 2600)
        burst = a.Biquad("bandpass", centre, rng.uniform(1.2, 2.5)).run(burst)
        burst = a.Biquad("highpass", 400).run(burst)
        p = a.peak(burst) or 1.0
        bank.append([x / p for x in burst])
    return bank


def applause(seed, duration, shape, people=40):
    """A crowd clapping: each person claps at their own rate with jitter; shape(t) is the swell."""
    rng = random.Random(seed)
    bank = clap_bank(rng)
    out = [0.0] * secs(duration)
    for _ in range(people):
        rate = rng.uniform(3.2, 5.5)
        loudness = rng.uniform(0.3, 1.0)
        t = rng.uniform(0.0, 0.35)
        while t < duration:
            g = loudness * shape(t) * rng.uniform(0.6, 1.0)
            if g > 0.01:
                a.mix_into(out, rng.choice(bank), t, g)
            t += rng.gauss(1.0 / rate, 0.08 / rate)  # nobody claps like a metronome
    bed = a.bandpass(a.noise(rng, duration), 700, 4500)
    for i in range(len(out)):
        out[i] += bed[i] * 0.25 * shape(i / RATE)
    return a.fit(room(out, wet=0.35), duration)


def swell(rise, hold_until, end):
    """0 -> 1 over rise seconds, flat until hold_until, then an eased decay to 0 at end."""
    def f(t):
        if t < rise:
            return (t / rise) ** 0.7
        if t < hold_until:
            return 1.0
        if t >= end:
            return 0.0
        return (1.0 - (t - hold_until) / (end - hold_until)) ** 1.6
    return f


def rez_oklaski():
    return applause(11, 3.6, swell(0.35, 1.6, 3.55), people=36)


def gwara_applause():
    """The crowd under DOBRA_GWARA: it rises with the fanfare's call and outlasts the last chord."""
    return applause(12, 10.0, lambda t: 0.0 if t < 1.0 else swell(1.2, 5.5, 9.0)(t - 1.0),
                    people=55)


def murmur_voice(rng, duration):
    """One talker: a buzzy source through two formants that jump from vowel to vowel."""
    vowels = [(800, 1200), (500, 1800), (300, 2300), (500, 900), (350, 800), (650, 1500)]
    pitch = rng.uniform(95, 240)
    n = secs(duration)
    out = [0.0] * n
    phase = 0.0
    lp1 = bp1 = lp2 = bp2 = 0.0
    f1, f2 = vowels[0]
    t1, t2 = f1, f2
    syllable_end = 0
    level = target = 0.0
    for i in range(n):
        if i >= syllable_end:
            syllable_end = i + secs(rng.uniform(0.12, 0.28))
            t1, t2 = rng.choice(vowels)
            target = 0.0 if rng.random() < 0.22 else rng.uniform(0.4, 1.0)
        f1 += (t1 - f1) * 0.002
        f2 += (t2 - f2) * 0.002
        level += (target - level) * 0.003
        phase += pitch * (1.0 + 0.03 * math.sin(i * 0.0007)) / RATE
        phase -= int(phase)
        src = (2.0 * phase - 1.0) * 0.6 + rng.uniform(-0.3, 0.3)
        # Chamberlin state-variable filters, stable while their frequency moves
        c1 = 2.0 * math.sin(math.pi * f1 / RATE)
        lp1 += c1 * bp1
        bp1 += c1 * (src - lp1 - 0.25 * bp1)
        c2 = 2.0 * math.sin(math.pi * f2 / RATE)
        lp2 += c2 * bp2
        bp2 += c2 * (src - lp2 - 0.3 * bp2)
        out[i] = (bp1 + 0.6 * bp2) * level
    return out


def beep(freq, duration, level=1.0):
    return a.fade(a.tone(freq, duration, level), 0.004, 0.012)


def k_pub():
    """Ask the audience: a hall full of murmuring, settling for four voting beeps."""
    rng = random.Random(21)
    duration = 4.0
    crowd = [0.0] * secs(duration)
    for _ in range(14):
        a.mix_into(crowd, murmur_voice(rng, duration), 0.0, rng.uniform(0.5, 1.0))
    crowd = a.bandpass(crowd, 180, 3800)
    drift = a.smooth_random(rng, duration, 2.5, 0.75, 1.0)
    shape = a.envelope([(0, 0.0), (0.4, 1.0), (2.9, 1.0), (3.4, 0.35), (4.0, 0.0)], duration)
    crowd = room([c * d * s for c, d, s in zip(crowd, drift, shape)], wet=0.3)
    p = a.peak(crowd) or 1.0
    out = [c / p * 0.7 for c in crowd[:secs(duration)]]
    for k, f in enumerate((784.0, 988.0, 1175.0, 1568.0)):
        a.mix_into(out, beep(f, 0.09 if k < 3 else 0.22, 0.35), 3.05 + 0.17 * k)
    return a.fit(out, duration)


def k_kom():
    """Fifty-fifty: a whoosh sweeping up through the noise, then two falling blips."""
    rng = random.Random(31)
    duration = 1.75
    src = a.noise(rng, 0.75)
    centre = a.envelope([(0, 300), (0.45, 3500), (0.75, 1200)], 0.75)
    level = a.envelope([(0, 0.0), (0.35, 1.0), (0.75, 0.0)], 0.75)
    out = []
    lp = bp = 0.0
    for x, f, g in zip(src, centre, level):
        c = 2.0 * math.sin(math.pi * f / RATE)
        lp += c * bp
        bp += c * (x - lp - 0.5 * bp)
        out.append(bp * g * 0.6)
    for at, f0, f1 in ((0.8, 1400.0, 700.0), (1.15, 1000.0, 500.0)):
        blip = a.glide(f0, f1, 0.16, 0.8, harmonics=(1.0, 0.25))
        blip = [b * math.exp(-i / (0.06 * RATE)) for i, b in enumerate(blip)]
        a.mix_into(out, a.fade(blip, 0.002, 0.01), at)
    return a.fit(room(out, wet=0.2, size=0.7), duration)


def telephone(xs):
    return a.bandpass(xs, 300, 3400)


def dial_tone(duration, level):
    return a.fade(a.tone(POLISH_TONE, duration, level, "square"), 0.01, 0.01)


def dtmf(digit, duration=0.07, level=0.45):
    rows, cols = (697, 770, 852, 941), (1209, 1336, 1477)
    keys = "123456789*0#"
    k = keys.index(digit)
    low, high = a.tone(rows[k // 3], duration), a.tone(cols[k % 3], duration)
    return a.fade([(x + y) * level for x, y in zip(low, high)], 0.004, 0.004)


def tel_start():
    """A call begins: dial tone, six keyed digits, then one long ring."""
    duration = 2.75
    out = a.silence(duration)
    a.mix_into(out, dial_tone(0.6, 0.5), 0.0)
    for i, digit in enumerate("602841"):
        a.mix_into(out, dtmf(digit), 0.72 + 0.12 * i)
    a.mix_into(out, dial_tone(1.0, 0.5), 1.65)
    return a.fit(telephone(out), duration)


def tel_end():
    """A call ends: the receiver is put down, then three short busy beeps."""
    rng = random.Random(41)
    duration = 1.0
    out = a.silence(duration)
    click = [rng.uniform(-1, 1) * math.exp(-i / (0.003 * RATE)) for i in range(secs(0.03))]
    thump = [math.sin(2 * math.pi * 140 * i / RATE) * math.exp(-i / (0.012 * RATE))
             for i in range(secs(0.06))]
    for i in range(3):
        a.mix_into(out, dial_tone(0.15, 0.5), 0.17 + 0.28 * i)
    out = telephone(out)
    # the click is the handset in the room, so it keeps its full band
    a.mix_into(out, a.fade(click, 0.0005, 0.005), 0.01, 0.9)
    a.mix_into(out, a.fade(thump, 0.001, 0.01), 0.01, 0.7)
    return a.fit(out, duration)


EFFECTS = {"REZ_OKLASKI": rez_oklaski, "K_KOM": k_kom, "K_PUB": k_pub, "TEL_START": tel_start,
           "TEL_END": tel_end, "GWARA_APPLAUSE": gwara_applause}


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name in sys.argv[2:] or EFFECTS:
        a.write_f32(os.path.join(out, name + ".f32"), EFFECTS[name]())


if __name__ == "__main__":
    main()
