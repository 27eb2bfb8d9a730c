#!/usr/bin/env bash
# A whole lesson in the real window, as a pupil runs it: choose 180°+α, type
# 30, press "确定"; P and Q are marked and the read-outs filled.
# usage: unitrix_lesson.sh BINARY ARTIFACT_DIR
. "$(dirname "$0")/lib.sh"
binary=$1 artifacts=$2
mkdir -p "$artifacts"

start_display
start_program "$binary" Zentrak
click 476 316          # the drop-down button
click 420 338          # 180°+α, first in the list
click 92 430           # the entry of α
type_text 30
click 188 428          # 确定
shot="$artifacts/unitrix-lesson.png"
# P takes 6 ticks of 20 ms, Q 38; the tangent of OQ is read out last.
settle 10 "$shot" expect_dark 644 258 70 20 "$shot" "read-out of tan(180°+α)"

# Canvas: origin (192.5, 224.5), 83.25 px a unit.
expect_colour 310 149 11 11 255 0 0 "$shot" "red mark of P at 30°"
expect_dark 261 180 7 7 "$shot" "ray OP at 30°"
expect_colour 64 290 11 11 255 0 0 "$shot" "red mark of Q at 210°"
expect_colour 116 262 9 9 0 255 0 "$shot" "green ray OQ at 210°"
expect_dark 300 150 14 12 "$shot" "text P(cosa,sina) right of P"
expect_dark 628 66 70 20 "$shot" "read-out of sin α"
expect_dark 396 308 60 18 "$shot" "the chosen formula in the selection box"
echo "PASS"
