#include "readings/ui/month_command_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/window_parts.h"
#include "readings/pillar_readings.h"

namespace suimei {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MonthCommandWindow::MonthCommandWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MonthCommandWindow"));
    setWindowTitle(qs(kMonthCommandWindowCaption));
    resize(560, 420);
    auto* layout = new QVBoxLayout(this);
    auto* captionLine = new QLabel(qs(kMonthCommandCaptionLine), this);
    captionLine->setObjectName(QStringLiteral("captionLine"));
    layout->addWidget(captionLine);

    auto* facts = new QGridLayout;
    facts->addWidget(new QLabel(QString::fromUtf8("月支"), this), 0, 0);
    season_ = new QLabel(this);
    season_->setObjectName(QStringLiteral("seasonLabel"));
    facts->addWidget(season_, 0, 1);
    facts->addWidget(new QLabel(QString::fromUtf8("日干"), this), 1, 0);
    dayMaster_ = new QLabel(this);
    dayMaster_->setObjectName(QStringLiteral("dayMasterLabel"));
    facts->addWidget(dayMaster_, 1, 1);
    facts->setColumnStretch(1, 1);
    layout->addLayout(facts);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    layout->addWidget(memo_, 1);

    layout->addLayout(closeButtonRow(this));
}

void MonthCommandWindow::showChart(const Tmandata& chart, const AppPaths& paths,
                                   Notifier& notifier) {
    memo_->clear();
    const MonthCommandView view = monthCommandView(chart, paths, notifier);
    season_->setText(QString::fromStdString(view.seasonText));
    dayMaster_->setText(QString::fromStdString(view.dayMasterText));
    QStringList lines;
    for (const auto& line : view.memo) lines << QString::fromStdString(line);
    memo_->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace suimei
