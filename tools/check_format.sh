#!/usr/bin/env bash
# Fails when a C++ source of the project is not clang-format clean.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | grep -v '^./build')
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
if ! clang-format --dry-run -Werror $files; then
    echo "clang-format: the files above need formatting (clang-format -i FILE)" >&2
    exit 1
fi
echo "clang-format: clean"
