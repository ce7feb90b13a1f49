#pragma once
// Ttengendb, "天源データベース画面": the editor of the conception-day table tengen.db (stem, branch
// and the reading), which lies in the application directory itself.

#include <memory>

#include "core/app_paths.h"
#include "readings/ui/reading_table_window.h"

namespace suimei {

inline constexpr char kTengenCaption[] = "天源データベース画面";

class Ttengendb : public ReadingTableWindow {
    Q_OBJECT
  public:
    // Opens <app>/tengen.db (created empty when missing).
    Ttengendb(const AppPaths& paths, Notifier& notifier, QWidget* parent = nullptr);
    ~Ttengendb() override;

  private:
    Ttengendb(std::unique_ptr<Table> table, Notifier& notifier, QWidget* parent);

    std::unique_ptr<Table> owned_;
};

}  // namespace suimei
