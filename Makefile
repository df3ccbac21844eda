# Tumblewell: `make run` builds and plays, `make test` builds and runs every test.
# Both install the Debian packages they need first (as root), or name them.

SHELL      := /bin/bash
BUILD      ?= build
JOBS       ?= $(shell nproc)
BUILD_DEPS := cmake g++ make pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev \
              libsdl1.2-dev libx11-dev libgtest-dev python3 x11-utils
PACKAGE_DEPS := dpkg-dev
TEST_DEPS  := xvfb xdotool imagemagick faketime openbox libgl1-mesa-dri clang libclang-rt-14-dev \
              clang-tidy cppcheck desktop-file-utils appstream man-db lintian gdb $(PACKAGE_DEPS)
PREFIX     ?= /usr/local

.PHONY: all build run install package test test-asan test-tsan lint soak screenshot deps test-deps clean fuzz fuzz-build bench font web web-run test-web

# libFuzzer targets: name -> the sources they need besides tests/fuzz/fuzz_<name>.cpp.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS      := ppm scores
FUZZ_SRC_scores := src/scores/score_file.cpp
FUZZ_SRC_ppm := src/assets/ppm.cpp
FUZZ_FLAGS   := -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Isrc

all: build

# The game in a web page: emscripten's build into build-web/ (index.html, its
# .js and .wasm, the data beside them), and the browser the tests drive.
WEB_BUILD    ?= build-web
WEB_DEPS     := emscripten
BROWSER_DEPS := chromium chromium-driver python3-selenium
EMSCRIPTEN_ENV := NODE_PATH=/usr/share/nodejs

deps:
	@tools/ensure-packages.sh $(BUILD_DEPS)

test-deps:
	@tools/ensure-packages.sh $(BUILD_DEPS) $(TEST_DEPS)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_WERROR=ON

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/check-display.sh
	./$(BUILD)/tumblewell

# make install PREFIX=/usr DESTDIR=/tmp/stage: the game, its data and its
# desktop files (the program lands in PREFIX/games).
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# build/tumblewell_<version>_<arch>.deb, installing under /usr.
package: build
	@tools/ensure-packages.sh $(PACKAGE_DEPS)
	cd $(BUILD) && cpack

# Every test: the normal build, then the same tests built with AddressSanitizer
# and UndefinedBehaviorSanitizer, the mixer under ThreadSanitizer, each fuzzer
# briefly, and the static checks.
test: test-deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j 2
	$(MAKE) --no-print-directory test-asan test-tsan lint
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=30
	$(MAKE) --no-print-directory soak SOAK_SECONDS=60
	$(MAKE) --no-print-directory test-web

# The page in headless Chromium (Debian's), from a server on this machine.
test-web: web
	@tools/ensure-packages.sh $(BROWSER_DEPS)
	/usr/bin/python3 tests/web/test_web.py $(CURDIR)/$(WEB_BUILD)

web:
	@tools/ensure-packages.sh $(WEB_DEPS)
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

# Serves the page on this machine; any static web server serves it as well.
web-run: web
	@echo "Tumblewell in a browser: http://localhost:8000/"
	cd $(WEB_BUILD) && python3 -m http.server 8000 --bind 127.0.0.1

# The real game under random play for SOAK_SECONDS (clock twenty times faster),
# then storms of every kind of event on the real clock (STORM_SECONDS mixed).
SOAK_SECONDS ?= 600
soak: test-deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target tumblewell
	LIBGL_ALWAYS_SOFTWARE=1 TW_BINARY=$(CURDIR)/$(BUILD)/tumblewell TW_SOURCE_DIR=$(CURDIR) \
	    python3 tests/soak/soak.py $(CURDIR)/$(BUILD)/tumblewell $(SOAK_SECONDS)

SAN_ENV := ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0 \
           UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
           LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0

test-asan: test-deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DTW_WERROR=ON -DTW_SANITIZE=address,undefined
	cmake --build $(BUILD)-asan -j $(JOBS)
	$(SAN_ENV) ctest --test-dir $(BUILD)-asan --output-on-failure -j 2

test-tsan: test-deps
	cmake -S . -B $(BUILD)-tsan -DCMAKE_BUILD_TYPE=Debug -DTW_WERROR=ON -DTW_SANITIZE=thread \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)-tsan -j $(JOBS) --target sound_tests
	cd $(BUILD)-tsan/tests && TSAN_OPTIONS=halt_on_error=1 TW_SOURCE_DIR=$(CURDIR) ./sound_tests

# The layers of src/ (which folder may include which), then clang-tidy and
# cppcheck over the game's sources, from the normal build's compile commands.
lint: test-deps $(BUILD)/CMakeCache.txt
	python3 tools/check_layers.py src
	run-clang-tidy -quiet -p $(BUILD) '$(CURDIR)/src/.*' > $(BUILD)/clang-tidy.log 2>&1 \
	    || { grep -E 'warning:|error:' -A3 $(BUILD)/clang-tidy.log; exit 1; }
	cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability \
	    --inline-suppr --std=c++17 --language=c++ -I src src

# src/render/font_8x13.cpp, the font's table, drawn by GLUT under Xvfb.
font: test-deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target make_font
	xvfb-run -a env LIBGL_ALWAYS_SOFTWARE=1 $(BUILD)/tests/make_font > src/render/font_8x13.cpp.new
	clang-format src/render/font_8x13.cpp.new > src/render/font_8x13.cpp && rm src/render/font_8x13.cpp.new

# docs/screenshot.png, taken from the real game under Xvfb.
screenshot: test-deps build
	LIBGL_ALWAYS_SOFTWARE=1 TW_BINARY=$(CURDIR)/$(BUILD)/tumblewell TW_SOURCE_DIR=$(CURDIR) \
	    python3 tools/screenshot.py

# Speed and memory, measured against sgt-samegame, and the web page's costs;
# not part of `make test`.
bench: test-deps $(BUILD)/CMakeCache.txt web
	@tools/ensure-packages.sh libbenchmark-dev libx11-dev sgt-puzzles $(BROWSER_DEPS)
	cmake --build $(BUILD) -j $(JOBS) --target tumblewell bench_frames mapwait
	python3 tools/bench/run_bench.py $(BUILD)
	/usr/bin/python3 tools/bench/web_bench.py $(WEB_BUILD)

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-tsan $(FUZZ_BUILD) $(WEB_BUILD)

fuzz-build: test-deps
	@mkdir -p $(FUZZ_BUILD)
	$(foreach f,$(FUZZERS),clang++ $(FUZZ_FLAGS) tests/fuzz/fuzz_$(f).cpp $(FUZZ_SRC_$(f)) -o $(FUZZ_BUILD)/fuzz_$(f) && ) true

# make fuzz FUZZ_SECONDS=600: each target for that long, from the committed seeds
# (copied, so the committed corpus stays small).
fuzz: fuzz-build
	@for f in $(FUZZERS); do \
	    rm -rf $(FUZZ_BUILD)/corpus-$$f && cp -r tests/fuzz/corpus/$$f $(FUZZ_BUILD)/corpus-$$f; \
	    dict=""; [ -f tests/fuzz/$$f.dict ] && dict="-dict=tests/fuzz/$$f.dict"; \
	    echo "== fuzzing $$f for $(FUZZ_SECONDS) s"; \
	    $(FUZZ_BUILD)/fuzz_$$f $$dict -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=$(FUZZ_BUILD)/crash-$$f- $(FUZZ_BUILD)/corpus-$$f 2>&1 \
	        | grep -E "^(stat::number_of_executed_units|Done|==[0-9]+==ERROR|SUMMARY)" ; \
	    test $${PIPESTATUS[0]} -eq 0 || exit 1; \
	done
