#pragma once
// Tprntfrm "鑑定書印刷": prints the appraisal documents of the current chart — a hard copy of the
// main window, the chart document, the practical document of a chosen luck column, the
// general-audience report, the cover, the basic-knowledge text — and asks for the two calendars
// of a chosen year and month. The practitioner's name and telephone entered here stand in the
// footers of every printed document and on the cover.

#include <QDate>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

#include "chart/luck.h"
#include "core/print_document.h"
#include "core/ui/workbench.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace suimei {

class PassageTable;
class Tkisofrm;

inline constexpr char kPrintWindowCaption[] = "鑑定書印刷";
inline constexpr char kNoAgeChosenText[] = "年齢が指定されていません。";
inline constexpr char kNoAgeChosenCaption[] = "指定なし";
inline constexpr char kPrintNeedsRunText[] = "鑑定実行していません。先に鑑定を行って下さい。";
inline constexpr char kHardCopyTitle[] = "ハードコピー";
inline constexpr int kAgeLabelPitch = 80;  // pixels between the age labels

class Tprntfrm : public QWidget {
    Q_OBJECT
  public:
    Tprntfrm(const Workbench& bench, QWidget* parent = nullptr);
    ~Tprntfrm() override;

    // The calendar years: this year and the five following (a window left open over the new
    // year moves on with it).
    void refreshYears();
    // The age labels from the current chart's luck columns (none before a run); no column is
    // chosen afterwards.
    void refreshAges();
    // Chooses luck column 1..7 as a click on its age label does; 0 or a column without a label
    // chooses none.
    void selectAge(int column);
    int selectedLuckColumn() const { return selected_; }
    // The practitioner's fields from the settings (as the window shows them when it opens).
    void loadPractitioner();

    // The chosen calendar year and month (1..12, 0 for "１年分") and cover 0..4.
    int chosenYear() const;
    int chosenMonth() const;
    int chosenCover() const;

    // The documents as they would print now.
    print::PrintDocument chartDocument() const;
    print::PrintDocument practicalDocument() const;  // needs a chosen luck column
    print::PrintDocument coverDocument() const;
    // Empty (no page) when the passage table cannot be opened; the notifier has said why.
    print::PrintDocument generalReport();

    void okbtnClick();
    void hyosibtnClick();
    void kisoprnClick();
    void sougouprintClick();
    void cakenderbtnClick();
    void syukubtnClick();
    void prnbtnClick();

  signals:
    // The calendars of the chosen year and month (0: the whole year); whoever prints them listens.
    void fortuneCalendarRequested(int year, int month);
    void mansionCalendarRequested(int year, int month);

  private:
    bool needsRun() const;
    // Takes the practitioner's fields into the settings (and the settings file) when they changed.
    void storePractitioner();

    Workbench bench_;
    QComboBox* years_;
    QButtonGroup* months_;
    QButtonGroup* covers_;
    QCheckBox* hardCopy_;
    QCheckBox* chartDoc_;
    QCheckBox* practicalDoc_;
    std::array<QLabel*, kPracticalColumns> ageLabels_{};
    QLineEdit* officeName_;
    QLineEdit* officeTel_;
    std::vector<PracticalLuckColumn> columns_;
    int selected_ = 0;
    std::unique_ptr<PassageTable> passages_;
    Tkisofrm* kiso_ = nullptr;
};

}  // namespace suimei
