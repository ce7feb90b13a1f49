#pragma once
// 五行の相関図: the five elements with their seasons, the production lines (blue) round them and
// the control lines (red) across them. A fixed drawing; it needs no chart.

#include <QDialog>

namespace suimei {

class DiagramCanvas;

class ElementCycleWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ElementCycleWindow(QWidget* parent = nullptr);

  private:
    void paintDrawing(QPainter& p, const QRectF& area) const;

    DiagramCanvas* canvas_ = nullptr;
};

}  // namespace suimei
