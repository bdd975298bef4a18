# Quorvex: `make run` starts the calculator, `make test` runs every test.
# Both first install whatever Debian packages are missing.

BUILD_DIR   ?= build
BUILD_TYPE  ?= RelWithDebInfo
JOBS        ?= $(shell nproc)
SUDO        := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Everything the build and the test suite need, from Debian.
PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev \
            qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev poppler-utils \
            desktop-file-utils
# The sanitizer build and the fuzz targets: clang with its runtimes, and
# llvm-symbolizer so that reports name source lines.
PACKAGES += clang-14 libclang-rt-14-dev llvm-14

.PHONY: all deps configure build test run clean
.PHONY: test-sanitize fuzz-build fuzz

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing || \
	  { $(SUDO) apt-get update -q && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; }; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "quorvex needs a graphical display: run it from a desktop session," \
	       "or start one with 'Xvfb :99 &' and 'export DISPLAY=:99'." >&2; \
	  exit 1; \
	fi
	@if [ -x $(BUILD_DIR)/app/quorvex ]; then exec $(BUILD_DIR)/app/quorvex; \
	 else echo "The desktop program is not built yet." >&2; exit 1; fi

clean:
	rm -rf $(BUILD_DIR)

# Every library and test, the widget tests included (offscreen), under
# AddressSanitizer (with leak checking) and UndefinedBehaviorSanitizer; any
# report fails the run. Qt itself is not instrumented and its libraries report
# no leaks here, so nothing is suppressed. -O1 keeps the build and the run
# short enough for CI.
SANITIZE_DIR   ?= build-asan
SANITIZE_CXX   ?= clang++-14
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all \
                  -fno-omit-frame-pointer
SANITIZE_ENV   := ASAN_OPTIONS=detect_leaks=1 \
                  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_CXX_COMPILER=$(SANITIZE_CXX) \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DQUORVEX_BUILD_GUI=ON
	$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	$(SANITIZE_ENV) ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# libFuzzer targets in fuzz/, each run for FUZZ_SECONDS on a copy of its
# committed seed corpus (see fuzz/run-fuzzers.sh).
FUZZ_DIR     ?= fuzz-build
FUZZ_SECONDS ?= 60
FUZZ_FLAGS   := -fsanitize=fuzzer-no-link,address,undefined \
                -fno-sanitize-recover=all -fno-omit-frame-pointer

fuzz-build: deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=$(SANITIZE_CXX) \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	  -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" -DQUORVEX_BUILD_GUI=OFF \
	  -DQUORVEX_BUILD_TESTS=OFF -DQUORVEX_BUILD_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target quorvex_fuzzers

fuzz: fuzz-build
	sh fuzz/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Benchmarks (bench/): the engine against a peer parser and native code, one
# table of medians and ratios. Google Benchmark and the peer are needed only
# here, so `make test` never installs them.
BENCH_DIR      ?= bench-build
BENCH_PACKAGES := libbenchmark-dev libmuparser-dev

.PHONY: bench-deps bench-build bench

bench-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(BENCH_PACKAGES)"

bench-build: deps bench-deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUORVEX_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target quorvex_bench

bench: bench-build
	$(BENCH_DIR)/bench/quorvex_bench
