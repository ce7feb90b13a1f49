#pragma once
// The time-difference table of Japanese cities: how many minutes local solar time runs ahead of
// (+) or behind (-) Japan Standard Time. For display only; the astronomical pillars apply their own
// per-prefecture correction.

#include <array>
#include <string_view>

namespace suimei {

struct TimeDifferenceRow {
    std::string_view city;         // "那覇", ...
    std::string_view minutesText;  // sign and two digits, "-29" .. "+42"
};

inline constexpr int kTimeDifferenceRowCount = 50;

// Rows 1..50 from south-west to north-east as the table window lists them; entry 0 is empty.
inline constexpr std::array<TimeDifferenceRow, kTimeDifferenceRowCount + 1> kTimeDifferenceRows = {{
    {"", ""},          {"那覇", "-29"},   {"長崎", "-21"}, {"佐賀", "-19"},   {"福岡", "-18"},
    {"鹿児島", "-18"}, {"熊本", "-17"},   {"宮崎", "-14"}, {"大分", "-14"},   {"松山", "-09"},
    {"高知", "-06"},   {"高松", "-04"},   {"徳島", "-02"}, {"山口", "-14"},   {"広島", "-10"},
    {"松江", "-08"},   {"岡山", "-04"},   {"鳥取", "-03"}, {"和歌山", "+01"}, {"神戸", "+01"},
    {"大阪", "+02"},   {"京都", "+03"},   {"奈良", "+03"}, {"大津", "+03"},   {"津", "+06"},
    {"福井", "+05"},   {"金沢", "+07"},   {"岐阜", "+07"}, {"名古屋", "+08"}, {"富山", "+09"},
    {"長野", "+13"},   {"静岡", "+14"},   {"甲府", "+14"}, {"新潟", "+16"},   {"前橋", "+16"},
    {"横浜", "+19"},   {"浦和", "+19"},   {"東京", "+19"}, {"宇都宮", "+20"}, {"千葉", "+20"},
    {"水戸", "+22"},   {"小笠原", "+29"}, {"秋田", "+20"}, {"山形", "+21"},   {"福島", "+22"},
    {"青森", "+23"},   {"仙台", "+23"},   {"盛岡", "+25"}, {"函館", "+23"},   {"札幌", "+25"},
    {"根室", "+42"},
}};

// Row 1..50 of the table; an empty row for anything else.
TimeDifferenceRow timeDifferenceRow(int row);

// The minutes of row 1..50 as a signed number (local solar time minus JST, minutes); 0 out of
// range.
int timeDifferenceMinutes(int row);

}  // namespace suimei
