# Everything builds in build/; the game runs in the player's folder, as an installed copy does.
BUILD  ?= build
JOBS   ?= $(shell nproc)
PREFIX ?= $(HOME)/.local

.PHONY: all deps configure build run install uninstall test bench art clean sanitize fuzz soak

all: build

deps:
	@scripts/install-deps

# ccache, where it is installed, makes rebuilds in fresh build folders cheap.
CCACHE := $(shell command -v ccache 2>/dev/null)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
	  $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ ! -x $(BUILD)/bin/glimmora ]; then echo "glimmora is not built yet"; exit 1; fi
	$(BUILD)/bin/glimmora-play

install: build
	cmake --install $(BUILD) --prefix "$(PREFIX)"

# Removes what the last install from this build wrote.
uninstall:
	@cmake -DMANIFEST="$(abspath $(BUILD))/install_manifest.txt" -P cmake/Uninstall.cmake

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do [ -x "$$b" ] && scripts/with-xvfb "$$b" || true; done
	@scripts/with-xvfb bench/game-cpu.sh $(CURDIR)/$(BUILD)/bin
	@scripts/with-xvfb bench/startup.sh $(CURDIR)/$(BUILD)/bin

# Every suite again, built with clang under AddressSanitizer and UBSan (build-sanitize/).
sanitize: deps
	@scripts/sanitize

# Each fuzz target for FUZZ_SECONDS (default 60).
fuzz: deps
	@scripts/fuzz

# The real game under random input for SOAK_MINUTES (default 10).
soak: build
	@scripts/soak

# Repaints every picture of the game from the generator.
art: build
	$(BUILD)/bin/glimmora-artgen .
	$(BUILD)/bin/glimmora-soundgen .

clean:
	rm -rf $(BUILD)
