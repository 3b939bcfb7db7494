# Dabwick: `make run` builds and starts the program; `make test` builds and runs every test.
# Both install the Debian packages they need first (scripts/install-deps, a no-op when present).

BUILD_DIR    ?= build
FUZZ_DIR     ?= build-fuzz
BUILD_TYPE   ?= RelWithDebInfo
FUZZ_SECONDS ?= 20
JOBS         ?= $(shell nproc)
# Warnings are errors on the build machine, plain warnings at a developer's desk.
WERROR       ?= $(if $(CI),ON,OFF)

.PHONY: all deps configure build run package test unit-test fuzz bench bench-startup contact-sheet clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DDABWICK_WERROR=$(WERROR) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/dabwick

# The Debian package, in the build folder.
package: build
	@cd $(BUILD_DIR) && cpack

unit-test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The fuzzers run first so that the test summary closes the output.
test: fuzz unit-test

# Each reader of untrusted files is fuzzed for a bounded time; finds go to a scratch folder,
# the committed corpus in tests/fuzz/corpus/ only seeds the run.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DDABWICK_FUZZ=ON -DDABWICK_WERROR=$(WERROR) > /dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	@for target in $(FUZZ_DIR)/tests/fuzz/fuzz_*; do \
		name=$$(basename $$target); corpus=tests/fuzz/corpus/$${name#fuzz_}; scratch=$$(mktemp -d); \
		mkdir -p $$corpus; \
		echo "fuzzing $$name for $(FUZZ_SECONDS) s"; \
		if ! $$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/ \
				$$scratch $$corpus > $$scratch.log 2>&1; then \
			tail -n 40 $$scratch.log; rm -rf $$scratch $$scratch.log; echo "$$name found a fault"; exit 1; \
		fi; \
		grep -E 'stat::number_of_executed_units|Done' $$scratch.log; \
		rm -rf $$scratch $$scratch.log; \
	done

bench: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target dabwick_bench
	$(BUILD_DIR)/tests/dabwick_bench

# Time from start to a name box that takes typing, and memory, beside a bare Qt window.
bench-startup: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target dabwick startup_probe startup_floor
	scripts/bench-startup $(BUILD_DIR)

# Every built cursor and glyph on one picture, to look at all of it at once.
contact-sheet: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target dabwick_resources
	scripts/contact-sheet $(BUILD_DIR) $(BUILD_DIR)/contact-sheet.png
	@echo "wrote $(BUILD_DIR)/contact-sheet.png"

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
