#include "core/ui/print_picture.h"

#include <QImage>
#include <QTemporaryDir>

#include <memory>

namespace suimei {

QString savePrintPicture(const QImage& image) {
    static std::unique_ptr<QTemporaryDir> folder;
    static int count = 0;
    if (image.isNull()) return {};
    if (!folder || !folder->isValid()) folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid()) return {};
    const QString path = folder->filePath(QStringLiteral("drawing-%1.png").arg(++count));
    return image.save(path, "PNG") ? path : QString();
}

}  // namespace suimei
