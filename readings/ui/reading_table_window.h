#pragma once
// The common frame of the reading-table windows: a grid of some fields, editors for the memo
// fields, and the record navigator, all bound to the table's one cursor. Every change is written
// through the table layer: grid cells and pickers post at once; memo typing puts the record into
// edit mode and is posted when the memo loses the focus, when the cursor moves (any move posts,
// including a reader's lookup), on "登録", and when the window is hidden.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "core/notifier.h"
#include "core/table_store.h"
#include "readings/ui/table_navigator.h"

class QPlainTextEdit;
class QTableView;
class QVBoxLayout;

namespace suimei {

class TablePageModel;

inline constexpr char kConfirmDeleteText[] = "このレコードを削除しますか？";

class ReadingTableWindow : public QWidget {
    Q_OBJECT
  public:
    struct MemoBinding {
        QString field;       // table field the editor holds
        QString objectName;  // the editor's control name
        QString label;       // caption above the editor (none when empty)
    };

    // `table` may be null when it could not be opened: the window then shows nothing and its
    // controls are disabled.
    ReadingTableWindow(Table* table, const QStringList& gridFields, std::vector<MemoBinding> memos,
                       Notifier& notifier, QWidget* parent = nullptr);
    ~ReadingTableWindow() override;

    Table* table() const { return table_; }
    QTableView* grid() const { return grid_; }
    TablePageModel* model() const { return model_; }
    TableNavigator* navigator() const { return navigator_; }
    QPlainTextEdit* memoEditor(int index = 0) const;

    // Carries out a navigator button (also what a click on it does).
    void navigate(TableNavigator::Action action);
    // Shows the current record: selects its row and fills the memo editors.
    void showCurrentRecord();
    // Re-reads the grid and shows the current record (after the table was used elsewhere).
    void refreshFromTable();
    // Posts the record being edited; reports a failure. Returns false when the write failed.
    bool postPending();

  protected:
    // Area between the grid and the memo editors for a window's own controls.
    QVBoxLayout* extraArea() const { return extraArea_; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    Notifier& notifier() const { return notifier_; }

  private:
    void memoEdited(std::size_t index);
    void gridRowChosen(int row);
    void updateNavigator();

    Table* table_;
    Notifier& notifier_;
    std::vector<MemoBinding> memos_;
    std::vector<QPlainTextEdit*> memoEditors_;
    QTableView* grid_ = nullptr;
    TablePageModel* model_ = nullptr;
    TableNavigator* navigator_ = nullptr;
    QVBoxLayout* extraArea_ = nullptr;
    bool syncing_ = false;
};

}  // namespace suimei
