# Quick start: `make run` builds and starts the editor, `make test` builds and
# runs every test. Both install what is missing first.
PRESET ?= debug

.PHONY: deps build run test asan release package bench clean

deps:
	./scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

run: build
	./build/$(PRESET)/src/app/kestrune

test: build
	ctest --preset $(PRESET)

asan:
	$(MAKE) test PRESET=asan

release:
	$(MAKE) build PRESET=release

# The .deb, from a release build of the programs alone: build/package/*.deb
package: deps
	cmake --preset package
	cmake --build --preset package
	cpack --preset package

bench:
	$(MAKE) build PRESET=release
	./build/release/bench/kestrune_bench

clean:
	rm -rf build
