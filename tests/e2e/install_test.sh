#!/usr/bin/env bash
# The Debian package installed for real, and used by an ordinary user made for
# the test with a private home: the installed client shows the library, a
# played episode adds a group, a sign-in on the portal, quit through the tray
# menu; a second start shows the same playlist (kept in ~/.local/share/fluvane),
# the portal still knows the user, the library's pictures come from the disk
# cache; root's client too keeps what it writes in its own folders; and
# nothing under the installation changed. The package and the user
# are removed at the end. Without root (or sudo without a password) it is
# skipped, with status 77.
# Usage: install_test.sh BUILD_DIR OUT_DIR
set -euo pipefail
E2E_BUILD=$1 E2E_OUT=$2

if [ "$(id -u)" -eq 0 ]; then SUDO=
elif sudo -n true 2>/dev/null; then SUDO="sudo -n"
else echo "skipped: installing a package needs root or sudo without a password"; exit 77
fi
if dpkg-query -W -f='${Status}' fluvane 2>/dev/null | grep -q 'install ok installed'; then
  echo "skipped: a fluvane package is installed already, and this test would remove it"; exit 77
fi
source "$(dirname "$0")/lib.sh"

# The package of this build (scripts/package): made again when the client is newer than it.
cpack_setting() { sed -n "s/^set($1 \"\(.*\)\")$/\1/p" "$E2E_BUILD/CPackConfig.cmake"; }
deb=$(cpack_setting CPACK_OUTPUT_FILE_PREFIX)/fluvane_$(cpack_setting CPACK_PACKAGE_VERSION)_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ] || [ "$E2E_BUILD/appdir/fluvane" -nt "$deb" ]; then
  (cd "$E2E_BUILD" && cpack -G DEB --config CPackConfig.cmake >/dev/null) || e2e_fail "cpack failed"
fi

user=fluvtest$$
installed=/usr/lib/fluvane
removal() {
  $SUDO userdel --remove "$user" 2>/dev/null || true
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y -qq fluvane >/dev/null 2>&1 || true
}
trap 'e2e_cleanup; removal' EXIT

echo "1. apt-get install the package"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$(realpath "$deb")" \
  >"$E2E_OUT/apt.log" 2>&1 || e2e_fail "the package did not install; see $E2E_OUT/apt.log"
[ "$(readlink -f /usr/bin/fluvane)" = "$installed/fluvane" ] || e2e_fail "/usr/bin/fluvane does not start the installed client"
checksums() { (cd "$installed" && find . -printf '%p %m %U\n' -type f -exec sha256sum {} + | LC_ALL=C sort); }
checksums >"$e2e_tmp/installed.before"

# An ordinary user, whose home nobody else may enter.
home=$e2e_tmp/home-$user
$SUDO useradd --create-home --home-dir "$home" --shell /usr/sbin/nologin "$user"
$SUDO chmod 700 "$home"
chmod 755 "$e2e_tmp"
data=$home/.local/share/fluvane

export LANG=zh_CN.UTF-8
e2e_start_display
e2e_start_tray
# The configuration offers the installed version: no update question.
e2e_gbk_config "$e2e_tmp/zel.txt" '[澜映软件配置]' '域名={{PORTAL}}' '名称=澜映影视' \
  '[弹窗广告设置项]' '开关=0' '[退窗广告设置项]' '开关=0' '[缓冲广告设置项]' '开关=0' \
  '[电影推荐窗口]' '开关=0' '[软件更新配置]' '版本=1.0' '[右侧飘窗]' '开关=0'
e2e_start_portal --config "$e2e_tmp/zel.txt"

# start_installed NAME: the installed client, as the user, from a clean environment.
start_installed() {
  $SUDO env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" LANG="$LANG" HOME="$home" \
    QTWEBENGINE_DISABLE_SANDBOX=1 FLUVANE_TRACE=1 FLUVANE_PORTAL_URL="$PORTAL_URL" \
    setpriv --reuid="$user" --regid="$user" --init-groups -- /usr/bin/fluvane >"$E2E_OUT/$1.log" 2>&1 &
  CLIENT_PID=$!
  e2e_pids+=($CLIENT_PID)
}
library_loads() { grep -c 'GET /tcab/ ' "$PORTAL_LOG" || true; }
posters() { grep -c 'GET /tcab/static/posters/' "$PORTAL_LOG" || true; }
# library_time LOG: the milliseconds from the process's start to the library page's load.
library_time() { sed -n "s#^page loaded: $PORTAL_URL/tcab/ \([0-9]*\) ms#\1#p" "$1" | head -1; }
# The main window at its design place, (193, 53) on this screen: its view tabs.
tab() { e2e_click $((193 + 116 * ($1 + 1) + 58)) 76; }
tray_menu_exit() { e2e_click 1354 12 3; sleep 0.8; xdotool key Down Return; }
header() { xdotool mousemove 10 760; sleep 0.3; import -window root -crop 300x40+870+100 +repage "$e2e_tmp/$1.png"; }
same_picture() { [ "$(compare -metric AE "$e2e_tmp/$1.png" "$e2e_tmp/$2.png" null: 2>&1 | cut -d' ' -f1)" = 0 ]; }
playlist_rows() { xdotool mousemove 10 760; sleep 0.3; import -window root -crop 225x340+925+142 +repage "$e2e_tmp/$1.png"; }

echo "2. the installed client shows the library"
loads=$(library_loads)
start_installed first
e2e_wait_for 60 eval '[ "$(library_loads)" -gt "$loads" ]' || e2e_fail "the library was never requested; see $E2E_OUT/first.log"
e2e_wait_window 10 '^澜映影视$' || e2e_fail "no main window"
e2e_wait_for 20 eval '[ -n "$(library_time "$E2E_OUT/first.log")" ]' || e2e_fail "the library did not load"
sleep 2; e2e_shot 01-library
$SUDO test -s "$data/zelskin/Config.ini" || e2e_fail "the settings were not copied to $data"
$SUDO test -s "$data/zelhe.db" || e2e_fail "the server configuration was not kept in $data"
[ "$($SUDO stat -c %a "$data" "$data/web" "$home/.cache/fluvane/web" | sort -u)" = 700 ] ||
  e2e_fail "the user's folders are not private: $($SUDO stat -c '%n %a' "$data" "$data/web" "$home/.cache/fluvane/web")"
header signed-out

echo "3. a played episode adds a group"
playlist=$data/zelskin/zelplaylist.xml
e2e_click 265 487
e2e_portal_saw 20 'GET /tcab/play/?s=xinghe&ep=1 ' || e2e_fail "the episode did not play"
e2e_wait_for 10 $SUDO grep -qs '<Class Name=' "$playlist" || e2e_fail "no group in $playlist"
sleep 2; e2e_shot 02-played
playlist_rows rows-before

echo "4. sign in on the portal"
tab 1
sleep 2
e2e_click 952 117  # the page's "登录"
e2e_portal_saw 20 'GET /tcab/login.html ' || { e2e_shot 03-no-form; e2e_fail "the sign-in form did not open"; }
sleep 1.5
xdotool type --delay 50 tester
xdotool key Return
e2e_portal_saw 20 'POST /tcab/login 303' || { e2e_shot 03-no-sign-in; e2e_fail "the sign-in was not accepted"; }
sleep 2; e2e_shot 03-signed-in
header signed-in
same_picture signed-out signed-in && e2e_fail "the library's header did not change with the sign-in; see 03-signed-in.png"

echo "5. quit through the tray menu"
first=$CLIENT_PID
ours=$(e2e_descendants "$first")
seen_posters=$(posters)
[ "$seen_posters" -gt 0 ] || e2e_fail "the library's pictures were never requested"
tray_menu_exit
e2e_wait_for 30 e2e_gone "$first" $ours || e2e_fail "the client or one of its processes stayed after the tray menu's exit"
$SUDO cat "$playlist" >"$e2e_tmp/playlist.first"

echo "6. a second start: the same playlist, still signed in, pictures from the disk cache"
start_installed second
e2e_wait_window 60 '^澜映影视$' || e2e_fail "no main window at the second start"
e2e_wait_for 20 eval '[ -n "$(library_time "$E2E_OUT/second.log")" ]' || e2e_fail "the library did not load again"
sleep 3; e2e_shot 04-second-start
$SUDO cat "$playlist" | cmp -s - "$e2e_tmp/playlist.first" || e2e_fail "the playlist changed between the starts"
header second-start
same_picture signed-in second-start || e2e_fail "the portal no longer knows the user; see 04-second-start.png"
wm_class=$(xprop -id "$(e2e_window '^澜映影视$')" WM_CLASS | sed 's/.*= //')
entry=/usr/share/applications/io.github.fluvane.Fluvane.desktop
[ "$wm_class" = "\"fluvane\", \"$(sed -n 's/^StartupWMClass=//p' "$entry")\"" ] ||
  e2e_fail "the windows' class $wm_class is not the desktop entry's StartupWMClass"
$SUDO setpriv --reuid="$user" --regid="$user" --init-groups mkdir -p "$home/Desktop"
e2e_click 1015 117  # the page's "放到桌面"
shortcut_made() { $SUDO sh -c 'cat "$0"/Desktop/*.desktop' "$home" 2>/dev/null | grep -Eq '^Exec="?/usr/bin/fluvane"? '; }
e2e_wait_for 10 shortcut_made || e2e_fail "the shortcut does not start /usr/bin/fluvane"
tab 0
sleep 1
playlist_rows rows-after
same_picture rows-before rows-after || { e2e_shot 05-playlist; e2e_fail "the playlist panel differs at the second start; see 05-playlist.png"; }
[ "$(posters)" = "$seen_posters" ] || e2e_fail "the pictures were asked for again: $(posters) requests, $seen_posters before"
echo "library loaded: first start $(library_time "$E2E_OUT/first.log") ms, second start $(library_time "$E2E_OUT/second.log") ms"
grep -m1 'first paint: 澜映' "$E2E_OUT/second.log" || true
tray_menu_exit
e2e_wait_for 30 e2e_gone "$CLIENT_PID" || e2e_fail "the second client stayed"

if [ -z "$SUDO" ]; then
  echo "6b. root, who may write anywhere, also keeps what it writes in its own folders"
  root_home=$e2e_tmp/root-home
  mkdir -m 700 "$root_home"
  loads=$(library_loads)
  env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" LANG="$LANG" HOME="$root_home" FLUVANE_PORTAL_URL="$PORTAL_URL" \
    /usr/bin/fluvane >"$E2E_OUT/root.log" 2>&1 &
  CLIENT_PID=$!
  e2e_pids+=($CLIENT_PID)
  e2e_wait_for 60 eval '[ "$(library_loads)" -gt "$loads" ]' || e2e_fail "root's client did not show the library; see $E2E_OUT/root.log"
  ours=$(e2e_descendants "$CLIENT_PID")
  tray_menu_exit
  e2e_wait_for 30 e2e_gone "$CLIENT_PID" $ours || e2e_fail "root's client stayed"
  [ -s "$root_home/.local/share/fluvane/zelhe.db" ] || e2e_fail "root's client kept nothing in its own folder"
fi

echo "7. nothing under $installed changed"
checksums >"$e2e_tmp/installed.after"
diff "$e2e_tmp/installed.before" "$e2e_tmp/installed.after" || e2e_fail "the installation changed"
echo "the installed package passed"
