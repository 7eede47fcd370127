# Entry points for players and developers; every target first installs what is missing for it
# (scripts/install-deps: `run` for the game, plus the tools of the target itself).
BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_BENCH ?= build-bench
BUILD_PKG  ?= build-package
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
ifneq ($(CI),)
CMAKE_FLAGS += -DTARNKISTE_WERROR=ON
endif


.PHONY: run test test-sanitize bench build deps clean package

# Builds only the game, so that the first start does not wait for the tests.
# A new $(BUILD) is configured without the tests, which need GoogleTest; `make test`
# turns them on in the same folder and reuses the game's objects.
run:
	./scripts/install-deps run
	cmake -S . -B $(BUILD) $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DTARNKISTE_TESTS=OFF) $(CMAKE_FLAGS)
	cmake --build $(BUILD) --target tarnkiste -j $(JOBS)
	./$(BUILD)/app/tarnkiste

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize:
	./scripts/install-deps run test
	cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DTARNKISTE_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench:
	./scripts/install-deps run bench
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DTARNKISTE_BENCH=ON -DTARNKISTE_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	cmake --build $(BUILD_BENCH) --target bench

# Release build without tests, then CPack: $(BUILD_PKG)/tarnkiste_<version>_<arch>.deb.
# The compiler and linker get Debian's hardening flags from dpkg-buildflags, all
# of them (bindnow too); its -g and -O2 are left out, Release sets the optimisation.
package: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package: export DEB_CXXFLAGS_MAINT_STRIP = -g -O2
package:
	./scripts/install-deps run package
	cmake -S . -B $(BUILD_PKG) -DCMAKE_BUILD_TYPE=Release -DTARNKISTE_TESTS=OFF \
	    -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(CMAKE_FLAGS)
	cmake --build $(BUILD_PKG) -j $(JOBS)
	cd $(BUILD_PKG) && cpack -G DEB

build:
	./scripts/install-deps run test
	cmake -S . -B $(BUILD) -DTARNKISTE_TESTS=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# Everything any target needs, at once.
deps:
	./scripts/install-deps all

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_BENCH) $(BUILD_PKG)

# The field-file fuzzer (clang, libFuzzer) for FUZZ_SECONDS, default 60.
.PHONY: fuzz
fuzz:
	./scripts/fuzz
