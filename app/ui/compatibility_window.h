#pragma once
// 相性診断 (Taisyofrm): the client's year, month and day pillars beside a partner's typed into
// this window, the relation lines between the two day stems, day branches and month branches,
// the void checks, the partner's gauges and mansion, and the two passages of the memo. Every
// value comes from app/compatibility.h; the window shows them.

#include <QDialog>

#include <array>
#include <string>
#include <vector>

#include "app/appraisal.h"
#include "app/compatibility.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace suimei {

class Notifier;
class PassageTable;
class RelationCanvas;
class Tmandata;

class Taisyofrm : public QDialog {
    Q_OBJECT
  public:
    // `passages` may be null (the memo then holds only its headings). `settings` gives the
    // schools and calendar choices of the partner's run.
    Taisyofrm(CompatibilityEngine& engine, const Tmandata& client, AppraisalInput settings,
              PassageTable* passages, Notifier& notifier, QWidget* parent = nullptr);

    // 鑑定実行: validates the partner's date first (a bad one changes nothing), runs the
    // partner's chart and shows the comparison.
    void Button1Click();
    // 印刷: the one-page compatibility sheet through the print service.
    void printbtnClick();

    // The lines as drawn, day stem first; all code 0 before a run.
    const std::array<CompatibilityLine, 3>& lines() const { return lines_; }
    // The memo as shown, one item a line.
    std::vector<std::string> memoLines() const;
    // The settings whose practitioner signs the printed footer (the maker's notice without).
    void setFooterSettings(const Settings* settings) { footerSettings_ = settings; }

  signals:
    // 五行エネルギー: the element-energy window of the current pair is wanted.
    void energyRequested();

  private:
    struct PillarButtons {
        std::array<QPushButton*, 3> stems{};     // year, month, day
        std::array<QPushButton*, 3> branches{};  // year, month, day
    };
    void showPillars(PillarButtons& buttons, const Tmandata& chart);

    CompatibilityEngine& engine_;
    const Tmandata& client_;
    AppraisalInput settings_;
    const Settings* footerSettings_ = nullptr;
    PassageTable* passages_;
    Notifier& notifier_;
    std::array<CompatibilityLine, 3> lines_{};
    bool partnerShown_ = false;  // a run of this window completed

    QLabel* clientName_ = nullptr;
    QLabel* clientVoid_ = nullptr;
    QLineEdit* partnerName_ = nullptr;
    QCheckBox* female_ = nullptr;
    QLineEdit* partnerDate_ = nullptr;
    QComboBox* era_ = nullptr;
    QComboBox* timeb_ = nullptr;
    QLabel* partnerVoid_ = nullptr;
    QLabel* strengthClass_ = nullptr;
    QLabel* season_ = nullptr;
    QLabel* mansion_ = nullptr;
    std::array<QProgressBar*, 4> gauges_{};  // 月令, 五行強弱, 十二運星, 総合
    QCheckBox* sameVoid_ = nullptr;
    QCheckBox* mutualVoid_ = nullptr;
    PillarButtons clientPillars_;
    PillarButtons partnerPillars_;
    RelationCanvas* canvas_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};

}  // namespace suimei
