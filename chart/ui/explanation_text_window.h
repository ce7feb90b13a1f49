#pragma once
// A fixed explanation read line by line: 格局の取り方の説明 (kakubtn) and the useful-god rules
// (yojinbtn). Each line is shown as it stands, spaces included.

#include <QDialog>
#include <QStringList>

namespace suimei {

class ExplanationTextWindow : public QDialog {
    Q_OBJECT
  public:
    ExplanationTextWindow(const QString& objectName, const QString& title, const QStringList& lines,
                          QWidget* parent = nullptr);

    QStringList lines() const { return lines_; }

    // The outer and inner patterns with one line of meaning each.
    static QStringList patternLines();
    // How the useful stem is chosen.
    static QStringList usefulGodLines();

  private:
    QStringList lines_;
};

}  // namespace suimei
