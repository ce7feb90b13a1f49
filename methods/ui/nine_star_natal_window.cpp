#include "methods/ui/nine_star_natal_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"
#include "methods/nine_star.h"
#include "methods/ui/nine_star_board_view.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

QLabel* heading(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

}  // namespace

NineStarNatalWindow::NineStarNatalWindow(PassageTable& passages, QWidget* parent)
    : QWidget(parent), passages_(passages) {
    setObjectName(QStringLiteral("NineStarNatalWindow"));
    setWindowTitle(QStringLiteral("九星気学の年月盤"));

    auto* layout = new QVBoxLayout(this);
    auto* boards = new QGridLayout;
    boards->setHorizontalSpacing(24);
    yearPillar_ = new QLabel(this);
    yearPillar_->setObjectName(QStringLiteral("nenkanshi"));
    monthPillar_ = new QLabel(this);
    monthPillar_->setObjectName(QStringLiteral("tukikanshi"));
    auto* yearHead = new QHBoxLayout;
    yearHead->setSpacing(12);
    yearHead->addWidget(heading("年盤(本命星)", this));
    yearHead->addWidget(yearPillar_);
    yearHead->addStretch(1);
    auto* monthHead = new QHBoxLayout;
    monthHead->setSpacing(12);
    monthHead->addWidget(heading("月盤（月命星・傾斜法）", this));
    monthHead->addWidget(monthPillar_);
    monthHead->addStretch(1);
    yearBoard_ = new NineStarBoardView(this);
    yearBoard_->setObjectName(QStringLiteral("nenban"));
    monthBoard_ = new NineStarBoardView(this);
    monthBoard_->setObjectName(QStringLiteral("tukiban"));
    boards->addLayout(yearHead, 0, 0);
    boards->addLayout(monthHead, 0, 1);
    boards->addWidget(yearBoard_, 1, 0);
    boards->addWidget(monthBoard_, 1, 1);
    layout->addLayout(boards);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    layout->addWidget(summary_);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setMinimumHeight(160);
    layout->addWidget(memo_, 1);

    auto* buttons = new QHBoxLayout;
    const auto addButton = [this, buttons](const char* name, const char* caption, auto slot) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    };
    addButton("honmeibtn", "本命星診断", &NineStarNatalWindow::natalStarClick);
    addButton("getumeibtn", "月命星診断", &NineStarNatalWindow::monthStarClick);
    addButton("keisyabtn", "傾斜法診断", &NineStarNatalWindow::inclinationClick);
    addButton("clearbtn", "クリア", &NineStarNatalWindow::clearClick);
    addButton("kyuseibtn", "九星", &NineStarNatalWindow::meaningsRequested);
    addButton("miraibtn", "未来予知", &NineStarNatalWindow::futureRequested);
    buttons->addStretch(1);
    buttons->addWidget(makeCloseButton(this));
    layout->addLayout(buttons);
}

void NineStarNatalWindow::showChart(const Tmandata& chart) {
    natal_ = readNatalNineStar(chart);
    yearBoard_->showBoard(natal_.yearBoard);
    monthBoard_->showBoard(natal_.monthBoard);
    yearPillar_->setText(qs(natal_.yearPillarText));
    monthPillar_->setText(qs(natal_.monthPillarText));
    summary_->setText(QStringLiteral("本命星：%1　月命星：%2　傾斜：%3宮（%4）")
                          .arg(qs(nineStarName(natal_.natalStar)),
                               qs(nineStarName(natal_.monthStar)),
                               qs(palaceName(natal_.inclinationPosition)),
                               qs(nineStarName(natal_.inclinationStar))));
    memo_->clear();
    for (const std::string& line : natalNineStarMemo(natal_, passages_)) {
        memo_->appendPlainText(qs(line));
    }
    memo_->moveCursor(QTextCursor::Start);
}

QStringList NineStarNatalWindow::memoLines() const {
    if (memo_->document()->isEmpty()) return {};
    return memo_->toPlainText().split(QLatin1Char('\n'));
}

void NineStarNatalWindow::appendPassage(const char* key1) {
    for (const std::string& line : natalNineStarPassage(natal_, key1, passages_)) {
        memo_->appendPlainText(qs(line));
    }
}

void NineStarNatalWindow::natalStarClick() {
    appendPassage(kNatalStarPassageKey);
}

void NineStarNatalWindow::monthStarClick() {
    appendPassage(kMonthStarPassageKey);
}

void NineStarNatalWindow::inclinationClick() {
    appendPassage(kInclinationPassageKey);
}

void NineStarNatalWindow::clearClick() {
    memo_->clear();
}

}  // namespace suimei
