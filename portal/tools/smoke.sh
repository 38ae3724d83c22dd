#!/bin/bash
# Smoke test of the demo portal: starts PORTAL_BINARY twice on free ports (on
# the site as shipped, and with --test-routes and --config on a copy of the
# site that holds symbolic links), checks every path the client requests,
# every command link target of the pages, the guestbook and the server's
# limits, then stops the servers it started.
# Usage: tools/smoke.sh PORTAL_BINARY
set -u

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 PORTAL_BINARY (an executable fluvane-portal)" >&2
    exit 2
fi
binary=$1
site=$(cd "$(dirname "$0")/../site" && pwd)
work=$(mktemp -d)
passed=0
failed=0
pids=()
helpers=()

finish() {
    for helper in "${helpers[@]}"; do kill "$helper" 2>/dev/null; done
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap finish EXIT

pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
check() {  # check DESCRIPTION COMMAND...: passes when the command succeeds
    local what=$1
    shift
    if "$@"; then pass; else fail "$what"; fi
}

start_portal() {  # start_portal LOG ARGS...: sets pid and base
    local log=$1
    shift
    "$binary" --port 0 --bind 127.0.0.1 "$@" > "$log" 2>&1 &
    pid=$!
    pids+=("$pid")
    local port=
    for _ in $(seq 1 50); do
        port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$log")
        [ -n "$port" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$port" ]; then
        echo "FAIL: the portal did not start:"
        cat "$log"
        echo "$passed passed, $((failed + 1)) failed"
        exit 1
    fi
    base="http://127.0.0.1:$port"
}

status_of() { curl -s --path-as-is -o "$work/body" -w '%{http_code}' --max-time 5 "$base$1"; }

# fetch PATH [CURL-OPTIONS...]: prints the status; the headers go to
# $work/headers, the body to $work/body.
fetch() {
    local path=$1
    shift
    curl -s --path-as-is -D "$work/headers" -o "$work/body" -w '%{http_code}' --max-time 5 "$@" "$base$path"
}
# field NAME: the value of a header of the last fetch ("" when absent);
# fields NAME: how many of it there are.
field() { tr -d '\r' < "$work/headers" | sed -n "s/^$1: //Ip" | head -n 1; }
fields() { tr -d '\r' < "$work/headers" | grep -ci "^$1:"; }
# ends_with_head REQUEST-HEAD: the answer to a raw request ends with its
# own head, no body following.
ends_with_head() {
    local raw
    exec {raw}<>"/dev/tcp/127.0.0.1/${base##*:}"
    printf '%s\r\n\r\n' "$1" >&"$raw"
    timeout 5 cat <&"$raw" > "$work/raw"
    exec {raw}>&-
    [ "$(tail -c 4 "$work/raw" | od -An -c | tr -d ' ')" = '\r\n\r\n' ]
}

expect() {  # expect STATUS PATH
    local got
    got=$(status_of "$2")
    if [ "$got" = "$1" ]; then pass; else fail "$2: status $got, expected $1"; fi
}

count_in() {  # count_in PATH PATTERN: how many times PATTERN occurs in the page
    curl -s --max-time 5 "$base$1" | grep -oE "$2" | wc -l
}

lacks() { ! LC_ALL=C grep -qF "$2" "$1"; }  # lacks FILE TEXT
# logged TEXT: the server's log holds TEXT within 5 s; it writes a request's
# line after the answer has gone out, so a check right after the answer races it.
logged() {
    for _ in $(seq 1 50); do
        LC_ALL=C grep -qF "$1" "$work/log" && return 0
        sleep 0.1
    done
    return 1
}

peak_rss_kib() { sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB$/\1/p' "/proc/$1/status"; }

start_portal "$work/log" --root "$site"
main_pid=$pid

# --- Every path the client requests -----------------------------------------
for path in /zel/zel.txt /zel/link.txt /tcab/ /tcab/zelad/zelloading.html \
    "/tcab/zelad/tan/?id=1" "/tcab/zelad/tan/?id=2" /tcab/tj/ /tcab/tv/ \
    "/tcab/zelad/tui/?id=1" /tcab/zelad/listad.html /tcab/zelad/l/ \
    "/tcab/hit.asp?id=999" /tcab/gbook.asp /index.asp; do
    expect 200 "$path"
done

# The two pop-up pages must differ.
status_of "/tcab/zelad/tan/?id=1" > /dev/null && cp "$work/body" "$work/tan1"
status_of "/tcab/zelad/tan/?id=2" > /dev/null
if cmp -s "$work/body" "$work/tan1"; then fail "tan ?id=1 and ?id=2 serve the same page"; else pass; fi

# The server configuration: GBK, and the portal address filled in.
status_of /zel/zel.txt > /dev/null
if LC_ALL=C grep -qF "$(printf '澜映软件配置' | iconv -f UTF-8 -t GBK)" "$work/body"; then pass
else fail "zel.txt lacks the GBK section name"; fi
if LC_ALL=C grep -qF "=$base"$'\r' "$work/body"; then pass; else fail "zel.txt does not name $base"; fi
if iconv -f GBK -t UTF-8 "$work/body" > /dev/null 2>&1; then pass; else fail "zel.txt is not valid GBK"; fi

# --- The test title, built beside the executable and served from there ----------
media=$(dirname "$binary")/media
probe() {  # probe FILE: codecs, profiles, levels and sizes of the streams, then the duration
    ffprobe -v error -show_entries stream=codec_name,profile,level,width,height -show_entries format=duration \
        -of compact=p=0:nk=1 "$1" 2>&1 | tr '\n' ' '
}
if command -v ffprobe > /dev/null; then
    # The player page announces Main profile, level 3.0 (avc1.4D401E) and AAC-LC.
    check "the MP4 is H.264 Main 3.0 640x360 with AAC, 10 s ($(probe "$media/demo.mp4"))" \
        grep -qE '^h264\|Main\|640\|360\|30 aac\|LC (9\.9|10\.0)[0-9]* $' <<< "$(probe "$media/demo.mp4")"
    check "the WebM is VP9 640x360 with Opus, 10 s ($(probe "$media/demo.webm"))" \
        grep -qE '^vp9\|[^|]*\|640\|360\|[^ ]* opus[^ ]* (9\.9|10\.0)[0-9]* $' <<< "$(probe "$media/demo.webm")"
else
    fail "ffprobe is missing (scripts/install-deps installs ffmpeg)"
fi
boxes() {  # boxes FILE: the types of an MP4's top-level boxes
    local offset=0 size total
    total=$(stat -c %s "$1")
    while [ "$offset" -lt "$total" ]; do
        size=$(od -An -j "$offset" -N 4 -tu4 --endian=big "$1" | tr -d ' ')
        printf '%s ' "$(dd if="$1" bs=1 skip=$((offset + 4)) count=4 2> /dev/null)"
        [ "${size:-0}" -ge 8 ] || break
        offset=$((offset + size))
    done
}
check "the MP4 starts with its index ($(boxes "$media/demo.mp4"))" grep -qE '^ftyp (free )?moov .*mdat' <<< "$(boxes "$media/demo.mp4")"
for name in demo.mp4 demo.webm; do
    type=video/${name#*.}
    size=$(stat -c %s "$media/$name")
    code=$(fetch "/tcab/media/$name" -H 'Range: bytes=500000-500099')
    if [ "$code" = 206 ] && [ "$(field Content-Type)" = "$type" ] && [ "$(field Content-Range)" = "bytes 500000-500099/$size" ] &&
        cmp -s "$work/body" <(tail -c +500001 "$media/$name" | head -c 100); then pass
    else fail "/tcab/media/$name: $code, '$(field Content-Type)', '$(field Content-Range)'"; fi
    code=$(fetch "/tcab/media/$name")
    if [ "$code" = 200 ] && cmp -s "$work/body" "$media/$name"; then pass; else fail "/tcab/media/$name: $code, not the built file"; fi
done

# --- Library pages: long episode lists, titles, a page with mixed schemes ----
while read -r page scheme minimum title; do
    got=$(count_in "$page" "href=\"$scheme://")
    if [ "$got" -ge "$minimum" ]; then pass; else fail "$page: $got $scheme links, expected $minimum or more"; fi
    if curl -s --max-time 5 "$base$page" | grep -qF "<title>$title</title>"; then pass
    else fail "$page: title is not $title"; fi
done <<'EOF'
/tcab/ flvplay 20 星河渡口 第一季
/tcab/series/yanyu/ tudouplay 20 烟雨长歌
/tcab/series/tiegui/ qiyiplay 20 铁轨尽头
/tcab/series/zhifeiji/ flvplay 20 纸飞机的夏天
EOF
check "the mixed page has two flvplay links" test "$(count_in /tcab/series/weiguang/ 'href="flvplay://')" -eq 2
check "the mixed page has one youkuplay link" test "$(count_in /tcab/series/weiguang/ 'href="youkuplay://')" -eq 1
for page in /tcab/tj/ /tcab/tv/; do
    got=$(count_in "$page" 'href="[^"#]*#[^"#]*###[^"#]*###[^"#]*" target="_blank"')
    if [ "$got" -ge 8 ]; then pass; else fail "$page: $got new-window links with name###kind###id"; fi
done
while read -r page needed; do
    for pattern in $needed; do
        got=$(count_in "$page" "$pattern")
        if [ "$got" -ge 1 ]; then pass; else fail "$page lacks $pattern"; fi
    done
done <<'EOF'
/tcab/zelad/tan/?id=1 href="close://tan" href="CLOSE://TAN" target="_blank"
/tcab/zelad/tan/?id=2 href="close://tan" target="_blank"
/tcab/zelad/tui/?id=1 href="close://tui" target="_blank"
/tcab/zelad/listad.html href="close://listad" target="_blank"
/tcab/zelad/l/ target="_blank"
/tcab/hit.asp?id=999 href="appplay:// href="appopen:// href="appclose:// target="_blank"
EOF

# Command links of the pages lead to served pages once mapped onto the base
# URL the way the client maps them (play links are lower-cased first).
pages="/tcab/ /tcab/series/yanyu/ /tcab/series/tiegui/ /tcab/series/zhifeiji/ /tcab/series/weiguang/ /tcab/hit.asp?id=999"
for page in $pages; do
    curl -s --max-time 5 "$base$page" |
        grep -oE 'href="(flvplay|tudouplay|qiyiplay|youkuplay|appplay|appopen)://[^"]*"' |
        sed -E 's/^href="[a-z]+:\/\/(.*)"$/\1/; s/&amp;/\&/g'
done > "$work/targets"
for page in /tcab/tj/ /tcab/tv/; do
    curl -s --max-time 5 "$base$page" | grep -oE 'href="[^"]*#[^"]*"' | sed -E 's/^href="([^#]*)#.*$/\1/'
done >> "$work/targets"
count=$(sort -u "$work/targets" | wc -l)
if [ "$count" -ge 150 ]; then pass; else fail "only $count distinct command link targets found"; fi
sort -u "$work/targets" | tr 'A-Z' 'a-z' |
    sed "s|^\(.*\)\$|url = \"$base\\1\"\\noutput = \"/dev/null\"|" > "$work/curl-targets"
bad=$(curl -s --max-time 20 -K "$work/curl-targets" -w '%{http_code} %{url_effective}\n' | grep -v '^200 ')
if [ -z "$bad" ]; then pass; else fail "command link targets not served: $bad"; fi

# --- The player page and its progress reports ----------------------------------------
status_of "/tcab/play/?s=xinghe&ep=2&line=youku" > /dev/null
cp "$work/body" "$work/player"
check "the player page has its bar's close link" grep -qF 'href="colse://player"' "$work/player"
check "the player page has previous and next links" grep -qE 'id="prev".*id="next"' "$work/player"
check "the player plays on its own, with sound" grep -qE '<video [^>]*controls autoplay playsinline' "$work/player"
check "the player is not muted" lacks "$work/player" muted
sources=$(grep -o '<source src="[^"]*" type=.[^;]*' "$work/player" | sed 's/<source src="\([^"]*\)" type=.\(.*\)/\1 \2/' | tr '\n' ' ')
check "the MP4 source comes first, then the WebM ($sources)" \
    test "$sources" = "/tcab/media/demo.mp4 video/mp4 /tcab/media/demo.webm video/webm "
check "the MP4 source announces what the build encodes" grep -qF 'codecs="avc1.4D401E, mp4a.40.2"' "$work/player"
for path in $sources; do
    case $path in /*) check "$path is served" test "$(fetch "$path" -I)" = 200 ;; esac
done
for query in "t=0.0&s=xinghe&ep=1" "t=12.3&s=tiegui&ep=36" "t=10.0&s=weiguang&ep=2&state=ended" \
    "t=4.5&s=yanyu&ep=3&state=paused"; do
    expect 204 "/tcab/play/progress?$query"
    check "the report $query is logged" logged "GET /tcab/play/progress?$query 204"
done
for query in "t=abc&s=xinghe&ep=1" "t=1.25&s=xinghe&ep=1" "t=1.0&s=%3Cb%3E&ep=1" "t=1.0&s=xinghe" \
    "t=1.0&s=xinghe&ep=1&state=gone" "t=1.0&t=2.0&s=xinghe&ep=1" "t=1.0&s=xinghe&ep=12345"; do
    expect 400 "/tcab/play/progress?$query"
done

# Posters: every library page shows pictures, served to be cached for a week.
for page in /tcab/ /tcab/series/yanyu/ /tcab/series/tiegui/ /tcab/series/zhifeiji/ /tcab/series/weiguang/; do
    got=$(count_in "$page" '<img src="/tcab/static/posters/[a-z]+\.svg"')
    if [ "$got" -ge 6 ]; then pass; else fail "$page shows $got posters"; fi
done
: > "$work/posters"
for picture in $(curl -s --max-time 5 "$base/tcab/" | grep -oE '/tcab/static/posters/[a-z]+\.svg' | sort -u); do
    code=$(fetch "$picture")
    if [ "$code" = 200 ] && [ "$(field Content-Type)" = image/svg+xml ] &&
        [ "$(field Cache-Control)" = "public, max-age=604800" ] && xmllint --noout "$work/body" 2> /dev/null; then pass
    else fail "$picture: $code, '$(field Content-Type)', '$(field Cache-Control)'"; fi
    md5sum < "$work/body" >> "$work/posters"
done
check "the library shows five distinct posters" test "$(sort -u "$work/posters" | wc -l)" -eq 5

# --- Path rules; the test routes are off without --test-routes ---------------
expect 404 /tcab/../zel/zel.txt
expect 404 //etc/passwd
expect 404 /%2Fetc/passwd
expect 404 //tmp
expect 404 /no/such/page.html
expect 301 /tcab
for path in /fault/500 /fault/garbage /fault/endless /fault/hang; do
    expect 404 "$path"
done

# --- Guestbook -----------------------------------------------------------------
post() {  # post TITLE TEXT [KIND]: prints the status
    curl -s -o "$work/body" -w '%{http_code}' --max-time 5 --data-urlencode "kind=${3:-求片}" \
        --data-urlencode "title=$1" --data-urlencode "text=$2" "$base/tcab/gbook.asp"
}
check "a message is taken with a redirect" test "$(post '<b>星河渡口 第二季</b>' '什么时候上线？')" = 303
status_of /tcab/gbook.asp > /dev/null
check "the message is shown, escaped" grep -qF '&lt;b&gt;星河渡口 第二季&lt;/b&gt;' "$work/body"
check "the message's markup is not passed through" lacks "$work/body" '<b>星河渡口'
check "a message without a title is refused" test "$(post '  ' '正文')" = 400
check "a message of an unknown kind is refused" test "$(post 标题 正文 其他)" = 400
check "an over-long message is refused" test "$(post 标题 "$(printf '长%.0s' $(seq 301))")" = 413
curl -s --max-time 20 --data-urlencode "kind=求片" --data-urlencode "title=求片" \
    $(printf "$base/tcab/gbook.asp %.0s" $(seq 105)) > /dev/null
check "the guestbook keeps the newest 100 messages" test "$(count_in /tcab/gbook.asp '<li>')" -eq 100

# --- Sign-in ------------------------------------------------------------------------
sign_in() {  # sign_in NAME: prints the status; headers and body as fetch leaves them
    curl -s -D "$work/headers" -o "$work/body" -w '%{http_code}' --max-time 5 --data-urlencode "name=$1" \
        "$base/tcab/login"
}
expect 200 /tcab/login.html
check "the sign-in page has its form" grep -qF '<form class="signin" method="post" action="/tcab/login"' "$work/body"
check "a good name signs in with a redirect" test "$(sign_in '<b>阿晴</b>')$(field Location)" = 303/tcab/
cookie=$(field Set-Cookie)
check "the sign-in cookie lasts a year, for the whole site, out of scripts' reach" \
    grep -qE '^tcab_member=[A-Za-z0-9_-]+\.[0-9a-f]{32}; Max-Age=31536000; Path=/; HttpOnly; SameSite=Lax$' <<< "$cookie"
cookie=${cookie%%;*}
for page in /tcab/ /tcab/series/tiegui/; do
    fetch "$page" -H "Cookie: theme=dark; $cookie" > /dev/null
    check "$page greets the member, escaped" grep -qF '已登录：&lt;b&gt;阿晴&lt;/b&gt;' "$work/body"
    check "$page passes no member's markup" lacks "$work/body" '<b>阿晴'
    check "$page for a member is for the member's cache only" test "$(field Cache-Control)|$(field Vary)" = "private, no-cache|Cookie"
done
fetch /tcab/ -H "Cookie: $cookie" > /dev/null
member_etag=$(field ETag)
fetch /tcab/ > /dev/null
check "signed out, the library offers the sign-in link" grep -qF 'href="/tcab/login.html"' "$work/body"
check "signed out and signed in pages have their own ETags" test "$(field ETag)" != "$member_etag"
check "a member does not get the signed-out page revalidated" \
    test "$(fetch /tcab/ -H "Cookie: $cookie" -H "If-None-Match: $(field ETag)")" = 200
value=${cookie#*=}
flipped=$([ "${value: -1}" = 0 ] && echo 1 || echo 0)
for forged in "PGI-eA.${value##*.}" "${value%.*}x.${value##*.}" "${value%?}$flipped" "${value}0" \
    "%3Cb%3E" '<b>x</b>' "${value%.*}" "$(printf 'A%.0s' $(seq 3000)).${value##*.}"; do
    code=$(fetch /tcab/ -H "Cookie: tcab_member=$forged")
    if [ "$code" = 200 ] && lacks "$work/body" '已登录' && grep -qF 'href="/tcab/login.html"' "$work/body"; then pass
    else fail "the forged cookie '${forged:0:40}' gave $code or a member"; fi
done
check "a name of 20 characters signs in" test "$(sign_in "$(printf '字%.0s' $(seq 20))")" = 303
for name in '' '   ' "$(printf '字%.0s' $(seq 21))" $'a\x01b' $'\xff\xfe' $'a\xc2\x85b'; do
    code=$(sign_in "$name")
    if [ "$code" = 400 ] && [ "$(fields Set-Cookie)" = 0 ] && grep -qF '未能登录' "$work/body"; then pass
    else fail "the name '$(printf '%q' "$name")' gave $code"; fi
done
check "signing out clears the cookie" test "$(curl -s -D "$work/headers" -o /dev/null -w '%{http_code}' \
    --max-time 5 "$base/tcab/logout")$(field Set-Cookie)" = "303tcab_member=; Max-Age=0; Path=/; HttpOnly; SameSite=Lax"

# --- Request limits ---------------------------------------------------------------
truncate -s 100M "$work/upload"
upload() {  # upload NAME CURL-OPTIONS...: a 100 MiB POST is refused unread
    local name=$1 code sent
    shift
    read -r code sent < <(curl -s -o /dev/null --max-time 10 -w '%{http_code} %{size_upload}' \
        -X POST -T "$work/upload" "$@" "$base/tcab/gbook.asp")
    case $code in 413 | 400) pass ;; *) fail "100 MiB upload ($name): status $code" ;; esac
    if [ "${sent%.*}" -lt $((50 * 1024 * 1024)) ]; then pass
    else fail "100 MiB upload ($name): the server read $sent bytes"; fi
}
rss_before=$(peak_rss_kib "$main_pid")
upload "announced"
upload "announced, no Expect" -H Expect:
upload "chunked" -H 'Transfer-Encoding: chunked'
upload "chunked, no Expect" -H 'Transfer-Encoding: chunked' -H Expect:
rss_growth=$(($(peak_rss_kib "$main_pid") - rss_before))
if [ "$rss_growth" -lt 8192 ]; then pass; else fail "the uploads grew the server's memory by $rss_growth KiB"; fi
huge_header=$(head -c 100000 /dev/zero | tr '\0' a)
check "a 100 kB header is refused" test "$(curl -s -o /dev/null -w '%{http_code}' --max-time 5 \
    -H "X-Filler: $huge_header" "$base/tcab/")" = 400
expect 200 /tcab/

# Control bytes of a request reach the log escaped.
exec {raw}<>"/dev/tcp/127.0.0.1/${base##*:}"
printf 'GET /x\001y\033[31m HTTP/1.0\r\n\r\n' >&"$raw"
timeout 5 cat <&"$raw" > /dev/null
exec {raw}>&-
check "control bytes are escaped in the log" logged 'GET /x\x01y\x1B[31m 404'
check "no raw control byte reaches the log" lacks "$work/log" $'\x01'
check "no raw escape byte reaches the log" lacks "$work/log" $'\x1b'

# Connections that send their headers a byte a second hold no worker that a
# normal request needs, and are cut off once their time to arrive is over.
slow=()
for _ in $(seq 80); do
    exec {fd}<>"/dev/tcp/127.0.0.1/${base##*:}"
    slow+=("$fd")
    printf 'GET /tcab/ HTTP/1.1\r\nHost: slow\r\n' >&"$fd"
done
(
    trap '' PIPE
    for _ in $(seq 10); do
        for fd in "${slow[@]}"; do printf 'X' >&"$fd" 2>/dev/null; done
        sleep 1
    done
) &
helpers+=($!)
sleep 1.5
check "a request is answered at once beside 80 slow connections" \
    test "$(curl -s -o /dev/null -w '%{http_code}' --max-time 1 "$base/tcab/")" = 200
sleep 5
cut=0
for fd in "${slow[@]}"; do
    read -r -t 1 -u "$fd" _
    [ $? -le 128 ] && cut=$((cut + 1))
    exec {fd}>&-
done
check "slow connections are cut off ($cut of 80)" test "$cut" -eq 80
kill "${helpers[-1]}" 2>/dev/null

# --- A copy of the site: symbolic links, test routes, configuration override --
cp -r "$site" "$work/site"
echo secret > "$work/secret.txt"
ln -s "$work/secret.txt" "$work/site/tcab/secret.txt"
ln -s "$work" "$work/site/tcab/outside"
ln -s ../index.asp "$work/site/tcab/home.asp"
printf '[澜映软件配置]\r\n域名=javascript:alert(1)\r\n名称={{PORTAL}}\r\n' | iconv -f UTF-8 -t GBK > "$work/zel.txt"
mkdir "$work/media"
head -c 300000 /dev/urandom > "$work/media/clip.webm"
for name in poster.webp data.json font.woff2 sound.m4a sound.mp3 clip.mp4; do
    echo "$name" > "$work/site/tcab/static/$name"
done
start_portal "$work/log2" --root "$work/site" --test-routes --config "$work/zel.txt" --media "$work/media"
expect 404 /tcab/secret.txt
expect 404 /tcab/outside
expect 404 /tcab/outside/
expect 404 /tcab/outside/secret.txt
expect 200 /tcab/home.asp
expect 500 /fault/500
expect 200 /fault/garbage
status_of /zel/zel.txt > /dev/null
printf '[澜映软件配置]\r\n域名=javascript:alert(1)\r\n名称=%s\r\n' "$base" | iconv -f UTF-8 -t GBK > "$work/expected"
check "--config is served as zel.txt" cmp -s "$work/body" "$work/expected"
printf '[澜映软件配置]\r\n域名=file:///etc/\r\n' | iconv -f UTF-8 -t GBK > "$work/zel.txt"
status_of /zel/zel.txt > /dev/null
check "--config is read afresh" cmp -s "$work/body" "$work/zel.txt"

# --- Content types, caching, validators and byte ranges --------------------------
week="public, max-age=604800"
while IFS='|' read -r path type cache; do
    code=$(fetch "$path")
    if [ "$code" = 200 ] && [ "$(field Content-Type)" = "$type" ] && [ "$(field Cache-Control)" = "$cache" ]; then pass
    else fail "$path: $code, typed '$(field Content-Type)', cached '$(field Cache-Control)'"; fi
done <<EOF
/tcab/|text/html; charset=utf-8|private, no-cache
/tcab/hit.asp?id=999|text/html; charset=utf-8|no-cache
/zel/zel.txt|text/plain; charset=gbk|no-store
/zel/link.txt|text/plain; charset=gbk|no-store
/tcab/static/site.css|text/css; charset=utf-8|$week
/tcab/static/player.js|text/javascript; charset=utf-8|$week
/tcab/static/poster.webp|image/webp|$week
/tcab/static/font.woff2|font/woff2|$week
/tcab/static/sound.m4a|audio/mp4|$week
/tcab/static/sound.mp3|audio/mpeg|$week
/tcab/static/clip.mp4|video/mp4|$week
/tcab/static/data.json|application/json|no-cache
/tcab/media/clip.webm|video/webm|$week
EOF

# Every file carries a strong ETag and a date; the validators answer 304
# without a body, If-None-Match taking precedence over If-Modified-Since.
css=/tcab/static/site.css
fetch "$css" > /dev/null
etag=$(field ETag) modified=$(field Last-Modified)
check "a file has a strong ETag" grep -qE '^"[^"]+"$' <<< "$etag"
check "a file has a Last-Modified date" test -n "$modified"
while IFS='|' read -r expected name value; do
    code=$(fetch "$css" -H "$name: $value")
    if [ "$code" = "$expected" ]; then pass; else fail "$name: $value: status $code, expected $expected"; fi
    [ "$code" != 304 ] || check "a 304 names the ETag" test "$(field ETag)" = "$etag"
done <<EOF
304|If-None-Match|$etag
304|If-None-Match|"other", W/$etag
304|If-None-Match|*
200|If-None-Match|"other", "more"
200|If-None-Match|${etag%\"}
304|If-Modified-Since|$modified
200|If-Modified-Since|Sat, 01 Jan 2000 00:00:00 GMT
200|If-Modified-Since|yesterday
EOF
check "a 304 has no body" ends_with_head "GET $css HTTP/1.0"$'\r\n'"If-None-Match: $etag"
check "If-None-Match overrides If-Modified-Since" test "$(fetch "$css" -H 'If-None-Match: "other"' \
    -H "If-Modified-Since: $modified")" = 200
check "HEAD gives the length" test "$(fetch "$css" -I)$(field Content-Length)" = "200$(stat -c %s "$site$css")"
check "HEAD sends no body" ends_with_head "HEAD $css HTTP/1.0"
check "pages are sent uncompressed" test "$(fetch /tcab/ -H 'Accept-Encoding: gzip, br')$(field Content-Encoding)" = 200

# A changed file, even of the same size, gets a new ETag; so do pages made
# per request when their bytes change.
fetch /tcab/news.html > /dev/null
before=$(field ETag)
sed -i 's/公告/通知/' "$work/site/tcab/news.html"
code=$(fetch /tcab/news.html -H "If-None-Match: $before")
check "a changed file gets a new ETag ($code)" test "$code" = 200 -a -n "$(field ETag)" -a "$(field ETag)" != "$before"
fetch /zel/zel.txt > /dev/null
before=$(field ETag)
printf '[澜映软件配置]\r\n域名={{PORTAL}}\r\n' | iconv -f UTF-8 -t GBK > "$work/zel.txt"
check "the configuration's ETag follows its bytes" test "$(fetch /zel/zel.txt -H "If-None-Match: $before")" = 200
check "the configuration's ETag is of the bytes sent" test "$(fetch /zel/zel.txt -H "If-None-Match: $(field ETag)")" = 304
fetch /tcab/gbook.asp > /dev/null
before=$(field ETag)
curl -s -o /dev/null --max-time 5 --data-urlencode "kind=求片" --data-urlencode "title=新片" "$base/tcab/gbook.asp"
check "a new message changes the guestbook's ETag" test "$(fetch /tcab/gbook.asp -H "If-None-Match: $before")" = 200

# Byte ranges, read against the file itself.
clip=/tcab/media/clip.webm
size=300000
while IFS='|' read -r range first last; do
    code=$(fetch "$clip" -H "Range: $range")
    if [ "$code" = 206 ] && [ "$(field Content-Range)" = "bytes $first-$last/$size" ] &&
        [ "$(field Accept-Ranges)" = bytes ] &&
        cmp -s "$work/body" <(tail -c +$((first + 1)) "$work/media/clip.webm" | head -c $((last - first + 1))); then pass
    else fail "Range: $range: $code, '$(field Content-Range)'"; fi
done <<EOF
bytes=100-199|100|199
bytes=299990-|299990|299999
bytes=-10|299990|299999
bytes=0-999999|0|299999
bytes=-999999|0|299999
EOF
for range in bytes=300000- bytes=-0; do
    code=$(fetch "$clip" -H "Range: $range")
    if [ "$code" = 416 ] && [ "$(field Content-Range)" = "bytes */$size" ]; then pass
    else fail "Range: $range: $code, '$(field Content-Range)', expected 416 with bytes */$size"; fi
done
while IFS='|' read -r name options; do
    code=$(eval fetch "$clip" "$options")
    if [ "$code" = 200 ] && [ "$(stat -c %s "$work/body")" = "$size" ] && [ "$(fields Content-Range)" = 0 ]; then pass
    else fail "$name: $code, $(stat -c %s "$work/body") bytes, expected the whole file"; fi
done <<'EOF'
no range|
several ranges|-H 'Range: bytes=0-1,4-5'
a reversed range|-H 'Range: bytes=9-5'
another unit|-H 'Range: items=0-5'
no numbers|-H 'Range: bytes=abc'
If-Range of another version|-H 'Range: bytes=0-9' -H 'If-Range: "other"'
EOF
fetch "$clip" > /dev/null
check "If-Range of the current version gives the range" \
    test "$(fetch "$clip" -H 'Range: bytes=0-9' -H "If-Range: $(field ETag)")" = 206
check "HEAD ignores a range" test "$(fetch "$clip" -I -H 'Range: bytes=0-9')$(field Content-Length)" = "200$size"
check "an error page ignores a range" test "$(fetch /no/such -H 'Range: bytes=0-2')$(cat "$work/body")" = "404404 Not Found"
check "a missing media file is not found" test "$(fetch /tcab/media/none.webm)" = 404
check "no path leaves the media folder" test "$(fetch /tcab/media/../../zel/zel.txt)" = 404
check "a range of a generated page" test "$(fetch /zel/zel.txt -H 'Range: bytes=0-0')$(cat "$work/body")" = 206[
"$binary" --root "$site" --media "$work/none" > /dev/null 2>&1
check "--media must name a folder" test $? -eq 2
check "dates on every answer" test -n "$(fetch /no/such > /dev/null; field Date)"

# --- Stopping -------------------------------------------------------------------
kill -TERM "$main_pid"
wait "$main_pid"
check "SIGTERM stops the server with status 0" test $? -eq 0
check "the stopped server says so" test "$(tail -n 1 "$work/log")" = stopped

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
