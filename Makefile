# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Lunoria and Deskora developers
# The two everyday commands are `make run` and `make test`; both set the machine up first.
SANITIZE ?= 0
ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
CMAKE_FLAGS += -DCMAKE_BUILD_TYPE=Debug -DLUNORIA_SANITIZE=ON
else
BUILD_DIR ?= build
CMAKE_FLAGS += -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

# Warnings are errors in CI (CI=true, as .ci/run is started) or with WERROR=1; the build folder
# keeps the choice until it is configured with -DLUNORIA_WERROR=OFF.
WERROR ?= $(if $(filter true,$(CI)),1,0)
ifeq ($(WERROR),1)
CMAKE_FLAGS += -DLUNORIA_WERROR=ON
endif

BIN := $(BUILD_DIR)/bin

.PHONY: all setup configure build test run lunoria deskora bench screenshots clean compare-output bench-peers package check-reproducible regenerate format fuzz

all: build

setup:
	@scripts/install-deps

configure: setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) > $(BUILD_DIR).configure.log 2>&1 || (cat $(BUILD_DIR).configure.log; exit 1)

build: configure
	cmake --build $(BUILD_DIR)

test: build
	@scripts/install-deps --test
	cd $(BUILD_DIR) && ctest --output-on-failure

# The main program: the planner, started in ~/Deskora (created when missing), so that its entry
# files are kept there and not in the source tree.
DESKORA_HOME ?= $(HOME)/Deskora

# The Debian packages lunoria and deskora, built by dpkg-buildpackage from debian/ in a clean copy
# of the source tree (packaging/pakete-bauen), into $(BUILD_DIR)/pakete/ with their .changes and
# .buildinfo. The tests belong to `make test`: by default the package build leaves them out.
package: export DEB_BUILD_OPTIONS ?= nocheck parallel=2
package:
	@scripts/install-deps --package
	packaging/pakete-bauen $(BUILD_DIR)/pakete
	@ls -1 $(BUILD_DIR)/pakete/*.deb

# The same commit built twice as a package, in two temporary folders at two different times;
# the .deb files must be the same to the byte (diffoscope shows a difference
# where installed, else cmp and the file lists).
check-reproducible:
	@scripts/install-deps --package
	packaging/reproduzierbar-pruefen

run: build
	@mkdir -p "$(DESKORA_HOME)"
	cd "$(DESKORA_HOME)" && "$(abspath $(BIN))/deskora"

lunoria: build
	$(BIN)/lunoria

# The planner in the current folder: its entry files are kept here.
deskora: build
	"$(abspath $(BIN))/deskora"

bench: build
	@for b in $(BIN)/bench_*; do [ -x "$$b" ] && "$$b"; done

# Lunoria's two tabs for a few dates, drawn offscreen with German settings and the zone of
# Berlin, into docs/.
SCREENSHOT_DATEN := 23.05.1998 21.01.2000 28.01.2000
screenshots: build
	@for d in $(SCREENSHOT_DATEN); do \
	  TZ=Europe/Berlin LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE= QT_QPA_PLATFORM=offscreen \
	    $(BIN)/lunoria-screenshot --datum $$d --ziel docs || exit 1; \
	done

# The program's astronomy side by side with PyEphem and Astronomy Engine, with their ratios.
bench-peers: build
	@scripts/install-deps --bench
	scripts/bench-peers $(BUILD_DIR)

# What lunoria-info prints for 100 000 dates, this build against the commit BASE.
compare-output: build
	scripts/compare-output $(BASE) $(BUILD_DIR)

# The generated files anew from their generators in tools/: the coefficient header from the
# published tables beside its generator, Lunoria's full-moon picture and program icon, and the
# page-turn sound (written into bin/, like every build does). Afterwards `git diff` shows no
# change unless a generator or its input changed.
regenerate: build
	python3 tools/koeffizienten_tabellen.py tools/lunar_phase_corrections.csv \
	  tools/lunar_solar_perturbations.csv > lunoria/astronomy/koeffizienten.h
	QT_QPA_PLATFORM=offscreen $(BIN)/lunoria-mondbild --ziel lunoria/app/bilder
	$(BIN)/deskora_paperwav $(BIN)/paper.wav

# Lays the C++ sources out after .clang-format; `scripts/format --check` only reports.
format:
	@scripts/install-deps --format
	scripts/format

# The fuzz harnesses of fuzz/ (clang, libFuzzer with the address and undefined-behaviour
# sanitizers) in build-fuzz/, each run for FUZZ_SECONDS; fails on any finding.
FUZZ_SECONDS ?= 60
FUZZ_DIR := build-fuzz

fuzz:
	@scripts/install-deps --fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUNORIA_FUZZ=ON \
	  > $(FUZZ_DIR).configure.log 2>&1 || (cat $(FUZZ_DIR).configure.log; exit 1)
	cmake --build $(FUZZ_DIR)
	scripts/run-fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf build build-sanitize build-fuzz
