#include "readings/marriage_work.h"

#include "calendar/quick_pillars.h"
#include "calendar/types.h"
#include "readings/topic_keys.h"

namespace suimei {

namespace {

constexpr TopicButton kMarriageButtons[] = {
    {"bman1btn", "あなたをダメにする\n異性、理想の異性"},
    {"bman2btn", "精神面での\n性と愛の鑑定"},
    {"dokuritubtn", "肉体面での\n性と愛の鑑定"},
    {"kekkongobtn", "結婚した後の\n性と愛の鑑定"},
    {"rithmbtn", "今後10年間の結婚\nのチャンス鑑定"},
};

constexpr TopicButton kWorkButtons[] = {
    {"bman1btn", "ビジネスマンとしての\n性格鑑定"}, {"bman2btn", "サラリーマンとしての\n適性鑑定"},
    {"dokuritubtn", "独立するための\n適性鑑定"},    {"rithmbtn", "今後10年間の仕事\nの変化鑑定"},
    {"SpeedButton1", "能力診断の\nすべて"},
};

constexpr std::string_view kTenYearButton = "rithmbtn";
constexpr std::string_view kAt = "＠";
constexpr std::string_view kNameMark = "ｉ";

bool blank(std::string_view s) {
    for (const char c : s) {
        if (c != ' ' && c != '\t') return false;
    }
    return true;
}

}  // namespace

std::span<const TopicButton> topicButtons(TopicWindowKind kind) {
    if (kind == TopicWindowKind::Marriage) return kMarriageButtons;
    return kWorkButtons;
}

std::string_view topicWindowCaption(TopicWindowKind kind) {
    return kind == TopicWindowKind::Marriage ? kMarriageWindowCaption : kWorkWindowCaption;
}

std::string_view topicPrintTitle(TopicWindowKind kind) {
    return kind == TopicWindowKind::Marriage ? kMarriagePrintTitle : kWorkPrintTitle;
}

std::string clientNameText(std::string_view name) {
    // A full-width blank alone is as empty as a half-width one.
    std::string trimmed(name);
    for (std::size_t at; (at = trimmed.find("　")) != std::string::npos;) trimmed.erase(at, 3);
    if (blank(trimmed)) return "あなた";
    return std::string(name) + "さん";
}

std::array<std::string, 11> tenYearTexts(int todayYear) {
    std::array<std::string, 11> texts{};
    for (int i = 0; i < 10; ++i) {
        const int year = todayYear + i;
        // 6 June lies safely after the February entry that starts the sexagenary year.
        const int stem = quickYearMonthStems(606, year).year;
        if (stem >= 1 && stem <= 10) {
            texts[static_cast<std::size_t>(stem)] = std::to_string(year) + "年";
        }
    }
    return texts;
}

std::string fillPlaceholders(std::string_view passage, const PlaceholderTexts& texts) {
    std::string out;
    out.reserve(passage.size() + 64);
    std::size_t pos = 0;
    while (pos < passage.size()) {
        const std::size_t at = passage.find(kAt, pos);
        if (at == std::string_view::npos) break;
        out.append(passage, pos, at - pos);
        const std::string_view rest = passage.substr(at + kAt.size());
        std::size_t taken = 0;
        if (rest.starts_with(kNameMark)) {
            out += texts.name;
            taken = kNameMark.size();
        } else if (texts.years) {
            for (int s = 1; s <= 10; ++s) {
                const std::string_view stem = stemName(s);
                const std::string& year = (*texts.years)[static_cast<std::size_t>(s)];
                if (!year.empty() && rest.starts_with(stem)) {
                    out += year;
                    taken = stem.size();
                    break;
                }
            }
        }
        if (taken == 0) {
            out += kAt;  // not a placeholder this button fills: keep it and read on after it
        }
        pos = at + kAt.size() + taken;
    }
    if (pos < passage.size()) out.append(passage, pos, std::string_view::npos);
    return out;
}

std::vector<std::optional<PassageKey>> topicButtonKeys(TopicWindowKind kind,
                                                       std::string_view button,
                                                       const Tmandata& chart) {
    const int dayStem = chart.dayPillar.stem;
    const int dayStage = chart.dayPillar.dayMasterStage;
    const int monthTenGod = chart.monthPillar.stemTenGod;
    const int yearTenGod = chart.yearPillar.stemTenGod;
    if (kind == TopicWindowKind::Marriage) {
        if (button == "bman1btn") return {dayStemTopicKey(DayStemTopic::RuinousPartner, dayStem)};
        if (button == "bman2btn") return {dayStemTopicKey(DayStemTopic::SpiritualLove, dayStem)};
        if (button == "dokuritubtn") {
            return {dayStageTopicKey(DayStageTopic::PhysicalLove, dayStage)};
        }
        if (button == "kekkongobtn") return {afterMarriageKey(chart.sex, dayStage)};
        if (button == kTenYearButton) {
            return {dayStemTopicKey(DayStemTopic::MarriageTiming, dayStem)};
        }
        return {};
    }
    if (button == "bman1btn") return {dayStemTopicKey(DayStemTopic::BusinessPerson, dayStem)};
    if (button == "bman2btn") {
        return {monthTenGodTopicKey(MonthTenGodTopic::EmployeeAptitude, monthTenGod)};
    }
    if (button == "dokuritubtn") {
        return {monthTenGodTopicKey(MonthTenGodTopic::Independence, monthTenGod)};
    }
    if (button == kTenYearButton) return {dayStemTopicKey(DayStemTopic::WorkFuture, dayStem)};
    if (button == "SpeedButton1") {
        return {abilityOverallKey(yearTenGod, monthTenGod),
                dayStageTopicKey(DayStageTopic::MoneySense, dayStage),
                abilityLevelKey(monthTenGod)};
    }
    return {};
}

std::vector<std::string> topicButtonLines(TopicWindowKind kind, std::string_view button,
                                          const Tmandata& chart, int todayYear,
                                          PassageTable& passages) {
    PlaceholderTexts texts{clientNameText(chart.nameText), std::nullopt};
    if (button == kTenYearButton) texts.years = tenYearTexts(todayYear);
    std::vector<std::string> out;
    for (const auto& key : topicButtonKeys(kind, button, chart)) {
        out.emplace_back(" ");
        if (!key) continue;
        for (const std::string& line : passages.lookupLines(key->key1, key->key2)) {
            out.push_back(fillPlaceholders(line, texts));
        }
    }
    return out;
}

}  // namespace suimei
