#pragma once
// The drawing area of the diagram windows: it paints whatever its window's painter function draws
// from the engine's facts, on white, so the same function serves the screen and the printer.

#include <QWidget>

#include <functional>

namespace suimei {

class DiagramCanvas : public QWidget {
    Q_OBJECT
  public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;
    DiagramCanvas(Painter painter, QSize minimum, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Painter painter_;
};

}  // namespace suimei
