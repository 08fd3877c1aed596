#!/usr/bin/env bash
# Retakes docs/vexolite-window.png: the viewer under Xvfb, showing case 705 (the seven pieces
# apart, each in its colour) zoomed in twice.  Usage: docs/retake-screenshot.sh [VIEWER]
# Needs Xvfb, xdotool and ImageMagick (./scripts/install-deps tests installs them).
# SPDX-License-Identifier: MIT
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
viewer=$(realpath "${1:-$top/build/bin/vexolite}")

work=$(mktemp -d)
xvfb_pid="" viewer_pid=""
trap '[ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null; [ -n "$xvfb_pid" ] &&
      kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=$(head -n1 "$work/display")
export DISPLAY=":$display"

cp "$top/data/VEXOLITE.DAT" "$work/"
(cd "$work" && exec "$viewer") &
viewer_pid=$!
windows() { xdotool search --onlyvisible --pid "$viewer_pid" --name '^Vexolite$' || true; }
for _ in $(seq 100); do [ "$(windows | wc -l)" -eq 2 ] && break; sleep 0.1; done
main=""
for id in $(windows); do
  xdotool getwindowgeometry "$id" | grep -q 'Geometry: 801x480' && main=$id
done
box=$(windows | grep -vx "$main")
xdotool windowfocus --sync "$box" key Return
sleep 0.5
xdotool windowfocus --sync "$main" key Return
sleep 0.5
xdotool type --delay 100 705
sleep 0.5
xdotool key KP_Add KP_Add
sleep 0.5
import -window "$main" "png24:$top/docs/vexolite-window.png"
xdotool key Escape
wait "$viewer_pid" || true
viewer_pid=""
echo "wrote docs/vexolite-window.png"
