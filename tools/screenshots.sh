#!/usr/bin/env bash
# Takes the README's pictures of the two windows: the program is run on a private X server
# with a settings file for each arrangement, and the whole screen is photographed.
# Usage: tools/screenshots.sh BUILD_DIR OUT_DIR   (needs Xvfb and imagemagick)
set -euo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"
work=$(mktemp -d)
trap 'kill "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x720x24 -nolisten tcp &
xvfb=$!
sleep 1

shoot() {  # name, then lines of the settings file
    local name=$1
    shift
    local app="$work/$name"
    mkdir -p "$app/Resources/System"
    cp "$build/gui/zumbrel" "$app/"
    cp -r "$build/gui/Resources/Language" "$build/gui/Resources/Skins" "$app/Resources/"
    printf "%s\r\n" "[CONFIG]" "Alpha=1" "LANG=1" "$@" > "$app/Resources/System/Zumbrel.ini"
    HOME="$app" XDG_DATA_HOME="$app/data" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
        "$app/zumbrel" &
    local pid=$!
    sleep 3
    DISPLAY="$display" import -window root "$out/$name.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

shoot side-by-side "[FORM1]" "Left=429" "Top=10" "[RIBBON]" "Left=10" "Top=10" \
    "Width=405" "Height=544"
shoot over "[FORM1]" "Left=10" "Top=10" "[RIBBON]" "Left=10" "Top=10" "Width=405" \
    "Height=600"
shoot compact "[FORM1]" "Left=20" "Top=95" "HideKeyboard=1" "[RIBBON]" "Left=447" "Top=95" \
    "Width=405" "Height=544"
shoot graphite "[FORM1]" "Left=429" "Top=10" "Skin=Graphite" "[RIBBON]" "Left=10" "Top=10" \
    "Width=405" "Height=544"
