#!/usr/bin/env python3
"""Writes the default event sounds: short 16-bit mono PCM tones and chirps.

Run from anywhere; the files land in resources/sounds/. The output is the same on
every run, so regenerating changes nothing unless the notes below change.
Usage: make-sounds.py [OUTPUT_DIR]
"""

import math
import os
import struct
import sys
import wave

RATE = 22050

# Each sound is a list of (start Hz, end Hz, seconds) segments played one after
# the other; a start equal to the end is a plain tone. Joins rise, leaves fall,
# changes wobble, and what is addressed to the user stands out.
SOUNDS = {
    "JoinNet.wav": [(523, 523, 0.07), (784, 784, 0.10)],
    "LeavNet.wav": [(784, 784, 0.07), (523, 523, 0.10)],
    "JoinChan.wav": [(660, 990, 0.12)],
    "LeavChan.wav": [(990, 660, 0.12)],
    "JoinPriv.wav": [(587, 587, 0.05), (740, 740, 0.05), (880, 880, 0.08)],
    "LeavPriv.wav": [(880, 880, 0.05), (740, 740, 0.05), (587, 587, 0.08)],
    "ChanNick.wav": [(700, 900, 0.06), (900, 700, 0.06)],
    "ChanStat.wav": [(440, 440, 0.08)],
    "ChanSubj.wav": [(600, 800, 0.05), (800, 600, 0.05), (600, 800, 0.05)],
    "RecvMess.wav": [(880, 880, 0.09), (0, 0, 0.04), (1175, 1175, 0.14)],
    "RecvMass.wav": [(880, 880, 0.07), (1047, 1047, 0.07), (1319, 1319, 0.12)],
    "RecvConf.wav": [(1047, 1047, 0.06)],
    "RecvBeep.wav": [(1500, 1500, 0.08), (0, 0, 0.05), (1500, 1500, 0.08)],
    "RecvLine.wav": [(1200, 1400, 0.04)],
}

FADE = 0.008  # seconds of fade in and out per segment, so nothing clicks


def segment(f0, f1, seconds, phase):
    n = int(RATE * seconds)
    fade = int(RATE * FADE)
    samples = []
    for i in range(n):
        # Linear chirp: the phase is the integral of the frequency.
        freq = f0 + (f1 - f0) * i / max(1, n - 1)
        phase += 2 * math.pi * freq / RATE
        envelope = min(1.0, i / fade, (n - 1 - i) / fade) if fade else 1.0
        value = 0.0 if f0 == 0 and f1 == 0 else math.sin(phase) * envelope * 0.45
        # A touch of the second harmonic makes small speakers sound rounder.
        value += 0.0 if f0 == 0 and f1 == 0 else math.sin(2 * phase) * envelope * 0.08
        samples.append(int(max(-1.0, min(1.0, value)) * 32767))
    return samples, phase


def write(path, parts):
    samples, phase = [], 0.0
    for f0, f1, seconds in parts:
        more, phase = segment(f0, f1, seconds, phase)
        samples += more
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "sounds")
    os.makedirs(target, exist_ok=True)
    for name, parts in SOUNDS.items():
        write(os.path.join(target, name), parts)
    print("wrote %d sounds to %s" % (len(SOUNDS), os.path.normpath(target)))


if __name__ == "__main__":
    main()
