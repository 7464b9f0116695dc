# The two ways in: `make run` starts the editor, `make test` runs every test.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: run test deps build screenshots clean

run: build
	$(BUILD_DIR)/bin/veyrith

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

# Both pages with the sample character, rendered in a real X server for README.md.
screenshots: build
	mkdir -p docs/screenshots
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/bin/render_screenshots samples/mireille.npf docs/screenshots

clean:
	rm -rf $(BUILD_DIR)
