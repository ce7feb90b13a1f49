#include "app/ui/title_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QtMath>

#include "app/ui/start_up.h"

namespace suimei {

namespace {
constexpr QSize kTitleSize(560, 340);
}

Ttitlefrm::Ttitlefrm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("Ttitlefrm");
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    picture_ = titlePicture(kTitleSize);
    setFixedSize(kTitleSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QPixmap Ttitlefrm::titlePicture(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));

    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.0, QColor(0x1b, 0x22, 0x3c));
    sky.setColorAt(1.0, QColor(0x0c, 0x10, 0x1f));
    p.fillRect(r, sky);

    // The ring of the ten stems behind the name, faint.
    const QPointF centre(r.width() * 0.80, r.height() * 0.33);
    const qreal radius = r.height() * 0.27;
    QRadialGradient glow(centre, radius * 1.4);
    glow.setColorAt(0.0, QColor(0xc8, 0xa2, 0x4a, 60));
    glow.setColorAt(1.0, QColor(0xc8, 0xa2, 0x4a, 0));
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, radius * 1.4, radius * 1.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc8, 0xa2, 0x4a, 90), 1.2));
    p.drawEllipse(centre, radius, radius);
    p.drawEllipse(centre, radius * 0.62, radius * 0.62);
    QFont ringFont(japaneseMinchoFamily());
    ringFont.setPixelSize(qRound(radius * 0.22));
    p.setFont(ringFont);
    p.setPen(QColor(0xe6, 0xcf, 0x8e, 120));
    const char* stems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * 2 * M_PI / 10;
        const QPointF at(centre.x() + std::cos(a) * radius * 0.81,
                         centre.y() + std::sin(a) * radius * 0.81);
        const QRectF cell(at.x() - radius * 0.15, at.y() - radius * 0.15, radius * 0.3,
                          radius * 0.3);
        p.drawText(cell, Qt::AlignCenter, QString::fromUtf8(stems[i]));
    }

    // The name, the version and a thin rule.
    QFont nameFont(japaneseMinchoFamily());
    nameFont.setPixelSize(qRound(size.height() * 0.125));
    p.setFont(nameFont);
    p.setPen(QColor(0xf4, 0xe7, 0xc3));
    const QRectF nameRect(r.width() * 0.08, r.height() * 0.62, r.width() * 0.9, r.height() * 0.16);
    p.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("推命ワークベンチ"));
    p.setPen(QPen(QColor(0xc8, 0xa2, 0x4a), 1.5));
    const qreal ruleY = r.height() * 0.80;
    p.drawLine(QPointF(r.width() * 0.08, ruleY), QPointF(r.width() * 0.92, ruleY));
    QFont smallFont(japaneseGothicFamily());
    smallFont.setPixelSize(qRound(size.height() * 0.05));
    p.setFont(smallFont);
    p.setPen(QColor(0xd9, 0xc8, 0x98));
    const QRectF subRect(r.width() * 0.08, ruleY + r.height() * 0.03, r.width() * 0.84,
                         r.height() * 0.08);
    p.drawText(subRect, Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("四柱推命 鑑定ワークベンチ"));
    p.drawText(subRect, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Version 8.0"));

    p.setPen(QPen(QColor(0xc8, 0xa2, 0x4a, 140), 1));
    p.drawRect(r.adjusted(6, 6, -7, -7));
    return pixmap;
}

void Ttitlefrm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

bool Ttitlefrm::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) close();
    return QWidget::event(event);
}

}  // namespace suimei
