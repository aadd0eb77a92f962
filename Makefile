# Thin front for CMake. `make run` and `make test` work on a fresh machine:
# both install what is missing, configure and build first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-setup bench clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/orrery-cli positions --now

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The setup launcher under Wine (also part of `make test` when Wine is installed).
test-setup: build
	ctest --test-dir $(BUILD) -R '^setup_e2e$$' --no-tests=error --output-on-failure

bench: build
	$(BUILD)/bin/orrery-bench

clean:
	rm -rf $(BUILD)
