#!/usr/bin/env bash
# Demo until the desktop window exists: the pillars and solar terms of a sample birth.
set -euo pipefail
app="$1"
cli="$app/suimei-cli"
echo "== 1984/02/10 07:00-09:00 男 =="
"$cli" pillars --date 1984/02/10 --slot "07:00-09:00" --sex 男 || true
echo
echo "== 1984 の二十四節気 =="
"$cli" solar-terms --year 1984 || true
