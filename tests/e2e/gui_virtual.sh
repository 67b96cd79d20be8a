#!/usr/bin/env bash
# orva-config under a virtual X display (Xvfb): the window, a second start,
# the device-lost dialog without a mouse, Apply on the virtual mouse (43
# chunks in the trace) and Load Profile through the file dialog.
# Usage: gui_virtual.sh ORVA_CONFIG [inner]
set -u
program=$1
if [ "${2:-}" != inner ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$program" inner
fi

work=$(mktemp -d)
export QT_QPA_PLATFORM=xcb        # the suite runs widget tests offscreen; this one needs the display
export XDG_RUNTIME_DIR=$work/run  # our own single-instance socket
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

caption="ORVA310B Gaming Mouse v1.0"
message_title="ORVA P340 USB Gaming Mouse"

# waitfor SECONDS COMMAND...: retries COMMAND every 0.2 s.
waitfor() {
  local tries=$(($1 * 5))
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}
windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }
count_windows() { windows_named "$1" | wc -l; }
has_window() { [ "$(count_windows "$1")" -ge 1 ]; }

# click_at X Y: a click at window coordinates of the main window.
click_at() {
  local id
  id=$(windows_named "$caption" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}

start() {
  "$program" "$@" 2>>"$work/trace" &
  pids+=($!)
}

# -- no mouse: the device-lost dialog over the covered window
start
waitfor 20 has_window "$caption" || fail "the window did not appear"
waitfor 10 has_window "$message_title" || fail "no device-lost dialog without a mouse"
kill "${pids[@]}" 2>/dev/null
wait 2>/dev/null
pids=()

# -- the virtual mouse
mem=$work/mouse.bin
: >"$work/trace"
start --virtual-mouse "$mem" --trace
if waitfor 20 has_window "$caption"; then
  id=$(windows_named "$caption" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$id")"
  [ "$WIDTH" = 1030 ] && [ "$HEIGHT" = 662 ] || fail "window size ${WIDTH}x${HEIGHT}, wanted 1030x662"
else
  fail "the window did not appear with the virtual mouse"
  exit 1
fi
# The first poll reads the parameters (255 bytes end with SystemReload, End).
waitfor 20 grep -q "> 04 02 00 00 00 00 00 00" "$work/trace" || fail "the mouse was not read at start"
has_window "$message_title" && fail "a message appeared although the mouse is there"

# -- a second start brings the first forward and leaves one window
"$program" --virtual-mouse "$mem" 2>/dev/null
[ $? = 0 ] || fail "the second start did not end cleanly"
sleep 1
[ "$(count_windows "$caption")" = 1 ] || fail "$(count_windows "$caption") windows after a second start"

# -- dragged by its background
eval "$(xdotool getwindowgeometry --shell "$id")"
before_x=$X before_y=$Y
xdotool mousemove $((X + 600)) $((Y + 640)) mousedown 1 mousemove_relative -- 40 30 sleep 0.3 mouseup 1
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$id")"
[ "$X" = $((before_x + 40)) ] && [ "$Y" = $((before_y + 30)) ] ||
  fail "dragging the background moved the window from $before_x,$before_y to $X,$Y"

# -- Apply: 43 data chunks of the parameter block, then End
mark=$(wc -l <"$work/trace")
click_at 860 612  # Apply (Btn_A2 at 820, 600)
applied() { tail -n +"$((mark + 1))" "$work/trace" | grep -q "> 04 02 00 00 00 00 00 00"; }
waitfor 20 applied || fail "Apply did not finish"
chunks=$(tail -n +"$((mark + 1))" "$work/trace" | grep -c "^> 04 07 ")
[ "$chunks" = 43 ] || fail "Apply wrote $chunks chunks, wanted 43"
tail -n +"$((mark + 1))" "$work/trace" | grep -q "^> 04 06 00 00 FF 00" || fail "no block write of 255 bytes at 0"

# -- Load Profile: the file chosen in the dialog ends up in the mouse
profile=$work/profile.bin
cp "$mem" "$profile"
printf '\x02' | dd of="$profile" bs=1 seek=0 conv=notrunc status=none    # byte 0 of default image 2
click_at 200 612  # Load Profile (Btn_B7 at 160, 600)
sleep 2  # the file dialog opens with the focus on its file name
xdotool type --delay 20 "$profile"
xdotool key Return
loaded() { cmp -s "$mem" "$profile"; }
waitfor 30 loaded || fail "the virtual memory does not hold the loaded profile"

if [ "$failures" = 0 ]; then
  echo "gui e2e: all passed"
else
  echo "--- the program's stderr (last lines):"
  grep -v "^[<>] " "$work/trace" | tail -20
fi
exit $((failures > 0))
