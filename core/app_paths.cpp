#include "core/app_paths.h"

#include <cstdlib>
#include <system_error>

namespace suimei {

namespace fs = std::filesystem;

AppPaths::AppPaths(fs::path appDir, fs::path iniFile)
    : appDir_(std::move(appDir)), iniFile_(std::move(iniFile)) {
    if (iniFile_.empty()) iniFile_ = appDir_ / "vorrin80.ini";
}

AppPaths AppPaths::fromEnvironment(const char* argv0) {
    fs::path app;
    if (const char* home = std::getenv("SUIMEI_HOME"); home && *home) {
        app = home;
    } else {
        std::error_code ec;
        fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        if (ec && argv0) exe = fs::absolute(argv0, ec);
        app = exe.parent_path();
    }
    fs::path ini;
    if (const char* p = std::getenv("SUIMEI_INI"); p && *p) {
        ini = p;
    } else if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        ini = fs::path(xdg) / "suimei" / "vorrin80.ini";
    } else if (const char* h = std::getenv("HOME"); h && *h) {
        ini = fs::path(h) / ".config" / "suimei" / "vorrin80.ini";
    } else {
        ini = app / "vorrin80.ini";
    }
    return AppPaths(app, ini);
}

fs::path AppPaths::etoFile(int year) const {
    return appDir_ / (std::to_string(year) + ".eto");
}

}  // namespace suimei
