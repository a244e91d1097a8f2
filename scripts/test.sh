#!/usr/bin/env bash
# Sets up (installs missing Debian packages, configures, builds) and runs the whole
# test suite with ctest. Exits non-zero when the build or any test fails.
#
#   scripts/test.sh              build/ and its tests
#   scripts/test.sh --sanitize   build-asan/ with AddressSanitizer and UBSan
#   scripts/test.sh -- ARGS      further arguments for ctest (for example -R Archive)
#
# Benchmarks are not tests: they are built (when enabled) but never run here.
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=0
ctest_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --sanitize) sanitize=1 ;;
    --) shift; ctest_args+=("$@"); break ;;
    -h|--help) sed -n '2,9s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) echo "test.sh: unknown argument '$1' (see --help)" >&2; exit 2 ;;
  esac
  shift
done

if [ "$sanitize" -eq 1 ]; then
  build_dir=build-asan
  # A sanitizer finding stops the test that made it, with a stack.
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
  TESSEL_BUILD_DIR=$build_dir ./scripts/setup.sh -DTESSEL_SANITIZE=ON -DTESSEL_BUILD_BENCH=OFF
else
  build_dir=build
  TESSEL_BUILD_DIR=$build_dir ./scripts/setup.sh
fi

ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2 "${ctest_args[@]}"
