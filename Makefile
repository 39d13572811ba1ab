# Everything builds in build/; the game runs in the player's folder, as an installed copy does.
BUILD  ?= build
JOBS   ?= $(shell nproc)
PREFIX ?= $(HOME)/.local
# The research benchmark's positions, beside the repository (make bench, make bench-solver).
STD20  ?= $(CURDIR)/../shared/bench/std20-positions.txt

.PHONY: all deps configure build run install uninstall test bench bench-solver art clean sanitize fuzz soak package screenshots translations

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

# The Debian package, built by dpkg-buildpackage from a copy of the tree: $(BUILD)/glimmora_*.deb.
package: deps
	@scripts/build-package $(BUILD) $(JOBS)

# Removes what the last install from this build wrote.
uninstall:
	@cmake -DMANIFEST="$(abspath $(BUILD))/install_manifest.txt" -P cmake/Uninstall.cmake

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The drawing figures at 1x and as on a dense screen (2x), on a screen that holds both.
bench: export GLIMMORA_XVFB_SCREEN = 2560x1600x24
bench: build
	@scripts/with-xvfb $(BUILD)/bin/bench_game
	@$(BUILD)/bin/bench_music $$(nproc) /usr/share/sounds/sf2/default-GM.sf2 $(CURDIR)/data/Music
	@$(BUILD)/bin/bench_soundfont /usr/share/sounds/sf2/default-GM.sf2 $(CURDIR)/data/Music
	@scripts/with-xvfb bench/at-two-scales.sh $(BUILD)/bin/bench_scene
	@for s in 1 2; do SCALE=$$s scripts/with-xvfb bench/game-cpu.sh $(CURDIR)/$(BUILD)/bin; done
	@ROUNDS=3 QT_SCALE_FACTOR=1 scripts/with-xvfb bench/startup.sh $(CURDIR)/$(BUILD)/bin
	@ROUNDS=1 QT_SCALE_FACTOR=2 scripts/with-xvfb bench/startup.sh $(CURDIR)/$(BUILD)/bin
	@$(BUILD)/bin/bench_solver $(STD20)

# The search engine alone: the 20 standard positions at 30 s each and the game's sizes
# (about 20 minutes of one core; SOLVER_BENCH_SCALE=0.1 for a quick run).
bench-solver: build
	@$(BUILD)/bin/bench_solver $(STD20)

# Every suite again, built with clang under AddressSanitizer and UBSan (build-sanitize/).
sanitize: deps
	@scripts/sanitize

# Each fuzz target for FUZZ_SECONDS (default 60).
fuzz: deps
	@scripts/fuzz

# The real game under random input for SOAK_MINUTES (default 10).
soak: build
	@scripts/soak

# The software centres' screenshots of the real game, packaging/screenshots/*.png.
screenshots: build
	@scripts/with-xvfb scripts/screenshots $(CURDIR)/$(BUILD)/bin

# Repaints every picture of the game from the generator.
art: build
	$(BUILD)/bin/glimmora-artgen .
	$(BUILD)/bin/glimmora-soundgen .

# Brings translations/*.ts up to date with the texts in the code (lupdate, dropping texts
# the code no longer has); new texts come in unfinished until a translator fills them in.
translations: configure
	@cmake --build $(BUILD) --target update_translations

clean:
	rm -rf $(BUILD)
