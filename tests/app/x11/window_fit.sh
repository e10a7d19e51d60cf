#!/bin/sh
# The framed window fits the screen under a window manager (openbox on Xvfb):
# on a 1600x1000 screen at the first and the second start, with a stored
# document name of 5,000 characters, and on a 1280x800 screen at the first.
# On a 1024x768 screen, stored side panes of 450 and 800 pixels give way to
# the document view, at the start and when the window is narrowed to 640, a
# window stored at 0,0 1598x975 (as on a 1600x1000 screen) fits, and so does
# that window stored maximised, once restored.
#   window_fit.sh PATH-OF-window_fit_probe
set -u
probe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One X server with a window manager; the probe runs once for each home
# given, with the probe's options given second.
on_screen() {
  size=$1
  options=$2
  shift 2
  PROBE=$probe OPTIONS=$options xvfb-run -a -s "-screen 0 ${size}x24" sh -c '
    openbox >/dev/null 2>&1 &
    sleep 1
    for home in "$@"; do
      QT_QPA_PLATFORM=xcb "$PROBE" "$home" $OPTIONS 2>/dev/null |
        grep -E "^(area|frame|fits|does|the window|view|keeps|hides|narrowed|stays|restored)"
    done' sh "$@"
}

echo "1600x1000, first and second start:"
on_screen 1600x1000 "" "$work/large" "$work/large" | tee "$work/large.out"
echo "1280x800, first start:"
on_screen 1280x800 "" "$work/small" | tee "$work/small.out"
echo "1024x768, panes stored 450 and 800, then narrowed to 640:"
on_screen 1024x768 "--panes 450 800 --narrow 640" "$work/panes" | tee "$work/panes.out"
echo "1024x768, window stored at 0,0 1598x975:"
on_screen 1024x768 "--stored 0 0 1598 975" "$work/stored" | tee "$work/stored.out"
echo "1024x768, window stored maximised at 0,0 1598x975, then restored:"
on_screen 1024x768 "--stored 0 0 1598 975 --maximised" "$work/maximised" |
  tee "$work/maximised.out"
[ "$(grep -c '^fits$' "$work/large.out")" = 2 ] && [ "$(grep -c '^fits$' "$work/small.out")" = 1 ] &&
  [ "$(grep -c '^fits$' "$work/panes.out")" = 2 ] &&
  [ "$(grep -c '^fits$' "$work/stored.out")" = 1 ] &&
  [ "$(grep -c '^fits$' "$work/maximised.out")" = 2 ] && grep -q '^restored$' "$work/maximised.out" &&
  [ "$(grep -c '^keeps the view$' "$work/panes.out")" = 2 ] &&
  grep -q '^narrowed to' "$work/panes.out"
