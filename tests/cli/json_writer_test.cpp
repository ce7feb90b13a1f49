#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

namespace suimei::cli {
namespace {

std::string written(auto write) {
    std::string out;
    JsonWriter w(out);
    write(w);
    return out;
}

// Strings and numbers come out as the JSON library writes them, so a reader sees the same text.
TEST(JsonWriter, ScalarsAsTheJsonLibraryWritesThem) {
    const std::string strings[] = {"",
                                   "甲子 丙寅",
                                   "quote \" and backslash \\",
                                   "line\nbreak\ttab\rcr\bbs\fff",
                                   std::string("nul\0ctl\x01\x1f", 10),
                                   "four bytes 𠮷 stay"};
    for (const std::string& s : strings) {
        EXPECT_EQ(written([&](JsonWriter& w) { w.value(s); }), nlohmann::json(s).dump()) << s;
    }
    const double numbers[] = {0.0,
                              12.0,
                              12.3,
                              0.1,
                              1.0 / 3.0,
                              -2.5,
                              1e-7,
                              1e21,
                              123.45,
                              0.30000000000000004,
                              359.99999999999994,
                              -0.0};
    for (const double d : numbers) {
        EXPECT_EQ(written([&](JsonWriter& w) { w.value(d); }), nlohmann::json(d).dump()) << d;
    }
    EXPECT_EQ(written([](JsonWriter& w) { w.value(std::nan("")); }), "null");
    EXPECT_EQ(written([](JsonWriter& w) { w.value(std::numeric_limits<double>::infinity()); }),
              "null");
    EXPECT_EQ(written([](JsonWriter& w) { w.value(-2147483647 - 1); }), "-2147483648");
    EXPECT_EQ(written([](JsonWriter& w) { w.value(false); }), "false");
}

// A byte that is not UTF-8 (a half-decoded name) must not make the whole line unreadable.
TEST(JsonWriter, BrokenUtf8BecomesAReplacementCharacter) {
    const std::string broken = "a\xE7\x94z\xFF\xC0\x80\xED\xA0\x80";
    const std::string out = written([&](JsonWriter& w) { w.value(broken); });
    const auto parsed = nlohmann::json::parse(out, nullptr, false);
    ASSERT_FALSE(parsed.is_discarded()) << out;
    EXPECT_EQ(parsed.get<std::string>().substr(0, 1), "a");
    EXPECT_NE(out.find("z"), std::string::npos);
    EXPECT_EQ(out.find('\xFF'), std::string::npos);
}

TEST(JsonWriter, NestingPlacesEveryComma) {
    const std::string out = written([](JsonWriter& w) {
        w.beginObject();
        w.key("a");
        w.beginArray();
        w.endArray();
        w.key("b");
        w.beginObject();
        w.endObject();
        w.member("c", 1);
        w.key("d");
        w.beginArray();
        w.beginObject();
        w.member("x", true);
        w.key("y");
        w.null();
        w.endObject();
        w.beginArray();
        w.value("in");
        w.endArray();
        w.beginObject();
        w.member("r", 2);
        w.endObject();
        w.endArray();
        const std::array<int, 4> slots = {0, 7, 8, 9};
        w.key("e");
        w.array(slots, 1);
        w.endObject();
    });
    EXPECT_EQ(out, R"({"a":[],"b":{},"c":1,"d":[{"x":true,"y":null},["in"],{"r":2}],"e":[7,8,9]})");
}

}  // namespace
}  // namespace suimei::cli
