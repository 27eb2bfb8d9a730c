# Shared by the end-to-end tests: a private Xvfb display, the program's
# window found by its title, clicks and keys through xdotool, captures and
# pixel probes through ImageMagick.

set -euo pipefail

. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/scratch.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_display [WxH]: a display of our own, so tests can run side by side.
start_display() {
    # -noreset: when the last program leaves, the server would reset and turn
    # the next one away for a moment.
    Xvfb -displayfd 5 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 5>"$work/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
}

# start_program BINARY TITLE: runs it and sets $program_pid, and $window to
# its window id.
start_program() {
    "$1" 2>"$work/stderr" &
    pids+=($!)
    program_pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --name "^$2\$" 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.05
    done
    [ -n "$window" ] || { cat "$work/stderr" >&2; fail "no window titled $2"; }
    sleep 0.3  # first paint
}

window_size() { xwininfo -id "$window" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }

# click X Y: in logical pixels of the window's client area.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.1; }
type_text() { xdotool type --delay 20 -- "$1"; sleep 0.1; }
capture() { import -window "$window" "$1"; }

# darkest X Y W H FILE: the lowest grey level (0..255) in a rectangle.
darkest() {
    /usr/bin/convert "$5" -crop "$3x$4+$1+$2" +repage -colorspace Gray -format '%[fx:int(255*minima)]' info:
}
expect_dark() {  # X Y W H FILE WHAT
    [ "$(darkest "$@")" -lt 100 ] || fail "$6: nothing dark in $3x$4+$1+$2"
}
expect_blank() {  # X Y W H FILE WHAT
    [ "$(darkest "$@")" -gt 200 ] || fail "$6: expected blank in $3x$4+$1+$2"
}

# expect_colour X Y W H R G B FILE WHAT: some pixel in the rectangle has
# (about) this colour.
expect_colour() {
    /usr/bin/convert "$8" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | awk -v r="$5" -v g="$6" -v b="$7" '
        NR > 1 { sub(/^[^(]*\(/, ""); split($0, c, /[,)]/); if ((c[1]-r)^2 + (c[2]-g)^2 + (c[3]-b)^2 < 1600) n++ }
        END { exit n == 0 }' || fail "$9: no pixel of colour $5,$6,$7 in $3x$4+$1+$2"
}

# settle SECONDS FILE CHECK...: captures the window into FILE until CHECK (one
# of the expect_ calls) holds, so a slow or busy machine only waits longer.
settle() {
    local deadline=$((SECONDS + $1)) file=$2
    shift 2
    until capture "$file"; ("$@") >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || "$@"
        sleep 0.2
    done
}
