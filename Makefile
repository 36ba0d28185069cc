# The two commands of the README: `make run` and `make test`.
.PHONY: run test deps build clean

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

clean:
	rm -rf build
