#!/usr/bin/env bash
# Takes PNG screenshots of the desktop windows offscreen on a 1280x1024 screen.
# tools/screenshots.sh [OUTPUT_FOLDER]   (default: build/screenshots)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SUIMEI_BUILD_DIR:-$here/build}"
out="${1:-$build/screenshots}"
cmake --build "$build" --target ui_screenshots stage_runtime_files -j 2 >/dev/null
mkdir -p "$out"
config="$(mktemp)"
trap 'rm -f "$config"' EXIT
cat >"$config" <<'JSON'
{"screens":[{"name":"s1","x":0,"y":0,"width":1280,"height":1024,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]}
JSON
QT_QPA_PLATFORM="offscreen:configfile=$config" SUIMEI_TEST=1 \
    "$build/tools/ui_screenshots" "$out" "$build/app-dir"
