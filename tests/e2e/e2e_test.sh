#!/usr/bin/env bash
# Drives the real Quantik.exe as a user would, with the X server's mouse and keyboard: picks a
# category, a From unit and a To unit with clicks, types a number and reads the result; checks
# that a typed letter never reaches the value field, and that emptying the field raises the
# message box captioned "Quantik" on the dialog background RGB(204, 235, 255), after which the
# previous value comes back. Escape ends it.
#   e2e_test.sh QUANTIK_EXE PROBE_EXE
# Runs inside the Wine environment of tools/wine-env.sh (DISPLAY, WINEPREFIX and WINE set).
set -euo pipefail

quantik=${1:?Quantik.exe}
probe_exe=${2:?quantik_probe.exe}
: "${WINE:?run me through tools/wine-env.sh}" "${DISPLAY:?no display}"

readonly VALUE=1111 RESULT=1026 TREE=1107 FROM=1109 TO=1027

probe() { "$WINE" "$probe_exe" "$@" 2>/dev/null | tr -d '\r'; }

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Polls until the probe's answer to ARGS equals WANT (about 10 s at most).
wait_for() {
  local want=$1 got=""
  shift
  for _ in $(seq 50); do
    got=$(probe "$@" || true)
    [ "$got" = "$want" ] && return 0
    sleep 0.2
  done
  fail "'$*' is '$got', expected '$want'"
}

click() {
  local point
  point=$(probe point "$@") || fail "no point for '$*'"
  # shellcheck disable=SC2086
  xdotool mousemove --sync $point click 1
}

# Selects the whole value field from the keyboard: End, then Shift+Home.
select_value() {
  click "$VALUE"
  xdotool key End shift+Home
}

"$WINE" "$quantik" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

wait_for 1 text "$RESULT"
wait_for 1 text "$VALUE"

echo "pick Length/Distance, 1 Meter to Kilometer"
click "$TREE" "Length/Distance"
click "$FROM" "Meter"
click "$TO" "Kilometer"
wait_for 0.001 text "$RESULT"

echo "type 2500"
select_value
xdotool type --delay 50 2500
wait_for 2500 text "$VALUE"
wait_for 2.5 text "$RESULT"

echo "a typed letter does not reach the field, the digit after it does"
xdotool key End
xdotool type --delay 50 a7
wait_for 25007 text "$VALUE"
wait_for 25.007 text "$RESULT"

echo "emptying the field shows the message and brings 25007 back"
select_value
xdotool key BackSpace
wait_for $'Quantik\nPlease enter a number.' msgbox
read -r x y < <(probe msgbox-point)
colour=""
for _ in $(seq 50); do
  colour=$(import -window root -crop "1x1+$x+$y" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -1)
  [ "$colour" = "#CCEBFF" ] && break
  sleep 0.2
done
[ "$colour" = "#CCEBFF" ] || fail "the message box background is $colour, not #CCEBFF"
xdotool key Return
wait_for 25007 text "$VALUE"
wait_for 25.007 text "$RESULT"
wait_for "$VALUE" focus
probe msgbox >/dev/null && fail "the message box is still open"

echo "Escape closes the window"
xdotool key Escape
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "Quantik is still running after Escape"
wait "$pid" || fail "Quantik exited with status $?"
trap - EXIT
echo "PASS"
