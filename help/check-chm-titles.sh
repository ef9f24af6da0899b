#!/usr/bin/env bash
# Decompiles a help file with extract_chmLib (Debian package libchm-bin) and checks that every
# required title is the title of one of its pages, and that every page has a title.
#   help/check-chm-titles.sh <file.chm> <required titles file> [<source file> ...]
#
# The required titles file holds one title a line (UTF-8). The names the program itself defines
# are required as well when their source is given: every block kind and condition kind of the
# plan engine's table (planlib/engine/block_kinds.cpp), every page of the settings sheet
# (settings/sheet_pages.cpp). So a new block kind or settings page without a help page fails here.
# Prints "help titles: N passed, N failed"; exits non-zero on any failure.
set -uo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 <file.chm> <required titles> [<source file> ...]" >&2
  exit 2
fi
chm=$1
required_file=$2
shift 2
source_files=("$@")

for tool in extract_chmLib iconv; do
  command -v "$tool" >/dev/null || {
    echo "$tool is missing: run scripts/setup.sh (libchm-bin)"; echo "help titles: 0 passed, 1 failed"; exit 1; }
done
[ -f "$chm" ] || { echo "missing $chm (build the target help_files)"; echo "help titles: 0 passed, 1 failed"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
extract_chmLib "$chm" "$work/out" >/dev/null 2>&1

passed=0
failed=0
fail() { echo "  $*"; failed=$((failed + 1)); }

# The title of every page, back in UTF-8.
: >"$work/titles"
pages=0
while IFS= read -r -d '' page; do
  pages=$((pages + 1))
  title=$(iconv -f CP932 -t UTF-8 "$page" | tr -d '\r\n' | sed -n 's:.*<title>\(.*\)</title>.*:\1:p')
  if [ -z "$title" ]; then
    fail "${page#"$work/out/"} has no title"
  else
    printf '%s\n' "$title" | sed 's/&lt;/</g; s/&gt;/>/g; s/&quot;/"/g; s/&amp;/\&/g' >>"$work/titles"
  fi
done < <(find "$work/out" -name '*.htm' -print0)
[ "$pages" -gt 0 ] || fail "$chm holds no pages"

{
  grep -v '^[[:space:]]*$' "$required_file" | grep -v '^#'
  for source in "${source_files[@]}"; do
    [ -f "$source" ] || { echo "missing $source" >&2; continue; }
    # {"A001", "単純挿入", ...} and {1, "CONDITION_K1", "文字列判定", ...}
    grep -oE '\{"[A-Z][0-9]{3}", "[^"]+"' "$source" | sed 's/.*, "//; s/"$//'
    grep -oE '"CONDITION_K[0-9]", "[^"]+"' "$source" | sed 's/.*, "//; s/"$//'
    # SheetPage ...() { return {"共通設定", ... and SheetPage page{"履歴設定", ...
    grep -oE '(return \{|SheetPage page\{)"[^"]+"' "$source" | sed 's/^[^"]*"//; s/"$//'
  done
} >"$work/required"

while IFS= read -r title; do
  if grep -qxF -- "$title" "$work/titles"; then
    passed=$((passed + 1))
  else
    fail "no page is titled \"$title\""
  fi
done <"$work/required"

echo "help titles ($(basename "$chm"), $pages pages): $passed passed, $failed failed"
[ "$failed" -eq 0 ]
