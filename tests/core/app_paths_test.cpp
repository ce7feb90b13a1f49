// The user's client tables are copies of the shipped ones, made once and never replaced.

#include "core/app_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "support/temp_dir.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class UserTablesTest : public ::testing::Test {
  protected:
    TempDir dir;
    fs::path app = dir.path() / "app";
    fs::path user = dir.path() / "data" / "suimei" / "jinmei";

    void SetUp() override {
        fs::create_directories(app / "jinmei");
        dir.write("app/jinmei/人名DB.db", "demo clients");
        dir.write("app/jinmei/人名2DB.db", "empty table");
        dir.write("app/jinmei/readme.txt", "not a table");
    }
};

TEST_F(UserTablesTest, FirstStartCopiesEveryShippedTableIntoANewFolder) {
    const AppPaths paths(app, dir.path() / "vorrin80.ini", user);
    std::string error;
    ASSERT_TRUE(paths.prepareUserTables(&error)) << error;
    EXPECT_EQ(readAll(user / "人名DB.db"), "demo clients");
    EXPECT_EQ(readAll(user / "人名2DB.db"), "empty table");
    EXPECT_FALSE(fs::exists(user / "readme.txt"));
    EXPECT_FALSE(fs::exists(user / "人名DB.db.part"));
    // The copy is the user's to write even when the shipped file is not.
    fs::permissions(app / "jinmei" / "人名DB.db", fs::perms::owner_read);
    fs::remove(user / "人名DB.db");
    ASSERT_TRUE(paths.prepareUserTables(&error)) << error;
    EXPECT_NE(fs::status(user / "人名DB.db").permissions() & fs::perms::owner_write,
              fs::perms::none);
}

TEST_F(UserTablesTest, ATableTheUserAlreadyHasIsKeptAndOnlyMissingOnesAreAdded) {
    dir.write("data/suimei/jinmei/人名DB.db", "my own clients");
    const AppPaths paths(app, {}, user);
    ASSERT_TRUE(paths.prepareUserTables());
    EXPECT_EQ(readAll(user / "人名DB.db"), "my own clients");
    EXPECT_EQ(readAll(user / "人名2DB.db"), "empty table");
}

TEST_F(UserTablesTest, TheShippedFolderItselfIsLeftAlone) {
    const AppPaths paths(app);
    EXPECT_EQ(paths.jinmeiDir(), paths.shippedJinmeiDir());
    EXPECT_TRUE(paths.prepareUserTables());
    EXPECT_EQ(std::distance(fs::directory_iterator(app / "jinmei"), fs::directory_iterator()), 3);
}

TEST_F(UserTablesTest, AFolderThatCannotBeMadeIsReportedNotIgnored) {
    dir.write("data", "a file where the folder should be");
    const AppPaths paths(app, {}, user);
    std::string error;
    EXPECT_FALSE(paths.prepareUserTables(&error));
    EXPECT_NE(error.find("jinmei"), std::string::npos) << error;
}

TEST_F(UserTablesTest, NoShippedFolderMeansNothingToCopy) {
    fs::remove_all(app / "jinmei");
    const AppPaths paths(app, {}, user);
    EXPECT_TRUE(paths.prepareUserTables());
    EXPECT_TRUE(fs::is_directory(user));
}

// A build's programs run from their staged folder, so the client tables stay next to them.
TEST(AppPathsTest, AnApplicationFolderFromTheEnvironmentKeepsItsOwnClientTables) {
    TempDir dir;
    ::setenv("SUIMEI_HOME", dir.path().c_str(), 1);
    ::setenv("SUIMEI_INI", (dir.path() / "x.ini").c_str(), 1);
    const AppPaths paths = AppPaths::fromEnvironment();
    ::unsetenv("SUIMEI_HOME");
    ::unsetenv("SUIMEI_INI");
    EXPECT_EQ(paths.appDir(), dir.path());
    EXPECT_EQ(paths.iniFile(), dir.path() / "x.ini");
    EXPECT_EQ(paths.jinmeiDir(), dir.path() / "jinmei");
}

}  // namespace
}  // namespace suimei
