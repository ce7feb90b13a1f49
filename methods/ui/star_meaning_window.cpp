#include "methods/ui/star_meaning_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"
#include "methods/nine_star.h"
#include "methods/nine_star_reading.h"

namespace suimei {

StarMeaningWindow::StarMeaningWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StarMeaningWindow"));
    setWindowTitle(QStringLiteral("九星の意味"));
    resize(760, 640);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    for (int p = 1; p <= 9; ++p) {
        auto* square = new QFrame(this);
        square->setFrameShape(QFrame::Box);
        auto* column = new QVBoxLayout(square);
        auto* heading = new QLabel(qs(starMeaningHeading(p)), square);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        auto* meanings = new QLabel(qs(starMeanings(p)), square);
        meanings->setObjectName(QStringLiteral("meaning%1").arg(p));
        meanings->setWordWrap(true);
        meanings->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        column->addWidget(heading);
        column->addWidget(meanings, 1);
        const BoardCell cell = boardSquareCell(p);
        grid->addWidget(square, cell.row - 1, cell.column - 1);
    }
    for (int i = 0; i < 3; ++i) grid->setColumnStretch(i, 1);
    layout->addLayout(grid, 2);

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(new QLabel(QStringLiteral("参照したい星を指定して下さい"), this));
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("hosicombo"));
    for (int s = 1; s <= 9; ++s) choice_->addItem(qs(nineStarName(s)));
    connect(choice_, &QComboBox::currentIndexChanged, this, &StarMeaningWindow::showTrades);
    choiceRow->addWidget(choice_);
    choiceRow->addStretch(1);
    layout->addLayout(choiceRow);

    trades_ = new QPlainTextEdit(this);
    trades_->setObjectName(QStringLiteral("Memo1"));
    trades_->setReadOnly(true);
    layout->addWidget(trades_, 1);
    layout->addLayout(closeButtonRow(this));
    showTrades(0);
}

void StarMeaningWindow::chooseFirstStar() {
    choice_->setCurrentIndex(0);
    showTrades(0);
}

QLabel* StarMeaningWindow::meaningLabel(int position) const {
    return findChild<QLabel*>(QStringLiteral("meaning%1").arg(position));
}

void StarMeaningWindow::showTrades(int index) {
    trades_->setPlainText(qs(starTrades(index + 1)));
}

}  // namespace suimei
