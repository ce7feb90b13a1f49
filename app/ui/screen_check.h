#pragma once
// The start-up screen check: the main window needs a screen of at least 1023 x 760 pixels.
// A smaller screen gets a notice window that asks for a larger setting; the program then ends.

#include <QDialog>
#include <QSize>

class QScreen;

namespace suimei {

inline constexpr int kMinimumScreenWidth = 1023;
inline constexpr int kMinimumScreenHeight = 760;

// True when a screen of this size shows the whole main window.
constexpr bool screenIsLargeEnough(int width, int height) {
    return width >= kMinimumScreenWidth && height >= kMinimumScreenHeight;
}
bool screenIsLargeEnough(const QScreen* screen);

// The notice window: caption "画面の大きさの設定を変更して下さい。", four labels and a 終了 button.
class ScreenNoticeWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ScreenNoticeWindow(QWidget* parent = nullptr);
};

}  // namespace suimei
