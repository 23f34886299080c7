# Set-up, build, run and test on Debian 12. Run as root on a fresh machine:
#   make run    installs what is missing, builds, opens the program
#   make test   installs what is missing, builds, runs every test

BUILD_DIR ?= build
# The program's version, as the project's CMakeLists.txt gives it.
# (Braces, as the parentheses in the pattern would end a parenthesised call.)
VERSION := ${shell sed -n 's/^project(QXAmorix VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt}
JOBS ?= $(shell nproc)

# The Debian packages each target needs, by purpose; tools/install_packages.sh
# installs the missing ones.
BUILD_PACKAGES := cmake make g++ python3 qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core
RUN_PACKAGES := $(BUILD_PACKAGES) xdg-utils
TEST_PACKAGES := $(BUILD_PACKAGES) xvfb xdotool x11-utils openbox dbus at-spi2-core python3-pyatspi valgrind qt6ct \
                 orca speech-dispatcher espeak-ng dbus-x11 \
                 dpkg-dev desktop-file-utils appstream lintian
BENCH_PACKAGES := $(BUILD_PACKAGES) xvfb valgrind
ICON_PACKAGES := $(BUILD_PACKAGES) imagemagick
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZERS := fuzz_settings fuzz_refer_a_friend fuzz_numerology
FUZZ_SECONDS ?= 30
INSTALL := bash tools/install_packages.sh
# Extra CMake options for every build, as CI passes -DAMORIX_WERROR=ON.
CMAKE_OPTIONS ?=

.PHONY: help format format-check tidy translations all deps configure build run test test-screen-reader test-sanitize fuzz bench \
        package screenshots icons clean \
        windows-deps windows-qt windows test-windows screenshots-windows

all: build

# The house style (.clang-format) applied to every C++ file, new ones not yet
# added included, or checked.
format:
	@$(INSTALL) clang-format git
	git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs clang-format -i
format-check:
	@$(INSTALL) clang-format git
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# clang-tidy's checks (.clang-tidy) over every source file the build
# compiles (the files the build generates aside); any finding fails.
tidy: build
	@$(INSTALL) clang-tidy
	python3 -c 'import json, sys; print("\n".join(sorted({e["file"] for e in json.load(open(sys.argv[1])) if "/$(BUILD_DIR)/" not in e["file"]})))' \
	  $(BUILD_DIR)/compile_commands.json | xargs -P $(JOBS) -n 6 clang-tidy -p $(BUILD_DIR) --quiet --warnings-as-errors='*'

# The translation sources in translations/, brought up to date with the
# program's texts by lupdate.
translations: configure
	cmake --build $(BUILD_DIR) --target amorix_program_lupdate

help:
	@echo "make run                 install what is missing, build, open the program"
	@echo "make test                install what is missing, build, run every test"
	@echo "make test-screen-reader  the screen reader Orca through a blind user's route"
	@echo "make test-sanitize       the tests built with AddressSanitizer and UBSan"
	@echo "make fuzz                each fuzzer for FUZZ_SECONDS ($(FUZZ_SECONDS)) seconds"
	@echo "make bench               start-up, a reading and the engine, measured"
	@echo "make package             the Debian package"
	@echo "make icons               draw the icon anew"
	@echo "make screenshots         the README's pictures, under Xvfb"
	@echo "make windows             the Windows program and installer"
	@echo "make test-windows        the Windows build's tests under Wine"
	@echo "make screenshots-windows the installer's pages under Wine"
	@echo "make translations        bring the translation sources up to date (lupdate)"
	@echo "make format              apply the house style (.clang-format)"
	@echo "make format-check        fail where the house style is not kept"
	@echo "make tidy                clang-tidy's checks over every source file"
	@echo "make clean               remove the build folders"

deps:
	@$(INSTALL) $(BUILD_PACKAGES)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_OPTIONS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(INSTALL) $(RUN_PACKAGES)
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: set DISPLAY (or WAYLAND_DISPLAY) to a running X or Wayland server, for example"; \
	  echo "  bash tests/xvfb/with_xvfb.sh make run"; \
	  exit 1; \
	fi
	$(BUILD_DIR)/amorix

# The test tools come first, so that configuring finds them.
test:
	@$(INSTALL) $(TEST_PACKAGES)
	$(MAKE) build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Only the screen reader's checks: Orca through a blind user's route (make
# test runs them too).
test-screen-reader:
	@$(INSTALL) $(TEST_PACKAGES)
	$(MAKE) build
	cd $(BUILD_DIR) && ctest --output-on-failure -L screen_reader

# What a person sees, as PNG files for the README: at the normal size, at a
# device pixel ratio of 2, under a dark desktop colour scheme, and in German
# and Spanish.
screenshots:
	@$(INSTALL) $(TEST_PACKAGES)
	$(MAKE) build
	bash tests/xvfb/with_xvfb.sh -s "-screen 0 1280x1024x24" bash tests/xvfb/screenshots.sh \
	  $(BUILD_DIR)/amorix $(BUILD_DIR)/tests/window_shot docs/screenshots
	QT_SCALE_FACTOR=2 bash tests/xvfb/with_xvfb.sh -s "-screen 0 2560x2048x24" bash tests/xvfb/screenshots.sh \
	  $(BUILD_DIR)/amorix $(BUILD_DIR)/tests/window_shot docs/screenshots/scale-2
	DESKTOP_THEME=dark bash tests/xvfb/with_xvfb.sh -s "-screen 0 1280x1024x24" bash tests/xvfb/screenshots.sh \
	  $(BUILD_DIR)/amorix $(BUILD_DIR)/tests/window_shot docs/screenshots/dark
	for language in de es fr it pt_BR; do \
	  LANGUAGE=$$language bash tests/xvfb/with_xvfb.sh -s "-screen 0 1280x1024x24" bash tests/xvfb/screenshots.sh \
	    $(BUILD_DIR)/amorix $(BUILD_DIR)/tests/window_shot docs/screenshots/$$language || exit 1; \
	done

# Draws the icon anew into look/icons (the program loads those files) and
# the Windows icon file beside the Windows build.
icons:
	@$(INSTALL) $(ICON_PACKAGES)
	$(MAKE) build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/packaging/make_icons look/icons
	convert $(foreach s,16 24 32 48 64 256,look/icons/amorix-$(s).png) packaging/windows/amorix.ico

# The Debian package, in $(BUILD_DIR).
package: build
	cd $(BUILD_DIR) && cpack

# Start-up against an empty Qt window and a text-showing one (the fair
# floor), in wall time, memory and instructions; one reading; the engine.
STARTUP_PROGRAMS := $(BUILD_DIR)/bench/startup_amorix $(BUILD_DIR)/bench/startup_text_window \
                    $(BUILD_DIR)/bench/startup_empty_window
bench:
	@$(INSTALL) $(BENCH_PACKAGES)
	$(MAKE) build
	bash tests/xvfb/with_xvfb.sh -s "-screen 0 1280x1024x24" $(BUILD_DIR)/bench/startup_bench 21 $(STARTUP_PROGRAMS)
	bash tests/xvfb/with_xvfb.sh -s "-screen 0 1280x1024x24" bash bench/instructions.sh $(STARTUP_PROGRAMS)
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/reading_bench
	$(BUILD_DIR)/bench/engine_bench

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@$(INSTALL) $(TEST_PACKAGES)
	cmake -S . -B $(BUILD_DIR)-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAMORIX_SANITIZE=ON $(CMAKE_OPTIONS)
	cmake --build $(BUILD_DIR)-sanitize -j $(JOBS)
	cd $(BUILD_DIR)-sanitize && ctest --output-on-failure -j $(JOBS)

# Each fuzzer for FUZZ_SECONDS, starting from the committed seeds; the
# corpus it grows stays out of the source tree.
fuzz: deps
	@$(INSTALL) $(FUZZ_PACKAGES)
	cmake -S . -B $(BUILD_DIR)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DAMORIX_FUZZ=ON $(CMAKE_OPTIONS)
	cmake --build $(BUILD_DIR)-fuzz -j $(JOBS)
	@for f in $(FUZZERS); do \
	  corpus=$(BUILD_DIR)-fuzz/corpus/$$f; mkdir -p $$corpus; cp tests/fuzz/corpus/$$f/* $$corpus/; \
	  echo "== $$f for $(FUZZ_SECONDS) s"; \
	  log=$(BUILD_DIR)-fuzz/$$f.log; \
	  if ! $(BUILD_DIR)-fuzz/tests/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	      -artifact_prefix=$(BUILD_DIR)-fuzz/ $$corpus > $$log 2>&1; then \
	    tail -n 40 $$log; echo "$$f failed"; exit 1; \
	  fi; \
	  tail -n 1 $$log; \
	done

# Windows: a static Qt cross-built once from Debian's own qt6-base source,
# cached outside the tree; its version and options are here alone, and a
# change of either builds a fresh cache.
WINDOWS_DIR ?= build-windows
WINDOWS_PACKAGES := $(BUILD_PACKAGES) g++-mingw-w64-x86-64-posix mingw-w64-tools nsis wine wine64 ninja-build \
                    dpkg-dev perl xvfb xauth xdotool x11-utils xclip fonts-dejavu-core imagemagick locales
QT_WINDOWS_VERSION := 6.4.2
QT_WINDOWS_OPTIONS := -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF \
  -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF \
  -DFEATURE_jpeg=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_doubleconversion=OFF
QT_WINDOWS_CACHE := /var/cache/amorix/qt-$(QT_WINDOWS_VERSION)-mingw-static-$(shell echo '$(QT_WINDOWS_OPTIONS)' | md5sum | cut -c1-8)
MINGW_TOOLCHAIN := $(CURDIR)/packaging/windows/mingw-w64-x86_64.cmake

windows-deps:
	@$(INSTALL) $(WINDOWS_PACKAGES)

windows-qt: windows-deps
	bash packaging/windows/build_qt.sh $(QT_WINDOWS_CACHE) $(QT_WINDOWS_VERSION) $(MINGW_TOOLCHAIN) $(QT_WINDOWS_OPTIONS)

# The program for Windows: $(WINDOWS_DIR)/amorix.exe (one file, no DLLs)
# and $(WINDOWS_DIR)/amorix-$(VERSION)-setup.exe, with the test programs.
windows: windows-qt
	cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$(MINGW_TOOLCHAIN) \
	  -DCMAKE_PREFIX_PATH=$(QT_WINDOWS_CACHE) -DQT_HOST_PATH=/usr $(CMAKE_OPTIONS)
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	@ls -l $(WINDOWS_DIR)/amorix.exe $(WINDOWS_DIR)/amorix-$(VERSION)-setup.exe

# The Windows test programs under Wine, then the real program under Wine in
# Xvfb: the walk-through, a second copy, the setting, the way out, a link,
# and the installer.
test-windows: windows
	cd $(WINDOWS_DIR) && ctest --output-on-failure -j $(JOBS)

# The installer's pages under Wine, for the README: in English, then in
# each language the installer speaks.
screenshots-windows: windows
	bash tests/xvfb/with_xvfb.sh -s "-screen 0 1280x1024x24" bash tests/windows/installer_pages.sh \
	  $(WINDOWS_DIR)/amorix-$(VERSION)-setup.exe docs/screenshots/windows
	for locale in de_DE es_ES fr_FR it_IT pt_BR; do \
	  bash tests/xvfb/with_xvfb.sh -s "-screen 0 1280x1024x24" bash tests/windows/installer_pages.sh \
	    $(WINDOWS_DIR)/amorix-$(VERSION)-setup.exe docs/screenshots/windows/$$locale $$locale.UTF-8 || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-sanitize $(BUILD_DIR)-fuzz $(WINDOWS_DIR)
