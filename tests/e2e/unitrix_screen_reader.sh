#!/usr/bin/env bash
# What a screen reader hears of a lesson, over the real accessibility bus. usage: dbus-run-session -- $0 BINARY
. "$(dirname "$0")/lib.sh"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
start_display
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program "$1" Zentrak
/usr/bin/python3 "$(dirname "$0")/unitrix_screen_reader.py"  # Debian's, which has the AT-SPI bindings
