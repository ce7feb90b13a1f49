#pragma once
// The window "九星気学の年月盤": the natal year board (centre: the natal star) and month board
// (centre: the month star, the inclination square light yellow) with the year and month pillars,
// and a memo of the three natal passages. 本命星診断, 月命星診断 and 傾斜法診断 append their
// passage again, クリア empties the memo, 九星 asks for the star-meaning window and 未来予知 for
// the future window.

#include <QStringList>
#include <QWidget>

#include "methods/nine_star_reading.h"

class QLabel;
class QPlainTextEdit;

namespace suimei {

class NineStarBoardView;
class PassageTable;

class NineStarNatalWindow : public QWidget {
    Q_OBJECT
  public:
    explicit NineStarNatalWindow(PassageTable& passages, QWidget* parent = nullptr);

    // Shows the boards of `chart` and writes its three passages into the emptied memo.
    void showChart(const Tmandata& chart);

    const NatalNineStar& natal() const { return natal_; }
    NineStarBoardView* yearBoard() const { return yearBoard_; }
    NineStarBoardView* monthBoard() const { return monthBoard_; }
    QPlainTextEdit* memo() const { return memo_; }
    // The memo as lines, as it is printed.
    QStringList memoLines() const;

    // What the buttons do.
    void natalStarClick();
    void monthStarClick();
    void inclinationClick();
    void clearClick();

  signals:
    void meaningsRequested();
    void futureRequested();

  private:
    void appendPassage(const char* key1);

    PassageTable& passages_;
    NatalNineStar natal_;
    NineStarBoardView* yearBoard_ = nullptr;
    NineStarBoardView* monthBoard_ = nullptr;
    QLabel* yearPillar_ = nullptr;
    QLabel* monthPillar_ = nullptr;
    QLabel* summary_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};

}  // namespace suimei
