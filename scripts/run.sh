#!/usr/bin/env bash
# Sets everything up, builds the Windows programs and starts quillbox2.exe under Wine with a data
# home inside the build tree, its window called up. Without a display it starts a virtual one
# and prints the path of a screenshot of it. Ctrl+C ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
bash scripts/setup.sh
mkdir -p build/logs
cmake --preset windows >build/logs/configure-windows.log
cmake --build --preset windows -j2 --target quillbox2 >build/logs/build-windows.log
trap qb_wine_stop EXIT
started_display=${DISPLAY:-}
qb_wine_start build/windows
data_home=$(winepath -w "$(pwd)/build/run-data-home" 2>/dev/null)
mkdir -p build/run-data-home
wine build/windows/bin/quillbox2.exe "--data-home=${data_home}" --show &
program=$!
echo "quillbox2.exe runs (data home: build/run-data-home). Ctrl+C ends it."
if [ -z "$started_display" ]; then
  sleep 4
  import -window root build/run-screenshot.png && echo "screenshot: $(pwd)/build/run-screenshot.png"
fi
wait "$program"
