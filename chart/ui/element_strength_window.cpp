#include "chart/ui/element_strength_window.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "calendar/types.h"
#include "chart/mandata.h"
#include "chart/ui/diagram_canvas.h"
#include "chart/ui/diagram_painting.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"

namespace suimei {

namespace {

const QColor kGain(0x1b, 0x8a, 0x2e);
const QColor kLoss(0xd0, 0x20, 0x20);

constexpr std::array<const char*, 6> kElementLegends = {"",
                                                        "木の性情は仁(慈愛､善事)",
                                                        "火の性情は礼(謙譲謹厳)",
                                                        "土の性情は信(温厚篤実)",
                                                        "金の性情は義(善に従い悪を退け)",
                                                        "水の性情は智(権謀術を練る)"};

// 火 at the top, then 土 金 水 木 clockwise, so production runs round the pentagon.
int ringIndexOf(int element) {
    return floorMod(element - 2, 5);
}

}  // namespace

ElementStrengthWindow::ElementStrengthWindow(Notifier& notifier, QWidget* parent)
    : QDialog(parent), notifier_(notifier) {
    setObjectName("ElementStrengthWindow");
    setWindowTitle("五行強弱の鑑定");

    canvas_ = new DiagramCanvas([this](QPainter& p, const QRectF& r) { paintDrawing(p, r); },
                                QSize(760, 680), this);
    canvas_->setObjectName("canvas");

    auto* print = new QPushButton("印刷", this);
    print->setObjectName("printButton");
    print->setToolTip("この図を印刷します");
    connect(print, &QPushButton::clicked, this,
            [this] { PrintService::instance(notifier_).printWidget(*canvas_, windowTitle()); });
    auto* cycle = new QPushButton("五行の相関図", this);
    cycle->setObjectName("cycleButton");
    cycle->setToolTip("五行の相生と相剋の図を表示します");
    connect(cycle, &QPushButton::clicked, this, &ElementStrengthWindow::cycleRequested);
    auto* closeButton = new QPushButton("閉じる", this);
    closeButton->setObjectName("closeButton");
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(cycle);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_, 1);
    layout->addLayout(buttons);
    resize(800, 750);
}

void ElementStrengthWindow::showChart(const Tmandata& chart) {
    facts_ = strengthDiagramOf(chart);
    heading_ = "五行強弱の鑑定";
    if (!chart.nameText.empty()) heading_ += "　" + qs(chart.nameText);
    if (facts_.dayElement) {
        heading_ +=
            QString("　日干 %1（%2）")
                .arg(qs(stemName(chart.dayPillar.stem)), qs(elementName(facts_.dayElement)));
    }
    canvas_->update();
}

void ElementStrengthWindow::paintDrawing(QPainter& p, const QRectF& area) const {
    const QFont base = p.font();
    QFont bold = base;
    bold.setBold(true);
    QFont big = bold;
    big.setPointSizeF(base.pointSizeF() * 1.6);
    const QFontMetricsF fm(base);
    const double line = fm.height() + 2;

    p.setFont(bold);
    p.drawText(QRectF(area.left() + 12, area.top() + 8, area.width() - 24, line + 4),
               Qt::AlignLeft | Qt::AlignVCenter, heading_);

    // Legends at the bottom: the two line colours, then one line per element.
    const double legendTop = area.bottom() - 7 * line - 12;
    p.setFont(base);
    p.setPen(kLoss);
    p.drawText(QPointF(area.left() + 16, legendTop + fm.ascent()), "赤線はエネルギーを失う関係");
    p.setPen(kGain);
    p.drawText(QPointF(area.left() + 16, legendTop + line + fm.ascent()),
               "緑線はエネルギーを得る関係");
    for (int e = 1; e <= 5; ++e) {
        p.setPen(elementColour(e));
        p.drawText(QPointF(area.left() + 16, legendTop + (e + 1) * line + fm.ascent()),
                   kElementLegends[static_cast<std::size_t>(e)]);
    }

    const double top = area.top() + line + 24;
    const double height = legendTop - top - 8;
    const double radius = std::min(height / 2 - 50, area.width() / 2 - 190);
    const QPointF centre(area.center().x(), top + 60 + radius * 0.95);
    const double disc = 32;
    auto at = [&](int e) { return ringPoint(centre, radius, ringIndexOf(e), 5); };

    for (const StrengthLine& l : facts_.lines) {
        const QColor colour = l.gains ? kGain : kLoss;
        drawLink(p, at(l.from), at(l.to), disc + 4, colour, 3, true);
        p.setFont(base);
        drawTag(p, (at(l.from) + at(l.to)) / 2, qs(lineKindName(l.kind)), colour);
    }

    for (int e = 1; e <= 5; ++e) {
        const QPointF c = at(e);
        const bool me = e == facts_.dayElement;
        p.setFont(big);
        drawDisc(p, c, disc, qs(elementName(e)), me ? QColor(0xff, 0xf1, 0xc8) : Qt::white,
                 elementColour(e), elementColour(e));

        // The characters at this element, then what combinations bring forth here, beside the
        // disc on the outer side.
        QStringList rows;
        for (const StrengthPosition& pos : facts_.positions) {
            if (pos.element != e) continue;
            const QString name =
                pos.stem ? qs(stemName(pos.character)) : qs(branchName(pos.character));
            rows << QString("%1 %2 %3").arg(qs(pos.what), name, qs(markText(pos.mark)));
        }
        QStringList appeared;
        for (const AppearedElement& a : facts_.appeared) {
            if (a.element != e) continue;
            QString text = qs(a.kind) + "出現";
            if (a.kind == std::string_view("干合")) text += "　新しく五行を生じた";
            if (!appeared.contains(text)) appeared << text;
        }
        const bool left = c.x() < centre.x() - 1;
        const double width = 210;
        const double x = left ? c.x() - disc - 10 - width : c.x() + disc + 10;
        double y = c.y() - disc;
        p.setFont(base);
        p.setPen(Qt::black);
        for (const QString& row : rows) {
            p.drawText(QRectF(x, y, width, line),
                       (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, row);
            y += line;
        }
        p.setFont(bold);
        p.setPen(elementColour(e));
        for (const QString& text : appeared) {
            p.drawText(QRectF(x, y, width, line),
                       (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
            y += line;
        }
    }
}

}  // namespace suimei
