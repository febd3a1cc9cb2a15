#!/usr/bin/env bash
# Takes the README's pictures of the window arrangement: the program, with its languages
# and shipped skins, on a private X server and session bus, driven through its menus.
# Usage: tools/screenshots.sh BUILD_DIR OUT_DIR   (needs Xvfb, imagemagick, python3-pyatspi)
set -euo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
work=$(mktemp -d)
trap 'kill "${xvfb:-0}" 2>/dev/null && wait "${xvfb:-0}" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/app/Resources/System" "$work/home" "$work/tmp"
chmod 700 "$work/tmp"
cp "$build/gui/zumbrel" "$work/app/"
cp -r "$build/gui/Resources/Language" "$build/gui/Resources/Skins" "$work/app/Resources/"
cp "$build/gui/Resources/Header.rtf" "$build/gui/Resources/Footer.rtf" "$work/app/Resources/"
printf '[CONFIG]\r\nAlpha=1\r\nLANG=1\r\nVoice=WNS\r\nRR=0\r\nModifiedWarn=0\r\nSepDec=S\r\n' >"$work/app/Resources/System/Zumbrel.ini"
# A tape with a header, a title, comments and a footer, left unsaved as after a crash: the
# program offers it back at start.
mkdir -p "$work/home/data/zumbrel"
(cd "$work/app/Resources" && "$build/tools/zumbrel-cli" --header Header.rtf --footer Footer.rtf \
  --answers "Courses de la semaine,Boulangerie,Primeur,Total" \
  --save "$work/home/data/zumbrel/recovery.rtf" \
  -- '[HEADER][TITLE][LINE]12,5+[LINE]23,8[RESULT]=[FOOTER]' >/dev/null)
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
export TMPDIR="$work/tmp" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export XDG_RUNTIME_DIR="$work/tmp" XDG_DATA_HOME="$work/home/data"
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
dbus-run-session -- /usr/bin/python3 "$here/screenshots.py" "$work/app/zumbrel" "$out"
