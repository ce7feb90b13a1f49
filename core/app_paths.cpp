#include "core/app_paths.h"

#include <cstdlib>
#include <system_error>

namespace suimei {

namespace fs = std::filesystem;

AppPaths::AppPaths(fs::path appDir, fs::path iniFile, fs::path jinmeiDir)
    : appDir_(std::move(appDir)), iniFile_(std::move(iniFile)), jinmeiDir_(std::move(jinmeiDir)) {
    if (iniFile_.empty()) iniFile_ = appDir_ / "vorrin80.ini";
    if (jinmeiDir_.empty()) jinmeiDir_ = appDir_ / "jinmei";
}

namespace {

// "$<xdgVariable>/suimei/<name>", else "$HOME/<homeFallback>/suimei/<name>"; empty when neither
// variable is set.
fs::path userFile(const char* xdgVariable, const char* homeFallback, const char* name) {
    if (const char* xdg = std::getenv(xdgVariable); xdg && *xdg) {
        return fs::path(xdg) / "suimei" / name;
    }
    if (const char* h = std::getenv("HOME"); h && *h) {
        return fs::path(h) / homeFallback / "suimei" / name;
    }
    return {};
}

}  // namespace

AppPaths AppPaths::fromEnvironment(const char* argv0) {
    fs::path app;
    bool installed = false;
    if (const char* home = std::getenv("SUIMEI_HOME"); home && *home) {
        app = home;
    } else {
        std::error_code ec;
        fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        if (ec && argv0) exe = fs::absolute(argv0, ec);
        app = exe.parent_path();
        // <prefix>/bin/suimei reads <prefix>/share/suimei-workbench; a build runs from its staged
        // application folder, which holds the executables themselves.
        const fs::path shared = app.parent_path() / kInstalledAppDir;
        if (app.filename() == "bin" && fs::is_directory(shared, ec)) {
            app = shared;
            installed = true;
        }
    }
    fs::path ini;
    if (const char* p = std::getenv("SUIMEI_INI"); p && *p) {
        ini = p;
    } else {
        ini = userFile("XDG_CONFIG_HOME", ".config", "vorrin80.ini");
        if (ini.empty()) ini = app / "vorrin80.ini";
    }
    fs::path jinmei;
    if (installed) jinmei = userFile("XDG_DATA_HOME", ".local/share", "jinmei");
    return AppPaths(app, ini, jinmei);
}

bool AppPaths::prepareUserTables(std::string* error) const {
    const fs::path shipped = shippedJinmeiDir();
    std::error_code ec;
    if (fs::equivalent(jinmeiDir_, shipped, ec)) return true;
    fs::create_directories(jinmeiDir_, ec);
    if (ec) {
        if (error) *error = jinmeiDir_.string() + ": " + ec.message();
        return false;
    }
    std::error_code walk;
    for (fs::directory_iterator it(shipped, walk), end; !walk && it != end; it.increment(walk)) {
        if (!it->is_regular_file(ec) || it->path().extension() != ".db") continue;
        const fs::path target = jinmeiDir_ / it->path().filename();
        if (fs::exists(target, ec)) continue;
        // Copied under a temporary name first, so an interrupted copy never leaves half a table
        // that would be taken for the user's own next time.
        fs::path partial = target;
        partial += ".part";
        std::error_code copyError;
        fs::copy_file(it->path(), partial, fs::copy_options::overwrite_existing, copyError);
        if (!copyError) fs::rename(partial, target, copyError);
        if (copyError) {
            fs::remove(partial, ec);
            if (error) *error = target.string() + ": " + copyError.message();
            return false;
        }
        // The shipped file may be read-only (an installed package); the user's copy is theirs.
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, ec);
    }
    return true;
}

fs::path AppPaths::etoFile(int year) const {
    return appDir_ / (std::to_string(year) + ".eto");
}

}  // namespace suimei
