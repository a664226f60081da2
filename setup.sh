#!/usr/bin/env bash
# Installs what Nivra needs on Debian 12, builds it, and runs it or its tests.
#   ./setup.sh run        build and start Nivra
#   ./setup.sh test       build and run every test through CTest
#   ./setup.sh sanitize   build and run the tests with AddressSanitizer and UBSan (build-asan/, with
#                         warnings as errors and the standard library's assertions)
#   ./setup.sh tsan       build and run the serial link tests with ThreadSanitizer (build-tsan/)
#   ./setup.sh bench      build and run the benchmarks
#   ./setup.sh package    build the .deb (in build/) and check it; INSTALL=1 also installs it with apt
#   ./setup.sh fuzz [S]   build the fuzzers with clang (build-fuzz/) and run each for S seconds (60)
#   ./setup.sh check      the code checks: layering, translations, formatting, warnings as errors (with the
#                         standard library's assertions; the build of sanitize), clang-tidy, and
#                         no widgets in nivra-tool
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  g++ cmake ninja-build pkg-config  # compiler and build
  qt6-base-dev qt6-serialport-dev   # window, drawing, JPEG, serial ports
  libqt6sql6-sqlite                 # the logbook's database
  libmuparser-dev                   # the configuration's formulas
  libpugixml-dev                    # the configuration document
  qt6-l10n-tools qt6-tools-dev      # the window's languages: lupdate, lrelease and CMake's rules
  qt6-translations-l10n             # Qt's own texts (standard buttons and dialogs) in them
  locales                           # tests run the programs in German and French locales
  libgtest-dev libgmock-dev         # tests
  poppler-utils                     # tests read the reports back (pdftotext)
  libbenchmark-dev                  # benchmarks
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j2
}

# The sanitizer build is also the checked one: warnings as errors, the standard library's
# assertions, and the compile commands clang-tidy reads. One build serves both, so CI compiles
# the code once for them.
build_checked() {
  build build-asan -DCMAKE_BUILD_TYPE=Debug -DNIVRA_SANITIZE=ON -DNIVRA_BUILD_BENCH=OFF -DNIVRA_WERROR=ON \
    -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
}

case "${1:-}" in
  run)
    install_missing
    build build
    exec ./build/nivra
    ;;
  test)
    install_missing
    build build
    ctest --test-dir build --output-on-failure -j2 --timeout 300
    ;;
  sanitize)
    install_missing
    build_checked
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-asan --output-on-failure -j2 --timeout 900
    ;;
  tsan)
    # The serial link's two threads under ThreadSanitizer.
    install_missing
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNIVRA_SANITIZE_THREAD=ON -DNIVRA_BUILD_BENCH=OFF
    cmake --build build-tsan -j2 --target nivra_device_tests
    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp" \
      ctest --test-dir build-tsan -R '^SerialLink\.' --repeat until-fail:3 --output-on-failure
    ;;
  bench)
    packages+=(libqcustomplot-dev)  # only a yardstick for the chart benchmark
    install_missing
    build build -DCMAKE_BUILD_TYPE=Release
    for b in build/bench/*_bench; do "$b" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true; done
    ;;
  package)
    packages+=(librsvg2-bin dpkg-dev file desktop-file-utils appstream shared-mime-info)
    install_missing
    build build
    rm -f build/nivra_*.deb
    (cd build && cpack -G DEB)
    packaging/check-package.sh build/nivra_*.deb
    ;;
  fuzz)
    packages+=(clang-14 libclang-rt-14-dev)
    install_missing
    seconds=${2:-60}
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
      -DNIVRA_FUZZ=ON -DNIVRA_BUILD_TESTS=OFF -DNIVRA_BUILD_BENCH=OFF
    cmake --build build-fuzz -j2 --target alt_file_fuzz config_fuzz memory_image_fuzz make-fuzz-seeds
    corpus=build-fuzz/corpus
    mkdir -p "$corpus"/{alt_file,config,memory_image} build-fuzz/findings
    ./build-fuzz/fuzz/make-fuzz-seeds "$corpus/memory_image" examples/*.alt
    # The first folder gathers what the fuzzer finds; the others are read-only seeds, among them
    # fuzz/seeds/TARGET: inputs that earlier runs found new coverage with, kept in the repository.
    declare -A seeds=([alt_file]="fuzz/seeds/alt_file examples tests/app/data" [config]="fuzz/seeds/config"
      [memory_image]="fuzz/seeds/memory_image")
    declare -A extra=([alt_file]="" [config]="-dict=fuzz/config.dict" [memory_image]="")
    # Inputs long enough for every structure of their format and short enough for thousands of
    # runs a second: a longer log or memory only repeats its records.
    declare -A length=([alt_file]=3072 [config]=65536 [memory_image]=4096)
    for target in alt_file config memory_image; do
      echo "== $target: $seconds s"
      # shellcheck disable=SC2086
      if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ./build-fuzz/fuzz/${target}_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -malloc_limit_mb=512 -max_len="${length[$target]}" -artifact_prefix=build-fuzz/findings/${target}- \
        -print_final_stats=1 ${extra[$target]} "$corpus/$target" ${seeds[$target]} >build-fuzz/$target.log 2>&1; then
        # Without the line per input it found something new on: the start, the end and the figures.
        grep -v -E '^#[0-9]+' build-fuzz/$target.log
        echo "== $target: $(sed -n 's/^stat::average_exec_per_sec: *//p' build-fuzz/$target.log) runs a second"
      else
        tail -n 60 build-fuzz/$target.log
        exit 1
      fi
    done
    ;;
  check)
    packages+=(clang-tidy-14 clang-format-14)
    install_missing
    tools/check-layering.sh
    # Every text of the window in the translation files, every language complete, and no
    # literal of the window's code that escapes translation.
    tools/check-translations.sh
    python3 tools/check_untranslated.py
    # Every tracked C++ file as .clang-format writes it.
    git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run -Werror
    echo "formatting: every tracked C++ file is as .clang-format writes it"
    build_checked
    echo "warnings: none, with -Werror and -D_GLIBCXX_ASSERTIONS"
    run-clang-tidy-14 -p build-asan -j 2 -quiet "^$PWD/(src|tools)/.*\.cpp\$"
    echo "clang-tidy: no finding in src/ and tools/"
    if ldd build-asan/nivra-tool | grep -q libQt6Widgets; then
      echo "nivra-tool links the widget library" >&2
      exit 1
    fi
    echo "nivra-tool: no widget library"
    ;;
  *)
    echo "usage: $0 run|test|sanitize|tsan|bench|package|fuzz [SECONDS]|check" >&2
    exit 2
    ;;
esac
