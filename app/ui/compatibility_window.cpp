#include "app/ui/compatibility_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart/mandata.h"
#include "core/notifier.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "print/compatibility_sheet.h"

namespace suimei {

// The strip between the two people's pillars: one horizontal line a relation, coloured by its
// code, with its arrow head where the code has one.
class RelationCanvas : public QWidget {
  public:
    RelationCanvas(const std::array<CompatibilityLine, 3>& lines, QWidget* parent)
        : QWidget(parent), lines_(lines) {
        setObjectName("relationCanvas");
        setMinimumWidth(120);
    }
    // The row of each line (day stem, day branch, month branch), as a button of the client's side.
    std::array<QWidget*, 3> rows{};

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const CompatibilityLine& l = lines_[i];
            if (l.code == 0 || rows[i] == nullptr) continue;
            const double y =
                rows[i]->mapTo(parentWidget(), rows[i]->rect().center()).y() - geometry().top();
            const QColor colour(static_cast<QRgb>(l.colour));
            const double left = 6, right = width() - 6;
            p.setPen(QPen(colour, 3));
            p.drawLine(QPointF(left, y), QPointF(right, y));
            if (l.arrow == RelationArrow::None) continue;
            const bool toRight = l.arrow == RelationArrow::ToPartner;
            const double tip = toRight ? right : left;
            const double back = toRight ? tip - 12 : tip + 12;
            QPainterPath head;
            head.moveTo(tip, y);
            head.lineTo(back, y - 7);
            head.lineTo(back, y + 7);
            head.closeSubpath();
            p.fillPath(head, colour);
        }
    }

  private:
    const std::array<CompatibilityLine, 3>& lines_;
};

namespace {

const char* const kMethodText =
    "　日柱をメインに相性をみます。次に五行全体をみます。補う関係が良い。";

// Button colours by element, as the chart page shows the stems and branches.
QString elementStyle(int element) {
    static const char* const kColours[] = {"#f0f0f0", "#c8f0c8", "#f8c8c8",
                                           "#e8d8b0", "#f4ecb0", "#c8d8f8"};
    const int e = element >= 1 && element <= 5 ? element : 0;
    return QString("QPushButton{background:%1;border:1px solid #808080;font-size:15px;}")
        .arg(kColours[e]);
}

QPushButton* pillarButton(const QString& name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumSize(56, 32);
    b->setStyleSheet(elementStyle(0));
    return b;
}

QCheckBox* readOnlyCheck(const QString& text, const QString& name, QWidget* parent) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    // Shows a fact of the two charts; the reader does not tick it.
    c->setAttribute(Qt::WA_TransparentForMouseEvents);
    c->setFocusPolicy(Qt::NoFocus);
    return c;
}

}  // namespace

Taisyofrm::Taisyofrm(CompatibilityEngine& engine, const Tmandata& client, AppraisalInput settings,
                     PassageTable* passages, Notifier& notifier, QWidget* parent)
    : QDialog(parent),
      engine_(engine),
      client_(client),
      settings_(std::move(settings)),
      passages_(passages),
      notifier_(notifier) {
    setObjectName("Taisyofrm");
    setWindowTitle("相性診断");

    auto* method = new QLabel(kMethodText, this);
    method->setObjectName("Panel1");
    method->setWordWrap(true);

    // Partner input.
    auto* input = new QGroupBox("お相手の生年月日", this);
    auto* form = new QGridLayout(input);
    partnerName_ = new QLineEdit(input);
    partnerName_->setObjectName("aitename");
    partnerName_->setPlaceholderText("氏名");
    partnerName_->setToolTip("氏名は特に入力する必要はありません。");
    female_ = new QCheckBox("女", input);
    female_->setObjectName("femalecheck");
    partnerDate_ = new QLineEdit(input);
    partnerDate_->setObjectName("aitebirth");
    partnerDate_->setToolTip("1960/5/29といった形で入力して下さい。");
    era_ = new QComboBox(input);
    era_->setObjectName("eracombo");
    era_->addItems({"西暦", "昭和", "大正"});
    timeb_ = new QComboBox(input);
    timeb_->setObjectName("timeb");
    timeb_->setPlaceholderText("時刻を指定");
    for (int i = 0; i < kPartnerTimeChoices; ++i) {
        int h = 0, m = 0;
        partnerBirthTime(i, h, m);
        timeb_->addItem(QString("%1:%2").arg(h, 2, 10, QChar('0')).arg(m, 2, 10, QChar('0')));
    }
    timeb_->setCurrentIndex(-1);
    auto* run = new QPushButton("鑑定実行", input);
    run->setObjectName("Button1");
    form->addWidget(new QLabel("氏名", input), 0, 0);
    form->addWidget(partnerName_, 0, 1, 1, 2);
    form->addWidget(female_, 0, 3);
    form->addWidget(new QLabel("生年月日", input), 1, 0);
    form->addWidget(partnerDate_, 1, 1);
    form->addWidget(era_, 1, 2);
    form->addWidget(new QLabel("例)1957/5/6", input), 1, 3);
    form->addWidget(new QLabel("時刻", input), 2, 0);
    form->addWidget(timeb_, 2, 1);
    form->addWidget(run, 2, 2, 1, 2);

    // The two charts with the relation strip between them.
    auto* charts = new QWidget(this);
    auto* grid = new QGridLayout(charts);
    grid->setHorizontalSpacing(4);
    clientName_ = new QLabel(charts);
    clientName_->setObjectName("clientname");
    clientVoid_ = new QLabel(charts);
    clientVoid_->setObjectName("clientvoid");
    auto* partnerHeading = new QLabel("お相手", charts);
    partnerHeading->setObjectName("partnername");
    partnerVoid_ = new QLabel(charts);
    partnerVoid_->setObjectName("partnervoid");
    grid->addWidget(clientName_, 0, 0, 1, 2);
    grid->addWidget(clientVoid_, 1, 0, 1, 2);
    grid->addWidget(partnerHeading, 0, 3, 1, 2);
    grid->addWidget(partnerVoid_, 1, 3, 1, 2);
    // Rows: day stem, day branch, month stem, month branch, year stem, year branch.
    const char* const pillarNames[] = {"year", "month", "day"};
    const char* const rowLabels[] = {"日干", "日支", "月干", "月支", "年干", "年支"};
    for (int r = 0; r < 6; ++r) {
        const int pillar = 2 - r / 2;  // day, month, year
        const bool stem = r % 2 == 0;
        const QString base = QString(pillarNames[pillar]) + (stem ? "stem" : "branch");
        QPushButton* c = pillarButton("client" + base, charts);
        QPushButton* p = pillarButton("partner" + base, charts);
        (stem ? clientPillars_.stems : clientPillars_.branches)[static_cast<std::size_t>(pillar)] =
            c;
        (stem ? partnerPillars_.stems
              : partnerPillars_.branches)[static_cast<std::size_t>(pillar)] = p;
        grid->addWidget(new QLabel(rowLabels[r], charts), r + 2, 0);
        grid->addWidget(c, r + 2, 1);
        grid->addWidget(p, r + 2, 3);
        grid->addWidget(new QLabel(rowLabels[r], charts), r + 2, 4);
    }
    canvas_ = new RelationCanvas(lines_, charts);
    canvas_->rows = {clientPillars_.stems[2], clientPillars_.branches[2],
                     clientPillars_.branches[1]};
    grid->addWidget(canvas_, 2, 2, 6, 1);

    // The partner's facts.
    auto* facts = new QGroupBox("お相手の身強・身弱", this);
    auto* factGrid = new QGridLayout(facts);
    const char* const gaugeNames[] = {"gaugemonth", "gaugeelements", "gaugestages", "gaugetotal"};
    const char* const gaugeLabels[] = {"月令", "五行強弱", "十二運星", "総合"};
    for (int i = 0; i < 4; ++i) {
        auto* bar = new QProgressBar(facts);
        bar->setObjectName(gaugeNames[i]);
        bar->setRange(0, 100);
        bar->setValue(0);
        gauges_[static_cast<std::size_t>(i)] = bar;
        factGrid->addWidget(new QLabel(gaugeLabels[i], facts), i, 0);
        factGrid->addWidget(bar, i, 1);
    }
    strengthClass_ = new QLabel(facts);
    strengthClass_->setObjectName("strengthclass");
    season_ = new QLabel(facts);
    season_->setObjectName("seasonlabel");
    mansion_ = new QLabel(facts);
    mansion_->setObjectName("mansionlabel");
    sameVoid_ = readOnlyCheck("同一空亡", "samevoid", facts);
    mutualVoid_ = readOnlyCheck("互換空亡", "mutualvoid", facts);
    factGrid->addWidget(strengthClass_, 4, 0);
    factGrid->addWidget(season_, 4, 1);
    factGrid->addWidget(mansion_, 5, 0, 1, 2);
    factGrid->addWidget(sameVoid_, 6, 0);
    factGrid->addWidget(mutualVoid_, 6, 1);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    memo_->setMinimumSize(560, 220);

    auto* printButton = new QPushButton("印刷", this);
    printButton->setObjectName("printbtn");
    auto* energyButton = new QPushButton("五行エネルギー", this);
    energyButton->setObjectName("energybtn");
    auto* close = new QPushButton("閉じる", this);
    close->setObjectName("closebtn");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(energyButton);
    buttons->addWidget(printButton);
    buttons->addWidget(close);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(input);
    left->addWidget(charts);
    top->addLayout(left, 3);
    top->addWidget(facts, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(method);
    layout->addLayout(top);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);

    connect(run, &QPushButton::clicked, this, &Taisyofrm::Button1Click);
    connect(printButton, &QPushButton::clicked, this, &Taisyofrm::printbtnClick);
    connect(energyButton, &QPushButton::clicked, this, &Taisyofrm::energyRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    clientName_->setText(qs(client_.nameText.empty() ? "お客様" : client_.nameText));
    clientVoid_->setText(qs(partnerFactsOf(client_).voidText));
    showPillars(clientPillars_, client_);
}

void Taisyofrm::showPillars(PillarButtons& buttons, const Tmandata& chart) {
    for (int i = 0; i < 3; ++i) {
        const PillarBlock& block = chart.pillarAt(i);
        QPushButton* s = buttons.stems[static_cast<std::size_t>(i)];
        QPushButton* b = buttons.branches[static_cast<std::size_t>(i)];
        s->setText(qs(stemName(block.stem)));
        s->setStyleSheet(elementStyle(elementOfStem(block.stem)));
        b->setText(qs(branchName(block.branch)));
        b->setStyleSheet(elementStyle(elementOfBranch(block.branch)));
    }
}

void Taisyofrm::Button1Click() {
    // Before anything is touched, so a bad date leaves the window and the partner as they were.
    PartnerInput in;
    in.name = partnerName_->text().trimmed().toStdString();
    in.dateText = partnerDate_->text().toStdString();
    in.era = era_->currentIndex() + 1;
    in.timeIndex = timeb_->currentIndex();
    in.female = female_->isChecked();
    settings_.today = {QDate::currentDate().year(), QDate::currentDate().month(),
                       QDate::currentDate().day()};
    if (engine_.runPartner(in, settings_, notifier_) != AppraisalStatus::Completed) return;

    partnerShown_ = true;
    const Tmandata& partner = engine_.partner();
    partnerDate_->setText(qs(engine_.partnerDateText()));
    era_->setCurrentIndex(0);
    const PartnerFacts facts = partnerFactsOf(partner);
    partnerVoid_->setText(qs(facts.voidText));
    const std::array<int, 4> values = {facts.gaugeMonthCommand, facts.gaugeElements,
                                       facts.gaugeStages, facts.gaugeTotal};
    for (std::size_t i = 0; i < 4; ++i) gauges_[i]->setValue(values[i]);
    strengthClass_->setText(qs(facts.strengthClass));
    season_->setText(qs(facts.seasonText));
    mansion_->setText(qs(facts.mansionText));
    const VoidChecks voids = voidChecks(client_, partner);
    sameVoid_->setChecked(voids.same);
    mutualVoid_->setChecked(voids.mutual);
    showPillars(partnerPillars_, partner);
    lines_ = compatibilityLines(client_, partner);
    canvas_->update();

    memo_->clear();
    const std::vector<std::string> memo = compatibilityMemo(client_, partner, passages_);
    QStringList text;
    for (const std::string& line : memo) text << qs(line);
    memo_->setPlainText(text.join('\n'));
}

std::vector<std::string> Taisyofrm::memoLines() const {
    std::vector<std::string> out;
    const QString text = memo_->toPlainText();
    if (text.isEmpty()) return out;
    for (const QString& line : text.split('\n')) out.push_back(line.toStdString());
    return out;
}

void Taisyofrm::printbtnClick() {
    print::CompatibilitySheetContent content;
    content.clientName = client_.nameText;
    content.client = &client_;
    if (partnerShown_) {
        content.partnerName =
            engine_.partner().nameText.empty() ? "お相手" : engine_.partner().nameText;
        content.partner = &engine_.partner();
    }
    content.memoLines = memoLines();
    if (footerSettings_ != nullptr) {
        content.practitionerName = footerSettings_->practitionerName;
        content.practitionerTelephone = footerSettings_->practitionerTelephone;
    }
    PrintService::instance(notifier_).print(print::composeCompatibilitySheet(content), this);
}

}  // namespace suimei
