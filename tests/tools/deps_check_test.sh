#!/usr/bin/env bash
# The dependency check passes with the project's list and fails, naming the package, when a
# package the build uses is taken out of the list.
#   deps_check_test.sh BUILD_DIR
set -euo pipefail
tools="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools" && pwd)"
build="$1"
"$tools/check_deps.sh" "$build"

list="$(mktemp)"
trap 'rm -f "$list"' EXIT
for package in qt6-charts-dev libqt6opengl6-dev libsqlite3-dev poppler-utils fonts-ipafont; do
    sed "s/\(^\|[[:space:]]\)$package\([[:space:]]\|$\)/\1\2/" "$tools/packages.txt" >"$list"
    if out="$("$tools/check_deps.sh" "$build" "$list" 2>&1)"; then
        echo "not caught: $package left out of the list" >&2
        exit 1
    fi
    if ! grep -q "$package" <<<"$out"; then
        echo "the message does not name $package: $out" >&2
        exit 1
    fi
done
echo "dependency check: every package left out is named"
