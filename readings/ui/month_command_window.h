#pragma once
// The month-command window "日干と月支の関係（重要）": how the day master receives the energy of
// the month branch. It shows the season with the month branch, the day master with its element, and
// the reading of the season and day stem from cyoukou.txt, read afresh each time it is shown.

#include <QWidget>

#include "core/app_paths.h"
#include "core/notifier.h"

class QLabel;
class QPlainTextEdit;

namespace suimei {

class Tmandata;

class MonthCommandWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MonthCommandWindow(QWidget* parent = nullptr);

    // Clears the memo and fills the window from the chart (the main window opens it only after a
    // run); the memo stays empty unless the month branch and the day stem are both set.
    void showChart(const Tmandata& chart, const AppPaths& paths, Notifier& notifier);

    QLabel* seasonLabel() const { return season_; }
    QLabel* dayMasterLabel() const { return dayMaster_; }
    QPlainTextEdit* memo() const { return memo_; }

  private:
    QLabel* season_ = nullptr;
    QLabel* dayMaster_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};

}  // namespace suimei
