# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# The two commands of the README:
#   make run    install what is missing, build, start Vornaby
#   make test   install what is missing, build, run every test
SHELL := /bin/bash
.SHELLFLAGS := -eo pipefail -c
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: run test build deps clean package package-check sanitize fuzz windows run-windows package-windows web run-web

# WINDOWS_32BIT=yes: the tests run the 32-bit Windows program too, under
# 32-bit Wine, which install-deps then adds to the machine (the i386
# architecture, about 2 GB).
WINDOWS_32BIT ?= no
windows32 = $(filter yes,$(WINDOWS_32BIT))

# The page's test tools from npm (puppeteer-core, which drives Firefox), as
# tests/support/web/package-lock.json pins them.
WEB_TOOLS ?= $(CURDIR)/$(BUILD)/web-tools
export WEB_TOOLS
deps:
	@scripts/install-deps --web-tools $(WEB_TOOLS) $(if $(windows32),--windows-32bit)

build: deps
	cmake -S . -B $(BUILD) -DVORNABY_WINDOWS_BUILD=$(CURDIR)/$(BUILD)-win64 \
	  -DVORNABY_WINDOWS_BUILD_32=$(if $(windows32),$(CURDIR)/$(BUILD)-win32) -DVORNABY_WEB_BUILD=$(CURDIR)/$(BUILD)-web \
	  -DVORNABY_WEB_TOOLS=$(WEB_TOOLS) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# The Windows program, cross-built with mingw-w64: $(BUILD)-win64/Vornaby.exe,
# and the 32-bit one, $(BUILD)-win32/Vornaby.exe.
WINDOWS_BUILD = cmake -S . -B $(BUILD)-$(1) -DCMAKE_TOOLCHAIN_FILE=windows/mingw-w64.cmake \
	-DVORNABY_WINDOWS_ARCH=$(2) $(CMAKE_FLAGS) && cmake --build $(BUILD)-$(1) -j $(JOBS)
windows: deps
	$(call WINDOWS_BUILD,win64,x86_64)
	$(call WINDOWS_BUILD,win32,i686)

# What a Windows user downloads: $(BUILD)-win64/Vornaby-*-setup.exe (a
# per-user installer) and Vornaby-*-portable.zip (Vornaby.exe alone).
package-windows: windows
	@ls $(BUILD)-win64/Vornaby-*-setup.exe $(BUILD)-win64/Vornaby-*-portable.zip

# The Windows program under Wine, in a prefix of its own in the build folder.
run-windows: windows
	tests/e2e/wine-prefix.sh $(CURDIR)/$(BUILD)-win64/wineprefix
	WINEPREFIX=$(CURDIR)/$(BUILD)-win64/wineprefix WINEDEBUG=-all /usr/lib/wine/wine64 $(BUILD)-win64/Vornaby.exe

# The browser build, Emscripten's: $(BUILD)-web/ is the whole site (index.html,
# vornaby.js, vornaby.wasm and the page's files), for any static web server;
# the dialog suite's page (suite.html, test_dialogs.*) is built beside it and
# is not part of the site.
# Debian's emcc runs its tools with Debian's node modules.
web: deps
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(BUILD)-web -DCMAKE_BUILD_TYPE=Release -DVORNABY_WEB_TOOLS=$(WEB_TOOLS) $(CMAKE_FLAGS)
	NODE_PATH=/usr/share/nodejs cmake --build $(BUILD)-web -j $(JOBS)

# The site on this machine only; a sound may start and the page may install
# on localhost as on https.
WEB_PORT ?= 8000
run-web: web
	@echo "Vornaby: open http://127.0.0.1:$(WEB_PORT)/ in a browser"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(BUILD)-web

run: build
	$(BUILD)/vornaby

test: build windows web
	@# Every file says its licence (MIT).
	reuse lint --quiet || reuse lint
	$(MAKE) fuzz
	$(MAKE) sanitize
	$(MAKE) package-check
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@# The window's behaviour suite again, on the Windows program's own
	@# windows under Wine.
	cd $(BUILD)-win64 && ctest --output-on-failure
	@# The window's behaviour suite once more, in the browser build's page in
	@# Chromium, Firefox and WebKitGTK.
	cd $(BUILD)-web && ctest --output-on-failure
	@# The 32-bit program read back as a file; its suite too when asked for.
	cd $(BUILD)-win32 && ctest --output-on-failure $(if $(windows32),,-R windows_exe)

# The Debian package, as the README installs it: $(BUILD)/vornaby_*.deb.
package: build
	cd $(BUILD) && cpack -G DEB

# The package path from a clean build folder of its own, then lintian on it.
package-check: deps
	rm -rf $(BUILD)-package
	$(MAKE) package BUILD=$(BUILD)-package CMAKE_FLAGS="$(CMAKE_FLAGS) -DBUILD_TESTING=OFF"
	tests/data/check_package.sh $(BUILD)-package

# Every test but the end-to-end and packaging ones again, built with
# AddressSanitizer and UndefinedBehaviorSanitizer; any report fails the run.
sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -DVORNABY_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && ctest --output-on-failure -j $(JOBS) -LE 'e2e|install'

# The form's integer conversion and whole reads of the form, each against a
# model of the rules, for a bounded time from the seed corpora in the repository.
FUZZ_SECONDS ?= 60
FUZZ_RUN = mkdir -p $(BUILD)-fuzz/corpus_$(1) && echo "fuzz_$(1): $(FUZZ_SECONDS) s" && \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	$(BUILD)-fuzz/tests/fuzz/fuzz_$(1) -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(BUILD)-fuzz/ $(2) $(BUILD)-fuzz/corpus_$(1) tests/fuzz/corpus_$(1) 2>&1 \
	  | grep -E '^(stat::number_of_executed_units|Done|==|SUMMARY)'
fuzz: deps
	CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DVORNABY_FUZZ=ON -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_integer_text fuzz_form_read
	@$(call FUZZ_RUN,integer_text,)
	@# Qt's caches fill as it runs; leaks are the sanitizer suite's to find.
	@$(call FUZZ_RUN,form_read,-detect_leaks=0)

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(BUILD)-fuzz $(BUILD)-package $(BUILD)-win64 $(BUILD)-win32 $(BUILD)-web
