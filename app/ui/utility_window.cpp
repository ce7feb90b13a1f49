#include "app/ui/utility_window.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "app/client_table.h"
#include "app/ui/data_entry_page.h"
#include "app/ui/main_window.h"
#include "core/table_store.h"

namespace suimei {

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

constexpr char kSouthernQuestion[] =
    "「環境と流派の設定」で南半球モードとなっています。よろしいですね。";
constexpr char kSouthernRefused[] = "「環境と流派の設定」を再設定して下さい。";
constexpr char kUnknownTimeCaption[] = "時刻指定なし";
// Lines of a list shown in a message box before "ほか n 件".
constexpr std::size_t kListedLines = 15;

std::string listed(const std::vector<std::string>& lines, const char* unit) {
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < kListedLines; ++i) text += "\n" + lines[i];
    if (lines.size() > kListedLines) {
        text += "\nほか" + std::to_string(lines.size() - kListedLines) + unit;
    }
    return text;
}

// Shows the hourglass while it lives.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// A progress dialog over `parent` that appears when the work takes longer than a moment.
std::unique_ptr<QProgressDialog> makeProgress(QWidget* parent, const QString& label, int total) {
    auto p = std::make_unique<QProgressDialog>(label, u8("中止"), 0, total, parent);
    p->setObjectName("progress");
    p->setWindowTitle(u8("ユーテイリテイ画面"));
    p->setWindowModality(Qt::WindowModal);
    p->setMinimumDuration(300);
    p->setAutoClose(true);
    p->setMinimumWidth(420);
    p->setValue(0);
    return p;
}

}  // namespace

TUtyForm1::TUtyForm1(Tmenufrm& mainWindow, AppraisalBackend& backend, Notifier& notifier,
                     QWidget* parent)
    : QDialog(parent), main_(mainWindow), backend_(backend), notifier_(notifier) {
    setObjectName("TUtyForm1");
    setWindowTitle(u8("ユーテイリテイ画面"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(10);

    auto* warning = new QLabel(
        u8("ここにある機能は上級者向けです。操作を誤って壊れたデータは元に戻すことができません。\n"
           "実行する前に必ず jinmei フォルダのバックアップを取っておいて下さい。\n"
           "どの機能も、終わると本ソフトを一度終了します。"),
        this);
    warning->setObjectName("Label1");
    warning->setWordWrap(true);
    warning->setStyleSheet(
        "QLabel { color: #8a1c1c; background: #fdf1f1; border: 1px solid #e3b4b4;"
        " border-radius: 4px; padding: 8px 10px; }");
    layout->addWidget(warning);
    tableLabel_ = new QLabel(this);
    tableLabel_->setObjectName("tablelbl");
    tableLabel_->setStyleSheet("font-weight: bold; color: #24467f;");
    layout->addWidget(tableLabel_);

    struct Entry {
        const char* name;
        const char* caption;
        const char* note;
        void (TUtyForm1::*click)();
    };
    const Entry entries[] = {
        {"databasebunsyo", "現在の人名データベースをＣＳＶファイルに書き出す",
         "氏名・生年月日・時刻・性別をコンマ区切りで１行に１人ずつ書き出します（シフトJIS）。",
         &TUtyForm1::databasebunsyoClick},
        {"SpeedButton1", "指定するＣＳＶファイルから、現在の人名データベースに取り込む",
         "同じ形式のファイルを読み込み、お客様を追加します。読めない行は行番号でお知らせします。",
         &TUtyForm1::SpeedButton1Click},
        {"SpeedButton2", "全人名を一括して鑑定する。",
         "（注意）時刻不明のお客様は推時黄金律で時柱を補って鑑定し、件数を最後にお知らせします。",
         &TUtyForm1::SpeedButton2Click},
        {"SpeedButton3", "現在の全人名を一括して削除します。",
         "現在のデータの種類のお客様をすべて削除します。元に戻すことはできません。",
         &TUtyForm1::SpeedButton3Click},
    };
    for (const Entry& e : entries) {
        auto* button = new QPushButton(u8(e.caption), this);
        button->setObjectName(e.name);
        button->setMinimumHeight(34);
        button->setStyleSheet("QPushButton { text-align: left; padding: 4px 12px; }");
        connect(button, &QPushButton::clicked, this, e.click);
        auto* note = new QLabel(u8(e.note), this);
        note->setObjectName(QString::fromLatin1(e.name) + "lbl");
        note->setWordWrap(true);
        note->setStyleSheet("color:#4a5366; margin-left: 14px;");
        layout->addWidget(button);
        layout->addWidget(note);
    }
    layout->addStretch(1);
    auto* close = new QPushButton(u8("閉じる"), this);
    close->setObjectName("closebtn");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(close);
    layout->addLayout(row);
    setMinimumWidth(600);
    resize(620, sizeHint().height());
}

void TUtyForm1::showEvent(QShowEvent* event) {
    const DataEntryPage& page = *main_.entryPage();
    if (Table* table = page.table()) {
        const auto& set = kClientDataSets[static_cast<std::size_t>(page.dataSet())];
        tableLabel_->setText(u8("対象のテーブル：%1（%2）　%3件")
                                 .arg(QString::fromStdString(table->file().filename().string()),
                                      QString::fromUtf8(set.caption.data(),
                                                        static_cast<qsizetype>(set.caption.size())))
                                 .arg(table->recordCount()));
    } else {
        tableLabel_->setText(u8("人名テーブルが開かれていません。"));
    }
    QDialog::showEvent(event);
}

QString TUtyForm1::chooseFile(FileDialog kind) {
    if (lastFolder_.isEmpty()) lastFolder_ = QDir::homePath();
    QString path;
    if (chooseFile_) {
        path = chooseFile_(kind, lastFolder_);
    } else if (kind == FileDialog::SaveCsv) {
        path = QFileDialog::getSaveFileName(this, u8("ＣＳＶファイルに書き出す"),
                                            QDir(lastFolder_).filePath(u8("人名データ.csv")),
                                            u8("ＣＳＶファイル (*.csv);;すべてのファイル (*)"));
    } else {
        path = QFileDialog::getOpenFileName(this, u8("ＣＳＶファイルから取り込む"), lastFolder_,
                                            u8("ＣＳＶファイル (*.csv);;すべてのファイル (*)"));
    }
    if (!path.isEmpty()) lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

void TUtyForm1::endProgram() {
    close();
    main_.close();
}

bool TUtyForm1::tableReady() {
    if (main_.entryPage()->table()) return true;
    notifier_.warn("人名テーブルが開かれていません。");
    return false;
}

void TUtyForm1::databasebunsyoClick() {
    if (!tableReady()) return;
    const QString path = chooseFile(FileDialog::SaveCsv);
    if (path.isEmpty()) return;
    DataEntryPage& page = *main_.entryPage();
    page.commitPendingEdits();
    Table& table = *page.table();
    if (const std::string why = csvPathProblem(path.toStdString(), table.file(), false);
        !why.empty()) {
        notifier_.error(why);
        return;
    }
    std::string error;
    CsvExportReport report;
    bool ok = false;
    {
        const WaitCursor wait;
        ok = exportClientsCsv(table, path.toStdString(), &error, CsvEncoding::ShiftJis, &report);
    }
    if (!ok && report.notShiftJis) {
        // Names without a Shift-JIS form: the whole table can still be written as UTF-8.
        if (!notifier_.ask(error + "\n\nUTF-8（BOM付き）のファイルとして書き出しますか？")) return;
        const WaitCursor wait;
        ok = exportClientsCsv(table, path.toStdString(), &error, CsvEncoding::Utf8WithBom, &report);
    }
    if (!ok) {
        // Nothing was written: the old file stays, and so does the program.
        notifier_.error(error);
        return;
    }
    notifier_.info(kExportDoneText);
    endProgram();
}

void TUtyForm1::SpeedButton1Click() {
    if (!tableReady()) return;
    const QString path = chooseFile(FileDialog::OpenCsv);
    if (path.isEmpty()) return;
    DataEntryPage& page = *main_.entryPage();
    page.commitPendingEdits();
    Table& table = *page.table();
    if (const std::string why = csvPathProblem(path.toStdString(), table.file(), true);
        !why.empty()) {
        notifier_.error(why);
        return;
    }
    CsvImportReport report;
    std::string error;
    bool ok = false;
    {
        const WaitCursor wait;
        auto progress = makeProgress(this, u8("ＣＳＶファイルを取り込んでいます…"), 0);
        CsvImportOptions options;
        options.keepInvalid = [&](const std::vector<std::string>& invalid) {
            return notifier_.ask(
                "生年月日・時刻・性別が正しくない行が" + std::to_string(invalid.size()) +
                "行あります。" + listed(invalid, "行") +
                "\n\nこれらの行も入力のまま取り込みますか？（いいえ：これらの行は取り込みません）");
        };
        options.progress = [&](int done, int total) {
            if (progress->maximum() != total) progress->setMaximum(total);
            if (done < total) progress->setValue(done);
            return !progress->wasCanceled();
        };
        ok = importClientsCsv(table, path.toStdString(), report, &error, options);
        progress->reset();
    }
    page.reloadFromTable();
    if (!ok) {
        // All or nothing: the table is as it was before the import.
        notifier_.error(error);
        return;
    }
    std::string summary = "取り込んだお客様：" + std::to_string(report.imported) + "件";
    if (report.keptInvalid > 0) {
        summary +=
            "（値が正しくないまま取り込んだお客様 " + std::to_string(report.keptInvalid) + "件）";
    }
    if (!report.problems.empty()) {
        summary += "\n取り込まなかった行：" + std::to_string(report.problems.size()) + "行" +
                   listed(report.problems, "行");
    }
    if (!report.notices.empty()) {
        summary += "\nご注意：" + listed(report.notices, "件");
    }
    if (!report.problems.empty() || !report.notices.empty() || report.keptInvalid > 0) {
        notifier_.warn(summary);
    }
    notifier_.info(kImportDoneText);
    endProgram();
}

void TUtyForm1::SpeedButton2Click() {
    if (!tableReady()) return;
    DataEntryPage& page = *main_.entryPage();
    page.commitPendingEdits();
    // The southern-hemisphere question is asked once for the whole batch, not once per client.
    const bool southern = main_.clientInput({}, {}, {}, {}).southernInFile;
    if (southern && !notifier_.ask(kSouthernQuestion)) {
        notifier_.info(kSouthernRefused);
        return;
    }
    Table& table = *page.table();
    table.setActiveIndex("simei");
    const int total = table.recordCount();
    // Notices of the runs are collected, not shown one box per client.
    RecordingNotifier collected;
    collected.answer = true;
    int done = 0;
    int appraised = 0;
    int unknownTime = 0;
    std::vector<std::string> failures;
    bool stopped = false;
    {
        const WaitCursor wait;
        auto progress = makeProgress(this, u8("全人名を鑑定しています…"), total);
        auto batch = std::make_unique<Table::Batch>(table);
        int inBatch = 0;
        for (bool more = table.first(); more; more = table.next()) {
            const std::string name = table.field(client_field::kName);
            const std::string date = table.field(client_field::kBirthDate);
            collected.notices.clear();
            AppraisalInput input = main_.clientInput(
                name, QString::fromStdString(date).trimmed().toStdString(),
                table.field(client_field::kTime), table.field(client_field::kSex));
            const AppraisalStatus status = backend_.run(input, collected);
            ++done;
            for (const Notice& n : collected.notices) {
                if (n.caption == kUnknownTimeCaption) ++unknownTime;
            }
            const std::string who = std::to_string(done) + "件目 " + name + "（" + date + "）: ";
            if (status == AppraisalStatus::Completed) {
                const AppraisalDisplay& d = backend_.display();
                const SummaryColumns& s = d.summary;
                if (!d.normalizedDate.empty()) {
                    table.setField(client_field::kBirthDate, d.normalizedDate);
                }
                table.setField(client_field::kDayMaster, s.dayMaster);
                table.setField(client_field::kMonthBranch, s.monthBranch);
                table.setField(client_field::kYearStemTenGod, s.yearStemTenGod);
                table.setField(client_field::kMonthStemTenGod, s.monthStemTenGod);
                table.setField(client_field::kHourStemTenGod, s.hourStemTenGod);
                table.setField(client_field::kEtc1, s.etc1);
                if (table.post()) {
                    ++appraised;
                } else {
                    failures.push_back(who + table.lastError());
                    table.cancel();
                }
            } else {
                std::string why = "鑑定できませんでした。";
                for (const Notice& n : collected.notices) {
                    if (n.caption != kUnknownTimeCaption) {
                        why = n.text;
                        break;
                    }
                }
                failures.push_back(who + why);
            }
            if (++inBatch >= 500) {
                batch->commit();
                batch = std::make_unique<Table::Batch>(table);
                inBatch = 0;
            }
            if (done % 25 == 0 && done < total) {
                progress->setValue(done);
                if (progress->wasCanceled()) {
                    stopped = true;
                    break;
                }
            }
        }
        batch->commit();
        progress->reset();
    }
    page.reloadFromTable();

    std::string summary = "鑑定したお客様：" + std::to_string(appraised) + "件";
    if (unknownTime > 0) {
        summary +=
            "\n時刻不明のため推時黄金律で時柱を補ったお客様：" + std::to_string(unknownTime) + "件";
    }
    if (!failures.empty()) {
        summary += "\n鑑定できなかったお客様：" + std::to_string(failures.size()) + "件" +
                   listed(failures, "件");
    }
    if (stopped) {
        summary += "\n途中で中止しました（全" + std::to_string(total) + "件のうち" +
                   std::to_string(done) + "件目まで）。";
    }
    if (failures.empty()) {
        notifier_.info(summary);
    } else {
        notifier_.warn(summary);
    }
    notifier_.info(kAppraiseAllDoneText);
    endProgram();
}

void TUtyForm1::SpeedButton3Click() {
    if (!tableReady()) return;
    DataEntryPage& page = *main_.entryPage();
    page.commitPendingEdits();
    bool ok = false;
    {
        const WaitCursor wait;
        ok = page.table()->emptyTable();
    }
    const std::string why = ok ? std::string() : page.table()->lastError();
    page.reloadFromTable();
    if (!ok) {
        notifier_.error("お客様のデータを削除できませんでした。\n" + why);
        return;
    }
    notifier_.info(kEmptyTableDoneText);
    endProgram();
}

}  // namespace suimei
