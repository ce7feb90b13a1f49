#include "methods/ui/nine_star_future_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/notifier.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"
#include "methods/ui/nine_star_board_view.h"
#include "readings/passage_table.h"

namespace suimei {

NineStarFutureWindow::NineStarFutureWindow(PassageTable& passages, Notifier& notifier,
                                           QWidget* parent)
    : QWidget(parent), passages_(passages), notifier_(notifier) {
    setObjectName(QStringLiteral("NineStarFutureWindow"));
    setWindowTitle(QStringLiteral("九星気学による未来予知"));

    auto* layout = new QVBoxLayout(this);
    auto* when = new QHBoxLayout;
    yearBox_ = new QLineEdit(this);
    yearBox_->setObjectName(QStringLiteral("nenedit"));
    yearBox_->setMaximumWidth(70);
    monthBox_ = new QLineEdit(this);
    monthBox_->setObjectName(QStringLiteral("tukiedit"));
    monthBox_->setMaximumWidth(40);
    auto* run = new QPushButton(QStringLiteral("診断実行"), this);
    run->setObjectName(QStringLiteral("jikkoubtn"));
    connect(run, &QPushButton::clicked, this, &NineStarFutureWindow::runClick);
    // Enter in either box runs the reading as the button does.
    connect(yearBox_, &QLineEdit::returnPressed, this, &NineStarFutureWindow::runClick);
    connect(monthBox_, &QLineEdit::returnPressed, this, &NineStarFutureWindow::runClick);
    when->addWidget(yearBox_);
    when->addWidget(new QLabel(QStringLiteral("年"), this));
    when->addWidget(monthBox_);
    when->addWidget(new QLabel(QStringLiteral("月"), this));
    when->addWidget(run);
    when->addStretch(1);
    layout->addLayout(when);

    auto* boards = new QGridLayout;
    boards->setHorizontalSpacing(24);
    yearHeading_ = new QLabel(this);
    yearHeading_->setObjectName(QStringLiteral("nenmidasi"));
    monthHeading_ = new QLabel(this);
    monthHeading_->setObjectName(QStringLiteral("tukimidasi"));
    for (QLabel* h : {yearHeading_, monthHeading_}) {
        QFont f = h->font();
        f.setBold(true);
        h->setFont(f);
    }
    yearBoard_ = new NineStarBoardView(this);
    yearBoard_->setObjectName(QStringLiteral("nenban"));
    monthBoard_ = new NineStarBoardView(this);
    monthBoard_->setObjectName(QStringLiteral("tukiban"));
    boards->addWidget(yearHeading_, 0, 0);
    boards->addWidget(monthHeading_, 0, 1);
    boards->addWidget(yearBoard_, 1, 0);
    boards->addWidget(monthBoard_, 1, 1);
    layout->addLayout(boards);

    meetingLine_ = new QLabel(this);
    meetingLine_->setObjectName(QStringLiteral("doukai"));
    layout->addWidget(meetingLine_);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setMinimumHeight(160);
    layout->addWidget(memo_, 1);

    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName(QStringLiteral("printbtn"));
    connect(print, &QPushButton::clicked, this, &NineStarFutureWindow::printClick);
    auto* clear = new QPushButton(QStringLiteral("クリア"), this);
    clear->setObjectName(QStringLiteral("clearbtn"));
    connect(clear, &QPushButton::clicked, this, &NineStarFutureWindow::clearClick);
    buttons->addWidget(print);
    buttons->addWidget(clear);
    buttons->addStretch(1);
    buttons->addWidget(makeCloseButton(this));
    layout->addLayout(buttons);
}

void NineStarFutureWindow::readMonth(int year, int month) {
    yearBox_->setText(QString::number(year));
    monthBox_->setText(QString::number(month));
    runClick();
}

void NineStarFutureWindow::readAgain() {
    if (!reading_) return;
    const auto future = readNineStarFuture(natalStar_, reading_->year, reading_->month);
    if (future) show(*future);
}

void NineStarFutureWindow::runClick() {
    const auto when =
        parseFutureYearMonth(yearBox_->text().toStdString(), monthBox_->text().toStdString());
    if (!when) {
        notifier_.warn(kFutureInputErrorText);
        return;
    }
    // Without a natal star (no appraisal yet) there is nothing to read.
    if (const auto future = readNineStarFuture(natalStar_, when->year, when->month)) show(*future);
}

void NineStarFutureWindow::show(const NineStarFuture& future) {
    reading_ = future;
    yearHeading_->setText(QString::number(future.year) + QStringLiteral("年盤 ") +
                          qs(future.yearPillarText));
    monthHeading_->setText(QString::number(future.month) + QStringLiteral("月盤 ") +
                           qs(future.monthPillarText));
    yearBoard_->showBoard(future.yearBoard);
    monthBoard_->showBoard(future.monthBoard, qs(yearMonthMeetingHint(future)));
    meetingLine_->setText(qs(yearMonthMeetingLine(future)));
    memo_->clear();
    for (const std::string& line : futureNineStarMemo(future, passages_)) {
        memo_->appendPlainText(qs(line));
    }
    memo_->moveCursor(QTextCursor::Start);
    memo_->ensureCursorVisible();
}

QStringList NineStarFutureWindow::memoLines() const {
    if (memo_->document()->isEmpty()) return {};
    return memo_->toPlainText().split(QLatin1Char('\n'));
}

void NineStarFutureWindow::clearClick() {
    memo_->clear();
}

print::PrintDocument NineStarFutureWindow::document() const {
    print::NineStarDocumentContent content;
    if (documentSource_) content = documentSource_();
    content.future = reading_;
    content.futureMemo.clear();
    for (const QString& line : memoLines()) content.futureMemo.push_back(line.toStdString());
    return print::composeNineStarDocument(content);
}

void NineStarFutureWindow::printClick() {
    PrintService::instance(notifier_).print(document(), this);
}

}  // namespace suimei
