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

.PHONY: all deps configure build test run clean

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
