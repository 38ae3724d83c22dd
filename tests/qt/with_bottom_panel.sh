#!/bin/sh
# Runs a program on the current X display as a desktop with a 40-pixel panel
# along the bottom would show it: the root window's work area leaves the
# panel out, so the screen's available geometry is smaller than the screen.
# The server must keep it after xprop leaves: start it with -noreset.
set -eu
root=$(xwininfo -root)
width=$(printf '%s\n' "$root" | sed -n 's/^ *Width: *//p')
height=$(printf '%s\n' "$root" | sed -n 's/^ *Height: *//p')
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, $width, $((height - 40))"
exec "$@"
