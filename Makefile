# The two commands of the README, and a few more for developers.
#   make run    set up, build and start Wuxo
#   make test   set up, build and run every test
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
CTEST_FLAGS ?= --output-on-failure
PREFIX ?= /usr/local

.PHONY: run test build configure packages test-packages install screenshots bench fuzz clean

run: packages build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ "$$QT_QPA_PLATFORM" != "offscreen" ]; then \
		echo "wuxo: no graphical display here (DISPLAY and WAYLAND_DISPLAY are not set); start it from a desktop session."; \
		exit 1; \
	fi
	QTWEBENGINE_DISABLE_SANDBOX=$$( [ "$$(id -u)" -eq 0 ] && echo 1 || echo 0 ) "$(BUILD_DIR)/bin/wuxo"

test: test-packages build
	cd "$(BUILD_DIR)" && QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
		ctest $(CTEST_FLAGS) -j1

packages:
	@scripts/ensure-packages.sh run

test-packages:
	@scripts/ensure-packages.sh test

configure:
	@if [ ! -f "$(BUILD_DIR)/build.ninja" ]; then \
		cmake -S . -B "$(BUILD_DIR)" -G Ninja $(CMAKE_FLAGS); \
	fi

build: configure
	cmake --build "$(BUILD_DIR)" -j $(JOBS)

install: packages build
	cmake --install "$(BUILD_DIR)" --prefix "$(PREFIX)"

screenshots: test-packages build
	scripts/screenshots.sh "$(BUILD_DIR)"

bench: test-packages build
	scripts/bench.sh "$(BUILD_DIR)"

fuzz:
	@scripts/ensure-packages.sh ci
	fuzz/run.sh 60

clean:
	rm -rf "$(BUILD_DIR)"
