#!/bin/sh
# The Windows programs, cross-built on Debian with mingw-w64:
#   scripts/windows.sh build WINBUILD          halvorin.exe, halvorin-material.exe and the zip
#   scripts/windows.sh test WINBUILD LINUXBUILD the test suites under wine, then the same
#                                               material, packet and screens as the Linux build
set -eu
cd "$(dirname "$0")/.."
what=$1
win=$2
top=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)

build() {
  sh scripts/install-deps.sh "${deps:-windows-build}"
  [ -f "$win/CMakeCache.txt" ] ||
    cmake -S . -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake"
  cmake --build "$win" -j "$jobs" --target halvorin halvorin-material

  # Statically linked: only DLLs every Windows has.
  for exe in "$win/halvorin.exe" "$win/tools/halvorin-material.exe"; do
    dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^.*DLL Name: //p' | sort -u)
    odd=$(echo "$dlls" | grep -viE '^(kernel32|user32|gdi32|winspool\.drv|advapi32|msvcrt|shell32|ws2_32|api-ms-win-.*)(\.dll)?$' || true)
    if [ -n "$odd" ]; then
      echo "$exe needs DLLs that are not part of Windows: $odd"
      exit 1
    fi
  done

  # The zip a quiz master unpacks into a league folder.
  stage="$win/zip/halvorin"
  rm -rf "$win/zip" && mkdir -p "$stage"
  cp "$win/halvorin.exe" "$win/tools/halvorin-material.exe" demo/* "$stage/"
  mkdir "$stage/seasons" && cp seasons/*.txt "$stage/seasons/"
  sed 's/$/\r/' docs/windows-quickstart.txt >"$stage/QUICKSTART.txt"
  version=$(sed -n 's/^project(halvorin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  (cd "$win/zip" && rm -f "../halvorin-$version-windows.zip" &&
    zip -q -X -r "../halvorin-$version-windows.zip" halvorin)
  echo "Built $win/halvorin.exe, $win/tools/halvorin-material.exe and $win/halvorin-$version-windows.zip"
}

# Runs a Windows program under wine in the private prefix.
wine_run() { wine "$@"; }

same() {  # same WHAT FILE_A FILE_B
  if cmp -s "$2" "$3"; then
    echo "same: $1"
  else
    echo "DIFFERENT: $1 ($2 and $3)"
    failed=1
  fi
}

test_() {
  linux=$1
  deps=windows-test
  build
  cmake --build "$win" -j "$jobs"
  export WINEPREFIX="$top/$win/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1
  # The test suites, one program each (ctest runs them through wine).
  (cd "$win" && ctest --output-on-failure --no-tests=error -j "$jobs")

  # The Windows programs against the Linux ones.
  failed=0
  version=$(sed -n 's/^project(halvorin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  for f in Specs.lst Verses.txt seasons/john.txt; do
    zip -sf "$win/halvorin-$version-windows.zip" | grep -q "^ *halvorin/$f\$" ||
      { echo "MISSING: $f in the zip"; failed=1; }
  done
  out="$win/identity"
  rm -rf "$out" && mkdir -p "$out/linux" "$out/windows"
  for side in linux windows; do
    mkdir -p "$out/$side/material" "$out/$side/batch" "$out/$side/screens"
    cp demo/* "$out/$side/batch/"
    cp demo/* "$out/$side/screens/"
  done
  "$linux/tools/halvorin-material" --out "$out/linux/material" --profile full --seed 3 >/dev/null
  wine_run "$win/tools/halvorin-material.exe" --out "Z:$top/$out/windows/material" --profile full --seed 3 >/dev/null
  for f in "$out/linux/material"/*; do
    cmp -s "$f" "$out/windows/material/$(basename "$f")" ||
      { echo "DIFFERENT: material $(basename "$f")"; failed=1; }
  done
  echo "compared: $(ls "$out/linux/material" | wc -l) material files"
  [ "$(ls "$out/linux/material" | wc -l)" = "$(ls "$out/windows/material" | wc -l)" ] ||
    { echo "DIFFERENT: the generators made a different number of files"; failed=1; }
  for side in linux windows; do
    cp "$out/linux/material"/* "$out/$side/batch/"
    cp "$out/linux/material"/* "$out/$side/screens/"
  done
  "$linux/halvorin" -C "$out/linux/batch" --batch Weekly --seed 9 >"$out/linux/batch.out"
  # Standard output is text on Windows (CR LF); the summary is compared without the CRs.
  wine_run "$win/halvorin.exe" -C "Z:$top/$out/windows/batch" --batch Weekly --seed 9 |
    tr -d '\r' >"$out/windows/batch.out"
  for f in Weekly.qui Weekly.pdf Weekly.inf pat.txt; do
    same "batch packet $f" "$out/linux/batch/$f" "$out/windows/batch/$f"
  done
  same "batch summary" "$out/linux/batch.out" "$out/windows/batch.out"
  # A kept cards packet made a PDF on A4 by each program.
  for side in linux windows; do cp tests/perf/golden/packets/Cc.qui "$out/$side/Cc.qui"; done
  HALVORIN_PAPER=a4 "$linux/halvorin" --pdf "$out/linux/Cc.qui" >/dev/null
  HALVORIN_PAPER=a4 wine_run "$win/halvorin.exe" --pdf "Z:$top/$out/windows/Cc.qui" >/dev/null
  same "PDF of a kept packet" "$out/linux/Cc.pdf" "$out/windows/Cc.pdf"
  for keys in tests/windows/*.keys; do
    name=$(basename "$keys" .keys)
    for side in linux windows; do
      rm -f "$out/$side/screens/"*.qui "$out/$side/screens/"*.pdf "$out/$side/screens/"*.inf \
        "$out/$side/screens/pat.txt"
    done
    st_l=0 st_w=0
    "$linux/halvorin" -C "$out/linux/screens" --keys "$keys" --seed 9 \
      --dump-screen "$out/linux/$name.screen" 2>/dev/null || st_l=$?
    wine_run "$win/halvorin.exe" -C "Z:$top/$out/windows/screens" --keys "Z:$top/$keys" --seed 9 \
      --dump-screen "Z:$top/$out/windows/$name.screen" 2>/dev/null || st_w=$?
    [ "$st_l" = "$st_w" ] || { echo "DIFFERENT: $name exit status $st_l and $st_w"; failed=1; }
    same "screen $name" "$out/linux/$name.screen" "$out/windows/$name.screen"
    same "colours $name" "$out/linux/$name.screen.colors" "$out/windows/$name.screen.colors"
  done
  for f in Weekly.qui Weekly.pdf Weekly.inf pat.txt Weekly.spe temp2.txt; do
    same "scripted run $f" "$out/linux/screens/$f" "$out/windows/screens/$f"
  done
  if [ "$failed" != 0 ]; then
    echo "The Windows programs differ from the Linux ones."
    exit 1
  fi
  echo "The Windows programs make the same material, packets and screens as the Linux ones."
}

case "$what" in
  build) build ;;
  test) test_ "$3" ;;
  *) echo "usage: scripts/windows.sh build|test WINBUILD [LINUXBUILD]"; exit 64 ;;
esac
