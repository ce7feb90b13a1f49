#pragma once
// Tmemofrm, the AI memo: the current client's remarks (備考) edited in place. Each topic button
// appends its heading and passage for the appraised chart and posts the client record at once, so
// nothing is lost when the program ends; the reader may change the text freely. Two modes choose
// the texts of the year and month social readings.

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "core/app_paths.h"
#include "core/notifier.h"
#include "core/print_document.h"
#include "core/table_store.h"
#include "readings/memo_appraisal.h"

class QPlainTextEdit;
class QRadioButton;

namespace suimei {

class Tigakufrm;
class Tmandata;
class WorkbenchHost;
struct Settings;

class Tmemofrm : public QWidget {
    Q_OBJECT
  public:
    // `chart`: the appraised chart the buttons read (it outlives the window).
    Tmemofrm(WorkbenchHost& host, const Tmandata& chart, PassageTable& passages,
             const AppPaths& paths, Notifier& notifier, QWidget* parent = nullptr);
    ~Tmemofrm() override;

    // Shows the current client's remarks (when the window is opened or comes to the front).
    void showClientMemo();
    // Writes the editor's text into the client's remarks and posts, when it differs.
    void storeMemo();

    ReadingMode mode() const;
    // Presses the button of that object name (kMemoButtons); false when there is none.
    bool press(const QString& name);
    // The printed memo: the client's name, the title and the memo's lines.
    print::PrintDocument memoDocument() const;
    // Adds lines at the end of the memo and posts the client record.
    void appendLines(const std::vector<std::string>& lines);
    // The settings whose practitioner signs the printed footer (the maker's notice without).
    void setFooterSettings(const Settings* settings) { footerSettings_ = settings; }

    QPlainTextEdit* editor() const { return editor_; }
    QRadioButton* professionalButton() const { return professional_; }
    QRadioButton* generalButton() const { return general_; }
    Tigakufrm* medicineWindow() const { return medicine_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void buttonClick(const MemoButtonEntry& button);
    void printMemo();
    void openMedicine();
    void appendSixtyPillar();

    WorkbenchHost& host_;
    const Tmandata& chart_;
    PassageTable& passages_;
    const AppPaths& paths_;
    Notifier& notifier_;
    std::unique_ptr<Table> sixty_;
    QPlainTextEdit* editor_ = nullptr;
    QRadioButton* professional_ = nullptr;
    QRadioButton* general_ = nullptr;
    Tigakufrm* medicine_ = nullptr;
    const Settings* footerSettings_ = nullptr;
};

}  // namespace suimei
