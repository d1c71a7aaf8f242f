# The README's commands: `make run` starts the program in its sandbox, `make
# test` runs every test, `make bench` prints the benchmarks. Each installs what
# is missing first.
BUILD := $(CURDIR)/build
HOST := $(BUILD)/host
WIN64 := $(BUILD)/win64
WINXP := $(BUILD)/winxp
CMAKE_FLAGS := -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release
JOBS ?= 2

.PHONY: all deps build prefix test run bench format clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(WIN64) $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-win64.cmake >/dev/null
	cmake --build $(WIN64) -j$(JOBS)
	cmake -S . -B $(WINXP) $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-winxp.cmake >/dev/null
	cmake --build $(WINXP) -j$(JOBS)
	cmake -S . -B $(HOST) $(CMAKE_FLAGS) -DKELVARO_WIN64_DIR=$(WIN64) -DKELVARO_WINXP_DIR=$(WINXP) >/dev/null
	cmake --build $(HOST) -j$(JOBS)

# The sandboxed Wine prefix that the tests copy and `make run` uses.
prefix: deps
	@scripts/make-prefix.sh --if-stale $(BUILD)/wine/base

# An end-to-end case that fails is run once more: a GUI under Wine on a busy
# machine now and then misses a deadline. A real fault fails both times.
test: build prefix
	cd $(HOST) && ctest --output-on-failure --timeout 600 --repeat until-pass:2

run: build prefix
	scripts/run.sh $(WIN64)

bench: build prefix
	scripts/bench.sh $(WIN64) $(WINXP)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	-scripts/e2e.sh teardown
	rm -rf $(BUILD)
