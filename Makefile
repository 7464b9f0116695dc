# The two ways in: `make run` starts the editor, `make test` runs every test.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: run test deps build clean

run: build
	$(BUILD_DIR)/bin/veyrith

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
