#!/usr/bin/env bash
# Times loading and rendering the poster sample to a PNG with tessel-cli next to
# Inkscape and rsvg-convert rendering an SVG of the same shapes with Gaussian drop
# shadows and glows. Inkscape and librsvg2-bin are installed here if missing; they are
# only needed for this comparison. Best of three runs each, in seconds.
#
#   bench/compare_render.sh [BUILD_DIR]     (default build-bench, a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
cli="$build/src/tessel-cli"
[ -x "$cli" ] || { echo "compare_render.sh: build $cli first (TESSEL_BUILD_TYPE=Release)" >&2; exit 1; }
missing=()
command -v inkscape >/dev/null || missing+=(inkscape)
command -v rsvg-convert >/dev/null || missing+=(librsvg2-bin)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}" >/dev/null
fi
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
python3 bench/make_poster_svg.py "$work/poster.svg"

best() {  # best wall time of three runs of the command, in seconds
  python3 - "$@" <<'PY'
import subprocess, sys, time
times = []
for _ in range(3):
    start = time.perf_counter()
    subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    times.append(time.perf_counter() - start)
print(f"{min(times):.3f}")
PY
}
printf '%-46s %8s\n' "renderer (poster, 1800 x 1500, to PNG)" "seconds"
printf '%-46s %8s\n' "tessel-cli render (load, render, composite)" "$(best "$cli" -q render data/Samples/Poster.tsl "$work/t.png")"
printf '%-46s %8s\n' "rsvg-convert" "$(best rsvg-convert -o "$work/r.png" "$work/poster.svg")"
printf '%-46s %8s\n' "inkscape --export-type=png" "$(best inkscape --export-type=png --export-filename="$work/i.png" "$work/poster.svg")"
