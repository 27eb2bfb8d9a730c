# For the end-to-end tests: a private Xvfb display, the window by its title, xdotool, pixel probes.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/scratch.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

wait_for() {  # SECONDS COMMAND...: quietly until it holds, then once more out loud; a busy machine only waits longer
    local deadline=$((SECONDS + $1)); shift
    until ("$@") >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || { ("$@"); return; }
        sleep 0.1
    done
}

# [WxH] our own, so tests run side by side; -noreset, or the last program leaving resets it and the next is turned away
start_display() {
    Xvfb -displayfd 5 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 5>"$work/display" 2>/dev/null &
    pids+=($!)
    wait_for 5 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
}

start_program() {  # BINARY TITLE [WxH]: sets $program_pid, and $window to its window's id
    QT_QPA_PLATFORM=xcb "$1" 2>"$work/stderr" &  # a real window, even if the caller runs offscreen
    pids+=($!)
    program_pid=$!
    wait_for 10 xdotool search --name "^$2\$" || { cat "$work/stderr" >&2; fail "no window titled $2"; }
    window=$(xdotool search --name "^$2\$" | head -1)
    local size; size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/{print $2}')
    [ "${3:-$size}" = "$size" ] || fail "client area $size, expected $3"
    sleep 0.3  # first paint
}

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.1; }  # X Y in the client area
type_text() { xdotool type --delay 20 -- "$1"; sleep 0.1; }

# MODE X Y W H FILE WHAT; MODE dark (a pixel below grey 100), blank (none below 200) or R,G,B (one of about this colour)
probe() {
    /usr/bin/convert "$6" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- |
      awk -v mode="$1" 'BEGIN { split(mode, want, ",") }
        NR > 1 { sub(/^[^(]*\(/, ""); split($0, c, /[,)]/); grey = 0.21 * c[1] + 0.72 * c[2] + 0.07 * c[3]
                 far = (c[1] - want[1])^2 + (c[2] - want[2])^2 + (c[3] - want[3])^2
                 n += mode == "dark" ? grey < 100 : mode == "blank" ? grey < 200 : far < 1600 }
        END { exit (mode == "blank") == (n > 0) }' || fail "$7: not $1 in $4x$5+$2+$3"
}
probes() {  # FILE PROBE...: the window captured into FILE, then each "MODE X Y W H WHAT" looked for in it. A probe's
            # rectangle holds only the thing it names, with a pixel or two of room for another font rasteriser.
    local p mode x y w h what; import -window "$window" "$1"
    for p in "${@:2}"; do read -r mode x y w h what <<<"$p"; probe "$mode" "$x" "$y" "$w" "$h" "$1" "$what"; done
}
shoot_probe() { import -window "$window" "$6" && probe "$@"; }  # capturing the window into FILE first
