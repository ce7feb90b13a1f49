#pragma once
// 用神が決定したら喜神と忌神を鑑定して命式の審事を完了します。: a grid of the patterns and how
// each of them decides its favourable (喜神) and unfavourable (忌神) elements.

#include <QDialog>

class QTableWidget;

namespace suimei {

class FavourableRulesWindow : public QDialog {
    Q_OBJECT
  public:
    explicit FavourableRulesWindow(QWidget* parent = nullptr);

    QTableWidget* grid() const { return grid_; }

  private:
    QTableWidget* grid_ = nullptr;
};

}  // namespace suimei
