#pragma once
// Notices of the desktop program: a modal message box over the given window. The caption is the
// notice's own caption, or the application title when it has none.

#include <QPointer>
#include <QWidget>

#include "core/notifier.h"

namespace suimei {

class QtNotifier : public Notifier {
  public:
    explicit QtNotifier(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    // Shows the box and waits; a question returns true for Yes.
    bool notify(const Notice& notice) override;
    // A question box with the given buttons; Enter, Escape and closing the box pick the safe one.
    int choose(const std::string& text, const std::vector<std::string>& buttons,
               const std::string& caption = {}, int safeButton = -1) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace suimei
