#!/usr/bin/env bash
# Every way of quitting ends the client in order, with status 0, and leaves
# none of its processes (the browser engine's included): the close button,
# the tray menu's and the main menu's "退出程序", the exit advertisement, and
# the window manager's close (Alt+F4) without a notification area.
# Usage: quitting_test.sh BUILD_DIR OUT_DIR
set -euo pipefail
E2E_BUILD=$1 E2E_OUT=$2
source "$(dirname "$0")/lib.sh"

export LANG=zh_CN.UTF-8
e2e_start_display
tray_pid=

# quit_by NAME TUICHU TRAY HOW: a fresh client quits by HOW; its status is 0.
quit_by() {
  local name=$1 tuichu=$2 tray=$3 how=$4 status ours
  E2E_CASE=$name
  e2e_private_home
  sed -i 's/^update=.*/update=False/; s/^form=.*/form=False/' "$APPDIR/zelskin/Config.ini"
  e2e_gbk_config "$e2e_tmp/zel.txt" '[澜映软件配置]' '域名={{PORTAL}}' '名称=澜映影视' \
    '[弹窗广告设置项]' '开关=0' '[退窗广告设置项]' "开关=$tuichu" '广告宽=400' '广告高=300' \
    '[电影推荐窗口]' '开关=0' '[软件更新配置]' '版本=1.0' '[右侧飘窗]' '开关=0'
  e2e_start_portal --config "$e2e_tmp/zel.txt"
  if [ "$tray" = tray ] && [ -z "$tray_pid" ]; then e2e_start_tray; tray_pid=${e2e_pids[-1]}; fi
  if [ "$tray" = none ] && [ -n "$tray_pid" ]; then e2e_stop "$tray_pid"; tray_pid=; fi
  e2e_start_client
  e2e_portal_saw 60 'GET /tcab/ ' || e2e_fail "$name: the library was never requested"
  e2e_wait_window 10 '^澜映影视$' || e2e_fail "$name: no main window"
  sleep 2
  ours=$(e2e_descendants "$CLIENT_PID")
  [ -n "$ours" ] || e2e_fail "$name: no browser engine process"
  "$how"
  e2e_wait_for 30 e2e_gone "$CLIENT_PID" $ours || { e2e_shot "$name"; e2e_fail "$name: the client or one of its processes stayed"; }
  set +e; wait "$CLIENT_PID"; status=$?; set -e
  [ "$status" = 0 ] || e2e_fail "$name: the client ended with status $status; see $E2E_OUT/client.log"
  e2e_stop "$PORTAL_PID"
  echo "ok: $name"
}

# The main window at its design place, (193, 53) on this screen.
close_button() { e2e_click $((193 + 980 - 34 + 13)) 76; }
tray_menu_exit() { e2e_click 1354 12 3; sleep 0.8; xdotool key Down Return; }
main_menu_exit() { e2e_choose_exit "$E2E_CASE-menu"; }
exit_advertisement() {
  local window x y
  close_button
  e2e_portal_saw 20 'GET /tcab/zelad/tui/?id=1 ' || e2e_fail "exit-advertisement: none showed"
  sleep 2
  window=$(e2e_windows_of "$CLIENT_PID" | head -1)
  read -r x y _ <<<"$(e2e_geometry "$window")"
  e2e_click $((x + 50)) $((y + 182))  # the page's "关闭窗口"
}
window_manager_close() { "$E2E_BUILD/tests/e2e/window_manager_close" "$(e2e_window '^澜映影视$')"; }

quit_by close-button 0 tray close_button
quit_by tray-menu 0 tray tray_menu_exit
quit_by main-menu 0 tray main_menu_exit
quit_by exit-advertisement 1 tray exit_advertisement
quit_by alt-f4-without-tray 0 none window_manager_close
