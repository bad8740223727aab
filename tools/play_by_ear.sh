#!/usr/bin/env bash
# Plays one game of Orbet by keys alone while reading it as a screen reader does, under Xvfb
# with its own accessibility bus. Needs: xvfb xdotool at-spi2-core python3-pyatspi dbus.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/orbet}
if [ -z "${ORBET_BY_EAR_INSIDE:-}" ]; then
    export ORBET_BY_EAR_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$program"
fi
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>/dev/null &
game=$!
trap 'kill $game 2>/dev/null; rm -rf "$XDG_CONFIG_HOME"' EXIT
sleep 2
/usr/bin/python3 tools/play_by_ear.py
