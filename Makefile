# The two commands a newcomer needs: `make demo` and `make test`.
JOBS ?= $(shell nproc)
BUILD ?= build
NATIVE := $(BUILD)/native
WIN32 := $(BUILD)/win32
ASAN := $(BUILD)/asan
CTEST := ctest --output-on-failure -j $(JOBS)

.PHONY: all demo test deps native win32 asan wineprefix bench fuzz clean

all: native

deps:
	@scripts/install-deps

$(NATIVE)/CMakeCache.txt: | deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
$(WIN32)/CMakeCache.txt: | deps
	@cmake -S . -B $(WIN32) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
$(ASAN)/CMakeCache.txt: | deps
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DSTRINGSLIST_SANITIZE=ON >/dev/null

native: $(NATIVE)/CMakeCache.txt
	@cmake --build $(NATIVE) -j $(JOBS)
win32: $(WIN32)/CMakeCache.txt
	@cmake --build $(WIN32) -j $(JOBS)
asan: $(ASAN)/CMakeCache.txt
	@cmake --build $(ASAN) -j $(JOBS)

# Wine creates its prefix once, inside the build tree, before tests run side by side in it.
wineprefix: win32
	@scripts/wine-prefix $(WIN32)

test: native win32 asan wineprefix
	@status=0; \
	for tree in $(NATIVE) $(WIN32) $(ASAN); do \
	    echo "== tests of $$tree"; \
	    (cd $$tree && $(CTEST)) || status=1; \
	done; exit $$status

demo: native
	@scripts/demo $(NATIVE)

clean:
	rm -rf build
