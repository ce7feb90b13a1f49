#include "app/client_record.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

const ClientBirthData kStored{"石田 健一", "1959/12/26", "05:00-07:00", "男"};

TEST(ClientRecord, ChangedBirthDataIsTellingAnotherPerson) {
    struct Case {
        const char* label;
        ClientBirthData typed;
        bool changed;
    };
    const Case cases[] = {
        {"the same", kStored, false},
        {"the date written another way", {"石田 健一", "1959-12-26", "05:00-07:00", "男"}, false},
        {"blanks after the name", {"石田 健一 ", "1959/12/26", "05:00-07:00", "男"}, false},
        {"another name", {"山田 太郎", "1959/12/26", "05:00-07:00", "男"}, true},
        {"another day", {"石田 健一", "1959/12/27", "05:00-07:00", "男"}, true},
        {"another time", {"石田 健一", "1959/12/26", "07:00-09:00", "男"}, true},
        {"another sex", {"石田 健一", "1959/12/26", "05:00-07:00", "女"}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(birthDataChanged(kStored, c.typed), c.changed) << c.label;
    }
}

TEST(ClientRecord, FaultsNameEveryFieldThatKeepsTheRecordOut) {
    EXPECT_TRUE(clientRecordFaults(kStored).empty());
    EXPECT_TRUE(clientRecordFaults({"a", "19590101", "", "女"}).empty()) << "no time is unknown";

    const auto all = clientRecordFaults({" ", "abcdefg", "", ""});
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0], "氏名が入力されていません");
    EXPECT_EQ(all[1], "生年月日を 1959/5/7 の形式で入力して下さい（入力不足）");
    EXPECT_EQ(all[2], "性別が指定されていません");

    struct Case {
        const char* date;
        const char* fault;
    };
    const Case dates[] = {
        {"", "生年月日を 1959/5/7 の形式で入力して下さい（入力不足）"},
        {"1990/13/1", "生年月日を 1959/5/7 の形式で入力して下さい（月のデータ異常）"},
        {"1311/12/31", "西暦１３１２年より小さい年には対応していません（万年暦制限）"},
        {"2101/01/01", "西暦２１００年より大きい年には対応していません（万年暦制限）"},
        {"2023/2/29", "2023/02/29 は存在しない日付です"},
    };
    for (const Case& c : dates) {
        const auto faults = clientRecordFaults({"a", c.date, "", "男"});
        ASSERT_EQ(faults.size(), 1u) << c.date;
        EXPECT_EQ(faults[0], c.fault);
    }
    EXPECT_TRUE(clientRecordFaults({"a", "2024/2/29", "", "男"}).empty()) << "a real leap day";
}

}  // namespace
}  // namespace suimei
