#!/usr/bin/env bash
# Sets up and builds Tessel (installing what is missing on a fresh Debian 12 machine),
# then opens a project in the desktop program. Without a display (neither $DISPLAY nor
# $WAYLAND_DISPLAY set) it prints a summary of what the file holds and renders it to a
# PNG with tessel-cli instead.
#
#   scripts/run.sh [FILE.tsl]    default: data/Samples/Welcome.tsl
#
# The PNG goes to build/run/<name>.png (the build folder is $TESSEL_BUILD_DIR when set).
set -euo pipefail

case "${1:-}" in
  -h|--help) sed -n '2,9s/^# \{0,1\}//p' "$0"; exit 0 ;;
esac
if [ $# -gt 1 ]; then
  echo "usage: scripts/run.sh [FILE.tsl]" >&2
  exit 2
fi
# Resolve the file against the caller's folder before moving to the source tree.
file=""
if [ $# -eq 1 ]; then
  [ -f "$1" ] || { echo "run.sh: no such file: $1" >&2; exit 1; }
  file=$(realpath "$1")
fi
cd "$(dirname "$0")/.."
file=${file:-$PWD/data/Samples/Welcome.tsl}

build_dir=${TESSEL_BUILD_DIR:-build}
TESSEL_BUILD_DIR=$build_dir ./scripts/setup.sh
cli=$build_dir/src/tessel-cli
gui=$build_dir/src/app/tessel

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  if [ -x "$gui" ]; then
    echo "Opening $file"
    exec "$gui" "$file"
  fi
  echo "run.sh: $gui was not built (is qt6-base-dev installed?); showing the project with tessel-cli" >&2
else
  echo "run.sh: no display (DISPLAY and WAYLAND_DISPLAY are empty); showing the project with tessel-cli"
fi

# One summary of the project from its JSON description.
summary() {
  jq -r '
    def rgb: "rgb(\(. % 256), \((. / 256 | floor) % 256), \((. / 65536 | floor) % 256))";
    def pad($n): . + (" " * ([$n - length, 0] | max));
    def lpad($n): (" " * ([$n - length, 0] | max)) + .;
    "Format:    \(.magic) (version \(.version))",
    "Canvas:    \(.m_width) x \(.m_height), background \(.m_background | rgb)",
    "Objects:   \(.objects | length)",
    (.objects | to_entries[] |
      "  \(.key + 1 | tostring | lpad(3))  \(.value.m_name | if . == "" then "(unnamed)" else . end | pad(12))"
      + "  at \(.value.m_left),\(.value.m_top) size \(.value.m_width) x \(.value.m_height)"
      + "  colour \(.value.m_color | rgb)"),
    "Groups:    \(.groups | length)",
    "Textures:  \(.textures | length)",
    "Messages:  \(.messages | join(" | "))"
  ' "$1"
}

info_json=$(mktemp)
trap 'rm -f "$info_json"' EXIT
echo
echo "Project:   $file"
if ! "$cli" info "$file" --json -q >"$info_json"; then
  echo "run.sh: tessel-cli could not load $file" >&2
  exit 1
fi
summary "$info_json"

mkdir -p "$build_dir/run"
png=$PWD/$build_dir/run/$(basename "${file%.*}").png
if render_err=$("$cli" render "$file" "$png" -q 2>&1); then
  echo
  echo "Rendered:  $png"
  exit 0
fi
echo
echo "$render_err"
exit 1
