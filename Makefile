# Quick start: `make run` builds and starts the editor, `make test` builds and
# runs every test. Both install what is missing first.
PRESET ?= debug

.PHONY: deps build run test asan release bench clean

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

bench:
	$(MAKE) build PRESET=release
	./build/release/bench/kestrune_bench

clean:
	rm -rf build
