# Thin front for CMake. `make run` and `make test` work on a fresh machine:
# both install what is missing, configure and build first.
BUILD ?= build
JOBS ?= $(shell nproc)

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

PREFIX ?= /usr/local

# The web build (make web): emscripten's tools need Debian's node modules.
WEB_BUILD ?= build-web
WEB_ENV = NODE_PATH=/usr/share/nodejs
WEB_PORT ?= 8240
# Tools of the native build the web build runs (generated tables, icons).
WEB_HOST_TOOLS = orrery-glyph-gen orrery-pair-clearance-gen orrery-web-icons

.PHONY: all deps build run test test-setup bench fuzz install package clean web web-tools serve-web web-test-deps

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORRERY_WEB_SITE=$(abspath $(WEB_BUILD))/site

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

# Every native suite (the web build's browser tests among them), then the
# core suites built with emscripten and run under node.
test: build web web-test-deps
	$(WEB_ENV) cmake --build $(WEB_BUILD)/program -j $(JOBS) --target node_tests
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(WEB_BUILD)/program --output-on-failure -j $(JOBS)

# The setup launcher under Wine (also part of `make test` when Wine is installed).
test-setup: build
	ctest --test-dir $(BUILD) -R '^setup_e2e$$' --no-tests=error --output-on-failure

bench: build web web-test-deps
	$(BUILD)/bin/orrery-bench
	node web/tests/bench.mjs $(abspath $(WEB_BUILD))/site $(abspath $(BUILD))/bin $(abspath $(WEB_BUILD))/program/bin

# The handheld program as a static web site in $(WEB_BUILD)/site: zlib and
# FreeType built once from Debian's sources (scripts/web-libs.sh), the
# program with emscripten, the page, service worker, manifest and icons.
web-tools: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target $(WEB_HOST_TOOLS)

web: web-tools
	@JOBS=$(JOBS) scripts/web-libs.sh $(WEB_BUILD)/libs
	@test -f $(WEB_BUILD)/program/CMakeCache.txt || $(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD)/program \
	  -DCMAKE_BUILD_TYPE=Release -DORRERY_WEB_LIBS=$(abspath $(WEB_BUILD))/libs/prefix \
	  -DORRERY_HOST_TOOLS=$(abspath $(BUILD))/bin -DORRERY_SITE_DIR=$(abspath $(WEB_BUILD))/site
	$(WEB_ENV) cmake --build $(WEB_BUILD)/program -j $(JOBS)

# Serves the site on 127.0.0.1 (localhost counts as secure, so the service
# worker and the installation work there as on HTTPS).
serve-web: web
	@echo "Orrery on the web: http://127.0.0.1:$(WEB_PORT)/"
	python3 -m http.server --bind 127.0.0.1 $(WEB_PORT) --directory $(WEB_BUILD)/site

# puppeteer-core for the browser tests (no browser download: they drive
# Debian's chromium-headless-shell).
web-test-deps: web/tests/node_modules/.package-lock.json
web/tests/node_modules/.package-lock.json: web/tests/package-lock.json
	cd web/tests && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error

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
	rm -rf $(BUILD) $(WEB_BUILD)
