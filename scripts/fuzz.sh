#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan into build-fuzz/ and runs the
# project-reader fuzzer for SECONDS (default 60).
#
#   scripts/fuzz.sh [SECONDS] [-- LIBFUZZER OPTIONS...]
#
# Seeds are small projects made by tessel-make-samples --fuzz-seeds plus data/Samples;
# the growing corpus stays in build-fuzz/corpus/. Crashing inputs are written to
# $TESSEL_FUZZ_ARTIFACTS (default build-fuzz/artifacts/); replay one with
#   build-fuzz/fuzz/project_reader_fuzz FILE
# Exits non-zero when the fuzzer found a crash.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
case "${1:-}" in
  -h|--help) sed -n '2,12s/^# \{0,1\}//p' "$0"; exit 0 ;;
  ''|--) ;;
  *[!0-9]*) echo "fuzz.sh: SECONDS must be a number (see --help)" >&2; exit 2 ;;
  *) seconds=$1; shift ;;
esac
[ "${1:-}" = "--" ] && shift

build_dir=build-fuzz
CC=clang CXX=clang++ TESSEL_BUILD_DIR=$build_dir ./scripts/setup.sh \
  -DTESSEL_BUILD_FUZZ=ON -DTESSEL_SANITIZE=ON -DTESSEL_BUILD_GUI=OFF \
  -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF

seeds=$build_dir/seeds/project_reader
corpus=$build_dir/corpus/project_reader
artifacts=${TESSEL_FUZZ_ARTIFACTS:-$build_dir/artifacts}
mkdir -p "$seeds" "$corpus" "$artifacts"
# The seed tool itself runs under the sanitizers; leaks there are not the reader's.
ASAN_OPTIONS=detect_leaks=0 "$build_dir/tools/tessel-make-samples" --fuzz-seeds "$seeds"
cp data/Samples/*.tsl "$seeds/"

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$build_dir/fuzz/project_reader_fuzz" \
  -max_total_time="$seconds" -print_final_stats=1 \
  -dict=fuzz/project_file.dict -artifact_prefix="${artifacts%/}/" \
  "$@" "$corpus" "$seeds"
