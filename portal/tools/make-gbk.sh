#!/bin/sh
# Regenerates the portal's GBK text files (site/zel/*.txt) from their UTF-8
# sources in site-src/. The client reads them as Windows INI/text files, so
# they are GBK with CRLF line ends.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$here/site/zel"
for name in zel.txt link.txt; do
    src="$here/site-src/$name"
    dst="$here/site/zel/$name"
    tr -d '\r' < "$src" | sed 's/$/\r/' | iconv -f UTF-8 -t GBK > "$dst.tmp"
    mv "$dst.tmp" "$dst"
    echo "wrote $dst"
done
