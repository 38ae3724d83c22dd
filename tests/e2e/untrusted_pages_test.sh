#!/usr/bin/env bash
# What other sites and the server's texts cannot do. An advertiser's frame in
# the library page takes over the page on top with one real click; its page
# then asks for a shortcut, a title and the guestbook: nothing happens, and
# the user's own launcher of that name stays byte for byte. A frame of another
# site in the application page starts no player program; the portal's own
# link beside it does. A server version holding markup shows as written, and
# clicking it opens nothing.
# Usage: untrusted_pages_test.sh BUILD_DIR OUT_DIR
set -euo pipefail
E2E_BUILD=$1 E2E_OUT=$2
source "$(dirname "$0")/lib.sh"

export LANG=zh_CN.UTF-8
e2e_start_display
e2e_private_home
# Whatever the desktop would open lands here instead.
mkdir -p "$e2e_tmp/bin"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$e2e_tmp" >"$e2e_tmp/bin/xdg-open"
chmod +x "$e2e_tmp/bin/xdg-open"
export PATH=$e2e_tmp/bin:$PATH

echo "the advertiser: a second site on a port of its own"
advertiser=$e2e_tmp/advertiser
mkdir -p "$advertiser"
block='style="display:block;height:100px;background:#a33;color:#fff"'
echo "<!DOCTYPE html><meta charset=\"utf-8\"><body style=\"margin:0\"><a href=\"/landing.html\" target=\"_top\" $block>广告</a>" >"$advertiser/ad.html"
echo "<!DOCTYPE html><meta charset=\"utf-8\"><body style=\"margin:0\"><a href=\"/app/7#a###b###c\" target=\"_blank\" $block>应用广告</a>" >"$advertiser/app-ad.html"
cat >"$advertiser/landing.html" <<'PAGE'
<!DOCTYPE html><meta charset="utf-8"><title>landing</title><body>
<script>
const commands = ['dddisk://UserLauncher@@@/tcab/', 'flvplay:///tcab/play/?s=xinghe&ep=1', 'gbook://open'];
commands.forEach((command, i) => setTimeout(() => { location.href = command; }, 300 * (i + 1)));
setTimeout(() => { document.title = 'asked'; fetch('/asked'); }, 1500);
</script>
PAGE
E2E_CASE=advertiser e2e_start_portal --root "$advertiser"
ADVERTISER_URL=$PORTAL_URL ADVERTISER_LOG=$PORTAL_LOG

site=$e2e_tmp/site
cp -r "$e2e_source/portal/site" "$site"
echo "<!DOCTYPE html><meta charset=\"utf-8\"><title>片库</title><body style=\"margin:0\">
<iframe src=\"$ADVERTISER_URL/ad.html\" style=\"display:block;border:0;width:100%;height:100px\"></iframe>" >"$site/tcab/index.html"
echo "<!DOCTYPE html><meta charset=\"utf-8\"><title>应用库</title><body style=\"margin:0\">
<iframe src=\"$ADVERTISER_URL/app-ad.html\" style=\"display:block;border:0;width:100%;height:100px\"></iframe>
<a href=\"/tcab/app/?id=1001#星际快递###game###1001\" target=\"_blank\" style=\"display:block;height:40px\">星际快递</a>" >"$site/tcab/tj/index.html"
e2e_gbk_config "$e2e_tmp/zel.txt" '[澜映软件配置]' '域名={{PORTAL}}' '名称=澜映影视' \
  '[软件更新配置]' '版本=<a href="file:///etc/passwd">更新说明点此查看</a>'
e2e_start_portal --config "$e2e_tmp/zel.txt" --root "$site"

launcher=$XDG_DESKTOP_DIR/UserLauncher.desktop
printf '[Desktop Entry]\nType=Application\nName=UserLauncher\nExec=/usr/bin/true\n' >"$launcher"
cp "$launcher" "$e2e_tmp/launcher"

echo "a server version holding markup"
e2e_start_client
e2e_wait_window 60 '检测到更新' || e2e_fail "no update question"
question=$(e2e_window '检测到更新')
sleep 1; e2e_shot markup-version
read -r x y width height <<<"$(e2e_geometry "$question")"
# Everywhere above the buttons, where a link would be.
for ((row = y + 20; row < y + height - 60; row += 12)); do
  for ((column = x + 50; column < x + width - 10; column += 40)); do xdotool mousemove "$column" "$row" click 1; done
done
sleep 1
[ ! -e "$e2e_tmp/opened" ] || e2e_fail "the version opened: $(cat "$e2e_tmp/opened")"
xdotool windowfocus --sync "$question" key Escape
e2e_wait_no_window 10 '检测到更新' || e2e_fail "the update question stayed"

echo "an advertiser takes over the page on top and asks for commands"
e2e_portal_saw 60 'GET /tcab/ ' || e2e_fail "the library was never requested"
e2e_wait_for 20 grep -q 'GET /ad.html' "$ADVERTISER_LOG" || e2e_fail "the advertiser's frame did not load"
sleep 2
e2e_click 400 140  # the frame, at the top of the library pane
e2e_wait_for 20 grep -q 'GET /asked' "$ADVERTISER_LOG" || { e2e_shot advertiser; e2e_fail "the advertiser's page did not take over and ask"; }
sleep 1; e2e_shot advertiser-on-top
cmp -s "$launcher" "$e2e_tmp/launcher" || e2e_fail "the user's launcher changed"
[ "$(find "$XDG_DESKTOP_DIR" -name '*.desktop' | wc -l)" = 1 ] || e2e_fail "a shortcut was made: $(ls "$XDG_DESKTOP_DIR")"
! grep -q 'GET /tcab/play/' "$PORTAL_LOG" || e2e_fail "the advertiser played a title"
! grep -q 'GET /tcab/gbook.asp' "$PORTAL_LOG" || e2e_fail "the advertiser opened the guestbook"
e2e_client_alive || e2e_fail "the client ended"

echo "a frame of another site in the application page starts no player program"
player_app() { app=$(pgrep -P "$CLIENT_PID" -x fluvaneapp); }
e2e_click $((193 + 116 * 3 + 58)) 76  # the application tab
e2e_portal_saw 20 'GET /tcab/tj/ ' || e2e_fail "the application tab did not load"
e2e_wait_for 20 grep -q 'GET /app-ad.html' "$ADVERTISER_LOG" || e2e_fail "the advertiser's frame did not load"
sleep 1.5
e2e_click 400 140
sleep 3
! player_app || e2e_fail "the advertiser's frame started fluvaneapp"
e2e_click 400 213  # the portal's own link under it
e2e_wait_for 15 player_app || { e2e_shot application-tab; e2e_fail "the portal's own link did not start fluvaneapp"; }
e2e_pids+=("$app")
echo "ok: untrusted pages command nothing"
