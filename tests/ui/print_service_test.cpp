// The print layer: the preview question, the preview's "PDF に保存", direct printing, and the PDF
// read back with the poppler tools.

#include "core/ui/print_service.h"

#include <QAction>
#include <QPrintPreviewDialog>

#include <gtest/gtest.h>

#include "core/notifier.h"
#include "pdf_reading.h"
#include "print/memo_document.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

using testing::pdfPages;
const auto run = testing::toolOutput;

print::PrintDocument memo(int lines) {
    print::MemoDocumentContent content;
    content.title = "四柱推命の仕事運に関する総合鑑定";
    content.clientName = "山田 太郎";
    for (int i = 1; i <= lines; ++i)
        content.memoLines.push_back("鑑定文の" + std::to_string(i) + "行目");
    return print::composeMemoDocument(content);
}

TEST(PrintService, PdfHoldsEveryPageWithItsJapaneseText) {
    testing::TempDir dir;
    const QString path = QString::fromStdString((dir.path() / "memo.pdf").string());
    ASSERT_TRUE(writeDocumentPdf(memo(46), path));
    EXPECT_EQ(pdfPages(path), 2);
    const QString second = run("pdftotext", {"-f", "2", "-l", "2", path, "-"});
    EXPECT_TRUE(second.contains(QString::fromUtf8("鑑定文の46行目"))) << second.toStdString();
    EXPECT_TRUE(second.contains(QString::fromUtf8("四柱推命の仕事運に関する総合鑑定")));
    EXPECT_FALSE(second.contains(QString::fromUtf8("鑑定文の45行目")));
}

TEST(PrintService, AFileThatCannotBeWrittenIsRefusedAndLeavesNothing) {
    testing::TempDir dir;
    const auto path = dir.path() / "no-such-folder" / "memo.pdf";
    EXPECT_FALSE(writeDocumentPdf(memo(3), QString::fromStdString(path.string())));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(PrintService, NoPrintsAtOnceWithoutAPreview) {
    RecordingNotifier notifier;
    notifier.answer = false;
    PrintService service(notifier);
    int printed = 0;
    int previews = 0;
    service.setDirectPrinter([&](const QString&, int pages) {
        printed += pages;
        return true;
    });
    QObject::connect(&service, &PrintService::previewOpened, [&] { ++previews; });
    service.print(memo(50), nullptr);
    EXPECT_EQ(printed, 2);
    EXPECT_EQ(previews, 0);
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].text, kPreviewQuestionText);

    // A printer that fails is reported, not taken for done.
    service.setDirectPrinter([](const QString&, int) { return false; });
    service.print(memo(1), nullptr);
    EXPECT_EQ(notifier.notices.back().kind, NoticeKind::Error);
}

TEST(PrintService, YesOpensThePreviewWhosePdfActionWritesTheDocument) {
    testing::TempDir dir;
    const QString path = QString::fromStdString((dir.path() / "preview.pdf").string());
    RecordingNotifier notifier;
    PrintService service(notifier);
    service.setPdfPathChooser([&](QWidget*) { return path; });
    service.setDirectPrinter([](const QString&, int) {
        ADD_FAILURE() << "printed without the preview";
        return true;
    });
    QWidget* preview = nullptr;
    QObject::connect(&service, &PrintService::previewOpened, [&](QWidget* w) { preview = w; });
    service.print(memo(3), nullptr);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    auto* pdf = preview->findChild<QAction*>("savePdfAction");
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(pdf->text(), QString::fromUtf8("PDF に保存"));
    pdf->trigger();
    EXPECT_EQ(pdfPages(path), 1);
    preview->close();
}

// A window's drawing goes through the same question and preview; its PDF holds the heading and
// lies in landscape when the drawing is wider than high.
TEST(PrintService, AWindowsDrawingPrintsOnOneLandscapePage) {
    testing::TempDir dir;
    const QString path = QString::fromStdString((dir.path() / "drawing.pdf").string());
    RecordingNotifier notifier;
    PrintService service(notifier);
    service.setPdfPathChooser([&](QWidget*) { return path; });
    QWidget* preview = nullptr;
    QObject::connect(&service, &PrintService::previewOpened, [&](QWidget* w) { preview = w; });
    QWidget drawing;
    drawing.resize(600, 300);
    service.printWidget(drawing, QString::fromUtf8("五行強弱の鑑定"));
    ASSERT_NE(preview, nullptr);
    preview->findChild<QAction*>("savePdfAction")->trigger();
    EXPECT_EQ(pdfPages(path), 1);
    EXPECT_TRUE(run("pdftotext", {path, "-"}).contains(QString::fromUtf8("五行強弱の鑑定")));
    EXPECT_TRUE(run("pdfinfo", {path}).contains("landscape") ||
                run("pdfinfo", {path}).contains("842 x 595"));
    preview->close();

    // Asked for an upright page (the hard copy of the main window), the same drawing is not
    // turned.
    preview = nullptr;
    QFile::remove(path);
    service.printWidget(drawing, QString::fromUtf8("ハードコピー"), true);
    ASSERT_NE(preview, nullptr);
    preview->findChild<QAction*>("savePdfAction")->trigger();
    EXPECT_TRUE(run("pdfinfo", {path}).contains("595 x 842"))
        << run("pdfinfo", {path}).toStdString();
    preview->close();
}

}  // namespace
}  // namespace suimei
