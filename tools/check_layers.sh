#!/usr/bin/env bash
# Fails when a source breaks the layering of the program:
#  - an engine file (core/, calendar/, chart/, readings/, methods/, print/, app/ outside their ui/)
#    includes a Qt header, any ui/ file, or a file of an engine folder above its own
#    (core < calendar < chart < readings < methods < print < app);
#  - a ui/ file of one subsystem includes another subsystem's ui/ (they meet through the window
#    registry of core/ui; only desktop/ puts them together);
#  - core/ui includes anything of a folder other than core/;
#  - the command line includes Qt or a ui/ file.
#
#   tools/check_layers.sh [SOURCE_ROOT]
set -euo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root"

status=0
count=0
fail() {
    echo "check_layers: $1" >&2
    status=1
}
rank() {
    case "$1" in
        core) echo 0 ;; calendar) echo 1 ;; chart) echo 2 ;; readings) echo 3 ;;
        methods) echo 4 ;; print) echo 5 ;; app) echo 6 ;; *) echo -1 ;;
    esac
}

while IFS= read -r file; do
    count=$((count + 1))
    top="${file%%/*}"
    case "$file" in */ui/*) ui=1 ;; *) ui=0 ;; esac
    own=$(rank "$top")
    while IFS= read -r line; do
        number="${line%%:*}"
        target="$(printf '%s' "$line" | sed -n 's/^[0-9]*:[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]\([^>"]*\)[>"].*/\1/p')"
        [ -n "$target" ] || continue
        where="$file:$number includes $target"
        qt=0
        case "$target" in Q[A-Za-z]* | Qt*/*) qt=1 ;; esac
        dir="${target%%/*}"
        [ "$dir" = "$target" ] && dir=""
        case "$target" in */ui/*) target_ui=1 ;; *) target_ui=0 ;; esac
        if [ "$top" = cli ]; then
            [ "$qt" = 1 ] && fail "$where: the command line never uses Qt"
            [ "$target_ui" = 1 ] && fail "$where: the command line never uses a window"
            continue
        fi
        if [ "$ui" = 0 ]; then
            [ "$qt" = 1 ] && fail "$where: the engine never includes Qt"
            [ "$target_ui" = 1 ] && fail "$where: the engine never includes a window"
            case "$dir" in desktop | cli | tools | tests) fail "$where: not a folder of the engine" ;; esac
            other=$(rank "$dir")
            if [ "$other" -gt "$own" ]; then fail "$where: $dir/ lies above $top/"; fi
            continue
        fi
        # A ui/ file.
        [ "$dir" = desktop ] && fail "$where: only the program's main uses desktop/"
        if [ "$top" = core ]; then
            if [ -n "$dir" ] && [ "$dir" != core ]; then fail "$where: core/ui sees only core/"; fi
            continue
        fi
        if [ "$target_ui" = 1 ] && [ "$dir" != "$top" ] && [ "$dir" != core ]; then
            fail "$where: subsystems meet through the window registry, not each other's windows"
        fi
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h'
    else
        find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||'
    fi | grep -E '^(core|calendar|chart|readings|methods|print|app|cli)/' | sort)

if [ "$status" -eq 0 ]; then echo "check_layers: $count files, the layering holds"; fi
exit "$status"
