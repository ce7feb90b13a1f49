// Draws the five cover pictures of the appraisal documents as 800 x 600 BMP files hyousi/0.bmp ..
// hyousi/4.bmp: 希望 (dawn over the sea), 成就 (a summit under the risen sun), 子宝 (a peach branch
// with ripe fruit), 媚艶 (a peony in bloom), 洞察 (a crescent moon over still water).
// Usage: cover_pictures OUTPUT_FOLDER

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

void skyGradient(QPainter& p, std::initializer_list<std::pair<double, QColor>> stops) {
    QLinearGradient g(0, 0, 0, kHeight);
    for (const auto& [at, colour] : stops) g.setColorAt(at, colour);
    p.fillRect(QRect(0, 0, kWidth, kHeight), g);
}

void glow(QPainter& p, QPointF centre, double radius, QColor core, QColor edge) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, core);
    g.setColorAt(1, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// A shape under a line of points, down to the height `base` (the horizon of distant land).
QPainterPath band(std::initializer_list<QPointF> points, double base) {
    QPainterPath path;
    path.moveTo(points.begin()->x(), base);
    for (const QPointF& pt : points) path.lineTo(pt);
    path.lineTo((points.end() - 1)->x(), base);
    path.closeSubpath();
    return path;
}

// A ridge line through the given heights across the picture, filled below.
QPainterPath ridge(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.moveTo(0, kHeight);
    for (const QPointF& pt : points) path.lineTo(pt);
    path.lineTo(kWidth, kHeight);
    path.closeSubpath();
    return path;
}

void hope(QPainter& p) {
    skyGradient(p, {{0, QColor(0x2b, 0x3a, 0x67)},
                    {0.45, QColor(0xf2, 0x9e, 0x6b)},
                    {0.62, QColor(0xfd, 0xe3, 0xa7)},
                    {0.63, QColor(0x4a, 0x6f, 0x96)},
                    {1, QColor(0x1d, 0x34, 0x57)}});
    const QPointF sun(400, 378);
    // Rays fanning up from the sun on the horizon.
    p.save();
    p.setClipRect(0, 0, kWidth, 378);
    for (int i = 0; i < 18; ++i) {
        const double a = qDegreesToRadians(190.0 + i * 160.0 / 17);
        QPainterPath ray;
        ray.moveTo(sun);
        ray.lineTo(sun + QPointF(std::cos(a - 0.03), std::sin(a - 0.03)) * 700);
        ray.lineTo(sun + QPointF(std::cos(a + 0.03), std::sin(a + 0.03)) * 700);
        ray.closeSubpath();
        p.fillPath(ray, QColor(255, 244, 214, 40));
    }
    glow(p, sun, 150, QColor(255, 236, 179, 200), QColor(255, 236, 179, 0));
    p.setBrush(QColor(0xff, 0xd5, 0x80));
    p.drawEllipse(sun, 62, 62);
    p.restore();
    // Glitter of the sun on the water.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 22; ++row) {
        const double y = 386 + row * 9.5;
        const double half = 18 + row * 7;
        p.setBrush(QColor(255, 226, 160, 170 - row * 6));
        p.drawRoundedRect(QRectF(400 - half, y, 2 * half, 3.5), 2, 2);
    }
    // A distant island on the horizon.
    p.fillPath(band({{0, 364}, {60, 352}, {120, 356}, {170, 368}, {230, 379}}, 379),
               QColor(0x3b, 0x4a, 0x6b));
    // Birds crossing the morning sky.
    p.setPen(QPen(QColor(0x3a, 0x2e, 0x3f), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF b : {QPointF(560, 170), QPointF(600, 200), QPointF(640, 160)}) {
        QPainterPath bird;
        bird.moveTo(b + QPointF(-16, 0));
        bird.quadTo(b + QPointF(-8, -9), b);
        bird.quadTo(b + QPointF(8, -9), b + QPointF(16, 0));
        p.drawPath(bird);
    }
}

void achievement(QPainter& p) {
    skyGradient(p, {{0, QColor(0x0f, 0x4c, 0x81)},
                    {0.6, QColor(0x9c, 0xc9, 0xe8)},
                    {1, QColor(0xe8, 0xf1, 0xf5)}});
    glow(p, QPointF(560, 150), 160, QColor(255, 245, 200, 230), QColor(255, 245, 200, 0));
    p.setBrush(QColor(0xff, 0xc1, 0x3b));
    p.drawEllipse(QPointF(560, 150), 52, 52);
    // Far ranges, then the summit with its snow cap.
    p.fillPath(
        ridge({{0, 400}, {120, 330}, {230, 380}, {360, 320}, {470, 390}, {620, 340}, {800, 410}}),
        QColor(0x6f, 0x8f, 0xb0));
    const QPainterPath summit =
        ridge({{0, 560}, {180, 450}, {330, 250}, {400, 180}, {470, 250}, {620, 450}, {800, 540}});
    p.fillPath(summit, QColor(0x3d, 0x55, 0x73));
    QPainterPath snow;
    snow.moveTo(400, 180);
    snow.lineTo(446, 226);
    snow.lineTo(428, 238);
    snow.lineTo(410, 226);
    snow.lineTo(392, 244);
    snow.lineTo(372, 230);
    snow.lineTo(354, 226);
    snow.closeSubpath();
    p.fillPath(snow, QColor(0xf5, 0xf8, 0xfb));
    // The banner on the top.
    p.setPen(QPen(QColor(0x2a, 0x2a, 0x2a), 3));
    p.drawLine(QPointF(400, 182), QPointF(400, 122));
    QPainterPath flag;
    flag.moveTo(401, 124);
    flag.cubicTo(420, 116, 432, 136, 452, 128);
    flag.lineTo(452, 152);
    flag.cubicTo(432, 160, 420, 140, 401, 148);
    flag.closeSubpath();
    p.fillPath(flag, QColor(0xc6, 0x28, 0x28));
    // Green foothills in front.
    p.fillPath(ridge({{0, 520}, {200, 500}, {420, 540}, {620, 505}, {800, 530}}),
               QColor(0x2e, 0x6b, 0x3f));
}

void petal(QPainter& p, QPointF centre, double angle, double length, double width, QColor colour) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(width, -length * 0.3, width * 0.8, -length * 0.9, 0, -length);
    path.cubicTo(-width * 0.8, -length * 0.9, -width, -length * 0.3, 0, 0);
    QLinearGradient g(0, 0, 0, -length);
    g.setColorAt(0, colour.darker(135));
    g.setColorAt(1, colour.lighter(115));
    p.fillPath(path, g);
    p.restore();
}

void leaf(QPainter& p, QPointF base, double angle, double length, QColor colour) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(length * 0.35, -length * 0.5, 0, -length);
    path.quadTo(-length * 0.35, -length * 0.5, 0, 0);
    p.fillPath(path, colour);
    p.setPen(QPen(colour.darker(140), 1.5));
    p.drawLine(QPointF(0, 0), QPointF(0, -length * 0.9));
    p.restore();
}

void children(QPainter& p) {
    skyGradient(p, {{0, QColor(0xfd, 0xf0, 0xe8)}, {1, QColor(0xf6, 0xd7, 0xcf)}});
    glow(p, QPointF(400, 300), 330, QColor(255, 255, 255, 200), QColor(255, 255, 255, 0));
    // The branch.
    p.setPen(QPen(QColor(0x6d, 0x4c, 0x41), 16, Qt::SolidLine, Qt::RoundCap));
    QPainterPath branch;
    branch.moveTo(60, 170);
    branch.cubicTo(250, 120, 470, 210, 740, 150);
    p.drawPath(branch);
    p.setPen(QPen(QColor(0x6d, 0x4c, 0x41), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(300, 160), QPointF(320, 250));
    p.drawLine(QPointF(520, 172), QPointF(505, 275));
    p.drawLine(QPointF(420, 170), QPointF(415, 225));
    // Ripe peaches: a large pair and a small one, blushing from yellow to rose.
    const auto peach = [&p](QPointF c, double r) {
        QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.35), r * 1.4);
        g.setColorAt(0, QColor(0xff, 0xe8, 0xb0));
        g.setColorAt(0.5, QColor(0xff, 0xa0, 0x8a));
        g.setColorAt(1, QColor(0xd9, 0x4f, 0x62));
        QPainterPath body;
        body.moveTo(c + QPointF(0, -r));
        body.cubicTo(c + QPointF(r * 1.15, -r * 1.05), c + QPointF(r * 1.1, r * 0.95),
                     c + QPointF(0, r));
        body.cubicTo(c + QPointF(-r * 1.1, r * 0.95), c + QPointF(-r * 1.15, -r * 1.05),
                     c + QPointF(0, -r));
        p.setPen(Qt::NoPen);
        p.fillPath(body, g);
        p.setPen(QPen(QColor(0xc2, 0x45, 0x5a, 150), 2));
        p.setBrush(Qt::NoBrush);
        QPainterPath crease;
        crease.moveTo(c + QPointF(0, -r * 0.95));
        crease.quadTo(c + QPointF(r * 0.3, 0), c + QPointF(0, r * 0.9));
        p.drawPath(crease);
    };
    peach(QPointF(325, 320), 78);
    peach(QPointF(500, 340), 88);
    peach(QPointF(415, 265), 46);
    for (const auto& [base, angle] :
         {std::pair{QPointF(250, 150), -60.0}, std::pair{QPointF(290, 160), -20.0},
          std::pair{QPointF(360, 160), 40.0}, std::pair{QPointF(560, 180), -35.0},
          std::pair{QPointF(600, 170), 25.0}, std::pair{QPointF(680, 158), 70.0},
          std::pair{QPointF(460, 180), 150.0}, std::pair{QPointF(180, 150), 200.0}}) {
        leaf(p, base, angle, 95, QColor(0x5b, 0x8c, 0x3e));
    }
    // Small blossoms along the branch.
    for (const QPointF c : {QPointF(140, 156), QPointF(640, 160), QPointF(700, 148)}) {
        for (int k = 0; k < 5; ++k) petal(p, c, k * 72.0, 20, 12, QColor(0xf8, 0xbb, 0xd0));
        p.setBrush(QColor(0xf9, 0xa8, 0x25));
        p.setPen(Qt::NoPen);
        p.drawEllipse(c, 4, 4);
    }
}

void charm(QPainter& p) {
    QRadialGradient bg(QPointF(400, 300), 520);
    bg.setColorAt(0, QColor(0x4a, 0x14, 0x2c));
    bg.setColorAt(1, QColor(0x12, 0x05, 0x0e));
    p.fillRect(QRect(0, 0, kWidth, kHeight), bg);
    const QPointF c(400, 300);
    for (const auto& [base, angle] :
         {std::pair{QPointF(330, 400), -130.0}, std::pair{QPointF(470, 400), 130.0},
          std::pair{QPointF(400, 420), 180.0}}) {
        leaf(p, base, angle, 170, QColor(0x2f, 0x5d, 0x3a));
    }
    // A peony: rings of petals from the outside in, each ring smaller, brighter and turned.
    const QColor crimson(0xc2, 0x18, 0x5b);
    for (int ring = 0; ring < 5; ++ring) {
        const int count = 12 - ring;
        const double length = 190 - ring * 34;
        const double width = 95 - ring * 12;
        const QColor colour = crimson.lighter(100 + ring * 14);
        for (int k = 0; k < count; ++k) {
            petal(p, c, k * 360.0 / count + ring * 17, length, width, colour);
        }
    }
    glow(p, c, 40, QColor(255, 213, 79, 230), QColor(255, 213, 79, 0));
    // Falling petals.
    QRandomGenerator random(7);
    for (int i = 0; i < 14; ++i) {
        const QPointF at(random.bounded(kWidth), random.bounded(kHeight));
        if (QLineF(at, c).length() < 230) continue;
        petal(p, at, random.bounded(360), 22, 12, crimson.lighter(130));
    }
}

void insight(QPainter& p) {
    skyGradient(p, {{0, QColor(0x06, 0x0b, 0x26)},
                    {0.62, QColor(0x1b, 0x2a, 0x5c)},
                    {0.63, QColor(0x10, 0x1a, 0x3a)},
                    {1, QColor(0x05, 0x08, 0x18)}});
    QRandomGenerator random(11);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        const QPointF at(random.bounded(kWidth), random.bounded(360));
        const double r = 0.6 + random.bounded(1.6);
        p.setBrush(QColor(255, 255, 240, 120 + random.bounded(130)));
        p.drawEllipse(at, r, r);
    }
    // The crescent: a full disc with a darker disc taken out of it.
    const QPointF moon(520, 170);
    glow(p, moon, 130, QColor(255, 250, 220, 110), QColor(255, 250, 220, 0));
    QPainterPath disc;
    disc.addEllipse(moon, 70, 70);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(30, -18), 62, 62);
    p.fillPath(disc.subtracted(bite), QColor(0xfb, 0xf3, 0xd0));
    // Mountains against the night and the still lake reflecting the moon.
    p.fillPath(
        band({{0, 350}, {140, 300}, {260, 340}, {380, 290}, {520, 345}, {660, 305}, {800, 352}},
             374),
        QColor(0x0b, 0x12, 0x2c));
    for (int row = 0; row < 14; ++row) {
        const double y = 392 + row * 13;
        const double half = 40 - row * 1.8;
        p.setBrush(QColor(251, 243, 208, 150 - row * 9));
        p.drawRoundedRect(QRectF(495 - half, y, 2 * half, 3), 1.5, 1.5);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: cover_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) return 1;
    const std::function<void(QPainter&)> drawings[] = {hope, achievement, children, charm, insight};
    for (int i = 0; i < 5; ++i) {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        drawings[i](p);
        p.end();
        const QString file = out.filePath(QString::number(i) + QStringLiteral(".bmp"));
        if (!image.convertToFormat(QImage::Format_RGB888).save(file, "BMP")) {
            std::fprintf(stderr, "cover_pictures: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
