#include "app/birth_ambiguity.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/appraisal.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "chart/mandata.h"

namespace suimei {

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kMeanSolarDegreesPerDay = 360.0 / 365.2422;

// Angle reduced into -180 <= a < 180.
double wrapSigned(double a) {
    return a - 360.0 * std::floor((a + 180.0) / 360.0);
}

}  // namespace

double minutesToSolarLongitude(Astronomy astronomy, int year, int month, int day, int hour,
                               int minute, double longitude) {
    const double jd0 = julianDay(year, month, day, hour, minute, true);
    // Newton steps with the mean rate: the true rate differs by under 4%, so each step gains more
    // than a decimal place; a tenth of a second is far finer than the minutes shown.
    double days = 0.0;
    for (int i = 0; i < 30; ++i) {
        const double gap = wrapSigned(longitude - apparentSunLongitude(astronomy, jd0 + days));
        const double step = gap / kMeanSolarDegreesPerDay;
        days += step;
        if (std::fabs(step) < 1e-6) break;
    }
    return days * kMinutesPerDay;
}

BirthAmbiguity assessBirthAmbiguity(const BirthMoment& jst, int localHour, int localMinute,
                                    int dayStem, Astronomy astronomy, bool timeUnknown) {
    BirthAmbiguity a;
    if (timeUnknown) {
        a.timeUnknown = true;
        Pillar seen[13] = {};
        for (int i = 0; i <= 12; ++i) {
            const Pillar p = hourPillarFromIndex(dayStem, i);
            bool repeated = false;
            for (int k = 0; k < a.hourCandidateCount; ++k) repeated = repeated || seen[k] == p;
            if (!repeated) seen[a.hourCandidateCount++] = p;
        }
        return a;
    }

    // The 節 on either side of the sun's place: 15, 45, ... 345 degrees.
    const double here = apparentSunLongitude(
        astronomy, julianDay(jst.year, jst.month, jst.day, jst.hour, jst.minute, true));
    const double previousTerm = 15.0 + 30.0 * std::floor((here - 15.0) / 30.0);
    double best = 0.0;
    int bestLongitude = 0;
    for (const double term : {previousTerm, previousTerm + 30.0}) {
        const double normal = term - 360.0 * std::floor(term / 360.0);
        const double minutes = minutesToSolarLongitude(astronomy, jst.year, jst.month, jst.day,
                                                       jst.hour, jst.minute, normal);
        if (bestLongitude == 0 || std::fabs(minutes) < std::fabs(best)) {
            best = minutes;
            bestLongitude = static_cast<int>(std::lround(normal));
        }
    }
    const long rounded = std::lround(best);
    if (std::labs(rounded) <= kNearBoundaryMinutes) {
        a.nearEntryMinutes = static_cast<int>(rounded);
        a.entryAfterBirth = best > 0;
        a.entryLongitude = bestLongitude;
    }

    // The hour pillar changes at the odd local hours; 23 o'clock of the day before is -60.
    const int now = localHour * 60 + localMinute;
    const int previousBoundary = 60 * (2 * floorDiv(now - 60, 120) + 1);
    const int sinceBoundary = now - previousBoundary;  // 0..119
    const int toNext = 120 - sinceBoundary;
    const int signedMinutes = toNext < sinceBoundary ? toNext : -sinceBoundary;
    if (std::abs(signedMinutes) <= kNearBoundaryMinutes) {
        a.nearHourBoundaryMinutes = signedMinutes;
        a.hourBoundaryAfterBirth = signedMinutes > 0;
    }
    return a;
}

BirthAmbiguity assessBirthAmbiguity(const AppraisalRunner& runner) {
    if (!runner.hasRun()) return {};
    const AppraisalInput& input = runner.lastInput();
    const int slot = birthTimeIndexOf(input.timeSlotText);
    const bool unknown = input.exactHour < 0 && (slot < 0 || slot == kUnknownBirthTime);
    const SolarFacts& facts = runner.solarFacts();
    return assessBirthAmbiguity(runner.birthMoment(), facts.localHour, facts.localMinute,
                                facts.dayStem, input.astronomy, unknown);
}

std::string ambiguityLine(const BirthAmbiguity& a) {
    if (a.timeUnknown) {
        return "生まれた時刻が不明です：時柱の候補 " + std::to_string(a.hourCandidateCount) +
               " 通り";
    }
    std::string line;
    if (a.nearEntryMinutes) {
        line += a.entryLongitude == 315 ? "立春の節入り" : "節入り";
        line += a.entryAfterBirth ? "まで " : "から ";
        line += std::to_string(std::abs(*a.nearEntryMinutes)) + " 分";
    }
    if (a.nearHourBoundaryMinutes) {
        if (!line.empty()) line += "、";
        line += a.hourBoundaryAfterBirth ? "時の境目まで " : "時の境目から ";
        line += std::to_string(std::abs(*a.nearHourBoundaryMinutes)) + " 分";
    }
    return line.empty() ? line : "境界に近い生まれです：" + line;
}

const std::vector<CandidateItem>& candidateItemKeys() {
    static const std::vector<CandidateItem> keys = {
        {"pillars.year", "年柱"},
        {"pillars.month", "月柱"},
        {"pillars.day", "日柱"},
        {"pillars.hour", "時柱"},
        {"tenGods.year", "年干の通変星"},
        {"tenGods.month", "月干の通変星"},
        {"tenGods.hour", "時干の通変星"},
        {"hiddenTenGods.year", "年支蔵干の通変星"},
        {"hiddenTenGods.month", "月支蔵干の通変星"},
        {"hiddenTenGods.day", "日支蔵干の通変星"},
        {"hiddenTenGods.hour", "時支蔵干の通変星"},
        {"stages.year", "年支の十二運"},
        {"stages.month", "月支の十二運"},
        {"stages.day", "日支の十二運"},
        {"stages.hour", "時支の十二運"},
        {"patternName", "格局"},
        {"usefulElement", "用神"},
        {"favourableElements", "喜ぶ五行"},
        {"unfavourableElements", "忌む五行"},
    };
    return keys;
}

namespace {

// The chart's items in the order of candidateItemKeys().
CandidateChart describe(const Tmandata& chart, const AppraisalDisplay& display) {
    CandidateChart c;
    const std::array<const PillarBlock*, 4> blocks = {&chart.yearPillar, &chart.monthPillar,
                                                      &chart.dayPillar, &chart.hourPillar};
    // Display columns run hour, day, month, year.
    const std::array<int, 4> columns = {kYearColumn, kMonthColumn, kDayColumn, kHourColumn};
    for (std::size_t i = 0; i < 4; ++i) c.pillars[i] = blocks[i]->pillar();
    auto text = [](std::string_view s) { return s.empty() ? std::string("-") : std::string(s); };
    for (std::size_t i = 0; i < 4; ++i) c.items.push_back(text(pillarName(c.pillars[i])));
    for (const std::size_t i : {0u, 1u, 3u})
        c.items.push_back(text(tenGodName(blocks[i]->stemTenGod)));
    for (std::size_t i = 0; i < 4; ++i) {
        const PillarCell& cell = display.columns[static_cast<std::size_t>(columns[i])];
        std::string joined;
        for (int k = 0; k < cell.hiddenCount && k < 3; ++k) {
            if (!joined.empty()) joined += "・";
            joined += cell.hiddenTenGodText[static_cast<std::size_t>(k)];
        }
        c.items.push_back(text(joined));
    }
    for (std::size_t i = 0; i < 4; ++i) {
        c.items.push_back(text(display.columns[static_cast<std::size_t>(columns[i])].stageText));
    }
    c.items.push_back(text(display.patternName));
    const std::string useful = std::string(stemName(display.usefulStem));
    c.items.push_back(useful.empty()
                          ? "-"
                          : useful + "（" +
                                std::string(elementName(elementOfStem(display.usefulStem))) + "）");
    c.items.push_back(text(display.favourableText));
    c.items.push_back(text(display.unfavourableText));
    return c;
}

void markDifferences(CandidateChart& c, const CandidateChart& asRun) {
    const auto& keys = candidateItemKeys();
    for (std::size_t i = 0; i < keys.size() && i < c.items.size(); ++i) {
        if (c.items[i] != asRun.items[i]) c.differs.push_back(keys[i].key);
    }
}

bool sameChart(const CandidateChart& a, const CandidateChart& b) {
    return a.pillars == b.pillars && a.items == b.items;
}

// What a chart a few minutes away assumes, from the pillars that changed and the direction.
std::string assumptionOf(const CandidateChart& c, const CandidateChart& asRun) {
    const bool later = c.offsetMinutes > 0;
    std::string text;
    auto add = [&](const std::string& part) {
        if (!text.empty()) text += "・";
        text += part;
    };
    if (!(c.pillars[0] == asRun.pillars[0])) {
        add(later ? "立春後" : "立春前");
    } else if (!(c.pillars[1] == asRun.pillars[1])) {
        add(later ? "節入り後" : "節入り前");
    }
    if (!(c.pillars[2] == asRun.pillars[2])) add(later ? "翌日" : "前日");
    if (!(c.pillars[3] == asRun.pillars[3])) {
        add(std::string(branchName(c.pillars[3].branch)) + "の刻");
    }
    if (text.empty())
        text = std::to_string(std::abs(c.offsetMinutes)) + (later ? " 分後" : " 分前");
    return text;
}

std::string dateText(int year, int month, int day) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", year, month, day);
    return buf;
}

}  // namespace

std::vector<CandidateChart> candidateCharts(AppraisalRunner& runner,
                                            const BirthAmbiguity& ambiguity) {
    std::vector<CandidateChart> out;
    if (!runner.hasRun() || !ambiguity.ambiguous()) return out;
    CandidateChart asRun = describe(runner.chart(), runner.display());
    asRun.asRun = true;
    asRun.assumption = ambiguity.timeUnknown ? "鑑定どおり（推時）" : "鑑定どおり";
    out.push_back(asRun);

    const AppraisalInput& base = runner.lastInput();
    auto consider = [&](const AppraisalInput& input, int offset, const std::string& period) {
        Tmandata chart;
        AppraisalDisplay display;
        if (runner.trial(input, chart, display) != AppraisalStatus::Completed) return;
        CandidateChart c = describe(chart, display);
        // An unknown time lists every period with its own chart, the inferred one included.
        for (std::size_t i = ambiguity.timeUnknown ? 1 : 0; i < out.size(); ++i) {
            if (sameChart(out[i], c)) return;
        }
        c.offsetMinutes = offset;
        c.periodText = period;
        markDifferences(c, asRun);
        out.push_back(std::move(c));
    };

    if (ambiguity.timeUnknown) {
        for (int i = 0; i <= 12; ++i) {
            AppraisalInput input = base;
            input.timeSlotText = std::string(kBirthTimeSlots[static_cast<std::size_t>(i)]);
            const std::size_t before = out.size();
            consider(input, 0, input.timeSlotText);
            if (out.size() > before) {
                CandidateChart& c = out.back();
                c.assumption = std::string(branchName(c.pillars[3].branch)) + "の刻";
                if (i == 0) c.assumption += "（0時台）";
                if (i == 12) c.assumption += "（23時台）";
            }
        }
        return out;
    }

    // Every minute of the half hour either side, nearest first, so that each distinct chart is
    // represented by the moment closest to the one run. An entry whose minutes round to 30 may lie
    // up to half a minute beyond: the search then reaches one minute further on its side.
    std::vector<int> offsets;
    for (int step = 1; step <= kNearBoundaryMinutes; ++step) {
        offsets.push_back(-step);
        offsets.push_back(step);
    }
    if (ambiguity.nearEntryMinutes &&
        std::abs(*ambiguity.nearEntryMinutes) == kNearBoundaryMinutes) {
        offsets.push_back(ambiguity.entryAfterBirth ? kNearBoundaryMinutes + 1
                                                    : -kNearBoundaryMinutes - 1);
    }
    const BirthMoment& jst = runner.birthMoment();
    for (const int offset : offsets) {
        const LocalMoment m =
            applyPrefectureCorrection(jst.year, jst.month, jst.day, jst.hour, jst.minute, offset);
        AppraisalInput input = base;
        input.dateText = dateText(m.year, m.month, m.day);
        input.exactHour = m.hour;
        input.exactMinute = m.minute;
        const std::size_t before = out.size();
        consider(input, offset, {});
        if (out.size() > before) out.back().assumption = assumptionOf(out.back(), asRun);
    }
    return out;
}

}  // namespace suimei
