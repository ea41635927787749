# Thin wrapper over CMake: the targets a player or a maintainer types.
PREFIX ?= /usr/local
JOBS   ?= $(shell nproc)

RELEASE := build/release
TESTING := build/test
BENCH   := build/bench

.PHONY: all deps run build test bench install lint format format-check screenshots clean

all: build

deps:
	@scripts/install-deps

$(RELEASE)/Makefile: CMakeLists.txt | deps
	@cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DVX_TESTS=OFF >/dev/null

build: deps $(RELEASE)/Makefile
	@cmake --build $(RELEASE) -j $(JOBS) --target vortellanox

run: build
	$(RELEASE)/vortellanox $(ARGS)

test: deps format-check
	@cmake -S . -B $(TESTING) -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=ON -DVX_TESTS=ON >/dev/null
	@cmake --build $(TESTING) -j $(JOBS)
	@cd $(TESTING) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DVX_TESTS=OFF -DVX_BENCH=ON >/dev/null
	@cmake --build $(BENCH) -j $(JOBS)
	@bench/run $(BENCH)

screenshots: build
	@scripts/screenshots $(RELEASE)/vortellanox docs/screens

install: build
	@cmake --install $(RELEASE) --prefix $(PREFIX)

lint: deps
	@cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability --std=c++20 \
		--inline-suppr --suppress=missingIncludeSystem -I src src

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror

clean:
	rm -rf build
