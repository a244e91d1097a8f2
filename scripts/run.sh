#!/usr/bin/env bash
# Sets up and builds Tessel (installing what is missing on a fresh Debian 12 machine),
# then shows a project: renders it to a PNG with tessel-cli and prints a summary of
# what the file holds.
#
#   scripts/run.sh [FILE.tsl]    default: data/Samples/Welcome.tsl
#
# The PNG goes to build/run/<name>.png (the build folder is $TESSEL_BUILD_DIR when set).
set -euo pipefail

case "${1:-}" in
  -h|--help) sed -n '2,8s/^# \{0,1\}//p' "$0"; exit 0 ;;
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
