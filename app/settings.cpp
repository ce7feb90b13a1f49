#include "app/settings.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "core/ini_store.h"

namespace suimei {

namespace {

constexpr std::array<std::string_view, kHiddenStemSchoolCount> kHiddenStemSchoolNames = {
    "三命通会", "渕海子平", "命理約言", "日本教科書", "算命学式", "明朝透派"};

constexpr std::array<std::string_view, kHiddenStemSchoolCount> kHiddenStemSchoolExplanations = {
    "原書三命通会の蔵干表を採用します。",
    "原書淵海子平の蔵干表を採用します。",
    "原書命理約言の蔵干表（泰山全集の元）を採用します。",
    "書店で販売している日本教科書的蔵干を採用します。",
    "算命学の蔵干表を採用します。",
    "明朝透派の蔵干表を採用します。"};

constexpr std::array<std::string_view, kTwelveStageSchoolCount> kTwelveStageSchoolLabels = {
    "十二運星：陽生陰死式", "十二運星：陰陽同一式", "十二運星：陰陽火土同一式"};

constexpr std::array<std::string_view, kTwelveStageSchoolCount> kTwelveStageSchoolItems = {
    "一般的な教科書式・・陽生陰死式で陰陽分離式。", "透派式・・陰陽同一方式で火土で分ける方式",
    "四行式・・陰陽同一方式で火土を同一とみなす四行式"};

// The luck weights in file order, with the ranges of their drop-downs.
struct LuckWeightKey {
    std::string_view key;
    int GraphWeights::*member;
    int first, last;
};
constexpr std::array<LuckWeightKey, 5> kLuckWeightKeys = {{
    {"dai_higo", &GraphWeights::luckSame, 1, 4},
    {"dai_syoku", &GraphWeights::luckProduced, 0, 4},
    {"dai_zai", &GraphWeights::luckControlled, -4, 0},
    {"dai_kan", &GraphWeights::luckControlling, -4, 0},
    {"dai_in", &GraphWeights::luckProducing, -4, 0},
}};
constexpr int kStagePointLimit = 999;

// A whole decimal integer with an optional sign ("+3", "-2", "0"); nullopt for anything else.
std::optional<int> parseInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<bool> parseBool(std::string_view text) {
    auto lower = std::string(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    if (lower == "true") return true;
    if (lower == "false") return false;
    return std::nullopt;
}

class Reader {
  public:
    explicit Reader(const IniDocument& doc) : doc_(doc) {}

    // A number inside first..last; anything else gives the default.
    int choice(std::string_view section, std::string_view key, int first, int last,
               int fallback) const {
        const auto n = number(section, key);
        return n && *n >= first && *n <= last ? *n : fallback;
    }
    // A number clamped into first..last; no number gives the default.
    int clamped(std::string_view section, std::string_view key, int first, int last,
                int fallback) const {
        const auto n = number(section, key);
        return n ? std::clamp(*n, first, last) : fallback;
    }
    bool flag(std::string_view section, std::string_view key, bool fallback) const {
        const auto v = doc_.value(section, key);
        const auto b = v ? parseBool(*v) : std::nullopt;
        return b ? *b : fallback;
    }

  private:
    std::optional<int> number(std::string_view section, std::string_view key) const {
        const auto v = doc_.value(section, key);
        return v ? parseInteger(*v) : std::nullopt;
    }
    const IniDocument& doc_;
};

// The drop-down spelling of a weight: "+3", "0", "-2".
std::string weightText(int w) {
    return w > 0 ? "+" + std::to_string(w) : std::to_string(w);
}

const char* boolText(bool b) {
    return b ? "True" : "False";
}

Settings settingsFrom(const IniDocument& doc) {
    const Reader r(doc);
    Settings s;
    s.hiddenStemSchool = r.choice("zokan", "syurui", 0, kHiddenStemSchoolCount - 1, 1);
    s.twelveStageSchool = r.choice("un12sei", "syurui", 0, kTwelveStageSchoolCount - 1, 0);
    s.qrekiBase = r.choice("qreki", "syurui", 0, 1, 0);
    s.startupSound = r.flag("sound", "check", true);
    s.southern = r.flag("12si", "South", false);
    s.pictures = r.flag("10kan", "picture", true);

    const GraphWeights defaults;
    for (const LuckWeightKey& w : kLuckWeightKeys) {
        s.graph.*w.member = r.clamped("graph", w.key, w.first, w.last, defaults.*w.member);
    }
    s.graph.yearSame = r.clamped("graph", "nen_higo", 1, 4, defaults.yearSame);
    s.practitionerName = doc.value("office", "name").value_or("");
    s.practitionerTelephone = doc.value("office", "tel").value_or("");
    s.summerTimeCorrection = r.flag("summer", "correct", false);
    s.preciseAstronomy = r.flag("astronomy", "precise", false);

    for (std::size_t k = 1; k <= 12; ++k) {
        s.stagePoints[k] = r.clamped("graph", "houn" + std::to_string(k), -kStagePointLimit,
                                     kStagePointLimit, kDefaultStagePoints[k]);
    }
    return s;
}

}  // namespace

Settings SettingsStore::load() const {
    return settingsFrom(loadIniFile(iniFile_));
}

bool SettingsStore::southernInFile() const {
    return Reader(loadIniFile(iniFile_)).flag("12si", "South", false);
}

bool SettingsStore::startupSoundInFile() const {
    return Reader(loadIniFile(iniFile_)).flag("sound", "check", true);
}

bool SettingsStore::saveEnvironment(const Settings& s) const {
    return updateIniFile(iniFile_, [&](IniDocument& doc) {
        doc.setValue("zokan", "syurui", std::to_string(s.hiddenStemSchool));
        doc.setValue("un12sei", "syurui", std::to_string(s.twelveStageSchool));
        doc.setValue("qreki", "syurui", std::to_string(s.qrekiBase));
        doc.setValue("sound", "check", boolText(s.startupSound));
        doc.setValue("12si", "South", boolText(s.southern));
        doc.setValue("10kan", "picture", boolText(s.pictures));
        doc.setValue("astronomy", "precise", boolText(s.preciseAstronomy));
    });
}

bool SettingsStore::saveGraphWeights(const GraphWeights& weights) const {
    return updateIniFile(iniFile_, [&](IniDocument& doc) {
        for (const LuckWeightKey& w : kLuckWeightKeys) {
            doc.setValue("graph", w.key, weightText(weights.*w.member));
        }
        // The year weight is confirmed in the same window; without it a changed value would be
        // lost at the next start.
        doc.setValue("graph", "nen_higo", weightText(weights.yearSame));
    });
}

bool SettingsStore::saveStagePoints(const StagePoints& points) const {
    return updateIniFile(iniFile_, [&](IniDocument& doc) {
        for (std::size_t k = 1; k <= 12; ++k) {
            doc.setValue("graph", "houn" + std::to_string(k), std::to_string(points[k]));
        }
    });
}

bool SettingsStore::savePractitioner(const std::string& name, const std::string& telephone) const {
    return updateIniFile(iniFile_, [&](IniDocument& doc) {
        doc.setValue("office", "name", name);
        doc.setValue("office", "tel", telephone);
    });
}

bool SettingsStore::saveSummerTimeCorrection(bool correct) const {
    return updateIniFile(
        iniFile_, [&](IniDocument& doc) { doc.setValue("summer", "correct", boolText(correct)); });
}

bool SettingsStore::writeChartHandOff(const ChartHandOff& c, Notifier& notifier) const {
    if (c.day.stem == 0) {
        notifier.info("まだ診断ボタンが押されていません。");
        return false;
    }
    return updateIniFile(iniFile_, [&](IniDocument& doc) {
        doc.setValue("user", "name", c.name);
        doc.setValue("user", "sex", c.sex == 'F' ? "F" : "M");
        constexpr std::array<std::string_view, 5> elementKeys = {"moku", "ka", "do", "kin", "sui"};
        for (std::size_t e = 0; e < elementKeys.size(); ++e) {
            doc.setValue("user", elementKeys[e], std::to_string(c.elementTallies[e]));
        }
        doc.setValue("user", "zokan", std::to_string(c.monthActiveHiddenStem));
        doc.setValue("user", "jj10", std::to_string(c.hour.stem));
        doc.setValue("user", "dd10", std::to_string(c.day.stem));
        doc.setValue("user", "mm10", std::to_string(c.month.stem));
        doc.setValue("user", "yy10", std::to_string(c.year.stem));
        doc.setValue("user", "jj12", std::to_string(c.hour.branch));
        doc.setValue("user", "dd12", std::to_string(c.day.branch));
        doc.setValue("user", "mm12", std::to_string(c.month.branch));
        doc.setValue("user", "yy12", std::to_string(c.year.branch));
    });
}

std::string_view hiddenStemSchoolName(int school) {
    return school >= 0 && school < kHiddenStemSchoolCount
               ? kHiddenStemSchoolNames[static_cast<std::size_t>(school)]
               : std::string_view{};
}

std::string_view hiddenStemSchoolExplanation(int school) {
    return school >= 0 && school < kHiddenStemSchoolCount
               ? kHiddenStemSchoolExplanations[static_cast<std::size_t>(school)]
               : std::string_view{};
}

std::string_view twelveStageSchoolLabel(int school) {
    return school >= 0 && school < kTwelveStageSchoolCount
               ? kTwelveStageSchoolLabels[static_cast<std::size_t>(school)]
               : std::string_view{};
}

std::string_view twelveStageSchoolItem(int school) {
    return school >= 0 && school < kTwelveStageSchoolCount
               ? kTwelveStageSchoolItems[static_cast<std::size_t>(school)]
               : std::string_view{};
}

std::string_view qrekiBaseName(int base) {
    static constexpr std::array<std::string_view, 2> kNames = {"日本を基準にする",
                                                               "台湾を基準にする"};
    return base >= 0 && base < 2 ? kNames[static_cast<std::size_t>(base)] : std::string_view{};
}

}  // namespace suimei
