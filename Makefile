# Two commands do all set-up on a fresh Debian 12 machine:
#   make run    install missing packages, configure, build and start the program
#   make test   the same set-up, then the print queue for the printing test, then every test
#   make test-desktop   builds the program and walks the sales screen's windows on a virtual
#                       desktop with a window manager (scripts/desktop-check.sh)
#   make guide-screenshots  renews the user guide's pictures in docs/screenshots
#   make package        the Debian package build/merchoralite_<version>_<arch>.deb
#   make test-package   installs that package, starts the installed program and removes it
#   make translations   refreshes translations/*.ts from the texts in src/ (then translate the new ones)
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build program run test test-desktop guide-screenshots test-asan package \
	test-package translations clean

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

# Every translatable text of src/ into translations/*.ts (lupdate); the build compiles them.
translations: configure
	cmake --build $(BUILD_DIR) --target translations

# Pictures of every window the sales screen opens, saved to $(BUILD_DIR)/desktop-check.
test-desktop: program
	@bash scripts/desktop-check.sh $(BUILD_DIR)/merchoralite $(BUILD_DIR)/desktop-check

# Every picture of docs/user-guide.md, renewed in docs/screenshots in the light theme; builds the
# program and the tests it needs. SUFFIX=-de adds "-de" to each file name, PICTURES="a b" renews
# only those; LANG and LANGUAGE are passed on as set.
guide-screenshots: configure
	@JOBS=$(JOBS) bash scripts/guide-screenshots.sh --build $(BUILD_DIR) \
	  $(if $(SUFFIX),--suffix $(SUFFIX)) $(PICTURES)

# The Debian package, $(BUILD_DIR)/merchoralite_<version>_<arch>.deb (cmake/Packaging.cmake).
package: program
	@bash scripts/install-deps.sh package
	cmake --build $(BUILD_DIR) --target merchoralite merchora_packaging_files -j$(JOBS)
	cd $(BUILD_DIR) && cpack -G DEB

# Checks the package, installs it, starts the installed program for a first start on a virtual
# desktop and removes the package again (scripts/package-check.sh). Without root rights the check
# is skipped (exit status 2), except under continuous integration (CI set), where that fails.
test-package: package
	@status=0; bash scripts/package-check.sh $(BUILD_DIR) || status=$$?; \
	if [ $$status -eq 2 ] && [ -z "$${CI:-}" ]; then exit 0; fi; exit $$status

# The whole program and test suite built with AddressSanitizer and UndefinedBehaviorSanitizer in a
# folder of their own, then every test run there. Any memory error, leak or undefined behaviour in
# our code fails its test; leaks that Qt itself leaves at exit are named in tests/sanitizer/lsan.supp.
ASAN_BUILD_DIR ?= build-asan
SANITIZER_DIR := $(CURDIR)/tests/sanitizer

test-asan: deps
	cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERCHORA_SANITIZE=ON \
	  -DMERCHORA_TEST_TIMEOUT_FACTOR=4
	cmake --build $(ASAN_BUILD_DIR) -j$(JOBS)
	@status=0; bash scripts/setup-print-queue.sh $(PRINT_QUEUE) || status=$$?; \
	if [ $$status -eq 0 ]; then export MERCHORA_CUPS_QUEUE=$(PRINT_QUEUE); \
	elif [ $$status -ne 2 ]; then exit $$status; fi; \
	export ASAN_OPTIONS=print_stacktrace=1:detect_leaks=1:fast_unwind_on_malloc=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1; \
	export LSAN_OPTIONS=suppressions=$(SANITIZER_DIR)/lsan.supp:print_suppressions=0; \
	export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1; \
	cd $(ASAN_BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR)
