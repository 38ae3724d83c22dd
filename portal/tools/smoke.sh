#!/bin/bash
# Smoke test of the demo portal: starts PORTAL_BINARY on a free port, checks
# every path the client requests and every command link target of the pages,
# then stops the server it started.
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
pid=

finish() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap finish EXIT

pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

"$binary" --port 0 --root "$site" --bind 127.0.0.1 > "$work/log" 2>&1 &
pid=$!
port=
for _ in $(seq 1 50); do
    port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$work/log")
    [ -n "$port" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$port" ]; then
    echo "FAIL: the portal did not start:"
    cat "$work/log"
    echo "0 passed, 1 failed"
    exit 1
fi
base="http://127.0.0.1:$port"

status_of() { curl -s --path-as-is -o "$work/body" -w '%{http_code}' --max-time 5 "$base$1"; }

expect() {  # expect STATUS PATH
    local got
    got=$(status_of "$2")
    if [ "$got" = "$1" ]; then pass; else fail "$2: status $got, expected $1"; fi
}

# Every path the client requests.
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

# Command links of the pages lead to served pages once mapped onto the base
# URL the way the client maps them (play links are lower-cased first).
pages="/tcab/ /tcab/series/yanyu/ /tcab/series/tiegui/ /tcab/series/zhifeiji/ /tcab/hit.asp?id=999"
: > "$work/targets"
for page in $pages; do
    curl -s --max-time 5 "$base$page" |
        grep -oE 'href="(flvplay|tudouplay|qiyiplay|youkuplay|appplay|appopen)://[^"]*"' |
        sed -E 's/^href="[a-z]+:\/\/(.*)"$/\1/; s/&amp;/\&/g' >> "$work/targets"
done
for page in /tcab/tj/ /tcab/tv/; do
    curl -s --max-time 5 "$base$page" | grep -oE 'href="[^"]*#[^"]*"' |
        sed -E 's/^href="([^#]*)#.*$/\1/' >> "$work/targets"
done
count=$(wc -l < "$work/targets")
if [ "$count" -ge 40 ]; then pass; else fail "only $count command link targets found"; fi
while read -r target; do
    expect 200 "$(printf '%s' "$target" | tr 'A-Z' 'a-z')"
done < "$work/targets"

# Path rules and faults.
expect 404 /tcab/../zel/zel.txt
expect 404 //etc/passwd
expect 404 /%2Fetc/passwd
expect 404 //tmp
expect 404 /no/such/page.html
expect 301 /tcab
expect 500 /fault/500
expect 200 /fault/garbage

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
