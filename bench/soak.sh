#!/usr/bin/env bash
# Memory over time: the real client under Xvfb against the demo portal, with
# a pop-up advertisement every few seconds, plays an episode every few
# seconds for 50 rounds (the first from the library, then the playlist's
# entries in turn), and the PSS of its whole process tree (the browser
# engine's processes included) is sampled each round. Goal: from round 10 to
# round 50 it grows by at most 5 %.
# Usage: bench/soak.sh [BUILD_DIR] [ROUNDS]   (default build/dev, built; 50)
set -euo pipefail
cd "$(dirname "$0")/.."
E2E_BUILD=${1:-build/dev} E2E_OUT=out/bench-soak
rounds=${2:-50}
source tests/e2e/lib.sh

export LANG=zh_CN.UTF-8
e2e_start_display
e2e_private_home
sed -i 's/^update=.*/update=False/' "$APPDIR/zelskin/Config.ini"
e2e_gbk_config "$e2e_tmp/zel.txt" '[澜映软件配置]' '域名={{PORTAL}}' '名称=澜映影视' \
  '[弹窗广告设置项]' '开关=1' '广告初始时间=3' '广告循环时间=5' '广告宽=300' '广告高=250' \
  '[退窗广告设置项]' '开关=0' '[缓冲广告设置项]' '开关=1' '缓冲时间=2' \
  '[电影推荐窗口]' '开关=0' '[软件更新配置]' '版本=1.0' '[右侧飘窗]' '开关=0'
e2e_start_portal --config "$e2e_tmp/zel.txt"
e2e_start_client
e2e_portal_saw 60 'GET /tcab/ ' || e2e_fail "the library was never requested; see $E2E_OUT/client.log"
sleep 3

samples=()
for round in $(seq 1 "$rounds"); do
  if [ "$round" = 1 ]; then
    e2e_click 265 487  # the library's first episode
  else
    e2e_click 1000 $((182 + 28 * (round % 10)))  # an entry of the playlist's open group
  fi
  sleep 4
  e2e_client_alive || e2e_fail "round $round: the client ended; see $E2E_OUT/client.log"
  kb=$(e2e_tree_pss "$CLIENT_PID")
  samples+=("$kb")
  echo "round $round: $((kb / 1024)) MiB"
done
first=${samples[9]} last=${samples[$((rounds - 1))]}
awk -v a="$first" -v b="$last" -v n="$rounds" \
  'BEGIN {printf "from round 10 to round %d: %.0f MiB to %.0f MiB, %+.1f %% (goal: at most +5 %%)\n", n, a / 1024, b / 1024, (b - a) * 100 / a}'
