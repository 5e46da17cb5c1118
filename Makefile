# Set-up and everyday commands. `make run` and `make test` work on a fresh Debian machine.
.PHONY: all deps configure build run test package sanitize bench fuzz clean

# Warnings are errors in CI (CI=true), plain warnings on a developer's machine.
WERROR := $(if $(CI),ON,OFF)
FUZZ_SECONDS ?= 60

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset default -DORDINAX_WERROR=$(WERROR) > /dev/null

build: configure
	@cmake --build --preset default

run: build
	build/default/bin/ordinax examples/demo.orx

test: build
	ctest --preset default

package: build
	@cd build/default && cpack -G DEB
	@ls build/default/ordinax_*.deb

sanitize: deps
	@cmake --preset sanitize -DORDINAX_WERROR=$(WERROR) > /dev/null
	@cmake --build --preset sanitize
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize

bench: deps
	@cmake --preset bench > /dev/null
	@cmake --build --preset bench
	@for b in build/bench/bin/bench_*; do echo "== $$b"; $$b --benchmark_counters_tabular=true || exit 1; done

fuzz: deps
	@cmake --preset fuzz > /dev/null
	@cmake --build --preset fuzz
	@for f in build/fuzz/bin/fuzz_*; do \
	  name=$$(basename $$f); mkdir -p build/fuzz/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -max_len=65536 build/fuzz/corpus/$$name fuzz/seeds/$$name || exit 1; \
	done

clean:
	rm -rf build
