#pragma once
// Where the program finds its run-time files. The application directory is the folder of the
// executable, or $SUIMEI_HOME when set; the INI file lives in $XDG_CONFIG_HOME/suimei/ (or
// ~/.config/suimei/), or at $SUIMEI_INI when set.

#include <filesystem>
#include <string>

namespace suimei {

class AppPaths {
  public:
    AppPaths() = default;
    explicit AppPaths(std::filesystem::path appDir, std::filesystem::path iniFile = {});

    // Resolves from the environment and the running executable (argv0 as fallback).
    static AppPaths fromEnvironment(const char* argv0 = nullptr);

    const std::filesystem::path& appDir() const { return appDir_; }
    const std::filesystem::path& iniFile() const { return iniFile_; }

    // "<appDir>/<year>.eto"
    std::filesystem::path etoFile(int year) const;
    std::filesystem::path file(const std::string& name) const { return appDir_ / name; }
    std::filesystem::path bunDir() const { return appDir_ / "bun"; }
    std::filesystem::path jinmeiDir() const { return appDir_ / "jinmei"; }
    std::filesystem::path bmpDir() const { return appDir_ / "bmp"; }
    std::filesystem::path hyousiDir() const { return appDir_ / "hyousi"; }

  private:
    std::filesystem::path appDir_;
    std::filesystem::path iniFile_;
};

}  // namespace suimei
