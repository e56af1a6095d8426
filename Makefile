# The two commands for a newcomer: `make play` and `make test`. Each installs
# what is missing, configures, builds and then plays or tests.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
BENCH_BUILD ?= build-bench
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 300
FUZZ_SMOKE_SECONDS ?= 1
TEST_JOBS  ?= $(shell echo $$(( $$(nproc) * 2 )))
# Optimised as a release, without debug information: it adds two fifths to
# the compile time, and the package strips it anyway.
# The libraries as a few large units each: this tree is built, not edited in.
BUILD_TYPE = -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" "-DCMAKE_C_FLAGS_RELEASE=-O2 -DNDEBUG" \
  -DCHROMAL_UNITY=ON

.PHONY: all deps deps-test build play test test-main test-sanitize build-main run-main build-sanitize run-sanitize bench fuzz install deb clean \
  stream-build-main stream-build-sanitize stream-run-main stream-run-sanitize

all: build

deps:
	@scripts/install-deps play

deps-test:
	@scripts/install-deps test

# Playing needs neither GoogleTest nor clang: the tests are configured only
# when a test target asks for them.
build: deps
	cmake -S . -B $(BUILD) $(BUILD_TYPE) -DCHROMAL_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

play: build
	$(BUILD)/chromal --data $(BUILD)/data

# Two streams side by side: the ordinary tree is built, then its journeys
# run; the sanitizer tree is built meanwhile, and its tests run once both
# trees are there (they read the ordinary tree's data). The journeys spend
# much of their time waiting for frames and a build has serial stretches:
# the other stream keeps both cores busy.
test: deps-test
	$(MAKE) --no-print-directory -j2 --output-sync=target stream-run-main stream-run-sanitize

stream-build-main:
	$(MAKE) --no-print-directory build-main
stream-build-sanitize:
	$(MAKE) --no-print-directory build-sanitize
stream-run-main: stream-build-main
	$(MAKE) --no-print-directory run-main
stream-run-sanitize: stream-build-main stream-build-sanitize
	$(MAKE) --no-print-directory run-sanitize

test-main: deps-test
	$(MAKE) --no-print-directory build-main
	$(MAKE) --no-print-directory run-main

test-sanitize: deps-test
	$(MAKE) --no-print-directory build-sanitize
	$(MAKE) --no-print-directory run-sanitize

# The tool tests and the real-window journeys on the ordinary build, side by
# side (each journey starts an X server of its own). The headless unit tests
# run once, in the sanitizer tree, so this tree does not build them.
build-main:
	cmake -S . -B $(BUILD) $(BUILD_TYPE) -DCHROMAL_TESTS=ON -DCHROMAL_UNIT_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

run-main:
	ctest --test-dir $(BUILD) --output-on-failure -j $(TEST_JOBS)

# The unit tests under AddressSanitizer and UndefinedBehaviorSanitizer, a
# short run of every fuzz target (clang: libFuzzer), and the sanitizer-built
# game against hostile per-user files, failing writes and damaged data, all
# on the ordinary build's data. Line tables are all the reports' stacks need
# of the debug information, at a sixth less compile time.
SAN_TYPE = -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only -DCMAKE_C_FLAGS_DEBUG=-gline-tables-only
build-sanitize:
	CC=clang CXX=clang++ cmake -S . -B $(SAN_BUILD) $(SAN_TYPE) \
	  -DCHROMAL_SANITIZE=ON -DCHROMAL_FUZZ=ON -DCHROMAL_DATA=OFF -DCHROMAL_FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS) \
	  -DCHROMAL_TEST_DATA=$(abspath $(BUILD))/data
	cmake --build $(SAN_BUILD) -j $(JOBS)

run-sanitize:
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SAN_BUILD) -L 'unit|fuzz|hostile' --output-on-failure -j $(TEST_JOBS)

fuzz: deps-test
	CC=clang CXX=clang++ cmake -S . -B $(SAN_BUILD) $(SAN_TYPE) \
	  -DCHROMAL_SANITIZE=ON -DCHROMAL_FUZZ=ON -DCHROMAL_DATA=OFF -DCHROMAL_FUZZ_SECONDS=$(FUZZ_SECONDS) \
	  -DCHROMAL_TEST_DATA=$(abspath $(BUILD))/data
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ctest --test-dir $(SAN_BUILD) -L fuzz --output-on-failure

bench:
	@scripts/install-deps bench
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DCHROMAL_BENCH=ON -DCHROMAL_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target chromal chromal-tool data rules_bench game_bench png-probe
	bench/report.sh $(BENCH_BUILD) BENCHMARKS.md

install: build
	cmake --install $(BUILD)

# A binary Debian package in $(BUILD)/package, from the same install rules.
deb: build
	@scripts/install-deps deb
	cpack -G DEB --config $(BUILD)/CPackConfig.cmake -B $(BUILD)/package

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(BENCH_BUILD)
