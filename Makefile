# Kalvor's entry points. Everything builds into build/ with CMake and Ninja.
#   make run     install what is missing, build, start Kalvor
#   make test    install what is missing, build, run every test
#   make bench   build and run the benchmarks
#   make clean   remove build/ (stopping a test server started from it)

SHELL := /bin/bash
BUILD := build
JOBS  := 2

.PHONY: all bootstrap configure build run test bench clean

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

bench: build
	@set -e; found=0; \
	for src in bench/*.cpp; do \
	  [[ -e $$src ]] || continue; \
	  exe=$(BUILD)/$$(basename $$src .cpp); \
	  if [[ -x $$exe ]]; then found=1; echo "== $$exe"; $$exe; fi; \
	done; \
	if [[ $$found == 0 ]]; then echo "no benchmarks built"; fi

clean:
	@if [[ -f scripts/fbserver ]]; then bash scripts/fbserver stop >/dev/null; fi
	rm -rf $(BUILD)
