#!/usr/bin/env bash
# The LAN scenario: two "computers", A and B, each a quillbox2.exe under its own Wine prefix, data
# home and X display, inside a network namespace this script creates, joined by a bridge in a
# third one; a fourth namespace C plays a forger. Every datagram stays inside these namespaces:
# each prefix's wineserver (where Wine keeps the sockets) is started inside its namespace and
# checked to be there before a program of it runs.
#   tests/e2e/lan/run_lan_e2e.sh <windows build dir>
#
# Steps: (a) each Open tab lists itself first and the other second, by name; (b) a text copied on
# A is B's value for A within 2 s, and in B's clipboard (B syncs A), and B does not publish it
# back; (c) an item added on A in the folder both share appears in B's Shared tab by itself; the
# folder renamed away shows B the cache read-only, and back when it returns; (f) screenshots of
# both Open tabs; (e) a forged OPEN_INFO_R naming another address gets no answer there; (d) B
# killed, A shows it as not answering after its seven requests. Prints one line per step and
# "e2e-lan: N passed, N failed"; exits non-zero on any failure, and when this machine cannot make
# network namespaces (root and iproute2 are needed). Artifacts: <build>/lan-e2e/.
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ $# -ne 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 <windows build dir>" >&2
  exit 2
fi
build_dir=$(cd "$1" && pwd)
program="$build_dir/bin/quillbox2.exe"
driver="$build_dir/bin/qb_e2e_driver.exe"
work="$build_dir/lan-e2e"
wire="$here/lan_wire.py"

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS $*"; }
fail() { failed=$((failed + 1)); echo "FAIL $*"; }
summary() { echo "e2e-lan: $passed passed, $failed failed"; }

cannot() {
  echo "FAIL lan: $*"
  failed=$((failed + 1))
  summary
  exit 1
}

[ "$(id -u)" -eq 0 ] || cannot "this machine cannot create network namespaces here (the scenario needs root)"
command -v ip >/dev/null || cannot "this machine cannot create network namespaces (no iproute2 'ip')"
[ -f "$program" ] || cannot "missing $program (build the target quillbox2)"
[ -f "$driver" ] || cannot "missing $driver (build the target qb_e2e_driver)"

suffix=$$
ns_a=qbeA$suffix ns_b=qbeB$suffix ns_c=qbeC$suffix ns_s=qbeS$suffix
addr_a=10.231.9.1 addr_b=10.231.9.2 addr_c=10.231.9.3 addr_named=10.231.9.4
xvfb_pids=()
sniffer_pid=""
driver_pids=()
prefixes=("$build_dir/lan-e2e-prefixA" "$build_dir/lan-e2e-prefixB")

export LANG=ja_JP.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset LC_ALL LC_CTYPE

quiet() { "$@" >/dev/null 2>&1; }

# Linux process ids of the programs running under one of our prefixes.
prefix_processes() {
  local file pid
  for file in $(grep -lzxF "WINEPREFIX=$1" /proc/[0-9]*/environ 2>/dev/null); do
    pid=${file#/proc/}
    pid=${pid%/environ}
    [ "$pid" = "$$" ] || echo "$pid"
  done
}

finish() {
  trap - EXIT INT TERM
  local prefix pids
  [ -n "$sniffer_pid" ] && quiet kill "$sniffer_pid"
  for prefix in "${prefixes[@]}"; do
    WINEPREFIX=$prefix quiet timeout 10 wineserver -k
    pids=$(prefix_processes "$prefix")
    [ -n "$pids" ] && quiet kill -9 $pids
  done
  for pid in "${driver_pids[@]}" "${xvfb_pids[@]}"; do quiet kill "$pid"; done
  for ns in "$ns_a" "$ns_b" "$ns_c" "$ns_s"; do quiet ip netns del "$ns"; done
}
trap finish EXIT
trap 'exit 130' INT TERM

# ---- The LAN: four namespaces, a bridge in S. ----
build_lan() {
  local ns
  for ns in "$ns_a" "$ns_b" "$ns_c" "$ns_s"; do ip netns add "$ns" || return 1; done
  ip -n "$ns_s" link add br0 type bridge && ip -n "$ns_s" link set br0 up || return 1
  # The sniffer on br0 sees the frames the bridge forwards between the computers too.
  ip -n "$ns_s" link set br0 promisc on || return 1
  local pairs=("$ns_a:pa:$addr_a" "$ns_b:pb:$addr_b" "$ns_c:pc:$addr_c")
  for pair in "${pairs[@]}"; do
    IFS=: read -r ns peer address <<<"$pair"
    ip -n "$ns" link add eth0 type veth peer name "$peer" netns "$ns_s" &&
      ip -n "$ns_s" link set "$peer" master br0 && ip -n "$ns_s" link set "$peer" up &&
      ip -n "$ns" addr add "$address/24" dev eth0 && ip -n "$ns" link set eth0 up &&
      ip -n "$ns" link set lo up && ip -n "$ns" route add default dev eth0 || return 1
  done
  ip -n "$ns_c" addr add "$addr_named/24" dev eth0
}
build_lan || cannot "this machine cannot create network namespaces (ip netns failed)"

rm -rf "$work"
mkdir -p "$work/artifacts" "$work/shared"

start_xvfb() {  # prints the display number
  local number
  for number in $(seq 170 240); do
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
    Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb$number.log" 2>&1 &
    xvfb_pids+=($!)
    for _ in $(seq 1 100); do [ -S "/tmp/.X11-unix/X$number" ] && break; sleep 0.05; done
    [ -S "/tmp/.X11-unix/X$number" ] && { display_number=$number; return 0; }
  done
  return 1
}
start_xvfb || cannot "no free X display"
display_a=":$display_number"
start_xvfb || cannot "no free X display"
display_b=":$display_number"

in_computer() {  # <namespace> <prefix> <display> command...
  local ns=$1 prefix=$2 display=$3
  shift 3
  ip netns exec "$ns" env WINEPREFIX="$prefix" DISPLAY="$display" "$@"
}

# Each prefix's wineserver runs in its computer's namespace, or nothing of it runs at all.
start_wineserver() {  # <namespace> <prefix> <display>
  local ns=$1 prefix=$2 display=$3 pid
  WINEPREFIX=$prefix quiet timeout 10 wineserver -k
  if [ ! -f "$prefix/system.reg" ]; then
    in_computer "$ns" "$prefix" "$display" wineboot -i >"$work/wineboot-$ns.log" 2>&1
    in_computer "$ns" "$prefix" "$display" timeout 120 wineserver -w
  fi
  in_computer "$ns" "$prefix" "$display" wineserver -p
  sleep 0.5
  for pid in $(prefix_processes "$prefix"); do
    grep -qzF wineserver "/proc/$pid/cmdline" || continue
    [ "$(ip netns identify "$pid")" = "$ns" ] || return 1
  done
  return 0
}
start_wineserver "$ns_a" "${prefixes[0]}" "$display_a" || cannot "the wineserver of A is not in A's namespace"
start_wineserver "$ns_b" "${prefixes[1]}" "$display_b" || cannot "the wineserver of B is not in B's namespace"

windows_path() { echo "Z:${1//\//\\}"; }

# ---- Data homes: publishing on in group E2E, the shared folder; B syncs A's changes. ----
write_home() {  # <folder> <name> [extra "key=value"...]
  local folder=$1 name=$2
  shift 2
  mkdir -p "$folder"
  {
    for setting in "Open_Enable=1" "Open_Group0=E2E" "Open_Group_Cnt=1" "Open_Group_Idx=0" \
      "OpenSave=1" "Open_MyName=$name" "Common_Enable=1" "Common_Cnt=1" "Common_Idx=0" \
      "Common_CashDirNo0=0" "Common_Pass0=$(windows_path "$work/shared")" "$@"; do
      printf '"%s=","%s","x"\r\n' "${setting%%=*}" "${setting#*=}"
    done
  } >"$folder/quillbox2.dat"
}
write_home "$work/homeA" ComputerA
write_home "$work/homeB" ComputerB "OpenSameIP00=$addr_a" "OpenSameHistFlg00=0"

ip netns exec "$ns_s" python3 "$wire" sniff br0 "$work/artifacts/wire.log" 2>"$work/sniffer.log" &
sniffer_pid=$!

start_driver() {  # <letter> <namespace> <prefix> <display>
  local letter=$1
  mkdir -p "$work/commands$letter"
  in_computer "$2" "$3" "$4" wine "$driver" --lan-computer "$(windows_path "$program")" \
    "$(windows_path "$work/home$letter")\\" "$(windows_path "$work/commands$letter")" \
    >"$work/driver$letter.out" 2>"$work/driver$letter.steps" &
  driver_pids+=($!)
}
start_driver A "$ns_a" "${prefixes[0]}" "$display_a"
start_driver B "$ns_b" "${prefixes[1]}" "$display_b"

# Runs one command on computer A or B; prints its answer lines; fails with the driver's reason.
# The commands are numbered by the files already written (callers run it in subshells too).
ask() {
  local letter=$1
  shift
  local folder="$work/commands$letter"
  local number=$(($(find "$folder" -name 'cmd-*.txt' | wc -l) + 1))
  (IFS=$'\t'; printf '%s' "$*") >"$folder/cmd-$number.part" && mv "$folder/cmd-$number.part" "$folder/cmd-$number.txt"
  local deadline=$((SECONDS + 40))
  until [ -f "$folder/res-$number.txt" ]; do
    [ "$SECONDS" -ge "$deadline" ] && { echo "no answer from $letter to: $*"; return 1; }
    sleep 0.05
  done
  local answer
  answer=$(tr -d '\r' <"$folder/res-$number.txt")
  [ "${answer%%$'\n'*}" = "OK" ] || { echo "$answer"; return 1; }
  printf '%s\n' "${answer#OK}" | sed '/^$/d'
}

started() {  # <letter>: the driver started the program and called its window up
  local deadline=$((SECONDS + 90))
  until [ -f "$work/commands$1/res-0.txt" ]; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
  grep -q '^OK' "$work/commands$1/res-0.txt"
}
started A || cannot "A did not start: $(cat "$work/commandsA/res-0.txt" 2>/dev/null) $(tail -5 "$work/driverA.steps")"
started B || cannot "B did not start: $(cat "$work/commandsB/res-0.txt" 2>/dev/null) $(tail -5 "$work/driverB.steps")"

# Polls `ask` until its answer matches the extended regular expression, for at most <seconds>.
wait_for() {  # <seconds> <regex> <letter> command...
  local limit=$1 pattern=$2
  shift 2
  local deadline=$((SECONDS + limit)) seen=""
  while :; do
    seen=$(ask "$@") && printf '%s\n' "$seen" | grep -Eq -- "$pattern" && return 0
    [ "$SECONDS" -ge "$deadline" ] && { echo "last seen: $seen"; return 1; }
    sleep 0.2
  done
}

# Polls `ask` until its whole answer is <expected>, for at most <seconds>.
wait_exact() {  # <seconds> <expected> <letter> command...
  local limit=$1 expected=$2
  shift 2
  local deadline=$((SECONDS + limit))
  until [ "$(ask "$@")" = "$expected" ]; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

hex_sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n'; }

# ---- (a) ----
ask A click 公開 >/dev/null && ask B click 公開 >/dev/null
if wait_exact 30 "ComputerA | $addr_a"$'\n'"ComputerB | $addr_b" A rows 0,3 &&
  wait_exact 30 "ComputerB | $addr_b"$'\n'"ComputerA | $addr_a" B rows 0,3; then
  pass "(a) each Open tab lists itself first and the other computer second, by name"
else
  fail "(a) the Open tabs: A shows [$(ask A rows 0,3 | tr '\n' ';')] B shows [$(ask B rows 0,3 | tr '\n' ';')]"
fi

# ---- (b) ----
text="LAN公開テスト：Ａから"
ask A copy "$text" >/dev/null
copied=$(date +%s%N)
if wait_for 10 "^ComputerA \| $text\$" B rows 0,1 >/dev/null; then
  took_ms=$((($(date +%s%N) - copied) / 1000000))
  took=$(printf '%d.%03d' $((took_ms / 1000)) $((took_ms % 1000)))
  if [ "$took_ms" -le 2000 ]; then
    pass "(b) A's text is A's value in B's Open tab after ${took} s"
  else
    fail "(b) A's text reached B's Open tab only after ${took} s"
  fi
else
  fail "(b) A's text never reached B's Open tab"
fi
if wait_for 10 "^$text\$" B clipboard >/dev/null; then
  pass "(b) change sync put A's text on B's clipboard"
else
  fail "(b) B's clipboard holds [$(ask B clipboard)]"
fi
sleep 3
text_hex=$(hex_sjis "$text")
if ! grep -q "^$addr_a .* OPEN_INFO_R .*text=$text_hex\$" "$work/artifacts/wire.log"; then
  fail "(b) the wire log shows no announcement of A's text (sniffer broken?)"
elif grep -q "^$addr_b .* OPEN_INFO_R .*text=$text_hex\$" "$work/artifacts/wire.log"; then
  fail "(b) B published the synced text back"
else
  pass "(b) B did not publish the synced text back"
fi

# ---- (c) ----
ask A click 共有 >/dev/null && ask B click 共有 >/dev/null
if ask A click "新規..." >/dev/null &&
  ask A dialog "Quillbox＜共有：新規作成＞" "2200=E2E項目" "2201=共有する値" >/dev/null &&
  wait_for 20 "^E2E項目 \| 共有する値" B rows 0,1 >/dev/null; then
  pass "(c) an item added on A appeared in B's Shared tab after the notice"
else
  fail "(c) B's Shared tab shows [$(ask B rows 0,1 | tr '\n' ';')]"
fi
mv "$work/shared" "$work/shared-away"
if ask B click 公開 >/dev/null && ask B click 共有 >/dev/null &&
  ask B box "共有されているフォルダが見つかりません" >/dev/null &&
  wait_for 10 "^E2E項目" B rows 0 >/dev/null && ask B label "キャッシュ使用中" >/dev/null; then
  DISPLAY=$display_b quiet import -window root "$work/artifacts/shared-tab-B-cache.png"
  pass "(c) with the folder unreachable B shows the cached items read-only"
else
  fail "(c) cache mode: B shows [$(ask B rows 0 | tr '\n' ';')]"
fi
mv "$work/shared-away" "$work/shared"
if ask B click 公開 >/dev/null && ask B click 共有 >/dev/null && sleep 1 &&
  ask B nolabel "キャッシュ使用中" >/dev/null && wait_for 10 "^E2E項目" B rows 0 >/dev/null; then
  pass "(c) with the folder back B shows it again"
else
  fail "(c) B did not leave cache mode"
fi

# ---- (f) ----
ask A click 公開 >/dev/null
ask B click 公開 >/dev/null
sleep 1
if DISPLAY=$display_a import -window root "$work/artifacts/open-tab-A.png" 2>/dev/null &&
  DISPLAY=$display_b import -window root "$work/artifacts/open-tab-B.png" 2>/dev/null; then
  pass "(f) screenshots of both Open tabs: $work/artifacts/open-tab-A.png, open-tab-B.png"
else
  fail "(f) no screenshots"
fi

# ---- (e) ----
ip netns exec "$ns_c" python3 "$wire" listen "$addr_named" 27089 5 >"$work/artifacts/listen-named.txt" &
named_pid=$!
ip netns exec "$ns_c" python3 "$wire" listen "$addr_c" 27089 5 >"$work/artifacts/listen-real.txt" &
real_pid=$!
sleep 0.5
ip netns exec "$ns_c" python3 "$wire" forge "$addr_a" 27089 "$addr_named" E2E
wait "$named_pid" "$real_pid"
if grep -q "^received 0$" "$work/artifacts/listen-named.txt" &&
  ! grep -q " $addr_named " "$work/artifacts/wire.log" &&
  grep -q "kind OPEN_INFO_A" "$work/artifacts/listen-real.txt"; then
  pass "(e) the forged OPEN_INFO_R got no answer at the address it named (A answered the sender)"
else
  fail "(e) named: $(tr '\n' ';' <"$work/artifacts/listen-named.txt") real: $(tr '\n' ';' <"$work/artifacts/listen-real.txt")"
fi

# ---- (d) ----
for pid in $(prefix_processes "${prefixes[1]}"); do
  grep -qzF quillbox2.exe "/proc/$pid/cmdline" && kill -9 "$pid"
done
killed_at=$(wc -l <"$work/artifacts/wire.log")
ask A copy "Ｂが消えた後" >/dev/null
if wait_for 40 "^$addr_b \| 3\$" A rows 3,6 >/dev/null; then
  sleep 2
  requests=$(tail -n +"$((killed_at + 1))" "$work/artifacts/wire.log" | grep -c "^$addr_a $addr_b OPEN_INFO_R ")
  if [ "$requests" -eq 7 ]; then
    pass "(d) A shows B as not answering (state 3) after 7 unanswered requests"
  else
    fail "(d) A shows B as not answering, but after $requests requests"
  fi
else
  fail "(d) A's row of B: [$(ask A rows 3,6 | tr '\n' ';')]"
fi

if ask A close >/dev/null; then pass "A ends in order"; else fail "A did not end in order"; fi
ask A quit >/dev/null
cp "$work/driverA.steps" "$work/driverB.steps" "$work/artifacts/" 2>/dev/null
summary
[ "$failed" -eq 0 ]
