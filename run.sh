#!/usr/bin/env bash
# Installs what is missing, builds, and starts the workbench.
# ./run.sh            starts the desktop workbench (the command-line demo when there is no display)
# ./run.sh ARGS...    passes ARGS to suimei-cli
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/tools/install_deps.sh"
"$here/tools/build.sh"
app="${SUIMEI_BUILD_DIR:-$here/build}/app-dir"
if [ "$#" -gt 0 ]; then
    exec "$app/suimei-cli" "$@"
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$app/suimei"
fi
echo "No display found (DISPLAY is not set): showing the command-line demo instead." >&2
echo "Start the workbench on a desktop with: $app/suimei" >&2
exec "$here/tools/demo.sh" "$app"
