#pragma once
// いろいろな蔵干表 (TZokanDBfrm): the hidden-stem table of each school as the chart module holds
// it, the selected school's table shown. The stems appear in list boxes whose first item is "-"
// (an empty slot), the spans in days as numbers. The tables are constant: the window only shows.

#include <QDialog>

class QButtonGroup;
class QLabel;
class QTableWidget;

namespace suimei {

class TZokanDBfrm : public QDialog {
    Q_OBJECT
  public:
    explicit TZokanDBfrm(QWidget* parent = nullptr);

    // The school whose table is shown, 0..5; -1 when none is.
    int school() const { return school_; }

  public slots:
    // Shows the table of hidden-stem school 0..5; any other value shows an empty grid.
    void setSchool(int school);

  private:
    void fillSlotTable(int school);
    void fillTouhaTable();

    int school_ = -1;
    QButtonGroup* schools_ = nullptr;
    QLabel* title_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

}  // namespace suimei
