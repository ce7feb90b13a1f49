#pragma once
// "日本の時差表": the minutes by which local solar time of 50 cities differs from Japan Standard
// Time, so the reader can shift the birth time before choosing it. Changes nothing.

#include <QDialog>

class QTableWidget;
class QPushButton;

namespace suimei {

class TimeDifferenceWindow : public QDialog {
    Q_OBJECT
  public:
    explicit TimeDifferenceWindow(QWidget* parent = nullptr);

    QTableWidget* grid() const { return grid_; }

  private:
    QTableWidget* grid_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace suimei
