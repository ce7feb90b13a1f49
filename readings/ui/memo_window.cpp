#include "readings/ui/memo_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/settings.h"
#include "chart/mandata.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "core/ui/workbench.h"
#include "print/memo_document.h"
#include "readings/ui/medicine_window.h"

namespace suimei {

Tmemofrm::Tmemofrm(WorkbenchHost& host, const Tmandata& chart, PassageTable& passages,
                   const AppPaths& paths, Notifier& notifier, QWidget* parent)
    : QWidget(parent),
      host_(host),
      chart_(chart),
      passages_(passages),
      paths_(paths),
      notifier_(notifier) {
    setObjectName(QStringLiteral("Tmemofrm"));
    setWindowTitle(qs(kMemoCaption));
    resize(920, 640);
    auto* layout = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    auto* modes = new QGroupBox(this);
    auto* modeLine = new QHBoxLayout(modes);
    professional_ = new QRadioButton(qs(kMemoProfessionalModeCaption), modes);
    professional_->setObjectName(QStringLiteral("RadioButton1"));
    general_ = new QRadioButton(qs(kMemoGeneralModeCaption), modes);
    general_->setObjectName(QStringLiteral("RadioButton2"));
    for (QRadioButton* r : {professional_, general_}) {
        r->setToolTip(qs(kMemoHintByMode));
        modeLine->addWidget(r);
    }
    modeLine->addStretch(1);
    professional_->setChecked(true);
    left->addWidget(modes);

    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("DBMemo1"));
    QFont font = editor_->font();
    font.setPointSize(11);
    editor_->setFont(font);
    left->addWidget(editor_, 1);
    layout->addLayout(left, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    for (const MemoButtonEntry& b : kMemoButtons) {
        auto* button = new QPushButton(qs(b.caption), this);
        button->setObjectName(qs(b.name));
        button->setToolTip(qs(b.byMode ? kMemoHintByMode : kMemoHintSame));
        button->setMinimumHeight(30);
        const MemoButtonEntry* entry = &b;
        connect(button, &QPushButton::clicked, this, [this, entry] { buttonClick(*entry); });
        if (b.action == MemoAction::Clear || b.action == MemoAction::End) buttons->addSpacing(10);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
}

Tmemofrm::~Tmemofrm() = default;

ReadingMode Tmemofrm::mode() const {
    return general_->isChecked() ? ReadingMode::General : ReadingMode::Professional;
}

void Tmemofrm::showClientMemo() {
    const QString text = host_.clientMemo();
    if (editor_->toPlainText() != text) editor_->setPlainText(text);
}

void Tmemofrm::storeMemo() {
    const QString text = editor_->toPlainText();
    if (text != host_.clientMemo()) host_.setClientMemo(text);
}

bool Tmemofrm::press(const QString& name) {
    const MemoButtonEntry* entry = memoButtonNamed(name.toStdString());
    if (!entry) return false;
    buttonClick(*entry);
    return true;
}

void Tmemofrm::appendLines(const std::vector<std::string>& lines) {
    const std::string text = appendMemoLines(editor_->toPlainText().toStdString(), lines);
    editor_->setPlainText(QString::fromStdString(text));
    editor_->moveCursor(QTextCursor::End);
    editor_->ensureCursorVisible();
    host_.setClientMemo(editor_->toPlainText());
}

void Tmemofrm::buttonClick(const MemoButtonEntry& button) {
    if (button.needsRun && memoNeedsRun(chart_)) {
        notifier_.warn(kMemoNotRunText);
        return;
    }
    switch (button.action) {
        case MemoAction::Passage:
            appendLines(memoPassageLines(button, mode(), chart_, passages_));
            break;
        case MemoAction::OnePoint:
            appendLines(onePointButtonLines(chart_));
            break;
        case MemoAction::Clear:
            editor_->clear();
            host_.setClientMemo(QString());
            break;
        case MemoAction::Print:
            printMemo();
            break;
        case MemoAction::Medicine:
            openMedicine();
            break;
        case MemoAction::SixtyPillar:
            appendSixtyPillar();
            break;
        case MemoAction::End:
            close();  // the close stores the memo
            break;
    }
}

print::PrintDocument Tmemofrm::memoDocument() const {
    print::MemoDocumentContent content;
    content.title = kMemoPrintTitle;
    content.clientName = host_.clientName().toStdString();
    content.memoLines = memoLinesOf(editor_->toPlainText().toStdString());
    if (footerSettings_ != nullptr) {
        content.practitionerName = footerSettings_->practitionerName;
        content.practitionerTelephone = footerSettings_->practitionerTelephone;
    }
    return print::composeMemoDocument(content);
}

void Tmemofrm::printMemo() {
    storeMemo();
    PrintService::instance(notifier_).print(memoDocument(), this);
}

void Tmemofrm::openMedicine() {
    if (!medicine_) {
        medicine_ = new Tigakufrm(
            passages_, [this](const std::vector<std::string>& lines) { appendLines(lines); }, this);
        medicine_->setWindowFlag(Qt::Window);
    }
    medicine_->chooseStem(chart_.dayPillar.stem);
    presentSideWindow(medicine_, this);
}

void Tmemofrm::appendSixtyPillar() {
    if (!sixty_) {
        std::string error;
        sixty_ = Table::open(readingTablePath(paths_, ReadingTableKind::SixtyPillars),
                             readingTableDef(ReadingTableKind::SixtyPillars), false, &error);
        if (!sixty_) {
            notifier_.error("六十花甲子データベースが開けません: " + error);
            return;
        }
    }
    if (auto lines = sixtyPillarButtonLines(chart_, *sixty_)) appendLines(*lines);
}

void Tmemofrm::closeEvent(QCloseEvent* event) {
    storeMemo();
    if (medicine_) medicine_->close();
    QWidget::closeEvent(event);
}

bool Tmemofrm::event(QEvent* event) {
    // Typing in the window reaches the client's remarks when the reader turns elsewhere, and the
    // window shows the current client's remarks again when it comes back to the front.
    if (event->type() == QEvent::WindowDeactivate) storeMemo();
    if (event->type() == QEvent::WindowActivate) showClientMemo();
    return QWidget::event(event);
}

}  // namespace suimei
