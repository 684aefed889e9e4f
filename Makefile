# The two commands: `make demo` and `make test`. Both install what is missing first.
.PHONY: bootstrap build test test-native test-windows test-netns demo
.DEFAULT_GOAL := build

bootstrap:
	@scripts/bootstrap

build: bootstrap
	cmake --preset native >/dev/null
	cmake --build --preset native
	cmake --preset windows >/dev/null
	cmake --build --preset windows

test: build
	$(MAKE) --no-print-directory test-native test-windows test-netns

test-native:
	ctest --preset native --label-exclude netns

test-windows:
	scripts/wine-prefix build/windows/wineprefix
	scripts/with-display ctest --preset windows

test-netns:
	ctest --preset native --label-regex netns

demo: build
	scripts/netns-run scripts/demo
