#pragma once
// The title window shown while the program starts: one picture, painted at start-up, closed as
// soon as it loses activation (the main window takes over).

#include <QPixmap>
#include <QWidget>

namespace suimei {

class Ttitlefrm : public QWidget {
    Q_OBJECT
  public:
    explicit Ttitlefrm(QWidget* parent = nullptr);

    // The title picture of the given size: the product name over a dark field with the ring of
    // the ten stems.
    static QPixmap titlePicture(QSize size);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace suimei
