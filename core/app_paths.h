#pragma once
// Where the program finds its run-time files. The application directory is the folder of the
// executable, or $SUIMEI_HOME when set; an installed program (<prefix>/bin/suimei) finds it in
// <prefix>/share/suimei-workbench. The INI file lives in $XDG_CONFIG_HOME/suimei/ (or
// ~/.config/suimei/), or at $SUIMEI_INI when set.
//
// The client tables live in the application directory's jinmei/ in a development build. An
// installed application directory is read-only to the user, so an installed program keeps them in
// $XDG_DATA_HOME/suimei/jinmei (or ~/.local/share/suimei/jinmei), started from the shipped ones.
// The same holds for what the reader edits in the windows: the reading tables of bun/, tengen.db
// and QrekiTaiwan.txt are the user's copies in $XDG_DATA_HOME/suimei once installed.

#include <filesystem>
#include <string>

namespace suimei {

class AppPaths {
  public:
    AppPaths() = default;
    // `userDataDir` empty: the application directory holds the reader's editable files itself.
    explicit AppPaths(std::filesystem::path appDir, std::filesystem::path iniFile = {},
                      std::filesystem::path jinmeiDir = {}, std::filesystem::path userDataDir = {});

    // The folder of the installed application files below an installation prefix.
    static constexpr const char* kInstalledAppDir = "share/suimei-workbench";

    // Resolves from the environment and the running executable (argv0 as fallback). An installed
    // program also copies the editable files it finds missing into the user's data folder here,
    // before anything opens them (prepareUserFiles).
    static AppPaths fromEnvironment(const char* argv0 = nullptr);

    const std::filesystem::path& appDir() const { return appDir_; }
    const std::filesystem::path& iniFile() const { return iniFile_; }

    // "<appDir>/<year>.eto"
    std::filesystem::path etoFile(int year) const;
    // "<appDir>/<name>"; an editable file (tengen.db, QrekiTaiwan.txt) is the user's copy when
    // there is a user data folder and the copy exists (or nothing was shipped to copy).
    std::filesystem::path file(const std::string& name) const;
    // The reading tables' folder: the user's "bun" when it exists, else the shipped one.
    std::filesystem::path bunDir() const;
    std::filesystem::path shippedBunDir() const { return appDir_ / "bun"; }
    // The user's folder for what they edit; empty when that is the application directory.
    const std::filesystem::path& userDataDir() const { return userDataDir_; }
    // The user's client tables.
    const std::filesystem::path& jinmeiDir() const { return jinmeiDir_; }
    // The client tables shipped with the program ("<appDir>/jinmei").
    std::filesystem::path shippedJinmeiDir() const { return appDir_ / "jinmei"; }

    // Makes the user's client-table folder and copies into it each shipped table it lacks; a table
    // already there is never replaced. Returns false (with *error) when that cannot be done.
    bool prepareUserTables(std::string* error = nullptr) const;
    // Copies each shipped editable file the user data folder lacks (the tables of bun/,
    // tengen.db, QrekiTaiwan.txt); nothing is replaced. True without a user data folder. Returns
    // false (with *error) at the first file that cannot be copied.
    bool prepareUserFiles(std::string* error = nullptr) const;
    std::filesystem::path bmpDir() const { return appDir_ / "bmp"; }
    std::filesystem::path hyousiDir() const { return appDir_ / "hyousi"; }

  private:
    std::filesystem::path appDir_;
    std::filesystem::path iniFile_;
    std::filesystem::path jinmeiDir_;
    std::filesystem::path userDataDir_;
};

}  // namespace suimei
