#pragma once
// "１年間の感情の安定度数": the emotional stability score through the twelve months of a year
// and through the days of one of its months, two line charts, with the ten explanation lines and
// the legend line of the scores below them.

#include <QWidget>

#include <vector>

class QChart;
class QLabel;

namespace suimei {

class EmotionScoreWindow : public QWidget {
    Q_OBJECT
  public:
    explicit EmotionScoreWindow(QWidget* parent = nullptr);

    // Draws both charts for the day master (1..10) and the chosen year and month.
    void showScores(int dayMaster, int year, int month);

    QChart* yearChart() const { return yearChart_; }
    QChart* monthChart() const { return monthChart_; }
    // The points of each chart's line, in order.
    std::vector<double> yearPoints() const;
    std::vector<double> monthPoints() const;
    QString explanationText() const;
    QString legendText() const;

  private:
    QChart* yearChart_ = nullptr;
    QChart* monthChart_ = nullptr;
    QLabel* explanations_ = nullptr;
    QLabel* legend_ = nullptr;
};

}  // namespace suimei
