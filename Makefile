# Two commands do everything on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the program on the demo content
#   make test   install what is missing, build, run the whole suite through CTest

BUILD_DIR ?= build
CMAKE_FLAGS ?=

# Debian packages the build, the program and the tests need.
DEB_PACKAGES := cmake ninja-build g++ pkg-config \
	qt6-base-dev libgl-dev libjpeg62-turbo-dev libsdl2-mixer-dev libmpg123-dev libxcb1-dev \
	qt6-declarative-dev qt6-webengine-dev haxe \
	fonts-arphic-uming fonts-dejavu-core \
	xvfb xauth xdotool imagemagick x11-utils openbox lame sox espeak-ng clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps npm configure build run test bench sanitize package clean

deps:
	@missing=""; \
	for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${db:Status-Abbrev}' $$p 2>/dev/null | grep -q '^ii' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

npm: deps
	@command -v npm >/dev/null || DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends nodejs npm
	@if [ -f package-lock.json ]; then \
	  if [ ! -d node_modules ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then npm ci --no-audit --no-fund; fi; \
	fi

configure: npm
	@[ -f $(BUILD_DIR)/build.ninja ] || cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	cd $(BUILD_DIR)/app && ./learn3a

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

bench: build
	@for p in chromium libjpeg-turbo-progs; do \
	  dpkg-query -W -f='$${db:Status-Abbrev}' $$p 2>/dev/null | grep -q '^ii' || \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$p; \
	done
	$(BUILD_DIR)/bench_clip_latency
	bash bench/game_start.sh $(BUILD_DIR)
	bash bench/startup.sh $(BUILD_DIR)
	cd $(BUILD_DIR)/app && ../bench/bench_click_to_sound
	cd $(BUILD_DIR)/app && ../bench/bench_page_switch

package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
# (Qt WebEngine's own code frees some objects with a mismatched size; that
# check is off, everything else is on.)
sanitize: npm
	@[ -f build-sanitize/build.ninja ] || cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLEARN3A_SANITIZE=ON
	cmake --build build-sanitize
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure

clean:
	rm -rf $(BUILD_DIR)
