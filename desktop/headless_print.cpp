#include "desktop/headless_print.h"

#include <QImage>
#include <QString>

#include <cstdio>
#include <cstring>
#include <set>

#include "app/appraisal_documents.h"
#include "app/calendar_documents.h"
#include "app/compatibility.h"
#include "chart/family.h"
#include "chart/life_graph.h"
#include "chart/mandata.h"
#include "chart/ui/life_graph_page.h"
#include "chart/ui/page_printing.h"
#include "chart/ui/stage_rhythm_page.h"
#include "cli/appraisal_options.h"
#include "cli/command.h"
#include "core/table_store.h"
#include "core/text_codec.h"
#include "core/ui/print_service.h"
#include "methods/conception_day.h"
#include "methods/illness.h"
#include "methods/mansion_reading.h"
#include "methods/nine_star_reading.h"
#include "print/basic_knowledge_document.h"
#include "print/compatibility_sheet.h"
#include "print/conception_document.h"
#include "print/illness_document.h"
#include "print/mansion_document.h"
#include "print/memo_document.h"
#include "print/nine_star_document.h"
#include "print/rtf_text.h"
#include "readings/family_readings.h"
#include "readings/luck_readings.h"
#include "readings/marriage_work.h"
#include "readings/memo_appraisal.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

constexpr char kProgram[] = "suimei --print-pdf";

print::MemoDocumentContent signedMemo(const HeadlessRequest& r, std::string title,
                                      std::vector<std::string> lines) {
    print::MemoDocumentContent content;
    content.title = std::move(title);
    content.clientName = r.clientName;
    content.memoLines = std::move(lines);
    content.practitionerName = r.settings.practitionerName;
    content.practitionerTelephone = r.settings.practitionerTelephone;
    return content;
}

std::unique_ptr<PassageTable> passagesOf(const HeadlessRequest& r, std::string& error) {
    std::string why;
    auto passages = PassageTable::open(r.paths, &why);
    if (!passages) error = "kanteibun1.db: " + why;
    return passages;
}

print::PrintDocument fortuneCalendar(const HeadlessRequest& r, std::string&) {
    return fortuneCalendarDocument(r.runner, r.settings, r.paths, r.clientName, r.year, r.month);
}

print::PrintDocument mansionCalendar(const HeadlessRequest& r, std::string&) {
    return mansionCalendarDocument(r.runner, r.settings, r.clientName, r.year, r.month);
}

// The AI memo as its passage buttons write it, one after the other (general mode).
print::PrintDocument aiMemo(const HeadlessRequest& r, std::string& error) {
    auto passages = passagesOf(r, error);
    if (!passages) return {};
    std::vector<std::string> lines;
    for (const MemoButtonEntry& button : kMemoButtons) {
        if (button.action != MemoAction::Passage) continue;
        const auto more =
            memoPassageLines(button, ReadingMode::General, r.runner.chart(), *passages);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return print::composeMemoDocument(signedMemo(r, kMemoPrintTitle, std::move(lines)));
}

// The marriage or work window's readings, every button pressed in its order.
print::PrintDocument topicTiming(const HeadlessRequest& r, std::string& error,
                                 TopicWindowKind kind) {
    auto passages = passagesOf(r, error);
    if (!passages) return {};
    std::vector<std::string> lines;
    for (const TopicButton& button : topicButtons(kind)) {
        const auto more =
            topicButtonLines(kind, button.name, r.runner.chart(), r.today.year, *passages);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return print::composeMemoDocument(
        signedMemo(r, std::string(topicPrintTitle(kind)), std::move(lines)));
}

print::PrintDocument compatibility(const HeadlessRequest& r, std::string& error) {
    PartnerInput partner;
    partner.dateText = r.args.get("partner-date").value_or("");
    if (partner.dateText.empty()) {
        error = "compatibility needs --partner-date yyyy/mm/dd";
        return {};
    }
    partner.era = r.args.intValue("partner-era", 1, 1, 3);
    partner.timeIndex =
        r.args.intValue("partner-slot", kPartnerDefaultTime, 0, kPartnerTimeChoices - 1);
    partner.female = r.args.has("partner-female");
    partner.name = r.args.get("partner-name").value_or("");
    CompatibilityEngine engine(r.paths);
    RecordingNotifier notes;
    if (engine.runPartner(partner, cli::settingsFrom(r.args), notes) !=
        AppraisalStatus::Completed) {
        error = cli::lastMessage(notes);
        return {};
    }
    std::string why;
    auto passages = PassageTable::open(r.paths, &why);
    print::CompatibilitySheetContent content;
    content.clientName = r.clientName;
    content.client = &r.runner.chart();
    content.partnerName = partner.name.empty() ? "お相手" : partner.name;
    content.partner = &engine.partner();
    content.memoLines = compatibilityMemo(r.runner.chart(), engine.partner(), passages.get());
    content.practitionerName = r.settings.practitionerName;
    content.practitionerTelephone = r.settings.practitionerTelephone;
    return print::composeCompatibilitySheet(content);
}

// The luck memo with the reading of every luck period, or of the period of --column.
print::PrintDocument luckMemo(const HeadlessRequest& r, std::string&) {
    RecordingNotifier notes;
    std::vector<std::string> lines;
    const int first = r.column > 0 ? r.column : 1;
    const int last = r.column > 0 ? r.column : 12;
    for (int column = first; column <= last; ++column) {
        const auto more =
            luckGridClickLines(r.runner.chart(), LuckGrid::Periods, column, r.paths, notes);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return luckMemoDocument(lines, r.clientName, r.settings);
}

// Both rhythm graphs, drawn by their pages at a printing size: the life-long element graph, then
// the twelve-stage month of --year and --month.
print::PrintDocument graphs(const HeadlessRequest& r, std::string& error) {
    const Tmandata& chart = r.runner.chart();
    LifeGraphPage life;
    life.resize(1100, 720);
    const LifeGraph graph = lifeElementGraph(chart, elementGraphWeights(r.settings.graph));
    life.showGraph(&graph);
    print::PrintDocument doc = graphDocument(life.graphImage(), kLifeGraphPrintTitle,
                                             life.captionLines(), r.clientName, r.settings);
    StageRhythmPage stages;
    stages.resize(1100, 720);
    const YearMonth shown{r.year, r.month == 0 ? r.today.month : r.month};
    stages.showMonth(
        stageMonthGraph(chart, r.settings.twelveStageSchool, r.settings.stagePoints, shown),
        stageChooserItems(r.settings.stagePoints));
    const print::PrintDocument month =
        graphDocument(stages.graphImage(), kStageRhythmPrintTitle, {stages.monthCaption()},
                      r.clientName, r.settings);
    if (doc.pages.empty() || month.pages.empty()) {
        error = "the graphs could not be kept for printing";
        return {};
    }
    doc.pages.insert(doc.pages.end(), month.pages.begin(), month.pages.end());
    return doc;
}

// The family diagram with the three readings of its page.
print::PrintDocument family(const HeadlessRequest& r, std::string&) {
    RecordingNotifier notes;
    std::vector<std::string> lines;
    for (const FamilyReading reading : {FamilyReading::SpousePosition,
                                        FamilyReading::SpouseDayBranch, FamilyReading::VoidTrial}) {
        const auto more = familyReadingLines(reading, r.runner.chart(), r.paths, notes);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return familyDocument(familyDiagram(r.runner.chart()), lines, r.clientName, r.settings);
}

// The print window's documents: the practical one of --column (default the first period).
print::PrintDocument chartDocument(const HeadlessRequest& r, std::string&) {
    return chartDocumentOf(r.runner, r.settings);
}

print::PrintDocument practicalDocument(const HeadlessRequest& r, std::string& error) {
    const int column = r.column > 0 ? r.column : 1;
    print::PrintDocument doc = practicalDocumentOf(r.runner, r.settings, column);
    if (doc.pages.empty()) error = "the chart has no luck column " + std::to_string(column);
    return doc;
}

print::PrintDocument generalReport(const HeadlessRequest& r, std::string& error) {
    auto passages = passagesOf(r, error);
    if (!passages) return {};
    return generalReportOf(r.runner, r.settings, *passages);
}

print::PrintDocument cover(const HeadlessRequest& r, std::string&) {
    return coverDocumentOf(r.runner, r.settings, r.paths.hyousiDir(), r.cover);
}

print::PrintDocument basics(const HeadlessRequest& r, std::string& error) {
    const auto path = r.paths.file(print::kBasicKnowledgeFile);
    const auto bytes = readFileBytes(path);
    const auto text = bytes ? print::parseRtf(*bytes) : std::nullopt;
    if (!text) {
        error = path.string() + ": missing or not rich text";
        return {};
    }
    return print::composeBasicKnowledge(*text, r.settings.practitionerName,
                                        r.settings.practitionerTelephone);
}

// The natal boards and, for --year/--month (default this month), the future reading.
print::PrintDocument nineStar(const HeadlessRequest& r, std::string& error) {
    auto passages = passagesOf(r, error);
    if (!passages) return {};
    print::NineStarDocumentContent content;
    content.clientName = r.clientName;
    content.natal = readNatalNineStar(r.runner.chart());
    content.natalMemo = natalNineStarMemo(content.natal, *passages);
    const int month = r.month == 0 ? r.today.month : r.month;
    content.future = readNineStarFuture(content.natal.natalStar, r.year, month);
    if (content.future) content.futureMemo = futureNineStarMemo(*content.future, *passages);
    content.practitionerName = r.settings.practitionerName;
    content.practitionerTelephone = r.settings.practitionerTelephone;
    return print::composeNineStarDocument(content);
}

print::PrintDocument illness(const HeadlessRequest& r, std::string&) {
    return print::composeIllnessDocument(
        signedMemo(r, print::kIllnessPrintTitle, illnessBasicText(r.runner.chart().elementPoints)));
}

// The three blocks, year, month and day, as the window's buttons append them.
print::PrintDocument conception(const HeadlessRequest& r, std::string& error) {
    std::string why;
    auto table = Table::openReadOnly(readingTablePath(r.paths, ReadingTableKind::ConceptionDay),
                                     readingTableDef(ReadingTableKind::ConceptionDay), &why);
    if (!table) {
        error = "tengen.db: " + why;
        return {};
    }
    print::ConceptionDocumentContent content;
    content.clientName = r.clientName;
    for (const ConceptionPillar pillar :
         {ConceptionPillar::Year, ConceptionPillar::Month, ConceptionPillar::Day}) {
        const auto block = conceptionBlock(pillar, r.runner.chart(), *table);
        content.memoLines.insert(content.memoLines.end(), block.begin(), block.end());
    }
    content.practitionerName = r.settings.practitionerName;
    content.practitionerTelephone = r.settings.practitionerTelephone;
    return print::composeConceptionDocument(content);
}

// The mansion's meaning, or its karma with --karma, beside its relation diagram.
print::PrintDocument mansion(const HeadlessRequest& r, std::string& error) {
    const auto reading = readMansion(r.paths, r.runner.chart().mansionNumber, &error);
    if (!reading) return {};
    const bool karma = r.args.has("karma");
    print::MansionDocumentContent content;
    content.title = karma ? kKarmaTab : kMeaningTab;
    content.clientName = r.clientName;
    content.birthLine = mansionBirthLine(r.runner.chart());
    content.picturePath = reading->picture.string();
    content.lines = karma ? reading->karma : reading->meaning;
    content.practitionerName = r.settings.practitionerName;
    content.practitionerTelephone = r.settings.practitionerTelephone;
    return print::composeMansionDocument(content);
}

const std::vector<std::string> kPartnerOptions = {"partner-date", "partner-era", "partner-slot",
                                                  "partner-name"};

}  // namespace

const std::vector<HeadlessDocument>& headlessDocuments() {
    // One entry a document: its name and the function that makes it.
    static const std::vector<HeadlessDocument> documents = {
        {"chart", chartDocument},
        {"practical", practicalDocument},
        {"report", generalReport},
        {"cover", cover},
        {"basics", basics},
        {"fortune-calendar", fortuneCalendar},
        {"mansion-calendar", mansionCalendar},
        {"memo", aiMemo},
        {"compatibility", compatibility, {"partner-female"}, kPartnerOptions},
        {"marriage", [](const HeadlessRequest& r,
                        std::string& e) { return topicTiming(r, e, TopicWindowKind::Marriage); }},
        {"work", [](const HeadlessRequest& r,
                    std::string& e) { return topicTiming(r, e, TopicWindowKind::Work); }},
        {"luck-memo", luckMemo},
        {"graphs", graphs},
        {"family", family},
        {"nine-star", nineStar},
        {"mansion", mansion, {"karma"}},
        {"illness", illness},
        {"conception", conception},
    };
    return documents;
}

bool wantsHeadlessPrint(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-pdf") == 0 ||
            std::strncmp(argv[i], "--print-pdf=", 12) == 0) {
            return true;
        }
    }
    return false;
}

namespace {

int usageError(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
    return 2;
}

cli::Args parseWords(const std::vector<std::string>& words) {
    std::set<std::string> flags = {"south", "yes", "whole-year"};
    std::vector<std::string> options = cli::clientValuedOptionNames();
    options.insert(options.end(), {"print-pdf", "document", "column", "year", "month", "cover"});
    for (const HeadlessDocument& d : headlessDocuments()) {
        flags.insert(d.flags.begin(), d.flags.end());
        options.insert(options.end(), d.options.begin(), d.options.end());
    }
    return cli::Args(words, std::vector<std::string>(flags.begin(), flags.end()), options);
}

}  // namespace

int runHeadlessPrint(const std::vector<std::string>& words, const AppPaths& paths) {
    try {
        const cli::Args args = parseWords(words);
        if (!args.positional().empty()) {
            return usageError("unexpected argument: " + args.positional().front());
        }
        const std::string file = args.require("print-pdf");
        if (file.empty()) return usageError("--print-pdf needs a file name");
        const std::string name = args.require("document");
        const HeadlessDocument* document = nullptr;
        for (const HeadlessDocument& d : headlessDocuments()) {
            if (d.name == name) document = &d;
        }
        if (document == nullptr) return usageError("document " + name + " is not available");
        if (args.has("whole-year") && args.has("month")) {
            return usageError("--month and --whole-year exclude each other");
        }
        const AppraisalInput input = cli::clientInputFrom(args);
        const int column = args.intValue("column", 0, 1, 12);
        const int year = args.intValue("year", input.today.year, 1, 9999);
        const int month =
            args.has("whole-year") ? 0 : args.intValue("month", input.today.month, 1, 12);
        const int cover = args.intValue("cover", 0, 0, 4);

        AppraisalRunner runner(paths);
        RecordingNotifier notes;
        notes.answer = args.has("yes");
        if (input.taiwanOldCalendar) runner.loadTaiwanFile(notes);
        if (runner.run(input, notes) != AppraisalStatus::Completed) {
            std::fprintf(stderr, "%s: %s\n", kProgram, cli::lastMessage(notes).c_str());
            return 1;
        }
        const Settings settings = SettingsStore(paths).load();
        const HeadlessRequest request{runner,      settings, paths, args,  input.name,
                                      input.today, column,   year,  month, cover};
        std::string error;
        const print::PrintDocument doc = document->make(request, error);
        if (doc.pages.empty()) {
            std::fprintf(stderr, "%s: %s: %s\n", kProgram, name.c_str(),
                         error.empty() ? "nothing to print" : error.c_str());
            return 1;
        }
        if (!writeDocumentPdf(doc, QString::fromStdString(file))) {
            std::fprintf(stderr, "%s: cannot write %s\n", kProgram, file.c_str());
            return 1;
        }
        return 0;
    } catch (const cli::UsageError& e) {
        return usageError(e.message);
    }
}

}  // namespace suimei
