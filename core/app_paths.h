#pragma once
// Where the program finds its run-time files. The application directory is the folder of the
// executable, or $SUIMEI_HOME when set; an installed program (<prefix>/bin/suimei) finds it in
// <prefix>/share/suimei-workbench. The INI file lives in $XDG_CONFIG_HOME/suimei/ (or
// ~/.config/suimei/), or at $SUIMEI_INI when set.
//
// The client tables live in the application directory's jinmei/ in a development build. An
// installed application directory is read-only to the user, so an installed program keeps them in
// $XDG_DATA_HOME/suimei/jinmei (or ~/.local/share/suimei/jinmei), started from the shipped ones.

#include <filesystem>
#include <string>

namespace suimei {

class AppPaths {
  public:
    AppPaths() = default;
    explicit AppPaths(std::filesystem::path appDir, std::filesystem::path iniFile = {},
                      std::filesystem::path jinmeiDir = {});

    // The folder of the installed application files below an installation prefix.
    static constexpr const char* kInstalledAppDir = "share/suimei-workbench";

    // Resolves from the environment and the running executable (argv0 as fallback).
    static AppPaths fromEnvironment(const char* argv0 = nullptr);

    const std::filesystem::path& appDir() const { return appDir_; }
    const std::filesystem::path& iniFile() const { return iniFile_; }

    // "<appDir>/<year>.eto"
    std::filesystem::path etoFile(int year) const;
    std::filesystem::path file(const std::string& name) const { return appDir_ / name; }
    std::filesystem::path bunDir() const { return appDir_ / "bun"; }
    // The user's client tables.
    const std::filesystem::path& jinmeiDir() const { return jinmeiDir_; }
    // The client tables shipped with the program ("<appDir>/jinmei").
    std::filesystem::path shippedJinmeiDir() const { return appDir_ / "jinmei"; }

    // Makes the user's client-table folder and copies into it each shipped table it lacks; a table
    // already there is never replaced. Returns false (with *error) when that cannot be done.
    bool prepareUserTables(std::string* error = nullptr) const;
    std::filesystem::path bmpDir() const { return appDir_ / "bmp"; }
    std::filesystem::path hyousiDir() const { return appDir_ / "hyousi"; }

  private:
    std::filesystem::path appDir_;
    std::filesystem::path iniFile_;
    std::filesystem::path jinmeiDir_;
};

}  // namespace suimei
