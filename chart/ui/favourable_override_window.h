#pragma once
// 喜ぶ五行と忌む五行を変更できます: the reader marks each element 喜ぶ神 or 忌む神 and replaces the
// chart's favourable and unfavourable elements with 確認して閉じる. The engine's runner checks and
// applies the change; on success the window says so (overridden) and closes, on refusal its
// message is shown and nothing changes.

#include <QDialog>

#include <array>

class QRadioButton;

namespace suimei {

class AppraisalRunner;
class Notifier;

class FavourableOverrideWindow : public QDialog {
    Q_OBJECT
  public:
    FavourableOverrideWindow(AppraisalRunner& runner, Notifier& notifier,
                             QWidget* parent = nullptr);

    // Sets the marks from the current chart: 喜ぶ神 for its favourable elements, else 忌む神.
    void loadChart();
    // The 喜ぶ神 / 忌む神 choice of element 1..5.
    QRadioButton* likedButton(int element) const;
    QRadioButton* dislikedButton(int element) const;

  signals:
    // The chart's favourable and unfavourable elements were replaced.
    void overridden();

  private:
    void confirm();

    AppraisalRunner& runner_;
    Notifier& notifier_;
    std::array<QRadioButton*, 6> liked_{};
    std::array<QRadioButton*, 6> disliked_{};
};

}  // namespace suimei
