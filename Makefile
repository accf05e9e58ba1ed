# Vantorix.
#   make play      installs what is missing, builds and starts the game (SDL2)
#   make play-web  the same as one web page, served on 127.0.0.1
#   make test      installs what is missing, builds everything, runs every test
#   make package   the Debian package, the Windows zip and the web zip
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
WIN32_EXE := $(CURDIR)/build/mingw/app/win32/vantorix.exe
WEB_DIR := $(CURDIR)/build/web
WEB_TEST_MODULES := tests/web/node_modules/.package-lock.json
PACKAGES_DIR := $(CURDIR)/build/packages

.PHONY: play play-web test test-dev test-asan test-web-ready windows web package sim \
        plan-won-game bench fuzz soak format clean

# Each target installs what its purpose needs (tools/install-deps.sh has the lists).
DEPS = @tools/install-deps.sh

play:
	$(DEPS) play
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target vantorix
	build/release/app/sdl/vantorix

# The game as one web page, build/web/vantorix.html, served from its folder
# on 127.0.0.1 (PORT, default 8064) until Ctrl+C.
PORT ?= 8064
play-web: web
	node app/web/serve.mjs build/web $(PORT)

# A minute of fuzzing first, so that CTest's summary closes the run.
test:
	$(DEPS) test
	$(MAKE) windows
	$(MAKE) test-web-ready
	$(MAKE) package
	$(MAKE) fuzz FUZZ_SECONDS=60
	$(MAKE) test-dev test-asan

# The Windows program, cross-built with MinGW-w64; test-dev plays it under Wine.
windows:
	$(DEPS) windows
	cmake --preset mingw
	cmake --build --preset mingw -j $(JOBS)

# The native tree's tests: test-dev also plays the Windows program under Wine,
# tests the page and checks the packages, where those were built; test-asan
# runs the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
PRESET_OPTIONS_dev = $(if $(wildcard $(WIN32_EXE)),-DVANTORIX_WIN32_EXE=$(WIN32_EXE)) \
  $(if $(wildcard $(WEB_DIR)/vantorix.html),-DVANTORIX_WEB_DIR=$(WEB_DIR)) \
  $(if $(wildcard $(PACKAGES_DIR)/*.deb),-DVANTORIX_PACKAGES_DIR=$(PACKAGES_DIR))
test-dev test-asan: test-%:
	cmake --preset $* $(PRESET_OPTIONS_$*)
	cmake --build --preset $* -j $(JOBS)
	ctest --preset $* -j $(JOBS)

# The page, from the wasm32-wasi cross build.
web:
	$(DEPS) web
	cmake --preset web
	cmake --build --preset web -j $(JOBS) --target vantorix-page

# The packages players install from, written into build/packages: the
# Debian package of the SDL program (preset package, cpack), and zips of the
# Windows program and of the web page.
package:
	$(DEPS) package
	$(MAKE) windows web
	cmake --preset package -DVANTORIX_WIN32_EXE=$(WIN32_EXE) -DVANTORIX_WEB_DIR=$(WEB_DIR)
	cmake --build --preset package -j $(JOBS) \
	  --target vantorix vantorix_compressed_docs vantorix-windows-zip vantorix-web-zip
	cd build/package && cpack
	@ls -l $(PACKAGES_DIR)/*.deb $(PACKAGES_DIR)/*.zip

# What test-dev's web tests need: the whole web build (the page and the
# simulator for node) and puppeteer-core as its lock file pins it.
test-web-ready: web $(WEB_TEST_MODULES)
	cmake --build --preset web -j $(JOBS)

$(WEB_TEST_MODULES): tests/web/package.json tests/web/package-lock.json
	npm --prefix tests/web ci --no-audit --no-fund

sim:
	$(DEPS) unit
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS) --target vantorix-sim

# The scripted won game of the scenario tests, planned anew against the rules
# as they are (the planner is tools/planner); run it after a rule changes.
plan-won-game:
	$(DEPS) play
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target vantorix-planner
	build/release/tools/planner/vantorix-planner tests/scenarios/endgame_game_won.sim

# The game's timings, then what each shell costs as it plays: the SDL
# program under Xvfb and the page in headless Chromium (medians of 3 runs).
bench:
	$(DEPS) bench
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS) --target vantorix-bench vantorix
	build/bench/bench/vantorix-bench
	bench/sdl_cpu.sh build/bench/app/sdl/vantorix 3
	$(MAKE) web $(WEB_TEST_MODULES)
	node bench/page_cpu.mjs --runs 3 $(WEB_DIR)

# The simulator's script reader under libFuzzer, seeded with the scenario
# scripts, for FUZZ_SECONDS; findings are written to build/fuzz/findings.
FUZZ_SECONDS ?= 300
fuzz:
	$(DEPS) fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target vantorix-fuzz
	mkdir -p build/fuzz/corpus build/fuzz/findings
	cp tests/scenarios/*.sim build/fuzz/corpus/
	build/fuzz/fuzz/vantorix-fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=20 \
	  -artifact_prefix=build/fuzz/findings/ -print_final_stats=1 build/fuzz/corpus

# Ten million random messages through one game under the sanitizers.
SOAK_MESSAGES ?= 10000000
soak:
	$(DEPS) unit
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS) --target vantorix-soak
	build/asan/fuzz/vantorix-soak $(SOAK_MESSAGES)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
