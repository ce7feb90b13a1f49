#include "chart/ui/element_cycle_window.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "calendar/types.h"
#include "chart/diagrams.h"
#include "chart/ui/diagram_canvas.h"
#include "chart/ui/diagram_painting.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"

namespace suimei {

namespace {

const QColor kProduction(0x1f, 0x4f, 0xc8);
const QColor kControl(0xd0, 0x20, 0x20);

}  // namespace

ElementCycleWindow::ElementCycleWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("Tgogyo5");
    setWindowTitle("五行の相関図");
    canvas_ = new DiagramCanvas([this](QPainter& p, const QRectF& r) { paintDrawing(p, r); },
                                QSize(480, 500), this);
    canvas_->setObjectName("canvas");
    QHBoxLayout* buttons = closeButtonRow(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_, 1);
    layout->addLayout(buttons);
    resize(520, 570);
}

void ElementCycleWindow::paintDrawing(QPainter& p, const QRectF& area) const {
    const QFont base = p.font();
    const QFontMetricsF fm(base);
    const double line = fm.height() + 2;
    const double legendTop = area.bottom() - 2 * line - 12;
    p.setPen(kControl);
    p.drawText(QPointF(area.left() + 16, legendTop + fm.ascent()), "赤い線は剋の線（やっつける）");
    p.setPen(kProduction);
    p.drawText(QPointF(area.left() + 16, legendTop + line + fm.ascent()),
               "青い線は生じる線（洩らす）");

    const double radius = std::min(area.width(), legendTop - area.top()) / 2 - 70;
    const QPointF centre(area.center().x(), area.top() + (legendTop - area.top()) / 2 + 10);
    const double disc = 30;
    // 木 at the top, then 火 土 金 水 clockwise, so production runs round the pentagon.
    auto at = [&](int e) { return ringPoint(centre, radius, e - 1, 5); };
    for (const CycleLine& l : elementCycleLines()) {
        const bool production = l.kind == ElementLineKind::Production;
        drawLink(p, at(l.from), at(l.to), disc + 4, production ? kProduction : kControl, 2.5, true);
    }
    QFont big = base;
    big.setBold(true);
    big.setPointSizeF(base.pointSizeF() * 1.6);
    for (int e = 1; e <= 5; ++e) {
        p.setFont(big);
        drawDisc(p, at(e), disc, qs(elementName(e)), Qt::white, elementColour(e), elementColour(e));
        const QString season = qs(elementSeason(e));
        if (season.isEmpty()) continue;
        p.setFont(base);
        const QPointF out = centre + (at(e) - centre) * (radius + disc + 18) / radius;
        drawTag(p, out, season, Qt::black);
    }
}

}  // namespace suimei
