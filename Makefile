# Entry points for a newcomer and for CI. Every target that builds first installs what is missing.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 30
# Compiler cache hits across clones in other folders (CI builds a fresh clone every time).
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true
FUZZ_TARGETS = $(notdir $(basename $(wildcard fuzz/fuzz_*.cpp)))

.PHONY: deps run test package asan fuzz bench build clean

deps:
	@bash scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

run: build
	@bash scripts/demo build/release

test: build
	ctest --preset release -j $(JOBS)

package: build
	cpack --preset release
	@echo "package: $$(ls $(CURDIR)/build/release/ftbmodule_*.deb)"

asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	@set -e; for t in $(FUZZ_TARGETS); do \
	  echo "fuzz: $$t for $(FUZZ_SECONDS) s"; \
	  mkdir -p build/fuzz/corpus/$$t; \
	  seeds=""; [ -d fuzz/seeds/$$t ] && seeds=fuzz/seeds/$$t; \
	  build/fuzz/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    build/fuzz/corpus/$$t $$seeds > build/fuzz/$$t.log 2>&1 \
	    || { tail -n 60 build/fuzz/$$t.log; exit 1; }; \
	  grep -E '^(stat::number_of_executed_units|Done )' build/fuzz/$$t.log || tail -n 3 build/fuzz/$$t.log; \
	done

bench: build
	@set -e; for b in build/release/bench/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf build
