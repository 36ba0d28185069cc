# The two commands of the README: `make run` and `make test`.
.PHONY: run test deps build clean screenshot

JOBS ?= $(shell nproc)

deps:
	@tools/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

run: build
	./build/default/app/ra34063

test: build
	ctest --preset default
	tools/install-deps.sh
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan

# The README's picture of a finished design, drawn without a display.
screenshot: build
	./build/default/tools/ra34063_screenshot docs/screenshot.png

clean:
	rm -rf build
