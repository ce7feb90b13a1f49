// The reader's override of the favourable elements through the appraisal runner: the chart and
// the chart page's texts and marks follow it until the next run.

#include <gtest/gtest.h>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

std::array<bool, 6> liked(std::initializer_list<int> elements) {
    std::array<bool, 6> marks{};
    for (int e : elements) marks[static_cast<std::size_t>(e)] = true;
    return marks;
}

class FavourableOverrideTest : public ::testing::Test {
  protected:
    void run() {
        AppraisalInput in;
        in.name = "山田 太郎";
        in.dateText = "1984/02/10";
        in.timeSlotText = "07:00-09:00";
        in.sexText = "男";
        in.today = {2026, 12, 8};
        ASSERT_EQ(runner.run(in, notes), AppraisalStatus::Completed);
        notes.notices.clear();
    }
    testing::TempDir dir;
    AppraisalRunner runner{AppPaths(dir.path())};
    RecordingNotifier notes;
};

// The chart 甲子 丙寅 甲戌 戊辰: hour stem 戊 (土), day 甲 and year 甲 (木), month 丙 (火).
TEST_F(FavourableOverrideTest, AcceptedReplacesSlotsTextsAndMarksUntilTheNextRun) {
    run();
    const AppraisalDisplay computed = runner.display();

    ASSERT_TRUE(runner.overrideFavourableElements(liked({1, 2}), notes));
    EXPECT_TRUE(notes.notices.empty());
    const Tmandata& c = runner.chart();
    EXPECT_EQ(c.favourableSlots(), (ElementSlots{0, 1, 2, 0}));
    EXPECT_EQ(c.unfavourableSlots(), (ElementSlots{0, 3, 4, 5}));
    const AppraisalDisplay& d = runner.display();
    EXPECT_EQ(d.favourableText, "木火");
    EXPECT_EQ(d.unfavourableText, "土金水");
    EXPECT_EQ(d.columns[kHourColumn].mark, "×");
    EXPECT_EQ(d.columns[kDayColumn].mark, "○");
    EXPECT_EQ(d.columns[kMonthColumn].mark, "○");
    EXPECT_EQ(d.columns[kYearColumn].mark, "○");
    // The rest of the page is the run's.
    EXPECT_EQ(d.patternName, computed.patternName);
    EXPECT_EQ(d.namePanel, computed.namePanel);

    // A refused change leaves the accepted one in place.
    EXPECT_FALSE(runner.overrideFavourableElements(liked({1, 2, 3, 4}), notes));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].caption, "入力間違いです");
    EXPECT_EQ(runner.display().favourableText, "木火");

    run();
    EXPECT_EQ(runner.display().favourableText, computed.favourableText);
    EXPECT_EQ(runner.display().columns[kHourColumn].mark, computed.columns[kHourColumn].mark);
}

TEST_F(FavourableOverrideTest, EdgeCountsOfEitherSide) {
    run();
    struct Case {
        const char* name;
        std::array<bool, 6> marks;
        bool accepted;
    };
    const Case cases[] = {
        {"three liked, two disliked", liked({2, 4, 5}), true},
        {"one liked leaves four disliked", liked({3}), false},
        {"none liked", liked({}), false},
        {"four liked", liked({1, 2, 3, 5}), false},
        {"two liked", liked({4, 5}), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = runner.display().favourableText;
        notes.notices.clear();
        EXPECT_EQ(runner.overrideFavourableElements(c.marks, notes), c.accepted);
        EXPECT_EQ(notes.notices.empty(), c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(runner.display().favourableText, before);
        }
    }
    EXPECT_EQ(runner.display().favourableText, "金水");
}

TEST_F(FavourableOverrideTest, BeforeARunNothingChanges) {
    EXPECT_FALSE(runner.overrideFavourableElements(liked({1, 2}), notes));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "鑑定実行していません。先に鑑定を行って下さい。");
    EXPECT_EQ(runner.chart().favourable1, 0);
    EXPECT_FALSE(runner.hasRun());
    // A wrong choice is told as such, without the second message.
    notes.notices.clear();
    EXPECT_FALSE(runner.overrideFavourableElements(liked({1, 2, 3, 4}), notes));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].caption, "入力間違いです");
}

}  // namespace
}  // namespace suimei
