#!/bin/sh
# Builds the program, the material generator and the benchmark in BUILD (RelWithDebInfo unless
# the folder is configured otherwise) and runs the benchmark. Quote figures from a quiet machine:
# every ratio is measured side by side in one run, so load shifts both sides alike.
#   sh bench/run.sh [BUILD] [RUNS]
set -e
BUILD=${1:-build}
RUNS=${2:-5}
cd "$(dirname "$0")/.."
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$BUILD/CMakeCache.txt")
case "$type" in
  Release|RelWithDebInfo) ;;
  *) echo "note: $BUILD is a $type build; figures from RelWithDebInfo are the ones to quote" ;;
esac
cmake --build "$BUILD" --target halvorin halvorin-material halvorin-bench -j 2
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
"$BUILD/bench/halvorin-bench" --runs "$RUNS"
