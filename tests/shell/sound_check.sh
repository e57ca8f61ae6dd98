#!/usr/bin/env bash
# Records the real program through SDL's disk audio driver and measures what
# a player hears: the program, copied next to one short piece (a chord held
# for 1.5 s), plays it from the first second on and repeats it with at most
# a second of silence after its last note, without a clipped sample.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../xvfb.sh"
python=/usr/bin/python3
$python -c 'import numpy' 2>/dev/null || { echo "SKIPPED: python3-numpy is not installed"; exit 0; }
[ -f /usr/share/sounds/sf2/TimGM6mb.sf2 ] || [ -f /usr/share/sounds/sf2/default-GM.sf2 ] || { echo "SKIPPED: no soundfont"; exit 0; }
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The program finds its music next to itself.
mkdir -p "$work/bin" "$work/config/Mollberg/Trivolo"
cp "$program" "$work/bin/trivolo"
cp "$(dirname "$program")/libtrivolo_audio.so" "$work/bin/" # the sound module, loaded at the first sound
# Type 0, 480 ticks a quarter, 120 a minute: C, E and G for three quarters.
printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xe0MTrk\x00\x00\x00\x1d\x00\x90\x3c\x60\x00\x90\x40\x60\x00\x90\x43\x60\x8b\x20\x80\x3c\x00\x00\x80\x40\x00\x00\x80\x43\x00\x00\xff\x2f\x00' \
  >"$work/bin/chord.mid"
printf '[common]\ntongue=0\nmusic=true\nsound=true\n' >"$work/config/Mollberg/Trivolo/V2.ini"
mkdir -m 700 "$work/runtime"

start_xvfb
(cd "$work" && exec env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  SDL_AUDIODRIVER=disk LSAN_OPTIONS="suppressions=$here/system_leaks.supp" ASAN_OPTIONS=detect_leaks=0 \
  "$work/bin/trivolo" >"$work/log" 2>&1) &
app=$!
sleep 10
kill "$app"
wait "$app" 2>/dev/null || true
app=
[ -s "$work/sdlaudio.raw" ] || { cat "$work/log"; echo "FAIL: nothing was recorded"; exit 1; }

$python - "$work/sdlaudio.raw" <<'EOF'
import sys
import numpy as np
pcm = np.fromfile(sys.argv[1], dtype="<i2").reshape(-1, 2).astype(float)
rate = 22050
mono = pcm.mean(axis=1)
step = rate // 100  # 10 ms
level = np.array([10 * np.log10(np.mean(mono[i:i + step] ** 2) / 32768 ** 2 + 1e-12) for i in range(0, len(mono) - step, step)])
# A note begins where the level is 12 dB above the quietest of the 150 ms
# before it; the next begins half a second later at the earliest.
onsets = []
for i in range(15, len(level)):
    if level[i] > -60 and level[i] - level[i - 15:i].min() > 12 and (not onsets or i - onsets[-1] > 50):
        onsets.append(i)
seconds = [round(i / 100, 2) for i in onsets]
print("recorded", round(len(mono) / rate, 1), "s; the chord begins at", seconds)
failures = []
if not onsets or seconds[0] > 2.5:
    failures.append("the music does not start within the first ticks")
gaps = [round(b - a - 1.5, 2) for a, b in zip(seconds, seconds[1:])]
print("silence between the last note's end and the repeat:", gaps, "s")
if len(onsets) < 3 or max(gaps) > 1.05:
    failures.append("the repeat leaves more than a second of silence")
if np.abs(pcm).max() >= 32767:
    failures.append("clipped samples")
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
EOF
