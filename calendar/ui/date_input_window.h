#pragma once
// "生年月日を入力するカレンダー画面": the reader picks a birth date on a month calendar, stepping a
// year at a time; OK hands the date on as "yyyy/mm/dd".

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;
class QToolButton;

namespace suimei {

class DateInputWindow : public QDialog {
    Q_OBJECT
  public:
    // The calendar offers only these dates.
    static QDate firstDate() { return QDate(1910, 1, 1); }
    static QDate lastDate() { return QDate(2020, 1, 1); }

    explicit DateInputWindow(QWidget* parent = nullptr);

    // Shows the calendar at `date` (kept within the range); an invalid date leaves it as it is.
    void setDate(const QDate& date);
    QDate date() const;

    // Moves the calendar by whole years (negative: back). February 29 in a target year without it
    // becomes February 28; a step past either end of the range stops at that end.
    void stepYears(int years);

  signals:
    // The date chosen with OK, as "yyyy/mm/dd".
    void dateChosen(const QString& dateText);

  private:
    void showEraOf(int year);

    QCalendarWidget* calendar_ = nullptr;
    QLabel* eraLabel_ = nullptr;
};

}  // namespace suimei
