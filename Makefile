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

# A place in the desktop: the game in PREFIX/lib/glyphora, `glyphora` in
# PREFIX/bin, a menu entry and the icon. Uninstall removes what install wrote.
PREFIX ?= $(HOME)/.local
.PHONY: install uninstall manual-pages

install: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null
	@cmake --build $(BUILD) --target Game Preflight glyphora_assets glyphora_desktop_icons glyphora-freshdata
	@assets/desktop/install.sh install "$(PREFIX)" "$(BUILD)"

uninstall:
	@assets/desktop/install.sh uninstall "$(PREFIX)"

# Every page of the manual as a picture, into PAGES.
PAGES ?= $(BUILD)/manual-pages
manual-pages: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null
	@cmake --build $(BUILD) --target glyphora_manual
	@docs/manual/page-pictures.sh $(BUILD)/Glyphora/Manual/Manual.pdf $(PAGES)
