#include "methods/ui/nine_star_board_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "calendar/types.h"
#include "core/ui/qt_text.h"
#include "methods/nine_star.h"

namespace suimei {

namespace {

constexpr int kSquareWidth = 84;   // px
constexpr int kSquareHeight = 76;  // px
constexpr int kRing = 22;          // px: the band of branch labels

QLabel* makeMark(const char* text, const char* colour, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(colour));
    label->hide();
    return label;
}

void fill(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

}  // namespace

NineStarBoardView::NineStarBoardView(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("NineStarBoardView"));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i : {0, 4}) {
        grid->setColumnMinimumWidth(i, kRing);
        grid->setRowMinimumHeight(i, kRing);
    }
    for (int i = 1; i <= 3; ++i) {
        grid->setColumnMinimumWidth(i, kSquareWidth);
        grid->setRowMinimumHeight(i, kSquareHeight);
    }

    for (int p = 1; p <= 9; ++p) {
        Square& s = squares_[static_cast<std::size_t>(p)];
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("square%1").arg(p));
        frame->setFrameShape(QFrame::Box);
        frame->setAutoFillBackground(true);
        fill(frame, Qt::white);
        frame->setFixedSize(kSquareWidth, kSquareHeight);
        auto* column = new QVBoxLayout(frame);
        column->setContentsMargins(2, 2, 2, 2);
        column->setSpacing(0);
        s.frame = frame;
        s.palace = new QLabel(qs(palaceName(p)), frame);
        s.palace->setAlignment(Qt::AlignCenter);
        s.palace->setStyleSheet(QStringLiteral("color: #606060;"));
        s.star = new QLabel(frame);
        s.star->setObjectName(QStringLiteral("star%1").arg(p));
        s.star->setAlignment(Qt::AlignCenter);
        QFont bold = s.star->font();
        bold.setBold(true);
        s.star->setFont(bold);
        s.meeting = makeMark("同会", "#0000c0", frame);
        s.yearMonth = makeMark("年月同会", "#0000c0", frame);
        s.darkSword = makeMark("暗剣殺", "#d00000", frame);
        column->addWidget(s.palace);
        column->addWidget(s.star);
        column->addWidget(s.meeting);
        column->addWidget(s.yearMonth);
        column->addWidget(s.darkSword);
        column->addStretch(1);
        const BoardCell cell = boardSquareCell(p);
        grid->addWidget(frame, cell.row, cell.column);
    }
    for (int b = 1; b <= 12; ++b) {
        auto* label = new QLabel(qs(branchName(b)), this);
        label->setObjectName(QStringLiteral("branch%1").arg(b));
        label->setAlignment(Qt::AlignCenter);
        fill(label, QColor(qs(kBreakColour)));
        branchLabels_[static_cast<std::size_t>(b)] = label;
        const BoardCell cell = branchLabelCell(b);
        grid->addWidget(label, cell.row, cell.column);
    }
}

void NineStarBoardView::showBoard(const NineStarBoardFace& face, const QString& yearMonthHint) {
    for (int p = 1; p <= 9; ++p) {
        Square& s = squares_[static_cast<std::size_t>(p)];
        s.star->setText(qs(nineStarName(face.stars[static_cast<std::size_t>(p)])));
        fill(s.frame,
             p == face.highlightPosition ? QColor(qs(kInclinationColour)) : QColor(Qt::white));
        const bool meeting = p == face.meetingPosition;
        s.meeting->setVisible(meeting);
        s.yearMonth->setVisible(meeting && face.yearMonthMeeting);
        s.yearMonth->setToolTip(yearMonthHint);
        s.darkSword->setVisible(p == face.darkSwordPosition);
    }
    breakBranch_ = face.breakBranch;
    for (int b = 1; b <= 12; ++b) {
        branchLabels_[static_cast<std::size_t>(b)]->setAutoFillBackground(b == breakBranch_);
    }
}

void NineStarBoardView::clearBoard() {
    showBoard(NineStarBoardFace{});
}

QWidget* NineStarBoardView::square(int position) const {
    return position >= 1 && position <= 9 ? squares_[static_cast<std::size_t>(position)].frame
                                          : nullptr;
}

QLabel* NineStarBoardView::starLabel(int position) const {
    return position >= 1 && position <= 9 ? squares_[static_cast<std::size_t>(position)].star
                                          : nullptr;
}

QLabel* NineStarBoardView::markLabel(int position, Mark mark) const {
    if (position < 1 || position > 9) return nullptr;
    const Square& s = squares_[static_cast<std::size_t>(position)];
    switch (mark) {
        case Mark::Meeting:
            return s.meeting;
        case Mark::YearMonthMeeting:
            return s.yearMonth;
        case Mark::DarkSword:
            return s.darkSword;
    }
    return nullptr;
}

QLabel* NineStarBoardView::branchLabel(int branch) const {
    return isBranch(branch) ? branchLabels_[static_cast<std::size_t>(branch)] : nullptr;
}

bool NineStarBoardView::isBreakDirection(int branch) const {
    return isBranch(branch) && branch == breakBranch_;
}

}  // namespace suimei
