# The two commands of the README: `make run` and `make test`. The others:
# `make fuzz` (FUZZ_SECONDS per target), `make bench`, `make coverage`,
# `make bench-startup`, `make bench-sheet`, `make bench-cli`, `make screenshot`, `make install`,
# `make uninstall`, `make package`.
.PHONY: run test test-asan deps build clean fuzz fuzz-build fuzz-ci bench bench-startup bench-sheet \
        bench-cli \
        coverage screenshot install uninstall package

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
PREFIX ?= $(HOME)/.local

deps:
	@tools/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

run: build
	./build/default/app/ra34063

# The normal suite, the sanitizer suite, then every fuzz target for 20 s.
test: build
	ctest --preset default
	$(MAKE) test-asan
	$(MAKE) fuzz-ci

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan

# Under sudo only the copying runs as root: build first, as yourself. The
# manifest and the list of folders the install made are moved out of the build
# tree, where packaging rewrites them.
install:
	@[ -n "$$SUDO_USER" ] || $(MAKE) build
	cmake --install build/default --prefix "$(abspath $(PREFIX))"
	mv build/default/install_manifest.txt build/install_manifest.txt
	mv build/default/install_folders.txt build/install_folders.txt

uninstall:
	cmake -DMANIFEST=build/install_manifest.txt -DFOLDERS=build/install_folders.txt \
	  -P dist/uninstall.cmake

package: build
	cmake --build --preset default --target package

# The README's pictures, a finished design, the longest messages and the
# design sheet, with the step-down and inverting sheets, drawn without a display.
screenshot: build
	./build/default/tools/ra34063_screenshot docs/screenshot.png docs/messages.png docs/sheet.png \
	  docs/sheet_step_down.png docs/sheet_inverting.png docs/simulation.png

fuzz-build:
	@tools/install-deps.sh clang libclang-rt-14-dev
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

fuzz: fuzz-build
	tools/run-fuzzers.sh $(FUZZ_SECONDS)

fuzz-ci:
	$(MAKE) fuzz FUZZ_SECONDS=20

bench: deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	./build/bench/bench/ra_bench --benchmark_repetitions=10 \
	  --benchmark_report_aggregates_only=true --benchmark_min_time=0.1

bench-startup: deps
	cmake --preset startup
	cmake --build --preset startup -j $(JOBS)
	tools/startup-bench.sh

# Updating an open design sheet after a Go, on the offscreen platform.
bench-sheet: deps
	cmake --preset startup
	cmake --build --preset startup -j $(JOBS)
	./build/startup/bench/sheet_bench --benchmark_repetitions=10 \
	  --benchmark_report_aggregates_only=true --benchmark_min_time=0.1

# `ra34063 design ... --json` on the worked example against `true`.
bench-cli: deps
	cmake --preset startup
	cmake --build --preset startup -j $(JOBS)
	./build/startup/bench/command_line_bench ./build/startup/app/ra34063

coverage:
	@tools/install-deps.sh gcovr
	cmake --preset coverage
	cmake --build --preset coverage -j $(JOBS)
	find build/coverage -name '*.gcda' -delete
	ctest --preset coverage
	mkdir -p build/coverage/report
	gcovr --root . build/coverage/framework build/coverage/design build/coverage/tests \
	  --filter 'design/' --filter 'framework/' --exclude 'framework/qt/' \
	  --exclude-throw-branches --exclude-unreachable-branches \
	  --html-details build/coverage/report/index.html \
	  --txt build/coverage/report/branches.txt --branches --print-summary

clean:
	rm -rf build
