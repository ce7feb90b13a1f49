#pragma once
// Ttengenfrm, "２６５日前の受胎日の鑑定（天源占星術）": the pillars of the day 265 days before
// birth and, on request, the passage of each from tengen.db appended to the memo, which can be
// printed.

#include <QWidget>

#include <array>
#include <memory>
#include <string>

#include "core/app_paths.h"
#include "core/table_store.h"
#include "methods/conception_day.h"

class QBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace suimei {

class Notifier;
class Tmandata;
class WorkbenchHost;
struct Settings;

inline constexpr char kConceptionCaption[] = "２６５日前の受胎日の鑑定（天源占星術）";

class Ttengenfrm : public QWidget {
    Q_OBJECT
  public:
    // `chart`: the appraised chart (it outlives the window); the host gives the client's name and
    // the settings the practitioner of the printed footer.
    Ttengenfrm(const Tmandata& chart, WorkbenchHost& host, const Settings& settings,
               const AppPaths& paths, Notifier& notifier, QWidget* parent = nullptr);
    ~Ttengenfrm() override;

    // Shows the date and pillars of the chart's conception day and clears the memo.
    void loadChart();

    QPlainTextEdit* memo() const { return memo_; }
    // The memo as lines, as it is printed.
    QStringList memoLines() const;
    QLabel* label(const char* objectName) const;

  private:
    void appendBlock(ConceptionPillar pillar);
    void printClick();
    void printerSetupClick();
    QPushButton* addButton(QBoxLayout* column, const char* name, const char* caption);

    const Tmandata& chart_;
    WorkbenchHost& host_;
    const Settings& settings_;
    AppPaths paths_;
    Notifier& notifier_;
    std::unique_ptr<Table> table_;  // opened at the first text button
    std::array<QLabel*, 6> pillarLabels_{};
    QLabel* dateLabel_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};

}  // namespace suimei
