#include "app/ui/graph_weights_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

class GraphWeightsWindowTest : public ::testing::Test {
  protected:
    QComboBox* box(Tgraphcalcfrm& w, const char* name) {
        auto* b = w.findChild<QComboBox*>(name);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    static QStringList items(QComboBox* b) {
        QStringList list;
        for (int i = 0; i < b->count(); ++i) list << b->itemText(i);
        return list;
    }

    testing::TempDir dir;
    std::filesystem::path ini = dir.path() / "vorrin80.ini";
    RecordingNotifier notifier;
};

TEST_F(GraphWeightsWindowTest, DropDownsHoldTheirRangesAndShowTheDefaults) {
    Settings settings;
    Tgraphcalcfrm window(settings, SettingsStore(ini), notifier);
    EXPECT_EQ(window.windowTitle(), "グラフの計算方法");
    EXPECT_EQ(window.findChild<QLabel*>("titleLabel")->text(),
              "大運と年運の計算方法（命式の五行に与える強さの設定）");
    EXPECT_EQ(items(box(window, "higo")), (QStringList{"+1", "+2", "+3", "+4"}));
    EXPECT_EQ(items(box(window, "syokusyo")), (QStringList{"0", "+1", "+2", "+3", "+4"}));
    EXPECT_EQ(items(box(window, "zai")), (QStringList{"0", "-1", "-2", "-3", "-4"}));
    EXPECT_EQ(items(box(window, "kan")), (QStringList{"0", "-1", "-2", "-3", "-4"}));
    EXPECT_EQ(items(box(window, "insei")), (QStringList{"0", "-1", "-2", "-3", "-4"}));
    EXPECT_EQ(items(box(window, "nenhigo")), (QStringList{"+1", "+2", "+3", "+4"}));
    EXPECT_EQ(box(window, "higo")->currentText(), "+3");
    EXPECT_EQ(box(window, "syokusyo")->currentText(), "+1");
    EXPECT_EQ(box(window, "zai")->currentText(), "-2");
    EXPECT_EQ(box(window, "kan")->currentText(), "0");
    EXPECT_EQ(box(window, "insei")->currentText(), "-1");
    EXPECT_EQ(box(window, "nenhigo")->currentText(), "+1");
}

TEST_F(GraphWeightsWindowTest, ShowsTheWeightsReadFromTheFile) {
    dir.write("vorrin80.ini", "[graph]\r\ndai_kan=-3\r\nnen_higo=+4\r\n");
    Settings settings = SettingsStore(ini).load();
    Tgraphcalcfrm window(settings, SettingsStore(ini), notifier);
    EXPECT_EQ(box(window, "kan")->currentText(), "-3");
    EXPECT_EQ(box(window, "nenhigo")->currentText(), "+4");
}

TEST_F(GraphWeightsWindowTest, ConfirmWritesAllSixWeightsAndAsksForARun) {
    Settings settings;
    Tgraphcalcfrm window(settings, SettingsStore(ini), notifier);
    int runs = 0;
    QObject::connect(&window, &Tgraphcalcfrm::recalculationRequested, [&] { ++runs; });
    box(window, "higo")->setCurrentText("+4");
    box(window, "zai")->setCurrentText("-4");
    box(window, "insei")->setCurrentText("0");
    box(window, "nenhigo")->setCurrentText("+2");
    window.show();
    window.findChild<QPushButton*>("confirmButton")->click();

    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(settings.graph.luckSame, 4);
    EXPECT_EQ(settings.graph.luckControlled, -4);
    EXPECT_EQ(settings.graph.luckProducing, 0);
    EXPECT_EQ(settings.graph.yearSame, 2);
    const Settings saved = SettingsStore(ini).load();
    EXPECT_EQ(saved.graph.luckSame, 4);
    EXPECT_EQ(saved.graph.luckProduced, 1);
    EXPECT_EQ(saved.graph.luckControlled, -4);
    EXPECT_EQ(saved.graph.luckProducing, 0);
    const std::string text = readFileBytes(ini).value_or("");
    EXPECT_NE(text.find("dai_higo=+4"), std::string::npos);
    // The year weight is kept too, or a changed value would be lost at the next start.
    EXPECT_NE(text.find("nen_higo=+2"), std::string::npos);
    EXPECT_EQ(saved.graph.yearSame, 2);
}

TEST_F(GraphWeightsWindowTest, CloseChangesNothing) {
    Settings settings;
    Tgraphcalcfrm window(settings, SettingsStore(ini), notifier);
    int runs = 0;
    QObject::connect(&window, &Tgraphcalcfrm::recalculationRequested, [&] { ++runs; });
    box(window, "higo")->setCurrentText("+1");
    window.show();
    window.findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(settings.graph.luckSame, 3);
    EXPECT_FALSE(std::filesystem::exists(ini));
}

}  // namespace
}  // namespace suimei
