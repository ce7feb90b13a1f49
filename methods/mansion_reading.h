#pragma once
// The client's birth mansion (宿曜) as the lunar-mansion window shows it: the relation diagram
// bmp/QR27-<n>.bmp, the meaning of the mansion star bun/runa<n>.txt and the karma text
// bun/kar<n>.txt, n being the mansion number 1..28 of the chart.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app_paths.h"

namespace suimei {

class Tmandata;

// Told instead of a file error when the chart has no mansion yet (no appraisal has run).
// The captions of the meaning and karma texts, the titles of their printed pages as well.
inline constexpr char kMeaningTab[] = "宿曜が教える宿星の意味";
inline constexpr char kKarmaTab[] = "宿曜が教えるあなたのカルマ";
inline constexpr char kNoMansionText[] = "宿曜星がまだ決まっていません。先に鑑定を行って下さい。";

// Names of the mansion's files below the application folder, as messages name them; empty for a
// number outside 1..28.
std::string mansionPictureName(int number);  // "bmp/QR27-5.bmp"
std::string mansionMeaningName(int number);  // "bun/runa5.txt"
std::string mansionKarmaName(int number);    // "bun/kar5.txt"

struct MansionReading {
    int number = 0;                 // 1..28
    std::string name;               // "井"
    std::filesystem::path picture;  // the relation diagram, checked to exist
    std::vector<std::string> meaning;
    std::vector<std::string> karma;
};

// Reads the files of mansion `number`. nullopt with the message in `error` when the number is
// outside 1..28 (kNoMansionText) or a file is missing or unreadable ("bmp/QR27-5.bmp が見つかり
// ません。").
std::optional<MansionReading> readMansion(const AppPaths& paths, int number, std::string* error);

// The birth date line of the printed page: year + "年" + month + "月" + day + "日　生まれ"; empty
// before a run.
std::string mansionBirthLine(const Tmandata& chart);

}  // namespace suimei
