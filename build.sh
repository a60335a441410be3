#!/usr/bin/env bash
# Installs what is missing from Debian's archive, builds Kelvara, then starts it or tests it.
#   ./build.sh run        build and start the program
#   ./build.sh test       build and run every test
#   ./build.sh test-asan  the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   ./build.sh test-tsan  the range engine's tests under ThreadSanitizer
#   ./build.sh package    build the Debian package into build/default/package/
#   ./build.sh bench      build the bench preset, time the handlers, pages, sweeps and stopwatch
#   ./build.sh startup    build the bench preset, time the start-up against a minimal Qt program
#   ./build.sh fuzz [SECONDS | -runs=N]  build the fuzz targets (clang) and run each in turn
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgtest-dev fonts-dejavu-core)

install_missing() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

case "${1:-}" in
  run)
    install_missing
    build default
    exec ./build/default/src/kelvara
    ;;
  test)
    packages+=(poppler-utils)  # pdftotext reads the calculation sheet's PDF back
    install_missing
    build default
    ctest --preset default
    ;;
  test-asan)
    packages+=(poppler-utils)  # pdftotext reads the calculation sheet's PDF back
    install_missing
    build asan
    ctest --preset asan
    ;;
  test-tsan)
    install_missing
    build tsan
    TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/unit_tests --gtest_filter='RangeEngine*:PageModels*'
    ;;
  package)
    packages+=(dpkg-dev file)  # dpkg-shlibdeps reads the package's dependencies off the program
    install_missing
    build default
    (cd build/default && cpack -G DEB -B package)
    ;;
  bench)
    packages+=(libbenchmark-dev python3)
    install_missing
    build bench
    mkdir -p build/bench/results
    build/bench/bench/kelvara_handlers_bench --benchmark_out=build/bench/results/handlers.json \
      --benchmark_out_format=json
    build/bench/bench/kelvara_forms_bench --benchmark_out=build/bench/results/forms.json \
      --benchmark_out_format=json
    build/bench/bench/kelvara_range_bench --benchmark_out=build/bench/results/range.json \
      --benchmark_out_format=json
    status=0
    python3 bench/check_targets.py build/bench/results/handlers.json \
      build/bench/results/forms.json build/bench/results/range.json || status=1
    bench/stopwatch_cpu.sh build/bench || status=1
    exit $status
    ;;
  startup)
    packages+=(libbenchmark-dev python3)
    install_missing
    build bench
    exec python3 bench/startup.py --build build/bench "${@:2}"
    ;;
  fuzz)
    packages=(clang libclang-rt-14-dev cmake ninja-build)
    install_missing
    build fuzz
    shift
    exec fuzz/run.sh "${@:-30}"
    ;;
  *)
    echo "usage: $0 run | test | test-asan | test-tsan | package | bench | startup | fuzz [SECONDS | -runs=N]" >&2
    exit 2
    ;;
esac
