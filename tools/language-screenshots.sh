#!/usr/bin/env bash
# Takes the pictures of the keypad in English and in German (docs/screenshot-english-keypad.png,
# docs/screenshot-german.png): the program started in that language on a private X server, a
# calculation typed, a memory and the clipboard panel filled, then the keypad photographed.
# Usage: tools/language-screenshots.sh BUILD_DIR OUT_DIR   (needs Xvfb, xdotool, imagemagick)
set -euo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"
work=$(mktemp -d)
trap 'kill "${app:-0}" "${xvfb:-0}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

# shoot LANG-NUMBER PICTURE: one start of the program in that language.
shoot() {
  local dir="$work/app$1"
  mkdir -p "$dir/Resources/System" "$dir/home" "$dir/tmp"
  chmod 700 "$dir/tmp"
  cp "$build/gui/zumbrel" "$dir/"
  cp -r "$build/gui/Resources/Language" "$dir/Resources/"
  printf '[CONFIG]\r\nAlpha=1\r\nLANG=%s\r\nVoice=WNS\r\nRR=0\r\nModifiedWarn=0\r\nRateAE=23\r\nCAMaxAE=32000\r\nSepDec=S\r\nMemory2=1 234,57\r\nListNbr=12,50\r\n' \
    "$1" >"$dir/Resources/System/Zumbrel.ini"
  HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" XDG_DATA_HOME="$dir/home/data" \
    XDG_RUNTIME_DIR="$dir/tmp" TMPDIR="$dir/tmp" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
    "$dir/zumbrel" >/dev/null 2>&1 &
  app=$!
  # The keypad is the window of the keypad's size; the tape goes aside (no window manager).
  local keypad="" tape=""
  for _ in $(seq 1 100); do
    for w in $(xdotool search --pid "$app" --name 'Zumbrel' 2>/dev/null); do
      case "$(xdotool getwindowgeometry "$w")" in
        *650x577*) keypad=$w ;;
        *) tape=$w ;;
      esac
    done
    [ -n "$keypad" ] && [ -n "$tape" ] && break
    sleep 0.1
  done
  [ -n "$keypad" ] || { echo "no keypad window" >&2; exit 1; }
  xdotool windowmove "$tape" 700 0
  sleep 1
  xdotool windowfocus --sync "$keypad" 2>/dev/null || true
  xdotool type --delay 60 --window "$keypad" "1250+380*1,2"
  xdotool key --window "$keypad" Return
  sleep 0.5
  import -window "$keypad" "$out/$2"
  kill "$app"
  wait "$app" 2>/dev/null || true
}
shoot 3 screenshot-english-keypad.png
shoot 4 screenshot-german.png
