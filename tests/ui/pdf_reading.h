#pragma once
// Reading a written PDF back with the poppler tools.

#include <QAction>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

#include "core/notifier.h"
#include "core/ui/print_service.h"

namespace suimei::testing {

// The standard output of `program` with `args`.
inline QString toolOutput(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The page count pdfinfo reports; -1 when it reports none.
inline int pdfPages(const QString& path) {
    for (const QString& line : toolOutput("pdfinfo", {path}).split('\n')) {
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// Does `print` answering Yes to the preview question and saves the preview through its
// "PDF に保存" as `pdf`; false when no preview opened. With SUIMEI_SCREENSHOT_DIR set the PDF is
// kept there as `keepAs` for looking at.
inline bool savedThroughPreview(RecordingNotifier& notes, const QString& pdf,
                                const std::function<void()>& print, const QString& keepAs = {}) {
    PrintService& service = PrintService::instance(notes);
    service.setPdfPathChooser([pdf](QWidget*) { return pdf; });
    QWidget* preview = nullptr;
    const auto connection =
        QObject::connect(&service, &PrintService::previewOpened, [&](QWidget* p) { preview = p; });
    notes.answer = true;
    print();
    QObject::disconnect(connection);
    if (preview == nullptr) return false;
    preview->findChild<QAction*>("savePdfAction")->trigger();
    preview->close();
    const QString shots = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
    if (!shots.isEmpty() && !keepAs.isEmpty()) {
        QFile::remove(shots + "/" + keepAs);
        QFile::copy(pdf, shots + "/" + keepAs);
    }
    return true;
}

}  // namespace suimei::testing
