# The two commands of the README: `make run` and `make test`. Both install any
# missing Debian package first, so they work on a fresh machine.
BUILD ?= build
PACKAGES := cmake g++ make qt6-base-dev qt6-svg-dev qt6-charts-dev libgl-dev fonts-liberation xdg-utils
# Checking the desktop entry and building the Debian package (dpkg-shlibdeps
# works out its Depends; CPack finds the binaries with file).
PACKAGES += desktop-file-utils dpkg-dev file
# The fuzz targets and the sanitizer runtimes.
PACKAGES += clang libclang-rt-14-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)

.PHONY: run test build packages bench install package clean

# One query for the whole list, as this runs before every `make run`.
packages:
	@installed=" $$(dpkg-query -W -f='$${Status} $${Package}\n' $(PACKAGES) 2>/dev/null | sed -n 's/^install ok installed //p' | tr '\n' ' ')"; \
	missing=$$(for p in $(PACKAGES); do case "$$installed" in *" $$p "*) ;; *) echo $$p;; esac; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | packages
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: packages $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# Only the program and its folder, so the window comes up without waiting for
# the tests and the benchmark to build.
run: packages $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target program_folder
	cd $(BUILD)/program && ./aquabill

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/bench_history

install: packages $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target aquabill
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# A Debian package of the install under /usr, left in $(BUILD)/.
package: packages $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target aquabill
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)

# The whole test suite again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer: any report fails the test that caused it. Leaks
# are traced through the system's libraries, so that the few inside them can be
# told apart (tests/lsan.supp).
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: sanitize fuzz

sanitize: packages
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The readers fed random input by libFuzzer (clang), each for FUZZ_SECONDS,
# starting from the seed corpus in fuzz/corpus; what they learn is kept in the
# build folder, so a later run goes on from there. Paths are absolute, as a
# target may change its working folder.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_numbers fuzz_dates fuzz_configuration fuzz_history_log fuzz_history_entry fuzz_calculation

fuzz: packages
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ $(LAUNCHER)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for target in $(FUZZ_TARGETS); do \
		mkdir -p $(abspath $(FUZZ_BUILD))/corpus/$$target || exit 1; \
		echo "== $$target, $(FUZZ_SECONDS) s"; \
		QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
			$(abspath $(FUZZ_BUILD))/$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
			-rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix=$(abspath $(FUZZ_BUILD))/$$target- \
			$(abspath $(FUZZ_BUILD))/corpus/$$target $(CURDIR)/fuzz/corpus/$$target || exit 1; \
	done
