#!/usr/bin/env bash
# Builds the two release packages from this tree with one command:
#   scripts/package.sh [--no-setup] [<windows build dir>]      (default: build/windows)
#
#   <build>/packages/quillbox-<version>-portable.zip   the four deliverables, both help files and
#                                                      a short Japanese read-me in "Quillbox\"
#   <build>/packages/quillbox-<version>-setup.exe      the NSIS installer (64-bit)
#
# It installs the Debian packages it needs (scripts/setup.sh) unless --no-setup is given,
# configures and builds the Windows preset's deliverables and help files, and takes the version
# from the build tree (quillbox-version.txt, written by CMake from the project's version).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

run_setup=1
if [ "${1:-}" = "--no-setup" ]; then run_setup=0; shift; fi
build_dir=${1:-build/windows}

[ "$run_setup" -eq 1 ] && bash scripts/setup.sh

# Packages of an earlier run never pass for this one's.
rm -f "$build_dir"/packages/quillbox-*-portable.zip "$build_dir"/packages/quillbox-*-setup.exe

deliverables=(quillbox2.exe tovaplan.dll qlbxhook.dll plandata.dll)
help_files=(quillbox2.chm QlbxPlan.chm)

if [ "$build_dir" = "build/windows" ]; then
  [ -f build/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
  cmake --build --preset windows -j2 --target quillbox2 tovaplan qlbxhook plandata help_files
else
  cmake --build "$build_dir" -j2 --target quillbox2 tovaplan qlbxhook plandata help_files
fi
build_dir=$(cd "$build_dir" && pwd)
version=$(tr -d '[:space:]' <"$build_dir/quillbox-version.txt")
[ -n "$version" ] || { echo "package: no version in $build_dir/quillbox-version.txt" >&2; exit 1; }

out=$build_dir/packages
stage=$build_dir/package-stage
rm -rf "$stage"
mkdir -p "$out" "$stage/Quillbox"
for file in "${deliverables[@]}" "${help_files[@]}"; do
  [ -f "$build_dir/bin/$file" ] || { echo "package: missing $build_dir/bin/$file" >&2; exit 1; }
  cp "$build_dir/bin/$file" "$stage/Quillbox/"
done

# The read-me: Shift-JIS with CR LF line ends, as Notepad on a Japanese Windows expects.
sed "s/@VERSION@/$version/" packaging/readme-portable.txt | sed 's/\r$//; s/$/\r/' |
  iconv -f UTF-8 -t CP932 >"$stage/Quillbox/README.txt"

zip_file=$out/quillbox-$version-portable.zip
setup_file=$out/quillbox-$version-setup.exe
(cd "$stage" && zip -q -X -r "$zip_file" Quillbox)

makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DSTAGE="$stage/Quillbox" -DOUTFILE="$setup_file" \
  -DICON="$root/app/win32/res/quillbox.ico" packaging/quillbox.nsi

echo "package: $zip_file"
echo "package: $setup_file"
