#pragma once
// TSixtyForm, "６０花甲子データベース": the editor of the sixty-pillar table sixty.DB (one passage
// per sex and day-pillar number).

#include <memory>

#include "core/app_paths.h"
#include "readings/ui/reading_table_window.h"

namespace suimei {

inline constexpr char kSixtyCaption[] = "６０花甲子データベース";

class TSixtyForm : public ReadingTableWindow {
    Q_OBJECT
  public:
    // Opens bun/sixty.DB (created empty when missing).
    TSixtyForm(const AppPaths& paths, Notifier& notifier, QWidget* parent = nullptr);
    ~TSixtyForm() override;

  private:
    TSixtyForm(std::unique_ptr<Table> table, Notifier& notifier, QWidget* parent);

    std::unique_ptr<Table> owned_;
};

}  // namespace suimei
