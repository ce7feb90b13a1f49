#include "chart/ui/favourable_rules_window.h"
#include "core/ui/window_parts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace suimei {

namespace {

constexpr char kTitle[] = "用神が決定したら喜神と忌神を鑑定して命式の審事を完了します。";
constexpr char kFollowingSame[] =
    "最強の五行が用神で喜神になります。用神を生じる五行が副喜神になります。喜神以外が忌神です。";
constexpr char kFollowingOutput[] =
    "最強の五行が用神で喜神になります。用神が生ずる五行が副喜神になります。喜神以外が忌神です。";

struct Row {
    const char* pattern;
    const char* rule;
};

const Row kRows[] = {
    {"従旺格の喜忌", kFollowingSame},
    {"従殺格の喜忌", kFollowingSame},
    {"従強格の喜忌", kFollowingOutput},
    {"従児格の喜忌", kFollowingOutput},
    {"従財格の喜忌",
     "最強の五行が用神で喜神になります。用神が生ずる五行と用神を生じる五行が副喜神になります。喜神"
     "以外が忌神です。"},
    {"内格の喜忌",
     "用神が強い場合は、剋して弱めるか漏らして弱める五行が喜神です。喜神以外が忌神です。\n"
     "用神が弱い場合は、同じ五行で比和して強めるか扶助して強める五行が喜神です。喜神以外が忌神"
     "です。"},
};

}  // namespace

FavourableRulesWindow::FavourableRulesWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("FavourableRulesWindow");
    setWindowTitle(kTitle);

    auto* heading = new QLabel(kTitle, this);
    heading->setObjectName("heading");
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    const int rows = static_cast<int>(std::size(kRows));
    grid_ = new QTableWidget(rows, 2, this);
    grid_->setObjectName("ruleGrid");
    grid_->setHorizontalHeaderLabels(
        {" 格局の種類 ", "        それぞれの格局における喜神と忌神の決め方       "});
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setWordWrap(true);
    for (int r = 0; r < rows; ++r) {
        auto* pattern = new QTableWidgetItem(kRows[r].pattern);
        pattern->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(r, 0, pattern);
        grid_->setItem(r, 1, new QTableWidgetItem(kRows[r].rule));
    }
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    QHBoxLayout* buttons = closeButtonRow(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(900, 430);
}

}  // namespace suimei
