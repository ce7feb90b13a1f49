#pragma once
// Tkisofrm "四柱推命の基礎知識": the basic-knowledge text kisobun.rtf of the application folder,
// shown read-only as rich text, with 印刷 to print it.

#include <QWidget>

#include <optional>

#include "core/ui/workbench.h"
#include "print/rtf_text.h"

class QTextBrowser;

namespace suimei {

class Tkisofrm : public QWidget {
    Q_OBJECT
  public:
    Tkisofrm(const Workbench& bench, QWidget* parent = nullptr);

    // Reads kisobun.rtf again and shows it; a missing or unreadable file is reported by name and
    // leaves the window as it was (false).
    bool loadText();
    QTextBrowser* view() const { return view_; }
    void insatubtnClick();

  private:
    Workbench bench_;
    QTextBrowser* view_;
    std::optional<print::RtfDocument> text_;
};

}  // namespace suimei
