#!/usr/bin/env bash
# Writes N clients (default 100000) as the batch reads them, UTF-8 with a byte-order mark:
# "name","yyyy/mm/dd","PERIOD","男|女". Dates run over 1900-2049 from a fixed linear
# congruential sequence, so every run writes the same file; one client in fourteen has an unknown
# time.
set -euo pipefail
n="${1:-100000}"
printf '\xEF\xBB\xBF'
awk -v n="$n" 'BEGIN {
    split("00:00-01:00 01:00-03:00 03:00-05:00 05:00-07:00 07:00-09:00 09:00-11:00 " \
          "11:00-13:00 13:00-15:00 15:00-17:00 17:00-19:00 19:00-21:00 21:00-23:00 " \
          "23:00-00:00 不明の場合", slots, " ");
    split("31 28 31 30 31 30 31 31 30 31 30 31", len, " ");
    s = 12345;
    for (i = 1; i <= n; ++i) {
        s = (s * 69069 + 1) % 4294967296; y = 1900 + int(s / 65536) % 150;
        s = (s * 69069 + 1) % 4294967296; m = 1 + int(s / 65536) % 12;
        l = len[m]; if (m == 2 && (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0))) l = 29;
        s = (s * 69069 + 1) % 4294967296; d = 1 + int(s / 65536) % l;
        s = (s * 69069 + 1) % 4294967296; t = 1 + int(s / 65536) % 14;
        s = (s * 69069 + 1) % 4294967296; x = int(s / 65536) % 2 == 0 ? "男" : "女";
        printf "\"客%06d\",\"%04d/%02d/%02d\",\"%s\",\"%s\"\r\n", i, y, m, d, slots[t], x;
    }
}'
