#include "chart/ui/stem_diagram_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "calendar/types.h"
#include "chart/mandata.h"
#include "chart/ui/diagram_canvas.h"
#include "chart/ui/diagram_painting.h"
#include "core/ui/qt_text.h"

namespace suimei {

namespace {

// Box captions in 干合 slot order.
constexpr std::array<const char*, 6> kBoxCaptions = {"", "土化", "金化", "水化", "木化", "火化"};

QPushButton* button(const char* caption, const char* name, const char* hint, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    return b;
}

}  // namespace

StemDiagramWindow::StemDiagramWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("Tgogyo10");
    setWindowTitle("干支の相関関係図");

    canvas_ = new DiagramCanvas([this](QPainter& p, const QRectF& r) { paintDrawing(p, r); },
                                QSize(480, 440), this);
    canvas_->setObjectName("canvas");

    auto* all = button("干合関係全表示", "allButton", "干合の関係とは何かを表示します", this);
    auto* chart = button("干合", "chartButton", "命式に出ている干合を表示します", this);
    auto* clear = button("クリア", "clearButton", "表示を消します", this);
    connect(all, &QPushButton::clicked, this, &StemDiagramWindow::drawAll);
    connect(chart, &QPushButton::clicked, this, &StemDiagramWindow::drawChart);
    connect(clear, &QPushButton::clicked, this, &StemDiagramWindow::clearDrawing);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(chart);
    buttons->addWidget(clear);
    buttons->addStretch();

    QHBoxLayout* ticks = transformedElementRow(this, "干合で生じた五行：", kBoxCaptions, boxes_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_, 1);
    layout->addLayout(buttons);
    layout->addLayout(ticks);
    resize(560, 580);
}

QCheckBox* StemDiagramWindow::elementBox(int slot) const {
    return slot >= 1 && slot <= 5 ? boxes_[static_cast<std::size_t>(slot)] : nullptr;
}

void StemDiagramWindow::showChart(const Tmandata& chart) {
    facts_ = stemDiagramOf(chart);
    clearDrawing();
}

void StemDiagramWindow::drawAll() {
    drawn_ = facts_.all;
    setTicks({});
    canvas_->update();
}

void StemDiagramWindow::drawChart() {
    drawn_ = facts_.present;
    setTicks(facts_.ticked);
    canvas_->update();
}

void StemDiagramWindow::clearDrawing() {
    drawn_.clear();
    setTicks({});
    canvas_->update();
}

void StemDiagramWindow::setTicks(const std::array<bool, 6>& ticked) {
    for (int slot = 1; slot <= 5; ++slot) {
        boxes_[static_cast<std::size_t>(slot)]->setChecked(ticked[static_cast<std::size_t>(slot)]);
    }
}

void StemDiagramWindow::paintDrawing(QPainter& p, const QRectF& area) const {
    const QPointF centre = area.center();
    const double radius = std::min(area.width(), area.height()) / 2 - 44;
    const double disc = 24;
    auto at = [&](int stem) { return ringPoint(centre, radius, stem - 1, 10); };

    for (const StemPair& pair : drawn_) {
        const QColor colour = elementColour(pair.element);
        drawLink(p, at(pair.a), at(pair.b), disc, colour, 3, false);
        QString tag = qs(elementName(pair.element)) + "化";
        if (pair.count > 1) tag += QString(" ×%1").arg(pair.count);
        drawTag(p, (at(pair.a) + at(pair.b)) / 2, tag, colour);
    }

    QFont font = p.font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    p.setFont(font);
    for (int s = 1; s <= 10; ++s) {
        const bool inChart = std::find(facts_.chartStems.begin(), facts_.chartStems.end(), s) !=
                             facts_.chartStems.end();
        const QColor colour = elementColour(elementOfStem(s));
        drawDisc(p, at(s), disc, qs(stemName(s)), inChart ? QColor(0xff, 0xf1, 0xc8) : Qt::white,
                 colour, colour);
    }
}

}  // namespace suimei
