#!/usr/bin/env bash
# The portal's renderer ends as the out-of-memory killer would end it: the
# library comes back and an episode click plays; with a title playing, the
# title plays again; after the fourth end in a minute the pane shows the
# client's page "页面已停止响应", whose button brings the page back.
# Usage: renderer_recovery_test.sh BUILD_DIR OUT_DIR
set -euo pipefail
E2E_BUILD=$1 E2E_OUT=$2
source "$(dirname "$0")/lib.sh"

export LANG=zh_CN.UTF-8
e2e_start_display
e2e_private_home
sed -i 's/^update=.*/update=False/' "$APPDIR/zelskin/Config.ini"
e2e_gbk_config "$e2e_tmp/zel.txt" '[澜映软件配置]' '域名={{PORTAL}}' '名称=澜映影视' \
  '[弹窗广告设置项]' '开关=0' '[退窗广告设置项]' '开关=0' '[缓冲广告设置项]' '开关=0' \
  '[电影推荐窗口]' '开关=0' '[软件更新配置]' '版本=1.0' '[右侧飘窗]' '开关=0'
e2e_start_portal --config "$e2e_tmp/zel.txt"
e2e_start_client

requests() { grep -c -- "$1" "$PORTAL_LOG" || true; }
# kill_renderers: SIGKILL, by id, to every renderer of the client: the
# processes its engine's zygotes forked.
kill_renderers() {
  local zygote p killed=0
  for zygote in $(pgrep -P "$CLIENT_PID"); do
    for p in $(pgrep -P "$zygote"); do kill -KILL "$p" && killed=$((killed + 1)); done
  done
  [ "$killed" -gt 0 ] || e2e_fail "no renderer to end"
}
# requested_again SECONDS PATTERN COUNT: the portal saw more than COUNT such requests.
more_requests() { [ "$(requests "$1")" -gt "$2" ]; }
requested_again() { e2e_wait_for "$1" more_requests "$2" "$3"; }
library='GET /tcab/ '
episode='GET /tcab/play/?s=xinghe&ep=1 '

e2e_portal_saw 60 "$library" || e2e_fail "the library was never requested"
sleep 2

echo "with the library shown"
seen=$(requests "$library")
kill_renderers
requested_again 3 "$library" "$seen" || { e2e_shot library-lost; e2e_fail "the library did not come back within 3 s"; }
sleep 1; e2e_shot library-back
e2e_click 265 487
e2e_portal_saw 20 "$episode" || e2e_fail "an episode click after the recovery did not play"
e2e_wait_for 10 grep -q 'GET /tcab/play/progress?t=' "$PORTAL_LOG" || e2e_fail "the title did not play"

echo "with a title playing"
seen=$(requests "$episode")
kill_renderers
requested_again 3 "$episode" "$seen" || { e2e_shot title-lost; e2e_fail "the title did not come back within 3 s"; }
progress=$(requests 'GET /tcab/play/progress?t=')
requested_again 10 'GET /tcab/play/progress?t=' "$progress" || e2e_fail "the title came back but did not play"
sleep 1; e2e_shot title-back

echo "four ends in a minute"
seen=$(requests "$library")
kill_renderers
requested_again 5 "$library" "$seen" || e2e_fail "the third end did not bring the library back"
sleep 1
kill_renderers
e2e_click $((193 + 116 * 2 + 58)) 76  # the library tab
# The stopped page's orange button, in the middle of the library pane.
button_shown() { e2e_pixel_is 683 423 '#F08A24'; }
e2e_wait_for 10 button_shown || { e2e_shot no-stopped-page; e2e_fail "the fourth end left no stopped page"; }
sleep 0.5; e2e_shot stopped-page
seen=$(requests "$library")
e2e_click 683 423
requested_again 10 "$library" "$seen" || e2e_fail "the stopped page's button did not bring the library back"
sleep 1; e2e_shot library-again
e2e_client_alive || e2e_fail "the client ended"
echo "ok: the panes came back"
