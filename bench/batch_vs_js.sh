#!/usr/bin/env bash
# The batch's rate against a widely used JavaScript calendar library, on the same clients:
#   bench/batch_vs_js.sh [N] [BUILD]
# N clients (default 100000) are written by bench/make_clients.sh; suimei-cli batch runs with one
# job and with one per core, as text and as JSON, its output going to /dev/null. The library is
# run by bench/js_baseline.js when node and the library (npm lunar-javascript 1.7.7, found through
# NODE_PATH or in /tmp/jsbench) are there. Rates are charts per second of wall time; the CPU
# seconds are given too, since a shared machine slows the wall clock of every run.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
n="${1:-100000}"
build="${2:-$here/build}"
cli="$build/app-dir/suimei-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$here/bench/make_clients.sh" "$n" >"$work/clients.csv"

# Runs a command with its output to /dev/null; prints "wall cpu" in seconds.
timed() {
    local start end
    start=$(date +%s.%N)
    /usr/bin/time -f "%U %S" -o "$work/cpu" "$@" >/dev/null 2>"$work/err" || true
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" '{ printf "%.2f %.2f\n", e - s, $1 + $2 }' "$work/cpu"
}

printf '%-36s %8s %8s %11s %11s\n' "run ($n clients)" "wall s" "cpu s" "charts/s" "per cpu s"
report() {
    local key="$1" name="$2" wall cpu
    shift 2
    read -r wall cpu < <(timed "$@")
    awk -v n="$n" -v name="$name" -v w="$wall" -v c="$cpu" \
        'BEGIN { printf "%-36s %8.2f %8.2f %11.0f %11.0f\n", name, w, c, n / w, n / c }'
    printf '%s %s %s\n' "$key" "$wall" "$cpu" >>"$work/results"
}
export SUIMEI_HOME="$build/app-dir"
for format in text json; do
    flag=""
    [ "$format" = json ] && flag="--json"
    report "$format-1" "suimei-cli batch $format --jobs 1" "$cli" batch --csv "$work/clients.csv" \
        --today 2026/12/10 --jobs 1 $flag
    report "$format-all" "suimei-cli batch $format (all cores)" "$cli" batch \
        --csv "$work/clients.csv" --today 2026/12/10 $flag
done
export NODE_PATH="${NODE_PATH:-/tmp/jsbench/node_modules}"
if command -v node >/dev/null && [ -d "$NODE_PATH/lunar-javascript" ]; then
    report js-text "JavaScript library" node "$here/bench/js_baseline.js" "$work/clients.csv"
    report js-json "JavaScript library --json" node "$here/bench/js_baseline.js" \
        "$work/clients.csv" --json
    awk '{ wall[$1] = $2; cpu[$1] = $3 }
        END {
            printf "times the library, by wall clock: text %.1fx (one job), %.1fx (all cores); ",
                wall["js-text"] / wall["text-1"], wall["js-text"] / wall["text-all"]
            printf "JSON %.1fx, %.1fx\n", wall["js-json"] / wall["json-1"], wall["js-json"] / wall["json-all"]
            printf "times the library, by CPU seconds: text %.1fx, JSON %.1fx\n",
                cpu["js-text"] / cpu["text-1"], cpu["js-json"] / cpu["json-1"]
        }' "$work/results"
else
    echo "(the JavaScript library is not installed: mkdir -p /tmp/jsbench && cd /tmp/jsbench &&"
    echo " npm install lunar-javascript@1.7.7)"
fi
