#pragma once
// Page 実践鑑定: a copy of the day, month and year pillars, the seven luck columns from age 21 with
// their ○ × △ marks, the ten annual columns of a clicked luck column with their marks and fortune
// keywords, and the 冲 / 干合 / 三刑 lines between the buttons.

#include <QWidget>

#include <array>
#include <vector>

#include "chart/luck.h"
#include "core/notifier.h"
#include "readings/passage_table.h"

class QLabel;
class QPushButton;

namespace suimei {

struct Settings;

class PracticalPage : public QWidget {
    Q_OBJECT
  public:
    PracticalPage(const Tmandata& chart, const Settings& settings, AnnualImagery imagery,
                  Notifier& notifier, QWidget* parent = nullptr);
    // After a run: hides the old lines and marks, fills the chart copy and the luck row and
    // empties the annual columns. Before a run everything stays empty.
    void fill(bool hasRun);
    // Click on the age button of luck column 1..7: fills the ten annual columns and their lines.
    void dai_yClick(int column);
    const Tjissen& record() const { return record_; }
    // The lines shown now, as the engine gave them.
    const std::vector<LuckLine>& shownLines() const { return lines_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct LuckColumnButtons {
        QPushButton* age;
        QPushButton* stem;
        QPushButton* branch;
        QPushButton* stage;
        std::array<QLabel*, 2> marks;
    };
    struct AnnualColumnButtons {
        QPushButton* age;
        QPushButton* stem;
        QPushButton* branch;
        QPushButton* stage;
        QLabel* year;
        QLabel* voidLabel;
        QLabel* fortune;
        QLabel* mark;
    };
    QPushButton* buttonOf(const LineEnd& end) const;
    void clearAnnualColumns();
    void showHiddenStems(int branch);

    const Tmandata& chart_;
    const Settings& settings_;
    AnnualImagery imagery_;
    Notifier& notifier_;
    QLabel* status_;
    QLabel* kijinlbl_;
    QLabel* ijinlbl_;
    std::array<QPushButton*, 3> chartStems_{};     // day, month, year
    std::array<QPushButton*, 3> chartBranches_{};  // day, month, year
    std::array<LuckColumnButtons, kPracticalColumns> luck_{};
    std::array<AnnualColumnButtons, kAnnualColumns> annual_{};
    std::vector<PracticalLuckColumn> columns_;
    std::array<AnnualColumn, kAnnualColumns> years_{};
    int shownColumn_ = 0;  // the luck column whose years are shown, 0 none
    std::vector<LuckLine> lines_;
    Tjissen record_;
};

}  // namespace suimei
