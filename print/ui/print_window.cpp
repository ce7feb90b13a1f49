#include "print/ui/print_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <filesystem>

#include "app/appraisal.h"
#include "app/appraisal_documents.h"
#include "app/settings.h"
#include "chart/mandata.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "print/chart_document.h"
#include "print/cover_document.h"
#include "print/general_report.h"
#include "print/practical_document.h"
#include "print/ui/basic_knowledge_window.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

constexpr std::array<const char*, 13> kMonthItems = {"１月",   "２月",   "３月",  "４月", "５月",
                                                     "６月",   "７月",   "８月",  "９月", "１０月",
                                                     "１１月", "１２月", "１年分"};
constexpr int kYearChoices = 6;  // this year and the five following

// An age label: a click chooses its luck column.
class AgeLabel : public QLabel {
  public:
    AgeLabel(std::function<void()> clicked, QWidget* parent)
        : QLabel(parent), clicked_(std::move(clicked)) {
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && !text().isEmpty()) clicked_();
        QLabel::mousePressEvent(event);
    }

  private:
    std::function<void()> clicked_;
};

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setMinimumHeight(28);
    return b;
}

// Turns the hourglass on for as long as a print command works.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

Tprntfrm::Tprntfrm(const Workbench& bench, QWidget* parent) : QWidget(parent), bench_(bench) {
    setObjectName(QStringLiteral("Tprntfrm"));
    setWindowTitle(qs(kPrintWindowCaption));
    auto* layout = new QVBoxLayout(this);

    // Calendar year and month.
    auto* calendar = new QHBoxLayout;
    years_ = new QComboBox(this);
    years_->setObjectName(QStringLiteral("nendosel"));
    refreshYears();
    calendar->addWidget(years_, 0, Qt::AlignTop);
    auto* monthBox = new QGroupBox(this);
    monthBox->setObjectName(QStringLiteral("RadioG1"));
    auto* monthGrid = new QGridLayout(monthBox);
    months_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(kMonthItems.size()); ++i) {
        auto* r =
            new QRadioButton(QString::fromUtf8(kMonthItems[static_cast<std::size_t>(i)]), monthBox);
        r->setObjectName(QStringLiteral("month%1").arg(i + 1));
        monthGrid->addWidget(r, i / 7, i % 7);
        months_->addButton(r, i + 1);  // 13 is the whole year
    }
    months_->button(QDate::currentDate().month())->setChecked(true);
    calendar->addWidget(monthBox, 1);
    layout->addLayout(calendar);

    auto* middle = new QHBoxLayout;
    auto* coverBox = new QGroupBox(QStringLiteral("表紙の種類を指定して下さい"), this);
    coverBox->setObjectName(QStringLiteral("Titlesel"));
    auto* coverLines = new QVBoxLayout(coverBox);
    covers_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(print::kCoverNames.size()); ++i) {
        auto* r = new QRadioButton(
            QString::fromUtf8(print::kCoverNames[static_cast<std::size_t>(i)]), coverBox);
        r->setObjectName(QStringLiteral("cover%1").arg(i));
        coverLines->addWidget(r);
        covers_->addButton(r, i);
    }
    covers_->button(0)->setChecked(true);
    middle->addWidget(coverBox);

    auto* documents = new QVBoxLayout;
    hardCopy_ = new QCheckBox(QStringLiteral("ハードコピー印刷(そのままのイメージ印刷)"), this);
    hardCopy_->setObjectName(QStringLiteral("hcopyprn"));
    chartDoc_ = new QCheckBox(QStringLiteral("命式表鑑定書印刷"), this);
    chartDoc_->setObjectName(QStringLiteral("meisikiprn"));
    chartDoc_->setChecked(true);
    practicalDoc_ = new QCheckBox(QStringLiteral("実践鑑定書印刷(１０年間)"), this);
    practicalDoc_->setObjectName(QStringLiteral("jissenprn"));
    practicalDoc_->setChecked(true);
    for (QCheckBox* box : {hardCopy_, chartDoc_, practicalDoc_}) documents->addWidget(box);
    auto* office = new QGridLayout;
    office->addWidget(new QLabel(QStringLiteral("鑑定士名（事務所名）"), this), 0, 0);
    officeName_ = new QLineEdit(this);
    officeName_->setObjectName(QStringLiteral("officename"));
    officeName_->setMaxLength(40);
    office->addWidget(officeName_, 0, 1);
    office->addWidget(new QLabel(QStringLiteral("電話番号"), this), 1, 0);
    officeTel_ = new QLineEdit(this);
    officeTel_->setObjectName(QStringLiteral("officetel"));
    officeTel_->setMaxLength(20);
    office->addWidget(officeTel_, 1, 1);
    for (QLineEdit* field : {officeName_, officeTel_}) {
        connect(field, &QLineEdit::editingFinished, this, [this] { storePractitioner(); });
    }
    documents->addLayout(office);
    documents->addStretch(1);
    middle->addLayout(documents, 1);
    layout->addLayout(middle);

    auto* agePrompt = new QLabel(QStringLiteral("下記より年齢を指定して下さい。"), this);
    agePrompt->setObjectName(QStringLiteral("agelbl"));
    layout->addWidget(agePrompt);
    auto* ages = new QWidget(this);
    ages->setObjectName(QStringLiteral("agepanel"));
    ages->setFixedSize(kAgeLabelPitch * kPracticalColumns, 24);
    for (int k = 0; k < kPracticalColumns; ++k) {
        auto* label = new AgeLabel([this, k] { selectAge(k + 1); }, ages);
        label->setObjectName(QStringLiteral("nenrei%1").arg(k + 1));
        label->setGeometry(k * kAgeLabelPitch, 2, kAgeLabelPitch - 4, 20);
        ageLabels_[static_cast<std::size_t>(k)] = label;
    }
    layout->addWidget(ages);

    auto* buttons = new QGridLayout;
    struct Entry {
        const char* name;
        const char* caption;
        void (Tprntfrm::*click)();
    };
    const Entry entries[] = {
        {"okbtn", "印刷開始", &Tprntfrm::okbtnClick},
        {"hyosibtn", "表紙印刷", &Tprntfrm::hyosibtnClick},
        {"kisoprn", "基礎事項印刷", &Tprntfrm::kisoprnClick},
        {"sougouprint", "総合診断書印刷", &Tprntfrm::sougouprintClick},
        {"cakenderbtn", "開運カレンダー印刷", &Tprntfrm::cakenderbtnClick},
        {"syukubtn", "宿曜カレンダー印刷", &Tprntfrm::syukubtnClick},
        {"prnbtn", "プリンタ設定", &Tprntfrm::prnbtnClick},
    };
    int i = 0;
    for (const Entry& e : entries) {
        QPushButton* b = button(e.name, e.caption, this);
        connect(b, &QPushButton::clicked, this, e.click);
        buttons->addWidget(b, i / 4, i % 4);
        ++i;
    }
    QPushButton* cancel = button("cancelbtn", "閉じる", this);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(cancel, i / 4, i % 4);
    layout->addLayout(buttons);

    connect(&bench_.registry, &WindowRegistry::appraisalCompleted, this, [this] { refreshAges(); });
    refreshAges();
    loadPractitioner();
}

Tprntfrm::~Tprntfrm() = default;

void Tprntfrm::refreshYears() {
    const int thisYear = QDate::currentDate().year();
    if (years_->count() > 0 && years_->itemData(0).toInt() == thisYear) return;
    years_->clear();
    for (int y = thisYear; y < thisYear + kYearChoices; ++y) {
        years_->addItem(QString::number(y) + QStringLiteral("年度"), y);
    }
}

void Tprntfrm::refreshAges() {
    columns_.clear();
    if (bench_.runner.hasRun()) columns_ = practicalLuckColumns(bench_.runner.chart());
    for (std::size_t k = 0; k < ageLabels_.size(); ++k) {
        ageLabels_[k]->setText(
            k < columns_.size() ? qs(print::luckAgeRangeText(columns_[k].startAge)) : QString());
    }
    selectAge(0);
}

void Tprntfrm::selectAge(int column) {
    selected_ = column >= 1 && column <= static_cast<int>(columns_.size()) ? column : 0;
    for (std::size_t k = 0; k < ageLabels_.size(); ++k) {
        const bool chosen = static_cast<int>(k) + 1 == selected_;
        ageLabels_[k]->setStyleSheet(chosen ? QStringLiteral("color:#ff0000;font-weight:bold")
                                            : QString());
    }
}

void Tprntfrm::loadPractitioner() {
    officeName_->setText(qs(bench_.settings.practitionerName));
    officeTel_->setText(qs(bench_.settings.practitionerTelephone));
}

void Tprntfrm::storePractitioner() {
    const std::string name = officeName_->text().trimmed().toStdString();
    const std::string tel = officeTel_->text().trimmed().toStdString();
    Settings& settings = bench_.settings;
    if (name == settings.practitionerName && tel == settings.practitionerTelephone) return;
    if (!bench_.store.savePractitioner(name, tel)) {
        // The documents still carry what was typed; the file keeps its previous entry.
        bench_.notifier.warn(
            "設定ファイルに書き込めませんでした。\n" + bench_.store.iniFile().string(),
            kPrintWindowCaption);
    }
    settings.practitionerName = name;
    settings.practitionerTelephone = tel;
    emit bench_.registry.settingsChanged();
}

int Tprntfrm::chosenYear() const {
    return years_->currentData().toInt();
}

int Tprntfrm::chosenMonth() const {
    const int id = months_->checkedId();
    return id >= 1 && id <= 12 ? id : 0;
}

int Tprntfrm::chosenCover() const {
    return std::max(0, covers_->checkedId());
}

bool Tprntfrm::needsRun() const {
    if (bench_.runner.hasRun()) return false;
    bench_.notifier.warn(kPrintNeedsRunText);
    return true;
}

print::PrintDocument Tprntfrm::chartDocument() const {
    return chartDocumentOf(bench_.runner, bench_.settings);
}

print::PrintDocument Tprntfrm::practicalDocument() const {
    return practicalDocumentOf(bench_.runner, bench_.settings, selected_);
}

print::PrintDocument Tprntfrm::coverDocument() const {
    return coverDocumentOf(bench_.runner, bench_.settings, bench_.paths.hyousiDir(), chosenCover());
}

print::PrintDocument Tprntfrm::generalReport() {
    if (!passages_) {
        std::string error;
        passages_ = PassageTable::open(bench_.paths, &error);
        if (!passages_) {
            bench_.notifier.error("鑑定文章データベースが開けません: " + error);
            return {};
        }
    }
    return generalReportOf(bench_.runner, bench_.settings, *passages_);
}

void Tprntfrm::okbtnClick() {
    storePractitioner();
    if (!hardCopy_->isChecked() && !chartDoc_->isChecked() && !practicalDoc_->isChecked()) return;
    if (needsRun()) return;
    BusyCursor busy;
    PrintService& service = PrintService::instance(bench_.notifier);
    if (hardCopy_->isChecked()) {
        // The hard copy stands upright, the window scaled to the page's width.
        service.printWidget(*bench_.host.hostWindow(), QString::fromUtf8(kHardCopyTitle), true);
    }
    if (chartDoc_->isChecked()) service.print(chartDocument(), this);
    if (practicalDoc_->isChecked()) {
        if (selected_ == 0) {
            bench_.notifier.info(kNoAgeChosenText, kNoAgeChosenCaption);
        } else {
            service.print(practicalDocument(), this);
        }
    }
}

void Tprntfrm::hyosibtnClick() {
    storePractitioner();
    const std::filesystem::path picture =
        print::coverPicturePath(bench_.paths.hyousiDir(), chosenCover());
    std::error_code error;
    if (!std::filesystem::is_regular_file(picture, error)) {
        bench_.notifier.error("表紙の絵が見つかりません。\n" + picture.string(),
                              kPrintWindowCaption);
        return;
    }
    PrintService::instance(bench_.notifier).print(coverDocument(), this);
}

void Tprntfrm::kisoprnClick() {
    storePractitioner();
    if (!kiso_) kiso_ = new Tkisofrm(bench_, this);
    if (kiso_->loadText()) presentSideWindow(kiso_, this);
}

void Tprntfrm::sougouprintClick() {
    storePractitioner();
    if (needsRun()) return;
    BusyCursor busy;
    const print::PrintDocument report = generalReport();
    if (report.pages.empty()) return;
    PrintService::instance(bench_.notifier).print(report, this);
}

void Tprntfrm::cakenderbtnClick() {
    storePractitioner();
    if (needsRun()) return;
    emit fortuneCalendarRequested(chosenYear(), chosenMonth());
}

void Tprntfrm::syukubtnClick() {
    storePractitioner();
    if (needsRun()) return;
    emit mansionCalendarRequested(chosenYear(), chosenMonth());
}

void Tprntfrm::prnbtnClick() {
    PrintService::instance(bench_.notifier).setupPrinter(this);
}

}  // namespace suimei
