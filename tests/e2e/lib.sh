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
rm -f "$E2E_OUT"/*.png  # a run's screenshots replace the last run's

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

# e2e_gbk_config FILE LINE...: a server configuration as the portal serves
# it, GBK with CRLF line ends.
e2e_gbk_config() {
  local file=$1; shift
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t GBK >"$file"
}

# e2e_start_portal [portal options...]: sets PORTAL_URL, PORTAL_PID and
# PORTAL_LOG (portal.log, or portal-$E2E_CASE.log while a case is named).
# e2e_portal_listening: sets PORTAL_URL once the port the portal logs takes
# connections (the log line may still be half written when first seen).
e2e_portal_listening() {
  local port
  port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9][0-9]*\).*/\1/p' "$PORTAL_LOG" | head -1)
  [ -n "$port" ] && (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || return 1
  PORTAL_URL=http://127.0.0.1:$port
}

e2e_start_portal() {
  PORTAL_LOG=$E2E_OUT/portal${E2E_CASE:+-$E2E_CASE}.log
  "$E2E_BUILD/portal/fluvane-portal" --port 0 --root "$e2e_source/portal/site" "$@" >"$PORTAL_LOG" 2>&1 &
  PORTAL_PID=$!
  e2e_pids+=($PORTAL_PID)
  e2e_wait_for 10 e2e_portal_listening || e2e_fail "the demo portal did not start; see $PORTAL_LOG"
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

# e2e_gone PID...: none of the processes is left; a zombie whose parent has
# not yet collected it counts as gone.
e2e_gone() {
  local p state
  for p in "$@"; do
    state=$(sed 's/.*) //' "/proc/$p/stat" 2>/dev/null | cut -d' ' -f1) || true
    [ -n "$state" ] && [ "$state" != Z ] && return 1
  done
  return 0
}

# e2e_appdir_processes: the processes running a program of the private
# application directory (clients, the player program), whoever started them.
e2e_appdir_processes() {
  local p exe
  for p in /proc/[0-9]*; do
    exe=$(readlink "$p/exe" 2>/dev/null) || continue
    case $exe in "$APPDIR"/*) echo "${p#/proc/}" ;; esac
  done
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

# e2e_geometry WINDOW: "X Y WIDTH HEIGHT" of a window on the screen.
e2e_geometry() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)" || return 1
  echo "$X $Y $WIDTH $HEIGHT"
}

# e2e_windows_of PID: the ids of the process's visible windows.
e2e_windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }

# e2e_window_sized PID WIDTH HEIGHT: the id of a visible window of the process
# with that size (the secondary windows carry no title of their own).
e2e_window_sized() {
  local w width height
  for w in $(e2e_windows_of "$1"); do
    read -r _ _ width height <<<"$(e2e_geometry "$w")" || continue
    [ "$width" = "$2" ] && [ "$height" = "$3" ] && { echo "$w"; return 0; }
  done
  return 1
}

# e2e_visible WINDOW: the window is still mapped and viewable.
e2e_visible() { xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; }
e2e_window_gone() { ! e2e_visible "$1"; }

# e2e_pixel X Y: the colour of a screen pixel as #RRGGBB.
e2e_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n '2s/.* \(#[0-9A-F]\{6\}\) .*/\1/p'
}
e2e_pixel_is() { [ "$(e2e_pixel "$1" "$2")" = "$3" ]; }

# e2e_choose_exit SHOT: opens the client's main menu from its title button and
# chooses its last item, "退出程序", by keyboard; the screenshot SHOT shows
# the menu with that item selected.
e2e_choose_exit() {
  local main x y before menu height
  main=$(e2e_window '澜映影视')
  [ -n "$main" ] || e2e_fail "no main window to open the menu from"
  read -r x y _ _ <<<"$(e2e_geometry "$main")"
  before=$(e2e_windows_of "$CLIENT_PID")
  xdotool mousemove $((x + 878)) $((y + 23)) click 1
  e2e_new_window() { menu=$(comm -13 <(sort <<<"$before") <(e2e_windows_of "$CLIENT_PID" | sort) | head -1); [ -n "$menu" ]; }
  e2e_wait_for 10 e2e_new_window || e2e_fail "the main menu did not open"
  read -r x y _ height <<<"$(e2e_geometry "$menu")"
  xdotool key Down Down Down Down
  # The selected row is painted apart from the rows above it.
  e2e_last_row_selected() { [ "$(e2e_pixel $((x + 10)) $((y + height - 12)))" != "$(e2e_pixel $((x + 10)) $((y + 10)))" ]; }
  e2e_wait_for 5 e2e_last_row_selected || true
  e2e_shot "$1"
  e2e_last_row_selected || e2e_fail "the menu's last item is not selected; see $1.png"
  xdotool key Return
}

# e2e_start_tray: a notification area on the display (trayer, top right), so
# the client's tray icon has somewhere to live.
e2e_start_tray() {
  local attempt
  for attempt in 1 2 3; do
    trayer --edge top --align right --widthtype request --height 24 --transparent false \
           --tint 0x202020 >"$E2E_OUT/trayer.log" 2>&1 &
    e2e_pids+=($!)
    e2e_wait_for 5 e2e_window_exists panel && return 0
  done
  e2e_fail "the notification area did not start; see $E2E_OUT/trayer.log"
}

e2e_window_exists() { [ -n "$(e2e_window "$1")" ]; }
e2e_window_absent() { [ -z "$(e2e_window "$1")" ]; }

# e2e_wait_window SECONDS NAME / e2e_wait_no_window SECONDS NAME
e2e_wait_window() { e2e_wait_for "$1" e2e_window_exists "$2"; }
e2e_wait_no_window() { e2e_wait_for "$1" e2e_window_absent "$2"; }

# e2e_click X Y [BUTTON]: a real click at a screen position.
e2e_click() { xdotool mousemove --sync "$1" "$2" click "${3:-1}"; }
