#pragma once
// TKounDBForm, "年運の象意のデータベース": the editor of the annual imagery table kouun.db. The
// table is loaded into memory once, when the window is created, for the fortune labels of the
// annual columns.

#include <memory>

#include "core/app_paths.h"
#include "readings/passage_table.h"
#include "readings/ui/reading_table_window.h"

namespace suimei {

inline constexpr char kKounDBCaption[] = "年運の象意のデータベース";

class TKounDBForm : public ReadingTableWindow {
    Q_OBJECT
  public:
    // Opens bun/kouun.db (created empty when missing; an error is reported when it cannot be
    // opened) and loads it.
    TKounDBForm(const AppPaths& paths, Notifier& notifier, QWidget* parent = nullptr);
    ~TKounDBForm() override;

    // The keywords and hints as loaded at creation.
    const AnnualImagery& imagery() const { return imagery_; }

  private:
    TKounDBForm(std::unique_ptr<Table> table, Notifier& notifier, QWidget* parent);

    std::unique_ptr<Table> owned_;
    AnnualImagery imagery_;
};

}  // namespace suimei
