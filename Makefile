# Tumblewell: `make run` builds and plays, `make test` builds and runs every test.
# Both install the Debian packages they need first (as root), or name them.

BUILD      ?= build
JOBS       ?= $(shell nproc)
BUILD_DEPS := cmake g++ make pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev \
              libsdl1.2-dev libgtest-dev python3 x11-utils
TEST_DEPS  := xvfb xdotool imagemagick faketime libgl1-mesa-dri

.PHONY: all build run test deps test-deps clean

all: build

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

test: test-deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j 2

clean:
	rm -rf $(BUILD)
