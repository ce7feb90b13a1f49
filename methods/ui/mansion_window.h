#pragma once
// The lunar-mansion window "宿曜盤": the relation diagram of the client's birth mansion, the
// meaning of the mansion star and the karma text in three tabs; below them the relation choice
// "関係" with its explanation, and the print of the meaning or the karma on one page.

#include <QWidget>

#include <optional>

#include "methods/mansion_reading.h"

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace suimei {

class AppraisalRunner;
class AppPaths;
class Notifier;
class WorkbenchHost;
struct Settings;

class MansionWindow : public QWidget {
    Q_OBJECT
  public:
    MansionWindow(WorkbenchHost& host, const AppraisalRunner& runner, const AppPaths& paths,
                  const Settings& settings, Notifier& notifier, QWidget* parent = nullptr);

    // Fills the window for the current chart and shows it. Before a run, or when a file of the
    // mansion is missing, tells why and leaves the window as it was, unshown; returns false then.
    bool showMansionWindow();
    // Fills the window again for the current chart (after a run) without showing it; on failure
    // tells why, hides the window and returns false.
    bool refresh();

    QTabWidget* tabs() const { return tabs_; }
    QString meaningText() const;
    QString karmaText() const;
    QString relationExplanation() const;
    // The mansion shown, 0 before the first fill.
    int mansionNumber() const { return reading_ ? reading_->number : 0; }

  private:
    bool fill();
    void printChosen();

    WorkbenchHost& host_;
    const AppraisalRunner& runner_;
    const AppPaths& paths_;
    const Settings& settings_;
    Notifier& notifier_;
    std::optional<MansionReading> reading_;
    QTabWidget* tabs_ = nullptr;
    QWidget* picture_ = nullptr;
    QPlainTextEdit* meaning_ = nullptr;
    QPlainTextEdit* karma_ = nullptr;
    QButtonGroup* relations_ = nullptr;
    QLabel* explanation_ = nullptr;
    QButtonGroup* printChoice_ = nullptr;
};

}  // namespace suimei
