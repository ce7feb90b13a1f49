#include "chart/ui/diagram_painting.h"
#include "core/ui/window_parts.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace suimei {

QPointF ringPoint(QPointF centre, double radius, int k, int n) {
    const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * k / std::max(n, 1);
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

void drawLink(QPainter& p, QPointF a, QPointF b, double inset, const QColor& colour, double width,
              bool arrow) {
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 2 * inset) return;
    const QPointF unit = d / length;
    const QPointF from = a + unit * inset;
    const QPointF to = b - unit * inset;
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    if (arrow) {
        const QPointF normal(-unit.y(), unit.x());
        const double head = 6 + 2 * width;
        QPolygonF tip;
        tip << to << to - unit * head + normal * head / 2 << to - unit * head - normal * head / 2;
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        p.drawPolygon(tip);
    }
    p.restore();
}

void drawDisc(QPainter& p, QPointF centre, double radius, const QString& text, const QColor& fill,
              const QColor& edge, const QColor& ink) {
    p.save();
    p.setPen(QPen(edge, 2));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    p.setPen(ink);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
               Qt::AlignCenter, text);
    p.restore();
}

void drawTag(QPainter& p, QPointF centre, const QString& text, const QColor& ink) {
    const QFontMetricsF fm(p.font());
    const QSizeF size(fm.horizontalAdvance(text) + 6, fm.height() + 2);
    const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
    p.save();
    p.fillRect(box, Qt::white);
    p.setPen(ink);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

QColor elementColour(int element) {
    switch (element) {
        case 1:
            return QColor(0x1b, 0x8a, 0x2e);
        case 2:
            return QColor(0xd0, 0x20, 0x20);
        case 3:
            return QColor(0x8a, 0x5a, 0x1c);
        case 4:
            return QColor(0xb8, 0x8a, 0x00);
        case 5:
            return QColor(0x1f, 0x4f, 0xc8);
        default:
            return QColor(0x80, 0x80, 0x80);
    }
}

QHBoxLayout* transformedElementRow(QDialog* window, const QString& caption,
                                   const std::array<const char*, 6>& captions,
                                   std::array<QCheckBox*, 6>& boxes) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption, window));
    for (std::size_t slot = 1; slot <= 5; ++slot) {
        auto* box = new QCheckBox(QString::fromUtf8(captions[slot]), window);
        box->setObjectName(QString("kaBox%1").arg(slot));
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        boxes[slot] = box;
        row->addWidget(box);
    }
    row->addStretch();
    row->addWidget(makeCloseButton(window));
    return row;
}

}  // namespace suimei
