# The two commands of a fresh machine: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all deps build run test clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null
	@cmake --build $(BUILD)

run: build
	$(BUILD)/Glyphora/Preflight

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

clean:
	rm -rf $(BUILD)
