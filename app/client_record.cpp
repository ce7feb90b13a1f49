#include "app/client_record.h"

#include "app/client_table.h"
#include "calendar/types.h"
#include "chart/birth_date_text.h"
#include "chart/mandata.h"

namespace suimei {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

bool birthDataChanged(const ClientBirthData& stored, const ClientBirthData& typed) {
    return trimmed(stored.name) != trimmed(typed.name) || stored.time != typed.time ||
           stored.sex != typed.sex ||
           normalizeBirthDateText(stored.birthDate) != normalizeBirthDateText(typed.birthDate);
}

std::vector<std::string> clientRecordFaults(const ClientBirthData& typed) {
    std::vector<std::string> faults;
    if (trimmed(typed.name).empty()) faults.emplace_back("氏名が入力されていません");
    const std::string date = normalizeBirthDateText(typed.birthDate);
    const BirthDateCheck check = checkBirthDateText(date, kEraWestern);
    if (!check.ok) {
        faults.push_back(check.message + "（" + check.caption + "）");
    } else if (check.day > daysInMonth(check.year, check.month)) {
        faults.push_back(date + " は存在しない日付です");
    }
    if (typed.sex != "男" && typed.sex != "女") faults.emplace_back("性別が指定されていません");
    return faults;
}

std::vector<std::pair<std::string, std::string>> runResultFields(
    const SummaryColumns& summary, const std::string& normalizedDate) {
    std::vector<std::pair<std::string, std::string>> fields = {
        {client_field::kDayMaster, summary.dayMaster},
        {client_field::kMonthBranch, summary.monthBranch},
        {client_field::kYearStemTenGod, summary.yearStemTenGod},
        {client_field::kMonthStemTenGod, summary.monthStemTenGod},
        {client_field::kHourStemTenGod, summary.hourStemTenGod},
        {client_field::kEtc1, summary.etc1},
    };
    if (!normalizedDate.empty()) fields.emplace_back(client_field::kBirthDate, normalizedDate);
    return fields;
}

}  // namespace suimei
