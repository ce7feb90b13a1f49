// Timing and screenshots of the client-table windows, run offscreen on a 1280x1024 screen:
//
//   client_windows timing [CLIENTS] [APPRAISE]
//       In a temporary application folder: imports a CLIENTS-line CSV (default 100000) through the
//       utility window, opens that table on the データ入力 page and scrolls its grid, then
//       appraises APPRAISE clients (default 10000) with 全人名を一括して鑑定する.
//   client_windows screenshots OUTPUT_FOLDER APP_FOLDER
//       Copies the demo table of APP_FOLDER/jinmei (the original is never opened), appraises it,
//       and saves the データ入力 page and the utility window as PNG files.
//
// QT_QPA_PLATFORM=offscreen:configfile=FILE with a 1280x1024 screen, as tools/screenshots.sh.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/appraisal.h"
#include "app/client_table.h"
#include "app/settings.h"
#include "app/ui/client_grid_model.h"
#include "app/ui/data_entry_page.h"
#include "app/ui/main_window.h"
#include "app/ui/start_up.h"
#include "app/ui/utility_window.h"
#include "calendar/types.h"
#include "core/app_paths.h"
#include "core/table_store.h"
#include "core/text_codec.h"

namespace {

using namespace suimei;
namespace fs = std::filesystem;

class RunnerBackend : public AppraisalBackend {
  public:
    explicit RunnerBackend(AppraisalRunner& runner) : runner_(runner) {}
    AppraisalStatus run(const AppraisalInput& input, Notifier& notifier) override {
        return runner_.run(input, notifier);
    }
    bool hasRun() const override { return runner_.hasRun(); }
    const AppraisalDisplay& display() const override { return runner_.display(); }

  private:
    AppraisalRunner& runner_;
};

// The program's windows over one application folder; notices are kept, not shown.
struct Program {
    explicit Program(const fs::path& appDir)
        : paths(appDir, appDir / "vorrin80.ini"), store(paths), runner(paths), backend(runner) {}

    void open(int dataSet) {
        utility.reset();
        window = std::make_unique<Tmenufrm>(backend, settings, store, notifier);
        window->entryPage()->setJinmeiDir(paths.jinmeiDir());
        window->entryPage()->openDataSet(dataSet);
        utility = std::make_unique<TUtyForm1>(*window, backend, notifier);
    }
    void press(const char* name) { utility->findChild<QPushButton*>(name)->click(); }

    AppPaths paths;
    SettingsStore store;
    Settings settings;
    RecordingNotifier notifier;
    AppraisalRunner runner;
    RunnerBackend backend;
    std::unique_ptr<Tmenufrm> window;
    std::unique_ptr<TUtyForm1> utility;
};

double msSince(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Deterministic client lines: names from a few family and given names, dates 1910..2019, every
// time slot including 不明の場合, both sexes.
std::string clientCsv(int count) {
    const char* family[] = {"佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺",  "山本",
                            "中村", "小林", "加藤", "吉田", "山田", "Smith", "O'Neil"};
    const char* given[] = {"太郎", "花子", "健一", "美咲", "大輔", "由美", "翔太", "恵"};
    std::string out;
    unsigned long long seed = 12345;
    auto next = [&seed] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((seed >> 33) % 1000000);
    };
    for (int i = 0; i < count; ++i) {
        const int year = 1910 + next() % 110;
        const int month = 1 + next() % 12;
        const int day = 1 + next() % daysInMonth(year, month);
        char date[16];
        std::snprintf(date, sizeof date, "%04d/%02d/%02d", year, month, day);
        const std::string name =
            std::string(family[next() % 14]) + " " + given[next() % 8] + std::to_string(i);
        const std::string_view slot = kBirthTimeSlots[static_cast<std::size_t>(next() % 14)];
        const auto line = formatClientCsvLine(
            {name, date, std::string(slot), i % 2 == 0 ? std::string("男") : std::string("女")});
        out += *utf8ToCp932(line + "\r\n");
    }
    return out;
}

void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

int timing(int clients, int appraise) {
    QTemporaryDir temp;
    const fs::path appDir = temp.path().toStdString();
    Program program(appDir);
    const fs::path csv = appDir / "clients.csv";
    writeFile(csv, clientCsv(clients));
    std::printf("clients CSV: %d lines, %.1f MB\n", clients,
                static_cast<double>(fs::file_size(csv)) / 1e6);

    // Import through the utility window (progress dialog included).
    program.open(1);
    program.utility->setFileChooser([&](TUtyForm1::FileDialog, const QString&) {
        return QString::fromStdString(csv.string());
    });
    QElapsedTimer clock;
    clock.start();
    program.press("SpeedButton1");
    std::printf("import of %d clients through the utility window: %.0f ms (%s)\n", clients,
                msSince(clock), program.notifier.lastText() == kImportDoneText ? "done" : "FAILED");

    // Opening the table and scrolling its grid.
    clock.restart();
    program.open(1);
    const double openMs = msSince(clock);
    Tmenufrm& window = *program.window;
    window.resize(1012, 728);
    window.show();
    QApplication::processEvents();
    DataEntryPage& page = *window.entryPage();
    ClientGridModel& model = *page.gridModel();
    std::printf(
        "open the %d-client table on the page: %.0f ms; %d rows, %d page(s) read to show it\n",
        clients, openMs, model.rowCount(), model.pagesFetched());

    QTableView& grid = *page.grid();
    QScrollBar& bar = *grid.verticalScrollBar();
    auto scrollRun = [&](const char* what, const std::vector<int>& targets) {
        const long long rowsBefore = model.rowsFetched();
        const int pagesBefore = model.pagesFetched();
        double worst = 0;
        QElapsedTimer all;
        all.start();
        for (int value : targets) {
            QElapsedTimer one;
            one.start();
            bar.setValue(value);
            grid.viewport()->repaint();
            QApplication::processEvents();
            worst = std::max(worst, msSince(one));
        }
        const double n = static_cast<double>(targets.size());
        std::printf(
            "%s: %zu scrolls, %.2f ms per scroll (worst %.1f ms), %.1f rows and %.2f pages read "
            "per scroll\n",
            what, targets.size(), msSince(all) / n, worst,
            static_cast<double>(model.rowsFetched() - rowsBefore) / n,
            (model.pagesFetched() - pagesBefore) / n);
    };
    std::vector<int> steps;
    for (int v = 0; v < 300 * bar.pageStep() && v <= bar.maximum(); v += bar.pageStep()) {
        steps.push_back(v);
    }
    scrollRun("page down through the grid", steps);
    std::vector<int> lines;
    for (int v = 0; v < 600 && v <= bar.maximum(); ++v) lines.push_back(v);
    scrollRun("one row at a time", lines);
    std::vector<int> jumps;
    unsigned seed = 7;
    for (int i = 0; i < 100; ++i) {
        seed = seed * 1103515245u + 12345u;
        jumps.push_back(static_cast<int>((seed >> 8) % static_cast<unsigned>(bar.maximum() + 1)));
    }
    scrollRun("random jumps across the table", jumps);

    // One page of the grid read straight from the table at a few depths.
    Table& table = *page.table();
    for (const char* index : {"", "yymmdd"}) {
        table.setActiveIndex(index);
        for (int offset : {0, clients / 2, std::max(0, clients - ClientGridModel::kPageRows)}) {
            QElapsedTimer one;
            one.start();
            const auto rows = table.page(offset, ClientGridModel::kPageRows);
            std::printf("Table::page(%d, %d) in %s order: %.2f ms (%zu rows)\n", offset,
                        ClientGridModel::kPageRows, *index ? index : "record", msSince(one),
                        rows.size());
        }
    }
    table.setActiveIndex("");
    auto timeClick = [&](const char* what, const std::function<void()>& act) {
        QElapsedTimer one;
        one.start();
        act();
        QApplication::processEvents();
        std::printf("%s: %.1f ms\n", what, msSince(one));
    };
    timeClick("最後へ (last record, grid row found and shown)", [&] { page.dbsaigoClick(); });
    timeClick("先頭へ", [&] { page.dbsentoClick(); });
    timeClick("sort by 生年月日",
              [&] { window.findChild<QRadioButton*>("RadioButton2")->click(); });
    timeClick("name search", [&] {
        window.findChild<QLineEdit*>("Edit1")->setText(QString::fromUtf8("山田 花子"));
        page.jinmeiserchClick();
    });
    timeClick("1つ先へ", [&] { page.dbatoClick(); });

    // Appraise every client of a table of `appraise` clients.
    {
        auto t = openClientTable(program.paths.jinmeiDir(), 2);
        CsvImportReport report;
        const fs::path small = appDir / "appraise.csv";
        writeFile(small, clientCsv(appraise));
        importClientsCsv(*t, small, report, nullptr);
    }
    program.open(2);
    program.window->show();
    program.utility->show();
    clock.restart();
    program.press("SpeedButton2");
    const double appraiseMs = msSince(clock);
    std::printf(
        "appraise all %d clients (progress dialog, summary columns written): %.0f ms, "
        "%.2f ms per client\n",
        appraise, appraiseMs, appraiseMs / appraise);
    const auto& notices = program.notifier.notices;
    if (notices.size() >= 2) {
        std::printf("summary shown: %s\n", notices[notices.size() - 2].text.c_str());
    }
    return 0;
}

bool save(QWidget& w, const QDir& dir, const char* name) {
    w.show();
    QApplication::processEvents();
    const QString path = dir.filePath(QString::fromLatin1(name));
    const bool ok = w.grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

int screenshots(const QString& outFolder, const QString& appFolder) {
    const QDir out(outFolder);
    QDir().mkpath(out.path());
    QTemporaryDir temp;
    const fs::path appDir = temp.path().toStdString();
    fs::create_directories(appDir / "jinmei");
    const std::string demo(kClientDataSets[0].fileName);
    std::error_code ec;
    fs::copy_file(fs::path(appFolder.toStdString()) / "jinmei" / demo, appDir / "jinmei" / demo,
                  ec);
    if (ec) {
        std::fprintf(stderr, "cannot copy the demo table: %s\n", ec.message().c_str());
        return 1;
    }
    Program program(appDir);
    program.open(0);
    program.press("SpeedButton2");  // fills the summary columns of the copy

    program.open(0);
    Tmenufrm& window = *program.window;
    window.setAppDir(appFolder);
    window.resize(1012, 728);
    window.entryPage()->dbatoClick();
    window.entryPage()->dbatoClick();
    bool ok = save(window, out, "client_entry_page.png");
    window.findChild<QRadioButton*>("RadioButton1")->click();
    ok &= save(window, out, "client_entry_sorted_by_day_master.png");
    ok &= save(*program.utility, out, "client_utility_window.png");
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installJapaneseFontFallbacks();
    const QStringList args = QApplication::arguments();
    if (args.size() >= 2 && args[1] == "timing") {
        const int clients = args.size() >= 3 ? args[2].toInt() : 100000;
        const int appraise = args.size() >= 4 ? args[3].toInt() : 10000;
        return timing(std::max(clients, 1), std::max(appraise, 1));
    }
    if (args.size() == 4 && args[1] == "screenshots") return screenshots(args[2], args[3]);
    std::fprintf(stderr,
                 "usage: client_windows timing [CLIENTS] [APPRAISE]\n"
                 "       client_windows screenshots OUTPUT_FOLDER APP_FOLDER\n");
    return 2;
}
