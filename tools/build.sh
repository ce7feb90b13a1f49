#!/usr/bin/env bash
# Configures and builds the project into build/ (or $SUIMEI_BUILD_DIR).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SUIMEI_BUILD_DIR:-$here/build}"
type="${SUIMEI_BUILD_TYPE:-RelWithDebInfo}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE="$type" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
