#!/usr/bin/env bash
# Runs the client-window tool offscreen on a 1280x1024 screen.
#   tools/client_windows.sh timing [CLIENTS] [APPRAISE]
#   tools/client_windows.sh screenshots [OUTPUT_FOLDER]   (default: build/screenshots)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SUIMEI_BUILD_DIR:-$here/build}"
cmake --build "$build" --target client_windows stage_runtime_files -j 2 >/dev/null
config="$(mktemp --suffix=.json)"
trap 'rm -f "$config"' EXIT
cat >"$config" <<'JSON'
{"screens":[{"name":"s1","x":0,"y":0,"width":1280,"height":1024,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]}
JSON
mode="${1:-timing}"
shift || true
if [ "$mode" = screenshots ]; then
    set -- "${1:-$build/screenshots}" "$build/app-dir"
fi
QT_QPA_PLATFORM="offscreen:configfile=$config" SUIMEI_TEST=1 \
    "$build/tools/client_windows" "$mode" "$@" 2> >(grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR >&2)
