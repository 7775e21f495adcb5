"""The three looped beds under the questions, all in D minor on one set of instruments.

Tension rises from bed to bed through tempo, pulse density, percussion and harmony,
never through a tune: the player is thinking. Every bar line, the loop's own included,
is treated alike (chords change on it, nothing is held across it), so the end of a
bed flows into its start the same way any bar flows into the next.
"""
from midi import (CLOSED_HAT, CONTRABASS, DRUMS, FRENCH_HORN, KICK, PEDAL_HAT, SIDE_STICK,
                  SLOW_STRINGS, STRINGS, SYNTH_BASS, SYNTH_STRINGS, TIMPANI, TREMOLO_STRINGS,
                  WARM_PAD, Song, chord, n)

BEAT = 4  # beats per bar


def _chords(track, progression, bars_each, velocity, octave_up=0):
    for i, voicing in enumerate(progression):
        start = i * bars_each * BEAT
        track.note(start, bars_each * BEAT, [p + 12 * octave_up for p in voicing], velocity)


def _pulse(track, roots, bars_each, step, accents, octave_jump=False):
    """Repeated bass notes on each chord's root, `step` beats apart, with an accent cycle."""
    for i, root in enumerate(roots):
        start = i * bars_each * BEAT
        count = int(bars_each * BEAT / step)
        for k in range(count):
            pitch = root + (12 if octave_jump and k % 4 == 2 else 0)
            track.note(start + k * step, step * 0.8, pitch, accents[k % len(accents)])


def _ticks(track, bars, step, accents, key=CLOSED_HAT):
    count = int(bars * BEAT / step)
    for k in range(count):
        track.note(k * step, step * 0.5, key, accents[k % len(accents)])


def music_1():
    """Calm: slow pad, soft eighth-note pulse, quiet clock-like hi-hat."""
    song = Song(80)  # bar = 3 s, 8 bars = 24 s
    prog = [chord("D3", "A3", "F4"), chord("Bb2", "F3", "D4"),
            chord("G2", "D3", "Bb3"), chord("A2", "E3", "C#4")]
    roots = [n("D2"), n("Bb1"), n("G1"), n("A1")]
    pad = song.track(0, WARM_PAD, volume=92, reverb=60)
    _chords(pad, prog, 2, 62)
    strings = song.track(1, SLOW_STRINGS, volume=70, reverb=60)
    _chords(strings, [[r + 12, r + 19] for r in roots], 2, 55)
    bass = song.track(2, SYNTH_BASS, volume=70, reverb=20)
    _pulse(bass, roots, 2, 0.5, [64, 44, 52, 44])
    drums = song.track(DRUMS, volume=60, reverb=30)
    _ticks(drums, 8, 0.5, [38, 24])
    return song, 8 * BEAT


def music_2():
    """Tenser: faster, octave-jumping pulse, sixteenth ticks, a soft heartbeat kick."""
    song = Song(100)  # bar = 2.4 s, 10 bars = 24 s
    prog = [chord("D3", "A3", "F4"), chord("Bb2", "F3", "D4"), chord("G2", "D3", "Bb3"),
            chord("Eb3", "G3", "Bb3"), chord("A2", "E3", "C#4")]
    roots = [n("D2"), n("Bb1"), n("G1"), n("Eb2"), n("A1")]
    pad = song.track(0, WARM_PAD, volume=85, reverb=60)
    _chords(pad, prog, 2, 60)
    strings = song.track(1, SYNTH_STRINGS, volume=62, reverb=60)
    _chords(strings, [[r + 12, r + 19] for r in roots], 2, 58)
    high = song.track(3, TREMOLO_STRINGS, volume=48, reverb=70)
    _chords(high, [[n("A4")], [n("A4")], [n("A4")], [n("Bb4")], [n("A4")]], 2, 50)
    bass = song.track(2, SYNTH_BASS, volume=76, reverb=20)
    _pulse(bass, roots, 2, 0.5, [72, 48, 58, 48], octave_jump=True)
    drums = song.track(DRUMS, volume=64, reverb=30)
    _ticks(drums, 10, 0.25, [40, 20, 28, 20])
    for bar in range(10):  # heartbeat: lub-dub on beat 1
        drums.note(bar * BEAT, 0.2, KICK, 58)
        drums.note(bar * BEAT + 0.5, 0.2, KICK, 40)
    return song, 10 * BEAT


def music_3():
    """Dramatic: sixteenth pulse, heartbeat on 1 and 3, timpani, a dissonant string tremolo."""
    song = Song(120)  # bar = 2 s, 12 bars = 24 s
    prog = [chord("D3", "A3", "F4"), chord("Bb2", "F3", "D4"), chord("G2", "D3", "Bb3"),
            chord("Eb3", "G3", "Bb3"), chord("C#3", "G3", "Bb3"), chord("A2", "E3", "C#4")]
    roots = [n("D2"), n("Bb1"), n("G1"), n("Eb2"), n("C#2"), n("A1")]
    pad = song.track(0, STRINGS, volume=80, reverb=55)
    _chords(pad, prog, 2, 64)
    low = song.track(1, CONTRABASS, volume=70, reverb=50)
    _chords(low, [[r + 12] for r in roots], 2, 70)
    high = song.track(3, TREMOLO_STRINGS, volume=54, reverb=60)
    _chords(high, [chord("D5", "Eb5"), chord("D5", "Eb5"), chord("D5", "Eb5"),
                   chord("D5", "Eb5"), chord("C#5", "D5"), chord("C#5", "D5")], 2, 52)
    horn = song.track(4, FRENCH_HORN, volume=56, reverb=60)
    for i, r in enumerate(roots):  # a swell on each chord, silent again before the bar line
        horn.note(i * 8 + 4, 3.5, [r + 24, r + 31], 52)
        horn.ramp(i * 8 + 4, i * 8 + 7.5, 11, 30, 120)
        horn.cc(i * 8 + 7.75, 11, 30)
    bass = song.track(2, SYNTH_BASS, volume=78, reverb=20)
    _pulse(bass, roots, 2, 0.25, [76, 46, 56, 46, 64, 46, 56, 46])
    timp = song.track(5, TIMPANI, volume=72, reverb=50)
    for i, r in enumerate(roots):  # a hit on each chord, a roll swelling into the next
        timp.note(i * 8, 1.0, r + 12, 84)
        for k in range(16):
            timp.note(i * 8 + 6 + k * 0.125, 0.125, n("A2"), 30 + 3 * k)
    drums = song.track(DRUMS, volume=70, reverb=30)
    _ticks(drums, 12, 0.25, [44, 22, 32, 22])
    for bar in range(12):
        for beat in (0, 2):
            drums.note(bar * BEAT + beat, 0.2, KICK, 70)
            drums.note(bar * BEAT + beat + 0.375, 0.2, KICK, 50)
        drums.note(bar * BEAT + 3.5, 0.2, SIDE_STICK, 34)
        drums.note(bar * BEAT + 1.5, 0.2, PEDAL_HAT, 30)
    return song, 12 * BEAT


BEDS = {"MUSIC_1": music_1, "MUSIC_2": music_2, "MUSIC_3": music_3}
