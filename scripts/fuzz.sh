#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan into build-fuzz/ (or
# $TESSEL_FUZZ_BUILD_DIR) and runs one of them for SECONDS (default 60): the project
# reader unless --target says otherwise.
#
#   scripts/fuzz.sh [--target project_reader|image_reader|svg_import|brush_reader|library_files|rich_jpeg] [SECONDS] [-- LIBFUZZER OPTIONS...]
#
# Seeds of project_reader are small projects made by tessel-make-samples --fuzz-seeds
# plus data/Samples; those of image_reader are small images of every format made by
# make_image_seeds; those of svg_import are the files in fuzz/svg_seeds/; those of
# brush_reader are small brushes and libraries made by tessel-make-brushes --fuzz-seeds;
# those of library_files are the shipped styles, objects and gene libraries of data/;
# those of rich_jpeg are those projects exported as Editable Rich JPG by tessel-cli.
# The growing corpus stays in build-fuzz/corpus/<target>/. Crashing inputs are written
# to $TESSEL_FUZZ_ARTIFACTS (default build-fuzz/artifacts/); replay one with
#   build-fuzz/fuzz/<target>_fuzz FILE
# Exits non-zero when the fuzzer found a crash.
set -euo pipefail
cd "$(dirname "$0")/.."

target=project_reader
if [ "${1:-}" = "--target" ]; then
  target=${2:-}
  shift 2 || { echo "fuzz.sh: --target needs a name (see --help)" >&2; exit 2; }
fi
case "$target" in
  project_reader|image_reader|svg_import|brush_reader|library_files|rich_jpeg) ;;
  *) echo "fuzz.sh: unknown target '$target' (see --help)" >&2; exit 2 ;;
esac

seconds=60
case "${1:-}" in
  -h|--help) sed -n '2,15s/^# \{0,1\}//p' "$0"; exit 0 ;;
  ''|--) ;;
  *[!0-9]*) echo "fuzz.sh: SECONDS must be a number (see --help)" >&2; exit 2 ;;
  *) seconds=$1; shift ;;
esac
[ "${1:-}" = "--" ] && shift

build_dir=${TESSEL_FUZZ_BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ TESSEL_BUILD_DIR=$build_dir ./scripts/setup.sh \
  -DTESSEL_BUILD_FUZZ=ON -DTESSEL_SANITIZE=ON -DTESSEL_BUILD_GUI=OFF \
  -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF

seeds=$build_dir/seeds/$target
corpus=$build_dir/corpus/$target
artifacts=${TESSEL_FUZZ_ARTIFACTS:-$build_dir/artifacts}
mkdir -p "$seeds" "$corpus" "$artifacts"
# The seed tools themselves run under the sanitizers; leaks there are not the reader's.
options=()
if [ "$target" = project_reader ]; then
  ASAN_OPTIONS=detect_leaks=0 "$build_dir/tools/tessel-make-samples" --fuzz-seeds "$seeds"
  cp data/Samples/*.tsl "$seeds/"
  options=(-dict=fuzz/project_file.dict)
elif [ "$target" = svg_import ]; then
  cp fuzz/svg_seeds/*.svg "$seeds/"
  options=(-dict=fuzz/svg.dict -max_len=65536)
elif [ "$target" = brush_reader ]; then
  ASAN_OPTIONS=detect_leaks=0 "$build_dir/tools/tessel-make-brushes" --fuzz-seeds "$seeds"
elif [ "$target" = library_files ]; then
  cp data/Styles/Lib1/*.sty data/Objects/Basic/Object1.obj data/*.dna "$seeds/"
elif [ "$target" = rich_jpeg ]; then
  projects=$build_dir/seeds/rich_jpeg_projects
  mkdir -p "$projects"
  ASAN_OPTIONS=detect_leaks=0 "$build_dir/tools/tessel-make-samples" --fuzz-seeds "$projects"
  cp data/Samples/*.tsl "$projects/"
  for p in "$projects"/*.tsl; do
    ASAN_OPTIONS=detect_leaks=0 TESSEL_USER_HOME=$build_dir/seeds TESSEL_CONFIG=$build_dir/seeds/Tessel.ini \
      "$build_dir/src/tessel-cli" export -q "$p" "$seeds/$(basename "$p" .tsl).jpg" --type rjpg --quality 10 \
      || true
  done
  options=(-dict=fuzz/rich_jpeg.dict)
else
  ASAN_OPTIONS=detect_leaks=0 "$build_dir/fuzz/make_image_seeds" "$seeds"
fi

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$build_dir/fuzz/${target}_fuzz" \
  -max_total_time="$seconds" -print_final_stats=1 \
  "${options[@]}" -artifact_prefix="${artifacts%/}/" \
  "$@" "$corpus" "$seeds"
