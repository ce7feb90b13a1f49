#!/usr/bin/env bash
# The layering check passes on the project and fails, naming the line, on each kind of break.
set -euo pipefail
tools="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools" && pwd)"
"$tools/check_layers.sh" "$(cd "$tools/.." && pwd)"

tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{core/ui,calendar/ui,chart/ui,readings,app/ui,cli}
printf '#include "core/notifier.h"\n#include <vector>\n' >"$tree/calendar/ok.cpp"
printf '#include "chart/mandata.h"\n#include "core/ui/workbench.h"\n#include "calendar/ui/x.h"\n' \
    >"$tree/calendar/ui/ok.cpp"
"$tools/check_layers.sh" "$tree"

expect_failure() {  # file, text, what the message must name
    printf '%b' "$2" >"$tree/$1"
    if out="$("$tools/check_layers.sh" "$tree" 2>&1)"; then
        echo "not caught: $1: $2" >&2
        exit 1
    fi
    if ! grep -qF "$3" <<<"$out"; then
        echo "wrong message for $1: $out" >&2
        exit 1
    fi
    rm "$tree/$1"
}
expect_failure calendar/a.cpp '#include "app/settings.h"\n' 'calendar/a.cpp:1 includes app/settings.h'
expect_failure chart/b.h '#include <vector>\n#include <QString>\n' 'chart/b.h:2'
expect_failure readings/c.cpp '#include "readings/ui/page.h"\n' 'never includes a window'
expect_failure core/d.cpp '#include "calendar/types.h"\n' 'calendar/ lies above core/'
expect_failure chart/ui/e.cpp '#include "app/ui/main_window.h"\n' 'window registry'
expect_failure core/ui/f.cpp '#include "app/settings.h"\n' 'core/ui sees only core/'
expect_failure app/ui/g.cpp '#include "desktop/subsystems.h"\n' 'desktop/'
expect_failure cli/h.cpp '#include <QCoreApplication>\n' 'never uses Qt'
echo "layer check: every break caught"
