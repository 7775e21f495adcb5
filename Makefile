# The two commands a newcomer needs: `make run` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DFORTUNIAK_WERROR=ON

.PHONY: all run test test-fast bench assets setup clean

all: setup
	cmake -S . -B build $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

run: all
	tools/run-game.sh build/game/fortuniak

# The whole suite, then again under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# fuzzers of the file formats for half a minute each.
test: all
	ctest --test-dir build --output-on-failure -j $(JOBS)
	cmake -S . -B build-asan $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DFORTUNIAK_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)
	tests/fuzz/run-fuzzers.sh build-fuzz 30

# Everything but the slow tests (real X servers, crash trials, fuzzers), in the normal build.
test-fast: all
	ctest --test-dir build --output-on-failure -j $(JOBS) -LE slow

bench: all
	tools/bench/run-all.sh build

# Remakes every picture, sound and movie from the generators in tools/.
assets: all
	tools/make-assets.sh build

setup:
	tools/setup-debian.sh

clean:
	rm -rf build build-asan build-fuzz
