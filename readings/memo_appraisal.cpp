#include "readings/memo_appraisal.h"

#include <algorithm>

#include "calendar/types.h"

namespace suimei {

const MemoButtonEntry* memoButtonNamed(std::string_view name) {
    for (const MemoButtonEntry& b : kMemoButtons) {
        if (b.name == name) return &b;
    }
    return nullptr;
}

bool memoNeedsRun(const Tmandata& chart) {
    return chart.yearPillar.stem == 0 || chart.dayPillar.stem == 0;
}

std::vector<std::string> memoPassageLines(const MemoButtonEntry& button, ReadingMode mode,
                                          const Tmandata& chart, PassageTable& passages) {
    std::vector<std::string> lines;
    if (button.action != MemoAction::Passage) return lines;
    const MemoHeadings& headings = kMemoHeadings[static_cast<std::size_t>(button.passage)];
    for (int i = 0; i < headings.count; ++i) {
        lines.emplace_back(headings.lines[static_cast<std::size_t>(i)]);
    }
    if (const auto key = memoButtonKey(button.passage, mode, chart)) {
        passages.lookup(key->key1, key->key2, lines);
    }
    return lines;
}

bool onePointRuleHolds(const OnePointRule& onePoint, const Tmandata& chart) {
    const OnePointCondition& rule = onePoint.when;
    if (rule.companion == 0) {
        return chart.monthPillar.stemTenGod == rule.monthTenGod &&
               chart.yearPillar.stemTenGod == rule.yearTenGod;
    }
    if (chart.dayPillar.stem != rule.dayStem) return false;
    const bool beside = chart.monthPillar.stem == rule.companion ||
                        chart.hourPillar.stem == rule.companion ||
                        (rule.yearStemToo && chart.yearPillar.stem == rule.companion);
    if (!beside) return false;
    const auto& months = rule.monthBranches;
    if (std::any_of(months.begin(), months.end(), [](Branch b) { return b != 0; }) &&
        std::find(months.begin(), months.end(), chart.monthPillar.branch) == months.end()) {
        return false;
    }
    if (rule.strongElement != 0 &&
        chart.elementRank[static_cast<std::size_t>(rule.strongElement)] <= 3) {
        return false;
    }
    return true;
}

std::vector<std::string> onePointLines(const Tmandata& chart) {
    std::vector<std::string> lines;
    for (const OnePointRule& rule : kOnePointRules) {
        if (onePointRuleHolds(rule, chart)) lines.emplace_back(rule.line);
    }
    return lines;
}

std::vector<std::string> onePointButtonLines(const Tmandata& chart) {
    std::vector<std::string> lines = {"", kOnePointHeading};
    for (auto& line : onePointLines(chart)) lines.push_back(std::move(line));
    return lines;
}

std::optional<std::vector<std::string>> sixtyPillarPassage(const Tmandata& chart, Table& sixty) {
    // Any sex but a man's reads the women's passages, as the table has only the two.
    const auto key =
        sixtyPillarKey(chart.sex == 'M' ? 'M' : 'F', chart.dayPillar.stem, chart.dayPillar.branch);
    if (!key) return std::nullopt;
    std::vector<std::string> passage;
    if (!lookupSixtyPillar(sixty, key->sex, key->number, passage)) return std::nullopt;
    return passage;
}

std::optional<std::vector<std::string>> sixtyPillarButtonLines(const Tmandata& chart,
                                                               Table& sixty) {
    auto passage = sixtyPillarPassage(chart, sixty);
    if (!passage) return std::nullopt;
    std::vector<std::string> lines = {
        "", "■六十干支による鑑定（" + std::string(stemName(chart.dayPillar.stem)) +
                std::string(branchName(chart.dayPillar.branch)) + "）"};
    for (auto& line : *passage) lines.push_back(std::move(line));
    return lines;
}

namespace {

std::vector<std::string> medicineLines(const std::optional<PassageKey>& key,
                                       PassageTable& passages) {
    std::vector<std::string> lines = {" "};
    if (key) passages.lookup(key->key1, key->key2, lines);
    return lines;
}

}  // namespace

std::vector<std::string> medicineStemLines(int stem, PassageTable& passages) {
    return medicineLines(medicineStemKey(stem), passages);
}

std::vector<std::string> medicineSymptomLines(int choice, PassageTable& passages) {
    return medicineLines(medicineSymptomKey(choice), passages);
}

std::vector<std::string> memoLinesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

std::string appendMemoLines(std::string_view text, const std::vector<std::string>& lines) {
    std::vector<std::string> all = memoLinesOf(text);
    all.insert(all.end(), lines.begin(), lines.end());
    std::string out;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i > 0) out += '\n';
        out += all[i];
    }
    return out;
}

}  // namespace suimei
