#pragma once
// The window "九星気学による未来予知": the boards of a chosen year and month with the 暗剣殺
// marks, the break directions in yellow and the squares where the client's natal star stands
// (同会, on the month board also 年月同会 with its hint), and the memo of the meeting method.
// 診断実行 reads the year and month boxes; 印刷 prints "九星気学鑑定書"; クリア empties the
// memo.

#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

#include "methods/nine_star_reading.h"
#include "print/nine_star_document.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace suimei {

class NineStarBoardView;
class Notifier;
class PassageTable;

class NineStarFutureWindow : public QWidget {
    Q_OBJECT
  public:
    NineStarFutureWindow(PassageTable& passages, Notifier& notifier, QWidget* parent = nullptr);

    // The client's natal star 1..9, whose meeting squares the reading looks for.
    void setNatalStar(int natalStar) { natalStar_ = natalStar; }
    // Where the printed document takes the client, the natal boards and memo and the footer
    // from; the window adds its own reading.
    void setDocumentSource(std::function<print::NineStarDocumentContent()> source) {
        documentSource_ = std::move(source);
    }

    // Puts year and month into the boxes and reads them at once.
    void readMonth(int year, int month);
    // Reads the last month read again (after a new appraisal run); nothing before the first.
    void readAgain();

    const std::optional<NineStarFuture>& reading() const { return reading_; }
    NineStarBoardView* yearBoard() const { return yearBoard_; }
    NineStarBoardView* monthBoard() const { return monthBoard_; }
    QLineEdit* yearBox() const { return yearBox_; }
    QLineEdit* monthBox() const { return monthBox_; }
    QPlainTextEdit* memo() const { return memo_; }
    QStringList memoLines() const;
    // The document 印刷 prints.
    print::PrintDocument document() const;

    // What the buttons do. 診断実行 with a box that is not a year or a month shows the message
    // and leaves the boards and the memo as they were.
    void runClick();
    void clearClick();
    void printClick();

  private:
    void show(const NineStarFuture& future);

    PassageTable& passages_;
    Notifier& notifier_;
    int natalStar_ = 0;
    std::function<print::NineStarDocumentContent()> documentSource_;
    std::optional<NineStarFuture> reading_;
    QLineEdit* yearBox_ = nullptr;
    QLineEdit* monthBox_ = nullptr;
    QLabel* yearHeading_ = nullptr;
    QLabel* monthHeading_ = nullptr;
    QLabel* meetingLine_ = nullptr;
    NineStarBoardView* yearBoard_ = nullptr;
    NineStarBoardView* monthBoard_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};

}  // namespace suimei
