# Two commands set Pagora up on Debian or Ubuntu:
#   make run    installs what is missing, builds, and starts Pagora on its data root
#   make test   installs what is missing, builds, and runs the whole test suite
#   make deb    builds the Debian package build/paket/pagora_<version>_<arch>.deb
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 600
# Extra CMake options, e.g. CMAKE_FLAGS=-DPAGORA_WERROR=ON (CI). A build folder is
# configured again whenever they differ from those it was last configured with.
CMAKE_FLAGS ?=

DEBIAN_PACKAGES = cmake make g++ qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-qpa-plugins libgl-dev libfontconfig-dev fonts-liberation2 libhyphen-dev hyphen-de \
                  desktop-file-utils appstream groff-base dpkg-dev file \
                  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools lintian strace poppler-utils bsdutils
FUZZ_PACKAGES   = clang libclang-rt-14-dev

.PHONY: all configure run test deb translations screenshots bench fuzz deps fuzz-deps build clean format-check

all: build

deps:
	@./cmake/install-deps.sh $(DEBIAN_PACKAGES)

fuzz-deps:
	@./cmake/install-deps.sh $(DEBIAN_PACKAGES) $(FUZZ_PACKAGES)

configure:
	@if [ ! -f $(BUILD)/CMakeCache.txt ] || [ "$$(cat $(BUILD)/.cmake-flags 2>/dev/null)" != "$(CMAKE_FLAGS)" ]; then \
	    cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) && \
	    printf '%s\n' "$(CMAKE_FLAGS)" > $(BUILD)/.cmake-flags; \
	fi

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/root && ./Pagora.exe

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

deb: build
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/paket/*.deb

# Brings the translations up to date with the sources; new texts then await their
# English in translations/pagora_en.ts (Qt Linguist, or by hand).
LUPDATE ?= /usr/lib/qt6/bin/lupdate
translations: deps
	$(LUPDATE) -no-obsolete -locations none -source-language de_DE -target-language en src \
	    -ts translations/pagora_en.ts

screenshots: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/pagora_screenshots $(CURDIR)/$(BUILD)/screenshots
	@echo "Screenshots in $(BUILD)/screenshots"

bench: build
	@./cmake/install-deps.sh imagemagick
	$(BUILD)/bench/pagora_bench_start $(CURDIR)/$(BUILD)/root $(CURDIR)/$(BUILD)/bench/bare_window 31
	./bench/start_x.sh $(CURDIR)/$(BUILD)/root $(CURDIR)/$(BUILD)/bench/bare_window $(CURDIR)/$(BUILD)/bench/pagora_bench_start 31
	$(BUILD)/bench/pagora_bench_seite $(CURDIR)/$(BUILD)/root
	$(BUILD)/bench/pagora_bench_seite $(CURDIR)/$(BUILD)/root blaettern
	$(BUILD)/bench/pagora_bench_bildwechsel $(CURDIR)/$(BUILD)/root/Help
	$(BUILD)/bench/pagora_bench_suche $(CURDIR)/$(BUILD)/root/Quarn/Pages/Quarn.5
	$(BUILD)/bench/pagora_bench_engines $(CURDIR)/data/quarn/buch.txt $(CURDIR)/$(BUILD)/root/pagora-tool \
	    $(CURDIR)/$(BUILD)/root/Help
	$(BUILD)/bench/pagora_bench_album $(CURDIR)/$(BUILD)/root/Help $(CURDIR)/$(BUILD)/root/pagora-tool
	$(BUILD)/bench/pagora_bench_import $(CURDIR)/$(BUILD)/root $(CURDIR)/data/quarn/buch.txt
	./bench/ganzprozesse.sh $(CURDIR)/$(BUILD)/root $(CURDIR)

# make fuzz runs every target named in FUZZ_ZIELE (e.g. FUZZ_ZIELE=bitmap) for FUZZ_SECONDS, starting from fuzz/corpus/.
# FUZZ_LAENGE_<target> lifts libFuzzer's input length where the reader takes more.
FUZZ_ZIELE ?= einstellungen textimport albumeingabe marken seitensatz inhalt bildliste bitmap bildtext autorini journal
FUZZ_LAENGE_marken     = 4194304
# Mark files grow large in use: libFuzzer tries long inputs from the start, not after hours.
FUZZ_ZUSATZ_marken     = -len_control=0
FUZZ_LAENGE_seitensatz = 16384
FUZZ_LAENGE_inhalt     = 65536
FUZZ_LAENGE_bildliste  = 262144

define fuzz_lauf
	mkdir -p $(FUZZ_BUILD)/corpus/$(1) && cp fuzz/corpus/$(1)/* $(FUZZ_BUILD)/corpus/$(1)/
	$(FUZZ_BUILD)/fuzz/fuzz_$(1) -max_total_time=$(FUZZ_SECONDS) -timeout=5 -rss_limit_mb=4096 \
	    $(if $(FUZZ_LAENGE_$(1)),-max_len=$(FUZZ_LAENGE_$(1))) $(FUZZ_ZUSATZ_$(1)) $(FUZZ_BUILD)/corpus/$(1)

endef

fuzz: fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DPAGORA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	$(foreach ziel,$(FUZZ_ZIELE),$(call fuzz_lauf,$(ziel)))

# Reports every source file that differs from the checked-in .clang-format.
format-check:
	@./cmake/format-check.sh

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
