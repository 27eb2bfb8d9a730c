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

# start_program BINARY TITLE: runs it and sets $window to its window id.
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

# greys X Y W H FILE: the grey level (0..255) of every pixel, row by row.
greys() {
    /usr/bin/convert "$5" -crop "$3x$4+$1+$2" +repage -colorspace Gray -depth 8 txt:- \
        | awk 'NR > 1 { sub(/.*gray\(/, ""); sub(/[%)].*/, ""); printf "%d ", $0 }'
}

# darkest X Y W H FILE: the lowest grey level in a rectangle.
darkest() { greys "$@" | awk '{ m = $1; for (i = 2; i <= NF; i++) if ($i < m) m = $i; print m }'; }

expect_dark() {  # X Y W H FILE WHAT
    local level; level=$(darkest "$@")
    [ "$level" -lt 100 ] || fail "$6: nothing dark in $3x$4+$1+$2 (darkest $level)"
}

expect_blank() {  # X Y W H FILE WHAT
    local level; level=$(darkest "$@")
    [ "$level" -gt 200 ] || fail "$6: expected blank in $3x$4+$1+$2 (darkest $level)"
}

# expect_colour X Y W H R G B FILE WHAT: some pixel in the rectangle has
# (about) this colour.
expect_colour() {
    local found
    found=$(/usr/bin/convert "$8" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | awk -v r="$5" -v g="$6" -v b="$7" '
        NR > 1 { sub(/^[^(]*\(/, ""); split($0, c, /[,)]/)
                 if ((c[1]-r)^2 + (c[2]-g)^2 + (c[3]-b)^2 < 40*40) n++ }
        END { print n + 0 }')
    [ "$found" -gt 0 ] || fail "$9: no pixel of colour $5,$6,$7 in $3x$4+$1+$2"
}

# settle SECONDS FILE CHECK...: captures the window into FILE until CHECK (one
# of the expect_ calls) holds, so a slow or busy machine only waits longer.
settle() {
    local seconds=$1 file=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    while :; do
        capture "$file"
        if ("$@") >/dev/null 2>&1; then return 0; fi
        if [ "$SECONDS" -ge "$deadline" ]; then "$@"; return 1; fi
        sleep 0.2
    done
}
