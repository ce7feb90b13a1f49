#!/usr/bin/env bash
# Fails when the build or the tests use a Debian package that tools/packages.txt does not install,
# either itself or as a declared dependency (Depends or Pre-Depends, not Recommends) of a package it
# installs. A machine where the package happened to be installed by hand would hide the gap; this
# check finds it anyway.
#
#   tools/check_deps.sh BUILD_DIR [PACKAGE_LIST]
#
# What is checked: every *_DIR and *_LIBRARY entry of BUILD_DIR/CMakeCache.txt under /usr (the
# CMake packages and libraries the configure step found), the programs the build and the tests run,
# and the Japanese font files.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:?usage: check_deps.sh BUILD_DIR [PACKAGE_LIST]}"
list="${2:-$here/packages.txt}"
cache="$build/CMakeCache.txt"
[ -f "$cache" ] || { echo "check_deps: no $cache (configure first)" >&2; exit 2; }

# Paths the build and the tests use.
# A package directory stands for its config files: the directory itself may be shared by several
# packages while the config file that the configure step read belongs to one.
paths=()
while IFS= read -r p; do
    configs=()
    if [ -d "$p" ]; then
        while IFS= read -r f; do configs+=("$f"); done < <(
            find "$p" -maxdepth 1 \( -name '*Config.cmake' -o -name '*-config.cmake' \) | sort)
    fi
    if [ "${#configs[@]}" -gt 0 ]; then paths+=("${configs[@]}"); else paths+=("$p"); fi
done < <(sed -n 's/^[A-Za-z0-9_]*_\(DIR\|LIBRARY\|LIBRARY_RELEASE\):[A-Z]*=\(\/usr\/.*\)$/\2/p' "$cache" |
    sort -u)
for program in cmake c++ make clang-format pdftotext pdftoppm Xvfb xvfb-run xauth; do
    if p="$(command -v "$program")"; then paths+=("$p"); else paths+=("/missing/program/$program"); fi
done
if command -v fc-match >/dev/null; then
    for font in IPAGothic IPAMincho IPAexGothic; do paths+=("$(fc-match -f '%{file}' "$font")"); done
fi

# The packages installed through the list: the list and everything it depends on, transitively.
closure="$(mktemp)"
trap 'rm -f "$closure"' EXIT
{
    sed 's/#.*//' "$list" | tr -s ' \t' '\n' | sed '/^$/d' | sed 's/^/ROOT\t/'
    dpkg-query -W -f='PKG\t${Package}\t${Depends}, ${Pre-Depends}\t${Provides}\n'
} | awk -F'\t' '
    function clean(name) {
        gsub(/\(.*\)/, "", name); gsub(/:[a-z0-9]+/, "", name); gsub(/[ \t]/, "", name)
        return name
    }
    $1 == "ROOT" { roots[++nroots] = $2; next }
    $1 == "PKG" {
        pkg = $2; installed[pkg] = 1; deps[pkg] = $3
        n = split($4, provided, ",")
        for (i = 1; i <= n; i++) {
            v = clean(provided[i]); if (v != "") providers[v] = providers[v] " " pkg
        }
    }
    END {
        for (i = 1; i <= nroots; i++) { queue[++tail] = roots[i]; seen[roots[i]] = 1 }
        for (head = 1; head <= tail; head++) {
            name = queue[head]
            # A virtual name stands for every installed package that provides it.
            targets = installed[name] ? name : ""
            if (name in providers) targets = targets providers[name]
            nt = split(targets, list, " ")
            for (t = 1; t <= nt; t++) {
                pkg = list[t]; if (pkg == "") continue
                if (!(pkg in done)) { done[pkg] = 1; print pkg }
                nd = split(deps[pkg], alternatives, ",")
                for (d = 1; d <= nd; d++) {
                    na = split(alternatives[d], choice, "|")
                    for (a = 1; a <= na; a++) {
                        dep = clean(choice[a])
                        if (dep != "" && !(dep in seen)) { seen[dep] = 1; queue[++tail] = dep }
                    }
                }
            }
        }
    }' | sort -u >"$closure"

status=0
checked=0
for path in "${paths[@]}"; do
    owners="$(dpkg -S "$path" 2>/dev/null || true)"
    if [ -z "$owners" ] && [ -e "$path" ]; then
        owners="$(dpkg -S "$(readlink -f "$path")" 2>/dev/null || true)"
    fi
    if [ -z "$owners" ]; then
        if [ ! -e "$path" ]; then
            echo "check_deps: $path is used but missing" >&2
            status=1
        fi
        continue  # made by the build or by an alternatives link: owned by no package
    fi
    checked=$((checked + 1))
    # "pkg1:amd64, pkg2: /path" (a directory may be owned by several packages): any one will do.
    names="$(printf '%s\n' "$owners" | sed 's/: \/.*$//' | tr ',' '\n' | sed 's/:[a-z0-9]*$//; s/^ *//' |
        grep -v '^diversion by' | sort -u)"
    if ! printf '%s\n' "$names" | grep -qxFf "$closure"; then
        echo "check_deps: $path comes from $(echo $names | tr ' ' ','), which $list does not install" >&2
        status=1
    fi
done
if [ "$status" -eq 0 ]; then
    echo "check_deps: $checked paths, every package installed through $(basename "$list")"
fi
exit "$status"
