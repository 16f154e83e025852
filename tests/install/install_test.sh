#!/bin/sh
# Usage: install_test.sh tree|package|fresh_clone SOURCE_DIR BUILD_DIR
# tree:        make install PREFIX=tmp; the manual pages render without warnings; from the
#              installed tree, --init makes a league folder, the generator fills it and a listed
#              style makes a batch packet; --init --season john writes the installed season's
#              table as its Set.txt; an empty folder points to -C and --init.
# package:     make package gives a .deb with the same files that depends on ncurses.
# fresh_clone: in a fresh clone, make run's build step builds the program and the generator
#              and no test, fuzz or benchmark target.
set -u
check="$1"
src="$2"
build="$3"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null 2>&1 || { echo "skipped: $1 is not installed"; exit 77; }; }

case "$check" in
tree)
  make -s -C "$src" install BUILD="$build" PREFIX="$tmp/p" >"$tmp/log" 2>&1 || { cat "$tmp/log"; fail "make install"; }
  for f in bin/halvorin bin/halvorin-material share/man/man1/halvorin.1 \
           share/man/man1/halvorin-material.1 share/halvorin/demo/Specs.lst \
           share/halvorin/demo/New.spe share/halvorin/demo/Verses.txt \
           share/halvorin/seasons/john.txt share/halvorin/seasons/romans-james.txt; do
    [ -f "$tmp/p/$f" ] || fail "not installed: $f"
  done
  need man
  for page in "$tmp"/p/share/man/man1/*.1; do
    warnings="$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "$(basename "$page") renders with warnings: $warnings"
  done

  bin="$tmp/p/bin"
  "$bin/halvorin" --init "$tmp/league" >"$tmp/out" 2>&1 || { cat "$tmp/out"; fail "--init"; }
  grep -q "from $tmp/p/share/halvorin/demo" "$tmp/out" || { cat "$tmp/out"; fail "--init did not copy the installed demo"; }
  grep -q "halvorin-material --out $tmp/league" "$tmp/out" || fail "--init names no next step"
  "$bin/halvorin" --init "$tmp/league" >"$tmp/out" 2>&1
  [ $? -eq 2 ] && grep -q "Specs.lst" "$tmp/out" || { cat "$tmp/out"; fail "a second --init must refuse, naming the files"; }

  "$bin/halvorin-material" --out "$tmp/league" >/dev/null || fail "halvorin-material"
  style="$(head -n 1 "$tmp/league/Specs.lst" | tr -d '\r')"
  (cd "$tmp/league" && "$bin/halvorin" --batch "$style" --seed 7) >"$tmp/out" 2>&1 || { cat "$tmp/out"; fail "--batch $style"; }
  grep -q "wrote .*\.qui" "$tmp/out" || { cat "$tmp/out"; fail "the batch summary names no packet"; }

  "$bin/halvorin" --init "$tmp/john" --season john >"$tmp/out" 2>&1 || { cat "$tmp/out"; fail "--init --season john"; }
  cmp -s "$tmp/john/Set.txt" "$tmp/p/share/halvorin/seasons/john.txt" || fail "--init --season john does not write the installed table"

  mkdir "$tmp/empty"
  "$bin/halvorin" -C "$tmp/empty" >"$tmp/out" 2>&1
  [ $? -eq 2 ] && grep -q -- "--init" "$tmp/out" && grep -q -- "-C" "$tmp/out" || { cat "$tmp/out"; fail "an empty folder must point to -C and --init"; }
  ;;
package)
  need dpkg-deb
  need cpack
  make -s -C "$src" package BUILD="$build" >"$tmp/log" 2>&1 || { cat "$tmp/log"; fail "make package"; }
  deb="$(ls -t "$build"/halvorin_*.deb 2>/dev/null | head -n 1)"
  [ -n "$deb" ] || fail "no .deb in $build"
  dpkg-deb -f "$deb" Depends | grep -q "libncursesw6" || fail "the package does not depend on the ncurses runtime: $(dpkg-deb -f "$deb" Depends)"
  dpkg-deb -c "$deb" >"$tmp/list"
  for f in usr/bin/halvorin usr/bin/halvorin-material usr/share/man/man1/halvorin.1 \
           usr/share/man/man1/halvorin-material.1 usr/share/halvorin/demo/Specs.lst \
           usr/share/halvorin/demo/Verses.txt usr/share/halvorin/seasons/john.txt; do
    grep -q " \./$f\$" "$tmp/list" || fail "not in the package: $f"
  done
  ! grep -q "test_\|halvorin-bench\|\.a\$" "$tmp/list" || fail "the package holds test or build files"
  ;;
fresh_clone)
  need git
  # (safe.directory: the checkout may belong to another user than the one running the tests)
  git -c safe.directory='*' -C "$src" rev-parse --git-dir >/dev/null 2>&1 || { echo "skipped: not a git checkout"; exit 77; }
  git -c safe.directory='*' clone -q "$src" "$tmp/clone" || fail "git clone"
  # The build step of make run (its last step starts the program).
  make -C "$tmp/clone" -n run | grep -q "cmake --build build .*--target halvorin halvorin-material" || fail "make run does not build only the program"
  start=$(date +%s)
  make -s -C "$tmp/clone" program >"$tmp/log" 2>&1 || { cat "$tmp/log"; fail "make program"; }
  times >"$tmp/times"
  echo "make run's build step: $(($(date +%s) - start)) s; CPU time (user, system): $(tail -n 1 "$tmp/times")"
  built="$(cd "$tmp/clone/build" && find . -path ./CMakeFiles -prune -o -type f -perm -u+x -print | sort)"
  [ "$(echo "$built" | tr '\n' ' ')" = "./halvorin ./tools/halvorin-material " ] || fail "make run built: $built"
  others="$(cd "$tmp/clone/build" && find . -name '*.o' -o -name '*.a' | grep -v -e '/halvorin_core\.dir/' -e '/halvorin\.dir/' -e '/halvorin-material\.dir/' -e '^\./libhalvorin_core\.a$')"
  [ -z "$others" ] || fail "make run compiled more than the program: $others"
  ;;
*)
  echo "usage: $0 tree|package|fresh_clone SOURCE_DIR BUILD_DIR" >&2
  exit 64
  ;;
esac
echo "ok: $check"
