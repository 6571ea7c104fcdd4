# Set-up, build and test on a fresh Debian 12 machine.
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run the suite normally and under ASan+UBSan
#   make fuzz   build the libFuzzer targets (clang)

PACKAGES := cmake ninja-build g++ qtbase5-dev qttools5-dev qttools5-dev-tools qhelpgenerator-qt5 \
            qttranslations5-l10n libftdi1-dev xvfb xauth clang libclang-rt-14-dev pkg-config poppler-utils python3
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz

.PHONY: deps build build-all run test test-normal test-asan fuzz bench clean

deps:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The program with its translations and help only; the tests are built by `make test`.
build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target wyx770 translations help_collections

build-all: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: starting under xvfb-run"; xvfb-run -a $(BUILD)/wyx770 $(ARGS); \
	else $(BUILD)/wyx770 $(ARGS); fi

test-normal: build-all
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWYX_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

test: test-normal test-asan

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWYX_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
