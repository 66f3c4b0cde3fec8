# Kalvor's entry points. Everything builds into build/ with CMake and Ninja.
#   make run     install what is missing, build, start Kalvor
#   make test    install what is missing, build, run every test
#   make bench   build and run the benchmarks (BENCH_ARGS=--write-results
#                writes bench/results.md)
#   make demo    start Kalvor on a demo company (build/demo, made when missing)
#   make clean   remove build/ (stopping a test server started from it)

SHELL := /bin/bash
BUILD := build
JOBS  := 2

.PHONY: all bootstrap configure build run test bench demo clean

all: build

bootstrap:
	@bash scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/kalvor

# The multi-client tests need a Firebird server on loopback: scripts/fbserver
# reuses one that runs or starts its own, and afterwards stops only what it
# started. ctest's exit code is the target's.
test: build
	@set -u; \
	if ! bash scripts/fbserver start; then \
	  echo "warning: no Firebird server for the multi-client tests" >&2; \
	fi; \
	trap 'bash scripts/fbserver stop' EXIT; \
	if [[ -f $(BUILD)/fbserver/env ]]; then set -a; . $(BUILD)/fbserver/env; set +a; fi; \
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The benchmarks run on generated M and L companies, made once into
# $(BUILD)/bench (minutes) and kept; they run with a low priority.
bench: build
	@set -e; ./$(BUILD)/bench_connect; nice ./$(BUILD)/kalvor_bench $(BENCH_ARGS)

# A small company of its own, with settings of its own (KALVOR_CONFIG_DIR),
# so that a user's own settings and database stay untouched.
DEMO := $(abspath $(BUILD))/demo
demo: build
	@set -e; mkdir -p $(DEMO)/config; \
	if [[ ! -f $(DEMO)/kalvbaza.fdb ]]; then ./$(BUILD)/kalvor --create-db $(DEMO)/kalvbaza.fdb --demo; fi; \
	if [[ ! -f $(DEMO)/config/kalvor.ini ]]; then \
	  KALVOR_CONFIG_DIR=$(DEMO)/config ./$(BUILD)/kalvor_generate --write-settings $(DEMO)/kalvbaza.fdb; fi; \
	KALVOR_CONFIG_DIR=$(DEMO)/config ./$(BUILD)/kalvor

clean:
	@if [[ -f scripts/fbserver ]]; then bash scripts/fbserver stop >/dev/null; fi
	rm -rf $(BUILD)
