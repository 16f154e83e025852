#!/bin/sh
# Lays out the demo working directory: the demo styles and their list (copied once, so edits
# survive) and generated material (made once; later runs reuse it).
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

for f in "$src"/*; do
  [ -f "$f" ] || continue
  name="$(basename "$f")"
  [ -e "$dir/$name" ] || cp "$f" "$dir/$name"
done

gen="$build/tools/halvorin-material"
if [ ! -e "$dir/Acts.a" ] || [ ! -e "$dir/llsit.txt" ]; then
  if [ ! -x "$gen" ]; then
    echo "make-demo.sh: $gen is missing; build the project first" >&2
    exit 1
  fi
  "$gen" --out "$dir" --profile full --seed 1
fi
echo "Demo directory: $dir"
