#include "methods/ui/emotion_score_window.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"
#include "methods/emotion_cycle.h"

namespace suimei {

namespace {

QChart* makeChart(const char* name) {
    auto* chart = new QChart;
    chart->setObjectName(name);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

// Replaces the chart's line by `scores`, one point per label.
void plot(QChart* chart, const QString& title, const QStringList& labels,
          const std::vector<int>& scores) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->setTitle(title);
    auto* series = new QLineSeries;
    series->setPointsVisible(true);
    for (std::size_t i = 0; i < scores.size(); ++i) {
        series->append(static_cast<double>(i), scores[i]);
    }
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(labels);
    auto* y = new QValueAxis;
    y->setRange(0, 10);
    y->setTickCount(6);
    y->setLabelFormat("%d");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

std::vector<double> pointsOf(const QChart* chart) {
    std::vector<double> points;
    if (chart->series().isEmpty()) return points;
    const auto* line = static_cast<const QLineSeries*>(chart->series().first());
    for (const QPointF& p : line->points()) points.push_back(p.y());
    return points;
}

}  // namespace

EmotionScoreWindow::EmotionScoreWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("EmotionScoreWindow");
    setWindowTitle(QStringLiteral("１年間の感情の安定度数"));
    resize(820, 760);
    auto* layout = new QVBoxLayout(this);
    yearChart_ = makeChart("yearChart");
    monthChart_ = makeChart("monthChart");
    for (QChart* chart : {yearChart_, monthChart_}) {
        auto* view = new QChartView(chart, this);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumHeight(230);
        layout->addWidget(view, 1);
    }
    QStringList explanations;
    QStringList legends;
    for (int g = 1; g <= kEmotionTenGodCount; ++g) {
        explanations << qs(emotionScoreExplanation(g));
        legends << qs(emotionScoreLegend(g));
    }
    explanations_ = new QLabel(explanations.join('\n'), this);
    explanations_->setObjectName("explanations");
    explanations_->setWordWrap(true);
    legend_ = new QLabel(legends.join(' '), this);
    legend_->setObjectName("legend");
    legend_->setWordWrap(true);
    layout->addWidget(explanations_);
    layout->addWidget(legend_);
    layout->addLayout(closeButtonRow(this));
}

void EmotionScoreWindow::showScores(int dayMaster, int year, int month) {
    const auto yearScores = emotionYearScores(dayMaster, year);
    QStringList monthLabels;
    for (int m = 1; m <= 12; ++m) monthLabels << QString::number(m) + QStringLiteral("月");
    plot(yearChart_, QString::number(year) + QStringLiteral("年の1年間の感情安定度数の変化"),
         monthLabels, std::vector<int>(yearScores.begin(), yearScores.end()));

    const std::vector<int> dayScores = emotionMonthScores(dayMaster, year, month);
    QStringList dayLabels;
    for (std::size_t d = 1; d <= dayScores.size(); ++d) dayLabels << QString::number(d);
    plot(monthChart_, QString::number(month) + QStringLiteral("月の1カ月間の感情安定度数の変化"),
         dayLabels, dayScores);
}

std::vector<double> EmotionScoreWindow::yearPoints() const {
    return pointsOf(yearChart_);
}

std::vector<double> EmotionScoreWindow::monthPoints() const {
    return pointsOf(monthChart_);
}

QString EmotionScoreWindow::explanationText() const {
    return explanations_->text();
}

QString EmotionScoreWindow::legendText() const {
    return legend_->text();
}

}  // namespace suimei
