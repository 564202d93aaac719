# The two commands of the README:
#   make run    install what is missing, build, start Vornaby
#   make test   install what is missing, build, run every test
SHELL := /bin/bash
.SHELLFLAGS := -eo pipefail -c
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: run test build deps clean package sanitize fuzz

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/vornaby

test: build
	$(MAKE) fuzz
	$(MAKE) sanitize
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The integer conversion against a model of its rules, for a bounded time,
# starting from the seed corpus in the repository.
FUZZ_SECONDS ?= 60
fuzz: deps
	mkdir -p $(BUILD)/fuzz-corpus
	clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I. \
	  tests/fuzz/fuzz_integer_text.cpp framework/IntegerText.cpp -o $(BUILD)/fuzz_integer_text
	$(BUILD)/fuzz_integer_text -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  $(BUILD)/fuzz-corpus tests/fuzz/corpus_integer_text 2>&1 | tail -n 4

# Every test but the end-to-end ones again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the run.
sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -DVORNABY_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && ctest --output-on-failure -j $(JOBS) -LE 'e2e|install'

package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize
