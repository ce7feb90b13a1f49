#include "app/ui/chart_page.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedBarSeries>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace suimei {

namespace {

// Geometry of the pillar board (pixels).
constexpr int kColumnWidth = 112;
constexpr int kColumnGap = 30;
constexpr int kBoardLeft = 4;
constexpr int kCaptionTop = 0, kCaptionHeight = 26;
constexpr int kStemTop = 32, kCellHeight = 58;
constexpr int kBranchTop = 98;
constexpr int kHiddenTop = 166, kHiddenHeight = 28;
constexpr int kTenGodTop = 196;
constexpr int kStageTop = 232, kStageHeight = 30;
constexpr int kHiddenWidth = 36, kHiddenPitch = 38;
constexpr int kRowLabelLeft = kBoardLeft + 4 * kColumnWidth + 3 * kColumnGap + 10;
constexpr int kBoardWidth = kRowLabelLeft + 48;
constexpr int kBoardHeight = kStageTop + kStageHeight + 4;
constexpr int kMarkerWidth = 12, kMarkerHeight = 9;

// Relation colours (the chart's own: 0x008000 combinations, 0xFF00FF clashes and punishments).
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kFuchsia(0xFF, 0x00, 0xFF);

int columnLeft(int column) {
    return kBoardLeft + column * (kColumnWidth + kColumnGap);
}

QString u8(const char* text) {
    return QString::fromUtf8(text);
}
QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The pillar names of the columns, left to right, and the stems of the object names.
constexpr const char* kColumnCaptions[4] = {"時柱", "日柱", "月柱", "年柱"};
constexpr const char* kColumnPrefix[4] = {"ji", "niti", "tuki", "nen"};
constexpr const char* kMarkNames[4] = {"jilbl", "daylbl", "tukilbl", "nenlbl"};
constexpr const char* kCaptionNames[4] = {"jicap", "niticap", "tukicap", "nencap"};

class MarkerDot : public QWidget {
  public:
    explicit MarkerDot(QWidget* parent) : QWidget(parent) {
        setFixedSize(kMarkerWidth, kMarkerHeight);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    void setColour(const QColor& c) {
        colour_ = c;
        update();
    }
    QColor colour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour_.darker(130), 1));
        p.setBrush(colour_);
        p.drawEllipse(QRectF(0.5, 0.5, width() - 1.0, height() - 1.0));
    }

  private:
    QColor colour_ = kGreen;
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption,
                        const char* hint = nullptr) {
    auto* button = new QPushButton(u8(caption), parent);
    button->setObjectName(name);
    if (hint) button->setToolTip(u8(hint));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// PillarBoard

PillarBoard::PillarBoard(QWidget* parent) : QWidget(parent) {
    setObjectName("PillarBoard");
    setFixedSize(kBoardWidth, kBoardHeight);
    for (int c = 0; c < 4; ++c) {
        Column& col = columns[static_cast<std::size_t>(c)];
        const QString prefix = QString::fromLatin1(kColumnPrefix[c]);
        const int x = columnLeft(c);

        col.caption = new QPushButton(u8(kColumnCaptions[c]), this);
        col.caption->setObjectName(kCaptionNames[c]);
        col.caption->setProperty("role", "caption");
        col.caption->setFlat(true);
        col.caption->setFocusPolicy(Qt::NoFocus);
        col.caption->setGeometry(x, kCaptionTop, kColumnWidth - 34, kCaptionHeight);
        col.mark = new QLabel(this);
        col.mark->setObjectName(kMarkNames[c]);
        col.mark->setProperty("role", "mark");
        col.mark->setAlignment(Qt::AlignCenter);
        col.mark->setGeometry(x + kColumnWidth - 32, kCaptionTop, 30, kCaptionHeight);

        col.stem = new QToolButton(this);
        col.stem->setObjectName(prefix + "1");
        col.stem->setProperty("role", "stem");
        col.stem->setGeometry(x, kStemTop, kColumnWidth, kCellHeight);
        col.branch = new QToolButton(this);
        col.branch->setObjectName(prefix + "2");
        col.branch->setProperty("role", "branch");
        col.branch->setGeometry(x, kBranchTop, kColumnWidth, kCellHeight);
        for (QToolButton* b : {col.stem, col.branch}) {
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            b->setIconSize(QSize(32, 32));
            b->setFocusPolicy(Qt::NoFocus);
        }
        for (int k = 0; k < 3; ++k) {
            auto* h = new QPushButton(this);
            h->setObjectName(prefix + "_z" + QString::number(k + 1));
            h->setProperty("role", "hidden");
            h->setFocusPolicy(Qt::NoFocus);
            col.hidden[static_cast<std::size_t>(k)] = h;
            auto* g = new QPushButton(this);
            g->setObjectName(prefix + "_hen" + QString::number(k + 1));
            g->setProperty("role", "tengod");
            g->setFocusPolicy(Qt::NoFocus);
            col.hiddenTenGod[static_cast<std::size_t>(k)] = g;
        }
        col.stage = new QPushButton(this);
        col.stage->setObjectName(prefix + "12");
        col.stage->setProperty("role", "stage");
        col.stage->setFocusPolicy(Qt::NoFocus);
        col.stage->setGeometry(x, kStageTop, kColumnWidth, kStageHeight);
    }
    resetHiddenButtons();

    struct RowLabel {
        const char* text;
        int top, height;
    };
    const RowLabel rows[] = {{"天干", kStemTop, kCellHeight},
                             {"地支", kBranchTop, kCellHeight},
                             {"蔵干", kHiddenTop, kHiddenHeight * 2 + 2},
                             {"十二運", kStageTop, kStageHeight}};
    for (const RowLabel& r : rows) {
        auto* label = new QLabel(u8(r.text), this);
        label->setProperty("role", "row");
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(kRowLabelLeft, r.top, kBoardWidth - kRowLabelLeft, r.height);
    }

    // Enough markers for every stem and branch cell twice over.
    for (int i = 0; i < 30; ++i) markerPool_.push_back(new MarkerDot(this));
}

void PillarBoard::resetHiddenButtons() {
    for (int c = 0; c < 4; ++c) setHiddenCount(c, 3, 3);
}

void PillarBoard::setHiddenCount(int column, int count, int tenGodCount) {
    if (column < 0 || column > 3) return;
    Column& col = columns[static_cast<std::size_t>(column)];
    const int x = columnLeft(column);
    for (int k = 0; k < 3; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        const int width = k < count ? kHiddenWidth : 0;
        const int tenGodWidth = k < tenGodCount ? kHiddenWidth : 0;
        col.hidden[i]->setGeometry(x + k * kHiddenPitch, kHiddenTop, width, kHiddenHeight);
        col.hiddenTenGod[i]->setGeometry(x + k * kHiddenPitch, kTenGodTop, tenGodWidth,
                                         kHiddenHeight);
        col.hidden[i]->setVisible(width > 0);
        col.hiddenTenGod[i]->setVisible(tenGodWidth > 0);
    }
}

QRect PillarBoard::cellRect(int column, ChartRow row) const {
    return QRect(columnLeft(column), row == ChartRow::Stem ? kStemTop : kBranchTop, kColumnWidth,
                 kCellHeight);
}

void PillarBoard::setLines(std::vector<RelationLine> lines, std::vector<RelationMarker> markers) {
    clearLines();
    lines_.clear();
    for (RelationLine& l : lines) {
        if (l.fromColumn < 0 || l.fromColumn > 3 || l.toColumn < 0 || l.toColumn > 3 ||
            l.fromColumn == l.toColumn) {
            continue;
        }
        if (l.fromColumn > l.toColumn) std::swap(l.fromColumn, l.toColumn);
        lines_.push_back(l);
    }
    // Markers sit at the top right corner of their cell; a second one on the same cell moves left.
    std::size_t next = 0;
    std::array<int, 8> perCell{};
    for (const RelationMarker& m : markers) {
        if (m.column < 0 || m.column > 3 || next >= markerPool_.size()) continue;
        const int cell = m.column * 2 + (m.row == ChartRow::Stem ? 0 : 1);
        const int nth = perCell[static_cast<std::size_t>(cell)]++;
        const QRect r = cellRect(m.column, m.row);
        auto* dot = static_cast<MarkerDot*>(markerPool_[next++]);
        dot->setColour(m.colour == LineColour::Green ? kGreen : kFuchsia);
        dot->move(r.right() - kMarkerWidth - 3 - nth * (kMarkerWidth + 2), r.top() + 4);
        dot->show();
        dot->raise();
    }
    update();
}

void PillarBoard::clearLines() {
    lines_.clear();
    for (QWidget* w : markerPool_) w->hide();
    update();
}

std::vector<QWidget*> PillarBoard::visibleMarkers() const {
    std::vector<QWidget*> shown;
    for (QWidget* w : markerPool_) {
        if (!w->isHidden()) shown.push_back(w);
    }
    return shown;
}

void PillarBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Lines of the same gap and row are spread apart so that each stays visible.
    std::array<int, 8> total{}, drawn{};
    auto slot = [](const RelationLine& l) {
        return l.fromColumn * 2 + (l.row == ChartRow::Stem ? 0 : 1);
    };
    for (const RelationLine& l : lines_) ++total[static_cast<std::size_t>(slot(l))];
    for (const RelationLine& l : lines_) {
        const std::size_t s = static_cast<std::size_t>(slot(l));
        const QRect a = cellRect(l.fromColumn, l.row);
        const QRect b = cellRect(l.toColumn, l.row);
        const double offset = (drawn[s]++ - (total[s] - 1) / 2.0) * 8.0;
        const double y = a.center().y() + offset;
        p.setPen(QPen(l.colour == LineColour::Green ? kGreen : kFuchsia, 3, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(QPointF(a.right() - 6, y), QPointF(b.left() + 6, y));
    }
}

// ---------------------------------------------------------------------------------------------
// ChartPage

ChartPage::ChartPage(QWidget* parent) : QWidget(parent) {
    setObjectName("ChartPage");
    setStyleSheet(u8(R"(
        #PillarBoard QToolButton {
            background: #ffffff; border: 1px solid #aeb6c4; border-radius: 4px;
            font-size: 17px; padding: 2px 4px; color: #1d2330;
        }
        #PillarBoard QToolButton:hover { border-color: #5a7bb5; }
        #PillarBoard QPushButton[role="hidden"], #PillarBoard QPushButton[role="tengod"] {
            background: #f7f8fb; border: 1px solid #c3c9d4; border-radius: 3px;
            font-size: 13px; padding: 0px; color: #1d2330;
        }
        #PillarBoard QPushButton[role="stage"] {
            background: #f2f5ee; border: 1px solid #b9c4ad; border-radius: 3px;
            font-size: 14px; color: #2b3a1f;
        }
        #PillarBoard QPushButton[role="caption"] {
            border: none; font-size: 15px; font-weight: bold; color: #27314a; text-align: left;
            padding-left: 4px;
        }
        #PillarBoard QPushButton[role="caption"]:hover { color: #3b62b0; text-decoration: underline; }
        #PillarBoard QLabel[role="mark"] { font-size: 18px; font-weight: bold; }
        #PillarBoard QLabel[role="row"] { color: #4a5366; font-size: 13px; }
        QLabel#name { font-size: 15px; font-weight: bold; color: #1d2330; }
        QLabel#agelbl { color: #4a5366; }
        #factsgroup QLabel { font-size: 14px; }
        QLabel#mioulbl { font-size: 20px; font-weight: bold; color: #8a1f3b; }
        QLabel#mypower { font-size: 14px; font-weight: bold; }
        QGroupBox { font-weight: bold; color: #27314a; }
    )"));

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(8, 6, 8, 6);
    outer->setSpacing(10);

    // Left: name, pillar board, chart facts and relations.
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    auto* nameRow = new QHBoxLayout;
    namePanel_ = makeLabel(this, "name");
    ageLabel_ = makeLabel(this, "agelbl");
    nameRow->addWidget(namePanel_, 1);
    nameRow->addWidget(ageLabel_);
    left->addLayout(nameRow);
    board_ = new PillarBoard(this);
    left->addWidget(board_, 0, Qt::AlignLeft);
    auto* lower = new QHBoxLayout;
    lower->setSpacing(8);
    lower->addWidget(buildFactsGroup(), 1);
    lower->addWidget(buildRelationsGroup(), 0);
    left->addLayout(lower, 1);
    outer->addLayout(left, 0);

    // Right: strength, graphs, element counts, pattern and useful god.
    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(buildStrengthGroup());
    right->addWidget(buildGraphs(), 1);
    right->addWidget(buildElementCounts());
    right->addWidget(buildPatternGroup());
    outer->addLayout(right, 1);

    for (int c = 0; c < 4; ++c) {
        const PillarBoard::Column& col = board_->columns[static_cast<std::size_t>(c)];
        connect(col.stem, &QToolButton::clicked, this, [this, c] { emit stemClicked(c); });
        connect(col.caption, &QPushButton::clicked, this,
                [this, c] { emit pillarCaptionClicked(c); });
    }
    connect(board_->columns[kMonthColumn].branch, &QToolButton::clicked, this,
            &ChartPage::monthBranchClicked);
}

QWidget* ChartPage::buildFactsGroup() {
    auto* group = new QGroupBox(u8("命式の情報"), this);
    group->setObjectName("factsgroup");
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    kubolbl_ = makeLabel(group, "kubolbl", u8("空亡:"));
    meilbl_ = makeLabel(group, "meilbl", u8("命宮："));
    unko_ = makeLabel(group, "unko");
    auto* unkoCaption = makeLabel(group, "unkocaption", u8("大運："));
    auto* unkoRow = new QHBoxLayout;
    unkoRow->setSpacing(0);
    unkoRow->addWidget(unkoCaption);
    unkoRow->addWidget(unko_);
    unkoRow->addStretch();
    aftersetulbl_ = makeLabel(group, "aftersetulbl", u8("節入り日からの日数："));
    daiunlbl_ = makeLabel(group, "daiunlbl", u8("立運までの年月："));
    daiunstatlbl_ = makeLabel(group, "daiunstatlbl", u8("立運の年齢："));
    qrekilbl_ = makeLabel(group, "qrekilbl", u8("宿曜星："));
    kyuseiyylbl_ = makeLabel(group, "kyuseiyylbl");
    kyuseimmlbl_ = makeLabel(group, "kyuseimmlbl");
    zokanryuha_ = makeLabel(group, "zokanryuha", u8("蔵干表："));
    un12ryuha_ = makeLabel(group, "un12ryuha", u8("十二運星："));
    auto* syuku = makeButton(group, "syukubanbtn", "宿曜盤", "宿曜の相性図盤を表示します");
    for (QLabel* l : {zokanryuha_, un12ryuha_}) l->setStyleSheet("color:#4a5366;");

    grid->addWidget(kubolbl_, 0, 0);
    grid->addWidget(meilbl_, 0, 1);
    grid->addLayout(unkoRow, 0, 2);
    grid->addWidget(aftersetulbl_, 1, 0, 1, 3);
    grid->addWidget(daiunlbl_, 2, 0, 1, 3);
    grid->addWidget(daiunstatlbl_, 3, 0, 1, 3);
    auto* starRow = new QHBoxLayout;
    starRow->addWidget(qrekilbl_);
    starRow->addWidget(syuku);
    starRow->addStretch();
    grid->addLayout(starRow, 4, 0, 1, 3);
    grid->addWidget(kyuseiyylbl_, 5, 0, 1, 2);
    grid->addWidget(kyuseimmlbl_, 5, 2);
    grid->addWidget(zokanryuha_, 6, 0, 1, 2);
    grid->addWidget(un12ryuha_, 6, 2);
    summerlbl_ = makeLabel(group, "summerlbl");
    summerlbl_->setStyleSheet("color:#b03000;");
    summerbox_ = new QCheckBox(u8("1時間戻して算出する"), group);
    summerbox_->setObjectName("summerbox");
    summerbox_->setToolTip(u8("サマータイム（1948〜1951年）の時刻を標準時に直して命式を出します"));
    summerlbl_->hide();
    summerbox_->hide();
    connect(summerbox_, &QCheckBox::toggled, this, &ChartPage::summerTimeCorrectionToggled);
    grid->addWidget(summerlbl_, 7, 0, 1, 2);
    grid->addWidget(summerbox_, 7, 2);
    // Shown only after a run whose birth admits more than one chart.
    ambiguitylbl_ = makeLabel(group, "ambiguitylbl");
    ambiguitylbl_->setStyleSheet("color:#b03000;");
    ambiguitybtn_ = makeButton(group, "ambiguitybtn", "候補の命式を比べる",
                               "境界の前後や時刻ごとの命式を並べて比べます");
    ambiguitylbl_->hide();
    ambiguitybtn_->hide();
    connect(ambiguitybtn_, &QPushButton::clicked, this, &ChartPage::ambiguityComparisonRequested);
    // The line takes the whole width (its minutes must not be cut off), the button the row below.
    grid->addWidget(ambiguitylbl_, 8, 0, 1, 3);
    grid->addWidget(ambiguitybtn_, 9, 0, 1, 3, Qt::AlignLeft);
    grid->setRowStretch(10, 1);
    return group;
}

QWidget* ChartPage::buildRelationsGroup() {
    auto* group = new QGroupBox(u8("干支の関係"), this);
    group->setObjectName("relationgroup");
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(2);
    const char* names[7] = {"kangobtn", "sangobtn",  "hogoubtn", "sigoubtn",
                            "okibtn",   "sankeibtn", "jikeibtn"};
    const char* captions[7] = {"干合", "三合", "方合", "支合", "冲", "三刑", "自刑"};
    for (int i = 0; i < 7; ++i) {
        auto* box = new QCheckBox(u8(captions[i]), group);
        box->setObjectName(names[i]);
        // Shown by the run, not chosen by the reader.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        relationChecks_[static_cast<std::size_t>(i)] = box;
        grid->addWidget(box, i % 4, i / 4);
    }
    grid->addWidget(makeButton(group, "kangohlp", "干合の図", "干の相関関係図を表示します"), 4, 0);
    grid->addWidget(makeButton(group, "tisihlp", "地支の図", "地支の関係図を表示します"), 4, 1);
    grid->addWidget(makeButton(group, "tuhenbtn", "通変星の基礎解説", "通変星の意味を解説します"),
                    5, 0, 1, 2);
    grid->addWidget(
        makeButton(group, "tuuhenhlpbtn", "通変星の関係図", "五行と通変星の関係を表示します"), 6, 0,
        1, 2);
    grid->addWidget(makeButton(group, "hounb", "十二運星表", "十二運星の表を表示します"), 7, 0, 1,
                    2);
    grid->setRowStretch(8, 1);
    return group;
}

QWidget* ChartPage::buildStrengthGroup() {
    auto* group = new QGroupBox(u8("身旺・身弱の判定"), this);
    group->setObjectName("miou");
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    struct Gauge {
        QProgressBar** bar;
        const char* name;
        const char* caption;
    };
    const Gauge gauges[4] = {{&miougage_, "miougage", "総合"},
                             {&getureigage_, "getureigage", "月令"},
                             {&gogyogage_, "gogyogage", "5行強弱"},
                             {&houngage_, "houngage", "12運星"}};
    for (int i = 0; i < 4; ++i) {
        auto* caption = new QLabel(u8(gauges[i].caption), group);
        auto* bar = new QProgressBar(group);
        bar->setObjectName(gauges[i].name);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->setFixedHeight(14);
        *gauges[i].bar = bar;
        grid->addWidget(caption, i, 0);
        grid->addWidget(bar, i, 1);
    }
    mioulbl_ = makeLabel(group, "mioulbl");
    mioulbl_->setAlignment(Qt::AlignCenter);
    mioulbl_->setMinimumWidth(70);
    mypower_ = makeLabel(group, "mypower");
    mypower_->setAlignment(Qt::AlignCenter);
    tensu_ = makeLabel(group, "tensu");
    tensu_->setAlignment(Qt::AlignCenter);
    auto* verdict = new QVBoxLayout;
    verdict->setSpacing(1);
    verdict->addWidget(mioulbl_);
    verdict->addWidget(mypower_);
    verdict->addWidget(tensu_);
    grid->addLayout(verdict, 0, 2, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(makeButton(group, "tukireibtn", "月令", "月令の強さの説明を表示します"));
    buttons->addWidget(makeButton(group, "gogyobtn", "五行", "五行の強弱の説明を表示します"));
    grid->addLayout(buttons, 3, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

namespace {

QChartView* makeBarChart(QWidget* parent, const char* name, const QStringList& categories,
                         const std::vector<QColor>& colours, bool oneSetPerBar, QChart** chartOut,
                         QValueAxis** axisOut, std::vector<QBarSet*>* setsOut) {
    auto* chart = new QChart;
    chart->setObjectName(name);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    // Stacked sets with one value each give every bar its own colour on one category axis.
    auto* series = new QStackedBarSeries;
    series->setBarWidth(0.6);
    const int setCount = oneSetPerBar ? static_cast<int>(categories.size()) : 1;
    for (int s = 0; s < setCount; ++s) {
        auto* set = new QBarSet(categories.at(s));
        const QColor colour = colours[static_cast<std::size_t>(s)];
        set->setColor(colour);
        set->setBorderColor(colour.darker(150));
        for (int i = 0; i < categories.size(); ++i) *set << 0;
        series->append(set);
        setsOut->push_back(set);
    }
    chart->addSeries(series);
    auto* axisX = new QBarCategoryAxis;
    axisX->append(categories);
    QFont font(parent->font());
    font.setPixelSize(12);
    axisX->setLabelsFont(font);
    axisX->setGridLineVisible(false);
    axisX->setTruncateLabels(false);
    auto* axisY = new QValueAxis;
    axisY->setLabelFormat("%d");
    axisY->setLabelsFont(font);
    axisY->setRange(0, 5);
    axisY->setTickCount(6);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(170, 130);
    *chartOut = chart;
    *axisOut = axisY;
    return view;
}

}  // namespace

QWidget* ChartPage::buildGraphs() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    const QStringList pillars = {u8("時柱"), u8("日柱"), u8("月柱"), u8("年柱")};
    const QColor purple(0x80, 0x00, 0x80);
    auto* g1 = new QGroupBox(u8("柱ごとの日主の強さ"), box);
    auto* g1l = new QVBoxLayout(g1);
    g1l->setContentsMargins(4, 4, 4, 4);
    g1l->addWidget(makeBarChart(g1, "Graph1", pillars, {purple, purple, purple, purple}, false,
                                &graph1_, &graph1Axis_, &graph1Sets_));
    // Element colours given as 0xBBGGRR: 木 0x00FF00, 火 0x0000FF, 土 0x000080, 金 0x00FFFF,
    // 水 0xFF0000.
    const QStringList elements = {u8("木"), u8("火"), u8("土"), u8("金"), u8("水")};
    const std::vector<QColor> colours = {QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0x00, 0x00),
                                         QColor(0x80, 0x00, 0x00), QColor(0xFF, 0xFF, 0x00),
                                         QColor(0x00, 0x00, 0xFF)};
    auto* g2 = new QGroupBox(u8("五行ごとの強さ"), box);
    auto* g2l = new QVBoxLayout(g2);
    g2l->setContentsMargins(4, 4, 4, 4);
    g2l->addWidget(
        makeBarChart(g2, "Graph2", elements, colours, true, &graph2_, &graph2Axis_, &graph2Sets_));
    row->addWidget(g1);
    row->addWidget(g2);
    return box;
}

QWidget* ChartPage::buildElementCounts() {
    auto* group = new QGroupBox(u8("五行の数"), this);
    group->setObjectName("gogyopanel");
    group->setToolTip(u8("当人の中のバランスをみます。下の干支の数から計算した結果です。"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const char* heads[5] = {"木", "火", "土", "金", "水"};
    const char* keys[5] = {"moku", "ka", "do", "kin", "sui"};
    grid->addWidget(new QLabel(group), 0, 0);
    grid->addWidget(new QLabel(u8("干の数"), group), 1, 0);
    grid->addWidget(new QLabel(u8("支の数"), group), 2, 0);
    for (int e = 0; e < 5; ++e) {
        auto* head = new QLabel(u8(heads[e]), group);
        head->setAlignment(Qt::AlignCenter);
        grid->addWidget(head, 0, e + 1);
        auto* stems = new QLabel(group);
        stems->setObjectName(QString::fromLatin1(keys[e]) + "10");
        auto* branches = new QLabel(group);
        branches->setObjectName(QString::fromLatin1(keys[e]) + "12");
        for (QLabel* l : {stems, branches}) {
            l->setAlignment(Qt::AlignCenter);
            l->setMinimumWidth(34);
            l->setFrameShape(QFrame::StyledPanel);
            l->setStyleSheet("background:#ffffff;");
        }
        stemCountLabels_[static_cast<std::size_t>(e)] = stems;
        branchCountLabels_[static_cast<std::size_t>(e)] = branches;
        grid->addWidget(stems, 1, e + 1);
        grid->addWidget(branches, 2, e + 1);
    }
    return group;
}

QWidget* ChartPage::buildPatternGroup() {
    auto* group = new QGroupBox(u8("格局と用神"), this);
    group->setObjectName("kakugroup");
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    kyoku_ = new QComboBox(group);
    kyoku_->setObjectName("kyoku");
    for (const char* item :
         {"従旺格", "従強格", "従児格", "従財格", "従殺格", "建禄格", "月刃格", "食神格", "傷官格",
          "正財格", "偏財格", "正官格", "偏官格", "印綬格"}) {
        kyoku_->addItem(u8(item));
    }
    kyoku_->setCurrentIndex(-1);
    yojin_ = new QComboBox(group);
    yojin_->setObjectName("yojin");
    for (int s = 1; s <= 10; ++s) yojin_->addItem(q(std::string(stemName(s))));
    yojin_->setCurrentIndex(-1);
    cyokolbl_ = makeLabel(group, "cyokolbl", u8("調候用神："));
    yorokobu_ = new QLineEdit(group);
    yorokobu_->setObjectName("yorokobu");
    kirau_ = new QLineEdit(group);
    kirau_->setObjectName("kirau");
    for (QLineEdit* e : {yorokobu_, kirau_}) e->setReadOnly(true);

    grid->addWidget(new QLabel(u8("格局"), group), 0, 0);
    grid->addWidget(kyoku_, 0, 1);
    grid->addWidget(makeButton(group, "kakubtn", "格局とは", "格局の取り方を説明します"), 0, 2);
    grid->addWidget(makeButton(group, "Changek", "格局変更", "格局を変更して鑑定します"), 0, 3);
    grid->addWidget(new QLabel(u8("用神"), group), 1, 0);
    grid->addWidget(yojin_, 1, 1);
    grid->addWidget(makeButton(group, "yojinbtn", "用神とは", "用神の取り方を説明します"), 1, 2);
    grid->addWidget(cyokolbl_, 1, 3);
    grid->addWidget(new QLabel(u8("喜ぶ五行"), group), 2, 0);
    grid->addWidget(yorokobu_, 2, 1, 1, 2);
    grid->addWidget(makeButton(group, "yorokobtn", "喜忌とは", "喜神と忌神の決め方を説明します"), 2,
                    3);
    grid->addWidget(new QLabel(u8("忌む五行"), group), 3, 0);
    grid->addWidget(kirau_, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

void ChartPage::showAmbiguity(const QString& line) {
    ambiguitylbl_->setText(line);
    ambiguitylbl_->setVisible(!line.isEmpty());
    ambiguitybtn_->setVisible(!line.isEmpty());
}

void ChartPage::resetForRun() {
    // The line belongs to a completed run: it is told again when the run completes.
    showAmbiguity({});
    for (PillarBoard::Column& col : board_->columns) col.mark->clear();
    board_->resetHiddenButtons();
    board_->clearLines();
}

QString ChartPage::stemMeaning(int column) const {
    return column >= 0 && column < 4 ? stemMeanings_[static_cast<std::size_t>(column)] : QString();
}

void ChartPage::showColumn(int column, const PillarCell& cell) {
    PillarBoard::Column& col = board_->columns[static_cast<std::size_t>(column)];
    stemMeanings_[static_cast<std::size_t>(column)] = q(cell.stemMeaning);
    col.stem->setText(q(cell.stemText));
    col.stem->setToolTip(q(cell.stemHint));
    col.branch->setText(q(cell.branchText));
    col.branch->setToolTip(q(cell.branchHint));
    auto picture = [this](const std::string& name) {
        if (name.empty() || pictureFolder_.isEmpty()) return QIcon();
        const QString path = QDir(pictureFolder_).filePath(q(name));
        return QFile::exists(path) ? QIcon(path) : QIcon();
    };
    col.stem->setIcon(picture(cell.stemPicture));
    col.branch->setIcon(picture(cell.branchPicture));

    // A missing hour shows "-" in every hidden-stem slot and no ten gods; otherwise the widths
    // follow the branch's number of hidden stems.
    const bool missing = cell.stemText == "-";
    const int count = std::clamp(cell.hiddenCount, 0, 3);
    board_->setHiddenCount(column, missing ? 3 : count, missing ? 0 : count);
    for (std::size_t k = 0; k < 3; ++k) {
        QPushButton* h = col.hidden[k];
        h->setText(missing ? QStringLiteral("-") : q(cell.hiddenText[k]));
        col.hiddenTenGod[k]->setText(missing ? QString() : q(cell.hiddenTenGodText[k]));
        // The hidden stem in force is shown in blue.
        const bool active = !missing && cell.activeHiddenSlot == static_cast<int>(k) + 1;
        h->setStyleSheet(active ? "color:#1747c4; font-weight:bold; border-color:#1747c4;" : "");
    }
    col.stage->setText(q(cell.stageText));
    col.stage->setToolTip(q(cell.stageHint));

    const QString mark = q(cell.mark);
    col.mark->setText(mark);
    QString colour = "#6b7280";
    if (mark == u8("○")) colour = "#1e7b34";
    if (mark == u8("×")) colour = "#b3261e";
    col.mark->setStyleSheet("color:" + colour + ";");
}

void ChartPage::setBarValues(QChart*, QValueAxis* axis, const std::vector<QBarSet*>& sets,
                             const std::vector<int>& values, bool oneSetPerBar) {
    int low = 0, high = 0;
    for (int v : values) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    for (std::size_t s = 0; s < sets.size(); ++s) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            const bool own = !oneSetPerBar || i == s;
            sets[s]->replace(static_cast<int>(i), own ? values[i] : 0);
        }
    }
    // Whole-number steps of 1, 2, 5, 10, ... with at most five of them above zero, so every
    // axis label is an integer.
    const int span = std::max(high, -low);
    int step = 1;
    for (int scale = 1, i = 0; span > step * 5; ++i) {
        constexpr int kMultiples[3] = {2, 5, 10};
        step = kMultiples[i % 3] * scale;
        if (i % 3 == 2) scale *= 10;
    }
    const int top = (std::max(high, 0) / step + 1) * step;  // one step of head room
    const int bottom = low < 0 ? -((-low + step - 1) / step) * step : 0;
    axis->setRange(bottom, top);
    axis->setTickCount((top - bottom) / step + 1);
}

void ChartPage::showDisplay(const AppraisalDisplay& d) {
    namePanel_->setText(q(d.namePanel));
    ageLabel_->setText(q(d.ageLabel));
    for (int c = 0; c < 4; ++c) showColumn(c, d.columns[static_cast<std::size_t>(c)]);
    board_->setLines(d.lines, d.markers);

    kubolbl_->setText(q(d.voidText));
    meilbl_->setText(q(d.lifePalaceText));
    unko_->setText(q(d.luckDirectionText));
    aftersetulbl_->setText(q(d.entryDaysText));
    daiunlbl_->setText(q(d.luckStartText));
    daiunstatlbl_->setText(q(d.luckStartAgeText));
    qrekilbl_->setText(q(d.mansionText));
    kyuseiyylbl_->setText(q(d.yearStarText));
    kyuseimmlbl_->setText(q(d.monthStarText));
    zokanryuha_->setText(q(d.hiddenSchoolLabel));
    un12ryuha_->setText(q(d.stageSchoolLabel));
    summerlbl_->setText(q(d.summerTimeText));
    summerlbl_->setVisible(d.bornInSummerTime);
    {
        const QSignalBlocker quiet(summerbox_);
        summerbox_->setChecked(d.summerTimeCorrected);
    }
    summerbox_->setVisible(d.bornInSummerTime);

    miougage_->setValue(std::clamp(d.gaugeTotal, 0, 100));
    getureigage_->setValue(std::clamp(d.gaugeMonthCommand, 0, 100));
    gogyogage_->setValue(std::clamp(d.gaugeElements, 0, 100));
    houngage_->setValue(std::clamp(d.gaugeStages, 0, 100));
    mioulbl_->setText(q(d.strengthClass));
    mypower_->setText(q(d.powerText));
    tensu_->setText(q(d.pointsText));

    setBarValues(graph1_, graph1Axis_, graph1Sets_,
                 std::vector<int>(d.pillarPower.begin(), d.pillarPower.end()), false);
    setBarValues(graph2_, graph2Axis_, graph2Sets_,
                 std::vector<int>(d.elementPower.begin(), d.elementPower.end()), true);
    for (std::size_t e = 0; e < 5; ++e) {
        stemCountLabels_[e]->setText(QString::number(d.stemCounts[e]));
        branchCountLabels_[e]->setText(QString::number(d.branchCounts[e]));
    }

    // The pattern list is this window's own; the name decides when the index does not fit.
    int pattern = kyoku_->findText(q(d.patternName));
    if (pattern < 0 && d.patternIndex >= 0 && d.patternIndex < kyoku_->count()) {
        pattern = d.patternIndex;
    }
    kyoku_->setCurrentIndex(pattern);
    yojin_->setCurrentIndex(d.usefulStem >= 1 && d.usefulStem <= 10 ? d.usefulStem - 1 : -1);
    cyokolbl_->setText(q(d.climateText));
    yorokobu_->setText(q(d.favourableText));
    kirau_->setText(q(d.unfavourableText));
    for (std::size_t i = 0; i < 7; ++i) relationChecks_[i]->setChecked(d.relationChecks[i]);
}

}  // namespace suimei
