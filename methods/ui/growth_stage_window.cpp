#include "methods/ui/growth_stage_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calendar/old_calendar.h"
#include "calendar/types.h"
#include "chart/mandata.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"

namespace suimei {

namespace {

// The window opens at 成長途中: a reader meets most clients between the two ends.
constexpr int kFirstOverallLevel = 1;

constexpr char kNoRunHint[] =
    "まだ鑑定が行われていないため、星の意味は表示できません。鑑定を行うと、命式に合わせた文章が"
    "表示されます。";

QLabel* cell(QWidget* parent, const QString& name, int minimumWidth = 0) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    if (minimumWidth > 0) label->setMinimumWidth(minimumWidth);
    return label;
}

}  // namespace

TSinkaChkForm::TSinkaChkForm(const Tmandata& chart, QWidget* parent)
    : QWidget(parent), chart_(chart) {
    setObjectName(QStringLiteral("TSinkaChkForm"));
    setWindowTitle(qs(kGrowthStageCaption));
    resize(1000, 640);

    auto* layout = new QVBoxLayout(this);
    auto* overallBox =
        new QGroupBox(QStringLiteral("この人の成長のレベルを指定してください"), this);
    overallBox->setObjectName(QStringLiteral("RadioGroup1"));
    auto* overallColumn = new QVBoxLayout(overallBox);
    overall_ = new QButtonGroup(this);
    for (int level = 0; level < kGrowthLevels; ++level) {
        auto* item = new QRadioButton(qs(overallLevelText(level)), overallBox);
        item->setObjectName(QStringLiteral("RadioGroup1_%1").arg(level));
        overall_->addButton(item, level);
        overallColumn->addWidget(item);
    }
    overall_->button(kFirstOverallLevel)->setChecked(true);
    connect(overall_, &QButtonGroup::idClicked, this, [this] { applyOverallLevel(); });

    layout->addWidget(overallBox);

    hint_ = new QLabel(qs(kNoRunHint), this);
    hint_->setObjectName(QStringLiteral("hintlbl"));
    hint_->setWordWrap(true);
    hint_->setStyleSheet(QStringLiteral("color: #a00000;"));
    layout->addWidget(hint_);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    for (int f = 0; f < kGrowthFeatures; ++f) {
        const GrowthFeatureInfo& info = growthFeatures()[static_cast<std::size_t>(f)];
        auto* box = new QGroupBox(qs(info.caption), this);
        box->setObjectName(qs(info.group));
        auto* row = new QHBoxLayout(box);
        auto* group = new QButtonGroup(box);
        for (int level = 0; level < kGrowthLevels; ++level) {
            auto* item = new QRadioButton(qs(growthLevelName(level)), box);
            item->setObjectName(qs(info.group) + QStringLiteral("_%1").arg(level));
            group->addButton(item, level);
            row->addWidget(item);
        }
        features_[static_cast<std::size_t>(f)] = group;
        connect(group, &QButtonGroup::idClicked, this, [this, f] {
            showSentence(f);
            showScores();
        });

        auto* sentence = new QLabel(this);
        sentence->setObjectName(QStringLiteral("bunlbl%1").arg(f + 1));
        sentence->setWordWrap(true);
        sentence->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        sentence->setFrameShape(QFrame::StyledPanel);
        sentence->setMinimumHeight(44);
        sentences_[static_cast<std::size_t>(f)] = sentence;
        auto* score = new QLabel(this);
        score->setObjectName(QStringLiteral("tenlbl%1").arg(f + 1));
        score->setMinimumWidth(80);
        scores_[static_cast<std::size_t>(f)] = score;

        grid->addWidget(box, f, 0);
        grid->addWidget(sentence, f, 1);
        grid->addWidget(score, f, 2);
    }
    auto* middle = new QHBoxLayout;
    middle->addLayout(grid, 1);
    auto* chartColumn = new QVBoxLayout;
    chartColumn->addWidget(buildChartBox());
    chartColumn->addStretch(1);
    middle->addLayout(chartColumn);
    layout->addLayout(middle);

    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("goukeilbl"));
    QFont font = total_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    total_->setFont(font);
    auto* bottom = closeButtonRow(this);
    bottom->insertWidget(0, total_);
    layout->addStretch(1);
    layout->addLayout(bottom);

    applyOverallLevel();
}

QGroupBox* TSinkaChkForm::buildChartBox() {
    auto* box = new QGroupBox(QStringLiteral("命式"), this);
    auto* grid = new QGridLayout(box);
    const char* headings[4] = {"年柱", "月柱", "日柱", "時柱"};
    const char* prefixes[4] = {"nen", "tuki", "niti", "ji"};
    for (int p = 0; p < 4; ++p) {
        auto* heading = new QLabel(qs(headings[p]), box);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, p);
        const QString prefix = QString::fromLatin1(prefixes[p]);
        stems_[static_cast<std::size_t>(p)] = cell(box, prefix + "10", p < 2 ? 84 : 44);
        branches_[static_cast<std::size_t>(p)] = cell(box, prefix + "12");
        stages_[static_cast<std::size_t>(p)] = cell(box, prefix + "12un");
        grid->addWidget(stems_[static_cast<std::size_t>(p)], 1, p);
        grid->addWidget(branches_[static_cast<std::size_t>(p)], 2, p);
        grid->addWidget(stages_[static_cast<std::size_t>(p)], 3, p);
    }
    mansion_ = new QLabel(box);
    mansion_->setObjectName(QStringLiteral("syukulbl"));
    grid->addWidget(mansion_, 4, 0, 1, 4);
    return box;
}

int TSinkaChkForm::overallLevel() const {
    return overall_->checkedId() < 0 ? kFirstOverallLevel : overall_->checkedId();
}

int TSinkaChkForm::featureLevel(int feature) const {
    const QButtonGroup* group = featureGroup(feature);
    return group && group->checkedId() >= 0 ? group->checkedId() : 0;
}

QButtonGroup* TSinkaChkForm::featureGroup(int feature) const {
    return feature >= 0 && feature < kGrowthFeatures ? features_[static_cast<std::size_t>(feature)]
                                                     : nullptr;
}

QLabel* TSinkaChkForm::sentenceLabel(int feature) const {
    return feature >= 0 && feature < kGrowthFeatures ? sentences_[static_cast<std::size_t>(feature)]
                                                     : nullptr;
}

QLabel* TSinkaChkForm::scoreLabel(int feature) const {
    return feature >= 0 && feature < kGrowthFeatures ? scores_[static_cast<std::size_t>(feature)]
                                                     : nullptr;
}

void TSinkaChkForm::applyOverallLevel() {
    const int level = overallLevel();
    for (QButtonGroup* group : features_) group->button(level)->setChecked(true);
    showChart();
    for (int f = 0; f < kGrowthFeatures; ++f) showSentence(f);
    showScores();
}

void TSinkaChkForm::showChart() {
    // Before the first run the chart is all zeros: every cell shows empty text.
    const PillarBlock* pillars[4] = {&chart_.yearPillar, &chart_.monthPillar, &chart_.dayPillar,
                                     &chart_.hourPillar};
    for (std::size_t p = 0; p < 4; ++p) {
        QString stem = qs(stemName(pillars[p]->stem));
        // The year and month stems carry their ten god, which the ability sentences read.
        if (p < 2 && !stem.isEmpty()) stem += ":" + qs(tenGodName(pillars[p]->stemTenGod));
        stems_[p]->setText(stem);
        branches_[p]->setText(qs(branchName(pillars[p]->branch)));
        stages_[p]->setText(qs(stageName(pillars[p]->dayMasterStage)));
    }
    const std::string_view mansion = mansionName(chart_.mansionNumber);
    mansion_->setText(QStringLiteral("宿曜：") +
                      (mansion.empty() ? QString() : qs(mansion) + "宿"));
    hint_->setVisible(chart_.dayPillar.stem == 0);
}

void TSinkaChkForm::showSentence(int feature) {
    const int value = growthSelectors(chart_)[static_cast<std::size_t>(feature)];
    sentences_[static_cast<std::size_t>(feature)]->setText(
        qs(growthSentence(feature, value, featureLevel(feature))));
}

void TSinkaChkForm::showScores() {
    std::array<int, kGrowthFeatures> levels{};
    for (int f = 0; f < kGrowthFeatures; ++f) {
        levels[static_cast<std::size_t>(f)] = featureLevel(f);
        scores_[static_cast<std::size_t>(f)]->setText(qs(growthScoreLabel(f, featureLevel(f))));
    }
    total_->setText(qs(growthTotalLabel(levels)));
}

}  // namespace suimei
