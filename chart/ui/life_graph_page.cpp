#include "chart/ui/life_graph_page.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/ui/qt_text.h"

namespace suimei {

namespace {

// Series colours as RGB (given as 0xBBGGRR: 0x008000, 0xFF00FF, 0x000080, 0x00FFFF, 0xFFFF00):
// 木 green, 火 fuchsia, 土 maroon, 金 yellow, 水 aqua.
constexpr std::array<QRgb, 6> kSeriesColours = {0,        0x008000, 0xFF00FF,
                                                0x800000, 0xFFFF00, 0x00FFFF};

}  // namespace

LifeGraphPage::LifeGraphPage(QWidget* parent) : QWidget(parent) {
    setObjectName("LifeGraphPage");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    graphsel_ = new QComboBox(this);
    graphsel_->setObjectName("graphsel");
    for (const char* item : {"木性エネルギー", "火性エネルギー", "土性エネルギー", "金性エネルギー",
                             "水性エネルギー", "五行総合グラフ"}) {
        graphsel_->addItem(QString::fromUtf8(item));
    }
    graphsel_->setCurrentIndex(5);
    top->addWidget(graphsel_);
    auto* weights = new QPushButton(QStringLiteral("計算方法"), this);
    weights->setObjectName("graphhlp");
    top->addWidget(weights);
    auto* print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName("graphprnbtn");
    top->addWidget(print);
    status_ = new QLabel(QStringLiteral("鑑定ボタンをまず押下して鑑定を行って下さい。"), this);
    status_->setObjectName("lifestatuslbl");
    top->addWidget(status_);
    top->addStretch();
    layout->addLayout(top);

    chart_ = new QChart;
    chart_->setTitle(QStringLiteral("五行エネルギーの生涯変化"));
    auto* view = new QChartView(chart_, this);
    view->setObjectName("Chart1");
    view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view, 1);

    auto* labels = new QGridLayout;
    for (int e = 0; e < 5; ++e) {
        categories_[static_cast<std::size_t>(e)] = new QLabel(this);
        categories_[static_cast<std::size_t>(e)]->setObjectName(QString("gogyolbl%1").arg(e + 1));
        descriptions_[static_cast<std::size_t>(e)] = new QLabel(this);
        descriptions_[static_cast<std::size_t>(e)]->setObjectName(
            QString("gogyosetumei%1").arg(e + 1));
        labels->addWidget(categories_[static_cast<std::size_t>(e)], 0, e);
        labels->addWidget(descriptions_[static_cast<std::size_t>(e)], 1, e);
    }
    layout->addLayout(labels);

    connect(graphsel_, &QComboBox::currentIndexChanged, this, &LifeGraphPage::graphselChange);
    connect(weights, &QPushButton::clicked, this, &LifeGraphPage::weightsRequested);
    connect(print, &QPushButton::clicked, this, &LifeGraphPage::printRequested);
    showGraph(nullptr);
}

int LifeGraphPage::selection() const {
    return graphsel_->currentIndex();
}

int LifeGraphPage::seriesShown() const {
    return static_cast<int>(chart_->series().size());
}

QImage LifeGraphPage::graphImage() const {
    return findChild<QChartView*>("Chart1")->grab().toImage();
}

std::vector<std::string> LifeGraphPage::captionLines() const {
    std::vector<std::string> lines;
    if (!hasGraph_) return lines;
    for (std::size_t e = 1; e <= 5; ++e) {
        lines.push_back(graph_.categories[e].label + "　" + graph_.categories[e].description);
    }
    return lines;
}

void LifeGraphPage::showGraph(const LifeGraph* graph) {
    hasGraph_ = graph != nullptr;
    graph_ = graph ? *graph : LifeGraph{};
    status_->setVisible(!hasGraph_);
    for (std::size_t e = 0; e < 5; ++e) {
        categories_[e]->setText(qs(graph_.categories[e + 1].label));
        descriptions_[e]->setText(qs(graph_.categories[e + 1].description));
    }
    graphselChange();
}

void LifeGraphPage::graphselChange() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    if (!hasGraph_) return;
    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int p = 0; p < kLifeGraphPoints; p += 10) {
        x->append(QString::number(graph_.ages[static_cast<std::size_t>(p)]) + QStringLiteral("才"),
                  p);
    }
    x->setRange(0, kLifeGraphPoints - 1);
    auto* y = new QValueAxis;
    chart_->addAxis(x, Qt::AlignBottom);
    chart_->addAxis(y, Qt::AlignLeft);
    int low = 0, high = 0;
    const int chosen = graphsel_->currentIndex();
    for (int e = 1; e <= 5; ++e) {
        if (chosen != 5 && chosen != e - 1) continue;
        auto* series = new QLineSeries;
        series->setName(qs(elementName(e)));
        series->setColor(QColor::fromRgb(kSeriesColours[static_cast<std::size_t>(e)]));
        const auto& values = graph_.series[static_cast<std::size_t>(e)];
        for (int p = 0; p < kLifeGraphPoints; ++p) {
            const int v = values[static_cast<std::size_t>(p)];
            series->append(p, v);
            low = std::min(low, v);
            high = std::max(high, v);
        }
        chart_->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    y->setRange(low - 1, high + 1);
}

}  // namespace suimei
