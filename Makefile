# Entry points for building, testing and running tovane.
BUILD     ?= build
JOBS      ?= $(shell nproc)
CMAKE_ARGS ?=
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := $(notdir $(wildcard fuzz/corpus/*))

.PHONY: all deps configure build test sanitize tsan fuzz demo bench install clean

all: build

deps:
	@tools/install_deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Builds everything and runs every test (the fuzz corpora are replayed as
# tests), then the same under the sanitizers.
test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory sanitize tsan

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -DTOVANE_SANITIZE=ON -DTOVANE_BUILD_BENCH=OFF $(CMAKE_ARGS) > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The threading test under ThreadSanitizer, in a build of its own.
tsan: deps
	@cmake -S . -B $(TSAN_BUILD) -DTOVANE_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_C_FLAGS=-fsanitize=thread \
	  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_MODULE_LINKER_FLAGS=-fsanitize=thread \
	  $(CMAKE_ARGS) > /dev/null
	@cmake --build $(TSAN_BUILD) -j $(JOBS) --target processor_threads_test
	@cd $(TSAN_BUILD) && ctest --output-on-failure -R '^threads\.'

# Builds the fuzz targets with clang and libFuzzer (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for FUZZ_SECONDS from its corpus.
# New inputs go to $(FUZZ_BUILD)/work/<target>, crash cases to
# $(FUZZ_BUILD)/crashes/<target>.
fuzz:
	@tools/install_deps.sh --fuzz
	@CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DTOVANE_FUZZ=ON \
	  -DTOVANE_SANITIZE=ON -DTOVANE_BUILD_BENCH=OFF \
	  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link \
	  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -fsanitize-coverage-ignorelist=$(CURDIR)/fuzz/coverage_ignore.txt" \
	  $(CMAKE_ARGS) > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/work/$$t $(FUZZ_BUILD)/crashes/$$t || exit 1; \
	  echo "fuzzing $$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/bin/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/crashes/$$t/ $(FUZZ_BUILD)/work/$$t fuzz/corpus/$$t \
	    || exit 1; \
	done

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
	@rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
