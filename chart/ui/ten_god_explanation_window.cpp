#include "chart/ui/ten_god_explanation_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart/diagrams.h"
#include "chart/ui/diagram_canvas.h"
#include "chart/ui/diagram_painting.h"
#include "core/ui/qt_text.h"

namespace suimei {

namespace {

const QColor kProduction(0x1b, 0x8a, 0x2e);
const QColor kControl(0xd0, 0x20, 0x20);
const QColor kSame(0x70, 0x70, 0x70);

}  // namespace

TenGodExplanationWindow::TenGodExplanationWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("TenGodExplanationWindow");
    setWindowTitle("通変星とは五行の相剋の代名詞である");

    auto* heading = new QLabel("通変星とは五行の相剋の代名詞である", this);
    heading->setObjectName("heading");
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    heading->setFont(big);

    canvas_ = new DiagramCanvas([this](QPainter& p, const QRectF& r) { paintDrawing(p, r); },
                                QSize(600, 500), this);
    canvas_->setObjectName("canvas");

    auto* legend = new QLabel("緑の線は生じる関係、赤の線は剋す関係、矢印はその向きです。", this);
    legend->setObjectName("legend");
    auto* closeButton = new QPushButton("閉じる", this);
    closeButton->setObjectName("closeButton");
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(legend);
    bottom->addStretch();
    bottom->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(canvas_, 1);
    layout->addLayout(bottom);
    resize(660, 620);
}

void TenGodExplanationWindow::paintDrawing(QPainter& p, const QRectF& area) const {
    const QPointF centre = area.center();
    const double radius = std::min(area.width(), area.height()) / 2 - 60;
    const double core = 48;
    const auto& groups = tenGodGroups();
    const int n = static_cast<int>(groups.size());

    QFont font = p.font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    p.setFont(font);
    const QFontMetricsF fm(font);

    for (int k = 0; k < n; ++k) {
        const TenGodGroup& g = groups[static_cast<std::size_t>(k)];
        const QPointF at = ringPoint(centre, radius, k, n);
        const QColor colour = g.relation == 1 ? kSame : g.production ? kProduction : kControl;
        const bool arrow = g.relation != 1;
        if (g.towardDayMaster) {
            drawLink(p, at, centre, core + 4, colour, 2.5, arrow);
        } else {
            drawLink(p, centre, at, core + 4, colour, 2.5, arrow);
        }
        drawTag(p, (centre + at) / 2, qs(g.word), colour);

        const QString label = qs(g.label);
        const QSizeF box(fm.horizontalAdvance(label) + 24, fm.height() + 16);
        const QRectF rect(at - QPointF(box.width() / 2, box.height() / 2), box);
        p.save();
        p.setPen(QPen(colour, 2));
        p.setBrush(QColor(0xfb, 0xf8, 0xee));
        p.drawRoundedRect(rect, 8, 8);
        p.setPen(Qt::black);
        p.drawText(rect, Qt::AlignCenter, label);
        p.restore();
    }

    drawDisc(p, centre, core, QString(), QColor(0xff, 0xf1, 0xc8), QColor(0x8a, 0x5a, 0x1c),
             Qt::black);
    QFont me = font;
    me.setBold(true);
    me.setPointSizeF(font.pointSizeF() * 1.6);
    p.setFont(me);
    p.drawText(QRectF(centre.x() - core, centre.y() - core, 2 * core, core * 1.15),
               Qt::AlignHCenter | Qt::AlignBottom, "我");
    p.setFont(font);
    p.drawText(QRectF(centre.x() - core, centre.y() + 4, 2 * core, core * 0.8),
               Qt::AlignHCenter | Qt::AlignTop, "生日天干");
}

}  // namespace suimei
