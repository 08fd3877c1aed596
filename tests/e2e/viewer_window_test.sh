#!/usr/bin/env bash
# The real viewer in a real X window, driven as a person would, at screen scale 1 and then 2: the
# start message, Enter, Page Down, a typed case number, "BMP", a click on the plan, "BMP", Esc.
# SPDX-License-Identifier: MIT
# Usage: viewer_window_test.sh VIEWER CASEFILE (a VEXOLITE.DAT with case 1, the 3 x 3 x 3 cube of
# 240 solutions). Skipped (77) without Xvfb, xdotool or ImageMagick.
set -euo pipefail
viewer=$(realpath "$1") case_file=$(realpath "$2")
command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v convert >/dev/null ||
  { echo "SKIP: no Xvfb, xdotool or ImageMagick (./scripts/install-deps tests)" && exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/vexolite-e2e.XXXXXX") pid="" xvfb=""
trap '[ -z "$pid" ] || kill $pid; [ -z "$xvfb" ] || kill $xvfb; rm -rf "$work"' EXIT
fail() { echo "FAIL (scale $scale): $*" >&2 && exit 1; }
wait_for() { # SECONDS COMMAND...: true as soon as the command is
  for ((n = 0; n < $1 * 10; n++)); do "${@:2}" && return 0 || sleep 0.1; done
  return 1
}
# Our own X server on a free display, for the window at scale 2 too, kept between the runs.
Xvfb -displayfd 3 -screen 0 1700x1000x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$! scale=1
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")" && unset WAYLAND_DISPLAY QT_QPA_PLATFORM

windows() { xdotool search --onlyvisible --pid "$pid" --name '^Vexolite$' 2>/dev/null || true; }
shown() { [ "$(windows | wc -l)" -eq "$1" ]; }
# Points are given in the window's own pixels at scale 1 (the layout's twips / 15).
click() { xdotool mousemove --sync $((X + $1 * scale)) $((Y + $2 * scale)) click 1; }
shot() { import -window "$main" "png24:$work/$1.png"; }
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info:; } # FILE X Y: as six hex digits
# The plan of the 3 x 3 x 3 cube: 3 rows of 12 squares 6 pixels wide at a pitch of 7 from
# (555, 458), every fourth column a gap. The middle of a square (row, column from 0) on screen:
square() { pixel "$work/now.png" $(((557 + 7 * $2) * scale)) $(((460 + 7 * $1) * scale)); }
plan_is() { # COLOUR: the cube's squares grey but the first, in COLOUR; the gaps white
  shot now
  [ "$(square 0 0) $(square 0 1)$(square 2 10) $(square 1 3)" = "$1 808080808080 FFFFFF" ]
}
# "BMP" writes the case's image under two names, at every scale the same bytes as at scale 1. In
# it, 2 x 2 marks at a pitch of 3 from (109, 105) show the plan; the stamps at the top right.
export_case() { # NAME FIRST-MARK-COLOUR
  rm -f "$folder"/*.[Bb][Mm][Pp]
  click 721 256
  wait_for 5 test -s "$folder/S00240-001 .bmp" || fail "\"BMP\" wrote no \"S00240-001 .bmp\""
  sleep 0.2
  cmp "$folder/caso001 .BMP" "$folder/S00240-001 .bmp" || fail "the two names hold other images"
  local image=$work/$1-$scale.bmp
  cp "$folder/caso001 .BMP" "$image"
  [ "$(pixel "$image" 109 105) $(pixel "$image" 112 108)" = "$2 000000" ] ||
    fail "the image's first mark is not $2 beside a black one"
  [ "$(convert "$image" -crop 40x30+100+0 -format '%[fx:minima]' info:)" = 0 ] &&
    cmp "$work/$1-1.bmp" "$image" || fail "the image has no captions, or differs from scale 1's"
}

for scale in 1 2; do
  folder=$work/scale$scale
  mkdir "$folder" && cp "$case_file" "$folder/VEXOLITE.DAT"
  (cd "$folder" && exec env QT_SCALE_FACTOR=$scale "$viewer" >"$work/log" 2>&1) &
  pid=$!
  wait_for 15 shown 2 || fail "no window and start message: $(cat "$work/log")"
  main=$(for w in $(windows); do [[ "$(xdotool getwindowgeometry "$w")" == \
    *"Geometry: $((801 * scale))x$((480 * scale))"* ]] && echo "$w"; done || true)
  [ -n "$main" ] || fail "no window of 801 x 480 times $scale"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool windowfocus --sync "$(windows | grep -vx "$main")" key Return
  wait_for 5 shown 1 || fail "Enter did not close the start message"
  # Enter draws the last record, Page Down steps to record 1, a typed 1 shows case 1.
  xdotool windowfocus --sync "$main" key Return Next type 1
  wait_for 5 plan_is 808080 || fail "case 1's plan is not shown"
  export_case shown 000000
  # A click on the first square of the plan hides its cube: the square and the mark light grey.
  click 557 460
  wait_for 5 plan_is C0C0C0 || fail "a click on the plan did not hide its cube"
  export_case hidden C0C0C0
  # The drawing, stamps included, is that of scale 1, each pixel a scale x scale block.
  shot screen
  convert "$work/screen.png" -crop $((640 * scale))x$((480 * scale))+0+0 "png24:$work/view-$scale.png"
  convert "$work/view-1.png" -sample $((100 * scale))% "png24:$work/blocks.png"
  differing=$(compare -metric AE "$work/blocks.png" "$work/view-$scale.png" null: 2>&1 || true)
  [ "$differing" = 0 ] || fail "the drawing differs from that of scale 1 in $differing pixels"
  xdotool windowfocus --sync "$main" key Escape
  wait_for 5 eval '! kill -0 $pid 2>/dev/null' || fail "Esc did not end the program"
  wait "$pid" || fail "the program ended with status $?: $(cat "$work/log")"
  pid=""
  echo "scale $scale: start message, Enter, Page Down, typed 1, \"BMP\", plan click, \"BMP\", Esc"
done
