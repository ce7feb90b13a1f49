#include "chart/ui/stage_rhythm_page.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/ui/qt_text.h"

namespace suimei {

StageRhythmPage::StageRhythmPage(QWidget* parent) : QWidget(parent) {
    setObjectName("StageRhythmPage");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto stepper = [&](const char* name, int months) {
        auto* up = new QPushButton(QStringLiteral("▲"), this);
        up->setObjectName(QString(name) + "up");
        auto* down = new QPushButton(QStringLiteral("▼"), this);
        down->setObjectName(QString(name) + "down");
        up->setFixedWidth(28);
        down->setFixedWidth(28);
        connect(up, &QPushButton::clicked, this, [this, months] { emit monthStepped(months); });
        connect(down, &QPushButton::clicked, this, [this, months] { emit monthStepped(-months); });
        top->addWidget(up);
        top->addWidget(down);
    };
    bioYYlbl_ = new QLabel(this);
    bioYYlbl_->setObjectName("bioYYlbl");
    top->addWidget(bioYYlbl_);
    stepper("UpDown1", 12);
    bioMMlbl_ = new QLabel(this);
    bioMMlbl_->setObjectName("bioMMlbl");
    top->addWidget(bioMMlbl_);
    stepper("UpDown2", 1);
    auto* points = new QPushButton(QStringLiteral("計算方法"), this);
    points->setObjectName("biotensubtn");
    top->addWidget(points);
    auto* print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName("bioprnbtn");
    top->addWidget(print);
    status_ = new QLabel(QStringLiteral("鑑定ボタンをまず押下して鑑定を行って下さい。"), this);
    status_->setObjectName("biostatuslbl");
    top->addWidget(status_);
    top->addStretch();
    layout->addLayout(top);

    chart_ = new QChart;
    chart_->setTitle(QStringLiteral("十二運星 体調バイオエネルギー変化"));
    chart_->legend()->hide();
    auto* view = new QChartView(chart_, this);
    view->setObjectName("Chart2");
    layout->addWidget(view, 1);

    auto* bottom = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("説明文を表示したい内容を指定して下さい"), this);
    bottom->addWidget(caption);
    chooser_ = new QComboBox(this);
    chooser_->setObjectName("taicyoselbtn");
    bottom->addWidget(chooser_);
    biobun_ = new QPlainTextEdit(this);
    biobun_->setObjectName("biobun");
    biobun_->setReadOnly(true);
    biobun_->setFixedHeight(60);
    bottom->addWidget(biobun_, 1);
    layout->addLayout(bottom);

    connect(points, &QPushButton::clicked, this, &StageRhythmPage::pointsRequested);
    connect(print, &QPushButton::clicked, this, &StageRhythmPage::printRequested);
    connect(chooser_, &QComboBox::activated, this,
            [this](int index) { emit stageChosen(index + 1); });
}

void StageRhythmPage::showDescription(const QString& text) {
    biobun_->setPlainText(text);
}

QImage StageRhythmPage::graphImage() const {
    return findChild<QChartView*>("Chart2")->grab().toImage();
}

std::string StageRhythmPage::monthCaption() const {
    return (bioYYlbl_->text() + bioMMlbl_->text()).toStdString();
}

int StageRhythmPage::pointsShown() const {
    const auto series = chart_->series();
    return series.isEmpty() ? 0 : static_cast<int>(static_cast<QLineSeries*>(series[0])->count());
}

void StageRhythmPage::showMonth(const StageMonth& month,
                                const std::vector<std::string>& chooserItems) {
    bioYYlbl_->setText(qs(month.yearText));
    bioMMlbl_->setText(qs(month.monthText));
    status_->setVisible(month.days.empty());
    const int chosen = chooser_->currentIndex();
    chooser_->clear();
    for (const std::string& item : chooserItems) chooser_->addItem(qs(item));
    chooser_->setCurrentIndex(chosen);
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    if (month.days.empty()) return;
    auto* series = new QLineSeries;
    series->setColor(Qt::red);
    series->setPointsVisible(true);
    int high = 1;
    for (const StageDay& d : month.days) {
        series->append(d.day, d.points);
        high = std::max(high, d.points);
    }
    chart_->addSeries(series);
    auto* x = new QValueAxis;
    x->setRange(1, static_cast<qreal>(month.days.size()));
    x->setTickCount(static_cast<int>(month.days.size()));
    x->setLabelFormat("%d");
    auto* y = new QValueAxis;
    y->setRange(0, high + 1);
    chart_->addAxis(x, Qt::AlignBottom);
    chart_->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

}  // namespace suimei
