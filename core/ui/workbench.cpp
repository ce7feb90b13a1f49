#include "core/ui/workbench.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QWidget>

namespace suimei {

namespace {

// Closes its window on an Esc that no control of the window took for itself.
class EscapeCloser : public QObject {
  public:
    explicit EscapeCloser(QWidget* window) : QObject(window), window_(window) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            window_->close();
            return true;
        }
        return false;
    }

  private:
    QWidget* window_;
};

}  // namespace

void WindowRegistry::setOpener(const QString& name, std::function<void()> open) {
    for (auto it = openers_.begin(); it != openers_.end(); ++it) {
        if (it->first != name) continue;
        if (open) {
            it->second = std::move(open);
        } else {
            openers_.erase(it);
        }
        return;
    }
    if (open) openers_.emplace_back(name, std::move(open));
}

bool WindowRegistry::hasOpener(const QString& name) const {
    for (const auto& [key, open] : openers_) {
        if (key == name) return true;
    }
    return false;
}

bool WindowRegistry::open(const QString& name) const {
    for (const auto& [key, open] : openers_) {
        if (key != name) continue;
        // A copy: the opener may replace itself while it runs.
        const std::function<void()> run = open;
        run();
        return true;
    }
    return false;
}

void presentSideWindow(QWidget* window, QWidget* over) {
    if (window == nullptr) return;
    // A child widget without the window flag is painted into its parent as a see-through panel.
    if (!window->isWindow()) window->setWindowFlag(Qt::Window, true);
    window->setAutoFillBackground(true);
    const char* presented = "suimeiPresented";
    if (!window->property(presented).toBool()) {
        window->setProperty(presented, true);
        // Dialogs close on Esc by themselves; other windows get the same key.
        if (qobject_cast<QDialog*>(window) == nullptr) {
            window->installEventFilter(new EscapeCloser(window));
        }
        if (over != nullptr) {
            // The layout sets the window's real size before it is placed.
            if (window->layout() != nullptr) window->layout()->activate();
            QRect frame = window->frameGeometry();
            frame.moveCenter(over->frameGeometry().center());
            window->move(frame.topLeft());
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace suimei
