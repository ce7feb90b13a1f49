#pragma once
// Page 生涯五行ﾘｽﾞﾑ: the five-element energy over a life (Chart1), the series chooser graphsel,
// the five category labels with their descriptions, 計算方法 (graphhlp) for the weights and 印刷
// (graphprnbtn).

#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "chart/life_graph.h"

class QComboBox;
class QImage;
class QLabel;
class QChart;

namespace suimei {

class LifeGraphPage : public QWidget {
    Q_OBJECT
  public:
    explicit LifeGraphPage(QWidget* parent = nullptr);
    // Shows the graph the engine computed; nullptr shows an empty graph and the no-run text.
    void showGraph(const LifeGraph* graph);
    // The series shown: 0..4 one element, 5 all five (五行総合グラフ).
    int selection() const;
    // Number of series in the chart now (for checks).
    int seriesShown() const;
    // The graph as drawn now, for printing (drawn at the page's present size).
    QImage graphImage() const;
    // The five category labels, each with its description, for the printed page.
    std::vector<std::string> captionLines() const;

  signals:
    void weightsRequested();  // 計算方法
    void printRequested();    // 印刷

  private:
    void graphselChange();

    QComboBox* graphsel_;
    QLabel* status_;
    QChart* chart_;
    std::array<QLabel*, 5> categories_{};
    std::array<QLabel*, 5> descriptions_{};
    LifeGraph graph_;
    bool hasGraph_ = false;
};

}  // namespace suimei
