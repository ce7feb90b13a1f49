#pragma once
// 干支の相関関係図: the ten stems on a circle with the stem combinations (干合) drawn between them.
// "干合関係全表示" draws all five as teaching material, "干合" only those the chart holds and ticks
// their transformed-element boxes (土化 金化 水化 木化 火化), "クリア" removes the drawing.

#include <QDialog>

#include <array>
#include <vector>

#include "chart/diagrams.h"

class QCheckBox;

namespace suimei {

class DiagramCanvas;

class StemDiagramWindow : public QDialog {
    Q_OBJECT
  public:
    explicit StemDiagramWindow(QWidget* parent = nullptr);

    // Takes the facts of a chart and clears the drawing (as each run does).
    void showChart(const Tmandata& chart);
    // The pairs drawn now.
    const std::vector<StemPair>& drawnPairs() const { return drawn_; }
    // The transformed-element box of 干合 slot 1..5.
    QCheckBox* elementBox(int slot) const;

  private:
    void drawAll();
    void drawChart();
    void clearDrawing();
    void setTicks(const std::array<bool, 6>& ticked);
    void paintDrawing(QPainter& p, const QRectF& area) const;

    StemDiagram facts_;
    std::vector<StemPair> drawn_;
    DiagramCanvas* canvas_ = nullptr;
    std::array<QCheckBox*, 6> boxes_{};
};

}  // namespace suimei
