#!/usr/bin/env bash
# The timed windows on a configuration of short times, with real input: the
# side window glued to the main window follows its drag by the bottom bar, the recommendation
# window switches to its page and closes by "appclose://", the pop-up appears
# in the bottom-right corner and closes by "close://", and the list
# advertisement under the playlist closes by "close://", and the side window by
# its close button. Screenshots of each go to the output folder.
# Usage: timed_windows_test.sh BUILD_DIR OUT_DIR
set -euo pipefail
E2E_BUILD=$1 E2E_OUT=$2
source "$(dirname "$0")/lib.sh"

export LANG=zh_CN.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE
e2e_start_display
e2e_private_home
sed -i 's/^update=.*/update=False/' "$APPDIR/zelskin/Config.ini"
# The recommendation comes 6 s after loading; the pop-up waits until it is gone.
e2e_gbk_config "$e2e_tmp/zel.txt" '[澜映软件配置]' '域名={{PORTAL}}' '名称=澜映影视' \
  '[弹窗广告设置项]' '开关=1' '广告初始时间=20' '广告循环时间=300' '广告宽=300' '广告高=250' \
  '[退窗广告设置项]' '开关=0' '[缓冲广告设置项]' '开关=1' '缓冲时间=5' \
  '[电影推荐窗口]' '开关=1' '[软件更新配置]' '版本=1.0' '[右侧飘窗]' '开关=1'
e2e_start_portal --config "$e2e_tmp/zel.txt"
e2e_start_client

fail_with_shot() { e2e_shot "$1"; e2e_fail "$2; see $E2E_OUT/$1.png and $E2E_OUT/client.log"; }
at() { [ "$(e2e_geometry "$1")" = "$2" ]; }
# window_at X Y WIDTH HEIGHT: finds the client's window there as `found`.
window_at() {
  local w
  for w in $(e2e_windows_of "$CLIENT_PID"); do at "$w" "$*" && { found=$w; return 0; }; done
  return 1
}

echo "the side window, glued to the main window's right edge, follows its drag"
e2e_wait_for 60 window_at 193 53 980 661 || fail_with_shot no-main-window "the main window did not open at its design place"
main=$found
e2e_wait_for 30 window_at 1173 53 149 623 || fail_with_shot no-side-window "no side window against the main window's right edge"
side=$found
e2e_portal_saw 20 'GET /tcab/zelad/l/' || fail_with_shot no-side-window "the side window did not load its page"
sleep 1; e2e_shot side-window
# The player view's bottom-bar strip hands the window to the system's move
# loop, which the magnetic windows follow (the title strip moves the window by
# itself and carries nothing).
e2e_click $((193 + 116 + 58)) $((53 + 23))  # the player tab
sleep 0.5
grip_x=$((193 + 364)) grip_y=$((53 + 640))
xdotool mousemove --sync $grip_x $grip_y mousedown 1 sleep 0.3 mousemove $((grip_x + 1)) $grip_y sleep 0.1 \
  mousemove $((grip_x - 50)) $((grip_y + 10)) sleep 0.1 mousemove $((grip_x - 100)) $((grip_y + 20)) sleep 0.3 mouseup 1
moved() { read -r mx my _ <<<"$(e2e_geometry "$main")"; [ "$mx" -lt 150 ] && [ "$my" -gt 60 ]; }
e2e_wait_for 10 moved || fail_with_shot no-drag "the bottom-bar strip did not move the main window: $(e2e_geometry "$main")"
e2e_wait_for 10 at "$side" "$((mx + 980)) $my 149 623" || fail_with_shot side-stays "the side window did not follow: $(e2e_geometry "$side")"
e2e_shot side-window-dragged

echo "the recommendation window shows its page, then closes by appclose://"
e2e_portal_saw 30 'GET /tcab/hit.asp?id=999 ' || fail_with_shot no-recommendation "the recommendation window did not switch to its page"
e2e_wait_for 10 window_at 1092 552 263 179 || fail_with_shot no-recommendation "no recommendation window in the bottom-right corner"
recommendation=$found
sleep 1.5; e2e_shot recommendation
e2e_click $((1092 + 154)) $((552 + 158))  # "不感兴趣"
e2e_wait_for 10 e2e_window_gone "$recommendation" || fail_with_shot recommendation-stays "不感兴趣 did not close the recommendation window"

echo "the pop-up appears in the bottom-right corner, then closes by close://"
e2e_portal_saw 30 'GET /tcab/zelad/tan/?id=2 ' || fail_with_shot no-popup "the first pop-up never loaded"
e2e_wait_for 10 window_at 1061 490 296 235 || fail_with_shot no-popup "no pop-up in the bottom-right corner"
popup=$found
sleep 1.5; e2e_shot popup
e2e_click $((1061 + 282)) $((490 + 10))  # its "✕"
e2e_wait_for 10 e2e_window_gone "$popup" || fail_with_shot popup-stays "✕ did not close the pop-up"

echo "the list advertisement under the playlist closes by close://"
list_ad() { e2e_pixel $((mx + 800)) $((my + 550)); }  # inside the list advertisement
e2e_wait_for 10 eval '[ "$(list_ad)" != "$(e2e_pixel $((mx + 400)) $((my + 300)))" ]' || fail_with_shot no-list-ad "no list advertisement under the playlist"
sleep 1; e2e_shot list-ad
before=$(list_ad)
e2e_click $((mx + 927)) $((my + 454))  # its "✕"
e2e_wait_for 10 eval '[ "$(list_ad)" != "$before" ]' || fail_with_shot list-ad-stays "✕ did not close the list advertisement"
e2e_shot list-ad-closed
echo "the side window closes by its own close button"
read -r sx sy _ <<<"$(e2e_geometry "$side")"
e2e_click $((sx + 128)) $((sy + 21))
e2e_wait_for 10 e2e_window_gone "$side" || fail_with_shot side-stays "✕ did not close the side window"
echo "the timed windows passed"
