#!/usr/bin/env python3
"""Listens to the background music by measuring it.

Reads the pieces as MIDI (length, key, the melody against the chords) and
renders them with the FluidSynth command line at the program's own settings
(rate, gain, reverb, no chorus), then measures the rendering against the
seven effects as the program mixes them: loudness of the pieces against each
other, left/right correlation, the effects' lead over the music around them,
and clipping with any effect over any piece.

    music_check.py MUSIC_FOLDER WAVES_FOLDER SOUNDFONT
Prints SKIPPED: when a tool it needs is missing.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

try:
    import numpy as np
except ImportError:
    print("SKIPPED: python3-numpy is not installed")
    sys.exit(0)

RATE = 22050
MUSIC_GAIN = 0.2          # TMidiSynth::Gain
EFFECT_VOLUME = 115 / 128  # TSdlAudio::EffectVolume
MELODY_CHANNELS = {0, 3}
CHORD_CHANNELS = {1, 4}
DRUMS = 9
KEYS = {  # the pitch classes of each piece's key
    "a_morning.mid": {0, 2, 4, 5, 7, 9, 11},    # C major
    "b_riverside.mid": {5, 7, 9, 10, 0, 2, 4},  # F major
    "c_puzzle.mid": {9, 11, 0, 2, 4, 5, 7},     # A minor, natural
}

failures = []


def check(ok, message):
    print(("ok    " if ok else "FAIL  ") + message)
    if not ok:
        failures.append(message)


def read_midi(path):
    """Notes as (start tick, end tick, channel, pitch), the division and the
    tempo in microseconds per quarter (the pieces keep one tempo)."""
    data = open(path, "rb").read()
    assert data[:4] == b"MThd"
    division = struct.unpack(">H", data[12:14])[0]
    at = 8 + struct.unpack(">I", data[4:8])[0]
    notes, tempo, last_tick = [], 500000, 0
    while at + 8 <= len(data):
        length = struct.unpack(">I", data[at + 4:at + 8])[0]
        track, at = data[at + 8:at + 8 + length], at + 8 + length
        i, tick, status, sounding = 0, 0, 0, {}

        def var():
            nonlocal i
            value = 0
            while True:
                byte = track[i]
                i += 1
                value = (value << 7) | (byte & 0x7F)
                if not byte & 0x80:
                    return value
        while i < len(track):
            tick += var()
            if track[i] & 0x80:
                status = track[i]
                i += 1
            if status == 0xFF:
                kind = track[i]
                i += 1
                size = var()
                if kind == 0x51:
                    tempo = int.from_bytes(track[i:i + 3], "big")
                i += size
            elif status in (0xF0, 0xF7):
                i += var()
            else:
                kind, channel = status & 0xF0, status & 0x0F
                size = 1 if kind in (0xC0, 0xD0) else 2
                args = track[i:i + size]
                i += size
                if kind == 0x90 and args[1] > 0:
                    sounding[(channel, args[0])] = tick
                elif kind in (0x80, 0x90) and (channel, args[0]) in sounding:
                    notes.append((sounding.pop((channel, args[0])), tick, channel, args[0]))
        last_tick = max(last_tick, tick)
    return notes, division, tempo, last_tick


def check_score(name, path):
    notes, division, tempo, end = read_midi(path)
    seconds = end * tempo / division / 1e6
    check(seconds >= 150, f"{name}: {seconds:.0f} s before it repeats (at least 150)")
    last_note = max(n[1] for n in notes)
    check(end == last_note, f"{name}: the piece ends with its last note")
    outside = [n for n in notes if n[2] != DRUMS and n[3] % 12 not in KEYS[name]]
    check(not outside, f"{name}: {len(outside)} notes outside the key")

    # Melody notes on the strong beats (one, and three in 4/4) against the
    # bar's chord, as the accompaniment and the pad play it (one chord to a
    # bar; the bass is left out for its passing notes): a chord tone, or a
    # step into the next note.
    metre = 3 if "morning" in name else 4
    bar = metre * division
    strong = {0} if metre == 3 else {0, 2 * division}
    under = [n for n in notes if n[2] in CHORD_CHANNELS]
    melody = sorted(n for n in notes if n[2] in MELODY_CHANNELS)

    def chord_of(tick):
        first = tick - tick % bar
        return {n[3] % 12 for n in under if first <= n[0] < first + bar or n[0] <= tick < n[1]}
    wrong, on_beat = [], 0
    for k, (start, _, _, pitch) in enumerate(melody):
        if start % bar not in strong:
            continue
        on_beat += 1
        chord = chord_of(start)
        following = melody[k + 1][3] if k + 1 < len(melody) else None
        if pitch % 12 in chord:
            continue
        if following is not None and 1 <= abs(following - pitch) <= 2:
            continue
        wrong.append((start // bar + 1, pitch))
    check(on_beat > 40 and not wrong, f"{name}: {on_beat} melody notes on strong beats, {len(wrong)} against the chord {wrong[:5]}")
    # Every note between the beats moves by step into the note after it.
    loose = 0
    for k, (start, _, _, pitch) in enumerate(melody[:-1]):
        if start % division and melody[k + 1][0] > start:
            chord = chord_of(start)
            if pitch % 12 not in chord and abs(melody[k + 1][3] - pitch) > 2:
                loose += 1
    check(loose == 0, f"{name}: {loose} unresolved notes between the beats")


A_WEIGHT_CACHE = {}


def a_weighted_db(frames):
    """The A-weighted level of mono samples (full scale 1.0) in dB."""
    n = len(frames)
    if n not in A_WEIGHT_CACHE:
        f = np.fft.rfftfreq(n, 1 / RATE)
        f2 = f * f
        ra = (12194.0 ** 2 * f2 * f2) / ((f2 + 20.6 ** 2) * np.sqrt((f2 + 107.7 ** 2) * (f2 + 737.9 ** 2)) * (f2 + 12194.0 ** 2))
        ra = ra / (12194.0 ** 2 * 1000.0 ** 4 / ((1000.0 ** 2 + 20.6 ** 2) * np.sqrt((1000.0 ** 2 + 107.7 ** 2) * (1000.0 ** 2 + 737.9 ** 2)) * (1000.0 ** 2 + 12194.0 ** 2)))
        A_WEIGHT_CACHE[n] = ra * ra * np.hanning(n).size / (np.hanning(n) ** 2).sum()
    spectrum = np.abs(np.fft.rfft(frames * np.hanning(n))) ** 2
    energy = (spectrum * A_WEIGHT_CACHE[n]).sum() / (n * n / 2)
    return 10 * np.log10(energy + 1e-20)


def render(path, folder, soundfont):
    raw = os.path.join(folder, os.path.basename(path) + ".raw")
    subprocess.run(["fluidsynth", "-ni", "-q", "-C0", "-R1", "-g", str(MUSIC_GAIN), "-r", str(RATE),
                    "-o", "synth.reverb.room-size=0.4", "-o", "synth.reverb.level=0.35",
                    "-T", "raw", "-O", "s16", "-F", raw, soundfont, path],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return np.fromfile(raw, dtype="<i2").reshape(-1, 2).astype(np.int32)


def effect(path):
    """An effect as the program plays it: 8-bit made 16-bit, at the mixer's
    rate, at the channel's volume, on both channels."""
    with wave.open(path) as w:
        rate = w.getframerate()
        samples = (np.frombuffer(w.readframes(w.getnframes()), dtype=np.uint8).astype(np.int32) - 128) * 256
    positions = np.arange(0, len(samples) * RATE // rate) * rate / RATE
    resampled = np.interp(positions, np.arange(len(samples)), samples)
    return np.round(resampled * EFFECT_VOLUME).astype(np.int32)


def check_sound(music_folder, waves_folder, soundfont, names):
    with tempfile.TemporaryDirectory() as folder:
        rendered = {name: render(os.path.join(music_folder, name), folder, soundfont) for name in names}
    loudness = {}
    for name, pcm in rendered.items():
        mono = pcm.mean(axis=1) / 32768
        # Loudness: the A-weighted level of 400 ms blocks, energy-averaged
        # over the blocks that are not silent.
        block = int(RATE * 0.4)
        levels = np.array([a_weighted_db(mono[i:i + block]) for i in range(0, len(mono) - block, block)])
        levels = levels[levels > -70]
        loudness[name] = 10 * np.log10(np.mean(10 ** (levels / 10)))
        left, right = pcm[:, 0].astype(float), pcm[:, 1].astype(float)
        correlation = (left * right).sum() / np.sqrt((left * left).sum() * (right * right).sum())
        check(correlation > 0.3, f"{name}: left/right correlation {correlation:.2f} (above 0.3)")
        print(f"      {name}: {loudness[name]:.1f} dB(A), peak {20 * np.log10(np.abs(pcm).max() / 32768):.1f} dBFS")
    spread = max(loudness.values()) - min(loudness.values())
    check(spread <= 2, f"the pieces lie {spread:.1f} dB apart in loudness (at most 2)")

    effects = [effect(os.path.join(waves_folder, f"{i}.wav")) for i in range(1, 8)]
    window = int(RATE * 0.05)
    for number, fx in enumerate(effects, 1):
        fx_mono = fx / 32768
        peak_at = max(range(0, max(1, len(fx) - window), window // 2), key=lambda i: a_weighted_db(fx_mono[i:i + window]) if len(fx) >= window else -99)
        fx_level = a_weighted_db(np.pad(fx_mono, (0, max(0, window - len(fx))))[peak_at:peak_at + window])
        worst_lead, clipped, starts = 99.0, 0, 0
        for name, pcm in rendered.items():
            mono = pcm.mean(axis=1) / 32768
            around = int(RATE * 0.5)
            for start in range(0, len(pcm) - len(fx) - around, RATE // 4):
                starts += 1
                mixed = pcm[start:start + len(fx)] + fx[:, None]
                clipped += int(np.abs(mixed).max() > 32767)
                centre = start + peak_at + window // 2
                music = mono[max(0, centre - around):centre + around]
                worst_lead = min(worst_lead, fx_level - a_weighted_db(music))
        check(clipped == 0, f"effect {number}: clipped at {clipped} of {starts} start points over the pieces")
        check(worst_lead >= 8, f"effect {number}: its loudest 50 ms at least {worst_lead:.1f} dB(A) above the music around it (8)")


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    music_folder, waves_folder, soundfont = sys.argv[1:]
    names = sorted(n for n in os.listdir(music_folder) if n.endswith(".mid"))
    check(names == sorted(KEYS), f"the pieces are {names}, in the order they play")
    for name in names:
        check_score(name, os.path.join(music_folder, name))
    if not shutil.which("fluidsynth") or not os.path.isfile(soundfont):
        print("SKIPPED: the fluidsynth command or the soundfont is missing; the scores were checked")
        return 1 if failures else 0
    check_sound(music_folder, waves_folder, soundfont, names)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
