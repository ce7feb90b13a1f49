#pragma once
// "毎月毎日の通変星による感情周期説": a month calendar and, for the date chosen on it, the
// emotion cycle of its year, month and day from the ten god the day master forms with each
// stem. "印刷" prints the three texts; "年間と月間の安定度数" shows the score window, which
// follows every date chosen.

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QPlainTextEdit;

namespace suimei {

class AppraisalRunner;
class EmotionScoreWindow;
class Notifier;
class PassageTable;
class WorkbenchHost;
struct Settings;

class EmotionCycleWindow : public QWidget {
    Q_OBJECT
  public:
    // `passages` may be null (the table could not be opened): the texts then hold only their
    // headings. `scores` is the score window this window fills and shows.
    EmotionCycleWindow(WorkbenchHost& host, const AppraisalRunner& runner, PassageTable* passages,
                       const Settings& settings, Notifier& notifier, EmotionScoreWindow* scores,
                       QWidget* parent = nullptr);

    // Clears the three texts and computes them for the calendar's current date.
    void computeForCalendarDate();
    // Selects `date` on the calendar and computes its texts (as a click on it does).
    void showDate(const QDate& date);

    QCalendarWidget* calendar() const { return calendar_; }
    QString yearText() const;
    QString monthText() const;
    QString dayText() const;

  private:
    void compute(const QDate& date);
    void printReport();

    WorkbenchHost& host_;
    const AppraisalRunner& runner_;
    PassageTable* passages_;
    const Settings& settings_;
    Notifier& notifier_;
    EmotionScoreWindow* scores_;
    QCalendarWidget* calendar_ = nullptr;
    QPlainTextEdit* year_ = nullptr;
    QPlainTextEdit* month_ = nullptr;
    QPlainTextEdit* day_ = nullptr;
};

}  // namespace suimei
