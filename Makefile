# make run: set up, build and start Brackwell.   make test: set up, build and run every test.
# make package: set up, build and write the Debian package $(BUILD)/brackwell_VERSION_ARCH.deb.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Warnings are errors for `make test` (and so for CI); other targets keep what the build
# folder was configured with, off on a fresh one.
WERROR ?=
test: WERROR = ON

.PHONY: all deps configure build run test package bench clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) $(if $(WERROR),-DBRACKWELL_WERROR=$(WERROR)) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/app && BRACKWELL_HOME="$${BRACKWELL_HOME:-$(CURDIR)/$(BUILD)/app}" ./brackwell

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

package: build
	@cmake --build $(BUILD) --target package

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD)
