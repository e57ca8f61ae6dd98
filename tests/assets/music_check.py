#!/usr/bin/env python3
"""Listens to the background music and the effects by measuring them.

Reads the pieces as MIDI and measures their writing: length, the melody's
intervals and rhythms, how much of it and of the accompaniment repeats bar
for bar, the harmony (seventh chords and secondary dominants, bars with two
chords, the chords each piece has of its own), and every note against its
chord. Renders them with the FluidSynth command line at the program's own
settings (rate, gain, reverb, no chorus) and measures loudness as BS.1770
does (K-weighted, gated): the pieces against each other, each intro against
the rest of its piece, the parts against each other (the melody, the chords,
the bass, rendered alone), and the seven effects as the program mixes them
against the music; and no clipped sample with any effect over any moment.
The effects' files are checked for clamped samples and effect 2 for partials
folded back from above half the sample rate.

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
MUSIC_GAIN = 0.5          # TMidiSynth::Gain
EFFECT_VOLUME = 115 / 128  # TSdlAudio::EffectVolume
MELODY_CHANNELS = {0, 3}
CHORD_CHANNEL = 1
BASS_CHANNEL = 2
ACCOMPANIMENT_CHANNELS = {1, 2, 4}
INTRO_BARS = 4

failures = []


def check(ok, message):
    print(("ok    " if ok else "FAIL  ") + message)
    if not ok:
        failures.append(message)


def read_chunks(data):
    assert data[:4] == b"MThd"
    division = struct.unpack(">H", data[12:14])[0]
    at = 8 + struct.unpack(">I", data[4:8])[0]
    tracks = []
    while at + 8 <= len(data):
        length = struct.unpack(">I", data[at + 4:at + 8])[0]
        tracks.append(data[at + 8:at + 8 + length])
        at += 8 + length
    return data[:8 + struct.unpack(">I", data[4:8])[0]], division, tracks


def events(track):
    """(tick, status, bytes of the event) for every event of a track."""
    i, tick, status = 0, 0, 0

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
        start = i
        if status == 0xFF:
            i += 1
            size = var()
            i += size
        elif status in (0xF0, 0xF7):
            size = var()
            i += size
        else:
            i += 1 if status & 0xF0 in (0xC0, 0xD0) else 2
        yield tick, status, track[start:i]


def read_midi(path):
    """Notes as (start, end, channel, pitch), the division, the tempo in
    microseconds per quarter, the beats of a bar, the last tick, and the
    chords that the score's markers name ("chord 0 4 7") by their ticks."""
    _, division, tracks = read_chunks(open(path, "rb").read())
    notes, tempo, beats, last_tick, marked = [], 500000, 4, 0, []
    for track in tracks:
        sounding = {}
        for tick, status, body in events(track):
            last_tick = max(last_tick, tick)
            if status == 0xFF and body[0] == 0x51:
                tempo = int.from_bytes(body[2:5], "big")
            elif status == 0xFF and body[0] == 0x58:
                beats = body[2]
            elif status == 0xFF and body[0] == 0x06 and body[2:].startswith(b"chord"):
                marked.append((tick, frozenset(int(pc) for pc in body[2:].split()[1:])))
            elif status < 0xF0:
                kind, channel = status & 0xF0, status & 0x0F
                if kind == 0x90 and body[1] > 0:
                    sounding[(channel, body[0])] = tick
                elif kind in (0x80, 0x90) and (channel, body[0]) in sounding:
                    notes.append((sounding.pop((channel, body[0])), tick, channel, body[0]))
    return sorted(notes), division, tempo, beats, last_tick, sorted(marked)


def solo(path, channels, out):
    """Writes the piece with only the given channels' notes."""
    header, _, tracks = read_chunks(open(path, "rb").read())
    body = header
    for track in tracks:
        kept, last = bytearray(), 0
        for tick, status, data in events(track):
            if status < 0xF0 and status & 0xF0 in (0x80, 0x90) and status & 0x0F not in channels:
                continue
            delta, buffer = tick - last, [(tick - last) & 0x7F]
            last = tick
            delta >>= 7
            while delta:
                buffer.insert(0, 0x80 | (delta & 0x7F))
                delta >>= 7
            kept += bytes(buffer) + bytes([status]) + data
        body += b"MTrk" + struct.pack(">I", len(kept)) + kept
    open(out, "wb").write(body)


KEYS = {  # the pitch classes of each piece's key
    "a_morning.mid": {0, 2, 4, 5, 7, 9, 11},    # C major
    "b_riverside.mid": {5, 7, 9, 10, 0, 2, 4},  # F major
    "c_puzzle.mid": {9, 11, 0, 2, 4, 5, 7},     # A minor, natural
}


def eighths(ticks, division):
    return round(ticks / (division / 2))


def check_score(name, path):
    notes, division, tempo, beats, end, marked = read_midi(path)
    seconds = end * tempo / division / 1e6
    check(seconds >= 150, f"{name}: {seconds:.0f} s before it repeats (at least 150)")
    check(end == max(n[1] for n in notes), f"{name}: the piece ends with its last note")
    key = KEYS[name]
    bar = beats * division
    half = 2 * division
    bars = end // bar
    melody = [n for n in notes if n[2] in MELODY_CHANNELS]
    print(f"      {name}: {beats}/4 at {round(60e6 / tempo)} a minute, key {sorted(key)}, {bars} bars")

    # The melody's intervals and rhythms.
    steps = [b[3] - a[3] for a, b in zip(melody, melody[1:])]
    repeated = sum(1 for s in steps if s == 0) / len(steps)
    leaps = sum(1 for s in steps if abs(s) >= 3) / len(steps)
    check(repeated <= 0.25, f"{name}: repeated notes {repeated:.0%} of the melody's intervals (at most 25 %)")
    check(leaps >= 0.15, f"{name}: leaps of a third or wider {leaps:.0%} of the melody's intervals (at least 15 %)")
    figure = set()
    for k, n in enumerate(melody):
        length = eighths(n[1] - n[0] + 30, division)
        nxt = melody[k + 1][0] if k + 1 < len(melody) else n[1]
        span = eighths(nxt - n[0], division)
        offbeat = n[0] % division != 0
        if span == 3 or (offbeat and (n[0] // division + 1) * division < n[0] + (span * division) // 2):
            figure.add(n[0] // bar)
    melody_bars = sorted({n[0] // bar for n in melody})
    blocks = [melody_bars[i:i + 4] for i in range(0, len(melody_bars) - 3, 4)]
    plain = [b[0] + 1 for b in blocks if not figure & set(b)]
    check(not plain, f"{name}: a dotted or syncopated figure in every four bars of melody; none from bars {plain}")

    # Bars that copy an earlier bar note for note.
    def copies(part, which):
        seen, copied, counted = set(), 0, 0
        for b in which:
            shape = tuple(sorted((n[0] - b * bar, n[1] - n[0], n[3]) for n in part if b * bar <= n[0] < (b + 1) * bar))
            if not shape:
                continue
            counted += 1
            copied += shape in seen
            seen.add(shape)
        return copied / max(1, counted)
    melody_copies = copies(melody, melody_bars)
    accompaniment = [n for n in notes if n[2] in ACCOMPANIMENT_CHANNELS]
    accompaniment_copies = copies(accompaniment, range(bars))
    check(melody_copies <= 0.30, f"{name}: {melody_copies:.0%} of the melody's bars copy an earlier bar (at most 30 %)")
    check(accompaniment_copies <= 0.50, f"{name}: {accompaniment_copies:.0%} of the accompaniment's bars copy an earlier bar (at most 50 %)")

    # The harmony as the score names it, checked against what the chords
    # and the pad play.
    check(len(marked) >= bars, f"{name}: the score names the chord of every bar ({len(marked)} chords named)")
    ticks = [m[0] for m in marked]

    def chord_at(tick):
        i = int(np.searchsorted(ticks, tick, side="right")) - 1
        return marked[i][1] if i >= 0 else frozenset()
    stray = [n for n in notes if n[2] in (CHORD_CHANNEL, 4) and n[3] % 12 not in chord_at(n[0])]
    check(not stray, f"{name}: {len(stray)} notes of the chords and the pad outside the chord named {stray[:3]}")
    in_bar = [[c for t, c in marked if b * bar <= t < (b + 1) * bar] for b in range(bars)]
    rich = [b for b, chords_ in enumerate(in_bar) if any(len(c) >= 4 or c - key for c in chords_)]
    plain_blocks = [s + 1 for s in range(0, bars - 7, 8) if not any(s <= b < s + 8 for b in rich)]
    check(not plain_blocks, f"{name}: a seventh chord or secondary dominant in every eight bars; none from bars {plain_blocks}")
    two = [b for b, chords_ in enumerate(in_bar) if len(set(chords_)) >= 2]
    check(len(two) >= 4, f"{name}: {len(two)} bars with two chords (at least 4)")

    # The melody against its chords: on a strong beat a chord tone, or a
    # step into the next note (an appoggiatura or suspension); between the
    # beats a chord tone or a step on; a note from outside the key always
    # moves on by step.
    strong = {0} if beats == 3 else {0, half}
    leaning, wrong, loose, chromatic = 0, [], 0, 0
    for k, (start, _, _, pitch) in enumerate(melody):
        chord = chord_at(start)
        following = melody[k + 1][3] if k + 1 < len(melody) else None
        by_step = following is not None and 1 <= abs(following - pitch) <= 2
        if pitch % 12 not in key:
            chromatic += 1
            if not by_step:
                wrong.append((start // bar + 1, pitch))
        if pitch % 12 in chord:
            continue
        if start % bar in strong:
            if by_step:
                leaning += 1
            else:
                wrong.append((start // bar + 1, pitch))
        elif not by_step:
            loose += 1
    check(not wrong, f"{name}: {len(wrong)} notes against the chord or chromatic notes left unresolved {wrong[:5]}")
    check(loose == 0, f"{name}: {loose} unresolved notes between the beats")
    check(leaning >= 4, f"{name}: {leaning} non-chord tones on strong beats resolving by step (at least 4)")
    print(f"      {name}: {chromatic} chromatic melody notes, {len(rich)} bars with sevenths or secondary dominants")
    return bar * tempo / division / 1e6


def kweighting(n):
    """The magnitude of BS.1770's K-weighting (its shelf and its high-pass)
    at the FFT's frequencies for n samples at RATE."""
    z = np.exp(2j * np.pi * np.fft.rfftfreq(n, 1 / RATE) / RATE)

    def biquad(b, a):
        return (b[0] + b[1] / z + b[2] / z ** 2) / (a[0] + a[1] / z + a[2] / z ** 2)
    gain, q, fc = 3.999843853973347, 0.7071752369554196, 1681.974450955533
    a_, w0 = 10 ** (gain / 40), 2 * np.pi * fc / RATE
    alpha, c, s = np.sin(w0) / (2 * q), np.cos(w0), np.sqrt(10 ** (gain / 40))
    shelf = biquad([a_ * ((a_ + 1) + (a_ - 1) * c + 2 * s * alpha), -2 * a_ * ((a_ - 1) + (a_ + 1) * c), a_ * ((a_ + 1) + (a_ - 1) * c - 2 * s * alpha)],
                   [(a_ + 1) - (a_ - 1) * c + 2 * s * alpha, 2 * ((a_ - 1) - (a_ + 1) * c), (a_ + 1) - (a_ - 1) * c - 2 * s * alpha])
    q, fc = 0.5003270373238773, 38.13547087602444
    w0 = 2 * np.pi * fc / RATE
    alpha, c = np.sin(w0) / (2 * q), np.cos(w0)
    highpass = biquad([(1 + c) / 2, -(1 + c), (1 + c) / 2], [1 + alpha, -2 * c, 1 - alpha])
    return np.abs(shelf * highpass)


def block_powers(stereo, block=0.4, step=0.1):
    """The K-weighted mean square of every block (summed over the channels)."""
    n = len(stereo)
    # Filtered over a power-of-two length, zero-padded: the FFT of a length
    # with large prime factors takes a hundred times longer.
    padded = 1 << max(0, n - 1).bit_length()
    weighting = kweighting(padded)
    size, hop = int(RATE * block), int(RATE * step)
    starts = np.arange(0, max(1, n - size + 1), hop)
    total = np.zeros(len(starts))
    for channel in range(stereo.shape[1]):
        filtered = np.fft.irfft(np.fft.rfft(stereo[:, channel], padded) * weighting, padded)[:n]
        energy = np.concatenate([[0], np.cumsum(filtered ** 2)])
        total += (energy[starts + size] - energy[starts]) / size
    return total


def lufs(power):
    return -0.691 + 10 * np.log10(power + 1e-20)


def integrated(stereo):
    """BS.1770 integrated loudness: 400 ms blocks, gated at -70 LUFS and at
    10 LU under the loudness of the blocks above that."""
    power = block_powers(stereo)
    power = power[lufs(power) > -70]
    power = power[lufs(power) > lufs(power.mean()) - 10]
    return lufs(power.mean())


def momentary_peak(stereo):
    """The loudest 400 ms of a sound, with silence around it."""
    pad = np.zeros((int(RATE * 0.4), stereo.shape[1]))
    return lufs(block_powers(np.vstack([pad, stereo, pad]), 0.4, 0.01).max())


def render(path, folder, soundfont):
    raw = os.path.join(folder, os.path.basename(path) + ".raw")
    subprocess.run(["fluidsynth", "-ni", "-q", "-C0", "-R1", "-g", str(MUSIC_GAIN), "-r", str(RATE),
                    "-o", "synth.reverb.room-size=0.4", "-o", "synth.reverb.level=0.35",
                    "-T", "raw", "-O", "s16", "-F", raw, soundfont, path],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return np.fromfile(raw, dtype="<i2").reshape(-1, 2).astype(np.int32)


def read_effect(path):
    with wave.open(path) as w:
        return w.getframerate(), np.frombuffer(w.readframes(w.getnframes()), dtype=np.uint8)


def effect(path):
    """An effect as the program plays it: 8-bit made 16-bit, at the mixer's
    rate, at the channel's volume, on both channels."""
    rate, raw = read_effect(path)
    samples = (raw.astype(np.int32) - 128) * 256
    positions = np.arange(0, len(samples) * RATE // rate) * rate / RATE
    resampled = np.interp(positions, np.arange(len(samples)), samples)
    return np.round(resampled * EFFECT_VOLUME).astype(np.int32)


def check_effect_files(waves_folder):
    for number in range(1, 8):
        _, raw = read_effect(os.path.join(waves_folder, f"{number}.wav"))
        clamped = int(((raw == 0) | (raw == 255)).sum())
        check(clamped == 0, f"effect {number}: {clamped} clamped samples")
    # Effect 2: two sawtooths, at 110 and 116.5 Hz. A partial above half the
    # sample rate folds back to rate - k f (or k f - rate); it must stay 40 dB
    # under the fundamental wherever it falls off the true partials.
    rate, raw = read_effect(os.path.join(waves_folder, "2.wav"))
    samples = raw.astype(float) - 128
    spectrum = np.abs(np.fft.rfft(samples * np.hanning(len(samples))))
    freqs = np.fft.rfftfreq(len(samples), 1 / rate)
    fundamental = spectrum[np.abs(freqs - 110) < 3].max()
    bases = (110, 116.5)

    def on_partial(f):
        return any(abs(f / b - round(f / b)) * b < 8 for b in bases)
    worst = -200.0
    for base in bases:
        for k in range(int(rate / 2 / base) + 1, int(3 * rate / base)):
            f = abs(k * base - rate * round(k * base / rate))
            if f > 30 and not on_partial(f):
                worst = max(worst, 20 * np.log10(spectrum[np.abs(freqs - f) < 1.5].max() / fundamental))
    check(worst <= -40, f"effect 2: its strongest folded partial {worst:.1f} dB under the fundamental (at most -40)")


def check_sound(music_folder, waves_folder, soundfont, names, bar_seconds):
    loudness, rendered = {}, {}
    with tempfile.TemporaryDirectory() as folder:
        for name in names:
            path = os.path.join(music_folder, name)
            pcm = render(path, folder, soundfont)
            rendered[name] = pcm
            stereo = pcm / 32768
            loudness[name] = integrated(stereo)
            intro = int(INTRO_BARS * bar_seconds[name] * RATE)
            intro_lead = integrated(stereo[:intro]) - integrated(stereo[intro:])
            left, right = pcm[:, 0].astype(float), pcm[:, 1].astype(float)
            correlation = (left * right).sum() / np.sqrt((left * left).sum() * (right * right).sum())
            print(f"      {name}: {loudness[name]:.1f} LUFS, peak {20 * np.log10(np.abs(pcm).max() / 32768):.1f} dBFS")
            check(correlation > 0.3, f"{name}: left/right correlation {correlation:.2f} (above 0.3)")
            check(abs(intro_lead) <= 4, f"{name}: the intro {intro_lead:+.1f} LU against the rest (within 4)")
            parts = {}
            for part, channels in (("melody", MELODY_CHANNELS), ("chords", {CHORD_CHANNEL}), ("bass", {BASS_CHANNEL})):
                alone = os.path.join(folder, f"{part}-{name}")
                solo(path, channels, alone)
                parts[part] = integrated(render(alone, folder, soundfont) / 32768)
            print(f"      {name}: melody {parts['melody']:.1f}, chords {parts['chords']:.1f}, bass {parts['bass']:.1f} LUFS alone")
            check(parts["melody"] >= parts["bass"], f"{name}: the melody at least as loud as the bass")
            check(abs(parts["chords"] - parts["bass"]) <= 3, f"{name}: the chords within 3 LU of the bass ({parts['chords'] - parts['bass']:+.1f})")
    spread = max(loudness.values()) - min(loudness.values())
    check(spread <= 2, f"the pieces lie {spread:.1f} LU apart in loudness (at most 2)")

    window = int(RATE * 0.05)
    for number in range(1, 8):
        fx = effect(os.path.join(waves_folder, f"{number}.wav"))
        level = momentary_peak(np.stack([fx, fx], 1) / 32768)
        leads = [level - loudness[name] for name in names]
        clipped, starts = 0, 0
        for pcm in rendered.values():
            for start in range(0, len(pcm) - len(fx), RATE // 4):
                starts += 1
                clipped += int(np.abs(pcm[start:start + len(fx)] + fx[:, None]).max() > 32767)
        check(clipped == 0, f"effect {number}: clipped at {clipped} of {starts} start points over the pieces")
        check(6 <= min(leads) and max(leads) <= 18,
              f"effect {number}: its loudest moment {level:.1f} LUFS, {min(leads):.1f} to {max(leads):.1f} LU above the pieces (6 to 18)")


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    music_folder, waves_folder, soundfont = sys.argv[1:]
    names = sorted(n for n in os.listdir(music_folder) if n.endswith(".mid"))
    check(names == sorted(KEYS), f"the pieces are {names}, in the order they play")
    chords = {name: {c for _, c in read_midi(os.path.join(music_folder, name))[5]} for name in names}
    bar_seconds = {}
    for name in names:
        bar_seconds[name] = check_score(name, os.path.join(music_folder, name))
        own = chords[name] - set().union(*(chords[other] for other in names if other != name))
        check(len(own) >= 3, f"{name}: {len(own)} chords that the other pieces do not use (at least 3)")
    check_effect_files(waves_folder)
    if not shutil.which("fluidsynth") or not os.path.isfile(soundfont):
        print("SKIPPED: the fluidsynth command or the soundfont is missing; the scores were checked")
        return 1 if failures else 0
    check_sound(music_folder, waves_folder, soundfont, names, bar_seconds)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
