#include "chart/ui/hidden_stem_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/settings.h"
#include "calendar/types.h"
#include "chart/hidden_stems.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"

namespace suimei {

namespace {

// A stem list box that shows its item but takes no input: the tables are not edited here.
class StemListBox : public QComboBox {
  public:
    StemListBox(int stem, QWidget* parent) : QComboBox(parent) {
        addItem("-");
        for (int s = 1; s <= 10; ++s) addItem(qs(stemName(s)));
        setCurrentIndex(isStem(stem) ? stem : 0);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void mousePressEvent(QMouseEvent*) override {}
    void keyPressEvent(QKeyEvent*) override {}
    void wheelEvent(QWheelEvent*) override {}
};

// Span in days from hundredths: 700 -> "7", 1035 -> "10.35"; empty for an empty slot.
QString spanText(int hundredths) {
    if (hundredths <= 0) return {};
    return QString::number(hundredths / 100.0, 'g', 6);
}

QTableWidgetItem* numberItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

// The three day ranges of the 明朝透派 month rule, each as the entry depth in tenths of a day
// that opens it: 節気～６日目まで, 7～12日まで, 13日以降.
constexpr int kTouhaRangeStarts[] = {0, 60, 120};

}  // namespace

TZokanDBfrm::TZokanDBfrm(QWidget* parent) : QDialog(parent) {
    setObjectName("TZokanDBfrm");
    setWindowTitle("いろいろな蔵干表");

    auto* schoolBox = new QGroupBox("蔵干表の種類", this);
    schoolBox->setObjectName("zokanRD");
    auto* schoolRow = new QHBoxLayout(schoolBox);
    schools_ = new QButtonGroup(this);
    for (int s = 0; s < 6; ++s) {
        auto* radio = new QRadioButton(qs(hiddenStemSchoolName(s)), schoolBox);
        radio->setObjectName("zokanRD_item" + QString::number(s));
        schools_->addButton(radio, s);
        schoolRow->addWidget(radio);
    }
    schoolRow->addStretch();
    connect(schools_, &QButtonGroup::idClicked, this, &TZokanDBfrm::setSchool);

    title_ = new QLabel(this);
    title_->setObjectName("tableTitle");
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);

    grid_ = new QTableWidget(12, 0, this);
    grid_->setObjectName("zokanGrid");
    QStringList branches;
    for (int b = 1; b <= 12; ++b) branches << qs(branchName(b));
    grid_->setVerticalHeaderLabels(branches);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);

    QHBoxLayout* buttons = closeButtonRow(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(schoolBox);
    layout->addWidget(title_);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(600, 560);

    setSchool(1);
}

void TZokanDBfrm::setSchool(int school) {
    school_ = school >= 0 && school < 6 ? school : -1;
    if (QAbstractButton* radio = schools_->button(school_)) {
        radio->setChecked(true);
    } else {
        schools_->setExclusive(false);
        for (QAbstractButton* b : schools_->buttons()) b->setChecked(false);
        schools_->setExclusive(true);
    }
    grid_->clearContents();
    if (school_ == 5) {
        fillTouhaTable();
    } else if (school_ >= 0) {
        fillSlotTable(school_);
    } else {
        title_->clear();
        grid_->setColumnCount(0);
    }
}

void TZokanDBfrm::fillSlotTable(int school) {
    title_->setText(qs(hiddenStemSchoolName(school)) +
                    "の蔵干表（余気・中気・正気の順、日数は節入りからの日数）");
    grid_->setColumnCount(6);
    grid_->setHorizontalHeaderLabels({"蔵干１", "日数", "蔵干２", "日数", "蔵干３", "日数"});
    for (int c = 0; c < 6; ++c) {
        grid_->horizontalHeader()->setSectionResizeMode(
            c, c % 2 == 0 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    }
    for (int b = 1; b <= 12; ++b) {
        for (int slot = 1; slot <= 3; ++slot) {
            const HiddenStemEntry entry = hiddenStemEntry(school, b, slot);
            grid_->setCellWidget(b - 1, 2 * (slot - 1), new StemListBox(entry.stem, grid_));
            grid_->setItem(b - 1, 2 * (slot - 1) + 1, numberItem(spanText(entry.spanHundredths)));
        }
    }
}

void TZokanDBfrm::fillTouhaTable() {
    title_->setText("　節気蔵干表（十干36度区分法）　　透派　");
    grid_->setColumnCount(4);
    grid_->setHorizontalHeaderLabels({"節気～６日目まで", "7～12日まで", "13日以降", "日数"});
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Schools schools;
    schools.hiddenStemSchool = kMinchouTouha;
    for (int b = 1; b <= 12; ++b) {
        // Which of the branch's stems rules each day range, by the month rule of the chart module.
        for (int range = 0; range < 3; ++range) {
            HiddenStemMoment moment;
            moment.depthTenths = kTouhaRangeStarts[range];
            const int slot = activeHiddenSlot(schools, PillarPosition::Month, b, moment);
            grid_->setCellWidget(
                b - 1, range, new StemListBox(hiddenStemEntry(kMinchouTouha, b, slot).stem, grid_));
        }
        QStringList spans;
        for (int slot = 1; slot <= hiddenStemCount(kMinchouTouha, b); ++slot) {
            const HiddenStemEntry entry = hiddenStemEntry(kMinchouTouha, b, slot);
            spans << qs(stemName(entry.stem)) + spanText(entry.spanHundredths);
        }
        grid_->setItem(b - 1, 3, numberItem(spans.join("　")));
    }
}

}  // namespace suimei
