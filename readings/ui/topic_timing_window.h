#pragma once
// The marriage window "結婚の鑑定" (Tkekkon) and the work window "仕事運の総合診断" (Tsigoto):
// five reading buttons that append passages to the memo, クリア, 閉じる and 印刷. The window
// holds a copy of the chart it was opened with and the year it was opened in; the lines of each
// button come from the engine (readings/marriage_work.h).

#include <QString>
#include <QWidget>

#include "chart/mandata.h"
#include "readings/marriage_work.h"

class QPlainTextEdit;
class QPushButton;

namespace suimei {

struct Settings;

class Notifier;
class PassageTable;

class TopicTimingWindow : public QWidget {
    Q_OBJECT
  public:
    // `clientName` is printed as the name + " 様 "; `todayYear` is the first of the ten years.
    TopicTimingWindow(TopicWindowKind kind, const Tmandata& chart, int todayYear,
                      const QString& clientName, PassageTable& passages, Notifier& notifier,
                      QWidget* parent = nullptr);

    TopicWindowKind kind() const { return kind_; }
    QPlainTextEdit* memo() const { return memo_; }
    // The reading button of that object name ("bman1btn", ...); nullptr for none.
    QPushButton* button(const QString& name) const;
    // The memo as lines, as it is printed.
    QStringList memoLines() const;
    // The settings whose practitioner signs the printed footer (the maker's notice without).
    void setFooterSettings(const Settings* settings) { footerSettings_ = settings; }

    // What the buttons do.
    void readingButtonClick(const QString& name);
    void clearClick();
    void printClick();

  private:
    TopicWindowKind kind_;
    Tmandata chart_;
    int todayYear_;
    QString clientName_;
    PassageTable& passages_;
    Notifier& notifier_;
    QPlainTextEdit* memo_ = nullptr;
    const Settings* footerSettings_ = nullptr;
};

}  // namespace suimei
