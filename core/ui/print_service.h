#pragma once
// The one way the program prints: a document of pages composed by the engine is drawn on a
// printer, into a PDF file or in a preview. Every print command asks "印刷のプレビュー画面を表示
// しますか？": Yes opens the preview (with "PDF に保存"), No prints at once on the chosen printer.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "core/print_document.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace suimei {

class Notifier;

inline constexpr char kPreviewQuestionText[] = "印刷のプレビュー画面を表示しますか？";

// Draws every page of `doc` on `device` (a printer or a PDF writer), starting a new page between
// them. False when the painter cannot start on the device.
bool paintDocument(const print::PrintDocument& doc, QPagedPaintDevice& device);

// Draws one page with `painter`, whose device has `dotsPerMm` dots to the millimetre.
void paintPage(const print::PrintPage& page, QPainter& painter, double dotsPerMm);

// Writes `doc` as a PDF file; false (and no file left behind) when it cannot be written.
bool writeDocumentPdf(const print::PrintDocument& doc, const QString& path);

class PrintService : public QObject {
    Q_OBJECT
  public:
    explicit PrintService(Notifier& notifier, QObject* parent = nullptr);
    ~PrintService() override;

    // The program's print service (made on first use, lives until the program ends), telling
    // through `notifier` from now on.
    static PrintService& instance(Notifier& notifier);

    // Asks the preview question, then previews or prints `doc`. `parent` owns the preview.
    void print(const print::PrintDocument& doc, QWidget* parent);
    // The same for a window's drawing: `widget` as it is painted now, scaled to fit one page
    // under the heading `title`; the page lies in landscape when the drawing is wider than high,
    // unless `portrait` asks for an upright page.
    void printWidget(QWidget& widget, const QString& title, bool portrait = false);
    // The printer setup dialog (プリンタ設定); its choices hold for the next prints.
    void setupPrinter(QWidget* parent);
    QPrinter& printer();

    // Where "PDF に保存" writes; a file dialog when not set (tests set it).
    void setPdfPathChooser(std::function<QString(QWidget*)> choose) {
        choosePdfPath_ = std::move(choose);
    }
    // Prints at once without the platform (tests): called with the job's name and page count
    // instead of painting on the printer.
    void setDirectPrinter(std::function<bool(const QString& title, int pages)> print) {
        directPrint_ = std::move(print);
    }

    // What one print job draws: its pages, each painted on a device with `dotsPerMm` dots to the
    // millimetre.
    struct Job {
        QString title;
        double paperWidth = 210;   // mm
        double paperHeight = 297;  // mm
        int pages = 0;
        std::function<void(QPainter&, int page, double dotsPerMm)> paint;
    };
    static Job documentJob(const print::PrintDocument& doc);
    // Paints every page of `job` on `device`; false when the painter cannot start on it.
    static bool paintJob(const Job& job, QPagedPaintDevice& device);
    // Writes `job` as a PDF file; false (and no file left behind) when it cannot be written.
    static bool writeJobPdf(const Job& job, const QString& path);

  signals:
    // A preview window was opened (tests find it through this).
    void previewOpened(QWidget* preview);

  private:
    void run(const Job& job, QWidget* parent);
    void savePdf(const Job& job, QWidget* parent);

    Notifier* notifier_;
    std::unique_ptr<QPrinter> printer_;
    std::function<QString(QWidget*)> choosePdfPath_;
    std::function<bool(const QString&, int)> directPrint_;
};

}  // namespace suimei
