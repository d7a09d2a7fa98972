#!/bin/bash
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# The window of the Windows zip tried as a person would, under wine on a
# virtual display with real keys and clicks: a puzzle typed cell by cell and
# solved on "Calc" (closed with Ctrl+W), then a paced run closed with Ctrl+Q
# half way. Both must exit 0. The three moments go side by side into
# docs/windows-wine.png.
#
#   scripts/windows-qt.sh && scripts/windows-zip.sh && scripts/windows-try.sh
set -euo pipefail
cd "$(dirname "$0")/.."

zip="$(find build-windows-ui -maxdepth 1 -name "noralim-*-win64.zip" | head -1)"
[ -n "$zip" ] || { echo "no zip in build-windows-ui: run scripts/windows-zip.sh first" >&2; exit 2; }
scripts/install-deps.sh xdotool imagemagick unzip

if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 640x520x24" "$0" "$@"; fi

work="$(mktemp -d)"
unzip -q "$zip" -d "$work"
program="$(find "$work" -name noralim.exe)"
samples="$(dirname "$program")/puzzles.txt"
# A wine of its own, and no search path: the zip alone must do.
# shellcheck source=scripts/windows-env.sh
. scripts/windows-env.sh
start_wine "$work/wine"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPATH=""

pid=""
window=""
open_window() {
  # wine's loader names every DLL it loads on standard error.
  WINEDEBUG=+loaddll wine "$program" "$@" >"$work/output" 2>&1 &
  pid=$!
  window="$(xdotool search --sync --name '^Noralim$' | head -1)"
  sleep 3
  xdotool windowfocus --sync "$window"
  sleep 0.5
}
# The Tab chain goes box by box, the puzzle line row by row.
type_puzzle() {
  local puzzle="$1" k b j digit
  for ((k = 0; k < 81; k++)); do
    b=$((k / 9)) j=$((k % 9))
    digit="${puzzle:$(((3 * (b / 3) + j / 3) * 9 + 3 * (b % 3) + j % 3)):1}"
    [ "$digit" = . ] || xdotool key "$digit"
    xdotool key Tab
  done
}
shot() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # shellcheck disable=SC2153  # X, Y, WIDTH and HEIGHT come from xdotool
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$work/$1.png"
}
click_calc() { xdotool mousemove --window "$window" 73 307 click 1; }
closed() {
  local status=0
  wait "$pid" || status=$?
  echo "$1: exit $status"
  [ "$status" -eq 0 ] || { cat "$work/output"; exit 1; }
}

puzzles=()
mapfile -t puzzles < <(grep -v '^#' "$samples")
open_window
type_puzzle "${puzzles[0]}"
shot typed
click_calc
sleep 4
shot solved
xdotool key ctrl+w
closed "typed, solved, closed with Ctrl+W"
# The zip holds exactly the DLLs the window loaded from it.
loaded="$(grep -o 'Loaded L"[^"]*\.dll" at [0-9A-Fa-f]*: native' "$work/output" | sed 's/.*\\\\//; s/" at .*//' | sort -u)"
shipped="$(unzip -Z1 "$zip" | grep '\.dll$' | sed 's|.*/||' | sort -u)"
if [ "$loaded" != "$shipped" ]; then
  diff <(echo "$shipped") <(echo "$loaded") | sed 's/^</in the zip, not loaded:/; s/^>/loaded, not in the zip:/'
  exit 1
fi
echo "the window loaded every DLL of the zip, and no other of its own: $(echo "$loaded" | wc -l)"

open_window --pace 40
type_puzzle "${puzzles[1]}"
click_calc
sleep 2
shot running
xdotool key ctrl+q
closed "a paced run closed with Ctrl+Q half way"

convert "$work"/{typed,solved,running}.png -bordercolor '#808080' -border 4 +append +repage docs/windows-wine.png
echo "made docs/windows-wine.png"
