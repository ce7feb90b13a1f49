// The main window pressed through its widgets: captions, the guards before a run, the page
// switch, the appraisal button, the chart page filled from a display, the chart clicks, the
// companion programs and the help page.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "app/settings.h"
#include "app/ui/chart_page.h"
#include "app/ui/main_window.h"
#include "app/ui/sound_player.h"
#include "app/ui/start_up.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

class FakeBackend : public AppraisalBackend {
  public:
    AppraisalStatus status = AppraisalStatus::Completed;
    AppraisalDisplay next;
    ChartHandOff handOff;
    std::vector<AppraisalInput> inputs;

    AppraisalStatus run(const AppraisalInput& input, Notifier&) override {
        inputs.push_back(input);
        if (status == AppraisalStatus::Completed) {
            ran_ = true;
            display_ = next;
        }
        return status;
    }
    bool hasRun() const override { return ran_; }
    const AppraisalDisplay& display() const override { return display_; }
    ChartHandOff chartHandOff() const override { return handOff; }

  private:
    bool ran_ = false;
    AppraisalDisplay display_;
};

PillarCell makeCell(const char* stem, const char* tenGod, const char* branch, int hiddenCount,
                    int active, const char* stage, const char* mark, const char* meaning) {
    PillarCell c;
    c.stemText = std::string(stem) + ":" + tenGod;
    c.stemHint = std::string(stem) + "の性格";
    c.branchText = branch;
    c.branchHint = std::string(branch) + "の季節";
    const char* hidden[3] = {"甲", "丙", "戊"};
    const char* gods[3] = {"偏官", "偏財", "比肩"};
    for (int k = 0; k < hiddenCount; ++k) {
        c.hiddenText[static_cast<std::size_t>(k)] = hidden[k];
        c.hiddenTenGodText[static_cast<std::size_t>(k)] = gods[k];
    }
    c.hiddenCount = hiddenCount;
    c.activeHiddenSlot = active;
    c.stageText = stage;
    c.stageHint = std::string(stage) + "の説明";
    c.mark = mark;
    c.stemMeaning = meaning;
    return c;
}

// A display written by hand: hour unknown ("-"), 戊 day with one hidden stem, 丙 month with two,
// 甲 year with three.
AppraisalDisplay handDisplay() {
    AppraisalDisplay d;
    d.normalizedDate = "1975/03/08";
    d.namePanel = "試験 花子   1975/03/08   満 50才";
    d.ageLabel = "現在満50才";
    PillarCell& hour = d.columns[kHourColumn];
    hour.stemText = hour.branchText = hour.stageText = hour.mark = "-";
    d.columns[kDayColumn] = makeCell("戊", "日主", "子", 1, 1, "胎", "×", "土の兄（山岳の乾土）");
    d.columns[kMonthColumn] = makeCell("丙", "偏印", "卯", 2, 2, "沐浴", "○", "火の兄（太陽の火）");
    d.columns[kYearColumn] =
        makeCell("甲", "偏官", "寅", 3, 3, "長生", "△", "木の兄（木材になる木）");
    d.luckDirectionText = "逆行";
    d.voidText = "空亡:午:未";
    d.lifePalaceText = "命宮：酉";
    d.entryDaysText = "節入り日からの日数：2.5日";
    d.luckStartText = "立運までの年月：0年間と10ヶ月";
    d.luckStartAgeText = "立運の年齢：数え1才10月";
    d.mansionText = "宿曜星：室宿";
    d.yearStarText = "本命星：七赤金星";
    d.monthStarText = "月命星：二黒土星";
    d.gaugeTotal = 35;
    d.gaugeMonthCommand = 77;
    d.gaugeElements = 100;
    d.gaugeStages = 2;
    d.strengthClass = "身弱";
    d.powerText = "やや弱い";
    d.pointsText = "3点";
    d.pillarPower = {0, 1, 2, 0};
    d.elementPower = {3, 2, 1, 0, 0};
    d.stemCounts = {1, 1, 1, 0, 0};
    d.branchCounts = {2, 0, 0, 0, 1};
    d.patternIndex = 13;
    d.patternName = "印綬格";
    d.usefulStem = 3;
    d.climateText = "調候用神：不要です";
    d.favourableText = "火・土";
    d.unfavourableText = "木・金・水";
    d.relationChecks = {true, false, false, false, true, false, true};
    d.lines = {{kDayColumn, kMonthColumn, ChartRow::Branch, LineColour::Fuchsia, "冲"},
               {kMonthColumn, kYearColumn, ChartRow::Stem, LineColour::Green, "干合"}};
    d.markers = {{kYearColumn, ChartRow::Branch, LineColour::Green},
                 {kMonthColumn, ChartRow::Branch, LineColour::Green},
                 {kMonthColumn, ChartRow::Branch, LineColour::Fuchsia}};
    d.hiddenSchoolLabel = "蔵干表：渕海子平";
    d.stageSchoolLabel = "十二運星：陽生陰死式";
    return d;
}

class MainWindowTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    FakeBackend backend;
    Settings settings;
    std::unique_ptr<SettingsStore> store;
    RecordingNotifier notifier;
    RecordingSoundPlayer sound;
    std::unique_ptr<Tmenufrm> window;
    std::map<QString, int> opened;
    std::vector<QUrl> urls;
    QStringList started;

    void SetUp() override {
        store = std::make_unique<SettingsStore>(dir.path() / "vorrin80.ini");
        window = std::make_unique<Tmenufrm>(backend, settings, *store, notifier);
        window->setAppDir(QString::fromStdString(dir.path().string()));
        window->setSoundPlayer(&sound);
        window->setToday(QDate(2025, 6, 1));
        window->setUrlOpener([this](const QUrl& url) {
            urls.push_back(url);
            return true;
        });
        window->setProgramStarter([this](const QString& path) {
            started << path;
            return true;
        });
        backend.next = handDisplay();
    }

    template <typename T = QAbstractButton>
    T* find(const char* name) {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) {
        if (auto* b = find(name)) b->click();
    }
    QString text(const char* name) {
        if (auto* l = window->findChild<QLabel*>(QString::fromLatin1(name))) return l->text();
        if (auto* b = window->findChild<QAbstractButton*>(QString::fromLatin1(name))) {
            return b->text();
        }
        ADD_FAILURE() << "no widget " << name;
        return {};
    }
    void registerOpener(const char* name) {
        const QString key = QString::fromLatin1(name);
        window->setSideWindowOpener(key, [this, key] { ++opened[key]; });
    }
    void fillClient() {
        find<QLineEdit>("simei")->setText(u8("試験 花子"));
        find<QLineEdit>("birthday")->setText("1975/3/8");
        find<QComboBox>("timeb")->setCurrentIndex(13);
        find<QComboBox>("sex")->setCurrentIndex(1);
    }
    void runOnce() {
        fillClient();
        click("okbtn");
        notifier.notices.clear();
    }
};

TEST_F(MainWindowTest, CaptionPagesAndButtonBar) {
    EXPECT_EQ(window->windowTitle(), u8("推命ワークベンチ 8.0"));
    QTabWidget* book = find<QTabWidget>("TabbedNotebook1");
    const char* pages[] = {"データ入力", "命式の分析", "年柱分析",     "月柱分析",   "日柱分析",
                           "行運分析",   "実践鑑定",   "生涯五行ﾘｽﾞﾑ", "十二運ﾘｽﾞﾑ", "六親図表"};
    ASSERT_EQ(book->count(), 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(book->tabText(i), u8(pages[i])) << i;
    EXPECT_EQ(book->currentIndex(), 0);

    const std::pair<const char*, const char*> buttons[] = {{"okbtn", "鑑定(&K)"},
                                                           {"SpeedButton1", "九星気学"},
                                                           {"tokubtn", "特殊星"},
                                                           {"sigotobtn", "仕事"},
                                                           {"kekonbtn", "結婚"},
                                                           {"aisyobtn", "相性"},
                                                           {"byoukibtn", "病気"},
                                                           {"tengenbtn", "天源占"},
                                                           {"mdaybtn", "感情周期"},
                                                           {"memobtn", "AI鑑定・印刷"},
                                                           {"printbtn", "鑑定書印刷"},
                                                           {"keimyakubtn", "経脈医学"},
                                                           {"igakubtn", "漢方医学"},
                                                           {"endbtn", "終了(&C)"},
                                                           {"calenbtn", "ｶﾚﾝﾀﾞ"},
                                                           {"jisabtn", "時差"},
                                                           {"envsetbtn", "環境と流派の設定"},
                                                           {"SpeedButton2", "ヘルプ"},
                                                           {"syukubanbtn", "宿曜盤"},
                                                           {"housekibtn", "宝石による開運"},
                                                           {"seicyoubtn", "成長度の診断"},
                                                           {"tuhenbtn", "通変星の基礎解説"},
                                                           {"hounb", "十二運星表"}};
    QWidget* bar = find<QWidget>("Panel1");
    for (const auto& [name, caption] : buttons) {
        EXPECT_EQ(text(name), u8(caption)) << name;
    }
    // The run and window buttons of the table live in the bottom bar.
    for (const char* name : {"okbtn", "tokubtn", "printbtn", "igakubtn", "endbtn", "envsetbtn"}) {
        EXPECT_TRUE(bar->isAncestorOf(find<QWidget>(name))) << name;
    }

    auto* timeb = find<QComboBox>("timeb");
    ASSERT_EQ(timeb->count(), 14);
    EXPECT_EQ(timeb->itemText(0), "00:00-01:00");
    EXPECT_EQ(timeb->itemText(12), "23:00-00:00");
    EXPECT_EQ(timeb->itemText(13), u8("不明の場合"));
    auto* sex = find<QComboBox>("sex");
    ASSERT_EQ(sex->count(), 2);
    EXPECT_EQ(sex->itemText(0), u8("男"));
    EXPECT_EQ(sex->itemText(1), u8("女"));
    EXPECT_EQ(find<QComboBox>("kyoku")->count(), 14);
    EXPECT_EQ(find<QComboBox>("kyoku")->itemText(13), u8("印綬格"));
    EXPECT_EQ(find<QComboBox>("yojin")->itemText(9), u8("癸"));
}

TEST_F(MainWindowTest, ButtonsThatNeedARunOnlyWarnBeforeOne) {
    const char* needRun[] = {"tokubtn",   "sigotobtn",  "kekonbtn", "aisyobtn", "byoukibtn",
                             "tengenbtn", "mdaybtn",    "memobtn",  "printbtn", "keimyakubtn",
                             "igakubtn",  "tukireibtn", "gogyobtn", "tisihlp",  "tuuhenhlpbtn"};
    for (const char* name : needRun) {
        registerOpener(name);
        notifier.notices.clear();
        click(name);
        ASSERT_EQ(notifier.notices.size(), 1u) << name;
        EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning) << name;
        EXPECT_EQ(notifier.lastText(), kNotRunYetText) << name;
        EXPECT_EQ(opened[QString::fromLatin1(name)], 0) << name;
    }
    EXPECT_TRUE(started.isEmpty());

    runOnce();
    for (const char* name : needRun) {
        if (std::string(name) == "igakubtn" || std::string(name) == "keimyakubtn") continue;
        click(name);
        EXPECT_EQ(opened[QString::fromLatin1(name)], 1) << name;
    }
    EXPECT_TRUE(notifier.empty());
}

TEST_F(MainWindowTest, WindowsNotYetBuiltSaySoAndConnectedOnesOpen) {
    for (const char* name :
         {"SpeedButton1", "calenbtn", "jisabtn", "housekibtn", "seicyoubtn", "yojinbtn",
          "yorokobtn", "Changek", "kakubtn", "tuhenbtn", "hounb", "kangohlp", "syukubanbtn"}) {
        notifier.notices.clear();
        click(name);
        ASSERT_EQ(notifier.notices.size(), 1u) << name;
        EXPECT_EQ(notifier.lastText(), kWindowNotReadyText) << name;
        registerOpener(name);
        notifier.notices.clear();
        click(name);
        EXPECT_TRUE(notifier.empty()) << name;
        EXPECT_EQ(opened[QString::fromLatin1(name)], 1) << name;
    }
}

TEST_F(MainWindowTest, SettingsBeforeARunRemindThenOpen) {
    registerOpener("envsetbtn");
    click("envsetbtn");
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Information);
    EXPECT_EQ(notifier.lastText(), kSettingsBeforeRunText);
    EXPECT_EQ(opened["envsetbtn"], 1);

    runOnce();
    click("envsetbtn");
    EXPECT_TRUE(notifier.empty());
    EXPECT_EQ(opened["envsetbtn"], 2);
}

TEST_F(MainWindowTest, ChartPageBeforeARunAsksForOne) {
    QTabWidget* book = window->notebook();
    book->setCurrentIndex(1);
    EXPECT_EQ(notifier.lastText(), kChartPageBeforeRunText);
    book->setCurrentIndex(2);
    book->setCurrentIndex(0);
    EXPECT_EQ(notifier.notices.size(), 1u);  // only page 1 asks

    runOnce();
    book->setCurrentIndex(0);
    book->setCurrentIndex(1);
    EXPECT_TRUE(notifier.empty());
    EXPECT_TRUE(window->showPage(u8("六親図表")));
    EXPECT_EQ(book->currentIndex(), 9);
    EXPECT_FALSE(window->showPage(u8("存在しない")));
}

TEST_F(MainWindowTest, AppraisalButtonHandsTheFieldsAndSettingsToTheRun) {
    settings.hiddenStemSchool = 5;
    settings.twelveStageSchool = 2;
    settings.qrekiBase = 1;
    settings.pictures = false;
    settings.astronomicalCalendar = false;
    settings.southern = true;  // ticked but not saved: the run follows the file
    fillClient();
    click("okbtn");
    ASSERT_EQ(backend.inputs.size(), 1u);
    const AppraisalInput& in = backend.inputs[0];
    EXPECT_EQ(in.name, "試験 花子");
    EXPECT_EQ(in.dateText, "1975/3/8");
    EXPECT_EQ(in.timeSlotText, "不明の場合");
    EXPECT_EQ(in.sexText, "女");
    EXPECT_EQ(in.hiddenStemSchool, 5);
    EXPECT_EQ(in.stageSchool, 2);
    EXPECT_TRUE(in.taiwanOldCalendar);
    EXPECT_FALSE(in.pictures);
    EXPECT_FALSE(in.astronomicalCalendar);
    EXPECT_FALSE(in.southernInFile);
    EXPECT_EQ(in.today.year, 2025);
    EXPECT_EQ(in.today.month, 6);
    EXPECT_EQ(in.today.day, 1);
    EXPECT_EQ(sound.played, QStringList{"kantei.wav"});

    // After 設定保存 the file says South=True and the next run is told so.
    ASSERT_TRUE(store->saveEnvironment(settings));
    click("okbtn");
    ASSERT_EQ(backend.inputs.size(), 2u);
    EXPECT_TRUE(backend.inputs[1].southernInFile);
    EXPECT_EQ(sound.played.size(), 2);  // the appraisal sound plays on every run
}

TEST_F(MainWindowTest, CompletedRunShowsTheChartPageAndTheNormalisedDate) {
    fillClient();
    click("okbtn");
    EXPECT_EQ(window->notebook()->currentIndex(), 1);
    EXPECT_EQ(window->birthDateText(), "1975/03/08");
    EXPECT_EQ(text("name"), u8("試験 花子   1975/03/08   満 50才"));
    EXPECT_TRUE(notifier.empty());  // the page switch after a run asks nothing
}

TEST_F(MainWindowTest, RunThatStopsEarlyStaysOnTheEntryPageWithMarksCleared) {
    runOnce();
    window->notebook()->setCurrentIndex(0);
    EXPECT_EQ(text("daylbl"), u8("×"));
    backend.status = AppraisalStatus::NoSex;
    click("okbtn");
    EXPECT_EQ(window->notebook()->currentIndex(), 0);
    EXPECT_EQ(text("daylbl"), "");
    EXPECT_TRUE(window->chartPage()->board()->lines().empty());
    EXPECT_TRUE(window->chartPage()->board()->visibleMarkers().empty());
}

TEST_F(MainWindowTest, RefusedSouthernQuestionOpensTheSettingsWindow) {
    registerOpener("envsetbtn");
    backend.status = AppraisalStatus::SouthernRefused;
    fillClient();
    click("okbtn");
    EXPECT_EQ(opened["envsetbtn"], 1);
    EXPECT_EQ(window->notebook()->currentIndex(), 0);
    EXPECT_TRUE(notifier.empty());  // no reminder on this way in
}

TEST_F(MainWindowTest, DisplayFillsEveryControlOfTheChartPage) {
    runOnce();
    // Pillars, left to right 時柱 日柱 月柱 年柱.
    EXPECT_EQ(text("niti1"), u8("戊:日主"));
    EXPECT_EQ(text("tuki1"), u8("丙:偏印"));
    EXPECT_EQ(find("tuki1")->toolTip(), u8("丙の性格"));
    EXPECT_EQ(text("nen2"), u8("寅"));
    EXPECT_EQ(find("nen2")->toolTip(), u8("寅の季節"));
    EXPECT_EQ(text("tuki12"), u8("沐浴"));
    EXPECT_EQ(find("tuki12")->toolTip(), u8("沐浴の説明"));
    EXPECT_EQ(text("nen_z3"), u8("戊"));
    EXPECT_EQ(text("nen_hen3"), u8("比肩"));
    // Hidden-stem widths follow the count: 1 for the day, 2 for the month, 3 for the year.
    EXPECT_GT(find("niti_z1")->width(), 0);
    EXPECT_EQ(find("niti_z2")->width(), 0);
    EXPECT_EQ(find("niti_hen2")->width(), 0);
    EXPECT_GT(find("tuki_z2")->width(), 0);
    EXPECT_EQ(find("tuki_z3")->width(), 0);
    EXPECT_GT(find("nen_z3")->width(), 0);
    // The hidden stem in force stands out from its neighbours.
    EXPECT_NE(find("tuki_z2")->styleSheet(), find("tuki_z1")->styleSheet());
    // Missing hour: "-" on the stem, branch, stage and every hidden-stem button.
    for (const char* name : {"ji1", "ji2", "ji12", "ji_z1", "ji_z2", "ji_z3", "jilbl"}) {
        EXPECT_EQ(text(name), "-") << name;
    }
    EXPECT_GT(find("ji_z3")->width(), 0);
    // Marks.
    EXPECT_EQ(text("daylbl"), u8("×"));
    EXPECT_EQ(text("tukilbl"), u8("○"));
    EXPECT_EQ(text("nenlbl"), u8("△"));
    // Facts.
    EXPECT_EQ(text("kubolbl"), u8("空亡:午:未"));
    EXPECT_EQ(text("meilbl"), u8("命宮：酉"));
    EXPECT_EQ(text("unko"), u8("逆行"));
    EXPECT_EQ(text("aftersetulbl"), u8("節入り日からの日数：2.5日"));
    EXPECT_EQ(text("daiunlbl"), u8("立運までの年月：0年間と10ヶ月"));
    EXPECT_EQ(text("daiunstatlbl"), u8("立運の年齢：数え1才10月"));
    EXPECT_EQ(text("qrekilbl"), u8("宿曜星：室宿"));
    EXPECT_EQ(text("kyuseiyylbl"), u8("本命星：七赤金星"));
    EXPECT_EQ(text("kyuseimmlbl"), u8("月命星：二黒土星"));
    EXPECT_EQ(text("zokanryuha"), u8("蔵干表：渕海子平"));
    EXPECT_EQ(text("un12ryuha"), u8("十二運星：陽生陰死式"));
    EXPECT_EQ(text("agelbl"), u8("現在満50才"));
    // Strength.
    EXPECT_EQ(find<QProgressBar>("miougage")->value(), 35);
    EXPECT_EQ(find<QProgressBar>("getureigage")->value(), 77);
    EXPECT_EQ(find<QProgressBar>("gogyogage")->value(), 100);
    EXPECT_EQ(find<QProgressBar>("houngage")->value(), 2);
    EXPECT_EQ(text("mioulbl"), u8("身弱"));
    EXPECT_EQ(text("mypower"), u8("やや弱い"));
    EXPECT_EQ(text("tensu"), u8("3点"));
    // Element counts.
    EXPECT_EQ(text("moku10"), "1");
    EXPECT_EQ(text("kin10"), "0");
    EXPECT_EQ(text("moku12"), "2");
    EXPECT_EQ(text("sui12"), "1");
    // Pattern, useful god, liked and disliked elements.
    EXPECT_EQ(find<QComboBox>("kyoku")->currentText(), u8("印綬格"));
    EXPECT_EQ(find<QComboBox>("yojin")->currentText(), u8("丙"));
    EXPECT_EQ(text("cyokolbl"), u8("調候用神：不要です"));
    EXPECT_EQ(find<QLineEdit>("yorokobu")->text(), u8("火・土"));
    EXPECT_EQ(find<QLineEdit>("kirau")->text(), u8("木・金・水"));
    // Relation check boxes 干合 三合 方合 支合 冲 三刑 自刑.
    const std::pair<const char*, bool> checks[] = {
        {"kangobtn", true}, {"sangobtn", false},  {"hogoubtn", false}, {"sigoubtn", false},
        {"okibtn", true},   {"sankeibtn", false}, {"jikeibtn", true}};
    for (const auto& [name, ticked] : checks) {
        EXPECT_EQ(find<QCheckBox>(name)->isChecked(), ticked) << name;
    }
    // Relation lines and markers.
    EXPECT_EQ(window->chartPage()->board()->lines().size(), 2u);
    EXPECT_EQ(window->chartPage()->board()->visibleMarkers().size(), 3u);
}

TEST_F(MainWindowTest, PatternFollowsItsNameAndAnEmptyDisplayClearsTheChoices) {
    AppraisalDisplay d = handDisplay();
    d.patternName = "従財格";
    d.patternIndex = 99;
    window->showAppraisal(d);
    EXPECT_EQ(find<QComboBox>("kyoku")->currentIndex(), 3);
    window->showAppraisal(AppraisalDisplay{});
    EXPECT_EQ(find<QComboBox>("kyoku")->currentIndex(), -1);
    EXPECT_EQ(find<QComboBox>("yojin")->currentIndex(), -1);
}

TEST_F(MainWindowTest, SummerTimeBirthIsFlaggedAndTheCorrectionIsOffered) {
    runOnce();
    QLabel* flag = find<QLabel>("summerlbl");
    QCheckBox* box = find<QCheckBox>("summerbox");
    ASSERT_TRUE(flag && box);
    EXPECT_TRUE(flag->isHidden()) << "a birth outside the periods is not flagged";
    EXPECT_TRUE(box->isHidden());

    backend.next.bornInSummerTime = true;
    backend.next.summerTimeText = "サマータイム期間の生まれです";
    click("okbtn");
    EXPECT_FALSE(flag->isHidden());
    EXPECT_EQ(flag->text(), u8("サマータイム期間の生まれです"));
    EXPECT_FALSE(box->isHidden());
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(backend.inputs.back().summerTimeCorrection);

    // Ticking remembers the setting and works the chart again with it.
    const std::size_t runs = backend.inputs.size();
    backend.next.summerTimeCorrected = true;
    box->click();
    EXPECT_TRUE(settings.summerTimeCorrection);
    EXPECT_TRUE(store->load().summerTimeCorrection);
    ASSERT_EQ(backend.inputs.size(), runs + 1);
    EXPECT_TRUE(backend.inputs.back().summerTimeCorrection);
    EXPECT_TRUE(box->isChecked());

    backend.next.summerTimeCorrected = false;
    box->click();
    EXPECT_FALSE(store->load().summerTimeCorrection);
    EXPECT_FALSE(backend.inputs.back().summerTimeCorrection);
}

TEST_F(MainWindowTest, GaugesKeepWithinTheirScale) {
    AppraisalDisplay d = handDisplay();
    d.gaugeTotal = 130;
    d.gaugeStages = -12;
    window->showAppraisal(d);
    EXPECT_EQ(find<QProgressBar>("miougage")->value(), 100);
    EXPECT_EQ(find<QProgressBar>("houngage")->value(), 0);
}

TEST_F(MainWindowTest, StemClickTellsTheStemMeaning) {
    click("nen1");  // before a run: nothing to tell
    EXPECT_TRUE(notifier.empty());
    runOnce();
    click("nen1");
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Information);
    EXPECT_EQ(notifier.lastText(), "木の兄（木材になる木） を表します");
    click("niti1");
    EXPECT_EQ(notifier.lastText(), "土の兄（山岳の乾土） を表します");
    notifier.notices.clear();
    click("ji1");  // the hour is not known
    EXPECT_TRUE(notifier.empty());
}

TEST_F(MainWindowTest, PillarLabelsAndMonthBranchOpenTheirReadings) {
    click("tuki2");
    EXPECT_EQ(notifier.lastText(), kNotRunYetText);
    runOnce();
    registerOpener("tuki2");
    registerOpener("nencap");
    click("tuki2");
    click("nencap");
    EXPECT_EQ(opened["tuki2"], 1);
    EXPECT_EQ(opened["nencap"], 1);
    click("niticap");  // not connected yet
    EXPECT_EQ(notifier.lastText(), kWindowNotReadyText);
    notifier.notices.clear();
    click("jicap");  // the hour pillar has no reading
    EXPECT_TRUE(notifier.empty());
}

TEST_F(MainWindowTest, PicturesShowWhenTheDisplayNamesThem) {
    QFile::copy(QStringLiteral(SUIMEI_APP_DIR "/kinoe.bmp"),
                QString::fromStdString((dir.path() / "kinoe.bmp").string()));
    AppraisalDisplay d = handDisplay();
    d.columns[kYearColumn].stemPicture = "kinoe.bmp";
    d.columns[kYearColumn].branchPicture = "tree.bmp";  // not in the folder
    window->showAppraisal(d);
    EXPECT_FALSE(find<QToolButton>("nen1")->icon().isNull());
    EXPECT_TRUE(find<QToolButton>("nen2")->icon().isNull());
    EXPECT_TRUE(find<QToolButton>("tuki1")->icon().isNull());
}

TEST_F(MainWindowTest, CompanionProgramsGetTheHandOffAndStartWhenPresent) {
    backend.handOff.name = "試験 花子";
    backend.handOff.sex = 'F';
    backend.handOff.day = {5, 1};
    backend.handOff.month = {3, 4};
    backend.handOff.year = {1, 3};
    runOnce();
    click("igakubtn");
    EXPECT_EQ(notifier.lastText(), kKampoMissingText);
    click("keimyakubtn");
    EXPECT_EQ(notifier.lastText(), kKeimyakuMissingText);
    EXPECT_TRUE(started.isEmpty());
    std::ifstream ini(dir.path() / "vorrin80.ini", std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(ini)), {});
    EXPECT_NE(written.find("[user]"), std::string::npos);
    EXPECT_NE(written.find("dd10=5"), std::string::npos);

    const std::filesystem::path program = dir.path() / kKampoProgram;
    std::ofstream(program) << "#!/bin/sh\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    notifier.notices.clear();
    click("igakubtn");
    EXPECT_TRUE(notifier.empty());
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0], QString::fromStdString(program.string()));
}

TEST_F(MainWindowTest, HandOffBeforeAnyChartWritesNothing) {
    EXPECT_FALSE(window->writeCompanionHandOff());
    EXPECT_EQ(notifier.lastText(), "まだ診断ボタンが押されていません。");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "vorrin80.ini"));
}

TEST_F(MainWindowTest, HelpOpensTheBundledPageAtThePageContext) {
    click("SpeedButton2");
    EXPECT_TRUE(urls.empty());  // no help page in this folder
    EXPECT_FALSE(notifier.empty());
    std::filesystem::create_directories(dir.path() / "help");
    std::ofstream(dir.path() / "help" / "index.html") << "<html></html>";
    click("SpeedButton2");
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_TRUE(urls[0].isLocalFile());
    EXPECT_TRUE(urls[0].toLocalFile().endsWith("help/index.html"));
    EXPECT_EQ(urls[0].fragment(), "c37");
}

TEST_F(MainWindowTest, EndButtonClosesTheWindow) {
    window->show();
    ASSERT_TRUE(window->isVisible());
    click("endbtn");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, CalendarWritesIntoTheBirthDateField) {
    window->setSideWindowOpener("calenbtn", [this] { window->setBirthDateText("1990/12/31"); });
    click("calenbtn");
    EXPECT_EQ(find<QLineEdit>("birthday")->text(), "1990/12/31");
}

}  // namespace
}  // namespace suimei
