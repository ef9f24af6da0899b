#!/usr/bin/env bash
# Compiles one help file from its UTF-8 sources with chmcmd (Debian package fp-utils).
#   help/build-chm.sh <source folder> <work folder> <output .chm> <window title>
#
# The source folder holds:
#   *.htm      one page each: the first line is the page title, the rest the page body (HTML);
#              the page is wrapped into a whole Shift-JIS HTML document with the style sheet
#   toc.txt    the table of contents, one "title|page.htm" a line, two spaces of indent a level
#   index.txt  the keyword index, one "keyword|page.htm" a line
#   style.css  the style sheet of every page
# The first page in toc.txt opens when the help file is opened. Every text is converted to
# Shift-JIS (code page 932); a character that has no Shift-JIS form stops the build.
set -euo pipefail

if [ $# -ne 4 ]; then
  echo "usage: $0 <source folder> <work folder> <output .chm> <window title>" >&2
  exit 2
fi
source_dir=$1
work_dir=$2
output=$3
title=$4
name=$(basename "$output" .chm)

command -v chmcmd >/dev/null || { echo "chmcmd is missing: run scripts/setup.sh (fp-utils)" >&2; exit 1; }

rm -rf "$work_dir"
mkdir -p "$work_dir/utf8" "$(dirname "$output")"
utf8=$work_dir/utf8

html_escape() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g'; }

# Pages: title line + body into a whole document.
pages=()
for source in "$source_dir"/*.htm; do
  page=$(basename "$source")
  pages+=("$page")
  page_title=$(head -n 1 "$source" | tr -d '\r' | html_escape)
  {
    printf '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">\r\n'
    printf '<html lang="ja"><head>\r\n'
    printf '<meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS">\r\n'
    printf '<title>%s</title>\r\n' "$page_title"
    printf '<link rel="stylesheet" type="text/css" href="style.css">\r\n'
    printf '</head><body>\r\n'
    tail -n +2 "$source" | sed 's/\r$//; s/$/\r/'
    printf '</body></html>\r\n'
  } >"$utf8/$page"
done
[ ${#pages[@]} -gt 0 ] || { echo "no pages in $source_dir" >&2; exit 1; }

# A link to a page that does not exist would open an error page in the viewer.
for page in "${pages[@]}"; do
  while IFS= read -r target; do
    [ -f "$source_dir/$target" ] || { echo "$page links to the missing page $target" >&2; exit 1; }
  done < <(grep -o 'href="[^"#:]*\.htm' "$source_dir/$page" | sed 's/^href="//')
done

sitemap_head() {
  printf '<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">\r\n<HTML><HEAD>\r\n'
  printf '<meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS">\r\n'
  printf '</HEAD><BODY>\r\n'
}
sitemap_entry() {  # sitemap_entry TITLE PAGE
  local entry_title
  entry_title=$(printf '%s' "$1" | html_escape)
  printf '<LI><OBJECT type="text/sitemap"><param name="Name" value="%s">' "$entry_title"
  [ -n "$2" ] && printf '<param name="Local" value="%s">' "$2"
  printf '</OBJECT>\r\n'
}
check_page() {  # check_page PAGE LIST: a listed page must exist
  [ -z "$1" ] || [ -f "$utf8/$1" ] || { echo "$2 names the missing page $1" >&2; exit 1; }
}

# Contents: nested lists by indent.
{
  sitemap_head
  printf '<OBJECT type="text/site properties"><param name="Window Styles" value="0x800025"></OBJECT>\r\n'
  printf '<UL>\r\n'
  depth=0
  while IFS= read -r line || [ -n "$line" ]; do
    line=${line%$'\r'}
    [ -z "${line// /}" ] && continue
    indent=${line%%[! ]*}
    level=$(( ${#indent} / 2 ))
    entry=${line#"$indent"}
    while [ "$depth" -lt "$level" ]; do printf '<UL>\r\n'; depth=$((depth + 1)); done
    while [ "$depth" -gt "$level" ]; do printf '</UL>\r\n'; depth=$((depth - 1)); done
    check_page "${entry#*|}" toc.txt
    sitemap_entry "${entry%%|*}" "${entry#*|}"
  done <"$source_dir/toc.txt"
  while [ "$depth" -gt 0 ]; do printf '</UL>\r\n'; depth=$((depth - 1)); done
  printf '</UL>\r\n</BODY></HTML>\r\n'
} >"$utf8/toc.hhc"

# Index.
{
  sitemap_head
  printf '<UL>\r\n'
  while IFS= read -r line || [ -n "$line" ]; do
    line=${line%$'\r'}
    [ -z "$line" ] && continue
    check_page "${line#*|}" index.txt
    sitemap_entry "${line%%|*}" "${line#*|}"
  done <"$source_dir/index.txt"
  printf '</UL>\r\n</BODY></HTML>\r\n'
} >"$utf8/index.hhk"

first_page=$(grep -m1 '|' "$source_dir/toc.txt" | sed 's/.*|//; s/\r$//')
cp "$source_dir/style.css" "$utf8/style.css"
{
  printf '[OPTIONS]\r\n'
  printf 'Compatibility=1.1 or later\r\n'
  printf 'Compiled file=%s.chm\r\n' "$name"
  printf 'Contents file=toc.hhc\r\nIndex file=index.hhk\r\n'
  printf 'Default topic=%s\r\n' "$first_page"
  printf 'Default Window=main\r\n'
  printf 'Display compile progress=No\r\n'
  printf 'Full-text search=Yes\r\n'
  printf 'Language=0x411 日本語\r\n'
  printf 'Title=%s\r\n\r\n' "$title"
  printf '[WINDOWS]\r\n'
  printf 'main="%s","toc.hhc","index.hhk","%s","%s",,,,,0x23520,,0x10387e,,,,,,,,0\r\n\r\n' \
    "$title" "$first_page" "$first_page"
  printf '[FILES]\r\nstyle.css\r\n'
  printf '%s\r\n' "${pages[@]}"
} >"$utf8/$name.hhp"

# Everything in Shift-JIS (code page 932), then compiled.
mkdir -p "$work_dir/sjis"
for file in "$utf8"/*; do
  if ! iconv -f UTF-8 -t CP932 "$file" >"$work_dir/sjis/$(basename "$file")"; then
    echo "$(basename "$file"): a character without a Shift-JIS form" >&2
    exit 1
  fi
done
(cd "$work_dir/sjis" && chmcmd "$name.hhp" >"$work_dir/chmcmd.log" 2>&1) || {
  cat "$work_dir/chmcmd.log" >&2; exit 1; }
if grep -qi 'error' "$work_dir/chmcmd.log"; then cat "$work_dir/chmcmd.log" >&2; exit 1; fi
mv "$work_dir/sjis/$name.chm" "$output"
