# The two jobs of the README, over the CMake presets.
#   make demo   build everything and show the sample characters
#   make test   build and run every test: native, 64-bit and 32-bit Windows
JOBS ?= 2
# A test that fails runs once more (Wine and Xvfb on a loaded machine now and then drop an
# input or a window message); the first failure stays in the log all the same.
WINDOWS_CTEST = --repeat until-pass:2
.PHONY: demo package package32 sample-gifs windows32 test-windows32 test deps native windows native-release test-native test-windows bench clean fuzz test-fuzz test-tsan

deps:
	@tools/install-deps.sh

native: deps
	cmake --preset native
	cmake --build --preset native -j $(JOBS)

windows: deps
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

native-release: deps
	cmake --preset native-release
	cmake --build --preset native-release -j $(JOBS)

demo: windows
	@tools/demo.sh

# docs/images/samples/*.gif: every sample animation as ruxtool render plays it (docs/samples.md).
sample-gifs: deps
	cmake --preset native
	cmake --build --preset native -j $(JOBS) --target ruxtool samples
	tools/render-samples.sh build/native docs/images/samples

# The Windows ZIP and MSI: build/windows/package/VimroGE-<version>-win64.zip and .msi.
package: windows
	cd build/windows && cpack -G ZIP
	packaging/msi/build-msi.sh build/windows win64 build/windows/package

# The 32-bit build and its tests under 32-bit Wine (installed by install-deps.sh --wine32),
# one at a time in a win32 prefix of their own. Where this machine cannot run 32-bit programs
# (tools/can-run-32bit.sh), the whole preset is still built, without running any 32-bit program,
# and its tests are not run.
windows32:
	@tools/install-deps.sh --wine32
	cmake --preset windows32 -DVIMRO_RUN_TARGET_PROGRAMS=$$(tools/can-run-32bit.sh >/dev/null && echo ON || echo OFF)
	cmake --build --preset windows32 -j $(JOBS)

# The 32-bit Windows ZIP and MSI: build/windows32/package/VimroGE-<version>-win32.zip and .msi.
package32: windows32
	cd build/windows32 && cpack -G ZIP
	packaging/msi/build-msi.sh build/windows32 win32 build/windows32/package

# The 32-bit tree's sample characters must be the bytes of the 64-bit tree's, however made.
# The two MSIs side by side are a test of the 64-bit tree, skipped there until the 32-bit tree
# is built: it runs here, in a 64-bit prefix, whether or not 32-bit programs run.
test-windows32: windows32
	@tools/same-samples.sh build/windows/samples build/windows32/samples
	@if [ -f build/windows/CTestTestfile.cmake ]; then \
	  ctest --preset windows -R package_msi_side_by_side $(WINDOWS_CTEST); status=$$?; cmake/wine-stop.sh build/windows/wine; exit $$status; \
	fi
	@if reason=$$(tools/can-run-32bit.sh); then \
	  ctest --preset windows32 $(WINDOWS_CTEST); status=$$?; cmake/wine-stop.sh build/windows32/wine; exit $$status; \
	else \
	  echo "The 32-bit Windows tests were NOT run: $${reason#no: } (the 32-bit build itself is complete)."; \
	fi

test-native: native
	ctest --preset native -j $(JOBS)

# One at a time: the Windows tests share one display and one registry in the Wine prefix.
test-windows: windows
	ctest --preset windows $(WINDOWS_CTEST); status=$$?; cmake/wine-stop.sh build/windows/wine; exit $$status

# The runtime tests, the shared-state ones among them, under ThreadSanitizer.
test-tsan: deps
	cmake --preset native-tsan
	cmake --build --preset native-tsan -j $(JOBS)
	ctest --preset native-tsan -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS over its seeds (docs/reliability.md has the longer runs).
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

test-fuzz: fuzz
	fuzz/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)

test: test-native test-tsan test-windows test-fuzz test-windows32

bench: native-release
	build/native-release/bin/vimro_bench --benchmark_min_time=0.5

clean:
	-cmake/wine-stop.sh build/windows/wine
	-cmake/wine-stop.sh build/windows32/wine
	rm -rf build out
