# The two everyday commands: `make run` starts the program, `make test` runs every test.
.PHONY: all deps host win32 test run screenshot bench fuzz clean format

all: host win32

deps:
	@sh tools/deps.sh

host:
	cmake --preset host >/dev/null
	cmake --build --preset host -j2

win32:
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j2

test: deps
	$(MAKE) all
	sh tools/run-tests.sh

run: deps
	$(MAKE) win32
	sh tools/run-program.sh

screenshot: deps
	$(MAKE) win32
	sh tools/screenshot.sh

bench: deps
	$(MAKE) win32
	cd build/win32 && ../../tools/wine-run.sh history_bench.exe

fuzz:
	sh tools/fuzz.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
