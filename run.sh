#!/usr/bin/env bash
# Installs what is missing, builds, and starts the workbench.
# ./run.sh            starts the desktop workbench (the command-line demo when there is no display)
# ./run.sh ARGS...    passes ARGS to suimei-cli
# ./run.sh --install [PREFIX]
#                     installs the workbench into PREFIX (default ~/.local, or /usr/local as root)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/tools/install_deps.sh"
"$here/tools/build.sh"
build="${SUIMEI_BUILD_DIR:-$here/build}"
app="$build/app-dir"
if [ "${1:-}" = --install ]; then
    if [ "$(id -u)" -eq 0 ]; then default=/usr/local; else default="$HOME/.local"; fi
    prefix="${2:-$default}"
    cmake --install "$build" --prefix "$prefix" >/dev/null
    echo "Installed 推命ワークベンチ into $prefix:"
    echo "  programs          $prefix/bin/suimei, $prefix/bin/suimei-cli"
    echo "  application files $prefix/share/suimei-workbench"
    echo "  menu entry, icons $prefix/share/applications/suimei-workbench.desktop," \
        "$prefix/share/icons/hicolor/{scalable,48x48,256x256}/apps/suimei-workbench.{svg,png}"
    echo "Each user's settings go to ~/.config/suimei, client and reading tables to ~/.local/share/suimei."
    case ":$PATH:" in
    *":$prefix/bin:"*) ;;
    *) echo "Add $prefix/bin to PATH to start it as \"suimei\"." ;;
    esac
    exit 0
fi
if [ "$#" -gt 0 ]; then
    exec "$app/suimei-cli" "$@"
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$app/suimei"
fi
echo "No display found (DISPLAY is not set): showing the command-line demo instead." >&2
echo "Start the workbench on a desktop with: $app/suimei" >&2
exec "$here/tools/demo.sh" "$app"
