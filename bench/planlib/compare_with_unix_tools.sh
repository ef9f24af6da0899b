#!/bin/bash
# Times qbplan against GNU sed, sort and awk doing the same nine transforms on the same
# 512000-byte, 10000-line Shift-JIS text, and prints the ratios (qbplan time / tool time).
#
#   bash bench/planlib/compare_with_unix_tools.sh [BUILD_DIR] [ROUNDS] [EARLIER_QBPLAN]
#
# BUILD_DIR (default build/plan-native) must hold the targets qbplan and qb_plan_bench_files.
# EARLIER_QBPLAN, a qbplan program of an earlier version, is timed in the same run, each transform
# beside the others, and its ratio printed as well.
set -eu
build=${1:-build/plan-native}
rounds=${2:-5}
earlier=${3:-}
qbplan="$build/tools/qbplan/qbplan"
writer="$build/bench/planlib/qb_plan_bench_files"
for program in "$qbplan" "$writer" ${earlier:+"$earlier"}; do
  [ -x "$program" ] || { echo "missing $program: build the targets qbplan and qb_plan_bench_files" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$writer" "$work"
text="$work/text.txt"
export LC_ALL=C

# Shift-JIS sed scripts for the kana widths, voiced pairs first.
half_voiced="ｶﾞ ｷﾞ ｸﾞ ｹﾞ ｺﾞ ｻﾞ ｼﾞ ｽﾞ ｾﾞ ｿﾞ ﾀﾞ ﾁﾞ ﾂﾞ ﾃﾞ ﾄﾞ ﾊﾞ ﾋﾞ ﾌﾞ ﾍﾞ ﾎﾞ ﾊﾟ ﾋﾟ ﾌﾟ ﾍﾟ ﾎﾟ ｳﾞ"
full_voiced="ガ ギ グ ゲ ゴ ザ ジ ズ ゼ ゾ ダ ヂ ヅ デ ド バ ビ ブ ベ ボ パ ピ プ ペ ポ ヴ"
half_kana="ｱ ｲ ｳ ｴ ｵ ｶ ｷ ｸ ｹ ｺ ｻ ｼ ｽ ｾ ｿ ﾀ ﾁ ﾂ ﾃ ﾄ ﾅ ﾆ ﾇ ﾈ ﾉ ﾊ ﾋ ﾌ ﾍ ﾎ ﾏ ﾐ ﾑ ﾒ ﾓ ﾔ ﾕ ﾖ ﾗ ﾘ ﾙ ﾚ ﾛ ﾜ ﾝ ｦ ｧ ｨ ｩ ｪ ｫ ｯ ｬ ｭ ｮ ｰ"
full_kana="ア イ ウ エ オ カ キ ク ケ コ サ シ ス セ ソ タ チ ツ テ ト ナ ニ ヌ ネ ノ ハ ヒ フ ヘ ホ マ ミ ム メ モ ヤ ユ ヨ ラ リ ル レ ロ ワ ン ヲ ァ ィ ゥ ェ ォ ッ ャ ュ ョ ー"
sed_script() {  # sed_script FROM_LIST TO_LIST ... (pairs of lists)
  while [ $# -ge 2 ]; do
    read -r -a from <<< "$1"
    read -r -a to <<< "$2"
    for i in "${!from[@]}"; do printf 's/%s/%s/g\n' "${from[$i]}" "${to[$i]}"; done
    shift 2
  done | iconv -f UTF-8 -t CP932 | sed 's/[[\\]/\\&/g'  # trail bytes 0x5B, 0x5C are special to sed
}
sed_script "$half_voiced" "$full_voiced" "$half_kana" "$full_kana" > "$work/to_full.sed"
sed_script "$full_voiced" "$half_voiced" "$full_kana" "$half_kana" > "$work/to_half.sed"
open_bracket=$(printf '\201\165')
close_bracket=$(printf '\201\166')
full_space=$(printf '\201\100')

tool_command() {
  case "$1" in
    bracket_lines) sed "s/^/$open_bracket/; s/\r\$/$close_bracket\r/" "$text" ;;
    remove_blanks) tr -d ' \t\r\n' < "$text" | sed "s/$full_space//g" ;;
    divide_lines) awk '{ while (length($0) > 20) { print substr($0, 1, 20); $0 = substr($0, 21) } print }' "$text" ;;
    dedupe_lines) awk '!seen[$0]++' "$text" ;;
    sort_descending) sort -s -r "$text" ;;
    sort_ascending) sort -s "$text" ;;
    kana_to_full) sed -f "$work/to_full.sed" "$text" ;;
    kana_to_half) sed -f "$work/to_half.sed" "$text" ;;
    quote_lines) sed 's/^/> /' "$text" ;;
  esac
}

milliseconds() {  # milliseconds COMMAND... : the best of $rounds runs
  local best=""
  for _ in $(seq "$rounds"); do
    local start end elapsed
    start=$(date +%s%N)
    "$@" > /dev/null
    end=$(date +%s%N)
    elapsed=$(( (end - start) / 1000 ))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
  done
  awk -v us="$best" 'BEGIN { printf "%.2f", us / 1000 }'
}

run_qbplan() { "$qbplan" run "$work/$1.plan" < "$text"; }
run_earlier() { "$earlier" run "$work/$1.plan" < "$text"; }

if [ -z "$earlier" ]; then
  printf '%-16s %12s %12s %8s\n' transform "qbplan ms" "unix ms" ratio
else
  printf '%-16s %12s %12s %8s %12s %8s\n' transform "qbplan ms" "unix ms" ratio "earlier ms" ratio
fi
for name in bracket_lines remove_blanks divide_lines dedupe_lines sort_descending sort_ascending \
            kana_to_full kana_to_half quote_lines; do
  ours=$(milliseconds run_qbplan "$name")
  theirs=$(milliseconds tool_command "$name")
  if [ -z "$earlier" ]; then
    awk -v n="$name" -v a="$ours" -v b="$theirs" \
      'BEGIN { printf "%-16s %12.2f %12.2f %8.2f\n", n, a, b, (b > 0 ? a / b : 0) }'
  else
    before=$(milliseconds run_earlier "$name")
    awk -v n="$name" -v a="$ours" -v b="$theirs" -v c="$before" \
      'BEGIN { printf "%-16s %12.2f %12.2f %8.2f %12.2f %8.2f\n", n, a, b, (b > 0 ? a / b : 0), c, (b > 0 ? c / b : 0) }'
  fi
done
