#pragma once
// TSinkaChkForm, "その人の成長段階による星の意味の変化": five features of the chart, each read at
// the growth level the reader chooses for it, with the growth score out of 30; an overall level
// sets all five at once. The chart is shown beside them for reference.

#include <QWidget>

#include <array>

#include "methods/growth_stage.h"

class QButtonGroup;
class QGroupBox;
class QLabel;

namespace suimei {

class Tmandata;

inline constexpr char kGrowthStageCaption[] = "その人の成長段階による星の意味の変化";

class TSinkaChkForm : public QWidget {
    Q_OBJECT
  public:
    // `chart`: the appraised chart (it outlives the window); before a run its values are 0.
    explicit TSinkaChkForm(const Tmandata& chart, QWidget* parent = nullptr);

    // Sets R1..R5 to the overall level, shows the chart and the five sentences, and the scores.
    void applyOverallLevel();

    int overallLevel() const;
    int featureLevel(int feature) const;
    QButtonGroup* overallGroup() const { return overall_; }
    QButtonGroup* featureGroup(int feature) const;
    QLabel* sentenceLabel(int feature) const;
    QLabel* scoreLabel(int feature) const;
    QLabel* totalLabel() const { return total_; }
    QLabel* hintLabel() const { return hint_; }

  private:
    QGroupBox* buildChartBox();
    void showChart();
    void showSentence(int feature);
    void showScores();

    const Tmandata& chart_;
    QButtonGroup* overall_ = nullptr;
    std::array<QButtonGroup*, kGrowthFeatures> features_{};
    std::array<QLabel*, kGrowthFeatures> sentences_{};
    std::array<QLabel*, kGrowthFeatures> scores_{};
    // Reference chart: stems, branches and stages of the year, month, day and hour pillars.
    std::array<QLabel*, 4> stems_{};
    std::array<QLabel*, 4> branches_{};
    std::array<QLabel*, 4> stages_{};
    QLabel* mansion_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* hint_ = nullptr;
};

}  // namespace suimei
