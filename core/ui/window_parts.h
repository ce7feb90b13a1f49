#pragma once
// Parts every side window has alike.

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace suimei {

// The window's 閉じる button (object name "closeButton"), closing `window` when pressed.
QPushButton* makeCloseButton(QWidget* window);
// A row with 閉じる at its right end.
QHBoxLayout* closeButtonRow(QWidget* window);

}  // namespace suimei
