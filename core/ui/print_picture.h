#pragma once
// Drawings grabbed from windows for printing: a printed document names its pictures by file, so
// a grabbed drawing is kept as a PNG file in a folder of the program's own that lives until the
// program ends (the preview paints its pages again whenever it is resized).

#include <QString>

class QImage;

namespace suimei {

// Saves `image` as a new PNG file and returns its path; empty when it cannot be written.
QString savePrintPicture(const QImage& image);

}  // namespace suimei
