#!/bin/sh
# Fuzzing: builds the fuzz targets, the sanitizer build of the program and the random-key driver
# with clang (installing clang and its libFuzzer runtime on Debian when run as root), runs each
# target for FUZZ_SECONDS (default 60) on one core, then the random-key runs for KEYFUZZ_SECONDS
# (default 120). The working corpora grow under the build folder; a crash is saved there as
# crash-<target>-*. Once fixed, copy the input into fuzz/regressions/<target>/ so the test run
# replays it.
#   FUZZ_BUILD (build-fuzz)  FUZZ_SECONDS (60)  KEYFUZZ_SECONDS (120)  FUZZ_SEED (1)
#   FUZZ_TARGETS (all, or names such as "style_file key_script")
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${FUZZ_BUILD:-build-fuzz}
# The targets change into a private folder, so every path handed to them must be absolute.
mkdir -p "$build"
build=$(cd "$build" && pwd)
seconds=${FUZZ_SECONDS:-60}
key_seconds=${KEYFUZZ_SECONDS:-120}
seed=${FUZZ_SEED:-1}
jobs=${JOBS:-2}

sh scripts/install-deps.sh fuzz

gen=""
command -v ninja >/dev/null 2>&1 && gen="-G Ninja"
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" $gen -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHALVORIN_FUZZ=ON -DHALVORIN_TESTS=OFF
cmake --build "$build" -j "$jobs"

targets=${FUZZ_TARGETS:-all}
if [ "$targets" = all ]; then
  targets=$(for f in fuzz/targets/*.cpp; do basename "$f" .cpp; done)
fi

# Seeds: the kept corpus and regression inputs, plus whole files of generated material.
material="$build/material-small"
[ -f "$material/Verses.txt" ] || "$build/tools/halvorin-material" --out "$material" --profile small >/dev/null

failed=0
summary="$build/fuzz-summary.txt"
: > "$summary"
for t in $targets; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus" "$build/crashes"
  cp fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null || true
  cp fuzz/regressions/"$t"/* "$corpus"/ 2>/dev/null || true
  case $t in
    question_lines) cp "$material"/Acts.? "$material"/FTV.59 "$material"/SIT.TXT "$corpus"/ ;;
    verse_table) cp "$material"/Verses.txt "$corpus"/ ;;
  esac
  dict=""
  [ -f "fuzz/dict/$t.dict" ] && dict="-dict=$root/fuzz/dict/$t.dict"
  echo "== $t: $seconds s"
  log="$build/fuzz-$t.log"
  if "$build/fuzz/fuzz_$t" "$corpus" $dict -max_total_time="$seconds" -seed="$seed" \
      -timeout=10 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
      -artifact_prefix="$build/crashes/$t-" >"$log" 2>&1; then
    result=clean
  else
    result="FAILED (see $log and $build/crashes/)"
    failed=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  echo "$t: ${runs:-?} executions in $seconds s, $result" | tee -a "$summary"
done

if [ "$key_seconds" -gt 0 ]; then
  echo "== random keys: $key_seconds s"
  if "$build/fuzz/halvorin-keyfuzz" --program "$build/halvorin" --material "$build/tools/halvorin-material" \
      --work "$build/keyfuzz" --seed "$seed" --seconds "$key_seconds" --max-keys 400 \
      --timeout 60 >"$build/keyfuzz.log" 2>&1; then
    echo "random keys: clean" >>"$summary"
  else
    echo "random keys: FAILED (see $build/keyfuzz.log)" >>"$summary"
    failed=1
  fi
  cat "$build/keyfuzz.log"
fi
echo
cat "$summary"
exit $failed
