#pragma once
// Tkanteibunfrm, "鑑定文章データベース画面": the editor of the passage table. The grid shows key1,
// key2 and bun1, the memo editor the passage; three pickers write key2 from the stem names, the
// ten-god names and the twelve-stage names. The window shares the one open passage table with
// every reader: while a reader walks the table the grid is not repainted, and afterwards the window
// shows the record the reader left the cursor on.

#include "readings/passage_table.h"
#include "readings/ui/reading_table_window.h"

class QComboBox;

namespace suimei {

inline constexpr char kKanteibunCaption[] = "鑑定文章データベース画面";

class Tkanteibunfrm : public ReadingTableWindow {
    Q_OBJECT
  public:
    Tkanteibunfrm(PassageTable& passages, Notifier& notifier, QWidget* parent = nullptr);
    ~Tkanteibunfrm() override;

    QComboBox* stemPicker() const { return stemPicker_; }
    QComboBox* tenGodPicker() const { return tenGodPicker_; }
    QComboBox* stagePicker() const { return stagePicker_; }

  private:
    // Writes the chosen name into key2 of the current record and posts it.
    void writeKey2(const QString& name);

    PassageTable& passages_;
    QComboBox* stemPicker_ = nullptr;
    QComboBox* tenGodPicker_ = nullptr;
    QComboBox* stagePicker_ = nullptr;
};

}  // namespace suimei
