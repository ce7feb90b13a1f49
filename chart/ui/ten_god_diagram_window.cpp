#include "chart/ui/ten_god_diagram_window.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>

#include "chart/chart_rules.h"
#include "core/ui/qt_text.h"

namespace suimei {

namespace {

constexpr double kRadius = 150;
const QPointF kCentre(260, 230);

QPen linePen(DiagramLineSet set, int width) {
    return QPen(set == DiagramLineSet::Production ? QColor(0x00, 0x80, 0x00) : QColor(0xC0, 0, 0),
                width);
}

}  // namespace

TenGodDiagramWindow::TenGodDiagramWindow(const Tmandata& chart, QWidget* parent)
    : QWidget(parent, Qt::Window), chart_(chart) {
    setObjectName("TenGodDiagramWindow");
    setWindowTitle(QStringLiteral("通変星の関係図"));
    setFixedSize(520, 500);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    auto* row = new QHBoxLayout;
    const std::pair<const char*, const char*> buttons[] = {{"soseibtn", "相生"},
                                                           {"sokokubtn", "相剋"},
                                                           {"meisikibtn", "命式鑑定"},
                                                           {"clearbtn", "クリア"}};
    for (const auto& [name, caption] : buttons) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
        row->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, n = QString(name)] {
            if (n == "soseibtn") allLines_ = DiagramLineSet::Production;
            if (n == "sokokubtn") allLines_ = DiagramLineSet::Control;
            if (n == "meisikibtn") {
                reading_ = tenGodDiagramReading(chart_);
                showReading_ = true;
            }
            if (n == "clearbtn") {
                allLines_ = DiagramLineSet::None;
                showReading_ = false;
                year_ = {};
            }
            update();
        });
    }
    layout->addLayout(row);
    refresh();
}

void TenGodDiagramWindow::refresh() {
    groups_ = tenGodDiagramGroups(chart_);
    allLines_ = DiagramLineSet::None;
    showReading_ = false;
    reading_ = {};
    year_ = {};
    update();
}

void TenGodDiagramWindow::showYear(int age) {
    groups_ = tenGodDiagramGroups(chart_);
    year_ = tenGodDiagramYearMarks(chart_, age);
    update();
}

QPointF TenGodDiagramWindow::groupCentre(int group) const {
    // Groups in production order round a pentagon, 比劫 at the top.
    const double angle = -M_PI / 2 + (group - 1) * 2 * M_PI / 5;
    return kCentre + QPointF(kRadius * std::cos(angle), kRadius * std::sin(angle));
}

QPointF TenGodDiagramWindow::tenGodPoint(int tenGod) const {
    const int group = tenGodGroup(tenGod);
    if (group == 0) return kCentre;
    // The yang god (1..5) left of the group's centre, the yin god (6..10) right of it.
    return groupCentre(group) + QPointF(tenGod <= 5 ? -26 : 26, 0);
}

void TenGodDiagramWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (allLines_ != DiagramLineSet::None) {
        p.setPen(linePen(allLines_, 1));
        for (int a = 1; a <= 5; ++a) {
            for (int b = a + 1; b <= 5; ++b) {
                if (diagramLineSet(a, b) == allLines_) p.drawLine(groupCentre(a), groupCentre(b));
            }
        }
    }
    p.setPen(Qt::black);
    p.drawText(QRectF(kCentre.x() - 40, kCentre.y() - 12, 80, 24), Qt::AlignCenter,
               QStringLiteral("日主 ") + qs(stemName(chart_.dayPillar.stem)));
    for (int g = 1; g <= 5; ++g) {
        const QPointF c = groupCentre(g);
        const DiagramGroup& d = groups_[static_cast<std::size_t>(g)];
        p.setPen(Qt::black);
        p.drawRoundedRect(QRectF(c.x() - 58, c.y() - 16, 116, 32), 6, 6);
        for (int god : {g, g + 5}) {
            const QPointF at = tenGodPoint(god);
            p.drawText(QRectF(at.x() - 26, at.y() - 10, 52, 20), Qt::AlignCenter,
                       qs(tenGodName(god)));
        }
        const QString head = qs(elementName(d.element)) + QStringLiteral("性 ") + qs(d.fortune);
        p.setPen(d.fortune == "吉星"   ? QColor(0, 0, 0xC0)
                 : d.fortune == "凶星" ? QColor(0xC0, 0, 0)
                                       : QColor(Qt::black));
        p.drawText(QRectF(c.x() - 58, c.y() - 36, 116, 18), Qt::AlignCenter, head);
    }
    if (showReading_) {
        for (const DiagramLine& l : reading_.lines) {
            p.setPen(linePen(l.set, 2));
            p.drawLine(tenGodPoint(l.fromTenGod), tenGodPoint(l.toTenGod));
        }
        QFont bold = font();
        bold.setBold(true);
        bold.setPointSize(12);
        p.setFont(bold);
        p.setPen(Qt::red);
        for (int god : reading_.tenGods) {
            if (god == 0) continue;
            const QPointF at = tenGodPoint(god);
            p.drawText(QRectF(at.x() - 26, at.y() - 10, 52, 20), Qt::AlignCenter,
                       qs(tenGodName(god)));
        }
        p.setFont(font());
    }
    if (year_.group != 0) {
        for (const DiagramLine& l : year_.lines) {
            p.setPen(linePen(l.set, 2));
            p.drawLine(tenGodPoint(l.fromTenGod), tenGodPoint(l.toTenGod));
        }
        const QPointF at = tenGodPoint(year_.tenGod);
        p.setPen(QPen(Qt::black, 2));
        p.drawEllipse(at, 24, 14);
        p.drawText(QRectF(at.x() - 30, at.y() + 14, 60, 18), Qt::AlignCenter, qs(year_.ageLabel));
        if (year_.luckTenGod != 0) {
            p.setPen(QPen(Qt::red, 2));
            p.drawEllipse(tenGodPoint(year_.luckTenGod), 28, 17);
        }
    }
}

}  // namespace suimei
