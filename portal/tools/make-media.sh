#!/bin/bash
# Encodes the portal's test title from generated sources: ten seconds of the
# testsrc2 pattern (which shows its own running time and frame counter) at
# 640x360 with a beeping 440 Hz tone, as H.264 + AAC in MP4 (moov first, so
# playback starts before the whole file has arrived) and as VP9 + Opus in
# WebM for engines without H.264. Each file is written under a temporary
# name and renamed, so an interrupted build leaves no half file behind.
# Usage: tools/make-media.sh FFMPEG OUTPUT_DIR
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 FFMPEG OUTPUT_DIR" >&2
    exit 2
fi
ffmpeg=$1
out=$2
mkdir -p "$out"

sources=(-f lavfi -i testsrc2=size=640x360:rate=25:duration=10
         -f lavfi -i sine=frequency=440:beep_factor=4:sample_rate=48000:duration=10
         -map 0:v -map 1:a -shortest -g 50 -pix_fmt yuv420p -map_metadata -1)
encode() {  # encode NAME FORMAT OPTIONS...
    local name=$1 format=$2
    shift 2
    "$ffmpeg" -hide_banner -loglevel error -nostdin -y "${sources[@]}" -threads 2 "$@" \
        -f "$format" "$out/$name.tmp"
    mv -f "$out/$name.tmp" "$out/$name"
}

# Main profile at level 3.0 is what the player page announces (avc1.4D401E).
encode demo.mp4 mp4 -c:v libx264 -preset veryfast -profile:v main -level:v 3.0 -b:v 700k \
    -c:a aac -b:a 96k -movflags +faststart
# Realtime settings keep the VP9 encode to a second or two.
encode demo.webm webm -c:v libvpx-vp9 -deadline realtime -cpu-used 8 -row-mt 1 -b:v 700k \
    -c:a libopus -b:a 96k
