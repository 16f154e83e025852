#!/bin/sh
# Installs what the build needs on Debian when run as root; otherwise says what is missing.
# Usage: install-deps.sh [program]   (program: only what building the program needs)
missing=""
command -v cmake >/dev/null 2>&1 || missing="$missing cmake"
command -v g++ >/dev/null 2>&1 || missing="$missing g++"
# The suite is also built with clang (and the fuzzers need it).
command -v clang++ >/dev/null 2>&1 || missing="$missing clang"
command -v ninja >/dev/null 2>&1 || missing="$missing ninja-build"
[ -f /usr/include/ncurses.h ] || [ -f /usr/include/ncursesw/ncurses.h ] || missing="$missing libncurses-dev"
if [ "$1" != program ]; then
  [ -d /usr/include/gtest ] || missing="$missing libgtest-dev"
  [ -f /usr/include/benchmark/benchmark.h ] || missing="$missing libbenchmark-dev"
  command -v tmux >/dev/null 2>&1 || missing="$missing tmux"
  # The install and package tests: git for the fresh clone, man and groff for the manual pages,
  # dpkg-dev for the package's dependencies.
  command -v git >/dev/null 2>&1 || missing="$missing git"
  command -v man >/dev/null 2>&1 || missing="$missing man-db"
  command -v groff >/dev/null 2>&1 || missing="$missing groff-base"
  command -v dpkg-shlibdeps >/dev/null 2>&1 || missing="$missing dpkg-dev"
  # The packet's PDF is checked with qpdf and read back with poppler's pdfinfo and pdftotext.
  command -v qpdf >/dev/null 2>&1 || missing="$missing qpdf"
  command -v pdftotext >/dev/null 2>&1 || missing="$missing poppler-utils"
fi
[ -z "$missing" ] && exit 0
if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq $missing >/dev/null || { echo "apt-get failed"; exit 1; }
else
  echo "Please install:$missing (for example: sudo apt-get install$missing)"
  exit 1
fi
