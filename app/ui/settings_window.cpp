#include "app/ui/settings_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/ui/qt_text.h"

namespace suimei {

namespace {

// A group of radio items filled column by column, `columns` wide, ids 0..n-1.
QButtonGroup* addRadioItems(QGroupBox* box, const QStringList& items, int columns,
                            QGridLayout* grid) {
    auto* group = new QButtonGroup(box);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], box);
        radio->setObjectName(box->objectName() + "_item" + QString::number(i));
        group->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }
    return group;
}

// Checks item `id`, or no item at all when the id is not in the group.
void checkItem(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(false);
    group->setExclusive(true);
}

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

Tenvsetfrm::Tenvsetfrm(Settings& settings, SettingsStore store, Notifier& notifier, QWidget* parent)
    : QDialog(parent), settings_(settings), store_(std::move(store)), notifier_(notifier) {
    setObjectName("Tenvsetfrm");
    setWindowTitle("蔵干表の指定などの環境設定");

    astronomical_ = new QCheckBox("暦の求め方は、精度の高い天文暦を黄道計算より行う", this);
    astronomical_->setObjectName("koyomichk");
    astronomical_->setChecked(true);
    settings_.astronomicalCalendar = true;  // the box is checked when the window is made
    connect(astronomical_, &QCheckBox::clicked, this,
            [this](bool on) { settings_.astronomicalCalendar = on; });

    // Hidden-stem schools.
    auto* hiddenBox = new QGroupBox("分野諸説", this);
    hiddenBox->setObjectName("bunyaRD");
    hiddenBox->setToolTip("初心者は設定を変更しないこと");
    auto* hiddenGrid = new QGridLayout;
    QStringList hiddenItems;
    for (int i = 0; i < kHiddenStemSchoolCount; ++i) hiddenItems << qs(hiddenStemSchoolName(i));
    hiddenStemSchools_ = addRadioItems(hiddenBox, hiddenItems, 2, hiddenGrid);
    explanation_ = wrappedLabel({}, hiddenBox);
    explanation_->setObjectName("hlplbl");
    explanation_->setStyleSheet("color: #000080;");
    auto* hiddenLayout = new QVBoxLayout(hiddenBox);
    hiddenLayout->addLayout(hiddenGrid);
    hiddenLayout->addWidget(explanation_);
    hiddenLayout->addWidget(wrappedLabel(
        "透派の蔵干採用法：月支のみ分野蔵干を青色で表示。他の柱は正気を青色で表示します。",
        hiddenBox));
    hiddenLayout->addWidget(wrappedLabel(
        "他派の蔵干採用法：年月日時の全ての支の蔵干は、節入りの深さで決定し青色で表示。",
        hiddenBox));
    hiddenLayout->addWidget(wrappedLabel(
        "甲丙庚壬は各流派共通です。陰干と土性の扱いが流派で全く異なります。", hiddenBox));
    connect(hiddenStemSchools_, &QButtonGroup::idClicked, this, [this](int school) {
        settings_.hiddenStemSchool = school;
        explanation_->setText(qs(hiddenStemSchoolExplanation(school)));
        emit hiddenStemSchoolChosen(school);
    });

    // Twelve-stage schools.
    auto* stageBox = new QGroupBox("十二運星の流派の指定", this);
    stageBox->setObjectName("Un12Radio");
    stageBox->setToolTip("初心者は設定を変更しないこと。人事で使うなら透派が当たります。");
    auto* stageGrid = new QGridLayout(stageBox);
    QStringList stageItems;
    for (int i = 0; i < kTwelveStageSchoolCount; ++i) stageItems << qs(twelveStageSchoolItem(i));
    stageSchools_ = addRadioItems(stageBox, stageItems, 1, stageGrid);
    connect(stageSchools_, &QButtonGroup::idClicked, this, [this](int school) {
        settings_.twelveStageSchool = school;
        emit stageSchoolChosen(school);
    });

    // Old-calendar base.
    auto* oldCalendarBox = new QGroupBox("旧暦の求め方（宿曜の星が違ってきます）", this);
    oldCalendarBox->setObjectName("Qrekibox");
    auto* oldCalendarGrid = new QGridLayout(oldCalendarBox);
    oldCalendarBases_ =
        addRadioItems(oldCalendarBox, {"日本を基準にする", "台湾を基準にする"}, 1, oldCalendarGrid);
    connect(oldCalendarBases_, &QButtonGroup::idClicked, this,
            [this](int base) { settings_.qrekiBase = base; });

    // Other switches.
    auto* otherBox = new QGroupBox("その他の色々な環境設定", this);
    otherBox->setObjectName("otherSettingsBox");
    noSound_ = new QCheckBox("起動時のサウンドを鳴らさない", otherBox);
    noSound_->setObjectName("soundbox");
    southern_ = new QCheckBox("南半球生まれの人を鑑定する（南半球用十二支）", otherBox);
    southern_->setObjectName("minami");
    connect(southern_, &QCheckBox::clicked, this, [this](bool on) { settings_.southern = on; });
    noPictures_ = new QCheckBox("干支の絵柄を表示しない（甲の樹木表示など）", otherBox);
    noPictures_->setObjectName("egarachk");
    connect(noPictures_, &QCheckBox::clicked, this, [this](bool on) { settings_.pictures = !on; });
    preciseAstronomy_ = new QCheckBox("高精度天文計算", otherBox);
    preciseAstronomy_->setObjectName("preciseAstronomy");
    preciseAstronomy_->setToolTip("節入りの時刻を精密な太陽位置（章動・光行差を含む）で求めます。");
    connect(preciseAstronomy_, &QCheckBox::clicked, this,
            [this](bool on) { settings_.preciseAstronomy = on; });
    auto* otherLayout = new QVBoxLayout(otherBox);
    otherLayout->addWidget(noSound_);
    otherLayout->addWidget(southern_);
    otherLayout->addWidget(noPictures_);
    otherLayout->addWidget(preciseAstronomy_);

    // Buttons.
    auto* save = new QPushButton("設定保存", this);
    save->setObjectName("SpeedButton1");
    save->setToolTip("次回の起動時にも設定が有効になります。");
    connect(save, &QPushButton::clicked, this, &Tenvsetfrm::saveAndClose);
    auto* close = new QPushButton("閉じる(&C)", this);
    close->setObjectName("BitBtn1");
    close->setToolTip("一時的に設定を変更することができます。");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* hiddenTables = new QPushButton("蔵干表", this);
    hiddenTables->setObjectName("zokanbtn");
    connect(hiddenTables, &QPushButton::clicked, this,
            [this] { emit hiddenStemTablesRequested(settings_.hiddenStemSchool); });
    auto* stageTable = new QPushButton("十二運星", this);
    stageTable->setObjectName("hounb");
    connect(stageTable, &QPushButton::clicked, this,
            [this] { emit stageTableRequested(settings_.twelveStageSchool); });
    auto* taiwan = new QPushButton("台湾旧暦", this);
    taiwan->setObjectName("qrekitwn");
    connect(taiwan, &QPushButton::clicked, this, [this] { emit taiwanWindowRequested(); });

    auto* lowerRow = new QHBoxLayout;
    lowerRow->addWidget(oldCalendarBox);
    lowerRow->addWidget(otherBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hiddenTables);
    buttons->addWidget(stageTable);
    buttons->addWidget(taiwan);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(astronomical_);
    layout->addWidget(hiddenBox);
    layout->addWidget(stageBox);
    layout->addLayout(lowerRow);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(640, sizeHint().height());

    loadControls();
}

void Tenvsetfrm::loadControls() {
    checkItem(hiddenStemSchools_, settings_.hiddenStemSchool);
    explanation_->setText(qs(hiddenStemSchoolExplanation(settings_.hiddenStemSchool)));
    checkItem(stageSchools_, settings_.twelveStageSchool);
    checkItem(oldCalendarBases_, settings_.qrekiBase);
    astronomical_->setChecked(settings_.astronomicalCalendar);
    noSound_->setChecked(!store_.startupSoundInFile());
    southern_->setChecked(settings_.southern);
    noPictures_->setChecked(!settings_.pictures);
    preciseAstronomy_->setChecked(settings_.preciseAstronomy);
}

void Tenvsetfrm::saveAndClose() {
    settings_.startupSound = !noSound_->isChecked();
    if (!store_.saveEnvironment(settings_)) {
        notifier_.error("設定ファイルに書き込めませんでした。\n" + store_.iniFile().string(),
                        "設定保存");
        return;  // the window stays open; the settings still hold until the program ends
    }
    close();
    emit settingsSaved();
}

}  // namespace suimei
