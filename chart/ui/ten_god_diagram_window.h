#pragma once
// The window 通変星の関係図: the ten gods by element around the day master, 吉星 / 凶星 on the
// liked and disliked elements, the 相生 or 相剋 lines on request, 命式鑑定 (the chart's seven ten
// gods in red and the lines among them), クリア, and the marks of a year clicked in the year grid.

#include <QWidget>

#include "chart/luck.h"

namespace suimei {

class TenGodDiagramWindow : public QWidget {
    Q_OBJECT
  public:
    TenGodDiagramWindow(const Tmandata& chart, QWidget* parent = nullptr);
    // Reads the groups of the current chart and drops every mark.
    void refresh();
    // The marks of a year click (age 0..119).
    void showYear(int age);
    const DiagramYearMarks& yearMarks() const { return year_; }
    const DiagramReading& reading() const { return reading_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPointF groupCentre(int group) const;
    QPointF tenGodPoint(int tenGod) const;

    const Tmandata& chart_;
    std::array<DiagramGroup, 6> groups_{};
    DiagramLineSet allLines_ = DiagramLineSet::None;
    bool showReading_ = false;
    DiagramReading reading_;
    DiagramYearMarks year_;
};

}  // namespace suimei
