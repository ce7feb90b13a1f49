#include "app/ui/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/chart_page.h"
#include "app/ui/data_entry_page.h"
#include "app/ui/help_window.h"
#include "app/ui/sound_player.h"
#include "app/ui/start_up.h"
#include "calendar/types.h"

namespace suimei {

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

struct WindowButton {
    const char* name;
    const char* caption;
    const char* hint;
    bool needsRun;
};

// The bottom button bar, in two rows. The appraisal button okbtn leads the first row.
constexpr WindowButton kBarFirstRow[] = {
    {"SpeedButton1", "九星気学", "九星気学の鑑定を行います", false},
    {"tokubtn", "特殊星", "特殊星の鑑定を行います", true},
    {"sigotobtn", "仕事", "仕事の適性と時期を鑑定します", true},
    {"kekonbtn", "結婚", "結婚の時期を鑑定します", true},
    {"aisyobtn", "相性", "二人の相性を鑑定します", true},
    {"byoukibtn", "病気", "病気の傾向を鑑定します", true},
    {"tengenbtn", "天源占", "受胎日による天源占を行います", true},
    {"mdaybtn", "感情周期", "感情の周期を表示します", true},
    {"memobtn", "AI鑑定・印刷", "AI鑑定メモを作成して印刷します", true},
    {"printbtn", "鑑定書印刷", "鑑定書を印刷します", true},
};
constexpr WindowButton kBarSecondRow[] = {
    {"calenbtn", "ｶﾚﾝﾀﾞ", "カレンダーから生年月日を入力します", false},
    {"jisabtn", "時差", "日本の時差表を表示します", false},
    {"envsetbtn", "環境と流派の設定", "蔵干表の指定などの環境設定を行います", false},
    {"housekibtn", "宝石による開運", "宝石による開運を表示します", false},
    {"seicyoubtn", "成長度の診断", "成長度の診断を行います", false},
    {"keimyakubtn", "経脈医学", "経脈医学ソフトに命式を渡して起動します", true},
    {"igakubtn", "漢方医学", "漢方医学ソフトに命式を渡して起動します", true},
    {"SpeedButton2", "ヘルプ", "ヘルプを表示します", false},
    {"endbtn", "終了(&C)", "プログラムを終了します", false},
};
// Buttons of the chart page that open explanation windows.
constexpr WindowButton kChartButtons[] = {
    {"tukireibtn", nullptr, nullptr, true},   {"gogyobtn", nullptr, nullptr, true},
    {"yojinbtn", nullptr, nullptr, false},    {"yorokobtn", nullptr, nullptr, false},
    {"Changek", nullptr, nullptr, false},     {"kakubtn", nullptr, nullptr, false},
    {"tuhenbtn", nullptr, nullptr, false},    {"hounb", nullptr, nullptr, false},
    {"kangohlp", nullptr, nullptr, false},    {"tisihlp", nullptr, nullptr, true},
    {"tuuhenhlpbtn", nullptr, nullptr, true}, {"syukubanbtn", nullptr, nullptr, false},
};

// Help context of each page (0: none).
constexpr int kHelpContexts[10] = {37, 50, 51, 51, 51, 52, 39, 0, 0, 0};

constexpr int kChartPageIndex = 1;

}  // namespace

const QStringList& Tmenufrm::pageCaptions() {
    static const QStringList captions = {
        u8("データ入力"), u8("命式の分析"), u8("年柱分析"),     u8("月柱分析"),   u8("日柱分析"),
        u8("行運分析"),   u8("実践鑑定"),   u8("生涯五行ﾘｽﾞﾑ"), u8("十二運ﾘｽﾞﾑ"), u8("六親図表")};
    return captions;
}

Tmenufrm::Tmenufrm(AppraisalBackend& backend, Settings& settings, const SettingsStore& store,
                   Notifier& notifier, QWidget* parent)
    : QMainWindow(parent),
      backend_(backend),
      settings_(settings),
      store_(store),
      registry_(new WindowRegistry(this)),
      notifier_(notifier) {
    setObjectName("Tmenufrm");
    setWindowTitle(u8(kApplicationTitle));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->setSpacing(4);

    notebook_ = new QTabWidget(central);
    notebook_->setObjectName("TabbedNotebook1");
    notebook_->setDocumentMode(false);
    chartPage_ = new ChartPage;
    for (int i = 0; i < pageCaptions().size(); ++i) {
        QWidget* page = nullptr;
        if (i == 0) {
            page = buildEntryPage();
        } else if (i == kChartPageIndex) {
            page = chartPage_;
        } else {
            page = buildEmptyPage(pageCaptions().at(i));
        }
        notebook_->addTab(page, pageCaptions().at(i));
    }
    layout->addWidget(notebook_, 1);
    layout->addWidget(buildButtonBar());
    setCentralWidget(central);

    connectWindowButtons();
    connect(notebook_, &QTabWidget::currentChanged, this, &Tmenufrm::TabbedNotebook1Change);
    connect(chartPage_, &ChartPage::stemClicked, this, &Tmenufrm::stemClick);
    connect(chartPage_, &ChartPage::pillarCaptionClicked, this, [this](int column) {
        // The 年柱, 月柱 and 日柱 labels open their pillar readings; 時柱 has none.
        if (column == kHourColumn) return;
        if (!backend_.hasRun()) {
            notifier_.warn(kNotRunYetText);
            return;
        }
        const char* names[4] = {"jicap", "niticap", "tukicap", "nencap"};
        openSideWindow(QString::fromLatin1(names[column]));
    });
    connect(chartPage_, &ChartPage::summerTimeCorrectionToggled, this, [this](bool correct) {
        // Remembered like any setting, then the chart is worked again as the 鑑定 button does.
        settings_.summerTimeCorrection = correct;
        if (!store_.saveSummerTimeCorrection(correct)) {
            notifier_.error("設定ファイルに書き込めませんでした。\n" + store_.iniFile().string(),
                            "サマータイム");
        }
        if (backend_.hasRun()) okbtnClick();
    });
    connect(chartPage_, &ChartPage::monthBranchClicked, this, [this] {
        if (!backend_.hasRun()) {
            notifier_.warn(kNotRunYetText);
            return;
        }
        openSideWindow(QStringLiteral("tuki2"));
    });

    resize(1012, 728);
    setMinimumSize(980, 700);
    notebook_->setCurrentIndex(0);
}

Tmenufrm::~Tmenufrm() = default;

void Tmenufrm::setAppDir(const QString& dir) {
    appDir_ = dir;
    chartPage_->setPictureFolder(dir);
}

QWidget* Tmenufrm::buildEntryPage() {
    entryPage_ = new DataEntryPage(notifier_);
    simei_ = entryPage_->nameEdit();
    birthday_ = entryPage_->birthDateEdit();
    timeb_ = entryPage_->timeCombo();
    sex_ = entryPage_->sexCombo();
    memo_ = entryPage_->memoEdit();
    connect(entryPage_, &DataEntryPage::utilityRequested, this,
            [this] { openSideWindow(QStringLiteral("utybtn")); });
    return entryPage_;
}

QWidget* Tmenufrm::buildEmptyPage(const QString& caption) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(caption, page);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet("color:#9aa1ad; font-size:22px;");
    layout->addWidget(label);
    return page;
}

QWidget* Tmenufrm::buildButtonBar() {
    auto* panel = new QFrame;
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);

    auto* ok = new QPushButton(u8("鑑定(&K)"), panel);
    ok->setObjectName("okbtn");
    ok->setToolTip(u8("入力した生年月日で鑑定を行います"));
    ok->setMinimumHeight(60);
    ok->setMinimumWidth(96);
    ok->setStyleSheet(
        "QPushButton { font-size: 16px; font-weight: bold; color: #ffffff; background: #2f5597;"
        " border: 1px solid #24467f; border-radius: 4px; }"
        "QPushButton:hover { background: #3a66b0; } QPushButton:pressed { background: #24467f; }");
    connect(ok, &QPushButton::clicked, this, &Tmenufrm::okbtnClick);
    grid->addWidget(ok, 0, 0, 2, 1);

    // Each row lays out its own buttons, so a long caption widens only its own button.
    auto addRow = [&](const auto& buttons, int row) {
        auto* line = new QHBoxLayout;
        line->setSpacing(4);
        for (const WindowButton& b : buttons) {
            auto* button = new QPushButton(u8(b.caption), panel);
            button->setObjectName(b.name);
            button->setToolTip(u8(b.hint));
            button->setMinimumHeight(28);
            line->addWidget(button, 1);
        }
        grid->addLayout(line, row, 1);
    };
    addRow(kBarFirstRow, 0);
    addRow(kBarSecondRow, 1);
    grid->setColumnStretch(1, 1);
    return panel;
}

void Tmenufrm::connectWindowButtons() {
    auto hook = [this](const WindowButton& b) {
        auto* button = findChild<QAbstractButton*>(QString::fromLatin1(b.name));
        if (!button) return;
        const QString name = QString::fromLatin1(b.name);
        const bool needsRun = b.needsRun;
        connect(button, &QAbstractButton::clicked, this,
                [this, name, needsRun] { windowButtonClick(name, needsRun); });
    };
    for (const WindowButton& b : kBarFirstRow) hook(b);
    for (const WindowButton& b : kBarSecondRow) hook(b);
    for (const WindowButton& b : kChartButtons) hook(b);
}

void Tmenufrm::setSideWindowOpener(const QString& name, std::function<void()> open) {
    registry_->setOpener(name, std::move(open));
}

void Tmenufrm::openSideWindow(const QString& name) {
    if (!registry_->open(name)) notifier_.info(kWindowNotReadyText);
}

bool Tmenufrm::hasAppraisal() const {
    return backend_.hasRun();
}

void Tmenufrm::windowButtonClick(const QString& name, bool needsRun) {
    if (needsRun && !backend_.hasRun()) {
        notifier_.warn(kNotRunYetText);
        return;
    }
    if (name == QLatin1String("endbtn")) {
        close();
    } else if (name == QLatin1String("SpeedButton2")) {
        helpClick();
    } else if (name == QLatin1String("igakubtn")) {
        companionClick(true);
    } else if (name == QLatin1String("keimyakubtn")) {
        companionClick(false);
    } else {
        // The settings can be changed before a run, after a reminder that they take effect on
        // the next run.
        if (name == QLatin1String("envsetbtn") && !backend_.hasRun()) {
            notifier_.info(kSettingsBeforeRunText);
        }
        openSideWindow(name);
    }
}

bool Tmenufrm::writeCompanionHandOff() {
    return store_.writeChartHandOff(backend_.chartHandOff(), notifier_);
}

void Tmenufrm::companionClick(bool kampo) {
    if (!writeCompanionHandOff()) return;
    const QString program =
        QDir(appDir_).filePath(QString::fromLatin1(kampo ? kKampoProgram : kKeimyakuProgram));
    const QFileInfo info(program);
    if (appDir_.isEmpty() || !info.exists() || !info.isExecutable()) {
        notifier_.info(kampo ? kKampoMissingText : kKeimyakuMissingText);
        return;
    }
    if (startProgram_) {
        startProgram_(program);
    } else if (!runningUnderTests()) {
        QProcess::startDetached(program, {}, appDir_);
    }
}

void Tmenufrm::helpClick() {
    const QString page = QDir(appDir_).filePath(QStringLiteral("help/index.html"));
    if (appDir_.isEmpty() || !QFileInfo::exists(page)) {
        notifier_.info("ヘルプファイルが見つかりません。");
        return;
    }
    QUrl url = QUrl::fromLocalFile(page);
    if (const int context = helpContext(); context > 0) {
        url.setFragment(QStringLiteral("c%1").arg(context));
    }
    if (openUrl_) {
        openUrl_(url);
        return;
    }
    // The program's own window: the page needs no web browser, and its links stay inside it.
    if (!help_) help_ = new HelpWindow(this);
    help_->showPage(url);
    presentSideWindow(help_, this);
}

int Tmenufrm::helpContext() const {
    const int page = notebook_->currentIndex();
    return page >= 0 && page < 10 ? kHelpContexts[page] : 0;
}

void Tmenufrm::stemClick(int column) {
    const QString meaning = chartPage_->stemMeaning(column);
    if (meaning.isEmpty()) return;
    notifier_.info((meaning + u8(kStemMeaningSuffix)).toStdString());
}

void Tmenufrm::TabbedNotebook1Change(int page) {
    if (page == kChartPageIndex && !backend_.hasRun()) notifier_.info(kChartPageBeforeRunText);
    emit registry_->pageShown(page);
}

void Tmenufrm::replacePage(int index, QWidget* page) {
    if (index < 0 || index >= notebook_->count() || page == nullptr) return;
    const QString caption = notebook_->tabText(index);
    const bool current = notebook_->currentIndex() == index;
    QWidget* old = notebook_->widget(index);
    const QSignalBlocker block(notebook_);
    notebook_->removeTab(index);
    notebook_->insertTab(index, page, caption);
    if (current) notebook_->setCurrentIndex(index);
    if (old) old->deleteLater();
}

bool Tmenufrm::showPage(const QString& caption) {
    const int index = static_cast<int>(pageCaptions().indexOf(caption));
    if (index < 0) return false;
    notebook_->setCurrentIndex(index);
    return true;
}

QString Tmenufrm::birthDateText() const {
    return birthday_->text();
}

void Tmenufrm::setBirthDateText(const QString& text) {
    birthday_->setText(text);
}

void Tmenufrm::enterBirthDate(const QString& text) {
    setBirthDateText(text);
    entryPage_->postRecord();
}

QString Tmenufrm::clientName() const {
    return simei_->text().trimmed();
}

QString Tmenufrm::clientMemo() const {
    return memo_->toPlainText();
}

void Tmenufrm::setClientMemo(const QString& text) {
    if (memo_->toPlainText() != text) memo_->setPlainText(text);
    entryPage_->postRecord();
}

AppraisalInput Tmenufrm::collectInput() const {
    return clientInput(simei_->text().trimmed().toStdString(),
                       birthday_->text().trimmed().toStdString(),
                       timeb_->currentText().toStdString(), sex_->currentText().toStdString());
}

AppraisalInput Tmenufrm::clientInput(const std::string& name, const std::string& dateText,
                                     const std::string& timeSlotText,
                                     const std::string& sexText) const {
    const QDate today = today_.isValid() ? today_ : QDate::currentDate();
    // The southern question follows the file, so an unsaved tick has no effect on the run.
    return makeAppraisalInput(settings_, store_.southernInFile(),
                              {today.year(), today.month(), today.day()}, name, dateText,
                              timeSlotText, sexText);
}

void Tmenufrm::okbtnClick() {
    if (sound_) sound_->play(QStringLiteral("kantei.wav"));
    chartPage_->resetForRun();
    const AppraisalStatus status = backend_.run(collectInput(), notifier_);
    switch (status) {
        case AppraisalStatus::Completed: {
            // The summary columns and the normalised date go into the client record; typed
            // birth data that would replace a stored client's is asked about first.
            const DataEntryPage::PostOutcome written = entryPage_->postRunResult(
                backend_.display().summary, backend_.display().normalizedDate);
            if (written == DataEntryPage::PostOutcome::Stayed) {
                // Nothing was stored: the form keeps what was typed, the chart is still shown.
                chartPage_->showDisplay(backend_.display());
                break;
            }
            showAppraisal(backend_.display());
            notebook_->setCurrentIndex(kChartPageIndex);
            emit registry_->appraisalCompleted();
            break;
        }
        case AppraisalStatus::SouthernRefused:
            openSideWindow(QStringLiteral("envsetbtn"));
            break;
        case AppraisalStatus::NoSex:
        case AppraisalStatus::InvalidDate:
        case AppraisalStatus::CalendarFileFault:
            break;
    }
}

void Tmenufrm::closeEvent(QCloseEvent* event) {
    // Choosing to stay (キャンセル, 修正する) keeps the program open with the form as typed.
    if (entryPage_->leaveRecord() == DataEntryPage::PostOutcome::Stayed) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void Tmenufrm::showAppraisal(const AppraisalDisplay& display) {
    if (!display.normalizedDate.empty()) {
        birthday_->setText(QString::fromStdString(display.normalizedDate));
    }
    chartPage_->showDisplay(display);
}

}  // namespace suimei
