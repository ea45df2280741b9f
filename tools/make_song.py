#!/usr/bin/env python3
"""Writes SONG.mid, the background music of Fortunara: a short tune of our own in C major.

Standard MIDI file, format 1: a conductor track (tempo, metre) and three instrument tracks
(flute melody, piano broken chords, acoustic bass), 16 bars at 96 beats per minute, about
40 seconds. Only the Python standard library is used; the output is the same on every run.

    python3 tools/make_song.py assets/SONG.mid
"""

import struct
import sys

TICKS = 480  # per quarter note
BPM = 96

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def pitch(name):
    """'C4' is middle C (60); 'F#3', 'Bb4' are understood; 'R' is a rest."""
    if name == "R":
        return None
    semitone = NOTE_NAMES[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semitone += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        semitone -= 1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + semitone


# Durations in eighth notes.
MELODY_A = [
    ("E4", 2), ("G4", 2), ("C5", 2), ("B4", 1), ("A4", 1),
    ("G4", 4), ("E4", 2), ("G4", 2),
    ("F4", 2), ("A4", 2), ("D5", 2), ("C5", 1), ("B4", 1),
    ("A4", 4), ("G4", 4),
    ("E4", 2), ("G4", 2), ("C5", 2), ("E5", 2),
    ("D5", 3), ("C5", 1), ("B4", 2), ("A4", 2),
    ("G4", 2), ("E5", 2), ("D5", 2), ("B4", 2),
    ("C5", 6), ("R", 2),
]
MELODY_B = [
    ("G5", 2), ("E5", 2), ("C5", 2), ("E5", 1), ("G5", 1),
    ("A5", 4), ("G5", 2), ("E5", 2),
    ("F5", 2), ("D5", 2), ("B4", 2), ("D5", 1), ("F5", 1),
    ("E5", 4), ("C5", 4),
    ("A4", 2), ("C5", 2), ("F5", 2), ("A5", 2),
    ("G5", 3), ("E5", 1), ("C5", 2), ("E5", 2),
    ("D5", 2), ("G5", 2), ("F5", 2), ("B4", 2),
    ("C5", 8),
]

# One chord per bar: root for the bass, the chord tones for the broken chords.
CHORDS_A = ["C", "C", "F", "G", "C", "Dm", "G", "C"]
CHORDS_B = ["C", "Am", "Dm", "C", "F", "C", "G", "C"]
CHORD_TONES = {
    "C": ["C3", "G3", "C4", "E4"],
    "F": ["F2", "C3", "F3", "A3"],
    "G": ["G2", "D3", "G3", "B3"],
    "Dm": ["D3", "A3", "D4", "F4"],
    "Am": ["A2", "E3", "A3", "C4"],
}
BASS_ROOT = {"C": "C2", "F": "F2", "G": "G2", "Dm": "D2", "Am": "A2"}
BASS_FIFTH = {"C": "G2", "F": "C3", "G": "D3", "Dm": "A2", "Am": "E2"}


def variable_length(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def track(events):
    """events: (absolute tick, order, raw bytes); order keeps note-offs before note-ons at one tick."""
    data = bytearray()
    now = 0
    for tick, _, raw in sorted(events, key=lambda e: (e[0], e[1])):
        data += variable_length(tick - now) + raw
        now = tick
    data += variable_length(0) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def notes(channel, sequence, velocity):
    events = []
    tick = 0
    for name, length, *rest in sequence:
        duration = length * TICKS // 2
        number = pitch(name)
        if number is not None:
            gate = duration * 9 // 10
            events.append((tick, 1, bytes([0x90 | channel, number, rest[0] if rest else velocity])))
            events.append((tick + gate, 0, bytes([0x80 | channel, number, 0])))
        tick += duration
    return events


def program(channel, number):
    return (0, 0, bytes([0xC0 | channel, number]))


def meta_text(kind, text):
    raw = text.encode("ascii")
    return (0, 0, bytes([0xFF, kind]) + variable_length(len(raw)) + raw)


def broken_chords(chords):
    sequence = []
    for chord in chords:
        low, fifth, octave, third = CHORD_TONES[chord]
        sequence += [(low, 1, 58), (fifth, 1, 46), (octave, 1, 50), (third, 1, 46)] * 2
    return sequence


def bass_line(chords):
    sequence = []
    for chord in chords:
        sequence += [(BASS_ROOT[chord], 4), (BASS_FIFTH[chord], 4)]
    return sequence


def song():
    chords = CHORDS_A + CHORDS_B
    conductor = [
        meta_text(0x03, "Fortunara"),
        (0, 0, b"\xff\x51\x03" + struct.pack(">I", 60_000_000 // BPM)[1:]),  # tempo
        (0, 0, b"\xff\x58\x04\x04\x02\x18\x08"),  # 4/4
        (0, 0, b"\xff\x59\x02\x00\x00"),  # C major
    ]
    melody = [meta_text(0x03, "Flauto"), program(0, 73)] + notes(0, MELODY_A + MELODY_B, 92)
    piano = [meta_text(0x03, "Pianoforte"), program(1, 0)] + notes(1, broken_chords(chords), 50)
    bass = [meta_text(0x03, "Basso"), program(2, 32)] + notes(2, bass_line(chords), 70)
    tracks = [track(conductor), track(melody), track(piano), track(bass)]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS)
    return header + b"".join(tracks)


def main():
    if len(sys.argv) != 2:
        sys.exit("uso: make_song.py FILE.mid")
    with open(sys.argv[1], "wb") as out:
        out.write(song())


if __name__ == "__main__":
    main()
