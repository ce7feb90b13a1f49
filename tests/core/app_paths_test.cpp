// The user's client tables, reading tables and editable files are copies of the shipped ones,
// made once and never replaced; without a user data folder everything stays in the application
// folder.

#include "core/app_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

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

// The reading tables of bun/, tengen.db and QrekiTaiwan.txt are edited in the windows, so an
// installed program reads and writes the user's copies.
class UserFilesTest : public ::testing::Test {
  protected:
    TempDir dir;
    fs::path app = dir.path() / "app";
    fs::path data = dir.path() / "data" / "suimei";

    void SetUp() override {
        fs::create_directories(app / "bun");
        dir.write("app/bun/kanteibun1.db", "passages");
        dir.write("app/bun/sixty.DB", "sixty pillars");
        dir.write("app/bun/kouun.db-wal", "a journal left by a run");
        dir.write("app/bun/kouun.db.part", "half a copy");
        dir.write("app/bun/kar6.txt", "a reading text");
        dir.write("app/tengen.db", "conception days");
        dir.write("app/QrekiTaiwan.txt", "taiwan");
        dir.write("app/kisobun.rtf", "shipped text");
    }
};

TEST_F(UserFilesTest, EditableFilesAreCopiedOnceAndThenUsedFromTheUserFolder) {
    dir.write("data/suimei/tengen.db", "my own conception days");
    const AppPaths paths(app, {}, data / "jinmei", data);
    std::string error;
    ASSERT_TRUE(paths.prepareUserFiles(&error)) << error;
    EXPECT_EQ(readAll(data / "bun" / "kanteibun1.db"), "passages");
    EXPECT_EQ(readAll(data / "bun" / "sixty.DB"), "sixty pillars");
    EXPECT_FALSE(fs::exists(data / "bun" / "kouun.db-wal"));
    EXPECT_FALSE(fs::exists(data / "bun" / "kouun.db.part"));
    EXPECT_FALSE(fs::exists(data / "bun" / "kar6.txt"));
    EXPECT_EQ(readAll(data / "tengen.db"), "my own conception days");
    EXPECT_EQ(readAll(data / "QrekiTaiwan.txt"), "taiwan");

    EXPECT_EQ(paths.bunDir(), data / "bun");
    EXPECT_EQ(paths.file("tengen.db"), data / "tengen.db");
    EXPECT_EQ(paths.file("QrekiTaiwan.txt"), data / "QrekiTaiwan.txt");
    EXPECT_EQ(paths.file("kisobun.rtf"), app / "kisobun.rtf");
    EXPECT_FALSE(fs::exists(data / "kisobun.rtf"));
}

TEST_F(UserFilesTest, WithoutAUserFolderTheApplicationFolderHoldsThem) {
    const AppPaths paths(app);
    EXPECT_TRUE(paths.prepareUserFiles());
    EXPECT_EQ(paths.bunDir(), app / "bun");
    EXPECT_EQ(paths.file("tengen.db"), app / "tengen.db");
    EXPECT_FALSE(fs::exists(dir.path() / "data"));
}

// No copy could be made: the shipped files are read where they are rather than an empty table
// being created in their place.
TEST_F(UserFilesTest, AFileThatCouldNotBeCopiedIsReadFromTheApplicationFolder) {
    dir.write("data", "a file where the folder should be");
    const AppPaths paths(app, {}, {}, data);
    std::string error;
    EXPECT_FALSE(paths.prepareUserFiles(&error));
    EXPECT_NE(error.find("bun"), std::string::npos) << error;
    EXPECT_EQ(paths.bunDir(), app / "bun");
    EXPECT_EQ(paths.file("tengen.db"), app / "tengen.db");
}

TEST_F(UserFilesTest, AnEditableFileNeverShippedIsMadeInTheUserFolder) {
    fs::remove(app / "QrekiTaiwan.txt");
    const AppPaths paths(app, {}, {}, data);
    ASSERT_TRUE(paths.prepareUserFiles());
    EXPECT_EQ(paths.file("QrekiTaiwan.txt"), data / "QrekiTaiwan.txt");
}

// Sets an environment variable (unsets it for nullptr) and puts back what it was.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) saved_ = old;
        set(value);
    }
    ~ScopedEnv() { set(saved_ ? saved_->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    void set(const char* value) {
        if (value) {
            ::setenv(name_, value, 1);
        } else {
            ::unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

// The settings are the user's: $XDG_CONFIG_HOME/suimei, else ~/.config/suimei.
TEST(AppPathsTest, TheSettingsFileIsInTheUsersConfigFolder) {
    TempDir dir;
    const ScopedEnv app("SUIMEI_HOME", (dir.path() / "app").c_str());
    const ScopedEnv ini("SUIMEI_INI", nullptr);
    ScopedEnv config("XDG_CONFIG_HOME", (dir.path() / "config").c_str());
    const ScopedEnv home("HOME", (dir.path() / "home").c_str());
    EXPECT_EQ(AppPaths::fromEnvironment().iniFile(),
              dir.path() / "config" / "suimei" / "vorrin80.ini");
    config.set(nullptr);
    EXPECT_EQ(AppPaths::fromEnvironment().iniFile(),
              dir.path() / "home" / ".config" / "suimei" / "vorrin80.ini");
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
