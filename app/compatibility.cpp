#include "app/compatibility.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "calendar/old_calendar.h"
#include "chart/birth_date_text.h"
#include "chart/mandata.h"
#include "chart/strength.h"
#include "readings/passage_table.h"
#include "readings/topic_keys.h"

namespace suimei {

namespace {

std::string str(std::string_view v) {
    return std::string(v);
}

int clampGauge(int v) {
    return std::clamp(v, 0, 100);
}

bool sameVoid(const Tmandata& a, const Tmandata& b) {
    return a.voidFirst == b.voidFirst && a.voidSecond == b.voidSecond;
}

bool inVoid(int branch, const Tmandata& chart) {
    return branch != 0 && (branch == chart.voidFirst || branch == chart.voidSecond);
}

CompatibilityLine lineOf(RelationItem what, int code) {
    return {what, code, relationColour(code), relationArrow(code)};
}

}  // namespace

void partnerBirthTime(int timeIndex, int& hour, int& minute) {
    if (!birthTimeSlotMiddle(timeIndex, hour, minute)) {
        birthTimeSlotMiddle(kPartnerDefaultTime, hour, minute);
    }
}

int elementRelationCode(int a, int b) {
    if (a < 1 || a > 5 || b < 1 || b > 5) return 0;
    if (a == b) return 5;
    if (producedElement(a) == b) return 1;
    if (controlledElement(a) == b) return 2;
    if (controlledElement(b) == a) return 3;
    return 4;  // the one relation left of two different elements: b generates a
}

int dayStemRelationCode(int clientStem, int partnerStem) {
    if (!isStem(clientStem) || !isStem(partnerStem)) return 0;
    // Combining stems lie five apart (甲己, 乙庚, ...).
    if (std::abs(clientStem - partnerStem) == 5) return 6;
    return elementRelationCode(elementOfStem(clientStem), elementOfStem(partnerStem));
}

std::uint32_t relationColour(int code) {
    switch (code) {
        case 1:
        case 4:
            return 0x008000;
        case 2:
        case 3:
            return 0xFF0000;
        case 5:
            return 0x0000FF;
        case 6:
            return 0x00FF00;
        default:
            return 0x000000;
    }
}

RelationArrow relationArrow(int code) {
    if (code == 1 || code == 2) return RelationArrow::ToPartner;
    if (code == 3 || code == 4) return RelationArrow::ToClient;
    return RelationArrow::None;
}

std::array<CompatibilityLine, 3> compatibilityLines(const Tmandata& client,
                                                    const Tmandata& partner) {
    return {
        lineOf(RelationItem::DayStem,
               dayStemRelationCode(client.dayPillar.stem, partner.dayPillar.stem)),
        lineOf(RelationItem::DayBranch,
               elementRelationCode(elementOfBranch(client.dayPillar.branch),
                                   elementOfBranch(partner.dayPillar.branch))),
        lineOf(RelationItem::MonthBranch,
               elementRelationCode(elementOfBranch(client.monthPillar.branch),
                                   elementOfBranch(partner.monthPillar.branch))),
    };
}

VoidChecks voidChecks(const Tmandata& client, const Tmandata& partner) {
    VoidChecks v;
    if (client.voidFirst == 0 || partner.voidFirst == 0) return v;  // a side without a chart
    v.same = sameVoid(client, partner);
    v.mutual = inVoid(partner.dayPillar.branch, client) && inVoid(client.dayPillar.branch, partner);
    return v;
}

PartnerFacts partnerFactsOf(const Tmandata& p) {
    PartnerFacts f;
    f.gaugeMonthCommand = clampGauge(p.monthCommandScore * 33 + 2);
    f.gaugeElements = clampGauge((p.relationScore + 8) * 6 + 4);
    f.gaugeStages = clampGauge(p.stageScore * 50 + 2);
    f.gaugeTotal = clampGauge((p.strengthTotal + 8) * 6);
    f.strengthClass = str(strengthClassOf(p.strengthTotal));
    f.seasonText = "月令:" + p.seasonLabel;
    f.voidText = "空亡:" + str(branchName(p.voidFirst)) + ":" + str(branchName(p.voidSecond));
    f.mansionText = p.mansionNumber != 0 ? str(mansionName(p.mansionNumber)) + "宿" : "";
    return f;
}

std::vector<std::string> compatibilityMemo(const Tmandata& client, const Tmandata& partner,
                                           PassageTable* passages) {
    std::vector<std::string> memo;
    memo.emplace_back("■日主の天干同士で、精神的な相性を鑑定します。");
    const auto spirit = spiritCompatibilityKey(client.dayPillar.stem, partner.dayPillar.stem);
    if (passages != nullptr && spirit) passages->lookup(spirit->key1, spirit->key2, memo);
    memo.emplace_back(" ");
    memo.emplace_back("■月柱の天干の通変星で、行動特性の相性を鑑定します。");
    const auto conduct =
        conductCompatibilityKey(client.monthPillar.stemTenGod, partner.monthPillar.stemTenGod);
    if (passages != nullptr && conduct) passages->lookup(conduct->key1, conduct->key2, memo);
    return memo;
}

EnergyColumns elementEnergyColumns(const Tmandata& client, const Tmandata& partner) {
    EnergyColumns columns;
    const auto stem = [&](bool isPartner, int s, const char* item) {
        const int e = elementOfStem(s);
        if (e != 0) columns[static_cast<std::size_t>(e)].push_back({isPartner, item});
    };
    const auto branch = [&](bool isPartner, int b, const char* item, int points) {
        const int e = elementOfBranch(b);
        for (int i = 0; e != 0 && i < points; ++i) {
            columns[static_cast<std::size_t>(e)].push_back({isPartner, item});
        }
    };
    stem(false, client.yearPillar.stem, "年干");
    stem(false, client.monthPillar.stem, "月干");
    stem(false, client.dayPillar.stem, "日干");
    branch(false, client.yearPillar.branch, "年支", 1);
    branch(false, client.monthPillar.branch, "月支", 3);
    branch(false, client.dayPillar.branch, "日支", 1);
    stem(true, partner.dayPillar.stem, "日干");
    stem(true, partner.monthPillar.stem, "月干");
    stem(true, partner.yearPillar.stem, "年干");
    branch(true, partner.dayPillar.branch, "日支", 1);
    branch(true, partner.monthPillar.branch, "月支", 3);
    branch(true, partner.yearPillar.branch, "年支", 1);
    return columns;
}

CompatibilityEngine::CompatibilityEngine(AppPaths paths)
    : runner_(std::make_unique<AppraisalRunner>(std::move(paths))) {}

CompatibilityEngine::~CompatibilityEngine() = default;

AppraisalStatus CompatibilityEngine::runPartner(const PartnerInput& input,
                                                const AppraisalInput& settings,
                                                Notifier& notifier) {
    // The date first: a bad one changes nothing, not even the name or the sex.
    const BirthDateCheck check =
        checkBirthDateText(normalizeBirthDateText(input.dateText),
                           input.era >= 1 && input.era <= 3 ? input.era : kEraWestern);
    if (!check.ok) {
        notifier.info(check.message, check.caption);
        return AppraisalStatus::InvalidDate;
    }
    char westernDate[32];
    std::snprintf(westernDate, sizeof westernDate, "%04d/%02d/%02d", check.year, check.month,
                  check.day);

    AppraisalInput in = settings;
    in.name = input.name;
    in.dateText = westernDate;
    const int slot = input.timeIndex >= 0 && input.timeIndex < kPartnerTimeChoices
                         ? input.timeIndex
                         : kPartnerDefaultTime;
    in.timeSlotText = str(kBirthTimeSlots[static_cast<std::size_t>(slot)]);
    in.sexText = input.female ? "女" : "男";
    // The partner's branches are read as typed; the southern question belongs to the client.
    in.southernInFile = false;
    // The runner keeps its previous chart when the run stops (a day past the month's end, a
    // calendar-file fault).
    return runner_->run(in, notifier);
}

bool CompatibilityEngine::hasPartner() const {
    return runner_->hasRun();
}

const Tmandata& CompatibilityEngine::partner() const {
    return runner_->chart();
}

std::string CompatibilityEngine::partnerDateText() const {
    return runner_->chart().normalisedBirthDate();
}

}  // namespace suimei
