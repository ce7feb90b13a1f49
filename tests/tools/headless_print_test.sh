#!/usr/bin/env bash
# suimei --print-pdf writes documents without a window: several documents are written and read
# back with pdftotext; a bad option, a date that is no date and a document that is not available
# are refused with one line on stderr and no file.
#
#   headless_print_test.sh SUIMEI_EXECUTABLE
set -euo pipefail
suimei="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export SUIMEI_INI="$out/vorrin80.ini"
printf '\xEF\xBB\xBF[office]\nname=青葉鑑定所\ntel=03-1234-5678\n' >"$SUIMEI_INI"
client=(--date 1984/02/10 --slot 07:00-09:00 --sex 男 --name "山田 太郎" --today 2026/12/10)

fail() {
    echo "headless print: $1" >&2
    exit 1
}
# document, expected page count, then texts the PDF must hold; extra options after "--"
check() {
    local name="$1" pages="$2"
    shift 2
    local texts=() extra=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do texts+=("$1"); shift; done
    [ $# -gt 0 ] && shift && extra=("$@")
    "$suimei" --print-pdf "$out/$name.pdf" --document "$name" "${client[@]}" "${extra[@]}" ||
        fail "$name: exit status $?"
    local got
    got="$(pdfinfo "$out/$name.pdf" | sed -n 's/^Pages: *//p')"
    [ "$got" = "$pages" ] || fail "$name: $got pages, not $pages"
    local text
    text="$(pdftotext "$out/$name.pdf" - | tr -d ' \n')"
    for t in "${texts[@]}"; do
        [[ "$text" == *"${t// /}"* ]] || fail "$name: no \"$t\""
    done
}

check fortune-calendar 1 "2027年度2月度の開運暦" "日支-" "月支-" "年支-" "【今月の運勢】" \
    "青葉鑑定所 TEL 03-1234-5678" -- --year 2027 --month 2
check fortune-calendar 12 "2027年度1月度の開運暦" "2027年度12月度の開運暦" -- --year 2027 --whole-year
check mansion-calendar 1 "山田太郎様2027年2月度宿曜暦" "本命宿：" "(暗黒日)" -- --year 2027 --month 2
check luck-memo 1 "大運・年運の鑑定（行運分析）" "から１０年間の大運－【" -- --column 3
check family 1 "六親図表" "配偶者" "【天冲殺による試練】"
check graphs 2 "五行エネルギーの生涯変化" "十二運星体調バイオエネルギー変化" "2027年3月" -- --year 2027 --month 3
check marriage 1 "四柱推命の結婚運に関する総合鑑定"
check compatibility 1 "山田太郎さんの命式" "佐藤花子さんの命式" -- --partner-date 1986/07/21 \
    --partner-female --partner-name "佐藤 花子"

# The print window's documents and the side methods' prints.
check chart 1 "命式鑑定表 1/2" "山田 太郎 様" "[蔵干表]" "[十二運星]" "特殊星" "九星" "五行の強さのバランス" \
    "青葉鑑定所"
check practical 1 "実践鑑定表 2/2" "[行運診断秘訣集]" "〔奇宿〕" "〔命宮〕" "〔喜ぶ神〕" "〔忌む神〕" -- --column 3
check report 2 "比劫" "食傷" "青葉鑑定所 TEL 03-1234-5678" "山田 太郎 様"
check cover 1 "青葉鑑定所" "TEL 03-1234-5678" -- --cover 2
check basics 3 "四柱推命の基礎知識" "十二運"
check nine-star 2 "九星気学鑑定書" "年盤（本命）" "月盤（月命星・傾斜法）" "年度の同会法による運勢" \
    -- --year 2027 --month 3
check mansion 1 "宿曜が教える宿星の意味" "1984年2月10日" "【参宿】"
check illness 1 "【 四柱推命 臓器学説 鑑定文章 】" "○五行エネルギーの最強は、"
check conception 1 "【 天源占星術鑑定文章 】" "■年干支は大性と呼ばれ、天性の素質や遺伝を見ます。"

refused() {  # expected status, then the options
    local want="$1"
    shift
    local status=0 err
    err="$("$suimei" --print-pdf "$out/refused.pdf" "$@" 2>&1 >/dev/null)" || status=$?
    [ "$status" = "$want" ] || fail "status $status, not $want, for: $*"
    [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "not one line on stderr: $err"
    [ ! -e "$out/refused.pdf" ] || fail "a file was left for: $*"
}
refused 2 --document horoscope "${client[@]}"
refused 2 --document memo "${client[@]}" --bogus 1
refused 2 --document fortune-calendar "${client[@]}" --month 13
refused 1 --document memo --date 1984/02/30 --sex 男
refused 2 --document practical "${client[@]}" --column 13
err="$("$suimei" --print-pdf "$out/x.pdf" --document horoscope "${client[@]}" 2>&1)" || true
[[ "$err" == *"document horoscope is not available"* ]] ||
    fail "the unknown document is not named: $err"
echo "headless print: all documents written and read back"
