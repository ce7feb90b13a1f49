#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/tools/install_deps.sh"
"$here/tools/build.sh"
build="${SUIMEI_BUILD_DIR:-$here/build}"
"$here/tools/check_format.sh"
"$here/tools/check_layers.sh"
"$here/tools/check_deps.sh" "$build"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
