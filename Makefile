# Quick start: `make run` builds and starts the editor, `make test` builds and
# runs every test. Both install what is missing first.
PRESET ?= debug
# The group of scripts/install-deps that `deps` installs: each target below
# asks for its own, and what it builds first inherits it.
DEPS_GROUP = run

.PHONY: deps build run test asan release package bench bench-smoke windows clean

deps:
	./scripts/install-deps $(DEPS_GROUP)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

run: build
	./build/$(PRESET)/src/app/kestrune

test: DEPS_GROUP = test
test: build
	ctest --preset $(PRESET)

asan:
	$(MAKE) test PRESET=asan

# The release preset builds the benchmarks too.
release:
	$(MAKE) build PRESET=release DEPS_GROUP=bench

# The .deb, from a release build of the programs alone: build/package/*.deb
package: DEPS_GROUP = package
package: deps
	cmake --preset package
	cmake --build --preset package
	cpack --preset package

# Every benchmark, with the ratios to their floors; docs/PERFORMANCE.md says
# what the numbers mean.
bench: DEPS_GROUP = bench windows
bench: deps
	cmake --preset release
	cmake --build --preset release --target kestrune_bench kestrune_table_bench
	./build/release/bench/kestrune_bench --benchmark_repetitions=9 \
	  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
	./build/release/bench/kestrune_table_bench --benchmark_repetitions=9 \
	  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
	./build/release/bench/kestrune_table_bench --peak=table
	./build/release/bench/kestrune_table_bench --peak=floor
	./scripts/bench-cli
	./scripts/bench-startup
	./scripts/bench-startup-wine
	./scripts/bench-table-wine

# Each benchmark once, as briefly as it can run: shows that they build and
# run, and judges no time.
bench-smoke: DEPS_GROUP = bench
bench-smoke: deps
	cmake --preset release
	cmake --build --preset release --target kestrune_bench kestrune_table_bench
	./build/release/bench/kestrune_bench --benchmark_min_time=0
	./build/release/bench/kestrune_table_bench --benchmark_min_time=0
	./scripts/bench-cli 1
	WARMUP=0 ./scripts/bench-startup 1

# dist/windows: kestrune.exe and kestrune-cli.exe, cross-built with MinGW-w64.
windows: DEPS_GROUP = windows
windows: deps
	cmake --preset windows
	cmake --build --preset windows
	rm -rf dist/windows
	mkdir -p dist/windows
	cp build/windows/src/win32/kestrune.exe build/windows/src/cli/kestrune-cli.exe dist/windows/
	cp resources/windows/README.txt dist/windows/README.txt

clean:
	rm -rf build dist
