#!/usr/bin/env bash
# The kill test: quillbox2.exe is killed (SIGKILL of its Wine process) at a random moment during
# a burst of captures, started again and checked, ROUNDS times over one data home.
#
#   bench/history/run_kill_test.sh BUILD_DIR [ROUNDS]
#
# After each restart: every item file is whole and readable (a record of the program's form
# holding one whole text), the History shows every item file, no temporary "~qb*.tmp" file is
# left, and every text that was stored before the kill is still there. Prints one line per round
# and "kill test: N of ROUNDS rounds passed"; exits non-zero when one failed.
set -u -o pipefail  # a check's failure must not be hidden by the pipe through tr
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
if [ $# -lt 1 ] || [ ! -d "$1" ]; then
  sed -n '2,10p' "$0"
  exit 2
fi
build=$(cd "$1" && pwd)
rounds=${2:-50}
for file in quillbox2.exe qb_capture_bench.exe; do
  [ -f "$build/bin/$file" ] || { echo "missing $build/bin/$file" >&2; exit 2; }
done

# shellcheck source=/dev/null
source "$root/scripts/wine-env.sh"
qb_wine_start "$build"

# Linux process ids of the Windows programs of our prefix whose command line names the program.
own_wine_processes() {
  local environ pid
  while read -r environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [ "$pid" = "$$" ] && continue
    grep -qzF "$1" "/proc/$pid/cmdline" 2>/dev/null && echo "$pid"
  done < <(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null)
}

kill_all() {  # PROGRAM_NAME: SIGKILL, then wait until they are gone
  local pids
  mapfile -t pids < <(own_wine_processes "$1")
  [ ${#pids[@]} -gt 0 ] && kill -9 "${pids[@]}" 2>/dev/null
  for _ in $(seq 1 100); do
    [ -z "$(own_wine_processes "$1")" ] && return 0
    sleep 0.05
  done
}

finish() {
  kill_all quillbox2.exe
  kill_all qb_capture_bench.exe
  qb_wine_stop
}
trap finish EXIT

work="$build/bench-kill"
rm -rf "$work"
mkdir -p "$work"
win() { winepath -w "$1" 2>/dev/null | tr -d '\r'; }
bench() { wine "$build/bin/qb_capture_bench.exe" "$@" 2>/dev/null | tr -d '\r'; }
program="$build/bin/quillbox2.exe"
home=$(win "$work")\\home
snapshot="$work/snapshot.txt"
snapshot_win=$(win "$snapshot")

start_program() {
  wine "$program" "--data-home=$home" >/dev/null 2>&1 &
  bench ready "$home" >/dev/null
}

bench prepare "$home" 0 >/dev/null || { echo "cannot prepare the data home"; exit 1; }
passed=0
for round in $(seq 1 "$rounds"); do
  start_program || { echo "round $round: the program took no text after its start"; continue; }
  bench burst 100 400 "k$round" >/dev/null &
  burst=$!
  # A random moment in the burst: 50-2550 ms.
  sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.05 + (r % 2500) / 1000 }')"
  kill_all quillbox2.exe
  kill "$burst" 2>/dev/null
  kill_all qb_capture_bench.exe
  wait "$burst" 2>/dev/null
  taken=$(bench snapshot "$home" "$snapshot_win")
  if ! start_program; then
    echo "round $round: FAIL, the program took no text after the restart ($taken)"
    kill_all quillbox2.exe
    continue
  fi
  sleep 1  # the clean-up of leftovers runs after the window is up
  if result=$(bench check "$home" "$snapshot_win"); then
    passed=$((passed + 1))
    echo "round $round: ok ($taken; $(echo "$result" | tail -n 1))"
  else
    echo "round $round: FAIL ($taken)"
    echo "$result" | sed 's/^/  /'
  fi
  kill_all quillbox2.exe
done
echo "kill test: $passed of $rounds rounds passed"
[ "$passed" -eq "$rounds" ]
