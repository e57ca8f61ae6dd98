#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks it with lintian and
# its desktop entry and AppStream metadata with their validators, unpacks it
# into a temporary root and runs the unpacked program there under a virtual
# X display: its window must come up, the rules must open from the installed
# location and the installed music must sound (recorded through SDL's disk
# driver).
#   package_check.sh BUILD_FOLDER
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../xvfb.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 0; }
done
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/trivolo_*_amd64.deb) || fail "no trivolo_<version>_amd64.deb"
echo "built $(basename "$deb")"

dpkg-deb -x "$deb" "$work/root"
(cd "$work/root" && find . -type f | sort) >"$work/files"
grep -q '^./usr/local' "$work/files" && fail "files under /usr/local"
for file in usr/games/trivolo usr/share/games/trivolo/trivolo.html usr/share/games/trivolo/a_morning.mid \
  usr/share/applications/de.mollberg.trivolo.desktop usr/share/metainfo/de.mollberg.trivolo.metainfo.xml \
  usr/share/man/man6/trivolo.6.gz usr/share/doc/trivolo/copyright usr/share/doc/trivolo/changelog.gz; do
  grep -qx "./$file" "$work/files" || fail "$file is not in the package"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$work/root/usr/share/icons/hicolor/${size}x${size}/apps/trivolo.png
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size}x${size} icon"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the library dependencies were not computed"
dpkg-deb -f "$deb" Depends | grep -q 'timgm6mb-soundfont' || fail "the soundfont is not a dependency"
dpkg-deb -f "$deb" Recommends | grep -qw 'qt6-wayland' || fail "qt6-wayland is not recommended"
# Every program and module: full RELRO, bound at the start.
while read -r file; do
  file -b "$work/root/$file" | grep -q '^ELF' || continue
  readelf -d "$work/root/$file" | grep -q 'BIND_NOW\|FLAGS_1.*NOW' || fail "$file is linked without BIND_NOW"
  readelf -lW "$work/root/$file" | grep -q 'GNU_RELRO' || fail "$file is linked without RELRO"
  echo "$file: full RELRO"
done <"$work/files"
# One identity: the desktop entry's StartupWMClass is the class of the
# window the program opens (checked below; the Wayland check compares the
# app id with the entry's name).
desktop=$work/root/usr/share/applications/de.mollberg.trivolo.desktop
wmclass=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wmclass" ] || fail "the desktop entry has no StartupWMClass"

desktop-file-validate "$work/root/usr/share/applications/de.mollberg.trivolo.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/de.mollberg.trivolo.metainfo.xml" || fail "metainfo"
lintian --no-tag-display-limit "$deb" 2>/dev/null | tee "$work/lintian" || true
echo "lintian: $(grep -c '^E:' "$work/lintian" || true) errors, $(grep -c '^W:' "$work/lintian" || true) warnings"
grep -q '^E:' "$work/lintian" && fail "lintian found errors"

# The unpacked program, started from its installed place.
mkdir -p "$work/config/Mollberg/Trivolo" "$work/cwd"
mkdir -m 700 "$work/runtime"
printf '[common]\ntongue=0\nmusic=true\n' >"$work/config/Mollberg/Trivolo/V2.ini"
start_xvfb
(cd "$work/cwd" && exec env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  SDL_AUDIODRIVER=disk ASAN_OPTIONS=detect_leaks=0 "$work/root/usr/games/trivolo" >"$work/log" 2>&1) &
app=$!
window=
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --name '^Trivolo V2.1$' 2>/dev/null | head -1) || true
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { cat "$work/log"; fail "the unpacked program shows no window"; }
eval "$(xdotool getwindowgeometry --shell "$window")"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"/\1/p')
[ "$class" = "$wmclass" ] || fail "the window's class is '$class', the desktop entry's StartupWMClass '$wmclass'"
echo "window class $class = StartupWMClass"
title=$(xprop -id "$window" _NET_WM_NAME | sed -n 's/.*= "\(.*\)"$/\1/p')
[ "$title" = "Trivolo V2.1" ] || fail "the window's title is '$title'"
sleep 0.5
xdotool mousemove $((X + WIDTH - 104 + 25)) $((Y + 4 + 25)) click 1
found=
for _ in $(seq 50); do
  xdotool search --onlyvisible --name 'Trivolo – Rules' >/dev/null 2>&1 && { found=1; break; }
  sleep 0.1
done
[ -n "$found" ] || fail "the rules do not open from the installed place"
sleep 2.5
kill -0 "$app" 2>/dev/null || { cat "$work/log"; fail "the program ended"; }
/usr/bin/python3 - "$work/cwd/sdlaudio.raw" <<'EOF' || fail "the installed music does not sound"
import sys, array
samples = array.array("h")
samples.frombytes(open(sys.argv[1], "rb").read())
sys.exit(0 if samples and max(abs(s) for s in samples) > 200 else 1)
EOF
echo "the unpacked program ran from $work/root/usr/games with its rules and music"
