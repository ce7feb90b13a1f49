#include "methods/ui/mansion_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/appraisal.h"
#include "app/settings.h"
#include "chart/mandata.h"
#include "core/notifier.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"
#include "core/ui/workbench.h"
#include "methods/mansion_relation.h"
#include "print/mansion_document.h"

namespace suimei {

namespace {

constexpr char kPictureTab[] = "宿曜教の人間関係相性図盤";

// The diagram as large as its tab allows, keeping its proportions.
class PictureView : public QWidget {
  public:
    explicit PictureView(QWidget* parent) : QWidget(parent) {
        setObjectName("picture");
        setMinimumSize(300, 300);
    }
    void setPicture(const QPixmap& picture) {
        picture_ = picture;
        update();
    }
    const QPixmap& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        if (picture_.isNull()) return;
        const QSize size = picture_.size().scaled(this->size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2),
                           size);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(target, picture_);
    }

  private:
    QPixmap picture_;
};

QPlainTextEdit* textPage(const char* name) {
    auto* text = new QPlainTextEdit;
    text->setObjectName(name);
    text->setReadOnly(true);
    return text;
}

void showLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    memo->clear();
    for (const std::string& line : lines) memo->appendPlainText(qs(line));
}

}  // namespace

MansionWindow::MansionWindow(WorkbenchHost& host, const AppraisalRunner& runner,
                             const AppPaths& paths, const Settings& settings, Notifier& notifier,
                             QWidget* parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      runner_(runner),
      paths_(paths),
      settings_(settings),
      notifier_(notifier) {
    setObjectName("MansionWindow");
    setWindowTitle(QStringLiteral("宿曜盤"));
    resize(660, 820);

    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabs");
    picture_ = new PictureView(tabs_);
    meaning_ = textPage("meaning");
    karma_ = textPage("karma");
    tabs_->addTab(picture_, qs(kPictureTab));
    tabs_->addTab(meaning_, qs(kMeaningTab));
    tabs_->addTab(karma_, qs(kKarmaTab));
    layout->addWidget(tabs_, 1);

    auto* relationBox = new QGroupBox(QStringLiteral("関係"), this);
    relationBox->setObjectName("relationGroup");
    auto* relationGrid = new QGridLayout(relationBox);
    relations_ = new QButtonGroup(this);
    for (int k = 0; k < kMansionRelationKindCount; ++k) {
        const auto kind = static_cast<MansionRelationKind>(k);
        auto* radio = new QRadioButton(qs(mansionRelationKindCaption(kind)), relationBox);
        relations_->addButton(radio, k);
        relationGrid->addWidget(radio, 0, k);
    }
    explanation_ = new QLabel(relationBox);
    explanation_->setObjectName("relationExplanation");
    explanation_->setWordWrap(true);
    relationGrid->addWidget(explanation_, 1, 0, 1, kMansionRelationKindCount);
    connect(relations_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on) return;
        explanation_->setText(
            qs(mansionRelationKindExplanation(static_cast<MansionRelationKind>(id))));
    });
    relations_->button(0)->setChecked(true);
    layout->addWidget(relationBox);

    auto* bottom = new QHBoxLayout;
    auto* printBox = new QGroupBox(QStringLiteral("印刷"), this);
    auto* printRow = new QHBoxLayout(printBox);
    printChoice_ = new QButtonGroup(this);
    int id = 0;
    for (const char* caption : {"宿星意味の印刷", "カルマの印刷"}) {
        auto* radio = new QRadioButton(qs(caption), printBox);
        printChoice_->addButton(radio, id++);
        printRow->addWidget(radio);
    }
    printChoice_->button(0)->setChecked(true);
    auto* print = new QPushButton(QStringLiteral("印刷"), printBox);
    print->setObjectName("printbtn");
    connect(print, &QPushButton::clicked, this, &MansionWindow::printChosen);
    printRow->addWidget(print);
    bottom->addWidget(printBox);
    bottom->addStretch();
    bottom->addWidget(makeCloseButton(this), 0, Qt::AlignBottom);
    layout->addLayout(bottom);
}

bool MansionWindow::fill() {
    std::string error;
    auto reading = readMansion(paths_, runner_.chart().mansionNumber, &error);
    if (!reading) {
        notifier_.error(error, "宿曜盤");
        return false;
    }
    QPixmap picture(QString::fromStdString(reading->picture.string()));
    if (picture.isNull()) {
        notifier_.error(mansionPictureName(reading->number) + " を読めません。", "宿曜盤");
        return false;
    }
    reading_ = std::move(reading);
    static_cast<PictureView*>(picture_)->setPicture(picture);
    showLines(meaning_, reading_->meaning);
    showLines(karma_, reading_->karma);
    return true;
}

bool MansionWindow::showMansionWindow() {
    if (!runner_.hasRun()) {
        notifier_.warn(kNoMansionText, "宿曜盤");
        return false;
    }
    if (!fill()) return false;
    presentSideWindow(this, parentWidget());
    return true;
}

bool MansionWindow::refresh() {
    if (fill()) return true;
    hide();
    return false;
}

QString MansionWindow::meaningText() const {
    return meaning_->toPlainText();
}

QString MansionWindow::karmaText() const {
    return karma_->toPlainText();
}

QString MansionWindow::relationExplanation() const {
    return explanation_->text();
}

void MansionWindow::printChosen() {
    if (!reading_) return;
    const bool meaning = printChoice_->checkedId() == 0;
    print::MansionDocumentContent content;
    content.title = meaning ? kMeaningTab : kKarmaTab;
    const QString formName = host_.clientName();
    content.clientName = formName.isEmpty() ? runner_.chart().nameText : formName.toStdString();
    content.birthLine = mansionBirthLine(runner_.chart());
    content.picturePath = reading_->picture.string();
    content.lines = meaning ? reading_->meaning : reading_->karma;
    content.practitionerName = settings_.practitionerName;
    content.practitionerTelephone = settings_.practitionerTelephone;
    PrintService::instance(notifier_).print(print::composeMansionDocument(content), this);
}

}  // namespace suimei
