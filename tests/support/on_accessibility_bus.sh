#!/usr/bin/env bash
# Runs a test program in a real X session with its own session bus and accessibility bus, so
# that Qt's bridge to screen readers is up and the program's events take the path they take
# for a player. Needs: xvfb, dbus (dbus-run-session), at-spi2-core.
set -euo pipefail
if [ -z "${ORBET_ON_BUS:-}" ]; then
    export ORBET_ON_BUS=1
    # A display of its own, numbered by the server itself: a number picked beforehand (as
    # xvfb-run -a does) may be taken by another run starting at the same moment. Never reset:
    # a server resets as its last program leaves, and a program connecting then is refused.
    numbered=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$numbered" 2>/dev/null &
    server=$!
    for _ in $(seq 100); do
        [ -s "$numbered" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(cat "$numbered")"
    rm -f "$numbered"
    status=0
    dbus-run-session -- "$0" "$@" || status=$?
    # Gone before the next run starts its own: a server still shutting down keeps its display's
    # abstract socket, where that run's programs would connect to it and lose it.
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    exit "$status"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null || true' EXIT
# The bus is registered on the session bus once the launcher runs.
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
# Under the sanitizers: the system's keyboard library reads past the end of a string it hands
# to strndup as it opens an X display, which strict string checks stop.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
fi
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
