#!/usr/bin/env python3
"""Synthesizes Quorvane's sound effects and its fanfare.

Writes the seventeen effects as 16-bit mono PCM WAV files into
resources/beside/QVWAVS/ and the fanfare as resources/beside/win01.mp3
(through `lame`). Only the Python standard library is used for the
synthesis; every random choice comes from a fixed seed, so running the
script again gives the same sounds. The generated files are committed:
building the game never runs this script.

    python3 resources/sounds/make-sounds.py     (needs `lame` for the MP3)
"""

import math
import os
import random
import struct
import subprocess
import tempfile
import wave

RATE = 22050
HERE = os.path.dirname(os.path.abspath(__file__))
BESIDE = os.path.join(HERE, "..", "beside")
WAVS = os.path.join(BESIDE, "QVWAVS")

# Note frequencies used below (equal temperament, A4 = 440 Hz).
NOTE = {
    "C4": 261.63, "E4": 329.63, "F4": 349.23, "G4": 392.00, "A4": 440.00,
    "C5": 523.25, "D5": 587.33, "E5": 659.25, "F5": 698.46, "G5": 783.99,
    "A5": 880.00, "C6": 1046.50, "E6": 1318.51, "G6": 1567.98, "Gs6": 1661.22,
    "B6": 1975.53, "C7": 2093.00,
}


class Track:
    """A mono buffer of float samples that voices are added into."""

    def __init__(self, seconds, rate=RATE):
        self.rate = rate
        self.data = [0.0] * int(seconds * rate)

    def add(self, start, samples):
        first = int(start * self.rate)
        for i, value in enumerate(samples):
            j = first + i
            if 0 <= j < len(self.data):
                self.data[j] += value

    def normalized(self, peak, tail=0.06):
        top = max(abs(v) for v in self.data) or 1.0
        out = [v * peak / top for v in self.data]
        # A one-millisecond fade-in and a gentle fade-out over the last
        # `tail` seconds, so that no sound starts or stops with a click.
        edge = int(0.001 * self.rate)
        for i in range(edge):
            out[i] *= i / edge
        fade = min(len(out) // 3, int(tail * self.rate))
        for i in range(fade):
            out[-1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / fade)
        return out


def damped_sine(freq, amp, decay, rate=RATE, attack=0.001, phase=0.0):
    """A sine that rises over `attack` seconds and then dies away with time
    constant `decay` (stops once it is inaudible)."""
    length = int((attack + decay * 7.0) * rate)
    out = []
    for i in range(length):
        t = i / rate
        env = min(1.0, t / attack) if attack > 0 else 1.0
        env *= math.exp(-max(0.0, t - attack) / decay)
        out.append(amp * env * math.sin(2 * math.pi * freq * t + phase))
    return out


def bandpassed_noise(seconds, center, q, decay, amp, rng, rate=RATE):
    """White noise through a two-pole band-pass filter, with a fast attack
    and an exponential decay: the body of a clap or of a die's knock."""
    w0 = 2 * math.pi * center / rate
    alpha = math.sin(w0) / (2 * q)
    b0, b2 = alpha, -alpha
    a0, a1, a2 = 1 + alpha, -2 * math.cos(w0), 1 - alpha
    x1 = x2 = y1 = y2 = 0.0
    out = []
    for i in range(int(seconds * rate)):
        t = i / rate
        x = rng.uniform(-1.0, 1.0)
        y = (b0 * x + b2 * x2 - a1 * y1 - a2 * y2) / a0
        x2, x1, y2, y1 = x1, x, y1, y
        env = min(1.0, t / 0.0008) * math.exp(-t / decay)
        out.append(amp * env * y)
    return out


def bell(freq, amp, decay):
    """A small bright bell: a few inharmonic partials, the high ones dying
    first."""
    partials = [(1.0, 1.0, 1.0), (2.0, 0.45, 0.6), (3.01, 0.25, 0.4), (4.2, 0.12, 0.25),
                (5.43, 0.06, 0.15)]
    out = []
    for ratio, rel, life in partials:
        voice = damped_sine(freq * ratio, amp * rel, decay * life, attack=0.002)
        if len(voice) > len(out):
            out.extend([0.0] * (len(voice) - len(out)))
        for i, v in enumerate(voice):
            out[i] += v
    return out


def marimba(freq, amp, decay):
    """A wooden bar: the fundamental with the bar's fourth and tenth
    partials, short and dull."""
    out = damped_sine(freq, amp, decay, attack=0.003)
    for ratio, rel, life in [(3.93, 0.18, 0.25), (9.2, 0.05, 0.08)]:
        voice = damped_sine(freq * ratio, amp * rel, decay * life, attack=0.002)
        for i, v in enumerate(voice[: len(out)]):
            out[i] += v
    return out


def glide(f_from, f_to, seconds, amp):
    """A soft sine that slides from one pitch to another."""
    out, phase = [], 0.0
    n = int(seconds * RATE)
    for i in range(n):
        x = i / n
        freq = f_from * (f_to / f_from) ** x
        phase += 2 * math.pi * freq / RATE
        env = math.sin(math.pi * min(1.0, x * 1.15)) ** 1.5 if x < 0.87 else 0.0
        out.append(amp * env * (math.sin(phase) + 0.2 * math.sin(2 * phase)))
    return out


def knock(rng, amp, pitch=1.0, thud=True):
    """One impact of a plastic die: a few short resonances of the die, a
    click of noise, and a low thud of the table under it."""
    out = bandpassed_noise(0.012, 3800 * pitch, 1.2, 0.0025, amp * 0.9, rng)
    for _ in range(3):
        freq = rng.uniform(2300, 5000) * pitch
        voice = damped_sine(freq, amp * rng.uniform(0.25, 0.55), rng.uniform(0.004, 0.012),
                            phase=rng.uniform(0, math.pi))
        if len(voice) > len(out):
            out.extend([0.0] * (len(voice) - len(out)))
        for i, v in enumerate(voice):
            out[i] += v
    if thud:
        voice = damped_sine(rng.uniform(170, 240), amp * 0.5, 0.02, attack=0.001)
        if len(voice) > len(out):
            out.extend([0.0] * (len(voice) - len(out)))
        for i, v in enumerate(voice):
            out[i] += v
    return out


def dice_roll(dice, seconds, seed):
    """Dice shaken in the hand, then thrown: a rattle of light clicks, then
    each die lands and bounces a few times, softer and quicker each time."""
    rng = random.Random(seed)
    track = Track(seconds)
    shake_end = seconds * 0.42
    for _ in range(dice * 4 + 2):
        track.add(rng.uniform(0.0, shake_end), knock(rng, rng.uniform(0.15, 0.35), 1.15, False))
    for _ in range(dice):
        t = rng.uniform(shake_end + 0.02, shake_end + 0.1)
        amp, gap = rng.uniform(0.7, 1.0), rng.uniform(0.05, 0.08)
        for bounce in range(4):
            track.add(t, knock(rng, amp))
            t += gap
            gap *= 0.62
            amp *= 0.45
    return track


def click(pitch, seed, amp):
    """A die picked up or put down: one soft knock without the rattle."""
    rng = random.Random(seed)
    track = Track(0.12)
    track.add(0.0, knock(rng, amp, pitch))
    return track


def melody(seconds, notes, voice):
    """`notes` is a list of (start, note name or frequency, amplitude, decay)."""
    track = Track(seconds)
    for start, note, amp, decay in notes:
        freq = NOTE[note] if isinstance(note, str) else note
        track.add(start, voice(freq, amp, decay))
    return track


def applause(seconds, seed):
    """A small crowd clapping: many short bursts of band-passed noise at
    loose intervals, swelling in and dying away."""
    rng = random.Random(seed)
    track = Track(seconds)
    t = 0.0
    while t < seconds - 0.05:
        swell = min(1.0, t / 0.25) * min(1.0, (seconds - t) / 0.8)
        burst = bandpassed_noise(0.05, rng.uniform(900, 2400), 1.3, rng.uniform(0.006, 0.012),
                                 swell * rng.uniform(0.5, 1.0), rng)
        track.add(t, burst)
        t += rng.uniform(0.004, 0.03)
    return track


def brass(freq, seconds, amp, rate):
    """A bright brass note: harmonics that grow brighter as the note swells,
    a touch of vibrato after the attack, and a short release."""
    out, phase = [], 0.0
    n = int((seconds + 0.25) * rate)
    for i in range(n):
        t = i / rate
        if t < 0.035:
            env = t / 0.035
        else:
            env = 0.85 + 0.15 * math.exp(-(min(t, seconds) - 0.035) / 0.08)
            if t > seconds:
                env *= math.exp(-(t - seconds) / 0.03)
        vib = 1.0 + 0.004 * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.3)
        phase += 2 * math.pi * freq * vib / rate
        value = 0.0
        for k in range(1, 9):
            if freq * k > rate / 2.2:
                break
            value += math.sin(k * phase) * (env ** (0.3 * k)) / k
        out.append(amp * env * value)
    return out


def reverb(samples, rate, wet=0.18):
    """A small room: four feedback combs in parallel, then two all-passes."""
    def comb(x, delay, gain):
        d = int(delay * rate)
        y = list(x)
        for i in range(d, len(y)):
            y[i] += gain * y[i - d]
        return y

    def allpass(x, delay, gain):
        d = int(delay * rate)
        y = [0.0] * len(x)
        for i in range(len(x)):
            back = y[i - d] if i >= d else 0.0
            ahead = x[i - d] if i >= d else 0.0
            y[i] = -gain * x[i] + ahead + gain * back
        return y

    combs = [comb(samples, delay, 0.7) for delay in (0.0297, 0.0371, 0.0411, 0.0437)]
    tail = [sum(values) / 4 for values in zip(*combs)]
    for delay in (0.005, 0.0017):
        tail = allpass(tail, delay, 0.7)
    return [dry + wet * wet_part for dry, wet_part in zip(samples, tail)]


def write_wav(path, samples, rate=RATE):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32767))
                                 for s in samples))


def fanfare():
    """The top-score fanfare, a little over three seconds: a brass call
    rising to a held chord, with a bell on the last note."""
    rate = 44100
    track = Track(3.6, rate)
    call = [(0.00, "G4", 0.12), (0.15, "G4", 0.12), (0.30, "G4", 0.12), (0.45, "C5", 0.40),
            (0.95, "E5", 0.14), (1.12, "D5", 0.14), (1.29, "E5", 0.14), (1.46, "G5", 1.50)]
    for start, note, length in call:
        track.add(start, brass(NOTE[note], length, 0.5, rate))
    for note in ["C4", "E4", "G4", "C5"]:
        track.add(1.46, brass(NOTE[note], 1.50, 0.22, rate))
    bell_voice = Track(2.0, rate)
    for ratio, rel, life in [(1.0, 1.0, 1.0), (2.0, 0.4, 0.6), (3.01, 0.2, 0.4)]:
        bell_voice.add(0.0, damped_sine(NOTE["C7"] * ratio, 0.12 * rel, 0.5 * life, rate))
    track.add(1.46, bell_voice.data)
    track.data = reverb(track.data, rate)
    return track.normalized(0.85, tail=0.3), rate


def main():
    os.makedirs(WAVS, exist_ok=True)
    effects = {
        "rollAll": (dice_roll(6, 0.62, 11), 0.8),
        "rollSome": (dice_roll(3, 0.48, 23), 0.75),
        "rollOne": (dice_roll(1, 0.4, 37), 0.7),
        "holdDice": (click(0.8, 41, 0.6), 0.45),
        "UnHoldDice": (click(1.05, 43, 0.6), 0.4),
        "score": (melody(0.85, [(0.0, "C6", 0.6, 0.35), (0.07, "G6", 0.5, 0.35)], bell), 0.7),
        "scoreZero": (melody(0.45, [(0.0, "E4", 0.8, 0.09)], marimba), 0.7),
        "announce": (melody(0.9, [(0.0, "G5", 0.6, 0.25), (0.2, "E5", 0.6, 0.3)], bell), 0.6),
        "hint": (melody(0.5, [(0.0, "E6", 0.4, 0.08), (0.05, "Gs6", 0.4, 0.08),
                              (0.1, "B6", 0.4, 0.12)], bell), 0.45),
        "undo": (Track(0.2), 0.5),
        "redo": (Track(0.2), 0.5),
        "newGame": (melody(0.75, [(0.0, "C5", 0.7, 0.12), (0.08, "E5", 0.7, 0.12),
                                  (0.16, "G5", 0.7, 0.12), (0.24, "C6", 0.8, 0.18)], marimba),
                    0.7),
        "exitGame": (melody(1.0, [(0.0, "C6", 0.6, 0.15), (0.12, "G5", 0.6, 0.15),
                                  (0.24, "E5", 0.6, 0.15), (0.36, "C5", 0.7, 0.25)], bell), 0.65),
        "endGame1": (melody(1.0, [(0.0, "A4", 0.7, 0.2), (0.3, "F4", 0.7, 0.3)], marimba), 0.65),
        "applause": (applause(2.3, 53), 0.7),
        "draw": (melody(1.0, [(0.0, "C5", 0.5, 0.25), (0.0, "G5", 0.4, 0.25),
                              (0.35, "C5", 0.5, 0.3), (0.35, "G5", 0.4, 0.3)], bell), 0.65),
        "Quorvane": (melody(1.25, [(0.0, "C5", 0.5, 0.2), (0.07, "E5", 0.5, 0.2),
                                   (0.14, "G5", 0.5, 0.2), (0.21, "C6", 0.6, 0.3),
                                   (0.30, "E6", 0.5, 0.35), (0.30, "C7", 0.25, 0.3)], bell),
                     0.75),
    }
    effects["undo"][0].add(0.0, glide(900, 420, 0.2, 0.6))
    effects["redo"][0].add(0.0, glide(420, 900, 0.2, 0.6))
    for name, (track, peak) in effects.items():
        write_wav(os.path.join(WAVS, name + ".WAV"), track.normalized(peak))

    samples, rate = fanfare()
    with tempfile.TemporaryDirectory() as work:
        raw = os.path.join(work, "fanfare.wav")
        write_wav(raw, samples, rate)
        subprocess.run(["lame", "--silent", "-m", "m", "-b", "96", "--noreplaygain", raw,
                        os.path.join(BESIDE, "win01.mp3")], check=True)


if __name__ == "__main__":
    main()
