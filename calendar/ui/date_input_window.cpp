#include "calendar/ui/date_input_window.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "calendar/era.h"

namespace suimei {

DateInputWindow::DateInputWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("DateInputWindow");
    setWindowTitle("生年月日を入力するカレンダー画面");

    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName("calendar");
    calendar_->setDateRange(firstDate(), lastDate());
    calendar_->setGridVisible(true);
    calendar_->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    auto* previousYear = new QPushButton("前の年", this);
    previousYear->setObjectName("previousYearButton");
    previousYear->setToolTip("１年前のカレンダーへ");
    connect(previousYear, &QPushButton::clicked, this, [this] { stepYears(-1); });

    auto* nextYear = new QPushButton("次の年", this);
    nextYear->setObjectName("nextYearButton");
    nextYear->setToolTip("１年後のカレンダーへ");
    connect(nextYear, &QPushButton::clicked, this, [this] { stepYears(1); });

    // A horizontal up-down pair that repeats while held: left is 前の年, right is 次の年.
    auto* upDown = new QWidget(this);
    upDown->setObjectName("yearUpDown");
    const QString upDownHint = "ここを押すとカレンダが連続して変化します";
    upDown->setToolTip(upDownHint);
    auto* upDownLayout = new QHBoxLayout(upDown);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->setSpacing(0);
    for (const bool forward : {false, true}) {
        auto* arrow = new QToolButton(upDown);
        arrow->setObjectName(forward ? "yearUpArrow" : "yearDownArrow");
        arrow->setArrowType(forward ? Qt::RightArrow : Qt::LeftArrow);
        arrow->setToolTip(upDownHint);
        arrow->setAutoRepeat(true);
        arrow->setAutoRepeatDelay(400);
        arrow->setAutoRepeatInterval(120);
        connect(arrow, &QToolButton::clicked, this,
                [this, forward] { stepYears(forward ? 1 : -1); });
        upDownLayout->addWidget(arrow);
    }

    eraLabel_ = new QLabel(this);
    eraLabel_->setObjectName("eraLabel");
    eraLabel_->setMinimumWidth(90);
    QSizePolicy keepPlace = eraLabel_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    eraLabel_->setSizePolicy(keepPlace);
    eraLabel_->setVisible(false);  // shown from the first year step on
    // Once shown, the label follows the year on display, however the page was turned.
    connect(calendar_, &QCalendarWidget::currentPageChanged, this, [this](int year, int) {
        if (!eraLabel_->isHidden()) showEraOf(year);
    });

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        emit dateChosen(calendar_->selectedDate().toString("yyyy/MM/dd"));
        close();
    });
    auto* cancel = new QPushButton("キャンセル", this);
    cancel->setObjectName("cancelButton");
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);

    auto* steps = new QHBoxLayout;
    steps->addWidget(previousYear);
    steps->addWidget(upDown);
    steps->addWidget(nextYear);
    steps->addSpacing(12);
    steps->addWidget(eraLabel_);
    steps->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(steps);
    layout->addWidget(calendar_, 1);
    layout->addLayout(buttons);
    resize(420, 340);
}

void DateInputWindow::setDate(const QDate& date) {
    if (!date.isValid()) return;
    calendar_->setSelectedDate(std::clamp(date, firstDate(), lastDate()));
    calendar_->setCurrentPage(calendar_->selectedDate().year(), calendar_->selectedDate().month());
}

QDate DateInputWindow::date() const {
    return calendar_->selectedDate();
}

void DateInputWindow::stepYears(int years) {
    // QDate::addYears turns February 29 into February 28 when the target year has no leap day.
    setDate(calendar_->selectedDate().addYears(years));
    eraLabel_->setVisible(true);
    showEraOf(calendar_->selectedDate().year());
}

void DateInputWindow::showEraOf(int year) {
    eraLabel_->setText(QString::fromStdString(eraYearLabel(year)));
}

}  // namespace suimei
