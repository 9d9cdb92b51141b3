#!/usr/bin/env bash
# The Wine environment of one build tree: a prefix in BUILD/wine and an Xvfb display.
#   wine-env.sh start BUILD          create the prefix (once), start Xvfb and the wine server
#   wine-env.sh run BUILD CMD [ARG]  run CMD inside that environment ('wine' is the 64-bit loader)
#   wine-env.sh stop BUILD           stop the wine server and Xvfb started by 'start'
set -euo pipefail

action=${1:?action}
build=$(cd "${2:?build directory}" && pwd)
shift 2
state=$build/wine-env
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINE=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver

stop_xvfb() {
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid" "$state/display"
  fi
}

case $action in
start)
  mkdir -p "$state"
  stop_xvfb
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot -i >/dev/null 2>&1
    # Without a window manager, closing a managed window makes Wine wait about 2 s.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wineserver" -w
  fi
  # Xvfb picks a free display and writes its number to the descriptor given.
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display" </dev/null >/dev/null 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$state/display" ] && break
    sleep 0.1
  done
  [ -s "$state/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  "$wineserver" -p >/dev/null 2>&1 </dev/null
  echo "wine prefix $WINEPREFIX, display :$(cat "$state/display")"
  ;;
run)
  [ -s "$state/display" ] || { echo "no Wine environment: run '$0 start $build' first" >&2; exit 1; }
  export DISPLAY=:$(cat "$state/display")
  program=${1:?command}
  shift
  [ "$program" = wine ] && program=$WINE
  # Wine starts helper processes that outlive the program; they must not inherit the
  # caller's pipes (ctest waits for those to close), so the output goes through a file.
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  status=0
  "$program" "$@" </dev/null >"$log" 2>&1 || status=$?
  cat "$log"
  exit $status
  ;;
stop)
  [ -d "$WINEPREFIX" ] && "$wineserver" -k 2>/dev/null || true
  stop_xvfb
  ;;
*)
  echo "usage: $0 start|run|stop BUILD [CMD ARGS]" >&2
  exit 2
  ;;
esac
