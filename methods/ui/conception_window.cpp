#include "methods/ui/conception_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/settings.h"
#include "chart/mandata.h"
#include "core/notifier.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "core/ui/workbench.h"
#include "print/conception_document.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

constexpr const char* kLabelNames[6] = {"y10", "y12", "m10", "m12", "d10", "d12"};

constexpr char kOriginText[] =
    "天源占星術は、生まれた日から２６５日さかのぼった日を受胎の日（宿霊日）とみなし、その日の"
    "年・月・日の干支から生まれ持った気質を読み解く占術です。古くから伝わる干支と暦の考え方を"
    "もとに日本で受け継がれてきたもので、年の干支を大性、月の干支を中性、日の干支を小性と呼び、"
    "人生の時期ごとの素質を見ます。";

QLabel* pillarLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    label->setMinimumSize(44, 40);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.8);
    label->setFont(font);
    return label;
}

}  // namespace

Ttengenfrm::Ttengenfrm(const Tmandata& chart, WorkbenchHost& host, const Settings& settings,
                       const AppPaths& paths, Notifier& notifier, QWidget* parent)
    : QWidget(parent),
      chart_(chart),
      host_(host),
      settings_(settings),
      paths_(paths),
      notifier_(notifier) {
    setObjectName(QStringLiteral("Ttengenfrm"));
    setWindowTitle(qs(kConceptionCaption));
    resize(820, 600);

    auto* layout = new QHBoxLayout(this);
    auto* side = new QVBoxLayout;

    auto* pillars = new QGroupBox(QStringLiteral("受胎日の干支"), this);
    auto* grid = new QGridLayout(pillars);
    dateLabel_ = new QLabel(pillars);
    dateLabel_->setObjectName(QStringLiteral("ymdlbl"));
    grid->addWidget(dateLabel_, 0, 0, 1, 3);
    const char* headings[3] = {"年", "月", "日"};
    for (int p = 0; p < 3; ++p) {
        auto* heading = new QLabel(qs(headings[p]), pillars);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 1, p);
        for (int k = 0; k < 2; ++k) {
            QLabel* label = pillarLabel(kLabelNames[2 * p + k], pillars);
            pillarLabels_[static_cast<std::size_t>(2 * p + k)] = label;
            grid->addWidget(label, 2 + k, p);
        }
    }
    side->addWidget(pillars);

    connect(addButton(side, "nenbtn", "年性文章生成"), &QPushButton::clicked, this,
            [this] { appendBlock(ConceptionPillar::Year); });
    connect(addButton(side, "tukibtn", "月性文章生成"), &QPushButton::clicked, this,
            [this] { appendBlock(ConceptionPillar::Month); });
    connect(addButton(side, "nitibtn", "日性文章生成"), &QPushButton::clicked, this,
            [this] { appendBlock(ConceptionPillar::Day); });
    connect(addButton(side, "clearbtn", "文章クリア"), &QPushButton::clicked, this,
            [this] { memo_->clear(); });
    connect(addButton(side, "printbtn", "印刷"), &QPushButton::clicked, this,
            &Ttengenfrm::printClick);
    connect(addButton(side, "printsetbtn", "プリンタ設定"), &QPushButton::clicked, this,
            &Ttengenfrm::printerSetupClick);
    side->addStretch(1);
    connect(addButton(side, "closebtn", "閉じる(&C)"), &QPushButton::clicked, this,
            &QWidget::close);
    layout->addLayout(side);

    auto* right = new QVBoxLayout;
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    right->addWidget(memo_, 1);
    auto* origin = new QLabel(qs(kOriginText), this);
    origin->setObjectName(QStringLiteral("Panel1"));
    origin->setWordWrap(true);
    origin->setFrameShape(QFrame::StyledPanel);
    origin->setMargin(6);
    right->addWidget(origin);
    layout->addLayout(right, 1);

    loadChart();
}

Ttengenfrm::~Ttengenfrm() = default;

QPushButton* Ttengenfrm::addButton(QBoxLayout* column, const char* name, const char* caption) {
    auto* button = new QPushButton(qs(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    column->addWidget(button);
    return button;
}

void Ttengenfrm::loadChart() {
    dateLabel_->setText(qs(conceptionDateLabel(chart_)));
    const auto labels = conceptionPillarLabels(chart_);
    for (std::size_t i = 0; i < labels.size(); ++i) pillarLabels_[i]->setText(qs(labels[i]));
    memo_->clear();
}

QStringList Ttengenfrm::memoLines() const {
    if (memo_->document()->isEmpty()) return {};
    return memo_->toPlainText().split(QLatin1Char('\n'));
}

QLabel* Ttengenfrm::label(const char* objectName) const {
    return findChild<QLabel*>(QString::fromLatin1(objectName));
}

void Ttengenfrm::appendBlock(ConceptionPillar pillar) {
    if (!table_) {
        std::string error;
        table_ = Table::open(readingTablePath(paths_, ReadingTableKind::ConceptionDay),
                             readingTableDef(ReadingTableKind::ConceptionDay), false, &error);
        if (!table_) {
            notifier_.error("天源データベース（tengen.db）が開けません。\n" + error);
            return;
        }
    }
    for (const std::string& line : conceptionBlock(pillar, chart_, *table_)) {
        memo_->appendPlainText(qs(line));
    }
}

void Ttengenfrm::printClick() {
    print::ConceptionDocumentContent content;
    content.clientName = host_.clientName().toStdString();
    for (const QString& line : memoLines()) content.memoLines.push_back(line.toStdString());
    content.practitionerName = settings_.practitionerName;
    content.practitionerTelephone = settings_.practitionerTelephone;
    PrintService::instance(notifier_).print(print::composeConceptionDocument(content), this);
}

void Ttengenfrm::printerSetupClick() {
    // The print service keeps one printer for every print, so the choice holds for the next.
    PrintService::instance(notifier_).setupPrinter(this);
}

}  // namespace suimei
