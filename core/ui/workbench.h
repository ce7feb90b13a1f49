#pragma once
// Where the subsystems meet the main window. Each subsystem's ui has one install function that
// takes a Workbench and attaches its pages and windows: openers under the names of the buttons (or
// chart clicks) that show them, pages in place of the notebook's placeholders, reactions to a page
// being shown or a run completing. No subsystem reaches into another's windows; they meet here.

#include <QObject>
#include <QString>

#include <functional>

class QMainWindow;
class QWidget;

namespace suimei {

class AppPaths;
class AppraisalRunner;
class Notifier;
struct Settings;
class SettingsStore;

// What the main window lends to the subsystems.
class WorkbenchHost {
  public:
    virtual ~WorkbenchHost() = default;
    // The main window: parent of every side window and owner of the menu bar.
    virtual QMainWindow* hostWindow() = 0;
    // Puts `page` in place of notebook page `index` (0..9); its caption stays.
    virtual void replacePage(int index, QWidget* page) = 0;
    // Presses 鑑定 (runs the appraisal of the client on the form).
    virtual void runAppraisal() = 0;
    // True once an appraisal has completed.
    virtual bool hasAppraisal() const = 0;
    // The birth-date field of the form.
    virtual QString birthDateText() const = 0;
    // Writes the birth date into the form and posts the client record.
    virtual void enterBirthDate(const QString& text) = 0;
    // The current client's name and remarks (備考) as the data-entry form shows them.
    virtual QString clientName() const { return {}; }
    virtual QString clientMemo() const { return {}; }
    // Writes the remarks into the form and posts the client record, so nothing typed is lost.
    virtual void setClientMemo(const QString& /*text*/) {}
};

// Openers and page events that any number of subsystems add to.
class WindowRegistry : public QObject {
    Q_OBJECT
  public:
    explicit WindowRegistry(QObject* parent = nullptr) : QObject(parent) {}

    // Sets the opener of `name` (a button's object name or a window's own name); an empty function
    // removes it. A later opener of the same name replaces the earlier one.
    void setOpener(const QString& name, std::function<void()> open);
    bool hasOpener(const QString& name) const;
    // Opens the window of `name`; false when nothing is registered under it.
    bool open(const QString& name) const;

  signals:
    // The notebook switched to page `index`.
    void pageShown(int index);
    // An appraisal run completed and the chart page shows it.
    void appraisalCompleted();
    // A run-time setting changed (the settings window changes them at once).
    void settingsChanged();
    // The reader replaced the favourable and unfavourable elements of the current chart; whatever
    // shows them or marks by them (the chart page's boxes and pillar marks, luck marks) shows the
    // runner's chart and display again.
    void favourableElementsChanged();

  private:
    std::vector<std::pair<QString, std::function<void()>>> openers_;
};

// Everything an install function is given. The references outlive the main window.
struct Workbench {
    WorkbenchHost& host;
    WindowRegistry& registry;
    Settings& settings;
    const SettingsStore& store;
    Notifier& notifier;
    const AppPaths& paths;
    // The engine's appraisal run whose chart the readings and diagrams show; the override of the
    // favourable elements is its only change from outside a run.
    AppraisalRunner& runner;
};

// Shows a side window as its own top-level window over `over`: own background, centred over it on
// first show, raised and focused; Esc closes it.
void presentSideWindow(QWidget* window, QWidget* over);

}  // namespace suimei
