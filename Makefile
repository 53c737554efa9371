# ROR Avizad: one entry point for installing, building, testing and running.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# The compiler cache (when installed) shares results between clones of this tree.
export CCACHE_BASEDIR := $(CURDIR)

.PHONY: all deps build test run bench fuzz fuzz-smoke sanitize soak format clean screenshots

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
	xvfb-run -a $(BUILD_DIR)/bin/avizad-build-bench $(BUILD_DIR)/bin tests/fixtures/showcase.yrk
	$(BUILD_DIR)/bin/avizad-jar-size-bench $(BUILD_DIR)/bin
	$(BUILD_DIR)/bin/avizad-engine-bench $(BUILD_DIR)/bin 600 3
	JAVA_TOOL_OPTIONS=-Xint $(BUILD_DIR)/bin/avizad-engine-bench $(BUILD_DIR)/bin 600 3
	$(BUILD_DIR)/bin/avizad-vm-bench $(BUILD_DIR)/bin 300 3
	python3 bench/web_page_bench.py $(BUILD_DIR)

# libFuzzer targets are built with clang in a separate tree. fuzz-smoke runs each target
# for FUZZ_SECONDS on its seeds (fuzz/corpus and what fuzz_seeds writes) with its dictionary.
# The generator target works in a scratch folder of its own, so it is given absolute paths.
# The emulator's class check is Java: its fuzzer (fuzz/ClassCheckFuzz.java) runs with a fixed
# seed on class files the fuzz tree compiles.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 30
FUZZ_FLAGS ?= -rss_limit_mb=2048
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DAVIZAD_FUZZ=ON -DAVIZAD_GUI=OFF -DAVIZAD_TESTS=OFF -DAVIZAD_TOOLKIT=OFF -DAVIZAD_BENCH=OFF \
	  -DAVIZAD_WEB=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_project_reader fuzz_png_reader \
	  fuzz_generator fuzz_seeds fuzz_class_check fuzz_vm

fuzz-smoke: fuzz
	mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/png-corpus
	cp fuzz/corpus/* $(FUZZ_DIR)/corpus/
	$(FUZZ_DIR)/bin/fuzz_seeds $(FUZZ_DIR)/corpus $(FUZZ_DIR)/png-corpus
	$(FUZZ_DIR)/bin/fuzz_project_reader -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) \
	  -max_len=65536 -dict=fuzz/project.dict $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/bin/fuzz_png_reader -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) \
	  -max_len=16384 -dict=fuzz/png.dict $(FUZZ_DIR)/png-corpus
	mkdir -p $(FUZZ_DIR)/generator-corpus
	cp $(FUZZ_DIR)/corpus/* $(FUZZ_DIR)/generator-corpus/
	$(FUZZ_DIR)/bin/fuzz_generator -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) -timeout=10 \
	  -max_len=65536 -dict=$(CURDIR)/fuzz/project.dict $(abspath $(FUZZ_DIR))/generator-corpus
	cd $(FUZZ_DIR) && bin/fuzz_class_check $(FUZZ_SECONDS)
	mkdir -p $(FUZZ_DIR)/vm-corpus
	cp fuzz/vm-corpus/* $(FUZZ_DIR)/vm-corpus/
	$(FUZZ_DIR)/bin/fuzz_vm -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) -timeout=10 \
	  -max_len=16384 $(FUZZ_DIR)/vm-corpus

# The tests without a window or the Java toolkit, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a tree of their own; any finding or leak fails the test. The
# project document needs Qt Core and Gui only, so the editor monkey runs there too. The tree
# has no toolkit, so the tests that need one skip here even when CI requires it elsewhere.
SANITIZE_DIR ?= build-asan
SANITIZE_FLAGS := -O1 -g1 -fsanitize=address,undefined -fno-sanitize-recover=all \
  -fno-omit-frame-pointer
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
SANITIZE_CONFIGURE := cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE= -DAVIZAD_WERROR=ON \
  -DAVIZAD_GUI=OFF -DAVIZAD_DOCUMENT_TESTS=ON -DAVIZAD_TOOLKIT=OFF -DAVIZAD_BENCH=OFF -DAVIZAD_WEB=OFF \
  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_C_FLAGS="$(SANITIZE_FLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
sanitize: deps
	$(SANITIZE_CONFIGURE)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && env -u AVIZAD_REQUIRE_TOOLKIT $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# The long editor monkey: SOAK_STEPS random edits with undo and redo on the showcase under
# the sanitizers (AVIZAD_MONKEY_SEED=N for another run).
SOAK_STEPS ?= 5000
soak: deps
	$(SANITIZE_CONFIGURE)
	cmake --build $(SANITIZE_DIR) -j $(JOBS) --target test_monkey
	$(SANITIZE_ENV) AVIZAD_MONKEY_STEPS=$(SOAK_STEPS) $(SANITIZE_DIR)/tests/test_monkey

format:
	find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR) $(SANITIZE_DIR)

# Renders the main window and every dialog to PNG files in $(BUILD_DIR)/screenshots, and the
# pictures of the help page "Первая игра за 10 минут" (made through the editors, built and
# played) into the help pages' folder as well, where the next build takes them in.
.PHONY: screenshots
screenshots: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS) --target avizad-screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/avizad-screenshots $(BUILD_DIR)/screenshots \
	  src/app/resources/help/images
