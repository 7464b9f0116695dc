# The two ways in: `make run` starts the editor, `make test` runs every test.
BUILD_DIR ?= build
WINDOWS_BUILD_DIR ?= build-windows
CMAKE_FLAGS ?=

.PHONY: run test test-windows deps test-deps screenshots translations clean

# A first build for running leaves out what only the tests need; a tree that
# has them keeps them.
RUN_FLAGS := $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DVEYRITH_TESTS=OFF -DVEYRITH_BENCHMARKS=OFF)

run: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(RUN_FLAGS) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)
	$(BUILD_DIR)/bin/veyrith

test: test-deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DVEYRITH_TESTS=ON -DVEYRITH_BENCHMARKS=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure

deps:
	@tools/install-deps.sh

test-deps:
	@tools/install-deps.sh test

# The editor, the file layer, editing and veyrith-npf built for Windows with
# MinGW-w64 and a static Qt (cached, see tools/build-windows-qt.sh), tested
# under Wine, then the zip and the installer made and checked.
test-windows:
	@tools/install-deps.sh windows
	qt="$$(tools/build-windows-qt.sh)" && \
	cmake -S . -B $(WINDOWS_BUILD_DIR) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DVEYRITH_WINDOWS_QT="$$(echo "$$qt" | tail -n 1)" $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_BUILD_DIR)
	ctest --test-dir $(WINDOWS_BUILD_DIR) --output-on-failure
	packaging/check-windows-packages.sh $(WINDOWS_BUILD_DIR)

# Both pages with the sample character, in English and in German, rendered in a
# real X server for README.md.
screenshots: test-deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) --target render_screenshots
	mkdir -p docs/screenshots
	for language in C de_DE; do \
	    LANG=$$language.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= xvfb-run -a -s "-screen 0 1280x1024x24" \
	        $(BUILD_DIR)/bin/render_screenshots samples/mireille.npf docs/screenshots || exit 1; \
	done

# The catalogs in translations/ brought up to the code's texts: a new text comes
# in marked unfinished, a text gone from the code leaves.
translations: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(RUN_FLAGS) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) --target update_translations

clean:
	rm -rf $(BUILD_DIR) $(WINDOWS_BUILD_DIR)
