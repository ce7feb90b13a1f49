// Renders the program's SVG icon to PNG files for menus that do not read SVG:
// "OUTPUT_FOLDER/<size>x<size>/apps/<name>.png" for each size given, <name> being the SVG's name.
// Usage: icon_pictures ICON.svg OUTPUT_FOLDER SIZE...

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: icon_pictures ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QString name = QFileInfo(svg).completeBaseName();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 16 || size > 1024) {
            std::fprintf(stderr, "icon_pictures: not a size: %s\n", argv[i]);
            return 2;
        }
        // Drawn from the vector picture at each size, not scaled from another picture.
        QImageReader reader(svg, "svg");
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            std::fprintf(stderr, "icon_pictures: cannot read %s: %s\n", argv[1],
                         qPrintable(reader.errorString()));
            return 1;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!out.mkpath(folder)) return 1;
        const QString file =
            out.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "icon_pictures: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
