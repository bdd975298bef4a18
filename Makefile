# Quorvex: `make run` starts the calculator, `make test` runs every test.
# Both first install whatever Debian packages are missing: `make run` only
# what building and running the program needs, `make test` also what the
# tests need, and the sanitizer, fuzz and package targets what they add.

BUILD_DIR   ?= build
BUILD_TYPE  ?= RelWithDebInfo
JOBS        ?= $(shell nproc)
SUDO        := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PREFIX      ?= /usr/local
# ON makes every compiler warning an error, as .ci/run builds.
WERROR      ?= OFF

# Building and running the calculator, and building the Python module for
# Debian's Python (pybind11 and Python's headers); the translations' tools
# (lrelease and its CMake package), the toolkit's own translations for its
# dialogs, and the font the windows are laid out for.
RUN_PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 \
                libgl-dev pybind11-dev python3-dev qt6-tools-dev qt6-l10n-tools \
                qt6-translations-l10n fonts-dejavu-core
# The test suite: GoogleTest, the tools the tests run (PDF text, desktop
# entry, AppStream and manual page checks, GNU parallel for the table mode's
# recipe, the math tables and error bounds recomputed with mpmath), and
# help2man for the pages, and the Python module's tests: pytest, NumPy,
# pandas, and Dask with its distributed scheduler; and for the accessibility
# test, a display of its own (Xvfb), a session bus (dbus-run-session), the
# accessibility bus and registry (at-spi2-core) and Debian's Python AT-SPI
# bindings.
TEST_PACKAGES := libgtest-dev libgmock-dev poppler-utils desktop-file-utils \
                 appstream man-db help2man locales parallel python3-mpmath \
                 shared-mime-info python3-pytest python3-numpy python3-pandas \
                 python3-dask python3-distributed \
                 xvfb dbus-daemon at-spi2-core python3-pyatspi
# The sanitizer build and the fuzz targets: clang with its runtimes, and
# llvm-symbolizer so that reports name source lines.
SANITIZE_PACKAGES := clang-14 libclang-rt-14-dev llvm-14
# The Debian package: dpkg-shlibdeps and dpkg-buildflags, file (CPack finds
# the binaries with it), the manual pages, and lintian to check the result.
PACKAGE_PACKAGES := dpkg-dev file help2man man-db lintian

# What `deps` installs; each target below adds what it needs (a target's
# variables hold for everything it depends on).
PACKAGES := $(RUN_PACKAGES)
CONFIGURE_FLAGS :=
test: PACKAGES += $(TEST_PACKAGES)
test: CONFIGURE_FLAGS += -DQUORVEX_BUILD_TESTS=ON -DQUORVEX_BUILD_MANPAGES=ON -DQUORVEX_BUILD_PYTHON=ON
install: PACKAGES += help2man
install: CONFIGURE_FLAGS += -DQUORVEX_BUILD_MANPAGES=ON
test-sanitize: PACKAGES += $(TEST_PACKAGES) $(SANITIZE_PACKAGES)
test-thread: PACKAGES += $(TEST_PACKAGES) $(SANITIZE_PACKAGES)
fuzz-build fuzz: PACKAGES += $(SANITIZE_PACKAGES)
package: PACKAGES += $(PACKAGE_PACKAGES)

.PHONY: all deps locales configure build test run clean install uninstall desktop-databases
.PHONY: test-sanitize test-thread fuzz-build fuzz package package-check lint format

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

# The tests of the comma decimal separator run in a German locale, which
# Debian generates only when /etc/locale.gen enables it.
locales: deps
	@locale -a 2>/dev/null | grep -qix 'de_DE.utf8' || { \
	  echo "Generating the de_DE.UTF-8 locale for the comma-separator tests"; \
	  $(SUDO) sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen && \
	  $(SUDO) locale-gen; }

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUORVEX_WERROR=$(WERROR) \
	  $(CONFIGURE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build locales
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

# Both programs, their desktop entry, icon, metainfo, manual pages and the
# licence under PREFIX, binaries stripped; `make uninstall` removes exactly
# the files that install wrote.
install: build
	$(SUDO) cmake --install $(BUILD_DIR) --strip --prefix $(PREFIX)
	@$(MAKE) --no-print-directory desktop-databases

uninstall:
	@if [ ! -f $(BUILD_DIR)/install_manifest.txt ]; then \
	  echo "Nothing was installed from $(BUILD_DIR)." >&2; exit 1; fi
	$(SUDO) xargs -d '\n' rm -f -- < $(BUILD_DIR)/install_manifest.txt
	@$(MAKE) --no-print-directory desktop-databases

# The worksheet type and the desktop entry that opens it, known to file
# managers under PREFIX (the Debian package has dpkg's triggers do this).
desktop-databases:
	@if command -v update-mime-database >/dev/null && [ -d $(PREFIX)/share/mime/packages ]; then \
	  $(SUDO) update-mime-database $(PREFIX)/share/mime; fi
	@if command -v update-desktop-database >/dev/null && [ -d $(PREFIX)/share/applications ]; then \
	  $(SUDO) update-desktop-database $(PREFIX)/share/applications; fi

# Every library and test, the widget tests included (offscreen), under
# AddressSanitizer (with leak checking) and UndefinedBehaviorSanitizer; any
# report fails the run. Qt itself is not instrumented and its libraries report
# no leaks here, so nothing is suppressed. -O1 keeps the build and the run
# short enough for CI. The math library is built portable here, without
# fused multiply-add, so that its tests check that variant too.
SANITIZE_DIR   ?= build-asan
SANITIZE_CXX   ?= clang++-14
SANITIZE_CC    ?= clang-14
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all \
                  -fno-omit-frame-pointer
SANITIZE_ENV   := ASAN_OPTIONS=detect_leaks=1 \
                  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: deps locales
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_CXX_COMPILER=$(SANITIZE_CXX) -DQUORVEX_WERROR=$(WERROR) \
	  -DCMAKE_C_COMPILER=$(SANITIZE_CC) -DCMAKE_C_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DQUORVEX_BUILD_GUI=ON \
	  -DQUORVEX_BUILD_TESTS=ON -DQUORVEX_BUILD_MANPAGES=ON -DQUORVEX_MATH_FMA=OFF
	$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	$(SANITIZE_ENV) ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# The library compiling and evaluating from eight threads at once under
# ThreadSanitizer: only the library and that test are built here.
THREAD_DIR ?= build-tsan

test-thread: deps
	cmake -S . -B $(THREAD_DIR) -DCMAKE_CXX_COMPILER=$(SANITIZE_CXX) -DQUORVEX_WERROR=$(WERROR) \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	  -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" -DQUORVEX_BUILD_GUI=OFF \
	  -DQUORVEX_BUILD_TESTS=ON -DQUORVEX_BUILD_MANPAGES=OFF
	cmake --build $(THREAD_DIR) -j $(JOBS) --target lib_thread_tests
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 $(THREAD_DIR)/tests/lib/lib_thread_tests

# The naming rule and the layout of the code, as .ci/run checks them:
# clang-tidy's naming check over every source file, from a build tree of
# its own that sees the benchmarks and fuzz targets too (only the generated
# sources are built there), and clang-format over every source file, the
# generated math tables left out; `make format` applies that format.
LINT_DIR      ?= build-lint
LINT_PACKAGES := clang-14 clang-tidy-14 clang-format-14 clang-tools-14 \
                 libbenchmark-dev libmuparser-dev
lint: PACKAGES += $(TEST_PACKAGES) $(LINT_PACKAGES)
FORMAT_FILES = $(filter-out %tables.cpp,$(shell git ls-files \
                 '*.cpp' '*.h' '*.hpp' '*.c' | \
                 grep -E '^(engine|mathlib|lib|session|cli|app|python|examples|tests|bench|fuzz|tools)/'))

lint: deps
	cmake -S . -B $(LINT_DIR) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug \
	  -DQUORVEX_BUILD_TESTS=ON -DQUORVEX_BUILD_BENCH=ON -DQUORVEX_BUILD_FUZZ=ON \
	  -DQUORVEX_BUILD_MANPAGES=OFF -DCMAKE_GLOBAL_AUTOGEN_TARGET=ON
	cmake --build $(LINT_DIR) -j $(JOBS) --target autogen
	run-clang-tidy-14 -p $(LINT_DIR) -j $(JOBS) -quiet \
	  '^$(CURDIR)/(engine|mathlib|lib|session|cli|app|python|tests|bench|fuzz|tools|examples)/' > $(LINT_DIR)/clang-tidy.log 2>&1 || \
	  { sed 's/\x1b\[[0-9;]*m//g' $(LINT_DIR)/clang-tidy.log | grep -E 'error:' | sort -u; exit 1; }
	clang-format-14 --dry-run -Werror $(FORMAT_FILES)

format: PACKAGES += clang-format-14
format: deps
	clang-format-14 -i $(FORMAT_FILES)

# libFuzzer targets in fuzz/, each run for FUZZ_SECONDS on a copy of its
# committed seed corpus (see fuzz/run-fuzzers.sh).
FUZZ_DIR     ?= fuzz-build
FUZZ_SECONDS ?= 60
FUZZ_FLAGS   := -fsanitize=fuzzer-no-link,address,undefined \
                -fno-sanitize-recover=all -fno-omit-frame-pointer

fuzz-build: deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=$(SANITIZE_CXX) -DQUORVEX_WERROR=$(WERROR) \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	  -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" -DQUORVEX_BUILD_GUI=OFF \
	  -DQUORVEX_BUILD_TESTS=OFF -DQUORVEX_BUILD_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target quorvex_fuzzers

fuzz: fuzz-build
	sh fuzz/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Benchmarks (bench/): the engine against a peer parser and native code, one
# table of medians and ratios, then the column rows of NumPy and numexpr on
# the same data (bench/columnmath.py, with ours through the library beside
# them). Google Benchmark, the peer and the Python packages are needed only
# here, so `make test` never installs them. BENCH_FLAGS go to the benchmark
# program: `make bench BENCH_FLAGS=--vector-path=avx2` runs the column
# forms on AVX2 on a processor that has AVX-512.
BENCH_DIR      ?= bench-build
BENCH_FLAGS    ?=
BENCH_PACKAGES := libbenchmark-dev libmuparser-dev mawk python3-numpy python3-numexpr

.PHONY: bench-deps bench-build bench bench-python

bench-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(BENCH_PACKAGES)"

bench-build: deps bench-deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUORVEX_BUILD_BENCH=ON \
	  -DQUORVEX_WERROR=$(WERROR)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target quorvex_bench

bench: bench-build
	$(BENCH_DIR)/bench/quorvex_bench $(BENCH_FLAGS)
	/usr/bin/python3 bench/columnmath.py --library $(BENCH_DIR)/lib/libquorvex.so.1

# The Python module against numexpr (bench/pythonbench.py), from the build
# tree's module and library.
bench-python: PACKAGES += $(TEST_PACKAGES) python3-numexpr
bench-python: build
	PYTHONPATH=$(BUILD_DIR)/python /usr/bin/python3 bench/pythonbench.py \
	  $(BUILD_DIR)/lib/libquorvex.so.1

# The Debian packages quorvex, libquorvex1, libquorvex-dev and python3-quorvex, built from a tree of its
# own with Debian's hardening flags and the portable math library (a package
# runs on any amd64 CPU, not only on one with fused multiply-add); `make package-check` runs lintian on it,
# unpacks it and runs the unpacked programs (packaging/check-package.sh).
PACKAGE_DIR ?= package-build

package: deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
	  -DQUORVEX_WERROR=$(WERROR) \
	  -DQUORVEX_BUILD_TESTS=OFF -DQUORVEX_BUILD_MANPAGES=ON -DQUORVEX_MATH_FMA=OFF \
	  -DQUORVEX_BUILD_PYTHON=ON \
	  -DCMAKE_CXX_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) $$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	@# The library's ldconfig runs from its trigger: without CPack's scripts.
	cd $(PACKAGE_DIR) && rm -rf libunpacked && dpkg-deb -R libquorvex1_*_amd64.deb libunpacked && \
	  rm -f libunpacked/DEBIAN/postinst libunpacked/DEBIAN/postrm && \
	  dpkg-deb --root-owner-group -Zxz -b libunpacked libquorvex1_*_amd64.deb >/dev/null && \
	  rm -rf libunpacked

package-check: package
	sh packaging/check-package.sh $(PACKAGE_DIR)/quorvex_*_amd64.deb \
	  $(PACKAGE_DIR)/libquorvex1_*_amd64.deb $(PACKAGE_DIR)/libquorvex-dev_*_amd64.deb \
	  $(PACKAGE_DIR)/python3-quorvex_*_amd64.deb
