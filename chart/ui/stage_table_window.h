#pragma once
// １２運星早見表: the twelve stage of every stem on every branch under the twelve-stage school in
// force, for reading the strength of each pillar at a glance.

#include <QDialog>

class QLabel;
class QTableWidget;

namespace suimei {

class StageChartWindow : public QDialog {
    Q_OBJECT
  public:
    explicit StageChartWindow(QWidget* parent = nullptr);

    int stageSchool() const { return school_; }
    QTableWidget* grid() const { return grid_; }

  public slots:
    // Fills the chart under twelve-stage school 0..2 (any other value leaves the cells empty).
    void setStageSchool(int school);

  private:
    int school_ = 0;
    QLabel* schoolLabel_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

}  // namespace suimei
