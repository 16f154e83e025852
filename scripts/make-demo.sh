#!/bin/sh
# Lays out the demo working directory: the demo styles (copied once, so edits survive), a style
# list naming every demo style, and generated material (made once; later runs reuse it).
# Usage: make-demo.sh BUILD_DIR DEMO_DIR
set -e
build="$1"
dir="$2"
if [ -z "$build" ] || [ -z "$dir" ]; then
  echo "usage: $0 BUILD_DIR DEMO_DIR" >&2
  exit 64
fi
mkdir -p "$dir"
src="$(cd "$(dirname "$0")/../demo" && pwd)"

new_list=no
[ -e "$dir/Specs.lst" ] || new_list=yes
for f in "$src"/*; do
  [ -f "$f" ] || continue
  name="$(basename "$f")"
  [ -e "$dir/$name" ] || cp "$f" "$dir/$name"
done

# A fresh list also names the demo styles that the repository's list leaves out (the list there
# is kept as the tests know it), just above "Enter New Specs". An existing list is the user's.
if [ "$new_list" = yes ]; then
  listed="$(tr -d '\r' <"$dir/Specs.lst")"
  extra=""
  for f in "$src"/*.spe; do
    style="$(basename "$f" .spe)"
    [ "$style" = New ] && continue
    printf '%s\n' "$listed" | grep -qx "$style" || extra="$extra $style"
  done
  {
    printf '%s\n' "$listed" | grep -vx 'Enter New Specs' | while IFS= read -r line; do
      printf '%s\r\n' "$line"
    done
    for style in $extra; do printf '%s\r\n' "$style"; done
    printf 'Enter New Specs\r\n'
  } >"$dir/Specs.lst.new"
  mv "$dir/Specs.lst.new" "$dir/Specs.lst"
fi

gen="$build/tools/halvorin-material"
if [ ! -e "$dir/Acts.a" ] || [ ! -e "$dir/llsit.txt" ]; then
  if [ ! -x "$gen" ]; then
    echo "make-demo.sh: $gen is missing; build the project first" >&2
    exit 1
  fi
  "$gen" --out "$dir" --profile full --seed 1
fi
echo "Demo directory: $dir"
