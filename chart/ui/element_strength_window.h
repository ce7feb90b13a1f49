#pragma once
// 五行強弱の鑑定: the chart's stems and branches placed at the five elements, the lines by which
// the day master gains or loses energy (green and red), the ＋ and － of each character, the
// elements that 干合, 方合 and 三合 bring forth, and the element legends. 印刷 prints the drawing;
// 五行の相関図 asks for the fixed element cycle.

#include <QDialog>

#include <string>

#include "chart/diagrams.h"

namespace suimei {

class DiagramCanvas;
class Notifier;

class ElementStrengthWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ElementStrengthWindow(Notifier& notifier, QWidget* parent = nullptr);

    // Shows the facts of a chart.
    void showChart(const Tmandata& chart);
    const StrengthDiagram& facts() const { return facts_; }
    DiagramCanvas* canvas() const { return canvas_; }

  signals:
    void cycleRequested();

  private:
    void paintDrawing(QPainter& p, const QRectF& area) const;

    Notifier& notifier_;
    StrengthDiagram facts_;
    QString heading_;
    DiagramCanvas* canvas_ = nullptr;
};

}  // namespace suimei
