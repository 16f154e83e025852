#!/bin/sh
# The one dependency step of every make target: installs what a build needs on Debian when run
# as root; otherwise says what is missing and fails.
# Usage: install-deps.sh [program|test|fuzz|windows-build|windows-test]
#   program        only what building the program needs
#   test           (the default) the program, the test suite and the benchmark
#   fuzz           clang and its libFuzzer runtime
#   windows-build  the mingw-w64 cross build and its zip
#   windows-test   the cross build and wine to run its tests
what=${1:-test}
missing=""
has() { command -v "$1" >/dev/null 2>&1; }
need_cmd() { has "$1" || missing="$missing $2"; }
need_file() { [ -e "$1" ] || missing="$missing $2"; }

need_cmd cmake cmake
need_cmd ninja ninja-build
case $what in
program | test)
  need_cmd g++ g++
  # The suite is also built with clang.
  need_cmd clang++ clang
  [ -f /usr/include/ncurses.h ] || [ -f /usr/include/ncursesw/ncurses.h ] ||
    missing="$missing libncurses-dev"
  ;;
esac
case $what in
test)
  need_file /usr/include/gtest libgtest-dev
  need_file /usr/include/benchmark/benchmark.h libbenchmark-dev
  need_cmd tmux tmux
  # The install and package tests: git for the fresh clone, man and groff for the manual pages,
  # dpkg-dev for the package's dependencies.
  need_cmd git git
  need_cmd man man-db
  need_cmd groff groff-base
  need_cmd dpkg-shlibdeps dpkg-dev
  # The packet's PDF is checked with qpdf and read back with poppler's pdfinfo and pdftotext.
  need_cmd qpdf qpdf
  need_cmd pdftotext poppler-utils
  ;;
fuzz)
  need_cmd clang++ clang
  ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 ||
    missing="$missing libclang-rt-14-dev"
  [ -f /usr/include/ncurses.h ] || [ -f /usr/include/ncursesw/ncurses.h ] ||
    missing="$missing libncurses-dev"
  ;;
windows-build | windows-test)
  need_cmd x86_64-w64-mingw32-g++-posix mingw-w64
  need_cmd zip zip
  need_file /usr/src/googletest/CMakeLists.txt googletest
  ;;
program) ;;
*)
  echo "install-deps.sh: unknown set '$what'" >&2
  exit 64
  ;;
esac
if [ "$what" = windows-test ]; then
  need_cmd wine wine
  [ -e /usr/lib/wine/wine64 ] || [ -e /usr/lib/x86_64-linux-gnu/wine/x86_64-unix ] ||
    missing="$missing wine64"
fi

[ -z "$missing" ] && exit 0
if [ "$(id -u)" = 0 ] && has apt-get; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  # shellcheck disable=SC2086
  apt-get update -qq && apt-get install -y -qq $missing >/dev/null || {
    echo "apt-get failed"
    exit 1
  }
else
  echo "Please install:$missing (for example: sudo apt-get install$missing)"
  exit 1
fi
