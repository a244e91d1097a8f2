#!/usr/bin/env bash
# Outside check of the SVG export: the shapes the SVG tests export must look in
# rsvg-convert and in Inkscape as tessel-cli renders the same project. Installs
# librsvg2-bin, inkscape and imagemagick (for the comparison) when missing (this script
# only; not a build need).
#
#   tests/scripts/check_svg.sh [BUILD_DIR]     (default build/)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
# Pixels allowed to differ by more than the fuzz: the anti-aliased edges of the shapes.
max_share_percent=4

need=()
command -v rsvg-convert >/dev/null || need+=(librsvg2-bin)
command -v inkscape >/dev/null || need+=(inkscape)
command -v compare >/dev/null || need+=(imagemagick)
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${need[@]}"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
TESSEL_KEEP_OUTPUT=$out "$build/tests/tessel_tests" --gtest_filter='SvgImportTest.ExportedShapesComeBack' >/dev/null
[ -f "$out/shapes.svg" ] || { echo "check_svg: the test wrote no SVG" >&2; exit 1; }

"$build/src/tessel-cli" render "$out/shapes.tsl" "$out/tessel.png" -q
rsvg-convert -b white "$out/shapes.svg" -o "$out/rsvg.png"
HOME=$out inkscape "$out/shapes.svg" --export-type=png --export-filename="$out/inkscape.png" \
  --export-background=white --export-background-opacity=1 >/dev/null 2>&1

status=0
total=$(identify -format '%[fx:w*h]' "$out/tessel.png")
for viewer in rsvg inkscape; do
  size=$(identify -format '%wx%h' "$out/$viewer.png")
  differing=$(compare -metric AE -fuzz 20% "$out/tessel.png" "$out/$viewer.png" null: 2>&1 || true)
  share=$(( ${differing%.*} * 100 / total ))
  echo "check_svg: $viewer $size, $differing of $total pixels differ (${share}%)"
  if [ "$size" != "200x150" ] || [ "$share" -ge "$max_share_percent" ]; then status=1; fi
done
[ $status -eq 0 ] && echo "check_svg: the SVG shows the document's shapes in rsvg-convert and Inkscape"
exit $status
