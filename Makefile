# Thin front for CMake. `make run` and `make test` work on a fresh machine:
# both install what is missing, configure and build first.
BUILD ?= build
JOBS ?= $(shell nproc)

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

PREFIX ?= /usr/local

.PHONY: all deps build run test test-setup bench fuzz install package clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The handheld program in an SDL2 window; without a display (or when SDL2
# finds none: exit code 3) the five views of the start chart go to out/.
run: build
	@status=3; \
	if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/bin/orrery; status=$$?; fi; \
	if [ $$status -eq 3 ]; then \
	  echo "make run: no display available; rendering the five views of the start chart to out/"; \
	  mkdir -p out && $(BUILD)/bin/orrery --headless --script shell/start-views.script --shots out && \
	  ls out/*.png; \
	else exit $$status; fi

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The setup launcher under Wine (also part of `make test` when Wine is installed).
test-setup: build
	ctest --test-dir $(BUILD) -R '^setup_e2e$$' --no-tests=error --output-on-failure

bench: build
	$(BUILD)/bin/orrery-bench

# Every libFuzzer target of fuzz/ for FUZZ_SECONDS seconds each, built with
# clang in $(FUZZ_BUILD); seeds come from fuzz/corpus/<target>/ when present,
# new inputs collect in $(FUZZ_BUILD)/corpus/<target>/, and fuzz/<target>.options
# may hold further libFuzzer flags for one target.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORRERY_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	@for target in $(FUZZ_BUILD)/fuzz/*_fuzz; do \
	  name=$$(basename $$target); \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  seeds=$$(test -d fuzz/corpus/$$name && echo fuzz/corpus/$$name); \
	  options=$$(cat fuzz/$$name.options 2>/dev/null); \
	  echo "fuzz: $$name for $(FUZZ_SECONDS) s"; \
	  $$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $$options \
	    $(FUZZ_BUILD)/corpus/$$name $$seeds || exit 1; \
	done

# The programs, manual pages, desktop entry, icon, metainfo and completion
# under PREFIX; `make package` builds $(BUILD)/orrery_VERSION_amd64.deb.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
