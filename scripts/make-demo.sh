#!/bin/sh
# Lays out the demo working directory: the demo styles (copied once, so edits survive) and
# generated material (made once; later runs reuse it).
set -e
build="$1"
dir="$2"
mkdir -p "$dir"
src="$(dirname "$0")/../demo"
for f in "$src"/*; do
  name="$(basename "$f")"
  [ -e "$dir/$name" ] || cp "$f" "$dir/$name"
done
if [ -x "$build/tools/halvorin-material" ] && [ ! -e "$dir/Acts.a" ]; then
  "$build/tools/halvorin-material" --out "$dir" --profile full --seed 1
fi
echo "Demo directory: $dir"
