#!/usr/bin/env bash
# Saves a screenshot of the X display $DISPLAY (the virtual display of the Wine runs) as a PNG.
#   tests/e2e/screenshot.sh <file.png>
# Prints the file's path when it was written.
set -u
if [ $# -ne 1 ] || [ -z "${DISPLAY:-}" ]; then
  echo "usage: DISPLAY=:N $0 <file.png>" >&2
  exit 2
fi
mkdir -p "$(dirname "$1")"
if import -window root "$1" 2>/dev/null; then
  echo "$1"
else
  echo "screenshot of display $DISPLAY failed" >&2
  exit 1
fi
