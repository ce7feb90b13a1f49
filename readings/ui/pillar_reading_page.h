#pragma once
// A pillar page of the main window (年柱分析, 月柱分析, 日柱分析): two read-only memos filled
// with the page texts of the engine (pillarPageTexts) after a run.

#include <QWidget>

#include "readings/pillar_readings.h"

class QPlainTextEdit;

namespace suimei {

class PillarReadingPage : public QWidget {
    Q_OBJECT
  public:
    enum Kind { Year, Month, Day };

    // Memo names: yymemo1/yymemo2, mmmemo1/mmmemo2, ddcyoukou/ddmemo1.
    explicit PillarReadingPage(Kind kind, QWidget* parent = nullptr);

    // Replaces both memos with the page's texts.
    void showTexts(const PillarPage& page);
    QPlainTextEdit* memo1() const { return memo1_; }
    QPlainTextEdit* memo2() const { return memo2_; }

  private:
    QPlainTextEdit* memo1_ = nullptr;
    QPlainTextEdit* memo2_ = nullptr;
};

}  // namespace suimei
