#!/usr/bin/env bash
# The capture benchmark under Wine: quillbox2.exe started and fed by a Windows program that puts
# texts on the clipboard, the item files observed on disk.
#
#   bench/history/run_capture_bench.sh BUILD_DIR [BASELINE_BUILD_DIR] [RUNS]
#
# BUILD_DIR is a Windows build tree with the targets quillbox2, qb_capture_bench and
# qb_trivial_window. BASELINE_BUILD_DIR (optional) holds another build's bin/quillbox2.exe,
# measured in the same run, in the same Wine prefix, right before. RUNS (default 20) is the
# number of starts whose median is reported. Prints, for each program:
#   - start to capture-ready with 500 History and 1000 Save items, and with an empty data home,
#     each beside a trivial Windows program started in the same run (until its window exists,
#     and until its end);
#   - how many of 100 distinct texts are stored at 100 and at 200 per second;
#   - the capture latency (clipboard set -> item file on disk), median of 20;
#   - "全削除" over 500 History items, and the end with AutoSave=0 over 500 items.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
if [ $# -lt 1 ] || [ ! -d "$1" ]; then
  sed -n '2,16p' "$0"
  exit 2
fi
build=$(cd "$1" && pwd)
baseline=""
[ $# -ge 2 ] && [ -n "$2" ] && baseline=$(cd "$2" && pwd)
runs=${3:-20}
for file in quillbox2.exe qb_capture_bench.exe qb_trivial_window.exe; do
  [ -f "$build/bin/$file" ] || { echo "missing $build/bin/$file" >&2; exit 2; }
done
[ -z "$baseline" ] || [ -f "$baseline/bin/quillbox2.exe" ] || { echo "missing $baseline/bin/quillbox2.exe" >&2; exit 2; }

# shellcheck source=/dev/null
source "$root/scripts/wine-env.sh"
qb_wine_start "$build"
trap qb_wine_stop EXIT

work="$build/bench-capture"
rm -rf "$work"
mkdir -p "$work"
win() { winepath -w "$1" 2>/dev/null | tr -d '\r'; }
bench() { wine "$build/bin/qb_capture_bench.exe" "$@" 2>/dev/null | tr -d '\r'; }
trivial=$(win "$build/bin/qb_trivial_window.exe")
home=$(win "$work")\\home

measure() {  # LABEL PROGRAM_DIR
  local program
  program=$(win "$2/bin/quillbox2.exe")
  echo "== $1: $2/bin/quillbox2.exe"
  bench startup "$program" "$trivial" "$home" 500 1000 "$runs" | tail -n 1
  bench startup "$program" "$trivial" "$home" 0 0 "$runs" | tail -n 1
  bench rate "$program" "$home" 100 100 | tail -n 1
  bench rate "$program" "$home" 200 100 | tail -n 1
  bench latency "$program" "$home" 20 | tail -n 1
  bench deleteall "$program" "$home" 500 | tail -n 1
  bench exit "$program" "$home" 500 | tail -n 1
}

[ -n "$baseline" ] && measure baseline "$baseline"
measure build "$build"
