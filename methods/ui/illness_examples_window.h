#pragma once
// Tbyokifrm2, "病気の具体的な例": worked examples of how an element too strong or too weak shows
// in the body, as a page to read beside the illness window.

#include <QWidget>

class QTextBrowser;

namespace suimei {

inline constexpr char kIllnessExamplesCaption[] = "病気の具体的な例";

class Tbyokifrm2 : public QWidget {
    Q_OBJECT
  public:
    explicit Tbyokifrm2(QWidget* parent = nullptr);

    QTextBrowser* page() const { return page_; }

  private:
    QTextBrowser* page_ = nullptr;
};

}  // namespace suimei
