#pragma once
// The main window Tmenufrm: the client entry page, the chart page and the other pages in a tabbed
// notebook, and the bottom button bar that runs the appraisal and opens the other windows. The
// window holds no chart rule: the appraisal run produces an AppraisalDisplay and the window shows
// it.

#include <QDate>
#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <QUrl>
#include <functional>

#include "app/appraisal.h"
#include "app/settings.h"
#include "core/notifier.h"
#include "core/ui/workbench.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace suimei {

class ChartPage;
class DataEntryPage;
class HelpWindow;
class SoundPlayer;

// The engine side of the main window: the appraisal run and what it leaves behind. The program
// binds it to AppraisalRunner; tests give their own.
class AppraisalBackend {
  public:
    virtual ~AppraisalBackend() = default;
    virtual AppraisalStatus run(const AppraisalInput& input, Notifier& notifier) = 0;
    // True once a run has completed.
    virtual bool hasRun() const = 0;
    // The chart page's facts of the last completed run.
    virtual const AppraisalDisplay& display() const = 0;
    // The chart as handed to the companion programs; day stem 0 (nothing to hand over) unless
    // the binding supplies it.
    virtual ChartHandOff chartHandOff() const { return {}; }
};

// Messages of the main window.
inline constexpr char kNotRunYetText[] = "鑑定実行していません。先に鑑定を行って下さい。";
inline constexpr char kChartPageBeforeRunText[] = "鑑定ボタンをまず押下して鑑定を行って下さい。";
inline constexpr char kSettingsBeforeRunText[] =
    "起動後、一度も鑑定ボタン押していません。設定の前に鑑定を行って下さい。";
inline constexpr char kWindowNotReadyText[] = "この画面はまだ用意されていません。";
inline constexpr char kKampoMissingText[] =
    "漢方医学ソフトは、まだセットアップが完了していません。DVDROMからセットアップを実行してください"
    "。";
inline constexpr char kKeimyakuMissingText[] =
    "経脈医学ソフトは、まだセットアップが完了していません。DVDROMからセットアップを実行してください"
    "。";
inline constexpr char kStemMeaningSuffix[] = " を表します";

// File names of the companion programs in the application folder.
inline constexpr char kKampoProgram[] = "kanpou-igaku";
inline constexpr char kKeimyakuProgram[] = "keimyaku-igaku";

class Tmenufrm : public QMainWindow, public WorkbenchHost {
    Q_OBJECT
  public:
    // The page captions, in notebook order.
    static const QStringList& pageCaptions();

    // settings: the run-time values (the settings window changes them at once); store: the INI
    // file.
    Tmenufrm(AppraisalBackend& backend, Settings& settings, const SettingsStore& store,
             Notifier& notifier, QWidget* parent = nullptr);
    ~Tmenufrm() override;

    // Application folder: glyph pictures, help page, companion programs.
    void setAppDir(const QString& dir);
    void setSoundPlayer(SoundPlayer* player) { sound_ = player; }
    // "Today" for the runs; the system date when not set.
    void setToday(const QDate& today) { today_ = today; }
    // Opens the help page's address; the program's own help window when not set.
    void setUrlOpener(std::function<bool(const QUrl&)> open) { openUrl_ = std::move(open); }
    // Starts an outside program by path; a detached process when not set.
    void setProgramStarter(std::function<bool(const QString&)> start) {
        startProgram_ = std::move(start);
    }
    // The openers and page events the subsystems attach to. A button (or chart click) opens what
    // is registered under its object name: "calenbtn", "jisabtn", "envsetbtn", "hounb", "tuki2",
    // "nencap", ... Buttons without an opener say that their window is not available yet.
    WindowRegistry& registry() { return *registry_; }
    // The same as registry().setOpener.
    void setSideWindowOpener(const QString& name, std::function<void()> open);

    // WorkbenchHost: what the subsystems use of the main window.
    QMainWindow* hostWindow() override { return this; }
    void replacePage(int index, QWidget* page) override;
    void runAppraisal() override { okbtnClick(); }
    bool hasAppraisal() const override;
    QString birthDateText() const override;
    void enterBirthDate(const QString& text) override;
    QString clientName() const override;
    QString clientMemo() const override;
    void setClientMemo(const QString& text) override;

    // The appraisal button: runs the appraisal and shows the chart page.
    void okbtnClick();
    // Shows the facts of a run on the chart page (the run calls it; also for a given display).
    void showAppraisal(const AppraisalDisplay& display);
    // Writes the `user` hand-off for the companion programs; false when nothing was written.
    bool writeCompanionHandOff();
    // Switches to the page of that caption; false when there is none.
    bool showPage(const QString& caption);

    // The birth-date field (the calendar window writes into it).
    void setBirthDateText(const QString& text);
    // Help context of the current page (37, 50, 51, 52, 39; 0 for none).
    int helpContext() const;

    QTabWidget* notebook() const { return notebook_; }
    ChartPage* chartPage() const { return chartPage_; }
    // The データ入力 page with the client table.
    DataEntryPage* entryPage() const { return entryPage_; }
    // The input of one run for a client, with the run-time settings of the window.
    AppraisalInput clientInput(const std::string& name, const std::string& dateText,
                               const std::string& timeSlotText, const std::string& sexText) const;

  protected:
    // 終了(&C) and closing the window post the current client record first.
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildEntryPage();
    QWidget* buildButtonBar();
    QWidget* buildEmptyPage(const QString& caption);
    void connectWindowButtons();
    void windowButtonClick(const QString& name, bool needsRun);
    void openSideWindow(const QString& name);
    void companionClick(bool kampo);
    void helpClick();
    void stemClick(int column);
    void TabbedNotebook1Change(int page);
    AppraisalInput collectInput() const;

    AppraisalBackend& backend_;
    Settings& settings_;
    const SettingsStore& store_;
    WindowRegistry* registry_ = nullptr;
    HelpWindow* help_ = nullptr;
    Notifier& notifier_;
    SoundPlayer* sound_ = nullptr;
    QString appDir_;
    QDate today_;
    std::function<bool(const QUrl&)> openUrl_;
    std::function<bool(const QString&)> startProgram_;

    QTabWidget* notebook_ = nullptr;
    ChartPage* chartPage_ = nullptr;
    DataEntryPage* entryPage_ = nullptr;
    QLineEdit* simei_ = nullptr;
    QLineEdit* birthday_ = nullptr;
    QComboBox* timeb_ = nullptr;
    QComboBox* sex_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};

}  // namespace suimei
