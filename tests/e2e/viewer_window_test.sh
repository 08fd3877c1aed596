#!/usr/bin/env bash
# The real viewer in a real X window, driven by keys and clicks as a person would, at screen
# scale 1 and then 2: start message, Enter, Page Down, Home, a typed case number, "BMP", a click
# on the plan, Esc.
# SPDX-License-Identifier: MIT
#
# Usage: viewer_window_test.sh VIEWER CASEFILE
#   VIEWER    the vexolite program to run
#   CASEFILE  a VEXOLITE.DAT holding case 1 (the 3 x 3 x 3 cube, 240 solutions); it is copied
#             into the temporary working folder the viewer starts in, where the images land
# Ends with 77 (skipped) when Xvfb or xdotool is missing, 0 when every check passed.
set -euo pipefail

viewer=$(realpath "$1")
case_file=$(realpath "$2")

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (./scripts/install-deps tests installs it)"
    exit 77
  fi
done
for tool in import convert compare identify; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAIL: ImageMagick's $tool is needed for screenshots (./scripts/install-deps tests)" >&2
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vexolite-e2e.XXXXXX")
xvfb_pid=""
viewer_pid=""
finish() {
  local status=$?
  if [ -n "$viewer_pid" ]; then kill "$viewer_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [ "$status" -eq 0 ]; then
    rm -rf "$work"
  else
    echo "screenshots and files kept in $work" >&2
  fi
}
trap finish EXIT

scale=1
fail() {
  echo "FAIL (scale $scale): $*" >&2
  exit 1
}

# Polls a command every 0.1 s for up to $1 seconds; true as soon as the command succeeds.
wait_for() {
  local limit=$(($1 * 10))
  shift
  for ((n = 0; n < limit; n++)); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

# Our own X server, big enough for the window at scale 2 (1602 x 960), on a display that no
# other server has taken. Xvfb keeps its lock file /tmp/.X<n>-lock, so that xvfb-run -a and
# other tests pass this display by; one that is taken meanwhile makes Xvfb end, and the next
# number is tried. Without -noreset the server resets whenever its last client leaves, as
# between the two runs, and refuses connections meanwhile.
xvfb_answers() {
  kill -0 "$xvfb_pid" 2>/dev/null && xdotool getdisplaygeometry >/dev/null 2>&1
}
start_xvfb() {
  for ((n = 40; n < 140; n++)); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 2048x1200x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for ((tries = 0; tries < 100; tries++)); do
      xvfb_answers && return 0
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  return 1
}
start_xvfb || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# Places in the window, in the window's own pixels at scale 1 (the layout's twips / 15).
readonly bmp_button_x=721 bmp_button_y=256 # centre of "BMP" (694, 243, 54 x 27)
# The plan of a 3 x 3 x 3 figure: 3 rows of 12 squares (three layers of three cells, each
# followed by a gap column), 6 x 6 squares at a pitch of 7, the top-left one at (555, 458).
readonly plan_left=555 plan_top=458
# The same plan in the exported image: 2 x 2 marks at a pitch of 3 from (109, 105).
readonly marks_left=109 marks_top=105
readonly grey=808080 light_grey=C0C0C0 white=FFFFFF black=000000

# Colours as six hex digits, whatever colour type ImageMagick reads the file as.
pixels() {
  local file=$1 format=""
  shift
  while [ $# -gt 0 ]; do
    format+="%[hex:p{$1,$2}] "
    shift 2
  done
  local hex
  for hex in $(convert "$file" -format "$format" info:); do
    [ ${#hex} -eq 2 ] && hex=$hex$hex$hex
    printf '%s ' "${hex:0:6}"
  done
}

# Expects every listed pixel (x y pairs) of a file to have one colour; names the first that has
# not.
expect_colour() {
  local what=$1 file=$2 colour=$3
  shift 3
  local got
  read -r -a got <<<"$(pixels "$file" "$@")"
  local n=0
  while [ $# -gt 0 ]; do
    [ "${got[n]:-none}" = "$colour" ] ||
      fail "$what: ($1, $2) of $(basename "$file") is ${got[n]:-unreadable}, not $colour"
    n=$((n + 1))
    shift 2
  done
}

# A screenshot of the whole screen, and of FigureView (the window's top-left 640 x 480, times
# the scale) cut from it.
shoot() {
  import -window root "png24:$work/screen.png"
  convert "$work/screen.png" -crop "$((640 * scale))x$((480 * scale))+$window_x+$window_y" \
    +repage "png24:$work/$1.png"
}
picture_signature() {
  identify -format '%#' "$work/$1.png"
}
picture_changed_from() {
  shoot now
  [ "$(picture_signature now)" != "$1" ]
}
# Waits until FigureView differs from the last screenshot named $1, then keeps it as $2.
wait_for_redraw() {
  local before
  before=$(picture_signature "$1")
  wait_for 5 picture_changed_from "$before" || fail "$3: the drawing did not change"
  sleep 0.2 # the redraw is one paint; take the settled picture
  shoot "$2"
}

visible_windows() {
  xdotool search --onlyvisible --pid "$viewer_pid" --name '^Vexolite$' 2>/dev/null || true
}
window_count_is() {
  [ "$(visible_windows | wc -l)" -eq "$1" ]
}
# The main window is the one of 801 x 480 (times the scale); the other one is a message box.
find_main_window() {
  local id
  for id in $(visible_windows); do
    if xdotool getwindowgeometry "$id" | grep -q "Geometry: $((801 * scale))x$((480 * scale))"; then
      main_window=$id
      return 0
    fi
  done
  return 1
}

viewer_ended() {
  ! kill -0 "$viewer_pid" 2>/dev/null
}
window_and_message_shown() {
  window_count_is 2 && return 0
  viewer_ended && fail "the program ended at start: $(cat "$work/viewer$scale.log")"
  return 1
}

focus_main() {
  xdotool windowfocus --sync "$main_window"
}
press() {
  focus_main
  xdotool key "$@"
}
# A click at a point of the window given in its own pixels at scale 1, placed on the middle of
# the scale x scale block that shows it.
click_at() {
  xdotool mousemove --sync $((window_x + $1 * scale + scale / 2)) \
    $((window_y + $2 * scale + scale / 2)) click 1
}

# Pixels of a plan square (row r, column c, from 1) on FigureView at this scale: its top-left
# corner, its middle and its bottom-right corner (each the first device pixel of its block).
square_points() {
  local x=$((plan_left + 7 * ($2 - 1))) y=$((plan_top + 7 * ($1 - 1)))
  echo "$((x * scale)) $((y * scale)) $(((x + 2) * scale)) $(((y + 2) * scale))" \
    "$(((x + 5) * scale + scale - 1)) $(((y + 5) * scale + scale - 1))"
}
# Checks a 3 x 3 x 3 plan of 3 rows and 12 columns, given the points of one cell by $1 (row,
# column): every cell of a cube is $4 but the one of row 1, column 1, which is $5; the column
# left of the plan and the gap columns are blank, the last one ($6) only where it is not the
# image's black border. One read per colour.
expect_cube_plan() {
  local points=$1 file=$2 what=$3 cube=$4 first=$5 last_gap=$6
  local cubes=() gaps=()
  for r in 1 2 3; do
    # shellcheck disable=SC2207
    gaps+=($("$points" "$r" 0))
    for c in 1 2 3 4 5 6 7 8 9 10 11 12; do
      # shellcheck disable=SC2207
      if [ $((c % 4)) -eq 0 ]; then
        [ "$c" -le "$last_gap" ] && gaps+=($("$points" "$r" "$c"))
      elif [ "$r$c" != 11 ]; then
        cubes+=($("$points" "$r" "$c"))
      fi
    done
  done
  expect_colour "$what: the blank cells" "$file" "$white" "${gaps[@]}"
  expect_colour "$what: the cubes" "$file" "$cube" "${cubes[@]}"
  # shellcheck disable=SC2046
  expect_colour "$what: the cube of row 1, column 1" "$file" "$first" $("$points" 1 1)
}

# Each pixel of FigureView shown as a scale x scale block of one colour: sampling one pixel of
# each block and enlarging again gives the same picture.
expect_whole_pixel_blocks() {
  local shot=$work/$1.png
  convert "$shot" -sample "$((100 / scale))%" -sample "$((100 * scale))%" "png24:$work/blocks.png"
  local differing
  differing=$(compare -metric AE "$shot" "$work/blocks.png" null: 2>&1 || true)
  [ "$differing" = 0 ] || fail "$differing pixels of FigureView are not whole ${scale}x$scale blocks"
}
# FigureView at this scale, one pixel per block: comparable with the picture at scale 1.
one_pixel_per_block() {
  convert "$work/$1.png" -sample "$((100 / scale))%" "png24:$work/$2.png"
}

# The darkest of the pixels where "BMP" stamps the case and solution labels on FigureView, from
# (540, 1) on: 0 for black text, 1 for none (the figure of case 1 lies far from there).
labels_darkest() {
  convert "$work/$1.png" -crop "$((100 * scale))x$((30 * scale))+$((540 * scale))+0" \
    -format '%[fx:minima]' info:
}

# The two files of the "BMP" button for case 1 (case code "001 ", 240 solutions).
readonly image_name="caso001 .BMP" sorted_name="S00240-001 .bmp"
export_files_written() {
  [ -s "$folder/$image_name" ] && [ -s "$folder/$sorted_name" ]
}
mark_points() {
  local x=$((marks_left + 3 * ($2 - 1))) y=$((marks_top + 3 * ($1 - 1)))
  echo "$x $y $((x + 1)) $y $x $((y + 1)) $((x + 1)) $((y + 1))"
}
# The image of the shown case 1: 143 x 115 pixels, 24 bits, the two names alike; the black
# bottom row and right column; the small plan of 2 x 2 marks (black for a shown cube, light grey
# for the hidden one); dark text at the top right; the figure's corner as on the screen.
expect_case_image() {
  local hidden=$1 image=$folder/$image_name
  cmp -s "$image" "$folder/$sorted_name" || fail "\"$image_name\" and \"$sorted_name\" differ"
  local kind
  kind=$(identify -format '%m %w %h' "$image")
  [[ "$kind" =~ ^BMP[23]?\ 143\ 115$ ]] || fail "\"$image_name\" is $kind, not a 143 x 115 BMP"
  local bits
  bits=$(od -An -tu2 -j28 -N2 "$image" | tr -d ' ')
  [ "$bits" = 24 ] || fail "\"$image_name\" has $bits bits per pixel, not 24"
  local row=() column=()
  for ((n = 0; n < 143; n++)); do row+=("$n" 114); done
  for ((n = 0; n < 115; n++)); do column+=(142 "$n"); done
  expect_colour "bottom row of the image" "$image" "$black" "${row[@]}"
  expect_colour "right column of the image" "$image" "$black" "${column[@]}"
  local first=$black
  [ "$hidden" = hidden ] && first=$light_grey
  expect_cube_plan mark_points "$image" "the image's plan" "$black" "$first" 8
  local darkest
  darkest=$(convert "$image" -crop 40x25+102+0 -format '%[fx:minima]' info:)
  [ "$darkest" = 0 ] || fail "no black text at the top right of \"$image_name\""
  # Away from the texts and the plan, the image is FigureView's pixels from (1, 1) on.
  one_pixel_per_block "$2" shown
  convert "$image" -crop 100x100+1+1 +repage "png24:$work/image-corner.png"
  convert "$work/shown.png" -crop 100x100+1+1 +repage "png24:$work/screen-corner.png"
  local differing
  differing=$(compare -metric AE "$work/image-corner.png" "$work/screen-corner.png" null: 2>&1 ||
    true)
  [ "$differing" = 0 ] || fail "the image's figure differs from the screen in $differing pixels"
}

run_viewer() {
  scale=$1
  folder=$work/scale$scale
  mkdir -p "$folder"
  cp "$case_file" "$folder/VEXOLITE.DAT"

  (cd "$folder" && exec env QT_SCALE_FACTOR="$scale" "$viewer" >"$work/viewer$scale.log" 2>&1) &
  viewer_pid=$!

  # The window opens with the start message over it.
  wait_for 15 window_and_message_shown ||
    fail "the window and its start message did not appear: $(cat "$work/viewer$scale.log")"
  find_main_window || fail "no window of $((801 * scale)) x $((480 * scale)) pixels"
  local geometry
  geometry=$(xdotool getwindowgeometry "$main_window")
  window_x=$(sed -n 's/.*Position: \([0-9]*\),.*/\1/p' <<<"$geometry")
  window_y=$(sed -n 's/.*Position: [0-9]*,\([0-9]*\).*/\1/p' <<<"$geometry")
  local box
  box=$(visible_windows | grep -vx "$main_window")

  # Enter answers the message, and nothing is drawn yet; the next Enter draws the last record
  # of the file.
  xdotool windowfocus --sync "$box" key Return
  wait_for 5 window_count_is 1 || fail "Enter did not close the start message"
  sleep 0.2
  shoot start
  [ "$(identify -format '%k' "$work/start.png")" = 1 ] || fail "FigureView is not blank at start"
  press Return
  wait_for_redraw start entered "Enter"
  # Page Down wraps to record 1, Home steps to the case number before it.
  press Next
  wait_for_redraw entered paged "Page Down"
  press Home
  wait_for_redraw paged homed "Home"
  # A typed digit goes into the case-number box, which shows that case: 1, the 3 x 3 x 3 cube.
  focus_main
  xdotool type 1
  wait_for_redraw homed cube "typing 1"
  expect_cube_plan square_points "$work/cube.png" "the plan" "$grey" "$grey" 12
  [ "$scale" -eq 1 ] || expect_whole_pixel_blocks cube

  # "BMP" writes the image of case 1 under its two names.
  [ "$(labels_darkest cube)" = 1 ] || fail "FigureView has ink right of x = 540 before \"BMP\""
  click_at "$bmp_button_x" "$bmp_button_y"
  wait_for 5 export_files_written ||
    fail "\"BMP\" did not write \"$image_name\" and \"$sorted_name\""
  expect_case_image shown cube
  rm -f "$folder/$image_name" "$folder/$sorted_name"
  # The case and solution labels stay stamped on the drawing until the next redraw.
  wait_for_redraw cube exported "the labels stamped by \"BMP\""
  [ "$(labels_darkest exported)" = 0 ] || fail "no black label text at x = 540 after \"BMP\""

  # A click on the top-left square of the plan hides its cube: the square turns light grey.
  click_at $((plan_left + 2)) $((plan_top + 2))
  wait_for_redraw exported hidden "a click on the plan"
  expect_cube_plan square_points "$work/hidden.png" "the plan" "$grey" "$light_grey" 12
  [ "$(labels_darkest hidden)" = 1 ] || fail "the redraw left ink right of x = 540"
  if [ "$scale" -eq 1 ]; then
    cp "$work/hidden.png" "$work/hidden-at-1.png"
  else
    expect_whole_pixel_blocks hidden
    one_pixel_per_block hidden hidden-sampled
    local differing
    differing=$(compare -metric AE "$work/hidden-sampled.png" "$work/hidden-at-1.png" null: 2>&1 ||
      true)
    [ "$differing" = 0 ] || fail "FigureView differs from the one at scale 1 in $differing pixels"
  fi

  # The image of the same case now shows that cube's mark light grey.
  click_at "$bmp_button_x" "$bmp_button_y"
  wait_for 5 export_files_written || fail "the second \"BMP\" wrote no files"
  expect_case_image hidden hidden

  # Esc ends the program with status 0.
  press Escape
  wait_for 5 viewer_ended || fail "Esc did not end the program"
  local status=0
  wait "$viewer_pid" || status=$?
  viewer_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status; its output:
$(cat "$work/viewer$scale.log")"
  echo "scale $scale: start message, Enter, Page Down, Home, typed case 1, \"BMP\", plan click," \
    "\"BMP\", Esc: all as expected"
}

run_viewer 1
run_viewer 2
