# The two commands a newcomer needs: `make demo` and `make test`; and
# `make install` / `make uninstall` (PREFIX, DESTDIR), `make dist` (the Windows bundle).
JOBS ?= $(shell nproc)
BUILD ?= build
NATIVE := $(BUILD)/native
WIN32 := $(BUILD)/win32
ASAN := $(BUILD)/asan
FUZZ := $(BUILD)/fuzz
FUZZ_TARGETS := compile search expand slow
FUZZ_SECONDS ?= 60
FUZZ_FLAGS ?=
CTEST := ctest --output-on-failure -j $(JOBS)
PREFIX ?= /usr/local
DIST := $(abspath $(BUILD))/dist

MAKEFLAGS += --no-print-directory

.PHONY: all demo test deps test-deps bench-deps dist-deps fuzz-deps native native-tests win32 win32-config asan wineprefix \
        bench fuzz fuzz-build fuzz-run typecheck goldens install uninstall dist clean

all: native

# The program needs a compiler, CMake, make and ncurses; the tests and benchmarks much more,
# the Windows bundle only mingw-w64. Each job asks for its own (and names what is missing).
deps:
	@scripts/install-deps
test-deps:
	@scripts/install-deps --tests
bench-deps:
	@scripts/install-deps --bench
dist-deps:
	@scripts/install-deps --dist
fuzz-deps:
	@scripts/install-deps --fuzz

# The native tree builds its tests and benchmarks only once make test or make bench asked for them.
$(NATIVE)/CMakeCache.txt: | deps
	@echo "== configuring $(NATIVE)"
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Configured at every build: the bundle's folder and the native program the Windows one is
# compared with are the Makefile's to say.
WIN32_CONFIG := cmake -S . -B $(WIN32) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DSTRINGSLIST_DIST_DIR=$(DIST)
win32-config: test-deps
	@$(WIN32_CONFIG) -DSTRINGSLIST_TESTS=ON -DSTRINGSLIST_NATIVE_PROGRAM=$(abspath $(NATIVE))/bin/stringslist >/dev/null
$(ASAN)/CMakeCache.txt: | test-deps
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DSTRINGSLIST_SANITIZE=ON -DSTRINGSLIST_TESTS=ON >/dev/null
$(FUZZ)/CMakeCache.txt: | fuzz-deps
	@cmake -S fuzz -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null

native: $(NATIVE)/CMakeCache.txt
	@cmake --build $(NATIVE) -j $(JOBS)
native-tests: test-deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTRINGSLIST_TESTS=ON >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)
win32: win32-config
	@cmake --build $(WIN32) -j $(JOBS)
asan: $(ASAN)/CMakeCache.txt
	@cmake --build $(ASAN) -j $(JOBS)

# Wine creates its prefix once, inside the build tree, before tests run side by side in it.
wineprefix: win32
	@scripts/wine-prefix $(WIN32)

test: native-tests win32 asan wineprefix fuzz-build
	@status=0; \
	for tree in $(NATIVE) $(WIN32) $(ASAN); do \
	    echo "== tests of $$tree"; \
	    (cd $$tree && $(CTEST)) || status=1; \
	done; \
	$(MAKE) --no-print-directory fuzz-run FUZZ_SECONDS=3 FUZZ_FLAGS=-seed=1 || status=1; \
	exit $$status

# The engine's fuzz targets (clang, libFuzzer, ASan, UBSan): a minute each, or
# a few seconds each, from a fixed seed, as part of `make test`. New inputs collect in $(FUZZ)/corpus.
fuzz-build: $(FUZZ)/CMakeCache.txt
	@cmake --build $(FUZZ) -j $(JOBS)
fuzz-run:
	@for t in $(FUZZ_TARGETS); do \
	    echo "== fuzzing $$t for $(FUZZ_SECONDS) s"; \
	    mkdir -p $(FUZZ)/corpus/$$t; \
	    $(FUZZ)/fuzz_$$t $(FUZZ_FLAGS) -max_total_time=$(FUZZ_SECONDS) -timeout=20 -print_final_stats=0 \
	        -artifact_prefix=$(FUZZ)/ $(FUZZ)/corpus/$$t fuzz/seeds/$$t 2>$(FUZZ)/$$t.log \
	        || { tail -40 $(FUZZ)/$$t.log; exit 1; }; \
	    grep -h '^Done' $(FUZZ)/$$t.log; \
	done
fuzz: fuzz-build
	@$(MAKE) --no-print-directory fuzz-run

# Benchmarks of the engine against PCRE2 and std::regex on the /usr/include corpus,
# after SLOW_FUZZ_SECONDS of looking for slow searches (a second per input fails).
# BENCH_ARGS passes Google Benchmark's options, e.g. --benchmark_filter=corpus.
SLOW_FUZZ_SECONDS ?= 60
bench: bench-deps fuzz-build
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTRINGSLIST_BENCH=ON >/dev/null
	@cmake --build $(NATIVE) --target pattern_bench -j $(JOBS)
	@bench/make-corpus $(NATIVE)/bench/corpus.txt
	@echo "== looking for slow searches for $(SLOW_FUZZ_SECONDS) s"
	@mkdir -p $(FUZZ)/corpus/slow
	@SLOWEST_INPUT=$(FUZZ)/slowest-input $(FUZZ)/fuzz_slow -max_total_time=$(SLOW_FUZZ_SECONDS) -timeout=1 \
	    -print_final_stats=0 -artifact_prefix=$(FUZZ)/ $(FUZZ)/corpus/slow fuzz/seeds/slow 2>$(FUZZ)/slow-bench.log \
	    || { tail -40 $(FUZZ)/slow-bench.log; exit 1; }
	@$(NATIVE)/bin/pattern_bench --corpus=$(NATIVE)/bench/corpus.txt --slowest=$(FUZZ)/slowest-input $(BENCH_ARGS)
	@cmake --build $(NATIVE) --target strings_list_bench -j $(JOBS)
	@$(NATIVE)/bin/strings_list_bench --corpus=$(NATIVE)/bench/corpus.txt $(BENCH_ARGS)

# Builds only the program and the plug-in it runs, whatever else the tree has been asked for.
demo: $(NATIVE)/CMakeCache.txt
	@scripts/demo $(NATIVE) $(JOBS)

# The shipped file types measured on real files of this machine (TYPES=C picks some), and the
# golden outputs of their samples rewritten after a change (check each by eye before committing).
typecheck: native
	@scripts/typecheck $(TYPES)
goldens: native
	@tests/filetypes/golden_test.sh $(NATIVE)/bin/stringslist --regenerate

# The program, the plug-in, the shipped types and the manual page under
# $(DESTDIR)$(PREFIX); the program finds the rest from where it is. uninstall removes them again.
install: $(NATIVE)/CMakeCache.txt
	@cmake --build $(NATIVE) --target stringslist_program -j $(JOBS)
	@scripts/install $(NATIVE) "$(DESTDIR)" "$(PREFIX)"
uninstall:
	@scripts/install --uninstall "$(DESTDIR)" "$(PREFIX)"

# The Windows bundle: $(DIST)/stringslist-VERSION-win32.zip; needs only mingw-w64.
dist: dist-deps
	@$(WIN32_CONFIG) >/dev/null
	@cmake --build $(WIN32) --target dist -j $(JOBS)
	@ls $(DIST)/*.zip

clean:
	rm -rf build
