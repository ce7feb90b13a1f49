#pragma once
// One Nine Star Ki board as the windows show it: a 3 × 3 grid with South at the top, each square
// with its palace and star names and its marks (同会, 年月同会, 暗剣殺), the inclination square
// filled light yellow, and the twelve branch directions around the grid, the break direction in
// yellow.

#include <QFrame>
#include <QString>

#include <array>

#include "methods/nine_star_reading.h"

class QLabel;

namespace suimei {

class NineStarBoardView : public QFrame {
    Q_OBJECT
  public:
    enum class Mark { Meeting, YearMonthMeeting, DarkSword };

    explicit NineStarBoardView(QWidget* parent = nullptr);

    // Shows `face`; `yearMonthHint` is the hint of the 年月同会 mark.
    void showBoard(const NineStarBoardFace& face, const QString& yearMonthHint = {});
    // Empty squares, no marks, no highlight (before a run).
    void clearBoard();

    // The parts of square 1..9 and of the label of branch 1..12 (nullptr out of range).
    QWidget* square(int position) const;
    QLabel* starLabel(int position) const;
    QLabel* markLabel(int position, Mark mark) const;
    QLabel* branchLabel(int branch) const;
    // Whether the label of `branch` is shown as the break direction.
    bool isBreakDirection(int branch) const;

  private:
    struct Square {
        QWidget* frame = nullptr;
        QLabel* palace = nullptr;
        QLabel* star = nullptr;
        QLabel* meeting = nullptr;
        QLabel* yearMonth = nullptr;
        QLabel* darkSword = nullptr;
    };
    std::array<Square, 10> squares_{};        // [1..9]
    std::array<QLabel*, 13> branchLabels_{};  // [1..12]
    int breakBranch_ = 0;
};

}  // namespace suimei
