# The two commands: `make demo` and `make test`. Both install what is missing first.
.PHONY: bootstrap build test test-native test-windows test-netns test-fuzz demo screenshots \
        fuzz bench dist
.DEFAULT_GOAL := build

bootstrap:
	@scripts/bootstrap

build: bootstrap
	cmake --preset native >/dev/null
	cmake --build --preset native
	cmake --preset windows >/dev/null
	cmake --build --preset windows

test: build
	$(MAKE) --no-print-directory test-native test-windows test-netns test-fuzz

test-native:
	ctest --preset native --label-exclude netns

test-windows:
	scripts/wine-prefix build/windows/wineprefix
	scripts/with-display ctest --preset windows

# Everything that opens a real device-protocol socket: each test makes its own namespace.
test-netns:
	ctest --preset native --label-regex netns

# The reply fuzzer over its seed corpus, each seed once.
test-fuzz:
	scripts/fuzz 0

demo: build
	scripts/netns-run scripts/demo

# One picture per window in build/screenshots/, and the main window with devices listed.
screenshots: build
	scripts/screenshots
	DISPLAY= scripts/netns-run scripts/demo
	cp build/demo/screenshot.png build/screenshots/main_window_devices.png

fuzz: bootstrap
	scripts/fuzz

bench: build
	scripts/bench

# Release archives for Windows and Linux and their SHA256SUMS in dist/.
dist: bootstrap
	scripts/dist
