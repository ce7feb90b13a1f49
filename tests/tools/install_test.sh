#!/usr/bin/env bash
# An installed workbench runs from its prefix: `cmake --install` into a temporary prefix made
# read-only, then the installed suimei-cli appraises and reads the reading tables and the installed
# suimei prints a chart and starts its main window offscreen. The user's settings, client tables
# and reading tables go to the user's folders (a temporary HOME), and nothing inside the prefix
# changes: no file, no folder's time, no journal beside a table. The tests may run as root, whom
# permissions do not stop, so the check is the prefix's listing, not a refused write.
#
#   install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
prefix="$tmp/prefix"
home="$tmp/home"
mkdir -p "$home" "$tmp/run"
chmod 700 "$tmp/run"

fail() {
    echo "install: $1" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
app="$prefix/share/suimei-workbench"
for f in bin/suimei bin/suimei-cli share/suimei-workbench/jinmei/人名DB.db \
    share/suimei-workbench/kisobun.rtf share/suimei-workbench/help/index.html \
    share/applications/suimei-workbench.desktop share/icons/hicolor/scalable/apps/suimei-workbench.svg \
    share/suimei-workbench/bun/kanteibun1.db share/suimei-workbench/tengen.db; do
    [ -f "$prefix/$f" ] || fail "$f was not installed"
done
# The PNG icons for menus without SVG: a PNG signature and the width and height of its header.
for size in 48 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/suimei-workbench.png"
    [ -f "$png" ] || fail "the ${size}x${size} icon was not installed"
    [ "$(od -An -tx1 -N8 "$png" | tr -d ' ')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    dims="$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')"
    [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
done
[ -x "$prefix/bin/suimei" ] && [ -x "$prefix/bin/suimei-cli" ] || fail "the programs are not executable"
ls "$app"/*.eto >/dev/null 2>&1 || fail "no calendar files in $app"
[ ! -e "$app/suimei" ] && [ ! -e "$app/suimei-cli" ] || fail "executables inside the application folder"
[ -z "$(find "$app" -name '*.ini')" ] || fail "a settings file was installed"
grep -qx 'Name\[ja\]=推命ワークベンチ' "$prefix/share/applications/suimei-workbench.desktop" ||
    fail "the menu entry has no Japanese name"
grep -qx 'Exec=suimei' "$prefix/share/applications/suimei-workbench.desktop" ||
    fail "the menu entry does not start suimei"

# A system-wide installation: nothing in it belongs to the user.
chmod -R a-w "$prefix"
# Every entry with its mode and time (a folder's time changes when anything is made or removed in
# it, a journal too), and every file's size and contents.
snapshot() {
    (cd "$prefix" && find . -printf '%p %m %T@\n' | sort &&
        find . -type f -printf '%p %s\n' | sort && find . -type f -exec md5sum {} + | sort)
}
snapshot >"$tmp/before"

# A user's environment: only HOME, so the default folders below it are used; no way to the build.
# `data_home` set: the user's XDG_DATA_HOME.
run() {
    local extra=()
    [ -z "${data_home:-}" ] || extra=(XDG_DATA_HOME="$data_home")
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$tmp/run" LANG=C.UTF-8 "${extra[@]}" \
        QT_QPA_PLATFORM="${platform:-offscreen}" "$@"
}
cd "$tmp"

out="$(run "$prefix/bin/suimei-cli" appraise --name "山田 花子" --date 1984/02/10 --slot 07:00-09:00 \
    --sex 女)" || fail "the installed suimei-cli appraise failed"
# Columns hour, day, month, year. 1984-02-10 falls after the spring entry: year 甲子, month 丙寅
# (a 甲 year starts its 寅 month at 丙); the day counts from 2000-01-01 (戊午) to 甲戌; the 辰 hour of
# a 甲 day is 戊辰.
pillar_row() { printf '%s\n' "$out" | sed -n "s/^$1//p" | sed 's/:[^ ]*//g' | tr -d ' '; }
[ "$(pillar_row 天干)" = 戊甲丙甲 ] || fail "appraisal stems: $(pillar_row 天干)"
[ "$(pillar_row 地支)" = 辰戌寅子 ] || fail "appraisal branches: $(pillar_row 地支)"

# The commands that read the reading tables: the passage and sixty-pillar tables, the annual
# imagery, the conception-day table, and every table and reading file at once.
client=(--name "山田 花子" --date 1984/02/10 --slot 07:00-09:00 --sex 女)
run "$prefix/bin/suimei-cli" memo "${client[@]}" --json >"$tmp/memo.json" ||
    fail "the installed suimei-cli memo failed"
run "$prefix/bin/suimei-cli" luck "${client[@]}" --today 2026/12/10 >/dev/null ||
    fail "the installed suimei-cli luck failed"
run "$prefix/bin/suimei-cli" methods conception "${client[@]}" >"$tmp/tengen.txt" ||
    fail "the installed suimei-cli methods conception failed"
run "$prefix/bin/suimei-cli" readings --check >"$tmp/check.txt" || true
grep -q "keys checked in $app" "$tmp/check.txt" || fail "readings --check did not run: $(tail -1 "$tmp/check.txt")"
data="$home/.local/share/suimei"
for f in bun/kanteibun1.db bun/kouun.db bun/sixty.DB tengen.db QrekiTaiwan.txt; do
    [ -s "$data/$f" ] || fail "the user has no copy of $f in $data"
done

# No user data folder can be made: the shipped tables are read where they lie, read-only, and
# give the same passages.
data_home=/dev/null run "$prefix/bin/suimei-cli" memo "${client[@]}" --json \
    >"$tmp/memo-shipped.json" || fail "suimei-cli memo without a user data folder failed"
cmp -s "$tmp/memo.json" "$tmp/memo-shipped.json" || fail "the shipped tables read differently"

run "$prefix/bin/suimei" --print-pdf "$tmp/chart.pdf" --document chart --date 1984/02/10 \
    --slot 07:00-09:00 --sex 男 --name "山田 太郎" --today 2026/12/10 ||
    fail "the installed suimei --print-pdf failed"
text="$(pdftotext "$tmp/chart.pdf" - | tr -d ' \n')"
[[ "$text" == *命式鑑定表* && "$text" == *山田太郎様* ]] || fail "the printed chart lacks its title"

# The main window offscreen on a screen large enough for it; it quits once it has been painted.
printf '{"screens":[{"name":"s1","x":0,"y":0,"width":1280,"height":1024,"logicalDpi":96,%s}]}\n' \
    '"logicalBaseDpi":96,"dpr":1' >"$tmp/screen.json"
platform="offscreen:configfile=$tmp/screen.json" run timeout 60 "$prefix/bin/suimei" \
    --startup-timing >"$tmp/start.txt" 2>&1 || fail "the installed suimei did not start: $(cat "$tmp/start.txt")"
grep -q "main window shown" "$tmp/start.txt" || fail "the main window was not shown"

jinmei="$home/.local/share/suimei/jinmei"
for t in 人名DB.db 人名2DB.db 人名3DB.db 人名4DB.db; do
    [ -f "$jinmei/$t" ] || fail "the client table $t was not made in $jinmei"
done
[ "$(stat -c %s "$jinmei/人名DB.db")" -ge "$(stat -c %s "$app/jinmei/人名DB.db")" ] ||
    fail "the demo clients were not copied"
# Whatever the programs wrote is below HOME and the scratch folders; the prefix is as installed.
snapshot >"$tmp/after"
diff "$tmp/before" "$tmp/after" >&2 || fail "files inside the prefix changed"
echo "install: programs run from $prefix; the user's files are in $(cd "$home" && find . -type f | tr '\n' ' ')"
