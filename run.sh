#!/usr/bin/env bash
# Installs what is missing, builds, and starts the workbench.
# ./run.sh            starts the demo
# ./run.sh ARGS...    passes ARGS to suimei-cli
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/tools/install_deps.sh"
"$here/tools/build.sh"
app="${SUIMEI_BUILD_DIR:-$here/build}/app-dir"
if [ "$#" -gt 0 ]; then
    exec "$app/suimei-cli" "$@"
fi
exec "$here/tools/demo.sh" "$app"
