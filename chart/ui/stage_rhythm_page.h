#pragma once
// Page 十二運ﾘｽﾞﾑ: the day master's twelve-stage points for each day of one month (Chart2), the
// year and month steppers (UpDown1, UpDown2), the stage chooser taicyoselbtn with its description
// in biobun, 計算方法 (biotensubtn) for the stage points and 印刷 (bioprnbtn).

#include <QWidget>

#include "chart/life_graph.h"

class QChart;
class QComboBox;
class QImage;
class QLabel;
class QPlainTextEdit;

namespace suimei {

class StageRhythmPage : public QWidget {
    Q_OBJECT
  public:
    explicit StageRhythmPage(QWidget* parent = nullptr);
    // Shows the month the engine computed (its days empty before a run).
    void showMonth(const StageMonth& month, const std::vector<std::string>& chooserItems);
    int pointsShown() const;
    // The graph as drawn now, for printing (drawn at the page's present size).
    QImage graphImage() const;
    // The shown year and month ("2026年12月"), for the printed page.
    std::string monthCaption() const;

  signals:
    // A stepper moved the shown month by `months`.
    void monthStepped(int months);
    void pointsRequested();  // 計算方法
    void printRequested();   // 印刷
    void stageChosen(int stage);

  public:
    void showDescription(const QString& text);

  private:
    QLabel* bioYYlbl_;
    QLabel* bioMMlbl_;
    QLabel* status_;
    QComboBox* chooser_;
    QPlainTextEdit* biobun_;
    QChart* chart_;
};

}  // namespace suimei
