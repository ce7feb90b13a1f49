#include "methods/ui/emotion_cycle_window.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/appraisal.h"
#include "app/settings.h"
#include "chart/mandata.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"
#include "core/ui/workbench.h"
#include "methods/emotion_cycle.h"
#include "methods/ui/emotion_score_window.h"
#include "print/memo_document.h"

namespace suimei {

namespace {

constexpr char kTitle[] = "毎月毎日の通変星による感情周期説";
constexpr char kYearHeading[] = "年間の感情周期";
constexpr char kMonthHeading[] = "月間の感情周期";
constexpr char kDayHeading[] = "一日の感情周期";
// The quick pillars give stems from this year on.
constexpr int kFirstYear = 1312;

QPlainTextEdit* textArea(const char* name) {
    auto* text = new QPlainTextEdit;
    text->setObjectName(name);
    text->setReadOnly(true);
    return text;
}

}  // namespace

EmotionCycleWindow::EmotionCycleWindow(WorkbenchHost& host, const AppraisalRunner& runner,
                                       PassageTable* passages, const Settings& settings,
                                       Notifier& notifier, EmotionScoreWindow* scores,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      runner_(runner),
      passages_(passages),
      settings_(settings),
      notifier_(notifier),
      scores_(scores) {
    setObjectName("EmotionCycleWindow");
    setWindowTitle(qs(kTitle));
    resize(900, 640);

    auto* layout = new QVBoxLayout(this);
    auto* lead = new QLabel(
        QStringLiteral("通変星というのは、命式の日干からその月の十干、その日の十干を見たもので、"
                       "感情の周期を見ることができます。"),
        this);
    lead->setWordWrap(true);
    layout->addWidget(lead);

    auto* body = new QHBoxLayout;
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName("calendar");
    calendar_->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    calendar_->setMinimumDate(QDate(kFirstYear, 1, 1));
    calendar_->setSelectedDate(QDate::currentDate());
    connect(calendar_, &QCalendarWidget::clicked, this, &EmotionCycleWindow::compute);
    body->addWidget(calendar_, 0, Qt::AlignTop);
    year_ = textArea("yearText");
    month_ = textArea("monthText");
    day_ = textArea("dayText");
    auto* texts = new QVBoxLayout;
    const std::pair<const char*, QPlainTextEdit*> areas[] = {
        {kYearHeading, year_}, {kMonthHeading, month_}, {kDayHeading, day_}};
    for (const auto& [heading, area] : areas) {
        texts->addWidget(new QLabel(qs(heading), this));
        texts->addWidget(area, 1);
    }
    body->addLayout(texts, 1);
    layout->addLayout(body, 1);

    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName("printbtn");
    connect(print, &QPushButton::clicked, this, &EmotionCycleWindow::printReport);
    auto* score = new QPushButton(QStringLiteral("年間と月間の安定度数"), this);
    score->setObjectName("scorebtn");
    connect(score, &QPushButton::clicked, this,
            [this] { presentSideWindow(scores_, parentWidget()); });
    buttons->addWidget(print);
    buttons->addWidget(score);
    buttons->addStretch();
    buttons->addWidget(makeCloseButton(this));
    layout->addLayout(buttons);
}

void EmotionCycleWindow::computeForCalendarDate() {
    year_->clear();
    month_->clear();
    day_->clear();
    compute(calendar_->selectedDate());
}

void EmotionCycleWindow::showDate(const QDate& date) {
    calendar_->setSelectedDate(date);
    compute(calendar_->selectedDate());
}

void EmotionCycleWindow::compute(const QDate& date) {
    // Without a chart there is no day master to read from: nothing is written.
    if (!runner_.hasRun() || !date.isValid() || date.year() < kFirstYear) return;
    const Tmandata& chart = runner_.chart();
    const EmotionCycle cycle = emotionCycleOn(chart, date.year(), date.month(), date.day());
    const std::pair<const EmotionPeriod*, QPlainTextEdit*> periods[] = {
        {&cycle.year, year_}, {&cycle.month, month_}, {&cycle.day, day_}};
    for (const auto& [period, area] : periods) {
        const std::vector<std::string> lines = passages_
                                                   ? emotionPeriodLines(*period, *passages_)
                                                   : std::vector<std::string>{period->heading};
        QStringList text;
        for (const std::string& line : lines) text << qs(line);
        area->setPlainText(text.join('\n'));
    }
    scores_->showScores(chart.dayPillar.stem, date.year(), date.month());
}

QString EmotionCycleWindow::yearText() const {
    return year_->toPlainText();
}

QString EmotionCycleWindow::monthText() const {
    return month_->toPlainText();
}

QString EmotionCycleWindow::dayText() const {
    return day_->toPlainText();
}

void EmotionCycleWindow::printReport() {
    print::MemoDocumentContent content;
    content.title = kTitle;
    const QString formName = host_.clientName();
    content.clientName = formName.isEmpty() ? runner_.chart().nameText : formName.toStdString();
    const std::pair<const char*, QPlainTextEdit*> areas[] = {
        {kYearHeading, year_}, {kMonthHeading, month_}, {kDayHeading, day_}};
    for (const auto& [heading, area] : areas) {
        if (!content.memoLines.empty()) content.memoLines.emplace_back();
        content.memoLines.push_back(std::string("【") + heading + "】");
        for (const QString& line : area->toPlainText().split('\n')) {
            content.memoLines.push_back(line.toStdString());
        }
    }
    content.practitionerName = settings_.practitionerName;
    content.practitionerTelephone = settings_.practitionerTelephone;
    PrintService::instance(notifier_).print(print::composeMemoDocument(content), this);
}

}  // namespace suimei
