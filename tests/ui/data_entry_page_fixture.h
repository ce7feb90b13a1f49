#pragma once
// What the client-table window tests share: the main window bound to the real appraisal runner in
// a temporary application folder, and a quick way to fill a client table.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <string>

#include "app/appraisal.h"
#include "app/client_table.h"
#include "app/settings.h"
#include "app/ui/data_entry_page.h"
#include "app/ui/main_window.h"
#include "core/app_paths.h"
#include "core/table_store.h"
#include "support/temp_dir.h"

namespace suimei::testing {

inline QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// The main window's run, bound to the engine's runner (astronomical way: no calendar files).
class RunnerBackend : public AppraisalBackend {
  public:
    explicit RunnerBackend(AppraisalRunner& runner) : runner_(runner) {}
    AppraisalStatus run(const AppraisalInput& input, Notifier& notifier) override {
        ++runs;
        return runner_.run(input, notifier);
    }
    bool hasRun() const override { return runner_.hasRun(); }
    const AppraisalDisplay& display() const override { return runner_.display(); }
    int runs = 0;

  private:
    AppraisalRunner& runner_;
};

inline void addClient(Table& t, const std::string& name, const std::string& date,
                      const std::string& time, const std::string& sex,
                      const std::string& memo = {}) {
    t.append();
    t.setField(client_field::kName, name);
    t.setField(client_field::kBirthDate, date);
    t.setField(client_field::kTime, time);
    t.setField(client_field::kSex, sex);
    t.setField(client_field::kMemo, memo);
    t.post();
}

// Record values of one client table file, opened afresh (what a restart would see).
inline std::vector<Record> storedClients(const std::filesystem::path& file) {
    auto t = Table::open(file, clientTableDef(), false);
    std::vector<Record> rows;
    if (t)
        t->forEach([&](const Record& r) {
            rows.push_back(r);
            return true;
        });
    return rows;
}

// The main window with the client tables of a temporary application folder.
struct ClientWindow {
    TempDir dir;
    AppPaths paths{dir.path(), dir.path() / "vorrin80.ini"};
    SettingsStore store{paths};
    Settings settings;
    RecordingNotifier notifier;
    AppraisalRunner runner{paths};
    RunnerBackend backend{runner};
    std::unique_ptr<Tmenufrm> window;

    std::filesystem::path tableFile(int dataSet = 0) const {
        return paths.jinmeiDir() /
               std::string(kClientDataSets[static_cast<std::size_t>(dataSet)].fileName);
    }
    // Fills data set `dataSet` through its own connection before the window opens it.
    std::unique_ptr<Table> table(int dataSet = 0) const {
        return openClientTable(paths.jinmeiDir(), dataSet);
    }
    void open() {
        window = std::make_unique<Tmenufrm>(backend, settings, store, notifier);
        window->setToday(QDate(2025, 6, 1));
        page()->setJinmeiDir(paths.jinmeiDir());
        page()->openDataSet(0);
    }
    DataEntryPage* page() const { return window->entryPage(); }
    template <typename T = QPushButton>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* name) const {
        if (auto* b = find(name)) b->click();
    }
};

}  // namespace suimei::testing
