# Build, test and run Dorvanix on Debian 12: native core tests and the
# mingw-w64 Windows build, whose programs run under Wine (tools/run_wine.sh).
SHELL := /bin/bash
.SHELLFLAGS := -euo pipefail -c
.DEFAULT_GOAL := build
.PHONY: deps build build-native build-windows build-fuzz test fuzz run format clean bench

# Configure once; later builds re-run CMake by themselves when CMakeLists change.
configure = test -f $(2)/build.ninja || cmake --preset $(1)

deps:
	tools/deps.sh

build-native: deps
	$(call configure,native,build/native)
	cmake --build --preset native

build-windows: deps
	$(call configure,windows,build/win)
	cmake --build --preset windows

build: build-native build-windows

# The libFuzzer targets need clang; without it they are left out (tools/deps.sh installs it).
build-fuzz: deps
	@if ! command -v clang++ >/dev/null; then echo "fuzz: clang++ not found, fuzz targets not built"; exit 0; fi; \
	$(call configure,fuzz,build/fuzz); \
	cmake --build --preset fuzz

# Each fuzz target for FUZZ_SECONDS, from the committed seeds and what earlier runs kept in build/fuzz/corpus.
FUZZ_SECONDS ?= 300
fuzz: build-fuzz
	@rc=0; for target in build/fuzz/tests/fuzz/*_fuzz; do \
	    tools/run_fuzz.sh "$$target" $(FUZZ_SECONDS) || rc=1; \
	done; exit $$rc

# The core's folders must form layers (no include cycle) and the hosts see only its entry points; then every suite always runs (the fuzz smoke, 20 s a
# target, when clang is there) and the closing line counts them all.
test: build build-fuzz
	tools/include_graph.py
	@rc=0; passed=0; skipped=0; failed=0; report=(); presets=(native windows); \
	if command -v clang++ >/dev/null; then presets+=(fuzz); fi; \
	for preset in "$${presets[@]}"; do \
	    log=build/ctest-$$preset.log; \
	    jobs=1; if [[ $$preset == native ]]; then jobs=$$(nproc); fi; \
	    code=0; ctest --preset $$preset --parallel $$jobs 2>&1 | tee "$$log" || code=$$?; \
	    line=$$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$$log" | tail -n 1 || true); \
	    if [[ -n $$line ]]; then \
	        bad=$$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$$line"); \
	        all=$$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$$line"); \
	    else bad=0; all=0; fi; \
	    skip=$$(grep -cE '^[[:space:]]+[0-9]+ - .* \(Skipped\)$$' "$$log" || true); \
	    ((passed += all - bad - skip, failed += bad, skipped += skip)) || true; \
	    note=""; ((code == 0)) || { rc=1; note=" (ctest exit $$code)"; }; \
	    report+=("$$preset: $$((all - bad - skip)) passed, $$skip skipped, $$bad failed$$note"); \
	done; \
	echo; echo "== test summary"; printf '%s\n' "$${report[@]}"; \
	echo "total: $$passed passed, $$skipped skipped, $$failed failed"; \
	exit $$rc

run: build-windows
	tools/run_gadget.sh

# The drawing benchmark from an optimised build without sanitizers, then the idle memory and CPU of
# Dorvanix.exe under Wine against an empty window and a bare sampler (make test only compiles both).
bench: deps
	test -f build/bench/build.ninja || cmake --preset bench
	cmake --build --preset bench --target dorvanix_bench
	build/bench/tests/native/dorvanix_bench
	$(call configure,windows,build/win)
	cmake --build --preset windows --target Dorvanix idle_empty_window idle_bare_sampler idle_driver
	tools/idle_bench.sh build/win/bin

# The zip a Windows user downloads, from a fresh Release build in build/dist; then the same zip
# unpacked and run under Wine.
.PHONY: dist dist-test
dist: deps
	tools/make_dist.sh

dist-test: dist
	tools/dist_test.sh

format_sources = find src tests -type f \( -name '*.h' -o -name '*.cpp' \) -print0
format:
	$(format_sources) | xargs -0 -r clang-format -i

# What CI checks: the same files, already as `make format` writes them.
.PHONY: format-check
format-check: deps
	$(format_sources) | xargs -0 -r clang-format --dry-run -Werror

# Stop a wineserver still using the prefix before deleting it.
clean:
	if [[ -d build/wineprefix ]]; then WINEPREFIX=$(CURDIR)/build/wineprefix wineserver -k 2>/dev/null || true; fi
	rm -rf build

# Redraws the artwork in assets/ (committed, so a build never needs this step).
.PHONY: assets artgen-test
assets: artgen-test
	g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -o build/artgen tools/artgen/*.cpp
	build/artgen assets

# The generator's encoder test alone: cheap, and CI runs it.
artgen-test: deps
	mkdir -p build
	g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -o build/artgen_test tools/artgen/test/encode_test.cpp \
	    tools/artgen/encode.cpp tools/artgen/canvas.cpp tools/artgen/palette.cpp
	build/artgen_test
