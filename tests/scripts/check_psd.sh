#!/usr/bin/env bash
# Outside check of the layered PSD writer: the file the PSD tests write must open in
# ImageMagick (merged picture and every layer) and in GIMP (as three layers).
# Installs imagemagick and gimp when missing (this script only; not a build need).
#
#   tests/scripts/check_psd.sh [BUILD_DIR]     (default build/)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}

need=()
command -v identify >/dev/null || need+=(imagemagick)
command -v gimp >/dev/null || need+=(gimp)
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${need[@]}"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
TESSEL_KEEP_OUTPUT=$out "$build/tests/tessel_tests" --gtest_filter='PsdDocTest.HeaderLayerRecordsAndMergedImage' >/dev/null
psd=$out/doc.psd
[ -f "$psd" ] || { echo "check_psd: the test wrote no PSD" >&2; exit 1; }

# ImageMagick: the merged picture first, then the shadow, the rectangle and the ball.
identify "$psd"
frames=$(identify "$psd" | wc -l)
[ "$frames" -eq 4 ] || { echo "check_psd: identify sees $frames pictures, expected 4" >&2; exit 1; }
[ "$(identify -format '%wx%h' "$psd[0]")" = "40x30" ] || { echo "check_psd: merged picture size" >&2; exit 1; }
convert "$psd[1]" "$out/layer.png"
identify "$out/layer.png"
# The rectangle layer keeps its blend mode and name.
identify -verbose "$psd[2]" | grep -Ei 'label: A rectangle|compose: Multiply' || true

# GIMP: the file loads with three layers named as the objects.
gimp -i -d -f -b "(let* ((image (car (gimp-file-load RUN-NONINTERACTIVE \"$psd\" \"$psd\")))
                         (layers (gimp-image-get-layers image)))
                    (gimp-message (string-append \"layers=\" (number->string (car layers))
                                   \" top=\" (car (gimp-item-get-name (aref (cadr layers) 0))))))" \
     -b '(gimp-quit 0)' >"$out/gimp.log" 2>&1 || true
cat "$out/gimp.log"
grep -q "layers=3" "$out/gimp.log" || { echo "check_psd: GIMP did not load three layers" >&2; exit 1; }
echo "check_psd: PSD opens in ImageMagick and GIMP"
