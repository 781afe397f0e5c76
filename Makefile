# The two everyday commands: `make run` starts the program, `make test` runs every test.
.PHONY: all deps host win32 win64 test run screenshot bench fuzz clean format dist

all: host win32

deps:
	@sh tools/deps.sh

host:
	cmake --preset host >/dev/null
	cmake --build --preset host -j2

win32:
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j2

# The same sources for 64 bits: tested beside the 32-bit program, and what `make run` runs where
# the kernel runs no 32-bit code.
win64:
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 -j2

# The Windows tests run on both builds: win32, the program as shipped (under an emulator where the
# kernel runs no 32-bit code), and win64.
test: deps
	$(MAKE) all win64
	sh tools/run-tests.sh

run: deps
	$(MAKE) $$(sh tools/wine-preset.sh)
	sh tools/run-program.sh

screenshot: deps
	$(MAKE) $$(sh tools/wine-preset.sh)
	sh tools/screenshot.sh

bench: deps
	for preset in $$(sh tools/bench-presets.sh); do \
	    $(MAKE) $$preset && (cd build/$$preset && TAVLO_PRESET=$$preset ../../tools/wine-run.sh tavlo_bench.exe ../bench-$$preset.txt) || exit 1; \
	done

fuzz:
	sh tools/fuzz.sh

# The release zip, build/dist/tavlo-<version>.zip: always the 32-bit program, whatever Wine runs here.
dist: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j2 --target tavlo
	python3 tools/make_dist.py build/win32/tavlo.exe build/dist

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
