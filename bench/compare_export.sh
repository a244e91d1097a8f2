#!/usr/bin/env bash
# Compares the export engine with the usual tools on one 1800 x 1500 picture:
#   JPEG quality 95          against  cjpeg -quality 95
#   256 colours, Floyd-Steinberg  against  convert -dither FloydSteinberg -colors 256
#   50 % Hamming resize      against  convert -filter Hamming -resize 50%
# and prints time ratios (ours / theirs; below 1 means faster) and, for the palette and
# the resize, the mean error of each result (levels 0..255, over all channels).
#
#   bench/compare_export.sh            (builds build-bench in Release when needed)
#
# Installs imagemagick and libjpeg-turbo-progs when missing (benchmark use only). Our
# times come from export_bench (in-memory work); theirs are the best of five runs of
# the command, less the best of five runs that only read and write the same files; all
# are CPU times.
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
command -v cjpeg >/dev/null || need+=(libjpeg-turbo-progs)
[ -x /usr/bin/convert ] && /usr/bin/convert -version 2>/dev/null | grep -q ImageMagick || need+=(imagemagick)
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${need[@]}"
fi
convert=/usr/bin/convert
compare=/usr/bin/compare

build=${TESSEL_BENCH_BUILD_DIR:-build-bench}
if [ ! -x "$build/bench/export_bench" ] || [ ! -x "$build/src/tessel-cli" ]; then
  TESSEL_BUILD_DIR=$build TESSEL_BUILD_TYPE=Release scripts/setup.sh >/dev/null
fi
cmake --build "$build" --target export_bench tessel-cli -j2 >/dev/null

work=$(mktemp -d /tmp/tessel-export-compare.XXXXXX)
trap 'rm -rf "$work"' EXIT
export TESSEL_USER_HOME=$work TESSEL_CONFIG=$work/Tessel.ini

# A photo-like picture: fractal plasma, softened. Every tool reads the same pixels.
$convert -seed 7 -size 1800x1500 plasma:fractal -blur 0x1.5 -quality 100 "$work/input.jpg"
$convert "$work/input.jpg" "$work/input.ppm"
$convert "$work/input.jpg" "$work/input.png"

# CPU time (user + system, all threads) rather than wall time: the figures then hold
# on a busy machine too, and a tool that runs on several cores is charged for each.
best_of_5() {  # prints the best CPU time in milliseconds of the command
  local best= t
  for _ in 1 2 3 4 5; do
    t=$( { TIMEFORMAT='%U %S'; time "$@" >/dev/null 2>&1; } 2>&1 | awk '{ printf "%d", ($1 + $2) * 1000 }')
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  echo "$best"
}

TESSEL_BENCH_INPUT=$work/input.png "$build/bench/export_bench" --benchmark_format=json \
  --benchmark_filter='BM_JpegQuality95|BM_Palette256FloydSteinberg|BM_ResizeHalf/3$' >"$work/ours.json"
ours() { jq -r ".benchmarks[] | select(.name | startswith(\"$1\")) | .cpu_time" "$work/ours.json" | head -1; }

io_ppm=$(best_of_5 $convert "$work/input.ppm" "$work/io.ppm")
jpeg_theirs=$(best_of_5 cjpeg -quality 95 -outfile "$work/theirs.jpg" "$work/input.ppm")
palette_theirs=$(best_of_5 $convert "$work/input.ppm" -dither FloydSteinberg -colors 256 "$work/theirs8.ppm")
resize_theirs=$(best_of_5 $convert "$work/input.ppm" -filter Hamming -resize 50% "$work/half.ppm")

# Mean error in levels: ImageMagick's MAE is normalised to 0..1.
mae() { $compare -metric MAE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p' | awk '{printf "%.2f", $1 * 255}'; }
cli=$build/src/tessel-cli
$cli export -q "$work/input.jpg" "$work/ours8.png" --type png8 --dither fs
$cli export -q "$work/input.jpg" "$work/ours_half.png" --type png --size 900x750 --filter hamming
$convert "$work/theirs8.ppm" "$work/theirs8.png"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b <= 0) b = 1; printf "%.2f", a / b }'; }
printf '%-34s %10s %10s %8s\n' "operation (1800 x 1500), CPU time" "ours ms" "theirs ms" "ratio"
j=$(ours BM_JpegQuality95)
printf '%-34s %10.1f %10d %8s\n' "JPEG q95 vs cjpeg" "$j" "$jpeg_theirs" "$(ratio "$j" "$jpeg_theirs")"
p=$(ours BM_Palette256FloydSteinberg); pt=$((palette_theirs - io_ppm))
printf '%-34s %10.1f %10d %8s\n' "256 colours FS vs convert" "$p" "$pt" "$(ratio "$p" "$pt")"
r=$(ours BM_ResizeHalf/3); rt=$((resize_theirs - io_ppm))
printf '%-34s %10.1f %10d %8s\n' "50 % Hamming vs convert" "$r" "$rt" "$(ratio "$r" "$rt")"
echo "(convert read+write alone: $io_ppm ms, subtracted from its times)"
echo "palette mean error vs original: ours $(mae "$work/input.png" "$work/ours8.png")," \
  "ImageMagick $(mae "$work/input.png" "$work/theirs8.png") levels"
echo "resize: mean difference ours vs ImageMagick $(mae "$work/ours_half.png" "$work/half.ppm") levels"
