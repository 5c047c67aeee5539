# Entry points for building, testing and running tovane.
BUILD     ?= build
JOBS      ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build test demo bench install clean

all: build

deps:
	@tools/install_deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Builds everything and runs every test.
test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The main job: renders the built-in demo through the plug-in.
demo: build
	@tools/run_demo.sh $(BUILD)

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target tovane-bench
	@$(BUILD)/bin/tovane-bench

install: build
	@mkdir -p $(HOME)/.vst3
	@rm -rf $(HOME)/.vst3/tovane.vst3
	@cp -r $(BUILD)/tovane.vst3 $(HOME)/.vst3/
	@echo "Installed $(HOME)/.vst3/tovane.vst3"
	@mkdir -p $(HOME)/.lxvst
	@ln -sfn $(HOME)/.vst3/tovane.vst3/Contents/x86_64-linux/tovane.so $(HOME)/.lxvst/tovane.so
	@echo "Linked $(HOME)/.lxvst/tovane.so for VST 2.4 hosts"

clean:
	@rm -rf $(BUILD)
