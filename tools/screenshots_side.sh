#!/usr/bin/env bash
# Takes PNG screenshots of the side windows (settings, graph weights, twelve-stage points, time
# difference, date input, Taiwan calendar, hidden-stem tables, twelve-stage chart, and the chart's
# explanation and diagram windows after a run, the Nine Star Ki windows with their printed reading as a PDF) offscreen on a 1280x1024 screen. Usage: tools/screenshots_side.sh [output folder] (default build/screenshots).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SUIMEI_BUILD_DIR:-$here/build}"
out="${1:-$build/screenshots}"
tests="$build/tests/ui_tests"
[ -x "$tests" ] || { echo "build the window tests first (tools/build.sh): $tests" >&2; exit 1; }

mkdir -p "$out"
out="$(cd "$out" && pwd)"
screen="$(mktemp --suffix=.json)"
trap 'rm -f "$screen"' EXIT
cat >"$screen" <<'JSON'
{"screens":[{"name":"s1","x":0,"y":0,"width":1280,"height":1024,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]}
JSON

QT_QPA_PLATFORM="offscreen:configfile=$screen" SUIMEI_SCREENSHOT_DIR="$out" SUIMEI_TEST=1 \
    "$tests" --gtest_filter='SideWindowLayout.*:ChartDiagramWindows.EveryWindow*:NineStarWindows.*' >/dev/null 2> >(grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR >&2)
ls -1 "$out"/*.png
