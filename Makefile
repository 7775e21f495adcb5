# The two commands a newcomer needs: `make run` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DFORTUNIAK_WERROR=ON

.PHONY: all run test test-fast bench assets deb setup clean

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

# The Debian package, built from a copy of the tree so that the tree stays clean:
# build-deb/fortuniak_<version>_<arch>.deb, then checked by lintian.
deb: setup
	rm -rf build-deb
	mkdir -p build-deb/src
	if git rev-parse --git-dir >/dev/null 2>&1; then \
	  git ls-files -z --cached --others --exclude-standard \
	    | tar --null -T - --ignore-failed-read -cf - | tar -xf - -C build-deb/src; \
	else \
	  tar --exclude='./build*' -cf - . | tar -xf - -C build-deb/src; \
	fi
	cd build-deb/src && DEB_BUILD_OPTIONS="parallel=$(JOBS)" dpkg-buildpackage -us -uc -b
	lintian --fail-on error build-deb/fortuniak_*.deb

setup:
	tools/setup-debian.sh

clean:
	rm -rf build build-asan build-fuzz build-deb
