#pragma once
// Drawing helpers the diagram windows share: positions on a ring, arrowed lines, labelled discs,
// and the element colours of the chart page's element bars.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

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
// Colour of element 1..5 (木 green, 火 red, 土 brown, 金 gold, 水 blue); grey otherwise.
QColor elementColour(int element);

}  // namespace suimei
