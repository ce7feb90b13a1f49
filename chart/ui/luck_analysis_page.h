#pragma once
// Page 行運分析: the period grid dai_hyo, the year grid nen_hyo and the luck memo daiunmemo. A
// click on a grid column appends its heading and reading to the memo; 文章削除 clears it, 印刷
// (nenunprnbtn) asks for it to be printed.

#include <QWidget>

#include <string>
#include <vector>

#include "core/app_paths.h"
#include "core/notifier.h"

class QLabel;
class QPlainTextEdit;
class QTableWidget;

namespace suimei {

class Tmandata;

class LuckAnalysisPage : public QWidget {
    Q_OBJECT
  public:
    LuckAnalysisPage(const Tmandata& chart, const AppPaths& paths, Notifier& notifier,
                     QWidget* parent = nullptr);
    // Fills both grids from the chart, or empties them and says that no run has happened.
    void fill(bool hasRun);
    // A new run starts an empty memo.
    void clearMemo();
    // The memo as it reads now, line by line.
    std::vector<std::string> memoLines() const;

  signals:
    // A year column was clicked: the age 0..119 of that column.
    void yearClicked(int age);
    // 印刷 was pressed.
    void printRequested();

  private:
    void dai_hyoSelectCell(int column);
    void nen_hyoSelectCell(int column);

    const Tmandata& chart_;
    const AppPaths& paths_;
    Notifier& notifier_;
    QLabel* status_;
    QTableWidget* dai_hyo_;
    QTableWidget* nen_hyo_;
    QPlainTextEdit* daiunmemo_;
    bool filled_ = false;
};

}  // namespace suimei
