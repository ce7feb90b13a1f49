#pragma once
// 境界に近い生まれの候補命式: the candidate charts of a birth near a boundary of the pillars (or of
// unknown time) side by side, one column a candidate, the items that differ from the chart as run
// highlighted. It shows what the engine worked out and computes nothing itself.

#include <QDialog>

#include <string>
#include <vector>

#include "app/birth_ambiguity.h"

class QLabel;
class QTableWidget;

namespace suimei {

class AmbiguityWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AmbiguityWindow(QWidget* parent = nullptr);

    // Fills the grid; `line` is the chart page's line about the birth.
    void showCandidates(const std::string& line, const std::vector<CandidateChart>& candidates);
    QTableWidget* grid() const { return grid_; }

  private:
    QLabel* line_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

}  // namespace suimei
