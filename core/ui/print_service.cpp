#include "core/ui/print_service.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QToolBar>

#include "core/notifier.h"

namespace suimei {

namespace {

QString qsText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void paintPage(const print::PrintPage& page, QPainter& painter, double dotsPerMm) {
    const auto rectOf = [dotsPerMm](const print::PrintItem& item) {
        return QRectF(item.x * dotsPerMm, item.y * dotsPerMm, item.width * dotsPerMm,
                      item.height * dotsPerMm);
    };
    for (const print::PrintItem& item : page.items) {
        painter.save();
        const QColor colour(QString::fromStdString(item.colour));
        QPen pen(colour.isValid() ? colour : QColor(Qt::black));
        pen.setWidthF(0.25 * dotsPerMm);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRectF rect = rectOf(item);
        switch (item.kind) {
            case print::ItemKind::Text: {
                QFont font(QString::fromUtf8(
                    item.face == print::FontFace::Mincho ? "ＭＳ 明朝" : "ＭＳ ゴシック"));
                font.setPointSizeF(item.pointSize);
                font.setBold(item.bold);
                painter.setFont(font);
                const Qt::Alignment horizontal =
                    item.align == print::Align::Centre  ? Qt::AlignHCenter
                    : item.align == print::Align::Right ? Qt::AlignRight
                                                        : Qt::AlignLeft;
                // Text never runs outside its box.
                painter.setClipRect(rect);
                painter.drawText(rect,
                                 static_cast<int>(horizontal | Qt::AlignTop | Qt::TextWordWrap),
                                 qsText(item.text));
                break;
            }
            case print::ItemKind::Line:
                painter.drawLine(rect.topLeft(), rect.bottomRight());
                break;
            case print::ItemKind::Box: {
                const QColor fill(QString::fromStdString(item.fill));
                if (!item.fill.empty() && fill.isValid()) painter.setBrush(fill);
                painter.drawRect(rect);
                break;
            }
            case print::ItemKind::Picture: {
                const QImage image(qsText(item.text));
                if (image.isNull()) break;
                const QSizeF fitted = QSizeF(image.size()).scaled(rect.size(), Qt::KeepAspectRatio);
                const QRectF target(rect.topLeft() + QPointF((rect.width() - fitted.width()) / 2,
                                                             (rect.height() - fitted.height()) / 2),
                                    fitted);
                painter.drawImage(target, image);
                break;
            }
        }
        painter.restore();
    }
}

bool paintDocument(const print::PrintDocument& doc, QPagedPaintDevice& device) {
    return PrintService::paintJob(PrintService::documentJob(doc), device);
}

bool writeDocumentPdf(const print::PrintDocument& doc, const QString& path) {
    return PrintService::writeJobPdf(PrintService::documentJob(doc), path);
}

PrintService::Job PrintService::documentJob(const print::PrintDocument& doc) {
    auto shared = std::make_shared<print::PrintDocument>(doc);
    Job job;
    job.title = qsText(doc.title);
    job.paperWidth = doc.paperWidth;
    job.paperHeight = doc.paperHeight;
    job.pages = static_cast<int>(doc.pages.size());
    job.paint = [shared](QPainter& painter, int page, double dotsPerMm) {
        paintPage(shared->pages[static_cast<std::size_t>(page)], painter, dotsPerMm);
    };
    return job;
}

bool PrintService::paintJob(const Job& job, QPagedPaintDevice& device) {
    device.setPageSize(QPageSize(QSizeF(job.paperWidth, job.paperHeight), QPageSize::Millimeter,
                                 QString(), QPageSize::FuzzyOrientationMatch));
    device.setPageOrientation(job.paperWidth > job.paperHeight ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    for (int i = 0; i < job.pages; ++i) {
        if (i > 0 && !device.newPage()) return false;
        painter.save();
        job.paint(painter, i, dotsPerMm);
        painter.restore();
    }
    return painter.end();
}

bool PrintService::writeJobPdf(const Job& job, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(job.title);
        writer.setCreator(QStringLiteral("推命ワークベンチ 8.0"));
        painted = paintJob(job, writer);
    }
    if (!painted) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

PrintService::PrintService(Notifier& notifier, QObject* parent)
    : QObject(parent), notifier_(&notifier) {}

PrintService::~PrintService() = default;

PrintService& PrintService::instance(Notifier& notifier) {
    static PrintService* service = new PrintService(notifier, qApp);
    service->notifier_ = &notifier;
    return *service;
}

QPrinter& PrintService::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setFullPage(true);
    }
    return *printer_;
}

void PrintService::setupPrinter(QWidget* parent) {
    // The printer dialog chooses the printer and its paper; the page setup dialog alone refuses
    // a printer without a platform driver (as on a machine with no printer installed) and would
    // show nothing.
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(QStringLiteral("プリンタ設定"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        for (QAbstractButton* b : buttons->buttons()) {
            if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole)
                b->setText(QStringLiteral("OK"));
        }
    }
    dialog.exec();
}

void PrintService::print(const print::PrintDocument& doc, QWidget* parent) {
    if (doc.pages.empty()) return;
    run(documentJob(doc), parent);
}

void PrintService::printWidget(QWidget& widget, const QString& title, bool portrait) {
    const QImage image = widget.grab().toImage();
    if (image.isNull()) return;
    Job job;
    job.title = title;
    if (!portrait && image.width() > image.height()) std::swap(job.paperWidth, job.paperHeight);
    job.pages = 1;
    job.paint = [image, title, job](QPainter& painter, int, double dotsPerMm) {
        const double margin = 15 * dotsPerMm;
        QFont font(QString::fromUtf8("ＭＳ ゴシック"));
        font.setPointSizeF(12);
        painter.setFont(font);
        const QRectF heading(margin, margin, job.paperWidth * dotsPerMm - 2 * margin,
                             10 * dotsPerMm);
        painter.drawText(heading, static_cast<int>(Qt::AlignLeft | Qt::AlignTop), title);
        const QRectF area(margin, margin + 12 * dotsPerMm, heading.width(),
                          job.paperHeight * dotsPerMm - 2 * margin - 12 * dotsPerMm);
        const QSizeF fitted = QSizeF(image.size()).scaled(area.size(), Qt::KeepAspectRatio);
        painter.drawImage(
            QRectF(area.topLeft() + QPointF((area.width() - fitted.width()) / 2, 0), fitted),
            image);
    };
    run(job, widget.window());
}

void PrintService::run(const Job& job, QWidget* parent) {
    if (!notifier_->ask(kPreviewQuestionText)) {
        const bool printed = directPrint_ ? directPrint_(job.title, job.pages) : [&] {
            printer().setDocName(job.title);
            return paintJob(job, printer());
        }();
        if (!printed) {
            notifier_->error("印刷できませんでした。プリンタ設定を確かめて下さい。", "印刷");
        }
        return;
    }
    auto* preview = new QPrintPreviewDialog(&printer(), parent);
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QStringLiteral("印刷プレビュー - ") + job.title);
    connect(preview, &QPrintPreviewDialog::paintRequested, preview,
            [job](QPrinter* printer) { paintJob(job, *printer); });
    auto* pdf = new QAction(QStringLiteral("PDF に保存"), preview);
    pdf->setObjectName(QStringLiteral("savePdfAction"));
    connect(pdf, &QAction::triggered, preview, [this, job, preview] { savePdf(job, preview); });
    if (auto* bar = preview->findChild<QToolBar*>()) {
        bar->addSeparator();
        bar->addAction(pdf);
    } else {
        preview->addAction(pdf);
    }
    preview->resize(900, 1000);
    preview->open();
    emit previewOpened(preview);
}

void PrintService::savePdf(const Job& job, QWidget* parent) {
    QString path;
    if (choosePdfPath_) {
        path = choosePdfPath_(parent);
    } else {
        path = QFileDialog::getSaveFileName(parent, QStringLiteral("PDF に保存"),
                                            job.title + QStringLiteral(".pdf"),
                                            QStringLiteral("PDF (*.pdf)"));
    }
    if (path.isEmpty()) return;
    if (!writeJobPdf(job, path)) {
        notifier_->error("PDF を書き込めませんでした。\n" + path.toStdString(), "PDF に保存");
    }
}

}  // namespace suimei
