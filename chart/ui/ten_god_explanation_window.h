#pragma once
// 通変星とは五行の相剋の代名詞である: the ten gods drawn around the day stem (我, 生日天干) in
// their six groups, each joined to it by the relation that names it (比和, 洩れる, 分力, 剋される,
// 生気). A fixed explanation; it needs no chart.

#include <QDialog>

namespace suimei {

class DiagramCanvas;

class TenGodExplanationWindow : public QDialog {
    Q_OBJECT
  public:
    explicit TenGodExplanationWindow(QWidget* parent = nullptr);

    DiagramCanvas* canvas() const { return canvas_; }

  private:
    void paintDrawing(QPainter& p, const QRectF& area) const;

    DiagramCanvas* canvas_ = nullptr;
};

}  // namespace suimei
