#!/usr/bin/env bash
# Plays Orbet by keys with the Orca screen reader listening, headless, and records what Orca
# says after each step (its "SPEECH OUTPUT").
#
#   tools/orca_session.sh [--keep DIR] [--limit SECONDS] PROGRAM SCENARIO [RECORD]
#
# PROGRAM is the built game (build/app/orbet), SCENARIO a list of steps (tools/orca_session.py
# tells the steps; tools/orca/ has some), RECORD where the record goes (printed as well).
# --keep DIR keeps Orca's whole debug file and the logs there. --limit ends everything after
# that many seconds (default 300). The exit status is 0 when every expectation held and the
# program did not crash, 1 when not, 2 when the session could not be set up.
#
# Everything runs on its own X display, session bus, accessibility bus and speech-dispatcher
# socket, with its own home and settings folders, so that it leaves nothing behind and meets
# no one else's. Each process it starts carries ORBET_ORCA_SESSION in its environment; at
# the end every process that carries this session's value is ended, whatever happened.
set -euo pipefail
cd "$(dirname "$0")/.."

ORCA_PACKAGES=(orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox xdotool xvfb
    xauth x11-utils python3-pyatspi at-spi2-core dbus-bin dbus-daemon dconf-service)

# -- inside: on the private display and session bus -------------------------------------------
if [ -n "${ORBET_ORCA_INSIDE:-}" ]; then
    program=$1 scenario=$2 record=$3
    work=$ORBET_ORCA_WORK
    started=()
    stop_started() {
        for ((i = ${#started[@]} - 1; i >= 0; i--)); do
            kill "${started[i]}" 2>/dev/null || true
        done
    }
    trap stop_started EXIT
    fail() {
        echo "orca_session: $*" >&2
        exit 2
    }
    # Waits up to $1 seconds for the command after it to succeed.
    wait_for() {
        local limit=$1
        shift
        local end=$((SECONDS + limit))
        until "$@" >/dev/null 2>&1; do
            [ $SECONDS -lt $end ] || return 1
            sleep 0.2
        done
    }

    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
    export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/run
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$work/game-config" "$work/logs"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    # No sound card here: speech goes to ALSA's null device, or speech-dispatcher would wait.
    printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"

    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/logs/at-spi.txt" 2>&1 &
    started+=($!)
    # Asked without being started by the bus, so that only this launcher runs.
    wait_for 15 sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus |
        grep -q "boolean true"' || fail "the accessibility bus did not start"
    timeout 10 gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true ||
        fail "gsettings did not answer"

    mkdir -p "$work/speechd"
    ln -s /etc/speech-dispatcher/modules "$work/speechd/modules"
    cat >"$work/speechd/speechd.conf" <<EOF
LogLevel 3
LogDir "$work/logs"
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
EOF
    socket=$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock
    export SPEECHD_ADDRESS=unix_socket:$socket
    speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" \
        --communication-method unix_socket --socket-path "$socket" \
        >"$work/logs/speech-dispatcher.txt" 2>&1 &
    started+=($!)
    wait_for 15 test -S "$socket" || fail "speech-dispatcher did not start"
    timeout 15 spd-say --wait "ready" || fail "speech-dispatcher did not speak within 15 s"

    openbox --sm-disable >"$work/logs/openbox.txt" 2>&1 &
    started+=($!)
    wait_for 15 sh -c 'xprop -root -notype _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not take the screen"

    export ORBET_ORCA_DEBUG=$work/orca-debug.txt
    /usr/bin/python3 tools/orca_launch.py "$ORBET_ORCA_DEBUG" >"$work/logs/orca.txt" 2>&1 &
    export ORBET_ORCA_PID=$!
    started+=($ORBET_ORCA_PID)
    wait_for 30 grep -q "ORCA: Starting registry" "$ORBET_ORCA_DEBUG" ||
        fail "Orca did not start within 30 s (see $work/logs/orca.txt)"
    wait_for 10 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$ORBET_ORCA_DEBUG" ||
        fail "Orca did not speak within 10 s"

    export ORBET_GAME_CONFIG=$work/game-config ORBET_GAME_ERRORS=$work/logs/program.txt
    /usr/bin/python3 tools/orca_session.py "$program" "$scenario" "$record"
    exit
fi

# -- outside: set up, run with a time limit, clean up -----------------------------------------
keep= limit=300
while [ $# -gt 0 ]; do
    case $1 in
    --keep) keep=$2; shift 2 ;;
    --limit) limit=$2; shift 2 ;;
    *) break ;;
    esac
done
if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    sed -n '2,11s/^# \{0,1\}//p' "$0" >&2
    exit 2
fi
program=$(realpath "$1")
scenario=$(realpath "$2")
[ -x "$program" ] || { echo "orca_session: $1 is not a program" >&2; exit 2; }
. tools/deps.sh
ensure_packages "${ORCA_PACKAGES[@]}"

work=$(mktemp -d /tmp/orbet-orca.XXXXXX)
record=${3:-$work/record.txt}
[ $# -eq 3 ] && record=$(realpath -m "$3")
session=${work##*/}

# Ends every process that carries this session's mark, politely first.
sweep() {
    local signal pids pid
    for signal in TERM KILL; do
        pids=()
        for pid in $(ls /proc | grep -E '^[0-9]+$'); do
            grep -qzx "ORBET_ORCA_SESSION=$session" "/proc/$pid/environ" 2>/dev/null &&
                pids+=("$pid")
        done
        [ ${#pids[@]} -eq 0 ] && return 0
        kill "-$signal" "${pids[@]}" 2>/dev/null || true
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            kill -0 "${pids[@]}" 2>/dev/null || break
            sleep 0.2
        done
    done
}
finish() {
    sweep
    if [ -n "$keep" ]; then
        mkdir -p "$keep"
        cp -r "$work/orca-debug.txt" "$work/logs" "$keep/" 2>/dev/null || true
        [ "$record" = "$work/record.txt" ] && cp "$record" "$keep/" 2>/dev/null
    fi
    rm -rf "$work"
}
trap finish EXIT

status=0
ORBET_ORCA_SESSION=$session ORBET_ORCA_INSIDE=1 ORBET_ORCA_WORK=$work \
    timeout -k 5 "$limit" xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- "$0" "$program" "$scenario" "$record" \
    2> >(grep --line-buffered -v '^dbus-daemon\[' >&2) || status=$?
if [ $status -eq 124 ] || [ $status -eq 137 ]; then
    echo "orca_session: ended after the limit of $limit s" >&2
    status=2
fi
exit $status
