#include "calendar/ui/taiwan_window.h"

#include <QDate>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calendar/taiwan_calendar.h"
#include "core/text_codec.h"
#include "core/ui/qt_text.h"

namespace suimei {

TaiwanCalendarWindow::TaiwanCalendarWindow(AppPaths paths, Notifier& notifier, QWidget* parent)
    : QDialog(parent), paths_(std::move(paths)), notifier_(notifier) {
    setObjectName("TaiwanCalendarWindow");
    setWindowTitle("台湾方式旧暦　カスタマイズファイル");

    fileMemo_ = new QPlainTextEdit(this);
    fileMemo_->setObjectName("fileMemo");
    fileMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    fileMemo_->setPlaceholderText("1923/11/08,10/01,30,h");

    // What each field of a line means, next to the memo.
    auto* fields = new QGroupBox("1行の書き方（例 1923/11/08,10/01,30,h）", this);
    fields->setObjectName("fieldsBox");
    auto* fieldLayout = new QVBoxLayout(fields);
    const char* explanations[] = {
        "西暦の年月日（必ずYYYY/MM/DD）のフォーマットであること",
        "旧暦の　旧月01日",
        "旧暦月の最大日（29か30）",
        "平月ならｈ　閏月(同じ月が続く後半の月)ならu",
    };
    int n = 1;
    for (const char* text : explanations) {
        auto* label = new QLabel(QString::number(n++) + "．" + QString::fromUtf8(text), fields);
        label->setWordWrap(true);
        fieldLayout->addWidget(label);
    }

    year_ = new QSpinBox(this);
    year_->setObjectName("yearEdit");
    year_->setRange(1312, 2200);
    year_->setValue(1923);
    month_ = new QSpinBox(this);
    month_->setObjectName("monthEdit");
    month_->setRange(1, 12);
    month_->setValue(11);
    day_ = new QSpinBox(this);
    day_->setObjectName("dayEdit");
    day_->setRange(1, 31);
    day_->setValue(8);
    auto* lookup = new QPushButton("上の西暦の台湾式旧暦", this);
    lookup->setObjectName("lookupButton");
    connect(lookup, &QPushButton::clicked, this, &TaiwanCalendarWindow::lookUp);
    resultMemo_ = new QPlainTextEdit(this);
    resultMemo_->setObjectName("resultMemo");
    resultMemo_->setReadOnly(true);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(year_);
    dateRow->addWidget(new QLabel("年", this));
    dateRow->addWidget(month_);
    dateRow->addWidget(new QLabel("月", this));
    dateRow->addWidget(day_);
    dateRow->addWidget(new QLabel("日", this));
    dateRow->addStretch();
    auto* checkBox = new QGroupBox("日付の確認", this);
    auto* checkLayout = new QVBoxLayout(checkBox);
    checkLayout->addLayout(dateRow);
    checkLayout->addWidget(lookup);
    checkLayout->addWidget(resultMemo_, 1);

    save_ = new QPushButton("保存して閉じる", this);
    save_->setObjectName("saveButton");
    connect(save_, &QPushButton::clicked, this, &TaiwanCalendarWindow::saveAndClose);

    auto* side = new QVBoxLayout;
    side->addWidget(fields);
    side->addWidget(checkBox, 1);
    side->addWidget(save_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(fileMemo_, 1);
    layout->addLayout(side);
    resize(720, 520);
}

void TaiwanCalendarWindow::showEvent(QShowEvent* event) {
    if (!loaded_) load();
    QDialog::showEvent(event);
}

QString TaiwanCalendarWindow::fileText() const {
    return fileMemo_->toPlainText();
}

void TaiwanCalendarWindow::load() {
    loaded_ = true;
    // The notices of a missing or over-long file are the module's own.
    loadTaiwanFile(paths_, notifier_);
    const auto bytes = readFileBytes(paths_.file(kTaiwanFileName));
    if (!bytes) return;  // no file yet: the memo starts empty and saving creates it
    const auto text = decodeTextFile(*bytes);
    if (!text) {
        // Showing a guess of the text and saving it would damage the file: leave it alone.
        fileMemo_->setReadOnly(true);
        save_->setEnabled(false);
        notifier_.info(std::string(kTaiwanFileName) +
                       " の文字を読み取れないため、この画面では編集できません。");
        return;
    }
    // One memo line per file line; saving puts the CRLF back after each.
    QStringList lines;
    for (const std::string& line : splitLines(*text)) lines << qs(line);
    fileMemo_->setPlainText(lines.join('\n'));
}

QString TaiwanCalendarWindow::lookupText(int year, int month, int day) const {
    if (!QDate::isValid(year, month, day)) return "存在しない日付です";
    const TaiwanTable table = parseTaiwanText(fileMemo_->toPlainText().toStdString());
    const auto found = taiwanLookup(table, year, month, day);
    if (!found) return "該当なし（日本式の旧暦になります）";
    return QString(found->leapFlag == 1 ? "閏月" : "平月") + " " +
           QString::number(found->lunarMonth) + "月" + QString::number(found->lunarDay) + "日";
}

void TaiwanCalendarWindow::lookUp() {
    resultMemo_->appendPlainText(lookupText(year_->value(), month_->value(), day_->value()));
}

void TaiwanCalendarWindow::saveAndClose() {
    const std::vector<std::string> lines = splitLines(fileMemo_->toPlainText().toStdString());
    const auto bytes = encodeCp932Lines(lines);
    if (!bytes) {
        notifier_.warn(
            "Shift-JISで保存できない文字が含まれているため保存しませんでした。\n"
            "該当する文字を直してから保存して下さい。",
            "台湾方式旧暦　カスタマイズファイル");
        return;
    }
    if (!writeFileAtomically(paths_.file(kTaiwanFileName), *bytes)) {
        notifier_.error(std::string(kTaiwanFileName) + " に書き込めませんでした。",
                        "台湾方式旧暦　カスタマイズファイル");
        return;
    }
    emit fileSaved();
    close();
}

}  // namespace suimei
