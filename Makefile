# The two commands of the README: `make run` and `make test`. Each installs what is missing,
# configures, builds and then runs Norrid or every test.
PRESET ?= default
BUILD := build
JOBS ?= $(shell nproc)

.PHONY: run test build deps deps-test configure format check-format lint-qml bench sanitize fuzz clean package \
        update-translations add-language check-translations

deps:
	scripts/install-deps.sh run

deps-test:
	scripts/install-deps.sh test

configure:
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

run: deps
	$(MAKE) build
	$(BUILD)/src/shell/norrid

test: deps-test
	$(MAKE) build
	ctest --preset $(PRESET) -j $(JOBS)

# The Debian package, build/norrid_<version>-<build number>_<arch>.deb; CI checks it with
# scripts/check-package.sh.
package: deps
	$(MAKE) build
	rm -f $(BUILD)/norrid_*.deb
	cd $(BUILD) && cpack -G DEB

bench: deps-test
	$(MAKE) build
	scripts/run-benchmarks.sh $(BUILD)

sanitize: deps-test
	$(MAKE) build PRESET=sanitize BUILD=build-sanitize
	ctest --preset sanitize -j $(JOBS)

# Every libFuzzer target for FUZZ_SECONDS each (clang only; installed when missing).
FUZZ_SECONDS ?= 600
fuzz: deps-test
	command -v clang++ >/dev/null || { [ "$$(id -u)" -eq 0 ] && apt-get install -y -qq clang || sudo apt-get install -y -qq clang; }
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DNORRID_FUZZ=ON \
	  -DNORRID_BUILD_BENCH=OFF
	tests/fuzz/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

check-format:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Translations (README, "Translations"): every .ts after a text changed, a new language, and CI's
# check that no .ts lacks a text.
update-translations: deps
	scripts/translations.sh update

add-language: deps
	scripts/translations.sh add "$(LANG)"

check-translations: deps
	scripts/translations.sh check

# qmllint over every QML file of the module Norrid.Views; any warning fails.
lint-qml: configure
	cmake --build --preset $(PRESET) --target all_qmllint

clean:
	rm -rf build build-sanitize build-fuzz
