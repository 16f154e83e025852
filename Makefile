# Thin front end over CMake: the commands a newcomer needs.
BUILD      ?= build
SANBUILD   ?= build-sanitize
WINBUILD   ?= build-windows
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
DEMO_DIR   := $(BUILD)/demo
CMAKE_GEN  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
PREFIX     ?= /usr/local
# What a quiz master needs: the program and the material generator, nothing else.
PROGRAMS   := halvorin halvorin-material

.PHONY: all deps build run test sanitize clean demo bench fuzz program install package windows windows-test

all: build

deps:
	@sh scripts/install-deps.sh

# Only what building the program needs (no test or benchmark libraries).
program: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target $(PROGRAMS)

$(BUILD)/CMakeCache.txt:
	@sh scripts/install-deps.sh program
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) >/dev/null  # finds test libraries installed since the first configure
	cmake --build $(BUILD) -j $(JOBS)

demo: program
	@sh scripts/make-demo.sh $(BUILD) $(DEMO_DIR)

run: demo
	$(BUILD)/halvorin -C $(DEMO_DIR)

test: build
	cd $(BUILD) && ctest --output-on-failure --no-tests=error -j $(JOBS)

# PREFIX=DIR installs into a private tree.
install: program
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the same files, in $(BUILD).
package: program
	cd $(BUILD) && cpack -G DEB

# Whole packets against the floor, growth with quizzes and material, index build figures.
bench: deps $(BUILD)/CMakeCache.txt
	@sh bench/run.sh $(BUILD)

sanitize: deps
	cmake -S . -B $(SANBUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DHALVORIN_SANITIZE=ON
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Every file operation of a whole pass failed in turn, in each packet layout (long; not part of
# make test). Prints the count of operations and the time per layout.
.PHONY: faults
faults: build
	cd $(BUILD) && HALVORIN_ALL_FAULTS=$(JOBS) ./tests/reliability/test_reliability \
		--gtest_filter='AllFaults.*'

# Fuzz targets, then random-key runs of the sanitizer build (FUZZ_SECONDS per target,
# KEYFUZZ_SECONDS for the keys); see scripts/fuzz.sh.
fuzz: deps
	@sh scripts/fuzz.sh

# The Windows programs cross-built with mingw-w64, and their zip; then their tests under wine and
# the same material, packets and screens as the Linux build (scripts/windows.sh).
windows:
	@sh scripts/windows.sh build $(WINBUILD)

windows-test: build
	@sh scripts/windows.sh test $(WINBUILD) $(BUILD)

clean:
	rm -rf $(BUILD) $(SANBUILD) $(WINBUILD)
