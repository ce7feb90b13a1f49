#pragma once
// Ttokufrm, "特殊星の鑑定": the 特殊星 that each pillar of the current chart carries, one
// grid row per star (pillar, star and meaning), hour pillar first. The stars are found afresh
// each time the window is shown.

#include <QWidget>

#include <functional>

class QTableWidget;

namespace suimei {

class Notifier;
class Tmandata;

inline constexpr char kTokushuStarsCaption[] = "特殊星の鑑定";
// When the appraisal-document print window is not part of this program.
inline constexpr char kNoDocumentPrintText[] = "鑑定書印刷の画面が用意されていません。";

class Ttokufrm : public QWidget {
    Q_OBJECT
  public:
    // `openDocumentPrint` opens the appraisal-document print window; false when there is none.
    Ttokufrm(const Tmandata& chart, std::function<bool()> openDocumentPrint, Notifier& notifier,
             QWidget* parent = nullptr);

    QTableWidget* grid() const { return grid_; }

    // Finds the stars of the chart and fills the grid.
    void showStars();
    // 鑑定書印刷.
    void printClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    const Tmandata& chart_;
    std::function<bool()> openDocumentPrint_;
    Notifier& notifier_;
    QTableWidget* grid_ = nullptr;
};

}  // namespace suimei
