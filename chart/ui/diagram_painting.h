#pragma once
// Drawing helpers the diagram windows share: positions on a ring, arrowed lines, labelled discs,
// and the element colours of the chart page's element bars.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>

class QCheckBox;
class QDialog;
class QHBoxLayout;
class QPainter;

namespace suimei {

// Point k of n evenly spaced on a circle of `radius` around `centre`, the first at the top,
// going clockwise.
QPointF ringPoint(QPointF centre, double radius, int k, int n);
// A line from a to b, both ends pulled in by `inset`, with an arrow head at b when `arrow`.
void drawLink(QPainter& p, QPointF a, QPointF b, double inset, const QColor& colour, double width,
              bool arrow);
// A filled disc of `radius` at `centre` with `text` centred in it.
void drawDisc(QPainter& p, QPointF centre, double radius, const QString& text, const QColor& fill,
              const QColor& edge, const QColor& ink);
// Text centred on a point, on a white box so that lines under it do not hide it.
void drawTag(QPainter& p, QPointF centre, const QString& text, const QColor& ink);
// The row under a relation diagram: `caption`, five read-only boxes of the elements the chart's
// relations bring forth (captions[1..5], object names kaBox1..kaBox5, kept in boxes[1..5]; the
// boxes show the chart, the reader does not tick them), then 閉じる.
QHBoxLayout* transformedElementRow(QDialog* window, const QString& caption,
                                   const std::array<const char*, 6>& captions,
                                   std::array<QCheckBox*, 6>& boxes);
// Colour of element 1..5 (木 green, 火 red, 土 brown, 金 gold, 水 blue); grey otherwise.
QColor elementColour(int element);

}  // namespace suimei
