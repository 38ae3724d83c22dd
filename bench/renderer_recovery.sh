#!/usr/bin/env bash
# The time from the end of the portal's renderer (SIGKILL, as the
# out-of-memory killer sends it) to the reloaded library page's load, three
# times in a row (the most a pane reloads in a minute), in the real client
# under Xvfb against the demo portal. Goal: at most 1.5 s.
# Usage: bench/renderer_recovery.sh [BUILD_DIR]   (default build/dev, built)
set -euo pipefail
cd "$(dirname "$0")/.."
E2E_BUILD=${1:-build/dev} E2E_OUT=out/bench-recovery
source tests/e2e/lib.sh

export LANG=zh_CN.UTF-8
e2e_start_display
e2e_private_home
sed -i 's/^update=.*/update=False/' "$APPDIR/zelskin/Config.ini"
e2e_gbk_config "$e2e_tmp/zel.txt" '[澜映软件配置]' '域名={{PORTAL}}' '名称=澜映影视' \
  '[弹窗广告设置项]' '开关=0' '[电影推荐窗口]' '开关=0' '[软件更新配置]' '版本=1.0' '[右侧飘窗]' '开关=0'
e2e_start_portal --config "$e2e_tmp/zel.txt"
e2e_start_client  # with FLUVANE_TRACE=1: "page loaded: <url> <ms> ms", ms since the process started

loads() { grep -c "^page loaded: $PORTAL_URL/tcab/ " "$E2E_OUT/client.log" || true; }
last_load_ms() { grep "^page loaded: $PORTAL_URL/tcab/ " "$E2E_OUT/client.log" | tail -1 | awk '{print $(NF-1)}'; }
# The client's age now, in the same clock as its trace: the kernel's boot-time clock.
age_ms() {
  local start ticks
  start=$(sed 's/.*) //' "/proc/$CLIENT_PID/stat" | cut -d' ' -f20)
  ticks=$(getconf CLK_TCK)
  awk -v up="$(cut -d' ' -f1 /proc/uptime)" -v start="$start" -v ticks="$ticks" \
    'BEGIN {printf "%.0f", up * 1000 - start * 1000 / ticks}'
}
more_loads() { [ "$(loads)" -gt "$1" ]; }

e2e_wait_for 60 more_loads 0 || e2e_fail "the library never loaded; see $E2E_OUT/client.log"
sleep 3
for round in 1 2 3; do
  before=$(loads)
  killed_at=$(age_ms)
  for zygote in $(pgrep -P "$CLIENT_PID"); do
    for p in $(pgrep -P "$zygote"); do kill -KILL "$p"; done
  done
  e2e_wait_for 10 more_loads "$before" || e2e_fail "round $round: the library did not come back"
  echo "round $round: the library loaded again $(($(last_load_ms) - killed_at)) ms after its renderer was killed"
  sleep 2
done
echo "goal: at most 1500 ms"
