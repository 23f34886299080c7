# Set-up, build, run and test on Debian 12. Run as root on a fresh machine:
#   make run    installs what is missing, builds, opens the program
#   make test   installs what is missing, builds, runs every test

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PACKAGES := cmake make g++ qt6-base-dev xvfb xauth xdotool x11-utils fonts-dejavu-core

.PHONY: all deps configure build run test clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	  else \
	    echo "These Debian packages are missing. Install them as root with:"; \
	    echo "  apt-get update && apt-get install -y --no-install-recommends$$missing"; \
	    exit 1; \
	  fi; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: set DISPLAY (or WAYLAND_DISPLAY) to a running X or Wayland server, for example"; \
	  echo "  xvfb-run -a make run"; \
	  exit 1; \
	fi
	$(BUILD_DIR)/amorix

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
