#include "methods/ui/illness_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/settings.h"
#include "chart/mandata.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"
#include "core/ui/workbench.h"
#include "methods/illness.h"
#include "methods/ui/illness_examples_window.h"
#include "print/illness_document.h"

namespace suimei {

namespace {

QPushButton* addButton(QVBoxLayout* column, const char* caption, const char* name, QWidget* owner) {
    auto* button = new QPushButton(QString::fromUtf8(caption), owner);
    button->setObjectName(QString::fromLatin1(name));
    column->addWidget(button);
    return button;
}

}  // namespace

Tbyoukifrm::Tbyoukifrm(const Tmandata& chart, WorkbenchHost& host, const Settings& settings,
                       Notifier& notifier, QWidget* parent)
    : QWidget(parent), chart_(chart), host_(host), settings_(settings), notifier_(notifier) {
    setObjectName(QStringLiteral("Tbyoukifrm"));
    setWindowTitle(qs(kIllnessCaption));
    auto* layout = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    auto* organs = new QGroupBox(QStringLiteral("五行が司る臓器と働き"), this);
    auto* organLines = new QVBoxLayout(organs);
    for (int e = 1; e <= 5; ++e) {
        auto* label = new QLabel(qs(illnessOrganLine(e)), organs);
        label->setObjectName(QStringLiteral("Label%1").arg(e));
        label->setWordWrap(true);
        organLines->addWidget(label);
    }
    left->addWidget(organs);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    QFont font = memo_->font();
    font.setPointSize(11);
    memo_->setFont(font);
    left->addWidget(memo_, 1);
    layout->addLayout(left, 1);

    auto* column = new QVBoxLayout;
    connect(addButton(column, "基本文章の作成", "kihonbtn", this), &QPushButton::clicked, this,
            &Tbyoukifrm::composeClick);
    food_ = new QComboBox(this);
    food_->setObjectName(QStringLiteral("foodbox"));
    food_->setPlaceholderText(QStringLiteral("食物の選択"));
    for (int e = 1; e <= 5; ++e) food_->addItem(qs(illnessFoodChoice(e)));
    food_->setCurrentIndex(-1);
    food_->setToolTip(QStringLiteral("選んだ五行を補助する食物を文章に加えます"));
    // Every choice appends, the same item chosen again too.
    connect(food_, &QComboBox::activated, this, &Tbyoukifrm::foodChosen);
    column->addWidget(food_);
    connect(addButton(column, "全削除", "delbtn", this), &QPushButton::clicked, this,
            &Tbyoukifrm::clearClick);
    connect(addButton(column, "具体例", "reibtn", this), &QPushButton::clicked, this,
            &Tbyoukifrm::examplesClick);
    connect(addButton(column, "印刷", "insatubtn", this), &QPushButton::clicked, this,
            &Tbyoukifrm::printClick);
    column->addStretch(1);
    column->addWidget(makeCloseButton(this));
    layout->addLayout(column);
    resize(760, 600);

    composeClick();
}

QStringList Tbyoukifrm::memoLines() const {
    if (memo_->document()->isEmpty()) return {};
    return memo_->toPlainText().split(QLatin1Char('\n'));
}

void Tbyoukifrm::appendLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) memo_->appendPlainText(qs(line));
}

void Tbyoukifrm::composeClick() {
    memo_->clear();
    appendLines(illnessBasicText(chart_.elementPoints));
}

void Tbyoukifrm::foodChosen(int index) {
    appendLines(illnessFoodLines(index + 1));
}

void Tbyoukifrm::clearClick() {
    memo_->clear();
}

void Tbyoukifrm::examplesClick() {
    if (!examples_) examples_ = new Tbyokifrm2(this);
    presentSideWindow(examples_, this);
}

void Tbyoukifrm::printClick() {
    print::MemoDocumentContent content;
    content.clientName = host_.clientName().toStdString();
    for (const QString& line : memoLines()) content.memoLines.push_back(line.toStdString());
    content.practitionerName = settings_.practitionerName;
    content.practitionerTelephone = settings_.practitionerTelephone;
    PrintService::instance(notifier_).print(print::composeIllnessDocument(std::move(content)),
                                            this);
}

}  // namespace suimei
