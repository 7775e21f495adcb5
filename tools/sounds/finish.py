"""finish.py WORK OUT: turns the rendered, synthesised and spoken takes in WORK into the
game's 16-bit mono files OUT/NAME.wav - loops cut, lengths fixed, levels matched.

WORK holds midi/ (plan.json and the fluidsynth renders as NAME.f32), fx/ and voice/.
"""
import json
import os
import sys

import audio as a
from audio import RATE, secs

# Lengths the game's pacing is built on (seconds) and how long each ending fades.
ONE_SHOTS = {
    "ZAZNACZ": (2.6, 0.04),  # cut while still rising: the verdict follows at once
    "DOBRA_PRZED": (2.9, 0.5),
    "DOBRA_PO": (8.9, 0.8),
    "DOBRA_GWARA": (10.0, 1.0),
    "ODP_ZUA": (4.0, 0.5),
    "REZ_MUZA": (10.0, 1.5),
    "REZ_OKLASKI": (3.6, 0.1),
    "K_KOM": (1.75, 0.1),
    "K_PUB": (4.0, 0.1),
    "TEL_START": (2.75, 0.02),
    "TEL_END": (1.0, 0.02),
}
RENDERED = {"ZAZNACZ", "DOBRA_PRZED", "DOBRA_PO", "DOBRA_GWARA", "ODP_ZUA", "REZ_MUZA"}

LOUDNESS_DB = -19.0  # RMS while sounding, for music and effects: about the voices' level
PEAK_CAP_DB = -1.0
VOICE_PEAK_DB = -3.0
SEAM = 0.01  # seconds blended at the loop's end
VOICE_MARGIN = 0.05


def level(xs, loudness_db=LOUDNESS_DB):
    """Brings a clip to the common loudness unless its peaks would pass the cap."""
    g = a.undb(loudness_db) / (a.active_rms(xs) or 1.0)
    g = min(g, a.undb(PEAK_CAP_DB) / (a.peak(xs) or 1.0))
    return a.gain(xs, g)


def loop(render, seconds):
    """The middle pass of a three-pass render, its last samples blended into the ones that
    precede its first sample in the render, so the end meets the start without a step."""
    n = secs(seconds)
    body = render[n:2 * n]
    k = secs(SEAM)
    for i in range(k):
        w = (i + 1) / k
        body[n - k + i] = body[n - k + i] * (1 - w) + render[n - k + i] * w
    return body


def trim_voice(xs, threshold_db=-40.0, window=0.01):
    """Keeps the speech with VOICE_MARGIN of quiet either side, whatever espeak-ng left."""
    w = secs(window)
    top = a.peak(xs)
    loud = [i for i in range(0, len(xs), w) if a.peak(xs[i:i + w]) > top * a.undb(threshold_db)]
    m = secs(VOICE_MARGIN)
    first, last = loud[0], loud[-1] + w
    body = xs[max(0, first - m):min(len(xs), last + m)]
    lead = max(0, m - first)
    tail = max(0, last + m - len(xs))
    return [0.0] * lead + a.fade(body, 0.01, 0.02) + [0.0] * tail


def main():
    work, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(work, "midi", "plan.json")) as f:
        plan = json.load(f)
    clips = {}
    for name, info in plan.items():
        render = a.read_f32(os.path.join(work, "midi", name + ".f32"))
        clips[name] = level(loop(render, info["loop_seconds"]))
    for name, (length, fade_out) in ONE_SHOTS.items():
        folder = "midi" if name in RENDERED else "fx"
        take = a.read_f32(os.path.join(work, folder, name + ".f32"))
        if name == "DOBRA_GWARA":
            crowd = a.read_f32(os.path.join(work, "fx", "GWARA_APPLAUSE.f32"))
            take = a.gain(take, 1.0 / (a.peak(take) or 1.0))
            a.mix_into(take, a.gain(crowd, 0.55 / (a.peak(crowd) or 1.0)))
        clips[name] = level(a.fade(a.fit(take, length), 0.003, fade_out))
    voices = os.path.join(work, "voice")
    for file in sorted(os.listdir(voices)):
        name = file[:-4]
        take = trim_voice(a.read_f32(os.path.join(voices, file)))
        clips[name] = a.gain(take, a.undb(VOICE_PEAK_DB) / a.peak(take))
    for name, xs in sorted(clips.items()):
        a.write_wav(os.path.join(out, name + ".wav"), xs, RATE)
    print("finish.py: wrote %d sounds to %s" % (len(clips), out))


if __name__ == "__main__":
    main()
