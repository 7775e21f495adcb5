"""Small mono audio toolkit on plain Python lists: WAV I/O, filters, envelopes, levels.

Samples are floats in [-1, 1]. Only the standard library is used, so every
machine that can run the build can also remake the sounds.
"""
import math
import struct
import wave

RATE = 22050


def read_wav(path):
    """Returns (rate, samples) of a 16-bit PCM file, channels averaged."""
    with wave.open(path, "rb") as w:
        rate, channels, width = w.getframerate(), w.getnchannels(), w.getsampwidth()
        raw = w.readframes(w.getnframes())
    if width != 2:
        raise ValueError("%s: unsupported sample width %d" % (path, width))
    values = struct.unpack("<%dh" % (len(raw) // 2), raw)
    frames = len(values) // channels
    k = 1.0 / (32768.0 * channels)
    return rate, [sum(values[i * channels:(i + 1) * channels]) * k for i in range(frames)]


def write_wav(path, samples, rate=RATE):
    """Writes mono 16-bit PCM; values are rounded (no dither) so the output is repeatable."""
    ints = [max(-32767, min(32767, int(round(s * 32767)))) for s in samples]
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(struct.pack("<%dh" % len(ints), *ints))


# Intermediate files between the tools are headerless mono float32 at RATE
# (what `sox ... -t raw -e floating-point -b 32 -c 1 -r 22050` writes).
def read_f32(path):
    with open(path, "rb") as f:
        raw = f.read()
    return list(struct.unpack("<%df" % (len(raw) // 4), raw))


def write_f32(path, samples):
    with open(path, "wb") as f:
        f.write(struct.pack("<%df" % len(samples), *samples))


def secs(n):
    return int(round(n * RATE))


def silence(duration):
    return [0.0] * secs(duration)


def db(x):
    return 20.0 * math.log10(x) if x > 0 else -200.0


def undb(d):
    return 10.0 ** (d / 20.0)


def peak(xs):
    return max((abs(x) for x in xs), default=0.0)


def rms(xs):
    return math.sqrt(sum(x * x for x in xs) / len(xs)) if xs else 0.0


def active_rms(xs, window=0.05, floor_db=-40.0):
    """RMS over the windows that sound at all (louder than floor_db below the peak).

    Effects with long quiet gaps are judged by how loud they are while they play."""
    n = secs(window)
    blocks = [rms(xs[i:i + n]) for i in range(0, len(xs), n)]
    top = max(blocks, default=0.0)
    loud = [b for b in blocks if b > top * undb(floor_db)]
    return math.sqrt(sum(b * b for b in loud) / len(loud)) if loud else 0.0


def gain(xs, g):
    return [x * g for x in xs]


def mix_into(dst, src, at=0.0, g=1.0):
    """Adds src into dst starting at time at (seconds), growing dst if needed."""
    start = secs(at)
    end = start + len(src)
    if end > len(dst):
        dst.extend([0.0] * (end - len(dst)))
    for i, s in enumerate(src):
        dst[start + i] += s * g
    return dst


def fit(xs, duration):
    """Cuts or pads with silence to exactly duration seconds."""
    n = secs(duration)
    return xs[:n] + [0.0] * max(0, n - len(xs))


def fade(xs, fade_in=0.005, fade_out=0.005):
    """Raised-cosine fades so a clip never starts or stops on a step."""
    out = list(xs)
    n = len(out)
    for length, forward in ((secs(fade_in), True), (secs(fade_out), False)):
        length = min(length, n)
        for i in range(length):
            g = 0.5 - 0.5 * math.cos(math.pi * (i + 0.5) / length)
            j = i if forward else n - 1 - i
            out[j] *= g
    return out


def envelope(points, duration):
    """Piecewise-linear curve through (time, value) points, one value per sample."""
    n = secs(duration)
    out = [0.0] * n
    pts = sorted(points)
    for i in range(n):
        t = i / RATE
        while len(pts) > 1 and t > pts[1][0]:
            pts.pop(0)
        if len(pts) == 1 or t <= pts[0][0]:
            out[i] = pts[0][1]
        else:
            (t0, v0), (t1, v1) = pts[0], pts[1]
            out[i] = v0 + (v1 - v0) * (t - t0) / (t1 - t0)
    return out


def multiply(xs, env):
    return [x * e for x, e in zip(xs, env)]


class Biquad:
    """RBJ cookbook filter, direct form I."""

    def __init__(self, kind, freq, q=0.707):
        w = 2.0 * math.pi * freq / RATE
        cw, sw = math.cos(w), math.sin(w)
        alpha = sw / (2.0 * q)
        if kind == "lowpass":
            b = ((1 - cw) / 2, 1 - cw, (1 - cw) / 2)
        elif kind == "highpass":
            b = ((1 + cw) / 2, -(1 + cw), (1 + cw) / 2)
        elif kind == "bandpass":  # 0 dB peak gain
            b = (alpha, 0.0, -alpha)
        else:
            raise ValueError(kind)
        a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
        self.c = (b[0] / a0, b[1] / a0, b[2] / a0, a1 / a0, a2 / a0)

    def run(self, xs):
        b0, b1, b2, a1, a2 = self.c
        x1 = x2 = y1 = y2 = 0.0
        out = []
        for x in xs:
            y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
            x2, x1, y2, y1 = x1, x, y1, y
            out.append(y)
        return out


def bandpass(xs, low, high, order=2):
    """Band limit with cascaded high- and low-pass sections (order sections each)."""
    for _ in range(order):
        xs = Biquad("highpass", low).run(xs)
        xs = Biquad("lowpass", high).run(xs)
    return xs


def noise(rng, duration):
    return [rng.uniform(-1.0, 1.0) for _ in range(secs(duration))]


def tone(freq, duration, level=1.0, shape="sine"):
    """A steady tone; shape 'sine' or 'square' (band-limited to a few odd partials)."""
    n = secs(duration)
    w = 2.0 * math.pi * freq / RATE
    if shape == "sine":
        return [level * math.sin(w * i) for i in range(n)]
    partials = [k for k in (1, 3, 5, 7, 9) if k * freq < RATE / 2.2]
    return [level * sum(math.sin(w * k * i) / k for k in partials) * 0.8 for i in range(n)]


def glide(f0, f1, duration, level=1.0, harmonics=(1.0,)):
    """A tone whose pitch moves exponentially from f0 to f1 (phase kept continuous)."""
    n = secs(duration)
    out, phase = [], 0.0
    for i in range(n):
        f = f0 * (f1 / f0) ** (i / max(1, n - 1))
        phase += 2.0 * math.pi * f / RATE
        out.append(level * sum(h * math.sin(phase * (k + 1)) for k, h in enumerate(harmonics)))
    return out


def smooth_random(rng, duration, rate_hz, low=0.0, high=1.0):
    """A slowly wandering control curve: random points joined by cosine ramps."""
    n = secs(duration)
    step = max(1, int(RATE / rate_hz))
    knots = [rng.uniform(low, high) for _ in range(n // step + 2)]
    out = []
    for i in range(n):
        k, f = divmod(i, step)
        t = 0.5 - 0.5 * math.cos(math.pi * f / step)
        out.append(knots[k] + (knots[k + 1] - knots[k]) * t)
    return out
