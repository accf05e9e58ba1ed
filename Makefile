# Vantorix. `make test` installs what is missing, builds everything and runs
# every test; `make sim` builds the headless simulator.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps test test-dev test-asan sim format clean

deps:
	@tools/install-deps.sh

test: deps test-dev test-asan

test-dev:
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev -j $(JOBS)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan:
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

sim: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS) --target vantorix-sim

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
