#!/usr/bin/env bash
# The command-line demo: a sample client's chart, the solar terms of the birth year and the old
# calendar of the birth date.
set -euo pipefail
app="$1"
cli="$app/suimei-cli"
echo "== 山田 花子 1984/02/10 07:00-09:00 女 =="
"$cli" appraise --name "山田 花子" --date 1984/02/10 --slot "07:00-09:00" --sex 女 || true
echo
echo "== 1984 の二十四節気 =="
"$cli" solar-terms --year 1984 || true
echo
echo "== 1984/02/10 の旧暦 =="
"$cli" old-calendar --date 1984/02/10 || true
