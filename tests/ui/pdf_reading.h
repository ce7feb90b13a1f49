#pragma once
// Reading a written PDF back with the poppler tools.

#include <QProcess>
#include <QString>
#include <QStringList>

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

}  // namespace suimei::testing
