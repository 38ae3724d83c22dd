#!/usr/bin/env bash
# The screen stays awake while a title plays, and only then: with a stand-in
# screen saver on a private session bus, playing with sound holds one
# inhibition within 2 s; pausing, closing the player page and quitting give
# it back; full screen and a renderer's recovery keep to one at a time.
# Usage: wake_lock_test.sh BUILD_DIR OUT_DIR
set -euo pipefail
E2E_BUILD=$1 E2E_OUT=$2
source "$(dirname "$0")/lib.sh"

export LANG=zh_CN.UTF-8
e2e_start_display
e2e_private_home
sed -i 's/^update=.*/update=False/; s/^form=.*/form=False/' "$APPDIR/zelskin/Config.ini"
e2e_gbk_config "$e2e_tmp/zel.txt" '[澜映软件配置]' '域名={{PORTAL}}' '名称=澜映影视' \
  '[弹窗广告设置项]' '开关=0' '[退窗广告设置项]' '开关=0' '[缓冲广告设置项]' '开关=0' \
  '[电影推荐窗口]' '开关=0' '[软件更新配置]' '版本=1.0' '[右侧飘窗]' '开关=0'
dbus-daemon --session --nofork --print-address=3 3>"$e2e_tmp/bus" >"$E2E_OUT/bus.log" 2>&1 &
e2e_pids+=($!)
e2e_wait_for 5 test -s "$e2e_tmp/bus" || e2e_fail "no session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$e2e_tmp/bus")
export DBUS_SESSION_BUS_ADDRESS
saver=$E2E_OUT/screen-saver.log
"$E2E_BUILD/tests/e2e/screen_saver_stand_in" >"$saver" 2>&1 &
e2e_pids+=($!)
e2e_wait_for 5 grep -q ready "$saver" || e2e_fail "the stand-in screen saver did not start; see $saver"
e2e_start_portal --config "$e2e_tmp/zel.txt"
e2e_start_client

calls() { grep -c -E '^(Inhibit|UnInhibit|Gone) ' "$saver" || true; }
# next_call SECONDS WHAT: the stand-in's next call is WHAT ("Inhibit", or
# "UnInhibit|Gone" for a release), and then holds the number it should.
next_call() {
  local seconds=$1 what=$2 wanted=$((seen + 1)) line
  e2e_wait_for "$seconds" eval '[ "$(calls)" -ge '"$wanted"' ]' || e2e_fail "no $what within $seconds s; see $saver"
  line=$(grep -E '^(Inhibit|UnInhibit|Gone) ' "$saver" | sed -n "${wanted}p")
  [[ $line =~ ^($what)\  ]] || e2e_fail "expected $what, the screen saver heard: $line"
  seen=$wanted
}
seen=0
video() { e2e_click 550 370; }  # a click on the video plays or pauses it
kill_renderers() {
  local zygote p
  for zygote in $(pgrep -P "$CLIENT_PID"); do for p in $(pgrep -P "$zygote"); do kill -KILL "$p"; done; done
}

e2e_portal_saw 60 'GET /tcab/ ' || e2e_fail "the library was never requested"
sleep 2
echo "play, with sound"
e2e_click 265 487
e2e_portal_saw 10 'GET /tcab/play/progress?t=' || e2e_fail "the title did not play"
next_call 2 Inhibit
echo "full screen, then pause and play again"
# The view moves into a window of its own and back: the engine may give the
# inhibition back for that moment, but holds it again while the title plays.
held() { [ "$(grep -E '^(Inhibit|UnInhibit|Gone) ' "$saver" | tail -1 | awk '{print $NF}')" = 1 ]; }
xdotool mousemove --sync 550 370 click --repeat 2 --delay 80 1
sleep 1.5; e2e_wait_for 2 held || e2e_fail "nothing held in full screen; see $saver"
xdotool key Escape
sleep 0.5; e2e_wait_for 2 held || e2e_fail "nothing held after the full screen; see $saver"
seen=$(calls)
video; next_call 5 'UnInhibit|Gone'
video; next_call 5 Inhibit
echo "a renderer's recovery"
kill_renderers
next_call 5 'UnInhibit|Gone'
next_call 10 Inhibit
echo "the player page closes"
e2e_click 856 111  # its "关闭播放 ×"
next_call 5 'UnInhibit|Gone'
echo "quitting while a title plays"
e2e_click $((193 + 116 * 2 + 58)) 76
sleep 1; e2e_click 265 487
next_call 10 Inhibit
e2e_click $((193 + 980 - 34 + 13)) 76  # the close button quits
next_call 10 'UnInhibit|Gone'
e2e_wait_for 20 eval '! e2e_client_alive' || e2e_fail "the client did not quit"
! grep -q ' held [2-9]' "$saver" || e2e_fail "two inhibitions were held at once; see $saver"
echo "ok: the screen stayed awake while a title played, and only then"
