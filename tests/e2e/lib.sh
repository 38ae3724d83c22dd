# Shared by the end-to-end scenarios and scripts/run: a private X server, a
# private home, a fresh copy of the application directory, the demo portal on
# a free port, and the client, all ended on exit. Only processes started here
# are ever signalled, by their ids.
#
# Before sourcing: set E2E_BUILD (the build directory) and E2E_OUT (where logs
# and screenshots go).

e2e_pids=()
e2e_cleanup() {
  local p
  for p in "${e2e_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${e2e_pids[@]}"; do wait "$p" 2>/dev/null || true; done
  [ -n "${e2e_tmp:-}" ] && rm -rf "$e2e_tmp"
}
trap e2e_cleanup EXIT

e2e_source=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_tmp=$(mktemp -d)
mkdir -p "$E2E_OUT"

e2e_fail() { echo "FAIL: $*" >&2; exit 1; }

# e2e_wait_for SECONDS COMMAND...: polls the command every 0.1 s.
e2e_wait_for() {
  local tries=$(( $1 * 10 )); shift
  while [ "$tries" -gt 0 ]; do
    "$@" && return 0
    sleep 0.1; tries=$((tries - 1))
  done
  return 1
}

# e2e_start_portal [portal options...]: sets PORTAL_URL, PORTAL_PID and
# PORTAL_LOG (portal.log, or portal-$E2E_CASE.log while a case is named).
e2e_start_portal() {
  PORTAL_LOG=$E2E_OUT/portal${E2E_CASE:+-$E2E_CASE}.log
  "$E2E_BUILD/portal/fluvane-portal" --port 0 --root "$e2e_source/portal/site" "$@" >"$PORTAL_LOG" 2>&1 &
  PORTAL_PID=$!
  e2e_pids+=($PORTAL_PID)
  e2e_wait_for 10 grep -q 'listening on' "$PORTAL_LOG" || e2e_fail "the demo portal did not start; see $PORTAL_LOG"
  PORTAL_URL="http://127.0.0.1:$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$PORTAL_LOG" | head -1)"
  export FLUVANE_PORTAL_URL=$PORTAL_URL
}

# e2e_start_display [WIDTHxHEIGHT]: Xvfb picks a free display itself.
e2e_start_display() {
  local fd_file=$e2e_tmp/display
  Xvfb -displayfd 3 -screen 0 "${1:-1366x768}x24" -nolisten tcp 3>"$fd_file" >"$E2E_OUT/xvfb.log" 2>&1 &
  e2e_pids+=($!)
  e2e_wait_for 10 test -s "$fd_file" || e2e_fail "Xvfb did not start; see $E2E_OUT/xvfb.log"
  export DISPLAY=:$(head -1 "$fd_file")
}

# A private home and a fresh application directory with the shipped settings.
e2e_private_home() {
  local home=$e2e_tmp/home
  export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
         XDG_CACHE_HOME=$home/.cache XDG_DESKTOP_DIR=$home/Desktop XDG_RUNTIME_DIR=$home/run
  mkdir -p "$XDG_RUNTIME_DIR" "$XDG_DESKTOP_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  APPDIR=$e2e_tmp/appdir
  cp -r "$E2E_BUILD/appdir" "$APPDIR"
  cp "$e2e_source/skin/zelskin/Config.ini" "$APPDIR/zelskin/Config.ini"
  export QTWEBENGINE_DISABLE_SANDBOX=1
}

# e2e_start_client [arguments...]: sets CLIENT_PID; its output goes to client.log.
e2e_start_client() {
  FLUVANE_TRACE=1 "$APPDIR/fluvane" "$@" >"$E2E_OUT/client.log" 2>&1 &
  CLIENT_PID=$!
  e2e_pids+=($CLIENT_PID)
}

e2e_client_alive() { kill -0 "$CLIENT_PID" 2>/dev/null; }

# e2e_stop PID...: ends processes started here and waits for them.
e2e_stop() {
  local p
  for p in "$@"; do kill "$p" 2>/dev/null || true; done
  for p in "$@"; do wait "$p" 2>/dev/null || true; done
}

# e2e_descendants PID: the process's children, theirs, and so on.
e2e_descendants() {
  local child
  for child in $(pgrep -P "$1"); do echo "$child"; e2e_descendants "$child"; done
}

# e2e_tree_pss PID: the proportional set size of the process and all its
# descendants (a browser engine's processes), in kB; every shared page is
# counted once over all the processes that map it.
e2e_tree_pss() {
  local p total=0
  for p in "$1" $(e2e_descendants "$1"); do
    total=$((total + $(awk '/^Pss:/ {kb = $2} END {print kb + 0}' "/proc/$p/smaps_rollup" 2>/dev/null || echo 0)))
  done
  echo "$total"
}

# e2e_foreign_engine_users PID: how many processes outside PID's tree map the
# browser engine's library, and so take their share of its pages.
e2e_foreign_engine_users() {
  local users ours
  users=$(grep -l libQt6WebEngineCore /proc/[0-9]*/maps 2>/dev/null | cut -d/ -f3 | sort)
  ours=$( (echo "$1"; e2e_descendants "$1") | sort)
  comm -23 <(echo "$users") <(echo "$ours") | grep -c . || true
}

# e2e_gone PID...: none of the processes is left.
e2e_gone() {
  local p
  for p in "$@"; do kill -0 "$p" 2>/dev/null && return 1; done
  return 0
}

# e2e_stop_tree PID: ends a process started here and waits until its
# descendants have gone too.
e2e_stop_tree() {
  local rest
  rest=$(e2e_descendants "$1")
  e2e_stop "$1"
  e2e_wait_for 10 e2e_gone $rest || true
}

# e2e_portal_saw SECONDS PATTERN: the portal logged a request matching it.
e2e_portal_saw() { e2e_wait_for "$1" grep -q -- "$2" "$PORTAL_LOG"; }

e2e_shot() { import -window root "$E2E_OUT/$1.png" && echo "screenshot: $E2E_OUT/$1.png"; }

# e2e_window NAME: the id of the visible window whose title matches.
e2e_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
