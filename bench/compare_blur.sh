#!/usr/bin/env bash
# Times ImageMagick's separable -blur and two-dimensional -gaussian-blur next to the
# program's Gaussian blur (BM_BlurPlane of bevel_bench) on the same 1800 × 1500 grey
# picture (an ellipse with a soft rim, the shape a bevel blurs) at the same σ = radius + 0.5.
#
#   bench/compare_blur.sh [radius ...]        (default radii: 1 3 10 30)
#
# Needs the Release benchmarks:
#   TESSEL_BUILD_DIR=build-bench TESSEL_BUILD_TYPE=Release scripts/setup.sh
# Installs ImageMagick with apt-get when /usr/bin/convert is missing (benchmark only).
# ImageMagick's times are the best of RUNS runs (default 2) of `convert in.pgm OP null:`
# minus the best of the same command without OP (reading the file); a run longer than
# LIMIT seconds (default 300) is stopped and shown as ">LIMIT". CPU is user + system time
# of all threads; both programs may use both cores.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-2}
limit=${LIMIT:-300}
radii=("$@")
[ ${#radii[@]} -eq 0 ] && radii=(1 3 10 30)
bench=${TESSEL_BENCH_DIR:-build-bench}/bench/bevel_bench
convert=/usr/bin/convert

if ! [ -x "$convert" ]; then
  echo "Installing imagemagick for the comparison"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends imagemagick
fi
if ! [ -x "$bench" ]; then
  echo "$bench is missing; build it with: TESSEL_BUILD_DIR=build-bench TESSEL_BUILD_TYPE=Release scripts/setup.sh" >&2
  exit 1
fi
command -v jq >/dev/null || { echo "jq is missing (scripts/setup.sh installs it)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The benchmark's ellipse: 12-pixel border, soft rim.
"$convert" -size 1800x1500 xc:black -fill white -draw "ellipse 900,750 888,738 0,360" -blur 0x1 \
  -colorspace Gray -depth 8 "$work/in.pgm"

# "wall cpu" seconds of one command, or "" when it ran past the limit.
run_once() {
  local t0 t1 cpu
  t0=$(date +%s.%N)
  if ! /usr/bin/time -o "$work/time" -f "%U %S" timeout "$limit" "$@" >/dev/null 2>&1; then
    echo ""
    return
  fi
  t1=$(date +%s.%N)
  cpu=$(tail -1 "$work/time")
  awk -v a="$t0" -v b="$t1" -v c="$cpu" 'BEGIN { split(c, u, " "); printf "%.3f %.3f\n", b - a, u[1] + u[2] }'
}

# Best wall and best CPU of $runs runs, or "" when a run was stopped.
best_of() {
  local w="" c="" r
  for ((i = 0; i < runs; ++i)); do
    r=$(run_once "$@")
    [ -z "$r" ] && { echo ""; return; }
    w=$(awk -v a="${w:-1e9}" -v b="${r% *}" 'BEGIN { print (b < a) ? b : a }')
    c=$(awk -v a="${c:-1e9}" -v b="${r#* }" 'BEGIN { print (b < a) ? b : a }')
  done
  echo "$w $c"
}

base=$(best_of "$convert" "$work/in.pgm" null:)
ms() {  # "wall cpu" minus the reading baseline, in milliseconds; ">limit" when stopped
  [ -z "$1" ] && { echo ">${limit}s >${limit}s"; return; }
  awk -v r="$1" -v b="$base" 'BEGIN { split(r, x, " "); split(b, y, " ");
    w = (x[1] - y[1]) * 1000; c = (x[2] - y[2]) * 1000; if (w < 0) w = 0; if (c < 0) c = 0;
    printf "%.0f %.0f\n", w, c }'
}

filter=$(IFS='|'; echo "${radii[*]}")
json=$("$bench" --benchmark_filter="^BM_BlurPlane/(${filter})/" --benchmark_format=json 2>/dev/null)

printf "%-7s | %-21s | %-21s | %-21s\n" "sigma" "tessel wall/cpu ms" "IM -blur wall/cpu ms" "IM -gaussian-blur"
for r in "${radii[@]}"; do
  sigma=$(awk -v r="$r" 'BEGIN { printf "%.1f", r + 0.5 }')
  ours=$(jq -r --arg n "BM_BlurPlane/$r/" \
    '.benchmarks[] | select(.name | startswith($n)) | "\(.real_time|floor) \(.cpu_time|floor)"' <<<"$json" | head -1)
  blur=$(ms "$(best_of "$convert" "$work/in.pgm" -blur "0x$sigma" null:)")
  gauss=$(ms "$(best_of "$convert" "$work/in.pgm" -gaussian-blur "0x$sigma" null:)")
  printf "%-7s | %-21s | %-21s | %-21s\n" "$sigma" "${ours/ / / }" "${blur/ / / }" "${gauss/ / / }"
done
