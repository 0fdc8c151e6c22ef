# Thin wrapper: the build logic lives in CMake, the installs in scripts/setup.sh.
.PHONY: run test bench fuzz paket build clean

build:
	./scripts/setup.sh
	cmake --preset release
	ln -sf build/compile_commands.json compile_commands.json
	cmake --build --preset release

# Without a display the program runs in a virtual one.
run: build
	if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./build/tesselo; else xvfb-run -a ./build/tesselo; fi

test:
	./scripts/setup.sh test
	cmake --preset release
	ln -sf build/compile_commands.json compile_commands.json
	cmake --build --preset release
	cd build && ctest --output-on-failure -j2
	# The same tests once more with AddressSanitizer and UndefinedBehaviorSanitizer.
	cmake --preset asan
	cmake --build --preset asan
	cd build-asan && ctest --output-on-failure -j2

bench:
	./scripts/setup.sh bench
	cmake --preset release
	cmake --build --preset release --target tesselo_bench tesselo
	./bench/run.sh

# The Debian package, built without the tests in build-paket/ and checked by
# lintian (warnings are shown, errors fail).
paket:
	./scripts/setup.sh paket
	cmake --preset paket
	cmake --build --preset paket
	cd build-paket && cpack
	lintian --fail-on error build-paket/tesselo_*.deb

fuzz:
	./scripts/setup.sh fuzz
	./fuzz/run.sh

clean:
	rm -rf build build-asan build-fuzz build-paket
