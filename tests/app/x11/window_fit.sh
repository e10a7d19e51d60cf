#!/bin/sh
# The framed window fits the screen under a window manager (openbox on Xvfb):
# on a 1600x1000 screen at the first and the second start, with a stored
# document name of 5,000 characters, and on a 1280x800 screen at the first.
#   window_fit.sh PATH-OF-window_fit_probe
set -u
probe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One X server with a window manager; the probe runs once for each home given.
on_screen() {
  size=$1
  shift
  PROBE=$probe xvfb-run -a -s "-screen 0 ${size}x24" sh -c '
    openbox >/dev/null 2>&1 &
    sleep 1
    for home in "$@"; do
      QT_QPA_PLATFORM=xcb "$PROBE" "$home" 2>/dev/null | grep -E "^(area|frame|fits|does|the window)"
    done' sh "$@"
}

echo "1600x1000, first and second start:"
on_screen 1600x1000 "$work/large" "$work/large" | tee "$work/large.out"
echo "1280x800, first start:"
on_screen 1280x800 "$work/small" | tee "$work/small.out"
[ "$(grep -c '^fits$' "$work/large.out")" = 2 ] && [ "$(grep -c '^fits$' "$work/small.out")" = 1 ]
