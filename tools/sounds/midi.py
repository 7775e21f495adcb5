"""A minimal Standard MIDI File (type 1) writer; times are given in beats."""
import struct

PPQ = 480
DRUMS = 9  # General MIDI percussion channel (0-based)

# General MIDI programs used by the pieces (0-based).
PIANO, GLOCKENSPIEL = 0, 9
STRINGS, SLOW_STRINGS, SYNTH_STRINGS, TREMOLO_STRINGS = 48, 49, 50, 44
CONTRABASS, TIMPANI, ORCHESTRA_HIT = 43, 47, 55
TRUMPET, TROMBONE, TUBA, FRENCH_HORN, BRASS = 56, 57, 58, 60, 61
SYNTH_BASS, WARM_PAD = 38, 89
# General MIDI percussion keys
KICK, SIDE_STICK, SNARE, CLOSED_HAT, PEDAL_HAT, CRASH, TAMBOURINE = 36, 37, 38, 42, 44, 49, 54

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def n(name):
    """Note number from a name like 'D3', 'F#4', 'Bb2' (C4 = 60)."""
    pitch = NOTE_NAMES[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        pitch += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return pitch + 12 * (int(rest) + 1)


def chord(*names):
    return [n(x) for x in names]


def _varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


class Track:
    def __init__(self, channel, program, volume=100, pan=64, reverb=40, chorus=0):
        self.channel = channel
        self.events = []  # (tick, order, bytes); order puts offs before ons at one tick
        self.cc(0, 7, volume)
        self.cc(0, 10, pan)
        self.cc(0, 91, reverb)
        self.cc(0, 93, chorus)
        self.cc(0, 11, 127)
        if channel != DRUMS:
            self._add(0, 1, bytes([0xC0 | channel, program]))

    def _add(self, beat, order, data):
        self.events.append((int(round(beat * PPQ)), order, data))

    def cc(self, beat, controller, value):
        self._add(beat, 1, bytes([0xB0 | self.channel, controller, max(0, min(127, int(value)))]))

    def ramp(self, beat0, beat1, controller, v0, v1, step=0.125):
        """A controller sweep (e.g. expression 11) as a series of small steps."""
        count = max(1, int(round((beat1 - beat0) / step)))
        for i in range(count + 1):
            self.cc(beat0 + (beat1 - beat0) * i / count, controller, v0 + (v1 - v0) * i / count)

    def bend(self, beat, semitones, bend_range=2.0):
        value = max(0, min(16383, int(8192 + 8192 * semitones / bend_range)))
        self._add(beat, 1, bytes([0xE0 | self.channel, value & 0x7F, value >> 7]))

    def note(self, beat, length, pitch, velocity=80):
        pitches = pitch if isinstance(pitch, (list, tuple)) else [pitch]
        for p in pitches:
            self._add(beat, 2, bytes([0x90 | self.channel, p, max(1, min(127, int(velocity)))]))
            self._add(beat + length, 0, bytes([0x80 | self.channel, p, 0]))

    def chunk(self, end_tick):
        data = bytearray()
        last = 0
        for tick, _, payload in sorted(self.events, key=lambda e: (e[0], e[1])):
            data += _varlen(tick - last) + payload
            last = tick
        # A harmless controller at the very end keeps the player (and its render) running to it.
        data += _varlen(max(0, end_tick - last)) + bytes([0xB0 | self.channel, 110, 0])
        data += b"\x00\xff\x2f\x00"
        return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


class Song:
    def __init__(self, bpm, beats_per_bar=4):
        self.tempo = int(round(60_000_000 / bpm))
        self.beats_per_bar = beats_per_bar
        self.tracks = []

    @property
    def seconds_per_beat(self):
        return self.tempo / 1_000_000

    def track(self, channel, program=0, **kw):
        t = Track(channel, program, **kw)
        self.tracks.append(t)
        return t

    def repeat(self, period_beats, times):
        """Plays everything `times` times back to back, period_beats apart."""
        period = int(round(period_beats * PPQ))
        for t in self.tracks:
            t.events = [(tick + k * period, order, data)
                        for k in range(times) for tick, order, data in t.events]

    def save(self, path, end_beat):
        end_tick = int(round(end_beat * PPQ))
        meta = bytearray()
        meta += b"\x00\xff\x51\x03" + self.tempo.to_bytes(3, "big")
        meta += b"\x00\xff\x58\x04" + bytes([self.beats_per_bar, 2, 24, 8])
        meta += _varlen(end_tick) + b"\xff\x2f\x00"
        body = b"MTrk" + struct.pack(">I", len(meta)) + bytes(meta)
        for t in self.tracks:
            body += t.chunk(end_tick)
        header = b"MThd" + struct.pack(">IHHH", 6, 1, len(self.tracks) + 1, PPQ)
        with open(path, "wb") as f:
            f.write(header + body)
