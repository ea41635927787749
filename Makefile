# Thin wrapper over CMake: the targets a player or a maintainer types.
PREFIX ?= /usr/local
JOBS   ?= $(shell nproc)

RELEASE := build/release
TESTING := build/test
BENCH   := build/bench
DEB     ?= build/deb

.PHONY: all deps run build test bench install uninstall deb lint format format-check cmake-check screenshots clean

all: build

deps:
	@scripts/install-deps

$(RELEASE)/Makefile: CMakeLists.txt
	@cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DVX_TESTS=OFF >/dev/null

# Builds with what is installed; only run and test install what is missing.
build: $(RELEASE)/Makefile
	@cmake --build $(RELEASE) -j $(JOBS)

run: deps
	@$(MAKE) --no-print-directory build
	$(RELEASE)/vortellanox $(ARGS)

# The benchmarks are built with the tests so that they never fall behind the code they measure.
# The package's Release build is made before ctest, with every core and outside the time limit of
# its test (tests/scripts/package.sh, which reports any failure of it).
test: deps format-check cmake-check
	@cmake -S . -B $(TESTING) -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=ON -DVX_TESTS=ON -DVX_BENCH=ON >/dev/null
	@cmake --build $(TESTING) -j $(JOBS)
	@$(MAKE) --no-print-directory deb DEB=$(CURDIR)/$(TESTING)/deb >/dev/null 2>&1 || true
	@cd $(TESTING) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DVX_TESTS=OFF -DVX_BENCH=ON >/dev/null
	@cmake --build $(BENCH) -j $(JOBS)
	@bench/run $(BENCH)

screenshots: build
	@scripts/screenshots $(RELEASE)/vortellanox docs/screens

# install never asks for root itself: run it as a user who may write to PREFIX (sudo make install).
install: build
	@cmake --install $(RELEASE) --prefix $(PREFIX)

# Removes the files the last install listed in its manifest, then the folders it created if they
# are empty (cmake/Install.cmake notes them).
uninstall:
	@test -f $(RELEASE)/install_manifest.txt || { echo "Nothing to uninstall: no $(RELEASE)/install_manifest.txt"; exit 1; }
	@xargs -r -d '\n' rm -f -- < $(RELEASE)/install_manifest.txt
	@if [ -f $(RELEASE)/install_folders.txt ]; then sort -ru $(RELEASE)/install_folders.txt | \
		while IFS= read -r dir; do [ ! -d "$$dir" ] || rmdir --ignore-fail-on-non-empty -- "$$dir"; done; fi
	@rm -f $(RELEASE)/install_manifest.txt $(RELEASE)/install_folders.txt

# The Debian package, built with the hardening flags Debian's own tools use (DEB= chooses the build folder).
deb:
	@CXXFLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) \
		$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)" \
		LDFLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)" \
		cmake -S . -B $(DEB) -DCMAKE_BUILD_TYPE=Release -DVX_TESTS=OFF -DVX_DEBIAN_PACKAGE=ON >/dev/null
	@cmake --build $(DEB) -j $(JOBS)
	@rm -f $(DEB)/vortellanox_*.deb
	@cd $(DEB) && cpack -G DEB >/dev/null
	@ls $(DEB)/vortellanox_*.deb

lint: deps
	@cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability --std=c++20 \
		--inline-suppr --suppress=missingIncludeSystem -I src src

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

cmake-check:
	@scripts/check-cmake-version

format-check:
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror

clean:
	rm -rf build
