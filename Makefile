# The two commands of a fresh machine: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all deps configure build run test clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD)

# Playing needs only the two programs and the assembled game folder, not the
# tests and tools that `make build` adds.
run: configure
	@cmake --build $(BUILD) --target Game Preflight glyphora_assets
	$(BUILD)/Glyphora/Preflight

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

clean:
	rm -rf $(BUILD)
