# The two commands of the README, and a few more for developers.
#   make run    set up, build and start Wuxo
#   make test   set up, build and run every test
#   make deb    build the Debian package build/wuxo_<version>-1_<arch>.deb
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
CTEST_FLAGS ?= --output-on-failure
PREFIX ?= /usr/local

.PHONY: run test build configure packages test-packages install deb screenshots bench fuzz clean

run: packages build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ "$$QT_QPA_PLATFORM" != "offscreen" ]; then \
		echo "wuxo: no graphical display here (DISPLAY and WAYLAND_DISPLAY are not set); start it from a desktop session."; \
		exit 1; \
	fi
	QTWEBENGINE_DISABLE_SANDBOX=$$( [ "$$(id -u)" -eq 0 ] && echo 1 || echo 0 ) "$(BUILD_DIR)/bin/wuxo"

# The tests run side by side on every core; the end-to-end scenarios share one
# resource lock, so they take turns.
test: test-packages build
	cd "$(BUILD_DIR)" && QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
		ctest $(CTEST_FLAGS) -j $(JOBS)

packages:
	@scripts/ensure-packages.sh run

test-packages:
	@scripts/ensure-packages.sh test

# The build folder remembers the CMAKE_FLAGS it was configured with; other flags
# configure it afresh, so that options left out are not kept from the last run.
FLAGS_STAMP = $(BUILD_DIR)/.cmake-flags
configure:
	@if [ ! -f "$(BUILD_DIR)/build.ninja" ] || [ "$$(cat "$(FLAGS_STAMP)" 2>/dev/null)" != "$$CMAKE_FLAGS_NOW" ]; then \
		cmake --fresh -S . -B "$(BUILD_DIR)" -G Ninja $(CMAKE_FLAGS) && \
		printf '%s\n' "$$CMAKE_FLAGS_NOW" > "$(FLAGS_STAMP)"; \
	fi
configure: export CMAKE_FLAGS_NOW = $(CMAKE_FLAGS)

build: configure
	cmake --build "$(BUILD_DIR)" -j $(JOBS)

install: packages build
	cmake --install "$(BUILD_DIR)" --prefix "$(PREFIX)"

# CPack's DEB generator, from the install rules above, under the prefix /usr.
deb: packages build
	@scripts/ensure-packages.sh deb
	cpack --config "$(BUILD_DIR)/CPackConfig.cmake" -B "$(BUILD_DIR)"

screenshots: test-packages build
	scripts/screenshots.sh "$(BUILD_DIR)"

bench: test-packages build
	scripts/bench.sh "$(BUILD_DIR)"

fuzz:
	@scripts/ensure-packages.sh ci
	fuzz/run.sh 60

clean:
	rm -rf "$(BUILD_DIR)"
