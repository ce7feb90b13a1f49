#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.

#include <filesystem>
#include <string>
#include <string_view>

namespace suimei::testing {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes bytes to a file in the folder and returns its path.
    std::filesystem::path write(const std::string& name, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

// Runs a shell command and returns its standard output; the exit status goes to *status.
std::string runCommand(const std::string& command, int* status = nullptr);

}  // namespace suimei::testing
