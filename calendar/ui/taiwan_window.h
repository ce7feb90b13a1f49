#pragma once
// 台湾方式旧暦　カスタマイズファイル: the reader edits QrekiTaiwan.txt, the lunar months in which
// the Taiwan-style old calendar differs from the Japanese one, and checks a date against it.

#include <QDialog>

#include "core/app_paths.h"
#include "core/notifier.h"

class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace suimei {

class TaiwanCalendarWindow : public QDialog {
    Q_OBJECT
  public:
    // The file is read when the window is first shown, so that making the window at start-up
    // tells nothing; a missing file or one of more than 500 lines is then told through the
    // notifier, as the old-calendar module tells it.
    TaiwanCalendarWindow(AppPaths paths, Notifier& notifier, QWidget* parent = nullptr);

    QString fileText() const;
    // "平月 10月1日" / "閏月 5月3日" for the date from the memo's rows as they stand, or a short
    // note when no row covers the date.
    QString lookupText(int year, int month, int day) const;

  signals:
    // 保存して閉じる wrote the file: whoever keeps the Taiwan table reads it again.
    void fileSaved();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void load();
    void lookUp();
    void saveAndClose();

    AppPaths paths_;
    Notifier& notifier_;
    QPlainTextEdit* fileMemo_ = nullptr;
    QPlainTextEdit* resultMemo_ = nullptr;
    QSpinBox* year_ = nullptr;
    QSpinBox* month_ = nullptr;
    QSpinBox* day_ = nullptr;
    QPushButton* save_ = nullptr;
    bool loaded_ = false;
};

}  // namespace suimei
