# Quick start: `make run` builds and starts the editor, `make test` builds and
# runs every test. Both install what is missing first.
PRESET ?= debug

.PHONY: deps build run test asan release package bench windows clean

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

# dist/windows: kestrune.exe and kestrune-cli.exe, cross-built with MinGW-w64.
windows: deps
	cmake --preset windows
	cmake --build --preset windows
	rm -rf dist/windows
	mkdir -p dist/windows
	cp build/windows/src/win32/kestrune.exe build/windows/src/cli/kestrune-cli.exe dist/windows/
	cp resources/windows/README.txt dist/windows/README.txt

clean:
	rm -rf build dist
