#pragma once
// The program's own help window: the bundled help page in a text browser whose links stay inside
// it, so help works where no web browser is installed.

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace suimei {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the local page of `url` at its fragment (the page context, "c37", ...).
    void showPage(const QUrl& url);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace suimei
