#pragma once
// The record navigator of the reading-table windows: ten buttons "最初", "前", "次", "最後",
// "新規", "削除", "編集", "登録", "取り消し", "更新". It only says which was pressed; the window
// does the work on its table.

#include <QWidget>
#include <array>

class QPushButton;

namespace suimei {

class TableNavigator : public QWidget {
    Q_OBJECT
  public:
    enum Action { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int kActions = 10;

    explicit TableNavigator(QWidget* parent = nullptr);

    QPushButton* button(Action action) const { return buttons_[action]; }
    // Enables the buttons that make sense: moves away from each end, posting and cancelling only
    // while a record is being edited, deleting and editing only on a record.
    void updateButtons(bool hasRecord, bool atFirst, bool atLast, bool editing);

  signals:
    void triggered(suimei::TableNavigator::Action action);

  private:
    std::array<QPushButton*, kActions> buttons_{};
};

}  // namespace suimei
