# The two commands of the README: `make run` and `make test`. Both install any
# missing Debian package first, so they work on a fresh machine.
BUILD ?= build
PACKAGES := cmake g++ make qt6-base-dev qt6-svg-dev qt6-charts-dev libgl-dev fonts-liberation xdg-utils
# Checking the desktop entry and building the Debian package (dpkg-shlibdeps
# works out its Depends; CPack finds the binaries with file).
PACKAGES += desktop-file-utils dpkg-dev file
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
