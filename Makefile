# ROR Avizad: one entry point for installing, building, testing and running.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build test run bench fuzz fuzz-smoke format clean screenshots

all: build

# Installs every package of packages.txt that is not installed yet; does nothing when all are there.
deps:
	@missing=$$(grep -v '^\s*#' packages.txt | grep -v '^\s*$$' | while read -r p; do \
	    dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q 'install ok installed' || echo "$$p"; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	else echo "All packages are installed."; fi

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DAVIZAD_WERROR=ON $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/avizad

bench: build
	$(BUILD_DIR)/bin/avizad-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/avizad-undo-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/avizad-level-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/avizad-events-grid-bench
	sh bench/pipeline_overhead.sh $(BUILD_DIR) 3
	$(BUILD_DIR)/bin/avizad-jar-size-bench $(BUILD_DIR)/bin
	$(BUILD_DIR)/bin/avizad-engine-bench $(BUILD_DIR)/bin 600 3
	JAVA_TOOL_OPTIONS=-Xint $(BUILD_DIR)/bin/avizad-engine-bench $(BUILD_DIR)/bin 600 3

# libFuzzer targets are built with clang in a separate tree.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 30
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DAVIZAD_FUZZ=ON -DAVIZAD_GUI=OFF -DAVIZAD_TESTS=OFF -DAVIZAD_TOOLKIT=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_project_reader

fuzz-smoke: fuzz
	mkdir -p $(FUZZ_DIR)/corpus
	cp fuzz/corpus/* $(FUZZ_DIR)/corpus/ 2>/dev/null || true
	$(FUZZ_DIR)/bin/fuzz_project_reader -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 \
	  -max_len=65536 $(FUZZ_DIR)/corpus

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)

# Renders the main window and every dialog to PNG files in $(BUILD_DIR)/screenshots.
.PHONY: screenshots
screenshots: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS) --target avizad-screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/avizad-screenshots $(BUILD_DIR)/screenshots
