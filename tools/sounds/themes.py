"""One-shot orchestral pieces: the verdict suspense, the fanfares, the wrong-answer sting
and the closing theme after a resignation.

The fanfares sit in D major, the parallel major of the beds' D minor, so a correct
answer sounds like the bed's tension being released. Each piece returns
(song, end_beat); the renderer's output is later cut to the exact length the game expects.
"""
from midi import (BRASS, CONTRABASS, CRASH, DRUMS, FRENCH_HORN, GLOCKENSPIEL, KICK,
                  ORCHESTRA_HIT, PIANO, SLOW_STRINGS, SNARE, STRINGS, SYNTH_STRINGS, TAMBOURINE,
                  TIMPANI, TREMOLO_STRINGS, TROMBONE, TRUMPET, TUBA, Song, chord, n)


def _snare_roll(drums, start, length, v0, v1, step=1 / 6):
    count = int(round(length / step))
    for i in range(count):
        drums.note(start + i * step, step, SNARE, v0 + (v1 - v0) * i / max(1, count - 1))


def _timp_roll(timp, start, length, pitch, v0, v1, step=0.125):
    count = int(round(length / step))
    for i in range(count):
        timp.note(start + i * step, step, pitch, v0 + (v1 - v0) * i / max(1, count - 1))


def dobra_przed():
    """Short sting: a triplet pick-up into a ringing D major chord."""
    song = Song(120)
    tpt = song.track(0, TRUMPET, volume=110, reverb=50)
    for i, p in enumerate(("A4", "D5", "F#5")):
        tpt.note(i / 3, 0.3, n(p), 100)
    tpt.note(1, 2.5, n("A5"), 112)
    song.track(1, BRASS, volume=100, reverb=50).note(1, 2.5, chord("D4", "F#4", "A4", "D5"), 104)
    song.track(2, TROMBONE, volume=96, reverb=50).note(1, 2.5, chord("D3", "A3"), 100)
    strings = song.track(3, STRINGS, volume=90, reverb=60)
    strings.note(1, 2.8, chord("D3", "A3", "D4", "F#4", "A4"), 96)
    timp = song.track(4, TIMPANI, volume=100, reverb=50)
    timp.note(0, 0.5, n("A1"), 80)
    timp.note(1, 1.5, n("D2"), 118)
    glock = song.track(5, GLOCKENSPIEL, volume=80, reverb=60)
    for i, p in enumerate(("D6", "F#6", "A6", "D7")):
        glock.note(1 + i / 6, 1.0, n(p), 90)
    drums = song.track(DRUMS, volume=90, reverb=50)
    _snare_roll(drums, 0, 1, 40, 90)
    drums.note(1, 2, CRASH, 110)
    return song, 5.9


def _fanfare(song, at, big):
    """The main brass call, four beats and a held chord; used by both longer fanfares."""
    tpt = song.track(0, TRUMPET, volume=112, reverb=50)
    call = [(0, 0.45, "D5"), (0.5, 0.22, "D5"), (0.75, 0.22, "D5"), (1, 0.45, "F#5"),
            (1.5, 1.3, "A5"), (3, 0.3, "G5"), (3.333, 0.3, "A5"), (3.667, 0.3, "B5"), (4, 2, "D6")]
    for beat, length, p in call:
        tpt.note(at + beat, length, n(p), 108)
    brass = song.track(1, BRASS, volume=100, reverb=50)
    for beat, length, notes in [(0, 0.45, ("D4", "F#4", "A4")), (1, 0.45, ("D4", "F#4", "A4")),
                                (1.5, 1.3, ("D4", "F#4", "A4")), (3, 0.9, ("G3", "B3", "D4")),
                                (4, 2, ("D4", "F#4", "A4", "D5"))]:
        brass.note(at + beat, length, chord(*notes), 100)
    low = song.track(2, TROMBONE, volume=96, reverb=50)
    for beat, length, notes in [(0, 0.45, ("D3",)), (1.5, 1.3, ("D3", "A3")),
                                (3, 0.9, ("G2", "D3")), (4, 2, ("D3", "A3"))]:
        low.note(at + beat, length, chord(*notes), 100)
    timp = song.track(4, TIMPANI, volume=100, reverb=50)
    timp.note(at, 0.5, n("D2"), 110)
    timp.note(at + 1.5, 0.5, n("A1"), 100)
    timp.note(at + 4, 1, n("D2"), 120)
    if big:
        horn = song.track(6, FRENCH_HORN, volume=100, reverb=60)
        for beat, length, p in call:
            horn.note(at + beat, length, n(p) - 12, 96)
        song.track(7, TUBA, volume=96, reverb=50).note(at + 4, 2, n("D2"), 104)
    return timp


def _celebration(song, at, final_beats):
    """Glockenspiel runs and string chords G - A - D after the call, then a last D chord."""
    strings = song.track(3, STRINGS, volume=92, reverb=60)
    glock = song.track(5, GLOCKENSPIEL, volume=78, reverb=60)
    brass = song.track(8, BRASS, volume=92, reverb=50)
    drums = song.track(DRUMS, volume=88, reverb=50)
    harmony = [(chord("G3", "D4", "G4", "B4"), ("G5", "B5", "D6", "G6")),
               (chord("A3", "E4", "A4", "C#5"), ("A5", "C#6", "E6", "A6")),
               (chord("A3", "D4", "F#4", "A4"), ("F#5", "A5", "D6", "F#6"))]
    for i, (strings_chord, run) in enumerate(harmony):
        beat = at + 2 * i
        strings.note(beat, 1.9, strings_chord, 90)
        brass.note(beat, 0.4, strings_chord, 90)
        for k, p in enumerate(run):
            glock.note(beat + k * 0.5, 0.5, n(p), 84)
        for k in range(4):
            drums.note(beat + k * 0.5, 0.25, TAMBOURINE, 60 if k % 2 else 74)
    end = at + 6
    strings.note(end, final_beats, chord("D3", "A3", "D4", "F#4", "A4", "D5"), 100)
    brass.note(end, final_beats, chord("D4", "F#4", "A4", "D5"), 100)
    glock.note(end, 2, chord("D6", "A6"), 90)
    _snare_roll(drums, end - 1, 1, 40, 96)
    drums.note(end, 2, CRASH, 112)
    return end


def dobra_po():
    song = Song(120)
    timp = _fanfare(song, 0, big=False)
    song.track(DRUMS, volume=90, reverb=50).note(4, 2, CRASH, 108)
    end = _celebration(song, 6, 3)
    _timp_roll(timp, end - 1, 1, n("A1"), 50, 100)
    timp.note(end, 1.5, n("D2"), 120)
    return song, 17.9


def dobra_gwara():
    """The biggest: a drum-roll lead-in, doubled call, then the celebration held longer."""
    song = Song(120)
    timp = _fanfare(song, 1, big=True)
    _timp_roll(timp, 0, 1, n("A1"), 40, 100)
    drums = song.track(DRUMS, volume=90, reverb=50)
    _snare_roll(drums, 0, 1, 40, 100)
    drums.note(1, 2, CRASH, 110)
    drums.note(5, 2, CRASH, 118)
    drums.note(5, 0.5, KICK, 110)
    end = _celebration(song, 7, 4)
    _timp_roll(timp, end - 1, 1, n("A1"), 50, 110)
    timp.note(end, 2, n("D2"), 124)
    song.track(10, CONTRABASS, volume=90, reverb=50).note(end, 4, n("D2"), 100)
    return song, 20.1


def odp_zua():
    """A low diminished hit, then a string line sinking chromatically over a D pedal."""
    song = Song(120)
    hit = song.track(0, ORCHESTRA_HIT, volume=90, reverb=60)
    hit.note(0, 0.6, chord("D3", "F3", "Ab3"), 110)
    brass = song.track(1, BRASS, volume=96, reverb=60)
    brass.note(0, 4, chord("D3", "F3", "Ab3"), 104)
    brass.ramp(0.5, 4, 11, 127, 40)
    song.track(2, TUBA, volume=100, reverb=50).note(0, 6, n("D1"), 104)
    low = song.track(3, CONTRABASS, volume=96, reverb=60)
    low.note(0, 6.5, chord("D2", "D1"), 100)
    line = song.track(4, TREMOLO_STRINGS, volume=96, reverb=70)
    for i, p in enumerate(("F4", "E4", "Eb4")):
        line.note(0.5 + i, 1, n(p), 96)
    line.note(3.5, 3, chord("D4", "Ab3"), 96)
    # droop: the last chord sinks a semitone while it fades
    for i in range(17):
        line.bend(4 + i * 0.125, -1.0 * i / 16)
    line.ramp(4, 6.5, 11, 127, 50)
    timp = song.track(5, TIMPANI, volume=100, reverb=60)
    timp.note(0, 1, n("D2"), 124)
    _timp_roll(timp, 3.5, 2.5, n("D2"), 80, 40)
    song.track(DRUMS, volume=80, reverb=70).note(0, 1, KICK, 120)
    return song, 8.2


def zaznacz():
    """Suspense: a tremolo cluster swelling and bending up over an accelerating heartbeat."""
    song = Song(120)
    end = 5.2  # 2.6 s
    cluster = song.track(0, TREMOLO_STRINGS, volume=110, reverb=50)
    cluster.note(0, end + 0.4, chord("D4", "Eb4", "A4"), 100)
    low = song.track(1, SYNTH_STRINGS, volume=104, reverb=40)
    low.note(0, end + 0.4, chord("D2", "A2", "D3"), 104)
    for track in (cluster, low):
        track.ramp(0, end, 11, 16, 127)
        for i in range(33):
            track.bend(0.4 + i * (end - 0.4) / 32, 1.5 * i / 32)
    timp = song.track(2, TIMPANI, volume=110, reverb=30)
    drums = song.track(DRUMS, volume=100, reverb=30)
    beat, gap = 0.0, 1.5
    while beat < end - 0.3:  # the heart beats faster and harder towards the verdict
        for dt, v in ((0, 62), (0.3, 44)):
            timp.note(beat + dt, 0.3, n("D2"), v + beat * 11)
            drums.note(beat + dt, 0.3, KICK, v + beat * 11)
        beat += gap
        gap = max(0.7, gap * 0.8)
    return song, end + 0.4


def rez_muza():
    """Closing theme: a plain piano line over strings in F major, ending on a held F chord."""
    song = Song(96)  # beat = 0.625 s, 16 beats = 10 s
    piano = song.track(0, PIANO, volume=100, reverb=70)
    tune = [(0, 1, "A4"), (1, 1, "C5"), (2, 1.5, "F5"), (3.5, 0.5, "E5"),
            (4, 1.5, "D5"), (5.5, 0.5, "C5"), (6, 2, "A4"),
            (8, 1, "Bb4"), (9, 1, "D5"), (10, 1.5, "C5"), (11.5, 0.5, "Bb4"), (12, 4, "A4")]
    for beat, length, p in tune:
        piano.note(beat, length, n(p), 74)
    arps = [(0, ("F2", "C3", "F3", "A3", "C4", "A3", "F3", "C3")),
            (4, ("D2", "A2", "D3", "F3", "A3", "F3", "D3", "A2")),
            (8, ("Bb1", "F2", "Bb2", "D3", "C2", "G2", "C3", "E3"))]
    for start, notes in arps:
        for k, p in enumerate(notes):
            piano.note(start + k * 0.5, 0.5, n(p), 52)
    piano.note(12, 4, chord("F2", "C3", "F3", "A3"), 56)
    for bar in range(4):  # pedal per bar, lifted just before the next harmony
        piano.cc(bar * 4, 64, 127)
        piano.cc(bar * 4 + 3.95, 64, 0)
    strings = song.track(1, SLOW_STRINGS, volume=76, reverb=70)
    for beat, length, notes in [(0, 4, ("F3", "A3", "C4")), (4, 4, ("D3", "F3", "A3")),
                                (8, 2, ("Bb2", "D3", "F3")), (10, 2, ("C3", "E3", "G3")),
                                (12, 4, ("F3", "A3", "C4"))]:
        strings.note(beat, length, chord(*notes), 60)
    strings.ramp(12, 16, 11, 127, 60)
    return song, 16.4


THEMES = {"DOBRA_PRZED": dobra_przed, "DOBRA_PO": dobra_po, "DOBRA_GWARA": dobra_gwara,
          "ODP_ZUA": odp_zua, "ZAZNACZ": zaznacz, "REZ_MUZA": rez_muza}
