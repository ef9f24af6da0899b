#!/bin/sh
# Runs the qbplan program on small plans and checks its exit codes and output bytes.
set -u
qbplan="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() {  # expect NAME WANTED_CODE GOT_CODE
  if [ "$2" != "$3" ]; then echo "FAIL $1: exit $3, wanted $2"; failures=$((failures + 1)); fi
}
name='<@@PLAN_NAME>t<@@/PLAN_NAME>'
insert='<@@INSERT><@@KIND_ADR>4<@@/KIND_ADR><@@KIND_IMS>1<@@/KIND_IMS><@@IDX_IN>0<@@/IDX_IN><@@DATAIN>> <@@/DATAIN><@@/INSERT>'
printf '%s' "$name<@@LINE><@@LINEME><@@/LINEME>$insert<@@/LINE>" > "$work/quote.plan"
printf '%s' "$name$insert<@@ESCAPE><@@/ESCAPE>" > "$work/cancel.plan"
printf '%s' "$name$insert<@@ACTWIN_DSP><@@/ACTWIN_DSP>" > "$work/fail.plan"
printf '%s' "$name<@@LINE>" > "$work/broken.plan"

printf 'a\r\n\202\240\r\n' | "$qbplan" run "$work/quote.plan" > "$work/out" 2> "$work/err"
expect completed 0 $?
printf '> a\r\n> \202\240\r\n' | cmp -s - "$work/out" || { echo "FAIL completed: output"; failures=$((failures + 1)); }
[ -s "$work/err" ] && { echo "FAIL completed: messages"; failures=$((failures + 1)); }

printf 'in' | "$qbplan" run "$work/cancel.plan" > "$work/out" 2> "$work/err"
expect cancelled 3 $?
printf 'in' | cmp -s - "$work/out" || { echo "FAIL cancelled: output"; failures=$((failures + 1)); }

printf 'in' | "$qbplan" run --yes "$work/fail.plan" > "$work/out" 2> "$work/err"
expect failed 1 $?
printf 'in' | cmp -s - "$work/out" || { echo "FAIL failed: output"; failures=$((failures + 1)); }
[ "$(wc -l < "$work/err")" -eq 4 ] || { echo "FAIL failed: messages"; failures=$((failures + 1)); }

printf 'a\r\nb' > "$work/in.txt"
"$qbplan" run --yes "$work/fail.plan" < "$work/in.txt" > "$work/out" 2> "$work/err"
expect failed-file 1 $?
cmp -s "$work/in.txt" "$work/out" || { echo "FAIL failed-file: output"; failures=$((failures + 1)); }

printf 'in' | "$qbplan" run "$work/broken.plan" > "$work/out" 2> "$work/err"
expect refused 1 $?
printf 'in' | cmp -s - "$work/out" || { echo "FAIL refused: output"; failures=$((failures + 1)); }

"$qbplan" check "$work/broken.plan" > /dev/null 2>&1
expect check-broken 1 $?
"$qbplan" check "$work/quote.plan" > "$work/out" 2>&1
expect check 0 $?
[ "$(wc -l < "$work/out")" -eq 3 ] || { echo "FAIL check: lines"; failures=$((failures + 1)); }
"$qbplan" frobnicate > /dev/null 2>&1
expect usage 2 $?

[ "$failures" -eq 0 ] && echo "qbplan: all checks passed"
exit "$failures"
