#include "core/app_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cstdlib>
#include <system_error>

namespace suimei {

namespace fs = std::filesystem;

namespace {

// Files of the application directory's top that the reader edits in the windows (the
// conception-day table, the Taiwan old-calendar file).
constexpr std::array<const char*, 2> kEditableFiles = {"tengen.db", "QrekiTaiwan.txt"};

bool isEditable(const std::string& name) {
    for (const char* e : kEditableFiles) {
        if (name == e) return true;
    }
    return false;
}

// A table file of bun/ ("kanteibun1.db", "sixty.DB"); the reading texts beside them are read where
// they were shipped, and a journal SQLite leaves beside a table or a copy cut short is no table.
bool isTableFile(const fs::path& file) {
    std::string ext = file.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".db";
}

// $HOME, else the account's home folder; empty when neither is known.
fs::path homeFolder() {
    if (const char* h = std::getenv("HOME"); h && *h) return h;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && *pw->pw_dir) {
        return pw->pw_dir;
    }
    return {};
}

// "$<xdgVariable>/suimei", else "<home>/<homeFallback>/suimei"; empty when neither is known.
fs::path userFolder(const char* xdgVariable, const char* homeFallback) {
    if (const char* xdg = std::getenv(xdgVariable); xdg && *xdg) return fs::path(xdg) / "suimei";
    const fs::path home = homeFolder();
    return home.empty() ? fs::path() : home / homeFallback / "suimei";
}

// Copies `source` to `target` unless `target` exists; the copy is the user's to write even when the
// shipped file is not. False with *error when the copy fails (no part of it is left behind).
bool copyIfMissing(const fs::path& source, const fs::path& target, std::string* error) {
    std::error_code ec;
    if (fs::exists(target, ec)) return true;
    // Copied under a temporary name first, so an interrupted copy never leaves half a file that
    // would be taken for the user's own next time.
    fs::path partial = target;
    partial += ".part";
    std::error_code copyError;
    fs::copy_file(source, partial, fs::copy_options::overwrite_existing, copyError);
    if (!copyError) {
        fs::permissions(partial, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, ec);
        fs::rename(partial, target, copyError);
    }
    if (copyError) {
        fs::remove(partial, ec);
        if (error) *error = target.string() + ": " + copyError.message();
        return false;
    }
    return true;
}

bool makeFolder(const fs::path& folder, std::string* error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) {
        if (error) *error = folder.string() + ": " + (ec ? ec.message() : "not a folder");
        return false;
    }
    return true;
}

}  // namespace

AppPaths::AppPaths(fs::path appDir, fs::path iniFile, fs::path jinmeiDir, fs::path userDataDir)
    : appDir_(std::move(appDir)),
      iniFile_(std::move(iniFile)),
      jinmeiDir_(std::move(jinmeiDir)),
      userDataDir_(std::move(userDataDir)) {
    if (iniFile_.empty()) iniFile_ = appDir_ / "vorrin80.ini";
    if (jinmeiDir_.empty()) jinmeiDir_ = appDir_ / "jinmei";
}

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
        ini = userFolder("XDG_CONFIG_HOME", ".config");
        ini = ini.empty() ? app / "vorrin80.ini" : ini / "vorrin80.ini";
    }
    const fs::path data = installed ? userFolder("XDG_DATA_HOME", ".local/share") : fs::path();
    AppPaths paths(app, ini, data.empty() ? fs::path() : data / "jinmei", data);
    // The copies are made before anything opens a table; a file that cannot be copied is read
    // where it was shipped (its table then opens read-only).
    paths.prepareUserFiles();
    return paths;
}

bool AppPaths::prepareUserTables(std::string* error) const {
    const fs::path shipped = shippedJinmeiDir();
    std::error_code ec;
    if (fs::equivalent(jinmeiDir_, shipped, ec)) return true;
    if (!makeFolder(jinmeiDir_, error)) return false;
    std::error_code walk;
    for (fs::directory_iterator it(shipped, walk), end; !walk && it != end; it.increment(walk)) {
        if (!it->is_regular_file(ec) || it->path().extension() != ".db") continue;
        if (!copyIfMissing(it->path(), jinmeiDir_ / it->path().filename(), error)) return false;
    }
    return true;
}

bool AppPaths::prepareUserFiles(std::string* error) const {
    std::error_code ec;
    if (userDataDir_.empty() || fs::equivalent(userDataDir_, appDir_, ec)) return true;
    const fs::path shippedBun = shippedBunDir();
    if (fs::is_directory(shippedBun, ec)) {
        const fs::path ownBun = userDataDir_ / "bun";
        if (!makeFolder(ownBun, error)) return false;
        std::error_code walk;
        for (fs::directory_iterator it(shippedBun, walk), end; !walk && it != end;
             it.increment(walk)) {
            if (!it->is_regular_file(ec) || !isTableFile(it->path())) continue;
            if (!copyIfMissing(it->path(), ownBun / it->path().filename(), error)) return false;
        }
    }
    for (const char* name : kEditableFiles) {
        if (!fs::is_regular_file(appDir_ / name, ec)) continue;
        if (!makeFolder(userDataDir_, error)) return false;
        if (!copyIfMissing(appDir_ / name, userDataDir_ / name, error)) return false;
    }
    return true;
}

fs::path AppPaths::file(const std::string& name) const {
    if (userDataDir_.empty() || !isEditable(name)) return appDir_ / name;
    fs::path own = userDataDir_ / name;
    std::error_code ec;
    if (fs::exists(own, ec) || !fs::exists(appDir_ / name, ec)) return own;
    return appDir_ / name;
}

fs::path AppPaths::bunDir() const {
    std::error_code ec;
    if (!userDataDir_.empty() && fs::is_directory(userDataDir_ / "bun", ec)) {
        return userDataDir_ / "bun";
    }
    return shippedBunDir();
}

fs::path AppPaths::etoFile(int year) const {
    return appDir_ / (std::to_string(year) + ".eto");
}

}  // namespace suimei
