# Two commands do all set-up on a fresh Debian 12 machine:
#   make run    install missing packages, configure, build and start the program
#   make test   the same set-up, then the print queue for the printing test, then every test
#   make test-desktop   builds the program and walks the sales screen's windows on a virtual
#                       desktop with a window manager (scripts/desktop-check.sh)
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build program run test test-desktop clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# Only the program: the tests and benchmarks are built by "make test".
program: configure
	cmake --build $(BUILD_DIR) --target merchoralite -j$(JOBS)

run: program
	@bash scripts/run.sh $(BUILD_DIR)/merchoralite

# The CUPS printing test runs only when scripts/setup-print-queue.sh set up its PDF queue: the
# queue's name is passed in MERCHORA_CUPS_QUEUE. Exit status 2 means this machine cannot have the
# queue (no CUPS, no root rights) and the test is skipped; any other failure stops here.
PRINT_QUEUE ?= MerchoraPDF

test: build
	@status=0; bash scripts/setup-print-queue.sh $(PRINT_QUEUE) || status=$$?; \
	if [ $$status -eq 0 ]; then export MERCHORA_CUPS_QUEUE=$(PRINT_QUEUE); \
	elif [ $$status -ne 2 ]; then exit $$status; fi; \
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# Pictures of every window the sales screen opens, saved to docs/screenshots.
test-desktop: program
	@bash scripts/desktop-check.sh $(BUILD_DIR)/merchoralite docs/screenshots

clean:
	rm -rf $(BUILD_DIR)
