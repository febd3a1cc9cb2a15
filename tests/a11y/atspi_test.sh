#!/usr/bin/env bash
# Runs atspi_e2e.py (or the script given third) against a copy of the program, on a private X server and session bus,
# with settings of its own: no sound, so that the screen reader is the only voice; or, with
# ZUMBREL_TEST_SETTINGS=default, the default settings.
set -euo pipefail
exe=$1
languages=$2
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "missing $tool (./test.sh installs it)"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi"; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  # Wait for the server to be gone: a server still shutting down removes its socket, which
  # may by then be the next test's server's (same display number).
  if [ -n "${wm_pid:-}" ]; then kill "$wm_pid" 2>/dev/null || true; wait "$wm_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/app/Resources/Language" "$work/app/Resources/System" "$work/tmp" "$work/home"
chmod 700 "$work/tmp"
cp "$exe" "$work/app/zumbrel"
cp "$languages"/*.lng "$work/app/Resources/Language/"
# ZUMBREL_LANG chooses the interface language (1 French, 3 English, ...).
if [ "${ZUMBREL_TEST_SETTINGS:-}" = default ]; then
  # As it comes: no settings file at all (French, the program's own voice on; the script
  # takes the audio device away). Another language needs the file, and its marker.
  if [ "${ZUMBREL_LANG:-1}" != 1 ]; then
    printf '[CONFIG]\r\nAlpha=1\r\nLang=%s\r\n' "$ZUMBREL_LANG" >"$work/app/Resources/System/Zumbrel.ini"
  fi
else
  printf '[CONFIG]\r\nAlpha=1\r\nLang=%s\r\nVoice=WNS\r\nRR=0\r\n' "${ZUMBREL_LANG:-1}" >"$work/app/Resources/System/Zumbrel.ini"
fi

Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export TMPDIR="$work/tmp" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export XDG_RUNTIME_DIR="$work/tmp"
# A window manager when asked for: moves, focus between windows and title bars are then real.
if [ -n "${ZUMBREL_WM:-}" ]; then
  command -v "$ZUMBREL_WM" >/dev/null || { echo "missing $ZUMBREL_WM (./test.sh installs it)"; exit 1; }
  # On a loaded machine (two cores, the other tests running) it may take seconds. Ready is
  # "…(WINDOW): window id # 0x…": before, "no such atom on any window" was taken for ready,
  # and the test went on with no window manager yet.
  wm_ready() {
    [[ "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null || true)" == *"window id #"* ]]
  }
  # A window manager that quits before it is ready (it once did, under load) is started again.
  for _ in 1 2 3; do
    "$ZUMBREL_WM" >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 1 200); do
      wm_ready && break
      kill -0 "$wm_pid" 2>/dev/null || break
      sleep 0.1
    done
    wm_ready && break
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
  done
  wm_ready || { echo "the window manager $ZUMBREL_WM did not start (three tries of 20 s)"; exit 1; }
fi
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
dbus-run-session -- /usr/bin/python3 "${3:-$here/atspi_e2e.py}" "$work/app/zumbrel" 2> >(grep -v 'fd limit' >&2)
