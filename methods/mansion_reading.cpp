#include "methods/mansion_reading.h"

#include <system_error>

#include "calendar/old_calendar.h"
#include "chart/mandata.h"
#include "readings/whole_text_file.h"

namespace suimei {

namespace {

bool isMansion(int number) {
    return number >= 1 && number <= 28;
}

std::string fileName(int number, const char* folderAndStem, const char* extension) {
    if (!isMansion(number)) return {};
    return folderAndStem + std::to_string(number) + extension;
}

}  // namespace

std::string mansionPictureName(int number) {
    return fileName(number, "bmp/QR27-", ".bmp");
}

std::string mansionMeaningName(int number) {
    return fileName(number, "bun/runa", ".txt");
}

std::string mansionKarmaName(int number) {
    return fileName(number, "bun/kar", ".txt");
}

std::optional<MansionReading> readMansion(const AppPaths& paths, int number, std::string* error) {
    if (!isMansion(number)) {
        if (error) *error = kNoMansionText;
        return std::nullopt;
    }
    MansionReading reading;
    reading.number = number;
    reading.name = std::string(mansionName(number));
    reading.picture = paths.file(mansionPictureName(number));
    std::error_code ec;
    if (!std::filesystem::is_regular_file(reading.picture, ec)) {
        if (error) *error = mansionPictureName(number) + " が見つかりません。";
        return std::nullopt;
    }
    if (readWholeTextFile(paths.file(mansionMeaningName(number)), mansionMeaningName(number),
                          reading.meaning, error) != WholeTextStatus::Read ||
        readWholeTextFile(paths.file(mansionKarmaName(number)), mansionKarmaName(number),
                          reading.karma, error) != WholeTextStatus::Read) {
        return std::nullopt;
    }
    return reading;
}

std::string mansionBirthLine(const Tmandata& chart) {
    if (chart.birthYear == 0) return {};
    return std::to_string(chart.birthYear) + "年" + std::to_string(chart.birthMonth) + "月" +
           std::to_string(chart.birthDay) + "日　生まれ";
}

}  // namespace suimei
