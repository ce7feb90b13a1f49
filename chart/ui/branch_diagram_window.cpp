#include "chart/ui/branch_diagram_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "calendar/types.h"
#include "chart/mandata.h"
#include "chart/ui/diagram_canvas.h"
#include "chart/ui/diagram_painting.h"
#include "core/ui/qt_text.h"

namespace suimei {

namespace {

constexpr std::array<const char*, 6> kBoxCaptions = {"", "木化", "火化", "土化", "金化", "水化"};

// Colour of each kind's drawing: combinations green, clashes and punishments red.
QColor kindColour(BranchKind kind) {
    switch (kind) {
        case BranchKind::Three:
            return QColor(0x1b, 0x8a, 0x2e);
        case BranchKind::Pair:
            return QColor(0x1f, 0x4f, 0xc8);
        case BranchKind::Clash:
            return QColor(0xd0, 0x20, 0x20);
        case BranchKind::Punishment:
            return QColor(0xb0, 0x20, 0xa0);
        case BranchKind::Directional:
            return QColor(0xe0, 0x80, 0x00);
        case BranchKind::Self:
            return QColor(0x80, 0x40, 0x00);
    }
    return Qt::black;
}

}  // namespace

BranchDiagramWindow::BranchDiagramWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("Tgogyo12");
    setWindowTitle("地支の関係図");

    canvas_ = new DiagramCanvas([this](QPainter& p, const QRectF& r) { paintDrawing(p, r); },
                                QSize(540, 460), this);
    canvas_->setObjectName("canvas");

    auto* rows = new QGridLayout;
    rows->addWidget(new QLabel("関係の説明：", this), 0, 0);
    rows->addWidget(new QLabel("命式の関係：", this), 1, 0);
    for (int row = 0; row < 2; ++row) {
        for (int k = 0; k < kBranchKinds; ++k) {
            const auto kind = static_cast<BranchKind>(k);
            const QString name = qs(branchKindName(kind));
            auto* b = new QPushButton(name, this);
            b->setObjectName(QString(row == 0 ? "teach%1" : "chart%1").arg(k));
            b->setToolTip(row == 0 ? name + "の関係とは何かを表示します"
                                   : "命式に出ている" + name + "を表示します");
            connect(b, &QPushButton::clicked, this,
                    [this, kind, row] { drawKind(kind, row == 1); });
            buttons_[static_cast<std::size_t>(row)][static_cast<std::size_t>(k)] = b;
            rows->addWidget(b, row, k + 1);
        }
    }
    auto* clear = new QPushButton("クリア", this);
    clear->setObjectName("clearButton");
    clear->setToolTip("表示を消します");
    connect(clear, &QPushButton::clicked, this, &BranchDiagramWindow::clearDrawing);
    rows->addWidget(clear, 0, kBranchKinds + 1, 2, 1);

    QHBoxLayout* ticks =
        transformedElementRow(this, "三合・方合で生じた五行：", kBoxCaptions, boxes_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_, 1);
    layout->addLayout(rows);
    layout->addLayout(ticks);
    resize(640, 640);
}

QCheckBox* BranchDiagramWindow::elementBox(int element) const {
    return element >= 1 && element <= 5 ? boxes_[static_cast<std::size_t>(element)] : nullptr;
}

QPushButton* BranchDiagramWindow::kindButton(BranchKind kind, bool chartRow) const {
    return buttons_[chartRow ? 1 : 0][static_cast<std::size_t>(kind)];
}

void BranchDiagramWindow::showChart(const Tmandata& chart) {
    facts_ = branchDiagramOf(chart);
    clearDrawing();
}

void BranchDiagramWindow::drawKind(BranchKind kind, bool chartRow) {
    drawn_ = facts_.groupsOf(kind, chartRow);
    const std::array<bool, 6> ticked = chartRow ? facts_.tickedBy(kind) : std::array<bool, 6>{};
    for (int e = 1; e <= 5; ++e) {
        boxes_[static_cast<std::size_t>(e)]->setChecked(ticked[static_cast<std::size_t>(e)]);
    }
    canvas_->update();
}

void BranchDiagramWindow::clearDrawing() {
    drawn_.clear();
    for (int e = 1; e <= 5; ++e) boxes_[static_cast<std::size_t>(e)]->setChecked(false);
    canvas_->update();
}

void BranchDiagramWindow::paintDrawing(QPainter& p, const QRectF& area) const {
    const QPointF centre = area.center();
    const double radius = std::min(area.width(), area.height()) / 2 - 48;
    const double disc = 24;
    auto at = [&](int branch) { return ringPoint(centre, radius, branch - 1, 12); };

    for (const BranchGroup& g : drawn_) {
        const QColor colour = kindColour(g.kind);
        const auto& b = g.branches;
        if (g.kind == BranchKind::Self && !b.empty()) {
            // A loop just outside the branch: it punishes itself.
            const QPointF out = at(b[0]) + (at(b[0]) - centre) * (disc + 10) / radius;
            p.save();
            p.setPen(QPen(colour, 3));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(out, 12, 12);
            p.restore();
            continue;
        }
        if (g.kind == BranchKind::Directional && b.size() == 3) {
            // An arc along the outside of the circle over the three neighbouring branches of the
            // direction (亥子丑 runs across 子 at the top).
            const int first = b[2] == 12 && b[0] == 1 ? 12 : b[0];
            const double start = 90.0 - 30.0 * (first - 1) + 12.0;
            const double outer = radius + disc + 8;
            p.save();
            p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer),
                      static_cast<int>(start * 16), static_cast<int>(-84.0 * 16));
            p.restore();
            if (g.element) {
                const int middle = first == 12 ? 1 : b[1];
                const QPointF tagAt =
                    centre + (at(middle) - centre) * (radius - disc - 26) / radius;
                drawTag(p, tagAt, qs(elementName(g.element)) + "化", elementColour(g.element));
            }
            continue;
        }
        for (std::size_t i = 0; i < b.size(); ++i) {
            const std::size_t j = (i + 1) % b.size();
            if (b.size() == 2 && i == 1) break;
            drawLink(p, at(b[i]), at(b[j]), disc, colour, 3, false);
        }
        if (g.element && b.size() == 3) {
            const QPointF mid = (at(b[0]) + at(b[1]) + at(b[2])) / 3;
            drawTag(p, mid, qs(elementName(g.element)) + "化", elementColour(g.element));
        }
    }

    QFont font = p.font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    p.setFont(font);
    for (int b = 1; b <= 12; ++b) {
        const bool inChart = std::find(facts_.chartBranches.begin(), facts_.chartBranches.end(),
                                       b) != facts_.chartBranches.end();
        const QColor colour = elementColour(elementOfBranch(b));
        drawDisc(p, at(b), disc, qs(branchName(b)), inChart ? QColor(0xff, 0xf1, 0xc8) : Qt::white,
                 colour, colour);
    }
}

}  // namespace suimei
