#pragma once
// 地支の関係図: the twelve branches on a circle. The first row of buttons draws every group of a
// kind as teaching material (三合 支合 七冲 三刑 方合 自刑), the second row only the groups the
// chart holds and, for 三合 and 方合, ticks the transformed-element boxes (木化 火化 土化 金化
// 水化) of them; "クリア" hides everything.

#include <QDialog>

#include <array>
#include <vector>

#include "chart/diagrams.h"

class QCheckBox;
class QPushButton;

namespace suimei {

class DiagramCanvas;

class BranchDiagramWindow : public QDialog {
    Q_OBJECT
  public:
    explicit BranchDiagramWindow(QWidget* parent = nullptr);

    // Takes the facts of a chart and clears the drawing (as each run does).
    void showChart(const Tmandata& chart);
    // The groups drawn now.
    const std::vector<BranchGroup>& drawnGroups() const { return drawn_; }
    // The transformed-element box of element 1..5.
    QCheckBox* elementBox(int element) const;
    // The buttons of a kind: the teaching row or the chart row.
    QPushButton* kindButton(BranchKind kind, bool chartRow) const;

  private:
    void drawKind(BranchKind kind, bool chartRow);
    void clearDrawing();
    void paintDrawing(QPainter& p, const QRectF& area) const;

    BranchDiagram facts_;
    std::vector<BranchGroup> drawn_;
    DiagramCanvas* canvas_ = nullptr;
    std::array<QCheckBox*, 6> boxes_{};
    std::array<std::array<QPushButton*, kBranchKinds>, 2> buttons_{};
};

}  // namespace suimei
