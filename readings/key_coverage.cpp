#include "readings/key_coverage.h"

#include <functional>
#include <map>
#include <optional>
#include <tuple>

#include "calendar/types.h"
#include "core/text_codec.h"
#include "readings/calendar_keys.h"
#include "readings/family_readings.h"
#include "readings/passage_table.h"
#include "readings/reading_keys.h"
#include "readings/section_file.h"
#include "readings/topic_keys.h"

namespace suimei {

namespace {

// Collects keys once each, in the order first formed, remembering every reader that forms them.
class KeyCollector {
  public:
    void add(const std::string& reader, PassageStore store, std::string_view file,
             const std::string& key1, const std::string& key2) {
        const auto id = std::make_tuple(std::string(file), key1, key2);
        const auto it = index_.find(id);
        if (it == index_.end()) {
            index_.emplace(id, keys_.size());
            keys_.push_back({reader, store, std::string(file), key1, key2});
            return;
        }
        FormableKey& k = keys_[it->second];
        if (k.readers.find(reader) == std::string::npos) k.readers += "、" + reader;
    }
    void table(const std::string& reader, const std::optional<PassageKey>& key) {
        if (key) add(reader, PassageStore::Table, kPassageTableFile, key->key1, key->key2);
    }
    void section(const std::string& reader, std::string_view file,
                 const std::optional<std::string>& key) {
        if (key) add(reader, PassageStore::SectionFile, file, "", *key);
    }
    std::vector<FormableKey> take() { return std::move(keys_); }

  private:
    std::vector<FormableKey> keys_;
    std::map<std::tuple<std::string, std::string, std::string>, std::size_t> index_;
};

// Values one past each end, so the builders' refusals are exercised too.
constexpr int kStemsTried = 11;     // 0..11
constexpr int kBranchesTried = 13;  // 0..13
constexpr int kTenGodsTried = 11;   // 0..11
constexpr int kStagesTried = 13;    // 0..13

void socialReadings(KeyCollector& c, ReadingMode mode, KeyPillar pillar,
                    const std::string& reader) {
    for (int stem = 0; stem <= kStemsTried; ++stem) {
        for (int god = 0; god <= kTenGodsTried; ++god) {
            // Favour: the stem's element among the favourable slots or not; strength: every
            // energy level of that element.
            for (int favoured = 0; favoured <= 5; ++favoured) {
                for (int level = 0; level <= 5; ++level) {
                    const ElementSlots favourable = {0, favoured, 0, 0};
                    ElementArray rank{};
                    for (auto& r : rank) r = level;
                    c.table(reader, socialTenGodKey(mode, pillar, stem, god, favourable, rank));
                }
            }
        }
    }
}

// The AI memo's passage buttons, formed from a chart record set to every value they read.
void memoButtons(KeyCollector& c) {
    Tmandata chart;
    const std::pair<MemoButton, const char*> byStage[] = {
        {MemoButton::InnerSocial, "AIメモ・社会運の内面"},
        {MemoButton::WorkplacePsychology, "AIメモ・職場環境心理"},
        {MemoButton::SpouseAttitude, "AIメモ・配偶者への態度"}};
    for (int st = 0; st <= kStagesTried; ++st) {
        chart.yearPillar.dayMasterStage = static_cast<std::uint8_t>(st);
        chart.monthPillar.dayMasterStage = static_cast<std::uint8_t>(st);
        chart.dayPillar.dayMasterStage = static_cast<std::uint8_t>(st);
        for (const auto& [button, reader] : byStage) {
            c.table(reader, memoButtonKey(button, ReadingMode::General, chart));
        }
    }
    for (int s = 0; s <= kStemsTried; ++s) {
        chart.dayPillar.stem = static_cast<Stem>(s);
        c.table("AIメモ・性格", memoButtonKey(MemoButton::Character, ReadingMode::General, chart));
        for (int b = 0; b <= kBranchesTried; ++b) {
            chart.monthPillar.branch = static_cast<Branch>(b);
            c.table("AIメモ・調候",
                    memoButtonKey(MemoButton::Climate, ReadingMode::General, chart));
        }
    }
    const std::pair<ReadingMode, const char*> modes[] = {{ReadingMode::Professional, "プロ用"},
                                                         {ReadingMode::General, "一般用"}};
    for (int stem = 0; stem <= kStemsTried; ++stem) {
        chart.yearPillar.stem = static_cast<Stem>(stem);
        chart.monthPillar.stem = static_cast<Stem>(stem);
        for (int god = 0; god <= kTenGodsTried; ++god) {
            chart.yearPillar.stemTenGod = static_cast<std::uint8_t>(god);
            chart.monthPillar.stemTenGod = static_cast<std::uint8_t>(god);
            for (int favoured = 0; favoured <= 5; ++favoured) {
                chart.favourable1 = favoured;
                for (int level = 0; level <= 5; ++level) {
                    for (auto& r : chart.elementRank) r = level;
                    for (const auto& [mode, name] : modes) {
                        c.table(std::string("AIメモ・社会運の外面（") + name + "）",
                                memoButtonKey(MemoButton::OuterSocial, mode, chart));
                        c.table(std::string("AIメモ・職場環境の能力（") + name + "）",
                                memoButtonKey(MemoButton::WorkplaceAbility, mode, chart));
                    }
                }
            }
        }
    }
}

// The compatibility, marriage, work and medicine readings.
void topicReadings(KeyCollector& c) {
    for (int a = 0; a <= kStemsTried; ++a) {
        for (int b = 0; b <= kStemsTried; ++b) {
            c.table("相性・日干同士", spiritCompatibilityKey(a, b));
        }
    }
    for (int a = 0; a <= kTenGodsTried; ++a) {
        for (int b = 0; b <= kTenGodsTried; ++b) {
            c.table("相性・月干の通変星", conductCompatibilityKey(a, b));
        }
    }
    const std::pair<DayStemTopic, const char*> byStem[] = {
        {DayStemTopic::RuinousPartner, "結婚・ダメにする異性"},
        {DayStemTopic::SpiritualLove, "結婚・精神面の性と愛"},
        {DayStemTopic::MarriageTiming, "結婚・今後10年の結婚"},
        {DayStemTopic::BusinessPerson, "仕事・ビジネスマンの性格"},
        {DayStemTopic::WorkFuture, "仕事・今後10年の仕事"}};
    for (const auto& [topic, reader] : byStem) {
        for (int s = 0; s <= kStemsTried; ++s) c.table(reader, dayStemTopicKey(topic, s));
    }
    const std::pair<MonthTenGodTopic, const char*> byGod[] = {
        {MonthTenGodTopic::EmployeeAptitude, "仕事・サラリーマンの適性"},
        {MonthTenGodTopic::Independence, "仕事・独立の適性"}};
    for (const auto& [topic, reader] : byGod) {
        for (int g = 0; g <= kTenGodsTried; ++g) c.table(reader, monthTenGodTopicKey(topic, g));
    }
    for (int st = 0; st <= kStagesTried; ++st) {
        c.table("結婚・肉体面の性と愛", dayStageTopicKey(DayStageTopic::PhysicalLove, st));
    }
    for (const char sex : {'M', 'F', '\0'}) {
        for (int st = 0; st <= kStagesTried; ++st) {
            c.table("結婚・結婚した後", afterMarriageKey(sex, st));
        }
    }
    for (int y = 0; y <= kTenGodsTried; ++y) {
        for (int m = 0; m <= kTenGodsTried; ++m) {
            c.table("仕事・能力診断", abilityOverallKey(y, m));
        }
    }
    for (int st = 0; st <= kStagesTried; ++st) {
        c.table("仕事・能力診断", dayStageTopicKey(DayStageTopic::MoneySense, st));
    }
    for (int g = 0; g <= kTenGodsTried; ++g) c.table("仕事・能力診断", abilityLevelKey(g));
    for (int s = 0; s <= kStemsTried; ++s) c.table("中医学・十干別", medicineStemKey(s));
    for (int i = -1; i <= static_cast<int>(kMedicineSymptoms.size()); ++i) {
        c.table("中医学・症状", medicineSymptomKey(i));
    }
    for (const char sex : {'M', 'F', '\0'}) {
        for (int s = 0; s <= kStemsTried; ++s) {
            for (int b = 0; b <= kBranchesTried; ++b) {
                if (const auto key = sixtyPillarKey(sex, s, b)) {
                    c.add("六十干支", PassageStore::SixtyPillars, kSixtyPillarTableFile, key->sex,
                          std::to_string(key->number));
                }
            }
        }
    }
}

// The general-audience report: passages by stem, ten-god and stage name, keywords (bun1) by stem
// pair, and the basic-knowledge text printed beside it.
void generalReport(KeyCollector& c) {
    const std::string reader = "総合診断書";
    auto table = [&](const char* key1, std::string_view key2) {
        c.add(reader, PassageStore::Table, kPassageTableFile, key1, std::string(key2));
    };
    for (int s = 1; s <= 10; ++s) {
        for (const char* key1 : {"日干", "青年精神", "理想配偶", "中年精神", "老年精神"}) {
            table(key1, stemName(s));
        }
    }
    for (int g = 1; g <= 10; ++g) {
        for (const char* key1 : {"目的", "手段", "配偶行動", "目下行動"}) {
            table(key1, tenGodName(g));
        }
    }
    for (int st = 1; st <= 12; ++st) {
        for (const char* key1 : {"職場内面", "異性内面"}) table(key1, stageName(st));
    }
    for (int a = 1; a <= 10; ++a) {
        for (int b = 1; b <= 10; ++b) {
            table("干関係", std::string(stemName(a)) + std::string(stemName(b)));
        }
    }
    c.add("基礎事項", PassageStore::WholeFile, kBasicKnowledgeFile, "", "");
}

// The side methods' texts, written out here because their key builders live above this folder:
// the emotion cycle's paragraph and void addition of each ten god, and the meaning and karma
// files of each lunar mansion 1..28 (20 牛 included: its window shows its files too).
void methodReadings(KeyCollector& c) {
    for (int g = 1; g <= 10; ++g) {
        const std::string name(tenGodName(g));
        c.add("感情周期", PassageStore::Table, kPassageTableFile, "感情周期", name);
        c.add("感情周期", PassageStore::Table, kPassageTableFile, "感情周期空亡", name);
    }
    for (int n = 1; n <= 28; ++n) {
        c.add("宿曜盤", PassageStore::WholeFile, "bun/runa" + std::to_string(n) + ".txt", "", "");
        c.add("宿曜盤", PassageStore::WholeFile, "bun/kar" + std::to_string(n) + ".txt", "", "");
    }
}

}  // namespace

std::vector<FormableKey> formableReadingKeys() {
    KeyCollector c;
    for (int s = 0; s <= kStemsTried; ++s) c.table("日主の文章", dayMasterKey(s));
    socialReadings(c, ReadingMode::General, KeyPillar::Year, "年柱の通変星（一般用）");
    socialReadings(c, ReadingMode::General, KeyPillar::Month, "月柱の通変星（一般用）");
    socialReadings(c, ReadingMode::Professional, KeyPillar::Year, "年柱の通変星（プロ用）");
    socialReadings(c, ReadingMode::Professional, KeyPillar::Month, "月柱の通変星（プロ用）");
    const std::pair<KeyPillar, const char*> stagePages[] = {{KeyPillar::Year, "年柱の十二運"},
                                                            {KeyPillar::Month, "月柱の十二運"},
                                                            {KeyPillar::Day, "日柱の十二運"}};
    for (const auto& [pillar, reader] : stagePages) {
        for (int st = 0; st <= kStagesTried; ++st) c.table(reader, pillarStageKey(pillar, st));
    }
    for (int b = 0; b <= kBranchesTried; ++b) {
        for (int s = 0; s <= kStemsTried; ++s) c.table("調候の文章", climateKey(b, s));
    }

    for (int s = 0; s <= kStemsTried; ++s) {
        c.section("年柱の見出し", kYearStemFile, yearStemSectionKey(s));
    }
    for (int b = 0; b <= kBranchesTried; ++b) {
        c.section("月柱の見出し", kMonthBranchFile, monthBranchSectionKey(b));
    }
    // A chart's day pillar is one of the sixty: stem and branch of the same polarity.
    for (int n = 1; n <= 60; ++n) {
        const Pillar p = pillarOfSexagenary(n);
        c.section("日柱の見出し", kDayPillarFile, dayPillarSectionKey(p.stem, p.branch));
    }
    for (int s = 0; s <= kStemsTried; ++s) {
        for (int b = 0; b <= kBranchesTried; ++b) {
            c.section("月支の調候用神", kClimateUsefulFile, climateUsefulSectionKey(s, b));
        }
    }
    for (int b = 0; b <= kBranchesTried; ++b) {
        for (int s = 0; s <= kStemsTried; ++s) {
            c.section("日干と月支の関係", kMonthCommandFile, monthCommandSectionKey(b, s));
        }
    }
    for (int g = 0; g <= kTenGodsTried; ++g) {
        for (int st = 0; st <= kStagesTried; ++st) {
            c.section("大運・年運の文章", kLuckReadingFile, luckSectionKey(g, st));
        }
    }

    for (int place = -1; place <= static_cast<int>(kSpousePlaces.size()); ++place) {
        c.section("配偶者干と位置関係", kFamilyReadingFile, spousePositionSectionKey(place));
    }
    for (int g = 0; g <= kTenGodsTried; ++g) {
        c.section("配偶者干と日支の干", kFamilyReadingFile, spouseDayBranchSectionKey(g));
    }
    for (int b = 0; b <= kBranchesTried; ++b) {
        c.section("天冲殺による試練", kFamilyReadingFile, voidTrialSectionKey(b));
    }

    for (int day = 1; day <= 10; ++day) {
        for (int year = 1; year <= 10; ++year) {
            c.add("年運の象意", PassageStore::AnnualImagery, kAnnualImageryTableFile,
                  std::string(stemName(day)), std::string(stemName(year)));
        }
    }
    for (int g = 0; g <= kTenGodsTried; ++g) {
        c.table("開運カレンダー・毎日", dailyTenGodKey(g));
        for (int which = 0; which < 3; ++which) {
            c.table("開運カレンダー・月運", monthFortuneKey(which, g));
        }
    }
    for (int b = 0; b <= kBranchesTried; ++b) c.table("開運カレンダー・毎日", dailyBranchKey(b));
    memoButtons(c);
    topicReadings(c);
    generalReport(c);
    // Nine Star Ki reads by star 1..9; the inclination never falls in the centre, so never 5.
    for (int star = 1; star <= 9; ++star) {
        const std::string s = std::to_string(star);
        c.add("九星気学の年月盤", PassageStore::Table, kPassageTableFile, "九星本命", s);
        c.add("九星気学の年月盤", PassageStore::Table, kPassageTableFile, "九星月命", s);
        if (star != 5)
            c.add("九星気学の年月盤", PassageStore::Table, kPassageTableFile, "九星傾斜", s);
        c.add("九星気学による未来予知", PassageStore::Table, kPassageTableFile, "九星同会", s);
    }
    // The conception day's pillars are quick pillars of a date, so always one of the sixty.
    for (int n = 1; n <= 60; ++n) {
        const Pillar p = pillarOfSexagenary(n);
        c.add("天源占", PassageStore::ConceptionDay, kConceptionDayTableFile,
              std::string(stemName(p.stem)), std::string(branchName(p.branch)));
    }
    methodReadings(c);
    return c.take();
}

CoverageReport checkReadingCoverage(const AppPaths& paths) {
    CoverageReport report;
    const std::vector<FormableKey> keys = formableReadingKeys();
    report.keysChecked = static_cast<int>(keys.size());

    std::string passageError;
    std::unique_ptr<PassageTable> passages;
    // The check only reads: the tables are opened read-only and stay exactly as they are.
    if (auto t = Table::openReadOnly(readingTablePath(paths, ReadingTableKind::Passages),
                                     readingTableDef(ReadingTableKind::Passages), &passageError)) {
        passages = std::make_unique<PassageTable>(std::move(t));
    }
    std::string imageryError;
    std::optional<AnnualImagery> imagery;
    if (auto t =
            Table::openReadOnly(readingTablePath(paths, ReadingTableKind::AnnualImagery),
                                readingTableDef(ReadingTableKind::AnnualImagery), &imageryError)) {
        imagery = loadAnnualImagery(*t);
    }

    std::string sixtyError;
    std::unique_ptr<Table> sixty =
        Table::open(readingTablePath(paths, ReadingTableKind::SixtyPillars),
                    readingTableDef(ReadingTableKind::SixtyPillars), false, &sixtyError);

    std::string conceptionError;
    std::unique_ptr<Table> conception =
        Table::openReadOnly(readingTablePath(paths, ReadingTableKind::ConceptionDay),
                            readingTableDef(ReadingTableKind::ConceptionDay), &conceptionError);

    auto gap = [&](const FormableKey& k, std::string why) {
        report.gaps.push_back({k, std::move(why)});
    };
    for (const FormableKey& k : keys) {
        switch (k.store) {
            case PassageStore::Table: {
                if (!passages) {
                    gap(k, passageError);
                    break;
                }
                std::vector<std::string> lines;
                if (!passages->lookup(k.key1, k.key2, lines)) {
                    gap(k, "文章がありません");
                } else if (lines.empty()) {
                    gap(k, "文章が空です");
                }
                break;
            }
            case PassageStore::SectionFile: {
                RecordingNotifier notes;
                std::vector<std::string> lines;
                const SectionStatus status =
                    readSectionLines(paths.file(k.file), k.key2, lines, notes);
                if (status == SectionStatus::KeyNotFound) {
                    gap(k, "文章がありません");
                } else if (status != SectionStatus::Found) {
                    gap(k, notes.lastText());
                } else if (lines.empty()) {
                    gap(k, "文章が空です");
                }
                break;
            }
            case PassageStore::AnnualImagery: {
                if (!imagery) {
                    gap(k, imageryError);
                    break;
                }
                std::size_t day = 0, year = 0;
                for (std::size_t i = 1; i <= 10; ++i) {
                    if (stemName(static_cast<int>(i)) == k.key1) day = i;
                    if (stemName(static_cast<int>(i)) == k.key2) year = i;
                }
                std::string empty;
                const std::pair<const AnnualImagery::Grid*, const char*> cells[] = {
                    {&imagery->goodKeyword, "tango1"},
                    {&imagery->badKeyword, "tango2"},
                    {&imagery->goodHint, "hlp1"},
                    {&imagery->badHint, "hlp2"}};
                for (const auto& [grid, name] : cells) {
                    if ((*grid)[day][year].empty())
                        empty += std::string(empty.empty() ? "" : " ") + name;
                }
                if (!empty.empty()) gap(k, "空の欄: " + empty);
                break;
            }
            case PassageStore::SixtyPillars: {
                if (!sixty) {
                    gap(k, sixtyError);
                    break;
                }
                std::vector<std::string> lines;
                if (!lookupSixtyPillar(*sixty, k.key1, std::stoi(k.key2), lines)) {
                    gap(k, "文章がありません");
                } else if (lines.empty()) {
                    gap(k, "文章が空です");
                }
                break;
            }
            case PassageStore::WholeFile: {
                const auto bytes = readFileBytes(paths.file(k.file));
                if (!bytes) {
                    gap(k, "ファイルがありません");
                    break;
                }
                const auto text = decodeTextFile(*bytes);
                if (!text) {
                    gap(k, "文字コードが読めません");
                } else if (text->find_first_not_of(" \t\r\n") == std::string::npos) {
                    gap(k, "ファイルが空です");
                }
                break;
            }
            case PassageStore::ConceptionDay: {
                if (!conception) {
                    gap(k, conceptionError);
                    break;
                }
                const auto passage = findConceptionDayPassage(*conception, k.key1, k.key2);
                if (!passage) {
                    gap(k, "文章がありません");
                } else if (passage->empty()) {
                    gap(k, "文章が空です");
                }
                break;
            }
        }
    }
    return report;
}

}  // namespace suimei
