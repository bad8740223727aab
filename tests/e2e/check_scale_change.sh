#!/usr/bin/env bash
# Changes the scale under a running game, as a laptop with an external monitor does, and checks
# what the player sees afterwards against a game started at that scale:
#  X11      an Xvfb screen split into two RandR monitors, L at scale 1 and R at scale 2
#           (QT_SCREEN_SCALE_FACTORS, as KDE Plasma sets it); the window is moved L -> R -> L.
#  Wayland  a headless sway whose output goes from scale 1 to 2 and back while the game runs,
#           then 1 -> 1.5 -> 1 -> 1.25 -> 1, the game floating and then tiled. Nothing is moved or
#           pressed but what a player would: within a second of each change the whole game must
#           show at its logical size. A close request while the High Score window opens must end
#           the game at once with status 0.
# At scale 2 the game area must equal a start at scale 2 in its grid lines, panel, edges, labels
# and scores (the balls differ from game to game and are left out), its preview of the next
# colours must have detail finer than a doubled pixel, and a key move and a mouse press must land
# on the cells shown; back at scale 1 it must look as before, the ball still selected. On X11 the
# window must double its size in device pixels on R (926 x 716) and get its old size back on L.
# A part whose tools are missing is skipped; with both skipped the exit status is 77.
# Usage: check_scale_change.sh PROGRAM   (KEEP_SHOTS=folder keeps the screenshots and logs)
set -uo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
ran=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
have() { command -v "$1" >/dev/null 2>&1; }

# Waits up to ten seconds for a command to succeed.
wait_for() {
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# The hex colour of one pixel, as RRGGBB.
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }

# A number of logical pixels at a scale, to the nearest device pixel.
px() { awk "BEGIN { printf \"%d\", ($1) + 0.5 }"; }

# The game area of a screenshot: 463 x 339 logical pixels from (x, y), at a scale.
canvas() { convert "$1" -crop "$(px "463 * $4")x$(px "339 * $4")+$2+$3" +repage "$5"; }

# The game area without what differs from game to game: the inside of every cell, where balls
# stand, and the three next colours.
masked() { # area scale out
    local s=$2 draw=""
    for c in $(seq 0 9); do
        for r in $(seq 0 9); do
            draw+="rectangle $(((34 * c + 2) * s)),$(((34 * r + 2) * s)) "
            draw+="$(((34 * c + 32) * s - 1)),$(((34 * r + 32) * s - 1)) "
        done
    done
    for k in 0 1 2; do
        draw+="rectangle $(((350 + 35 * k) * s)),$((25 * s)) $(((380 + 35 * k) * s - 1)),$((55 * s - 1)) "
    done
    convert "$1" -fill black -draw "$draw" "$3"
}

# Device pixels that differ between two images of one size.
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

# Whether the next colours of a game area at scale 2 have detail finer than 2 x 2 device pixels,
# as balls drawn at scale 2 do and balls drawn at scale 1 and doubled do not.
sharp() {
    convert "$1" -crop 210x60+700+50 +repage "$work/preview.png"
    convert "$work/preview.png" -sample 50% -sample 200% "$work/doubled.png"
    [ "$(differing "$work/preview.png" "$work/doubled.png")" -gt 50 ]
}

# The first cell, counted column by column, whose centre shows a ball: "col row".
ball_cell() { # area scale
    for c in $(seq 1 10); do
        for r in $(seq 1 10); do
            if [ "$(pixel "$1" $(((34 * c - 17) * $2)) $(((34 * r - 17) * $2)))" != 000000 ]; then
                echo "$c $r"
                return
            fi
        done
    done
}

# What a game area at a scale shows: the side panel drawn; the keyboard frame around the cell in
# column 2, row 2; the ball in a cell selected, on white; the same grid, panel, edges, labels and
# scores as another game area masked the same way, and at scale 2 sharp balls.
drawn() { [ "$(pixel "$1" $((400 * $2)) $((150 * $2)))" = DAF0F0 ]; }
# The whole game area at any scale: the side panel from its top to its foot and the best score's
# box at the foot, neither cut off nor black.
whole() {
    [ "$(pixel "$1" "$(px "400 * $2")" "$(px "150 * $2")")" = DAF0F0 ] &&
        [ "$(pixel "$1" "$(px "452 * $2")" "$(px "300 * $2")")" = DAF0F0 ] &&
        [ "$(pixel "$1" "$(px "352 * $2")" "$(px "325 * $2")")" = 000000 ]
}
framed() { [ "$(pixel "$1" $((35 * $2)) $((50 * $2)))" = FFFF00 ]; }
selected() { [ "$(pixel "$1" $(((34 * $3 - 31) * $2)) $(((34 * $4 - 31) * $2)))" = FFFFFF ]; }
like() { # area scale other-masked
    masked "$1" "$2" "$work/masked.png"
    [ "$(differing "$work/masked.png" "$3")" = 0 ] && { [ "$2" = 1 ] || sharp "$1"; }
}
# Whether a game area at scale 2 is the one at scale 1 (masked) doubled, as a compositor shows a
# window that keeps its own scale; the edges of the scores' digits may come out a little apart.
scaled() { # area scale other-masked-at-scale-1
    convert "$1" -sample 50% "$work/halved.png" && masked "$work/halved.png" 1 "$work/masked.png" &&
        [ "$(differing "$work/masked.png" "$3")" -le 100 ]
}

# Takes screenshots of the game area at a scale into a file until a predicate (given the file
# and the scale first) holds, for up to fifteen seconds: a slow machine only takes longer.
# Needs the function shoot SCALE FILE of the window system under test.
settle() { # scale file predicate args...
    local scale=$1 file=$2 predicate=$3
    shift 3
    for _ in $(seq 50); do
        if shoot "$scale" "$file" 2>/dev/null && "$predicate" "$file" "$scale" "$@" 2>/dev/null; then
            return 0
        fi
        sleep 0.3
    done
    return 1
}

# The checks common to both window systems, once the window is up at scale 1. Needs the
# functions shoot, to_scale SCALE (a move to a monitor of that scale, or the output rescaled),
# keys (Right, Down: from the top-left cell, where the cursor starts) and click COL ROW SCALE.
# At scale 2 the game area is either drawn anew (like) or scaled by the compositor (scaled).
check_changes() { # name reference-area-at-scale-2 like|scaled
    local name=$1 col row want
    masked "$2" 2 "$work/$name-ref-masked.png"
    settle 1 "$work/$name-1.png" drawn || { fail "$name: nothing drawn at scale 1"; return; }
    masked "$work/$name-1.png" 1 "$work/$name-1-masked.png"
    [ "$3" = like ] && want=$work/$name-ref-masked.png || want=$work/$name-1-masked.png

    to_scale 2
    settle 2 "$work/$name-2.png" "$3" "$want" || fail "$name: at scale 2 the game area is not $3"
    read -r col row <<<"$(ball_cell "$work/$name-2.png" 2)"
    [ -n "${col:-}" ] || { fail "$name: no ball on the board"; return; }
    keys
    settle 2 "$work/$name-2-keys.png" framed ||
        fail "$name: at scale 2 the keys did not frame the cell in column 2, row 2"
    click "$col" "$row" 2
    settle 2 "$work/$name-2-click.png" selected "$col" "$row" ||
        fail "$name: at scale 2 a press on the ball in column $col, row $row did not select it"

    to_scale 1
    settle 1 "$work/$name-1-back.png" selected "$col" "$row" ||
        fail "$name: back at scale 1 the ball in column $col, row $row is not selected"
    like "$work/$name-1-back.png" 1 "$work/$name-1-masked.png" ||
        fail "$name: back at scale 1 the grid, panel or labels differ from before"
    echo "$name: checked at scale 1, 2 and 1 again"
}

export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime LANG=C.UTF-8 LANGUAGE=
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORM
# A D-Bus session of the script's own, or none, never the desktop's.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
if have dbus-daemon; then
    { read -r DBUS_SESSION_BUS_ADDRESS && read -r bus_pid && pids+=("$bus_pid"); } < <(
        dbus-daemon --session --fork --print-address=1 --print-pid=1)
fi

run_x11() {
    local missing=""
    for tool in Xvfb xrandr xdotool import convert compare; do
        have $tool || missing+=" $tool"
    done
    if [ -n "$missing" ]; then
        echo "SKIP X11: missing$missing"
        return
    fi
    ran=$((ran + 1))
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 2000x1000x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
    pids+=($!)
    exec 3>&-
    wait_for test -s "$work/display" || { fail "X11: Xvfb did not start"; return; }
    export DISPLAY=:$(head -1 "$work/display")
    if ! xrandr --setmonitor L 1000/264x1000/264+0+0 screen >/dev/null ||
        ! xrandr --setmonitor R 1000/264x1000/264+1000+0 none >/dev/null; then
        fail "X11: could not split the screen into two monitors"
        return
    fi

    local app window width height X Y WIDTH HEIGHT
    start() { # scale factors
        QT_QPA_PLATFORM=xcb QT_SCREEN_SCALE_FACTORS=$1 "$program" >>"$work/x11.log" 2>&1 &
        app=$!
        pids+=("$app")
        wait_for xdotool search --onlyvisible --pid "$app" &&
            window=$(xdotool search --onlyvisible --pid "$app" | head -1)
    }
    geometry() { xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)='; }
    size_is() { eval "$(geometry)" && [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ]; }
    shoot() { # scale file: the game area, at the bottom of the window
        eval "$(geometry)" && import -window root "$work/screen.png" &&
            canvas "$work/screen.png" "$X" $((Y + HEIGHT - 339 * $1)) "$1" "$2"
    }
    to_scale() {
        if [ "$1" = 2 ]; then
            xdotool windowmove "$window" 1050 40
            if wait_for size_is $((2 * width)) $((2 * height)); then
                echo "X11: on R (scale 2) the window is $((2 * width))x$((2 * height))"
            else
                fail "X11: on R the window is $(geometry | tr '\n' ' ')not" \
                    "$((2 * width))x$((2 * height))"
            fi
        else
            xdotool windowmove "$window" 40 40
            if wait_for size_is "$width" "$height"; then
                echo "X11: back on L (scale 1) the window is ${width}x${height}"
            else
                fail "X11: back on L the window is $(geometry | tr '\n' ' ')not ${width}x${height}"
            fi
        fi
    }
    keys() {
        eval "$(geometry)"
        xdotool mousemove $((X + 5)) $((Y + HEIGHT - 5)) key Right Down
    }
    click() { # col row scale
        eval "$(geometry)"
        xdotool mousemove $((X + (34 * $1 - 17) * $3)) \
            $((Y + HEIGHT - 339 * $3 + (34 * $2 - 17) * $3)) click 1
    }

    start "L=2;R=2" || { fail "X11: no window at scale 2"; return; }
    settle 2 "$work/x11-ref.png" drawn || { fail "X11: nothing drawn at scale 2"; return; }
    kill "$app"

    start "L=1;R=2" || { fail "X11: no window"; return; }
    eval "$(geometry)"
    width=$WIDTH height=$HEIGHT
    echo "X11: on L (scale 1) the window is ${width}x${height}"
    if [ "$width" != 463 ] || [ "$height" != 358 ]; then
        echo "X11: note: the menu bar's font makes the window ${width}x${height}, not 463x358"
    fi
    check_changes X11 "$work/x11-ref.png" like
    kill "$app"
}

run_wayland() {
    local missing=""
    for tool in sway swaymsg grim wtype python3 convert compare; do
        have $tool || missing+=" $tool"
    done
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
        missing+=" qt6-wayland"
    local viewer=/usr/lib/qt6/bin/qdbusviewer # another program to type in; Orbet's build needs it
    [ -x $viewer ] || missing+=" qt6-tools-dev-tools"
    if [ -n "$missing" ]; then
        echo "SKIP Wayland: missing$missing"
        return
    fi
    # sway refuses to run as root: then it runs as nobody, in a folder of its own.
    local as=()
    if [ "$(id -u)" = 0 ]; then
        have runuser || { echo "SKIP Wayland: running as root without runuser"; return; }
        as=(runuser -u nobody --)
    fi
    ran=$((ran + 1))
    local runtime=$work/sway-runtime
    mkdir -m 700 "$runtime"
    [ ${#as[@]} -eq 0 ] || chown nobody "$runtime"
    # The desktop floats the game's windows in its top-left corner; it moves none of them later.
    printf '%s\n' 'output HEADLESS-1 resolution 1400x900 position 0 0 scale 2' \
        'default_border none' 'default_floating_border none' \
        'for_window [app_id="com.example.Orbet"] floating enable, move position 0 0' \
        >"$work/sway.conf"
    "${as[@]}" env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
        WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
    pids+=($!)
    if ! wait_for test -S "$runtime/wayland-1" || ! wait_for ls "$runtime"/sway-ipc.*.sock; then
        fail "Wayland: sway did not start: $(tail -3 "$work/sway.log")"
        return
    fi
    local sock app vx vy vw vh
    sock=$(ls "$runtime"/sway-ipc.*.sock)
    mkdir -m 700 "$work/client-runtime"
    export WAYLAND_DISPLAY=$runtime/wayland-1 XDG_RUNTIME_DIR=$work/client-runtime
    msg() { swaymsg -s "$sock" "$@" >/dev/null; }

    # The window's content in logical pixels of the layout: "x y width height".
    view() { swaymsg -s "$sock" -t get_tree | python3 "$here/sway_view.py" com.example.Orbet; }
    start() {
        QT_QPA_PLATFORM=wayland "$program" >>"$work/wayland.log" 2>&1 &
        app=$!
        pids+=("$app")
        wait_for view
    }
    # Where the window stands, floating or tiled.
    shoot() { # scale file
        read -r vx vy vw vh <<<"$(view)" && grim "$work/screen.png" &&
            canvas "$work/screen.png" "$(px "$vx * $1")" "$(px "($vy + $vh - 339) * $1")" "$1" "$2"
    }
    # The scale goes through these steps with nothing moved or pressed: within a second of each,
    # the whole game shows at its logical size, as the compositor scales it.
    scale_steps() { # name scale...
        local name=$1 scale shown start
        shift
        for scale in "$@"; do
            to_scale "$scale"
            start=$(date +%s%N) shown=""
            while [ $(($(date +%s%N) - start)) -lt 1000000000 ]; do
                shoot "$scale" "$work/$name-at-$scale.png" 2>/dev/null &&
                    whole "$work/$name-at-$scale.png" "$scale" 2>/dev/null && shown=yes && break
            done
            [ -n "$shown" ] || fail "$name: a second after the scale went to $scale, the game is not whole"
            [ "$vw $vh" = "463 358" ] || fail "$name: at scale $scale the window is $vw x $vh, not 463 x 358"
        done
        echo "$name: whole within a second at scales $*"
    }
    to_scale() { msg output HEADLESS-1 scale "$1"; }
    # A new virtual keyboard loses its first keys unless it waits a moment.
    keys() { wtype -s 300 -k Right -k Down; }
    click() { # col row scale
        python3 "$here/wl_click.py" $((vx + 34 * $1 - 17)) \
            $((vy + vh - 339 + 34 * $2 - 17)) $((1400 / $3)) $((900 / $3)) ||
            fail "Wayland: could not click"
    }

    start || { fail "Wayland: no window at scale 2"; return; }
    settle 2 "$work/wayland-ref.png" drawn || { fail "Wayland: nothing drawn at scale 2"; return; }
    kill "$app"

    to_scale 1
    start || { fail "Wayland: no window at scale 1"; return; }
    echo "Wayland: the window's content is $(view | cut -d' ' -f3-) logical pixels"
    # Qt 6.4 takes a new scale only for a window that enters another output: a window whose own
    # output is rescaled keeps its scale, and the compositor scales it.
    check_changes Wayland "$work/wayland-ref.png" scaled
    scale_steps "Wayland floating" 2 1 1.5 1 1.25 1
    # A box open while the scale changes stays open, and the game follows once it is closed.
    boxed() { swaymsg -s "$sock" -t get_tree |
        python3 "$here/sway_view.py" com.example.Orbet "Orbet High Scores" >/dev/null; }
    local before=$failures
    wtype -s 300 -k F4
    if wait_for boxed; then
        to_scale 2
        sleep 1.5 # longer than the game waits between looks at an open box
        boxed || fail "Wayland: the High Score window went when the scale changed under it"
        wtype -s 300 -k Return
        settle 2 "$work/wayland-after-box.png" scaled "$work/Wayland-1-masked.png" ||
            fail "Wayland: once the High Score window closed, the game is not shown at scale 2"
        [ "$failures" != "$before" ] || echo "Wayland: a box open while the scale changed stayed open"
    else
        fail "Wayland: F4 did not open the High Score window"
    fi
    to_scale 1

    # Another program has the keyboard and Orbet's Help is open while the scale goes 1 -> 2 -> 1:
    # the other program keeps the keyboard, and Help stays open. Not a second Orbet: each would
    # make its window anew, and the last one made would take the keyboard.
    helped() { msg '[app_id="com.example.Orbet" title="^Orbet Help$"] nop'; }
    focused() { msg "[pid=$other con_id=__focused__] nop"; }
    local other
    before=$failures
    wtype -s 300 -k F1
    wait_for helped || fail "Wayland: F1 did not open Help"
    QT_QPA_PLATFORM=wayland $viewer >>"$work/wayland.log" 2>&1 &
    other=$!
    pids+=("$other")
    wait_for focused || fail "Wayland: the other program did not get the keyboard"
    to_scale 2 && sleep 1.5 && to_scale 1 && sleep 1.5
    focused || fail "Wayland: a scale change took the keyboard from the other program"
    helped || fail "Wayland: after scale changes Orbet's Help is not open"
    [ "$failures" != "$before" ] || echo "Wayland: another program kept the keyboard, Help stayed open"
    kill "$other"
    kill "$app"

    # Tiled, the game stands in the middle of its tile, which the compositor sizes anew.
    msg 'for_window [app_id="com.example.Orbet"] floating disable'
    if start; then
        scale_steps "Wayland tiled" 2 1 1.5 1

        # A close request while the High Score window opens ends the game at once, with status 0.
        read -r vx vy vw vh <<<"$(view)"
        click 1 1 1
        wtype -k F4
        sleep 0.3
        msg '[app_id="com.example.Orbet" title="^Orbet$"] kill'
        if wait_for sh -c "! kill -0 $app"; then
            wait "$app"
            local status=$?
            [ "$status" = 0 ] && echo "Wayland: a close while High Scores opened ended the game" ||
                fail "Wayland: a close while High Scores opened ended the game with status $status"
        else
            fail "Wayland: a close while High Scores opened did not end the game"
        fi
    else
        fail "Wayland: no tiled window"
    fi
    kill "$app" 2>/dev/null
    msg 'for_window [app_id="com.example.Orbet"] floating enable'

    # Where the compositor leaves the title bar to the program, Qt's own would offer a maximise
    # box, 3 pixels of frame all round and a 30-pixel bar; the game's own has a minimise and a
    # close box only, 32 pixels high, and its close box ends the game.
    msg 'for_window [app_id="com.example.Orbet"] border csd'
    start || { fail "Wayland: no window with a title bar of its own"; return; }
    sized() { [ "$(view | cut -d' ' -f3-)" = "$1" ]; }
    if wait_for sized "463 390"; then
        shoot 1 "$work/wayland-titled.png" && grim "$work/wayland-titled-screen.png"
        python3 "$here/wl_click.py" $((vx + 450)) $((vy + 16)) 1400 900
        wait_for sh -c "! kill -0 $app" || fail "Wayland: the title bar's close box did not end the game"
        echo "Wayland: with the title bar drawn by the program the window is 463x390"
    else
        fail "Wayland: with the title bar left to the program the window is $(view | cut -d' ' -f3-), not 463x390"
    fi
    kill "$app" 2>/dev/null
    msg exit 2>/dev/null # sway leaves before it answers
}

[ -x "$program" ] || { echo "no program at $program"; exit 1; }
run_x11
run_wayland
if [ -n "${KEEP_SHOTS:-}" ]; then
    mkdir -p "$KEEP_SHOTS" && cp "$work"/*.png "$work"/*.log "$KEEP_SHOTS"/ &&
        echo "screenshots and logs in $KEEP_SHOTS"
fi
[ "$ran" = 0 ] && { echo "SKIP: no window system to test with"; exit 77; }
[ "$failures" = 0 ] || { echo "scale changes: $failures checks failed"; exit 1; }
echo "scale changes: all checks passed"
