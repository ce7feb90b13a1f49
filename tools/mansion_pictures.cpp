// Draws the relation diagrams of the lunar-mansion window, bmp/QR27-<n>.bmp for n = 1..28: the
// birth mansion in the centre and the other 26 mansions of the cycle of twenty-seven around it,
// in cycle order clockwise from the top, each with its mansion name and its relation to the
// centre, coloured by the six relation kinds, with a legend of the kinds.
// 20 (牛) has no place in the cycle of twenty-seven: its diagram is read from the place of 斗,
// where the cycle counts it, and says so under the title.
// Usage: mansion_pictures OUTPUT_FOLDER (the bmp/ folder is made below it)

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtMath>
#include <cstdio>

#include "calendar/old_calendar.h"
#include "methods/mansion_relation.h"

namespace {

using suimei::MansionRelationKind;

constexpr int kSize = 640;
constexpr double kCentreX = kSize / 2.0;
constexpr double kCentreY = 322;
constexpr double kRingRadius = 232;

struct KindColours {
    QColor ink, tile;
};

KindColours coloursOf(MansionRelationKind kind) {
    switch (kind) {
        case MansionRelationKind::EiShin:
            return {QColor(0x2e, 0x7d, 0x32), QColor(0xe3, 0xf2, 0xe0)};
        case MansionRelationKind::YuSui:
            return {QColor(0x15, 0x65, 0xc0), QColor(0xe1, 0xed, 0xfa)};
        case MansionRelationKind::KiSei:
            return {QColor(0xd8, 0x6a, 0x00), QColor(0xfd, 0xee, 0xdc)};
        case MansionRelationKind::GyoTai:
            return {QColor(0x6a, 0x2c, 0x9a), QColor(0xef, 0xe4, 0xf7)};
        case MansionRelationKind::AnKai:
            return {QColor(0xc6, 0x28, 0x28), QColor(0xfb, 0xe3, 0xe1)};
        case MansionRelationKind::Mei:
            break;
    }
    return {QColor(0x8a, 0x6d, 0x00), QColor(0xfb, 0xf1, 0xc8)};
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont gothic(double pixels, bool bold = false) {
    QFont font;
    font.setFamilies({"IPAexGothic", "IPAGothic", "Noto Sans CJK JP"});
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    return font;
}

// The mansion at relation index `index` (1..26) from `birth`, by walking the cycle's numbers.
int mansionAt(int birth, int index) {
    for (int other = 1; other <= 28; ++other) {
        if (other == 20 || other == birth) continue;
        if (suimei::mansionRelationIndex(birth, other) == index) return other;
    }
    return 0;
}

void drawTile(QPainter& p, const QPointF& centre, int mansion, int index) {
    const MansionRelationKind kind = suimei::mansionRelationKind(index);
    const KindColours c = coloursOf(kind);
    const QRectF box(centre.x() - 25, centre.y() - 24, 50, 48);
    p.setPen(QPen(c.ink, 2));
    p.setBrush(c.tile);
    p.drawRoundedRect(box, 9, 9);
    p.setPen(Qt::black);
    p.setFont(gothic(21, true));
    p.drawText(QRectF(box.x(), box.y() + 2, box.width(), 26), Qt::AlignCenter,
               qs(suimei::mansionName(mansion)));
    p.setPen(c.ink);
    p.setFont(gothic(15, true));
    p.drawText(QRectF(box.x(), box.y() + 26, box.width(), 20), Qt::AlignCenter,
               qs(suimei::mansionRelationName(index)));
}

QImage diagram(int birth) {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QString name = qs(suimei::mansionName(birth)) + QStringLiteral("宿");
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.setFont(gothic(20, true));
    p.drawText(QRectF(0, 8, kSize, 28), Qt::AlignCenter,
               name + QStringLiteral("生まれの人間関係相性図"));
    if (birth == 20) {
        p.setFont(gothic(13));
        p.drawText(
            QRectF(0, 34, kSize, 18), Qt::AlignCenter,
            QStringLiteral("牛宿は二十七宿に入らないため、斗宿の位置から見た関係を示します"));
    }

    const QPointF centre(kCentreX, kCentreY);
    // Spokes first, so the tiles lie over them.
    for (int index = 1; index < suimei::kMansionRelationCount; ++index) {
        const double angle = -M_PI / 2 + 2 * M_PI * (index - 1) / 26.0;
        const QPointF at(kCentreX + kRingRadius * std::cos(angle),
                         kCentreY + kRingRadius * std::sin(angle));
        QColor ink = coloursOf(suimei::mansionRelationKind(index)).ink;
        ink.setAlpha(110);
        p.setPen(QPen(ink, 1.5));
        p.drawLine(centre, at);
    }
    p.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, kRingRadius, kRingRadius);
    for (int index = 1; index < suimei::kMansionRelationCount; ++index) {
        const double angle = -M_PI / 2 + 2 * M_PI * (index - 1) / 26.0;
        const QPointF at(kCentreX + kRingRadius * std::cos(angle),
                         kCentreY + kRingRadius * std::sin(angle));
        drawTile(p, at, mansionAt(birth, index), index);
    }

    const KindColours mei = coloursOf(MansionRelationKind::Mei);
    p.setPen(QPen(mei.ink, 3));
    p.setBrush(mei.tile);
    p.drawEllipse(centre, 62, 62);
    p.setPen(Qt::black);
    p.setFont(gothic(40, true));
    p.drawText(QRectF(kCentreX - 60, kCentreY - 42, 120, 50), Qt::AlignCenter, name);
    p.setPen(mei.ink);
    p.setFont(gothic(17, true));
    p.drawText(QRectF(kCentreX - 60, kCentreY + 10, 120, 24), Qt::AlignCenter,
               QStringLiteral("本命（命）"));

    // Legend: the six kinds in the order of the relation choice.
    constexpr int kinds = suimei::kMansionRelationKindCount;
    const double cell = (kSize - 40.0) / kinds;
    for (int k = 0; k < kinds; ++k) {
        const auto kind = static_cast<MansionRelationKind>(k);
        const KindColours c = coloursOf(kind);
        const QRectF swatch(20 + k * cell + 4, kSize - 44, 18, 18);
        p.setPen(QPen(c.ink, 2));
        p.setBrush(c.tile);
        p.drawRoundedRect(swatch, 4, 4);
        p.setPen(Qt::black);
        p.setFont(gothic(15));
        p.drawText(QRectF(swatch.right() + 5, swatch.y() - 3, cell - 28, 24),
                   Qt::AlignVCenter | Qt::AlignLeft, qs(suimei::mansionRelationKindCaption(kind)));
    }
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mansion_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("bmp")) {
        std::fprintf(stderr, "mansion_pictures: cannot make %s/bmp\n", argv[1]);
        return 1;
    }
    for (int n = 1; n <= 28; ++n) {
        const QString path = out.filePath(QStringLiteral("bmp/QR27-%1.bmp").arg(n));
        if (!diagram(n).save(path, "BMP")) {
            std::fprintf(stderr, "mansion_pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
