#!/bin/sh
# Runs a GUI test program on a virtual X server, for windows that draw with OpenGL.
# Exits with 77 (a skipped test) when xvfb-run is not installed.
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is missing: the test is skipped"
  exit 77
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$@"
