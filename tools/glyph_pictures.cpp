// Draws the glyph pictures of the stem and branch buttons as 32 x 32 BMP files:
// "kinoe.bmp" .. "mizunoto.bmp" (甲..癸), "tree.bmp", "fire.bmp", "tuchi.bmp", "kin.bmp",
// "water.bmp" (the branch's element) and "null.bmp" (none).
// Usage: glyph_pictures OUTPUT_FOLDER

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kSize = 32;

// Element colours: ink and tile.
struct Palette {
    QColor ink, tile;
};
const Palette kWood{QColor(0x2e, 0x7d, 0x32), QColor(0xe6, 0xf3, 0xe2)};
const Palette kFire{QColor(0xc6, 0x28, 0x28), QColor(0xfb, 0xe6, 0xe1)};
const Palette kEarth{QColor(0x8d, 0x5b, 0x2a), QColor(0xf5, 0xeb, 0xda)};
const Palette kMetal{QColor(0xa6, 0x7c, 0x00), QColor(0xfa, 0xf3, 0xd6)};
const Palette kWater{QColor(0x15, 0x65, 0xc0), QColor(0xe1, 0xee, 0xfa)};
const Palette kNone{QColor(0xb0, 0xb6, 0xc0), QColor(0xf4, 0xf5, 0xf7)};

using Drawing = std::function<void(QPainter&, const QColor&)>;

QImage glyph(const Palette& palette, const Drawing& draw) {
    // Drawn four times larger, then scaled down smoothly.
    constexpr int big = kSize * 4;
    QImage image(big, big, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette.ink.lighter(160), 3));
    p.setBrush(palette.tile);
    p.drawRoundedRect(QRectF(2, 2, big - 4, big - 4), 18, 18);
    p.scale(4.0, 4.0);
    draw(p, palette.ink);
    p.end();
    return image.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

void fillPath(QPainter& p, const QPainterPath& path, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
}

QPainterPath flame(double cx, double bottom, double w, double h) {
    QPainterPath path;
    path.moveTo(cx, bottom - h);
    path.cubicTo(cx + w * 0.1, bottom - h * 0.62, cx + w * 0.55, bottom - h * 0.5, cx + w * 0.5,
                 bottom - h * 0.22);
    path.cubicTo(cx + w * 0.45, bottom, cx - w * 0.45, bottom, cx - w * 0.5, bottom - h * 0.22);
    path.cubicTo(cx - w * 0.55, bottom - h * 0.45, cx - w * 0.05, bottom - h * 0.6, cx, bottom - h);
    return path;
}

QPainterPath drop(double cx, double top, double w, double h) {
    QPainterPath path;
    path.moveTo(cx, top);
    path.cubicTo(cx + w * 0.2, top + h * 0.3, cx + w * 0.5, top + h * 0.5, cx + w * 0.5,
                 top + h * 0.7);
    path.cubicTo(cx + w * 0.5, top + h * 1.02, cx - w * 0.5, top + h * 1.02, cx - w * 0.5,
                 top + h * 0.7);
    path.cubicTo(cx - w * 0.5, top + h * 0.5, cx - w * 0.2, top + h * 0.3, cx, top);
    return path;
}

void waves(QPainter& p, const QColor& c, int count, double width) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < count; ++k) {
        const double y = 11 + k * 6.5;
        QPainterPath path;
        path.moveTo(6, y);
        for (int i = 0; i < 4; ++i) {
            const double x = 6 + i * 5;
            path.quadTo(x + 2.5, y + (i % 2 ? 3 : -3), x + 5, y);
        }
        p.drawPath(path);
    }
}

struct Output {
    const char* name;
    const Palette* palette;
    Drawing draw;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyph_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) return 1;

    const Output outputs[] = {
        // 甲: a tall tree.
        {"kinoe.bmp", &kWood,
         [](QPainter& p, const QColor& c) {
             p.setPen(Qt::NoPen);
             p.setBrush(c.darker(140));
             p.drawRect(QRectF(14.5, 17, 3, 10));
             p.setBrush(c);
             p.drawEllipse(QPointF(16, 12.5), 8, 7.5);
         }},
        // 乙: a young plant.
        {"kinoto.bmp", &kWood,
         [](QPainter& p, const QColor& c) {
             p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(16, 27), QPointF(16, 15));
             QPainterPath left, right;
             left.moveTo(16, 19);
             left.cubicTo(10, 19, 7, 14, 7, 10);
             left.cubicTo(12, 10, 16, 13, 16, 19);
             right.moveTo(16, 15);
             right.cubicTo(21, 15, 25, 11, 25, 6);
             right.cubicTo(19, 6, 16, 10, 16, 15);
             fillPath(p, left, c);
             fillPath(p, right, c);
         }},
        // 丙: the sun.
        {"hinoe.bmp", &kFire,
         [](QPainter& p, const QColor& c) {
             p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
             for (int i = 0; i < 8; ++i) {
                 const double a = i * M_PI / 4;
                 p.drawLine(QPointF(16 + 8.5 * std::cos(a), 16 + 8.5 * std::sin(a)),
                            QPointF(16 + 11.5 * std::cos(a), 16 + 11.5 * std::sin(a)));
             }
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawEllipse(QPointF(16, 16), 6, 6);
         }},
        // 丁: a lamp flame.
        {"hinoto.bmp", &kFire,
         [](QPainter& p, const QColor& c) {
             fillPath(p, flame(16, 21, 9, 15), c);
             p.setPen(Qt::NoPen);
             p.setBrush(c.darker(150));
             p.drawRoundedRect(QRectF(11, 22, 10, 4), 1.5, 1.5);
         }},
        // 戊: mountains.
        {"tutinoe.bmp", &kEarth,
         [](QPainter& p, const QColor& c) {
             QPainterPath back, front;
             back.moveTo(14, 26);
             back.lineTo(21, 10);
             back.lineTo(28, 26);
             front.moveTo(4, 26);
             front.lineTo(13, 7);
             front.lineTo(22, 26);
             fillPath(p, back, c.lighter(135));
             fillPath(p, front, c);
         }},
        // 己: a field.
        {"tutinoto.bmp", &kEarth,
         [](QPainter& p, const QColor& c) {
             p.setPen(QPen(c, 2));
             p.setBrush(c.lighter(175));
             p.drawRect(QRectF(7, 8, 18, 16));
             p.drawLine(QPointF(16, 8), QPointF(16, 24));
             p.drawLine(QPointF(7, 16), QPointF(25, 16));
         }},
        // 庚: an axe.
        {"kanoe.bmp", &kMetal,
         [](QPainter& p, const QColor& c) {
             p.setPen(QPen(c.darker(160), 2.2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(10, 27), QPointF(21, 6));
             QPainterPath blade;
             blade.moveTo(17, 9);
             blade.lineTo(26, 11);
             blade.quadTo(28, 17, 24, 21);
             blade.lineTo(15, 14);
             blade.closeSubpath();
             fillPath(p, blade, c);
         }},
        // 辛: a jewel.
        {"kanoto.bmp", &kMetal,
         [](QPainter& p, const QColor& c) {
             QPainterPath gem;
             gem.moveTo(9, 12);
             gem.lineTo(13, 7);
             gem.lineTo(19, 7);
             gem.lineTo(23, 12);
             gem.lineTo(16, 26);
             gem.closeSubpath();
             fillPath(p, gem, c);
             p.setPen(QPen(QColor(255, 255, 255, 200), 1));
             p.drawLine(QPointF(9, 12), QPointF(23, 12));
             p.drawLine(QPointF(13, 12), QPointF(16, 26));
             p.drawLine(QPointF(19, 12), QPointF(16, 26));
         }},
        // 壬: a river.
        {"mizunoe.bmp", &kWater, [](QPainter& p, const QColor& c) { waves(p, c, 3, 2.2); }},
        // 癸: raindrops.
        {"mizunoto.bmp", &kWater,
         [](QPainter& p, const QColor& c) {
             fillPath(p, drop(12, 6, 8, 12), c);
             fillPath(p, drop(21, 13, 7, 11), c.lighter(125));
         }},
        // The elements of the branches.
        {"tree.bmp", &kWood,
         [](QPainter& p, const QColor& c) {
             QPainterPath tree;
             tree.moveTo(16, 5);
             tree.lineTo(24, 16);
             tree.lineTo(19, 16);
             tree.lineTo(25, 23);
             tree.lineTo(7, 23);
             tree.lineTo(13, 16);
             tree.lineTo(8, 16);
             tree.closeSubpath();
             fillPath(p, tree, c);
             p.setBrush(c.darker(140));
             p.drawRect(QRectF(14.5, 23, 3, 4));
         }},
        {"fire.bmp", &kFire,
         [](QPainter& p, const QColor& c) {
             fillPath(p, flame(16, 27, 15, 22), c);
             fillPath(p, flame(16, 27, 7, 11), QColor(0xff, 0xc1, 0x07));
         }},
        {"tuchi.bmp", &kEarth,
         [](QPainter& p, const QColor& c) {
             p.setPen(Qt::NoPen);
             p.setBrush(c.lighter(140));
             p.drawRect(QRectF(5, 12, 22, 5));
             p.setBrush(c);
             p.drawRect(QRectF(5, 18, 22, 4));
             p.setBrush(c.darker(130));
             p.drawRect(QRectF(5, 23, 22, 4));
             p.setBrush(c.lighter(120));
             p.drawEllipse(QPointF(16, 12), 8, 5);
         }},
        {"kin.bmp", &kMetal,
         [](QPainter& p, const QColor& c) {
             p.setPen(QPen(c.darker(130), 1.5));
             p.setBrush(c);
             p.drawEllipse(QPointF(16, 16), 10, 10);
             p.setBrush(QColor(0xfa, 0xf3, 0xd6));
             p.drawRect(QRectF(12.5, 12.5, 7, 7));
         }},
        {"water.bmp", &kWater,
         [](QPainter& p, const QColor& c) {
             fillPath(p, drop(16, 4, 11, 15), c);
             p.translate(0, 10);
             waves(p, c.lighter(130), 1, 2);
         }},
        {"null.bmp", &kNone, [](QPainter&, const QColor&) {}},
    };
    for (const Output& o : outputs) {
        const QString path = dir.filePath(QString::fromLatin1(o.name));
        if (!glyph(*o.palette, o.draw).save(path, "BMP")) {
            std::fprintf(stderr, "glyph_pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
