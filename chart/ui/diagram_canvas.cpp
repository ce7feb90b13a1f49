#include "chart/ui/diagram_canvas.h"

#include <QPainter>

namespace suimei {

DiagramCanvas::DiagramCanvas(Painter painter, QSize minimum, QWidget* parent)
    : QWidget(parent), painter_(std::move(painter)) {
    setMinimumSize(minimum);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DiagramCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setFont(font());
    if (painter_) painter_(p, QRectF(rect()));
}

}  // namespace suimei
