#!/usr/bin/env python3
"""Composes the game's music as data and writes it as Standard MIDI Files.

Every piece is written out below by hand: chord charts, melodies, bass lines and drum grooves. The small helpers
only turn that notation into MIDI events (arpeggios, strums and grooves repeated over the chart).

    tools/compose-music.py [output folder]      (default: build/music)

The MIDI files are then rendered to OGG and MP3 by tools/render-music.sh. The credits theme is also copied by that
script to Data/Soundtracks/Eien_no_melody.mid, which the game plays as it is.

Notation used in the pieces:
    melody   "E5:1 D5:.5 R:.5 F#5:3/2"  note name (sharp '#', flat 'b') and octave, then the length in beats;
             'R' is a rest, a '~' after the length ties the note into the next one of the same pitch.
    chords   "G | D/F# | Em | C D"      one bar per '|', a bar may hold several chords sharing it evenly;
             '%' repeats the previous bar.
    drums    {"kick": "x...x...", ...}  one character per sixteenth (or per step of the given length);
             'x' normal, 'X' accented, 'o' soft, '.' nothing.
"""

import os
import random
import struct
import sys

PPQ = 480

NOTE_BASE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}

CHORD_SHAPES = {
    "": (0, 4, 7),
    "m": (0, 3, 7),
    "7": (0, 4, 7, 10),
    "maj7": (0, 4, 7, 11),
    "m7": (0, 3, 7, 10),
    "6": (0, 4, 7, 9),
    "m6": (0, 3, 7, 9),
    "9": (0, 4, 7, 10, 14),
    "maj9": (0, 4, 7, 11, 14),
    "m9": (0, 3, 7, 10, 14),
    "add9": (0, 4, 7, 14),
    "sus4": (0, 5, 7),
    "7sus4": (0, 5, 7, 10),
    "dim": (0, 3, 6),
    "5": (0, 7),
}

# General MIDI percussion keys used by the grooves.
DRUM_KEYS = {
    "kick": 36, "kick2": 35, "stick": 37, "snare": 38, "clap": 39, "snare2": 40,
    "tomlo": 45, "tommid": 47, "tomhi": 50, "tomfloor": 43,
    "hat": 42, "pedal": 44, "open": 46, "crash": 49, "ride": 51, "bell": 53, "splash": 55,
    "tamb": 54, "cowbell": 56, "crash2": 57, "shaker": 70, "maracas": 70, "triangle": 81, "mutetri": 80,
    "woodhi": 76, "woodlo": 77, "claves": 75, "cabasa": 69,
}


def pitch(name):
    """'C4' is 60; 'F#5', 'Bb3', 'Eb2' and the like."""
    letter = name[0].upper()
    rest = name[1:]
    value = NOTE_BASE[letter]
    while rest and rest[0] in "#b":
        value += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return value + 12 * (int(rest) + 1)


def root_class(name):
    value = NOTE_BASE[name[0].upper()]
    for sign in name[1:]:
        value += 1 if sign == "#" else -1
    return value % 12


def beats(text):
    if "/" in text:
        top, bottom = text.split("/")
        return float(top) / float(bottom)
    return float(text)


class Chord:
    def __init__(self, symbol):
        self.symbol = symbol
        main, _, bass = symbol.partition("/")
        size = 2 if len(main) > 1 and main[1] in "#b" else 1
        self.root = root_class(main[:size])
        self.quality = main[size:]
        self.intervals = CHORD_SHAPES[self.quality]
        self.bass = root_class(bass) if bass else self.root

    def classes(self):
        return [(self.root + i) % 12 for i in self.intervals]

    def voicing(self, low, high, count=None, from_root=False, rootless=False):
        """Chord tones from low to high, every tone of the chord that fits in the range; from_root starts at the
        lowest root in the range (root position), rootless leaves the root of a seventh chord to the bass."""
        classes = set(self.classes())
        if rootless and len(classes) >= 4:
            classes.discard(self.root)
        notes = [p for p in range(low, high + 1) if p % 12 in classes]
        if from_root:
            while notes and notes[0] % 12 != self.root:
                notes.pop(0)
        return notes if count is None else notes[:count]

    def tone(self, degree, near):
        """The chord's root (0), third (1), fifth (2), seventh (3) nearest to the pitch 'near'."""
        shape = self.intervals
        cls = (self.root + shape[degree % len(shape)]) % 12
        return nearest(cls, near)

    def bass_note(self, near):
        return nearest(self.bass, near)


def nearest(cls, near):
    base = near - ((near - cls) % 12)
    return base if near - base <= 6 else base + 12


def chart(text, at=0.0, beats_per_bar=4):
    """A chord chart starting at the beat 'at', as a list of (start beat, length, Chord)."""
    result = []
    previous = []
    for bar_number, bar in enumerate(text.split("|")):
        symbols = bar.split()
        if symbols == ["%"]:
            symbols = previous
        previous = symbols
        share = beats_per_bar / len(symbols)
        for i, symbol in enumerate(symbols):
            result.append((at + bar_number * beats_per_bar + i * share, share, Chord(symbol)))
    return result


def chord_at(changes, beat):
    for start, length, chord in changes:
        if start <= beat < start + length:
            return chord
    return changes[-1][2]


class Part:
    """One MIDI channel of a piece: notes, controller settings and its instrument."""

    def __init__(self, piece, name, channel, program, volume=100, pan=64, reverb=40, chorus=0, bank=0):
        self.piece = piece
        self.name = name
        self.channel = channel
        self.program = program
        self.bank = bank
        self.controls = [(7, volume), (10, pan), (91, reverb), (93, chorus)]
        self.notes = []       # (start beat, length in beats, pitch, velocity)
        self.rng = random.Random(name)

    def note(self, start, length, key, velocity, human=True):
        if human:
            velocity += self.rng.randint(-5, 5)
            start += self.rng.uniform(-0.006, 0.006) if start > 0 else 0
        velocity = max(1, min(127, int(velocity)))
        self.notes.append((max(0.0, start), max(0.03, length), key, velocity))

    def melody(self, start, text, velocity=90, transpose=0, legato=0.95, accent_downbeats=True):
        """Plays a melody written in the notation above; returns the beat after its last note."""
        at = start
        tied = None
        bar_beats = self.piece.beats_per_bar
        for token in text.split():
            if token == "|":
                if abs((at - start) % bar_beats) > 1e-6 and abs((at - start) % bar_beats - bar_beats) > 1e-6:
                    raise ValueError("%s: a bar of the melody does not add up near beat %g" % (self.name, at))
                continue
            name, _, length_text = token.partition(":")
            tie = length_text.endswith("~")
            length = beats(length_text.rstrip("~"))
            if name != "R":
                key = pitch(name) + transpose
                if tied is not None and tied[0] == key:
                    tied = (key, tied[1], tied[2] + length, tied[3])
                else:
                    if tied is not None:
                        self.note(tied[1], tied[2] * legato, tied[0], tied[3])
                    bar_position = (at - start) % bar_beats
                    v = velocity + (6 if accent_downbeats and bar_position == 0 else 0)
                    v -= 4 if length <= 0.25 else 0
                    tied = (key, at, length, v)
                if not tie:
                    self.note(tied[1], tied[2] * legato if tied[2] > 0.3 else tied[2] * 0.8, tied[0], tied[3])
                    tied = None
            at += length
        if tied is not None:
            self.note(tied[1], tied[2] * legato, tied[0], tied[3])
        return at

    def pattern(self, changes, steps, low, high, velocity=70, step=0.5, length=None, bar_beats=4, bass_octave=None):
        """Broken chords: each step names the index of a chord tone in the voicing (from the bottom), 'b' plays
        the chord's bass note (near bass_octave), '.' rests, '-' holds the previous note. One pattern per bar."""
        first = changes[0][0]
        end = changes[-1][0] + changes[-1][1]
        bar = first
        while bar < end - 1e-6:
            index = 0
            while index < len(steps):
                symbol = steps[index]
                beat = bar + index * step
                if beat >= end - 1e-6:
                    break
                hold = 1
                while index + hold < len(steps) and steps[index + hold] == "-":
                    hold += 1
                chord = chord_at(changes, beat)
                if symbol == "b":
                    key = chord.bass_note(bass_octave if bass_octave else low)
                    self.note(beat, (length or step * hold) * 0.98, key, velocity + 8)
                elif symbol.isdigit():
                    notes = chord.voicing(low, high)
                    position = int(symbol)
                    if position < len(notes):
                        accent = 6 if (beat - bar) % 2 == 0 else 0
                        self.note(beat, (length or step * hold) * 0.98, notes[position], velocity + accent)
                index += hold
            bar += bar_beats

    def block(self, changes, rhythm, low, high, velocity=70, bar_beats=4, count=None, strum=0.0, from_root=False,
              rootless=False):
        """Chords struck in a rhythm: a list of (offset in the bar, length, velocity change), one pattern a bar."""
        first = changes[0][0]
        end = changes[-1][0] + changes[-1][1]
        bar = first
        while bar < end - 1e-6:
            for offset, length, change in rhythm:
                beat = bar + offset
                if beat >= end - 1e-6:
                    continue
                chord = chord_at(changes, beat)
                for i, key in enumerate(chord.voicing(low, high, count, from_root, rootless)):
                    self.note(beat + i * strum, length - i * strum, key, velocity + change)
            bar += bar_beats

    def pad(self, changes, low, high, velocity=55, count=None, rootless=False):
        """Chords held for as long as each lasts."""
        for start, length, chord in changes:
            for key in chord.voicing(low, high, count, rootless=rootless):
                self.note(start, length * 0.98, key, velocity, human=False)

    def bassline(self, changes, rhythm, velocity=90, near=40):
        """Bass from a rhythm of (offset, length, degree) per bar; degree 'r' root/bass note, '5' fifth,
        '8' octave above the root, '3' third, 'a' approach a semitone under the next chord's root,
        'w' a scale step under the next chord's root."""
        first = changes[0][0]
        end = changes[-1][0] + changes[-1][1]
        bar = first
        while bar < end - 1e-6:
            for offset, length, degree in rhythm:
                beat = bar + offset
                if beat >= end - 1e-6:
                    continue
                chord = chord_at(changes, beat)
                root = chord.bass_note(near)
                if degree == "r":
                    key = root
                elif degree == "5":
                    key = chord.tone(2, root + 7)
                elif degree == "8":
                    key = root + 12
                elif degree == "3":
                    key = chord.tone(1, root + 4)
                elif degree == "-5":
                    key = chord.tone(2, root - 5)
                elif degree in "aw":
                    following = chord_at(changes, beat + length) if beat + length < end else chord
                    target = following.bass_note(near)
                    key = target - 1 if degree == "a" else target - 2
                else:
                    raise ValueError(degree)
                v = velocity + (6 if offset == 0 else 0)
                self.note(beat, length * 0.92, key, v)
            bar += self.piece.beats_per_bar


class Drums(Part):
    def __init__(self, piece, name="Drums", kit=0, volume=100, reverb=40):
        super().__init__(piece, name, 9, kit, volume=volume, pan=64, reverb=reverb)

    def groove(self, start, bars, grid, step=0.25, velocity=90, bar_beats=4):
        for bar in range(bars):
            at = start + bar * bar_beats
            for drum, line in grid.items():
                key = DRUM_KEYS[drum]
                for i, symbol in enumerate(line.replace(" ", "")):
                    if symbol == ".":
                        continue
                    v = {"x": velocity, "X": velocity + 20, "o": velocity - 30}[symbol]
                    self.note(at + i * step, step, key, v)

    def hit(self, beat, drum, velocity=100):
        self.note(beat, 0.5, DRUM_KEYS[drum], velocity)


class Piece:
    def __init__(self, title, tempo, beats_per_bar=4):
        self.title = title
        self.tempo_changes = [(0.0, tempo)]
        self.beats_per_bar = beats_per_bar
        self.parts = []

    def part(self, *args, **kwargs):
        p = Part(self, *args, **kwargs)
        self.parts.append(p)
        return p

    def drums(self, *args, **kwargs):
        p = Drums(self, *args, **kwargs)
        self.parts.append(p)
        return p

    def tempo(self, beat, bpm):
        self.tempo_changes.append((beat, bpm))

    def length(self):
        return max(start + length for part in self.parts for start, length, _, _ in part.notes)

    def seconds(self):
        end = self.length()
        changes = sorted(self.tempo_changes)
        total = 0.0
        for i, (beat, bpm) in enumerate(changes):
            stop = changes[i + 1][0] if i + 1 < len(changes) else end
            if stop > beat:
                total += (min(stop, end) - beat) * 60.0 / bpm
        return total

    def write(self, path, tail_beats=4):
        end = self.length() + tail_beats
        chunks = [self._conductor(end)]
        for part in self.parts:
            chunks.append(self._track(part, end))
        header = b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), PPQ)
        with open(path, "wb") as out:
            out.write(header)
            for chunk in chunks:
                out.write(b"MTrk" + struct.pack(">I", len(chunk)) + chunk)

    def _conductor(self, end):
        events = [(0, 0, b"\xff\x03" + vlq(len(self.title.encode("utf-8"))) + self.title.encode("utf-8"))]
        denominator = 2
        events.append((0, 0, b"\xff\x58\x04" + bytes([self.beats_per_bar, denominator, 24, 8])))
        for beat, bpm in self.tempo_changes:
            micro = int(round(60000000 / bpm))
            events.append((ticks(beat), 1, b"\xff\x51\x03" + micro.to_bytes(3, "big")))
        return encode(events, ticks(end))

    def _track(self, part, end):
        ch = part.channel
        name = part.name.encode("utf-8")
        events = [(0, 0, b"\xff\x03" + vlq(len(name)) + name)]
        events.append((0, 1, bytes([0xB0 | ch, 121, 0])))
        if ch != 9:
            events.append((0, 2, bytes([0xB0 | ch, 0, part.bank])))
        events.append((0, 3, bytes([0xC0 | ch, part.program])))
        for number, value in part.controls:
            events.append((0, 4, bytes([0xB0 | ch, number, value])))
        for start, length, key, velocity in part.notes:
            on = ticks(start)
            off = max(on + 1, ticks(start + length))
            events.append((on, 7, bytes([0x90 | ch, key, velocity])))
            events.append((off, 6, bytes([0x80 | ch, key, 0])))
        return encode(events, ticks(end))


def ticks(beat):
    return int(round(beat * PPQ))


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(out))


def encode(events, end_tick):
    """Sorted delta-time events; at one tick note-offs come before note-ons (order key 6 < 7)."""
    events.sort(key=lambda e: (e[0], e[1], e[2][1] if len(e[2]) > 1 else 0))
    data = bytearray()
    now = 0
    for tick, _, raw in events:
        data += vlq(tick - now) + raw
        now = tick
    data += vlq(max(0, end_tick - now)) + b"\xff\x2f\x00"
    return bytes(data)


def bar(n, beats_per_bar=4):
    """The first beat of bar n (bars counted from 0)."""
    return n * beats_per_bar


# ---------------------------------------------------------------------------------------------------------------
# 1. Morning: "Утро в новом городе". G major, 104 bpm. Flute over a nylon guitar, a shaker, later strings and a
#    glockenspiel. Intro 4, A 8, A 8, B 8, A 8, A (closing) 8, outro 4.

def morning():
    piece = Piece("Morning in a new town", 104)
    flute = piece.part("Flute", 0, 73, volume=104, pan=70, reverb=50)
    guitar = piece.part("Nylon guitar", 1, 24, volume=100, pan=50, reverb=45)
    bass = piece.part("Acoustic bass", 2, 32, volume=100, pan=64, reverb=25)
    strings = piece.part("Strings", 3, 48, volume=78, pan=80, reverb=70)
    glock = piece.part("Glockenspiel", 4, 9, volume=72, pan=88, reverb=60)
    drums = piece.drums(volume=88, reverb=35)

    intro = "G | Cadd9 | Em | D"
    verse = "G | D/F# | Em | C | G | D | C | D"
    closing = "G | D/F# | Em | C | G | D | C D | G"
    bridge = "Em | C | G | D | Em | C | Am7 | D7"
    outro = "Cadd9 | G | Cadd9"

    tune = ("D5:.5 G5:.5 B5:1 A5:.5 G5:.5 A5:.5 B5:.5 | A5:3/2 F#5:.5 D5:2 | "
            "E5:.5 G5:.5 B5:1 C6:.5 B5:.5 A5:.5 G5:.5 | A5:3/2 G5:.5 E5:2 | "
            "D5:.5 G5:.5 B5:1 D6:1 B5:.5 D6:.5 | E6:3/2 D6:.5 A5:2 | ")
    tune_open = tune + "G5:.5 A5:.5 B5:.5 C6:.5 E6:1 D6:.5 C6:.5 | B5:1 A5:.5 G5:.5 A5:2 |"
    tune_close = tune + "E6:1 C6:1 B5:1 A5:1 | G5:3 R:1 |"
    bridge_tune = ("B5:2 G5:1 E5:1 | G5:3/2 E5:.5 C5:2 | D5:.5 E5:.5 G5:1 B5:3/2 A5:.5 | A5:2 F#5:1 A5:1 | "
                   "B5:1 C6:.5 B5:.5 G5:1 E5:1 | E5:.5 G5:.5 C6:1 E6:3/2 D6:.5 | C6:1 B5:.5 A5:.5 G5:1 E5:1 | "
                   "F#5:1 A5:1 C6:1 D6:1 |")

    sections = [("intro", 0, intro), ("A1", 4, verse), ("A2", 12, verse), ("B", 20, bridge),
                ("A3", 28, verse), ("A4", 36, closing), ("outro", 44, outro)]
    arpeggio = ["b", "1", "2", "3", "4", "3", "2", "1"]
    for name, start, text in sections:
        changes = chart(text, bar(start))
        guitar.pattern(changes, arpeggio, 52, 72, velocity=60 if name != "outro" else 54, bass_octave=43)
        if name in ("A2", "B", "A3", "A4"):
            bass.bassline(changes, [(0, 1.5, "r"), (1.5, .5, "5"), (2, 1.5, "r"), (3.5, .5, "5")], velocity=84,
                          near=43)
        if name in ("B", "A3", "A4"):
            strings.pad(changes, 55, 71, velocity=44 if name != "B" else 50, count=4)
    guitar.block(chart("G", bar(47)), [(0, 4, 4)], 43, 71, velocity=58, strum=0.06)
    bass.note(bar(47), 4, pitch("G2"), 76)
    strings.note(bar(47), 4, pitch("G3"), 40)
    strings.note(bar(47), 4, pitch("D4"), 40)
    strings.note(bar(47), 4, pitch("B4"), 40)
    # the intro: little glockenspiel drops over the guitar
    glock.melody(bar(0), "R:2 B5:.5 D6:.5 G6:1 | R:2 C6:.5 E6:.5 G6:1 | R:2 B5:.5 E6:.5 G6:1 | "
                         "R:1 F#6:.5 E6:.5 D6:1 A5:1 |", velocity=62)
    # the tune four times, the bridge once
    flute.melody(bar(4), tune_open, velocity=92)
    flute.melody(bar(12), tune_open, velocity=96)
    flute.melody(bar(20), bridge_tune, velocity=94)
    flute.melody(bar(28), tune_open, velocity=98)
    glock.melody(bar(28), tune_open, velocity=50, transpose=12, legato=0.5)
    flute.melody(bar(36), tune_close, velocity=96)
    glock.melody(bar(36), tune_close, velocity=46, transpose=12, legato=0.5)
    # outro: the guitar alone, then the glockenspiel answers once more
    glock.melody(bar(44), "R:2 E6:.5 D6:.5 G6:1 | R:4 | R:2 E6:.5 D6:.5 B5:1 | G5:2 R:2 |", velocity=58)
    flute.melody(bar(47), "D5:.5 G5:.5 B5:1 G5:2 |", velocity=80)

    light = {"shaker": "x.o.x.o.x.o.x.o.", "stick": "....x.......x..."}
    steady = {"kick": "x.......x.o.....", "stick": "....x.......x...", "shaker": "x.o.x.o.x.o.x.o."}
    bright = {"kick": "x.......x.o.....", "stick": "....x.......x...", "hat": "x.o.x.o.x.o.x.o.",
              "tamb": "....x.......x..."}
    drums.groove(bar(4), 8, light, velocity=72)
    drums.groove(bar(12), 8, steady, velocity=76)
    drums.groove(bar(20), 7, {"kick": "x.......x.......", "stick": "....x.......x...", "shaker": "x.o.x.o.x.o.x.o.",
                              "tamb": "....x.......x..."}, velocity=74)
    drums.groove(bar(27), 1, {"kick": "x.......x.......", "stick": "....x...x.x.x.xx", "shaker": "x.o.x.o.x.o.x.o."},
                 velocity=76)
    drums.groove(bar(28), 16, bright, velocity=80)
    drums.hit(bar(28), "crash", 80)
    drums.hit(bar(36), "crash", 72)
    drums.groove(bar(44), 2, light, velocity=60)
    drums.hit(bar(47), "triangle", 70)
    return piece



# ---------------------------------------------------------------------------------------------------------------
# 2. School: "Перемена". F major, 120 bpm, a cheeky march for clarinet, tuba and pizzicato strings. The bell rings,
#    the break runs down the corridor; in the minor middle part the bassoon sneaks into a test while a wood block
#    ticks like the classroom clock. Bell 2, A 8, A 8, B 8, C 8, A 8, A 8, coda 2.

def school():
    piece = Piece("Break between lessons", 120)
    clarinet = piece.part("Clarinet", 0, 71, volume=100, pan=58, reverb=35)
    xylo = piece.part("Xylophone", 1, 13, volume=92, pan=84, reverb=35)
    bassoon = piece.part("Bassoon", 2, 70, volume=104, pan=50, reverb=30)
    tuba = piece.part("Tuba", 3, 58, volume=100, pan=60, reverb=25)
    pizz = piece.part("Pizzicato", 4, 45, volume=96, pan=76, reverb=40)
    piccolo = piece.part("Piccolo", 5, 72, volume=70, pan=40, reverb=40)
    drums = piece.drums(volume=90, reverb=30)

    verse = "F | C7 | F | Bb C7 | F | D7 | Gm C7 | F"
    minor = "Dm | A7 | Dm | Gm A7 | Dm | Bb | Gm6 | A7"
    corridor = "Bb | F/A | Gm | F | Eb | Bb/D | C7 | C7"

    tune = ("C5:.5 F5:.5 A5:.5 F5:.5 C6:1 A5:1 | Bb5:.5 A5:.5 G5:.5 A5:.5 Bb5:1 G5:1 | "
            "A5:.5 G5:.5 F5:.5 G5:.5 A5:1 F5:1 | D6:.5 C6:.5 Bb5:.5 D6:.5 C6:1 G5:1 | "
            "C5:.5 F5:.5 A5:.5 F5:.5 C6:1 A5:1 | F#5:.5 A5:.5 C6:.5 A5:.5 D6:1 C6:1 | "
            "Bb5:.5 A5:.5 G5:.5 Bb5:.5 A5:.5 G5:.5 E5:.5 G5:.5 | F5:1 C5:1 F4:1 R:1 |")
    sneak = ("D5:.5 E5:.5 F5:.5 D5:.5 A5:1 F5:1 | G5:.5 F5:.5 E5:.5 C#5:.5 E5:1 A4:1 | "
             "D5:.5 F5:.5 A5:.5 D6:.5 C6:.5 Bb5:.5 A5:1 | Bb5:.5 A5:.5 G5:.5 Bb5:.5 A5:1 E5:1 | "
             "F5:.5 E5:.5 D5:.5 F5:.5 A5:1 D6:1 | D6:.5 C6:.5 Bb5:.5 A5:.5 Bb5:1 F5:1 | "
             "E5:.5 G5:.5 Bb5:.5 D6:.5 E6:1 D6:.5 Bb5:.5 | C#6:1 A5:.5 G5:.5 E5:1 C#5:1 |")
    run = ("F5:.5 G5:.5 F5:.5 D5:.5 Bb4:.5 D5:.5 F5:.5 Bb5:.5 | A5:.5 G5:.5 F5:.5 C5:.5 A4:.5 C5:.5 F5:.5 A5:.5 | "
           "G5:.5 F5:.5 D5:.5 Bb4:.5 G4:.5 Bb4:.5 D5:.5 G5:.5 | F5:.5 E5:.5 F5:.5 G5:.5 A5:1 C6:1 | "
           "Bb5:.5 G5:.5 Eb5:.5 G5:.5 Bb5:.5 Eb6:.5 D6:.5 C6:.5 | D6:.5 Bb5:.5 F5:.5 Bb5:.5 D6:1 F6:1 | "
           "E6:.5 D6:.5 C6:.5 Bb5:.5 G5:.5 E5:.5 C5:.5 E5:.5 | G5:1 Bb5:1 C6:.5 R:.5 C5:.5 R:.5 |")
    counter = "D5:4 | C5:4 | Bb4:4 | A4:4 | G4:4 | F4:4 | E4:2 G4:2 | Bb4:2 C5:2 |"

    # the bell: the xylophone rings like the electric bell in the corridor
    ring = " ".join(["C6:.25 A5:.25"] * 10)
    xylo.melody(bar(0), ring, velocity=72, accent_downbeats=False)
    drums.groove(bar(0), 1, {"triangle": "xoxoxoxoxoxo...."}, velocity=70)
    tuba.note(bar(1) + 2, 0.5, pitch("C2"), 96)
    pizz.block(chart("C7", bar(1) + 2, 2), [(0, .5, 10)], 58, 70)
    drums.hit(bar(1) + 2, "snare", 96)
    drums.hit(bar(1) + 2, "kick", 96)
    clarinet.melody(bar(1) + 3, "C5:.5 E5:.5", velocity=88)

    oompah = [(0, 1, "r"), (2, 1, "5")]
    walking = [(0, 1, "r"), (1, 1, "3"), (2, 1, "5"), (3, 1, "a")]
    offbeats = [(1, .5, 0), (3, .5, -4)]
    for start, text, bassline, chords in [(2, verse, oompah, offbeats), (10, verse, oompah, offbeats),
                                          (18, minor, oompah, [(1, .5, -6), (3, .5, -8)]),
                                          (26, corridor, walking, [(.5, .4, -6), (1.5, .4, -8), (2.5, .4, -6),
                                                                   (3.5, .4, -8)]),
                                          (34, verse, oompah, offbeats), (42, verse, oompah, offbeats)]:
        changes = chart(text, bar(start))
        tuba.bassline(changes, bassline, velocity=92 if start != 18 else 80, near=41)
        pizz.block(changes, chords, 58, 72, velocity=74, count=3)

    clarinet.melody(bar(2), tune, velocity=92, legato=0.6)
    clarinet.melody(bar(10), tune, velocity=94, legato=0.6)
    xylo.melody(bar(10), tune, velocity=60, transpose=12, legato=0.5)
    bassoon.melody(bar(18), sneak, velocity=96, transpose=-12, legato=0.55)
    clarinet.melody(bar(22), "R:4 | D5:4 | D5:2 E5:2 | C#5:4 |", velocity=64)
    xylo.melody(bar(26), run, velocity=86, legato=0.5)
    clarinet.melody(bar(26), counter, velocity=68, legato=0.98)
    clarinet.melody(bar(34), tune, velocity=96, legato=0.6)
    clarinet.melody(bar(42), tune, velocity=100, legato=0.6)
    piccolo.melody(bar(42), tune, velocity=70, transpose=12, legato=0.5)
    xylo.melody(bar(42), tune, velocity=66, transpose=12, legato=0.5)

    # coda: the bell rings again and everybody runs back in
    xylo.melody(bar(50), " ".join(["C6:.25 A5:.25"] * 6) + " R:1 | F6:1 R:3 |", velocity=74, accent_downbeats=False)
    clarinet.melody(bar(50), "R:3 C5:.5 E5:.5 | F5:1 R:3 |", velocity=96, legato=0.6)
    piccolo.melody(bar(51), "F6:1 R:3 |", velocity=80)
    tuba.note(bar(51), 1, pitch("F1"), 104)
    pizz.block(chart("F", bar(51)), [(0, 1, 20)], 53, 72, velocity=80)
    bassoon.note(bar(51), 1, pitch("F2"), 90)

    march = {"kick": "x.......x.......", "snare": "....o.......o..."}
    march_full = {"kick": "x.......x.......", "snare": "....x.......x..o", "hat": "x.o.x.o.x.o.x.o."}
    clock = {"woodhi": "x.......x.......", "woodlo": "....x.......x..."}
    running = {"kick": "x...x...x...x...", "snare": "....x.......x...", "hat": "xoxoxoxoxoxoxoxo"}
    roll = {"kick": "x.......x.......", "snare": "....x...xoxoxxXX"}
    drums.groove(bar(2), 7, march, velocity=76)
    drums.groove(bar(9), 1, roll, velocity=70)
    drums.groove(bar(10), 8, march_full, velocity=80)
    drums.groove(bar(18), 8, clock, velocity=78)
    drums.hit(bar(18), "kick", 80)
    drums.hit(bar(22), "kick", 80)
    drums.groove(bar(26), 7, running, velocity=78)
    drums.groove(bar(33), 1, roll, velocity=80)
    drums.hit(bar(34), "crash", 84)
    drums.groove(bar(34), 8, march_full, velocity=82)
    drums.hit(bar(42), "crash", 90)
    drums.groove(bar(42), 7, march_full, velocity=86)
    drums.groove(bar(49), 1, roll, velocity=86)
    drums.groove(bar(50), 1, {"triangle": "xoxoxoxoxoxo....", "kick": "x.......x......."}, velocity=72)
    drums.hit(bar(51), "crash", 100)
    drums.hit(bar(51), "kick", 100)
    drums.hit(bar(51), "snare", 96)
    return piece



# ---------------------------------------------------------------------------------------------------------------
# 3. Street: "Двор после уроков". E minor, 96 bpm, a bit of rock: a bass riff, muted guitar chugs, a square-wave
#    hook the whole yard whistles, and a chorus with overdriven power chords. Intro 4, verse 8, chorus 8,
#    breakdown 4, verse 8, chorus 8, outro 4.

def street():
    piece = Piece("The yard after school", 96)
    lead = piece.part("Square lead", 0, 80, volume=84, pan=64, reverb=40, chorus=20)
    saw = piece.part("Saw lead", 1, 81, volume=60, pan=70, reverb=40, chorus=30)
    bass = piece.part("Fingered bass", 2, 33, volume=110, pan=64, reverb=15)
    mutes = piece.part("Guitar mutes", 3, 28, volume=92, pan=40, reverb=20)
    crunch = piece.part("Overdrive guitar", 4, 29, volume=82, pan=88, reverb=30)
    clean = piece.part("Clean guitar", 5, 27, volume=86, pan=30, reverb=45, chorus=40)
    organ = piece.part("Organ", 6, 16, volume=60, pan=96, reverb=50)
    drums = piece.drums(kit=16, volume=100, reverb=25)

    riff = {
        "Em": "E2:.5 R:.25 E2:.25 R:.5 G2:.5 A2:.5 B2:.5 D3:.5 B2:.5 |",
        "Em'": "E2:.5 R:.25 E2:.25 R:.5 E3:.5 D3:.5 B2:.5 A2:.5 G2:.5 |",
        "C": "C2:.5 R:.25 C2:.25 R:.5 E2:.5 G2:.5 C3:.5 B2:.5 G2:.5 |",
        "D": "D2:.5 R:.25 D2:.25 R:.5 F#2:.5 A2:.5 D3:.5 C3:.5 A2:.5 |",
    }
    verse_riff = " ".join(riff[c] for c in ["Em", "Em'", "C", "D", "Em", "Em'", "C", "D"])
    verse = "Em | Em | C | D | Em | Em | C | D"
    chorus = "C | D | Bm | Em | C | D | B7 | B7"
    power_verse = "E5 | E5 | C5 | D5 | E5 | E5 | C5 | D5"
    power_chorus = "C5 | D5 | B5 | E5 | C5 | D5 | B5 | B5"
    breakdown = "Em | Em | C | B7"

    hook = ("R:.5 E5:.5 G5:.5 A5:.5 B5:3/4 A5:1/4 G5:.5 E5:.5 | D5:.5 E5:1.5 R:2 | "
            "R:.5 E5:.5 G5:.5 A5:.5 B5:3/4 D6:1/4 B5:.5 A5:.5 | A5:3/4 G5:1/4 F#5:.5 D5:.5 E5:2 | "
            "R:.5 E5:.5 G5:.5 A5:.5 B5:3/4 A5:1/4 G5:.5 E5:.5 | D5:.5 E5:.5 G5:.5 E5:.5 D5:.5 B4:.5 D5:1 | "
            "R:.5 E5:.5 G5:.5 A5:.5 B5:3/4 D6:1/4 B5:.5 A5:.5 | A5:3/4 G5:1/4 F#5:.5 A5:.5 G5:1 F#5:1 |")
    refrain = ("G5:3/2 E5:.5 G5:1 A5:1 | F#5:3/2 D5:.5 F#5:1 A5:1 | B5:3/2 A5:.5 F#5:1 D5:1 | E5:2 G5:1 B5:1 | "
               "C6:3/2 B5:.5 G5:1 E5:1 | D6:3/2 C6:.5 A5:1 F#5:1 | D#6:3/2 B5:.5 A5:1 F#5:1 | "
               "B5:2 A5:.5 F#5:.5 D#5:1 |")

    chug = [(0, .2, 6), (.75, .2, -10), (1, .2, 0), (1.5, .2, -6), (2, .2, 4), (2.75, .2, -10), (3, .2, 0),
            (3.5, .2, -6)]
    eighths = [(i * .5, .45, 6 if i % 2 == 0 else -6) for i in range(8)]
    stabs = [(1, .3, 0), (3, .3, -2), (3.75, .2, -12)]

    # intro: bass and drums alone
    bass.melody(bar(0), " ".join(riff[c] for c in ["Em", "Em'", "C", "D"]), velocity=96, legato=0.9)
    for start in (4, 24):
        bass.melody(bar(start), verse_riff, velocity=98, legato=0.9)
        mutes.block(chart(power_verse, bar(start)), chug, 48, 59, velocity=78, count=2)
        lead.melody(bar(start), hook, velocity=92, legato=0.85)
    clean.block(chart(verse, bar(24)), stabs, 64, 76, velocity=72, strum=0.02)
    saw.melody(bar(24), hook, velocity=62, transpose=-12, legato=0.85)
    for start in (12, 32):
        changes = chart(chorus, bar(start))
        bass.bassline(changes, [(i * .5, .5, "8" if i == 5 else "r") for i in range(8)], velocity=92, near=38)
        crunch.block(chart(power_chorus, bar(start)), eighths, 40, 64, velocity=82, count=3, from_root=True)
        organ.pad(changes, 59, 74, velocity=52, count=3)
        lead.melody(bar(start), refrain, velocity=96, legato=0.9)
        saw.melody(bar(start), refrain, velocity=66, transpose=-12, legato=0.9)

    # breakdown: half time, the clean guitar picks the chords, the hook is only hinted at
    bass.melody(bar(20), "E2:2 R:1 E2:.5 G2:.5 | E2:2 R:2 | C2:2 R:1 C2:.5 E2:.5 | B1:2 D#2:1 F#2:1 |",
                velocity=92, legato=0.95)
    clean.pattern(chart(breakdown, bar(20)), ["0", "2", "3", "1", "4", "2", "3", "1"], 52, 76, velocity=70)
    lead.melody(bar(22), "R:.5 E5:.5 G5:.5 A5:.5 B5:2 | A5:3/4 G5:1/4 F#5:.5 D#5:.5 B4:2 |", velocity=78)

    # outro: the hook once more, then one hit
    bass.melody(bar(40), " ".join([riff["Em"], riff["C"], riff["D"], "E2:1 R:3 |"]), velocity=98, legato=0.9)
    mutes.block(chart("E5 | C5 | D5", bar(40)), chug, 48, 59, velocity=78, count=2)
    lead.melody(bar(40), "R:.5 E5:.5 G5:.5 A5:.5 B5:3/4 A5:1/4 G5:.5 E5:.5 | "
                         "R:.5 E5:.5 G5:.5 A5:.5 B5:3/4 D6:1/4 B5:.5 A5:.5 | "
                         "A5:3/4 G5:1/4 F#5:.5 D5:.5 F#5:1 A5:1 | E5:1 R:3 |", velocity=94, legato=0.85)
    saw.melody(bar(43), "E4:1 R:3 |", velocity=80)
    crunch.block(chart("E5", bar(43)), [(0, 1.5, 10)], 40, 64, velocity=86, count=3, from_root=True)

    groove = {"kick": "x..x....x.x.....", "snare": "....x.......x...", "hat": "x.o.x.o.x.o.x.o."}
    groove_busy = {"kick": "x..x....x.x....o", "snare": "....x..o....x...", "hat": "xoxoxoxoxoxoxoxo"}
    rock = {"kick": "x.....x.x.....x.", "snare": "....x.......x...", "open": "x.x.x.x.x.x.x.x."}
    half = {"kick": "x.........x.....", "snare": "........x.......", "hat": "x...x...x...x..."}
    half_claps = {"kick": "x.........x.....", "snare": "........x.......", "hat": "x.x.x.x.x.x.x.x.",
                  "clap": "....x.......x..."}
    fill = {"kick": "x.....x.........", "snare": "....x...xx......", "tomhi": "..........xx....",
            "tommid": "............xx..", "tomlo": "..............xx"}
    drums.groove(bar(0), 3, {"kick": "x..x....x.x.....", "hat": "x.o.x.o.x.o.x.o."}, velocity=84)
    drums.groove(bar(3), 1, fill, velocity=86)
    drums.groove(bar(4), 7, groove, velocity=90)
    drums.groove(bar(11), 1, fill, velocity=92)
    drums.groove(bar(12), 7, rock, velocity=94)
    drums.groove(bar(19), 1, fill, velocity=94)
    drums.groove(bar(20), 2, half, velocity=84)
    drums.groove(bar(22), 1, half_claps, velocity=88)
    drums.groove(bar(23), 1, {"snare": "x.x.x.x.xxxxXXXX", "kick": "x...x...x...x..."}, velocity=80)
    drums.groove(bar(24), 7, groove_busy, velocity=92)
    drums.groove(bar(31), 1, fill, velocity=94)
    drums.groove(bar(32), 7, rock, velocity=98)
    drums.groove(bar(39), 1, fill, velocity=98)
    drums.groove(bar(40), 3, groove, velocity=92)
    for at in (12, 16, 24, 32, 36, 40):
        drums.hit(bar(at), "crash", 96)
    drums.hit(bar(43), "crash", 110)
    drums.hit(bar(43), "kick", 110)
    drums.hit(bar(43), "snare", 100)
    return piece



# ---------------------------------------------------------------------------------------------------------------
# 4. Evening: "Огни в окнах". C major with sevenths, 76 bpm. Electric piano chords, fretless bass and brushes;
#    the vibraphone sings first, then the alto sax. The last bars borrow the minor iv for a soft goodnight.
#    Intro 4, A 8, A 8, B 8, A 8, outro 4.

def evening():
    piece = Piece("Lights in the windows", 76)
    vibes = piece.part("Vibraphone", 0, 11, volume=100, pan=78, reverb=60)
    sax = piece.part("Alto sax", 1, 65, volume=92, pan=54, reverb=55)
    rhodes = piece.part("Electric piano", 2, 4, volume=96, pan=44, reverb=50, chorus=30)
    bass = piece.part("Fretless bass", 3, 35, volume=108, pan=64, reverb=25)
    pad = piece.part("Warm pad", 4, 89, volume=62, pan=64, reverb=70)
    drums = piece.drums(kit=40, volume=92, reverb=40)

    intro = "Fmaj7 | Em7 | Dm7 | G7sus4"
    verse = "Fmaj7 | Em7 | Dm7 | Cmaj7 | Fmaj7 | Em7 A7 | Dm7 G7 | Cmaj7"
    bridge = "Am7 | Em7 | Fmaj7 | Cmaj7 | Dm7 | Em7 | Fmaj7 | G7sus4 G7"
    outro = "Fmaj7 | Fm6 | Cmaj7 | Cmaj9"

    tune = ("A5:1 G5:.5 E5:.5 C5:2 | D5:.5 E5:.5 G5:1 B5:3/2 A5:.5 | A5:3/2 F5:.5 D5:1 C5:1 | "
            "E5:2 D5:.5 E5:.5 G5:1 | A5:1 C6:.5 B5:.5 A5:1 E5:1 | G5:1 B5:1 A5:1 G5:1 | "
            "F5:1 A5:1 G5:.5 F5:.5 D5:1 | ")
    tune_on = tune + "E5:3 G4:.5 A4:.5 |"
    tune_end = tune + "E5:4 |"
    tune_again = ("A5:1 G5:.5 E5:.5 C5:2 | D5:.5 E5:.5 G5:.5 B5:.5 D6:1 B5:.5 A5:.5 | A5:3/2 F5:.5 D5:1 C5:1 | "
                  "E5:1.5 D5:.5 E5:.5 G5:.5 A5:.5 B5:.5 | C6:1 E6:.5 D6:.5 C6:1 A5:1 | G5:1 B5:1 C#6:1 E6:1 | "
                  "F6:1 D6:1 B5:.5 A5:.5 G5:1 | E5:3 G4:.5 A4:.5 |")
    bridge_tune = ("C5:1 E5:1 G5:3/2 E5:.5 | D5:3/2 B4:.5 G4:2 | A4:.5 C5:.5 E5:1 F5:1 E5:1 | "
                   "D5:1 C5:.5 B4:.5 G4:2 | A4:.5 D5:.5 F5:1 A5:1 G5:1 | G5:3/2 E5:.5 D5:1 B4:1 | "
                   "C5:1 E5:1 A5:1 G5:1 | F5:3/2 C5:.5 B4:1 D5:1 |")

    comp = [(0, 1.45, 0), (1.5, .45, -14), (2, 1.45, -4), (3.5, .45, -14)]
    walk = [(0, 1.5, "r"), (1.5, .5, "5"), (2, 1.5, "r"), (3.5, .5, "a")]
    for start, text in [(0, intro), (4, verse), (12, verse), (20, bridge), (28, verse)]:
        changes = chart(text, bar(start))
        rhodes.block(changes, comp, 55, 67, velocity=64, count=4, strum=0.025, rootless=True)
        if start >= 4:
            bass.bassline(changes, walk, velocity=86, near=40)
        if start >= 12:
            pad.pad(changes, 60, 72, velocity=40 if start != 20 else 46, count=3, rootless=True)
    # the last chord of the intro waits for the tune
    bass.note(bar(3), 4, pitch("G2"), 70)

    vibes.melody(bar(4), tune_on, velocity=88)
    vibes.melody(bar(12), tune_again, velocity=90)
    sax.melody(bar(20), bridge_tune, velocity=84, legato=0.98)
    sax.melody(bar(28), tune_end, velocity=88, legato=0.98)
    vibes.melody(bar(32), "R:4 | R:2 E6:1 B5:1 | A5:1 R:1 B5:1 R:1 | R:2 G5:.5 B5:.5 C6:.5 E6:.5 |", velocity=58)

    # outro: the chords slow down, the sax says goodnight
    changes = chart(outro, bar(36))
    rhodes.block(changes, [(0, 3.9, 0)], 55, 67, velocity=62, count=4, strum=0.06, rootless=True)
    pad.pad(changes, 60, 72, velocity=38, count=3, rootless=True)
    bass.melody(bar(36), "F2:4 | F2:4 | C2:4 | C2:4 |", velocity=80)
    sax.melody(bar(36), "A4:1 C5:1 E5:2 | Ab4:1 C5:1 D5:2 | G4:1 B4:.5 C5:.5 E5:2 | D5:1 R:3 |", velocity=74,
               legato=0.98)
    vibes.melody(bar(38), "R:2 G5:1 B5:1 | D6:4 |", velocity=56)
    piece.tempo(bar(38), 72)
    piece.tempo(bar(39), 64)

    brushes = {"kick": "x.......o.......", "stick": "....x.......x...", "ride": "x...x..ox...x..o"}
    brushes_soft = {"ride": "x...x..ox...x..o", "snare": "o.o.o.o.o.o.o.o."}
    drums.groove(bar(12), 8, brushes_soft, velocity=66)
    drums.groove(bar(20), 16, brushes, velocity=70)
    drums.groove(bar(36), 2, {"ride": "x.......x.......", "snare": "o.o.o.o.o.o.o.o."}, velocity=58)
    drums.hit(bar(39), "bell", 60)
    return piece



# ---------------------------------------------------------------------------------------------------------------
# 6. Credits: "Eien no melody", the tune that is never quite over. D major, 80 bpm, piano first, then oboe,
#    strings, a choir and drums; the last chorus climbs a whole tone to E major and slows down at the very end.
#    Intro 4, verse 8, chorus 8, music-box interlude 4, verse 8, chorus 8, chorus in E 8, outro 4.

def credits():
    piece = Piece("Eien no melody", 80)
    piano = piece.part("Piano", 0, 0, volume=104, pan=58, reverb=60)
    piano_left = piece.part("Piano left hand", 1, 0, volume=96, pan=52, reverb=60)
    oboe = piece.part("Oboe", 2, 68, volume=92, pan=72, reverb=55)
    strings = piece.part("Strings", 3, 48, volume=94, pan=70, reverb=70)
    choir = piece.part("Choir", 4, 52, volume=70, pan=40, reverb=80)
    bass = piece.part("Bass", 5, 33, volume=96, pan=64, reverb=30)
    box = piece.part("Music box", 6, 10, volume=84, pan=90, reverb=70)
    drums = piece.drums(volume=84, reverb=45)

    verse = "Bm | G | D | A | Bm | G | D | A"
    chorus = "G | A | F#m | Bm | G | A | Em7 A7 | D"
    chorus_turn = "G | A | F#m | Bm | G | A | Em7 A7 | D B7"
    chorus_e = "A | B | G#m | C#m | A | B | F#m7 B7 | E"
    outro = "A | B | C#m7 | E"

    verse_tune = ("F#5:1 D5:.5 E5:.5 F#5:1 A5:1 | G5:3/2 F#5:.5 E5:1 D5:1 | F#5:1 A5:.5 D6:.5 C#6:1 A5:1 | "
                  "B5:3/2 A5:.5 E5:2 | F#5:1 D5:.5 E5:.5 F#5:1 B5:1 | D6:1 B5:.5 A5:.5 G5:1 F#5:1 | "
                  "F#5:.5 E5:.5 D5:1 A5:3/2 F#5:.5 | E5:3 R:1 |")
    chorus_tune = ("D6:3/2 B5:.5 D6:1 E6:1 | C#6:3/2 A5:.5 C#6:1 E6:1 | F#6:3/2 E6:.5 C#6:1 A5:1 | "
                   "B5:2 A5:1 B5:1 | G5:.5 A5:.5 B5:1 D6:1 G6:1 | F#6:1 E6:1 C#6:1 A5:1 | "
                   "G5:1 B5:1 C#6:1 E6:1 | ")
    interlude = ("F#6:.5 D6:.5 B5:.5 D6:.5 F#6:1 B6:1 | G6:3/2 F#6:.5 D6:1 B5:1 | "
                 "A5:.5 D6:.5 F#6:.5 A6:.5 F#6:1 D6:1 | E6:2 C#6:1 A5:1 |")

    arpeggio = ["b", "0", "1", "2", "3", "2", "1", "0"]
    gentle = ["b", "1", "2", "3", "b", "2", "3", "1"]
    charts = {"intro": chart("Bm | G | D | A", bar(0)), 4: chart(verse, bar(4)), 12: chart(chorus, bar(12)),
              "interlude": chart("Bm | G | D | A", bar(20)), 24: chart(verse, bar(24)),
              32: chart(chorus_turn, bar(32)), 40: chart(chorus_e, bar(40))}

    piano_left.pattern(charts["intro"], arpeggio, 54, 71, velocity=58, bass_octave=40)
    piano_left.pattern(charts[4], gentle, 54, 71, velocity=54, bass_octave=40)
    piano_left.pattern(charts[12], arpeggio, 54, 71, velocity=60, bass_octave=40)
    piano_left.pattern(charts["interlude"], arpeggio, 54, 71, velocity=56, bass_octave=40)
    piano_left.pattern(charts[24], gentle, 54, 71, velocity=56, bass_octave=40)
    piano_left.pattern(charts[32], arpeggio, 54, 71, velocity=62, bass_octave=40)
    piano_left.pattern(charts[40], arpeggio, 56, 73, velocity=64, bass_octave=42)
    piano_left.pattern(chart("A | B | C#m7", bar(48)), ["b", "1", "2", "3", "4", "3", "2", "1"], 56, 73,
                       velocity=54, bass_octave=42)
    piano_left.block(chart("E", bar(51)), [(0, 4, 0)], 40, 71, velocity=56, strum=0.09, from_root=True)

    # verse one and the first chorus on the piano
    piano.melody(bar(4), verse_tune, velocity=80)
    piano.melody(bar(12), chorus_tune + "D6:4 |", velocity=86)
    strings.pad(charts[12], 55, 69, velocity=44, count=3)
    bass.bassline(charts[12], [(0, 2, "r"), (2, 1.5, "r"), (3.5, .5, "5")], velocity=76, near=40)
    # the music box remembers the tune
    box.melody(bar(20), interlude, velocity=74)
    strings.pad(charts["interlude"], 55, 69, velocity=36, count=3)
    # verse two: the oboe, strings and soft drums
    oboe.melody(bar(24), verse_tune, velocity=86, legato=0.98)
    strings.pad(charts[24], 55, 69, velocity=46, count=3)
    bass.bassline(charts[24], [(0, 2, "r"), (2, 1.5, "r"), (3.5, .5, "5")], velocity=80, near=40)
    # chorus two: strings take the tune, the choir hums
    strings.melody(bar(32), chorus_tune + "D6:2 B5:1 D#6:1 |", velocity=88, legato=1.0)
    piano.melody(bar(32), chorus_tune + "D6:2 B5:1 D#6:1 |", velocity=64, transpose=12)
    choir.pad(charts[32], 57, 69, velocity=52, count=3)
    bass.bassline(charts[32], [(0, 1.5, "r"), (1.5, .5, "5"), (2, 1.5, "r"), (3.5, .5, "8")], velocity=86,
                  near=40)
    # the last chorus, a tone higher
    strings.melody(bar(40), chorus_tune + "D6:4 |", velocity=94, transpose=2, legato=1.0)
    strings.melody(bar(40), chorus_tune + "D6:4 |", velocity=74, transpose=-10, legato=1.0)
    piano.melody(bar(40), chorus_tune + "D6:4 |", velocity=80, transpose=2)
    choir.pad(charts[40], 59, 71, velocity=58, count=3)
    bass.bassline(charts[40], [(0, 1.5, "r"), (1.5, .5, "5"), (2, 1.5, "r"), (3.5, .5, "8")], velocity=90,
                  near=42)
    # outro: the piano alone, slowing down
    piano.melody(bar(48), "C#6:1 B5:.5 A5:.5 E5:2 | D#6:1 C#6:.5 B5:.5 F#5:2 | "
                          "E6:1 D#6:.5 C#6:.5 B5:1 G#5:1 | E5:4 |", velocity=74)
    box.melody(bar(51), "R:1 B5:1 E6:1 G#6:1 |", velocity=60)
    strings.pad(chart(outro, bar(48)), 56, 68, velocity=36, count=3)
    bass.melody(bar(48), "A1:4 | B1:4 | C#2:4 | E2:4 |", velocity=70)
    piece.tempo(bar(50), 74)
    piece.tempo(bar(51), 64)
    piece.tempo(bar(51) + 2, 56)

    soft = {"kick": "x.......x.......", "stick": "....x.......x...", "hat": "o.o.o.o.o.o.o.o."}
    full = {"kick": "x.....x.x.......", "snare": "....x.......x...", "hat": "x.o.x.o.x.o.x.o."}
    ride = {"kick": "x.....x.x.......", "snare": "....x.......x...", "ride": "x.o.x.o.x.o.x.o."}
    fill = {"kick": "x.......", "snare": "....x...xoxoXxXX"}
    drums.groove(bar(24), 7, soft, velocity=70)
    drums.groove(bar(31), 1, {"kick": "x.......x.......", "snare": "........xoxoxxXX"}, velocity=64)
    drums.hit(bar(32), "crash", 84)
    drums.groove(bar(32), 7, full, velocity=78)
    drums.groove(bar(39), 1, fill, velocity=80)
    drums.hit(bar(40), "crash", 96)
    drums.groove(bar(40), 7, ride, velocity=82)
    drums.groove(bar(47), 1, {"kick": "x.......x.......", "snare": "....x.......x...", "ride": "x.o.x.o.x......."},
                 velocity=80)
    drums.hit(bar(48), "crash", 70)
    return piece



# ---------------------------------------------------------------------------------------------------------------
# 5. Winter: "Зимние каникулы". A minor and C major, a waltz at 150 bpm: snow outside, a tree in the corner.
#    Celesta and music box over a piano's oom-pah-pah, the strings take the major part.
#    Intro 4, A 16, B 16, A 16, B 16, A 16 with a slower ending, last chord 2.

def winter():
    piece = Piece("Winter holidays", 150, beats_per_bar=3)
    celesta = piece.part("Celesta", 0, 8, volume=104, pan=74, reverb=65)
    box = piece.part("Music box", 1, 10, volume=92, pan=88, reverb=70)
    strings = piece.part("Slow strings", 2, 49, volume=98, pan=56, reverb=70)
    piano = piece.part("Piano", 3, 0, volume=92, pan=48, reverb=50)
    glock = piece.part("Glockenspiel", 4, 9, volume=60, pan=96, reverb=60)
    contrabass = piece.part("Contrabass", 5, 43, volume=90, pan=64, reverb=40)
    drums = piece.drums(volume=74, reverb=50)

    def w(n):
        return bar(n, 3)

    minor = "Am | Dm | G | C | F | Dm | E | E7 | Am | Dm | G | C | F | E7 | Am | Am"
    major = "C | G/B | Am | Em | F | C/E | Dm | G7 | C | G/B | Am | Em | F | G | C | E7"
    tune = ("E5:2 A5:1 | A5:2 F5:1 | D5:3/2 E5:.5 F5:1 | E5:3 | C5:1 F5:1 A5:1 | A5:3/2 G5:.5 F5:1 | "
            "E5:1 G#5:1 B5:1 | D6:2 B5:1 | C6:2 B5:1 | A5:2 D6:1 | B5:3/2 A5:.5 G5:1 | E5:2 G5:1 | "
            "F5:1 A5:1 C6:1 | B5:3/2 A5:.5 G#5:1 | A5:3 | ")
    tune_on = tune + "R:2 G5:1 |"
    tune_end = tune + "A5:3 |"
    song = ("G5:2 E5:1 | D5:2 G5:1 | C6:3/2 B5:.5 A5:1 | B5:2 G5:1 | C6:2 A5:1 | G5:2 E5:1 | F5:1 A5:1 D6:1 | "
            "D6:3/2 C6:.5 B5:1 | C6:2 G5:1 | D6:2 B5:1 | E6:3/2 D6:.5 C6:1 | B5:2 G5:1 | A5:3/2 G5:.5 F5:1 | "
            "D5:1 G5:1 B5:1 | C6:3 | B5:1 G#5:1 D5:1 |")

    # intro: the music box alone, as if somebody wound it up
    box.melody(w(0), "A5:1 C6:1 E6:1 | A6:3 | G#6:1 E6:1 B5:1 | E6:2 R:1 |", velocity=74)
    drums.hit(w(1), "triangle", 56)
    drums.hit(w(3), "triangle", 56)

    waltz = [(1, .9, -8), (2, .9, -12)]
    sections = [(4, minor), (20, major), (36, minor), (52, major), (68, minor)]
    for start, text in sections:
        changes = chart(text, w(start), 3)
        piano.bassline(changes, [(0, 1, "r")], velocity=76, near=45)
        piano.block(changes, waltz, 57, 69, velocity=62, bar_beats=3, count=3)
        if start >= 20:
            contrabass.bassline(changes, [(0, 1, "r")], velocity=70, near=40)
        if start in (36, 68):
            strings.pad(changes, 57, 71, velocity=46, count=3)

    celesta.melody(w(4), tune_on, velocity=90)
    strings.melody(w(20), song, velocity=86, legato=1.0)
    celesta.melody(w(20), "E5:3 | D5:3 | E5:3 | E5:3 | F5:3 | E5:3 | D5:3 | D5:3 | "
                          "E5:3 | D5:3 | E5:3 | E5:3 | C5:3 | D5:3 | E5:3 | E5:3 |", velocity=56)
    box.melody(w(36), tune_on, velocity=86)
    strings.melody(w(52), song, velocity=92, legato=1.0)
    glock.melody(w(52), song, velocity=56, transpose=12, legato=0.5)
    celesta.melody(w(68), tune_end, velocity=92)
    box.melody(w(68), tune_end, velocity=60, transpose=12)

    # the ending: slower, then the last chord with the music box running up
    piece.tempo(w(80), 140)
    piece.tempo(w(82), 126)
    piece.tempo(w(83), 110)
    ending = chart("Am", w(84), 3)
    piano.block(ending, [(0, 6, 0)], 45, 69, velocity=60, bar_beats=6, strum=0.05, from_root=True)
    strings.pad(chart("Am | Am", w(84), 3), 57, 69, velocity=44, count=3)
    contrabass.note(w(84), 6, pitch("A1"), 70)
    box.melody(w(84), "A5:.5 C6:.5 E6:.5 A6:1.5 | R:3 |", velocity=70)
    drums.hit(w(84), "triangle", 66)

    sleigh = {"tamb": "x.o.o.o.o.o.", "triangle": "........x..."}
    soft = {"kick": "x...........", "tamb": "x.o.o.o.o.o.", "triangle": "........x..."}
    drums.groove(w(36), 16, sleigh, velocity=56, bar_beats=3)
    drums.groove(w(52), 16, soft, velocity=62, bar_beats=3)
    drums.groove(w(68), 12, sleigh, velocity=54, bar_beats=3)
    drums.hit(w(52), "crash", 60)
    return piece


PIECES = {
    "morning": morning,
    "school": school,
    "street": street,
    "evening": evening,
    "winter": winter,
    "credits": credits,
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join("build", "music")
    os.makedirs(out, exist_ok=True)
    for name, make in PIECES.items():
        piece = make()
        path = os.path.join(out, name + ".mid")
        piece.write(path)
        print("%s  %d:%02d" % (path, piece.seconds() // 60, piece.seconds() % 60))


if __name__ == "__main__":
    main()
