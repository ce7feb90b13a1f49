#include "readings/pillar_readings.h"

#include "calendar/types.h"
#include "chart/mandata.h"
#include "readings/reading_keys.h"
#include "readings/section_file.h"

namespace suimei {

namespace {

void readInto(PassageTable& passages, const std::optional<PassageKey>& key,
              std::vector<std::string>& target) {
    if (key) passages.lookup(key->key1, key->key2, target);
}

// Shows the joined section as an information box; nothing when the key cannot be formed or the
// reading failed (the failure has its own message).
bool showSection(const AppPaths& paths, std::string_view fileName,
                 const std::optional<std::string>& key, const std::string& prefix,
                 std::string_view caption, Notifier& notifier) {
    if (!key) return false;
    const auto body = readSectionJoined(paths.file(std::string(fileName)), *key, notifier);
    if (!body) return false;
    notifier.info(prefix + *body, std::string(caption));
    return true;
}

}  // namespace

PillarPageTexts pillarPageTexts(const Tmandata& chart, PassageTable& passages) {
    PillarPageTexts out;
    if (!isStem(chart.dayPillar.stem)) return out;
    const ElementSlots favourable = chart.favourableSlots();
    const PillarBlock& y = chart.yearPillar;
    const PillarBlock& m = chart.monthPillar;
    const PillarBlock& d = chart.dayPillar;

    readInto(passages, pillarTenGodKey(KeyPillar::Year, y.stemTenGod), out.year.memo1);
    readInto(passages, fortuneTenGodKey(y.stem, y.stemTenGod, favourable, chart.elementRank),
             out.year.memo1);
    readInto(passages, pillarStageKey(KeyPillar::Year, y.dayMasterStage), out.year.memo2);

    readInto(passages, pillarTenGodKey(KeyPillar::Month, m.stemTenGod), out.month.memo1);
    readInto(passages, fortuneTenGodKey(m.stem, m.stemTenGod, favourable, chart.elementRank),
             out.month.memo1);
    readInto(passages, pillarStageKey(KeyPillar::Month, m.dayMasterStage), out.month.memo2);

    readInto(passages, climateKey(m.branch, d.stem), out.day.memo1);
    readInto(passages, pillarStageKey(KeyPillar::Day, d.dayMasterStage), out.day.memo2);
    return out;
}

bool showYearHeadingReading(const Tmandata& chart, const AppPaths& paths, Notifier& notifier) {
    return showSection(paths, kYearStemFile, yearStemSectionKey(chart.yearPillar.stem), "",
                       kYearHeadingCaption, notifier);
}

bool showMonthHeadingReading(const Tmandata& chart, const AppPaths& paths, Notifier& notifier) {
    return showSection(paths, kMonthBranchFile, monthBranchSectionKey(chart.monthPillar.branch), "",
                       kMonthHeadingCaption, notifier);
}

bool showDayHeadingReading(const Tmandata& chart, const AppPaths& paths, Notifier& notifier) {
    return showSection(paths, kDayPillarFile,
                       dayPillarSectionKey(chart.dayPillar.stem, chart.dayPillar.branch), "",
                       kDayHeadingCaption, notifier);
}

bool showClimateUsefulReading(const Tmandata& chart, const AppPaths& paths, Notifier& notifier) {
    const int stem = chart.dayPillar.stem;
    const int branch = chart.monthPillar.branch;
    const auto key = climateUsefulSectionKey(stem, branch);
    if (!key) return false;
    const std::string prefix = std::string(branchName(branch)) + "月生まれの" +
                               std::string(stemName(stem)) + "の調候用神：";
    return showSection(paths, kClimateUsefulFile, key, prefix, kClimateUsefulCaption, notifier);
}

std::vector<std::string> monthCommandMemoLines(const Tmandata& chart, const AppPaths& paths,
                                               Notifier& notifier) {
    std::vector<std::string> lines;
    const auto key = monthCommandSectionKey(chart.monthPillar.branch, chart.dayPillar.stem);
    if (!key) return lines;
    readSectionLines(paths.file(std::string(kMonthCommandFile)), *key, lines, notifier);
    return lines;
}

MonthCommandView monthCommandView(const Tmandata& chart, const AppPaths& paths,
                                  Notifier& notifier) {
    MonthCommandView view;
    const int branch = chart.monthPillar.branch;
    const int stem = chart.dayPillar.stem;
    if (isBranch(branch)) {
        view.seasonText =
            std::string(kSeasonNames[static_cast<std::size_t>(seasonOfBranch(branch))]) + "(" +
            std::string(branchName(branch)) + ")";
    }
    if (isStem(stem)) {
        view.dayMasterText =
            std::string(elementName(elementOfStem(stem))) + "(" + std::string(stemName(stem)) + ")";
    }
    view.memo = monthCommandMemoLines(chart, paths, notifier);
    return view;
}

}  // namespace suimei
