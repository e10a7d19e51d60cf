#!/bin/sh
# Runs a program on an X server of its own (Xvfb on a free display) with a
# window manager (openbox), as a user's desktop has one:
#   under_window_manager.sh WIDTHxHEIGHT PROGRAM [ARGUMENT...]
# Answers the program's exit code.
set -u
size=$1
shift
exec xvfb-run -a -s "-screen 0 ${size}x24" sh -c '
  openbox >/dev/null 2>&1 &
  manager=$!
  sleep 1
  QT_QPA_PLATFORM=xcb "$@"
  code=$?
  kill "$manager" 2>/dev/null
  exit "$code"' sh "$@"
