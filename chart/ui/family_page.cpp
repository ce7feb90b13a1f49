#include "chart/ui/family_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/qt_text.h"
#include "readings/memo_appraisal.h"

namespace suimei {

namespace {

// Grid cells of boxes 1..18: grandparents on row 0, parents on row 2, the couple on row 4,
// children and their spouses on row 6; each parent sits over the middle of its own parents.
constexpr std::array<std::pair<int, int>, kFamilyBoxes> kCells = {{{0, 0},
                                                                   {0, 1},
                                                                   {0, 2},
                                                                   {0, 3},
                                                                   {0, 4},
                                                                   {0, 5},
                                                                   {0, 6},
                                                                   {0, 7},
                                                                   {2, 0},
                                                                   {2, 2},
                                                                   {2, 4},
                                                                   {2, 6},
                                                                   {4, 2},
                                                                   {4, 4},
                                                                   {6, 1},
                                                                   {6, 3},
                                                                   {6, 5},
                                                                   {6, 7}}};

QLabel* cellLabel(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setFixedSize(56, 30);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    return l;
}

}  // namespace

FamilyPage::FamilyPage(QWidget* parent) : QWidget(parent) {
    setObjectName("FamilyPage");
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    status_ = new QLabel(QStringLiteral("鑑定ボタンをまず押下して鑑定を行って下さい。"), this);
    status_->setObjectName("familystatuslbl");
    left->addWidget(status_);
    auto* grid = new QGridLayout;
    for (int b = 0; b < kFamilyBoxes; ++b) {
        const auto [row, column] = kCells[static_cast<std::size_t>(b)];
        labels_[static_cast<std::size_t>(b)] = new QLabel(this);
        labels_[static_cast<std::size_t>(b)]->setObjectName(QString("rokulbl%1").arg(b + 1));
        labels_[static_cast<std::size_t>(b)]->setAlignment(Qt::AlignCenter);
        boxes_[static_cast<std::size_t>(b)] = cellLabel(this, QString("roku%1").arg(b + 1));
        grid->addWidget(labels_[static_cast<std::size_t>(b)], row, column);
        grid->addWidget(boxes_[static_cast<std::size_t>(b)], row + 1, column);
    }
    left->addLayout(grid);

    auto* side = new QGridLayout;
    const char* rolesAbove[] = {"男の子", "自分", "目上男性", "父親"};
    const char* rolesBelow[] = {"女の子", "配偶者", "目上女性", "母親"};
    const char* heads[] = {"時柱", "日柱", "月柱", "年柱"};
    for (int c = 0; c < 4; ++c) {
        side->addWidget(new QLabel(QString::fromUtf8(heads[c]), this), 0, c, Qt::AlignCenter);
        side->addWidget(new QLabel(QString::fromUtf8(rolesAbove[c]), this), 1, c, Qt::AlignCenter);
        side_[static_cast<std::size_t>(c)] = cellLabel(this, QString("sidestem%1").arg(c + 1));
        side->addWidget(side_[static_cast<std::size_t>(c)], 2, c);
        side_[static_cast<std::size_t>(c + 4)] = cellLabel(this, QString("sidezokan%1").arg(c + 1));
        side->addWidget(side_[static_cast<std::size_t>(c + 4)], 3, c);
        side->addWidget(new QLabel(QString::fromUtf8(rolesBelow[c]), this), 4, c, Qt::AlignCenter);
    }
    left->addSpacing(16);
    left->addLayout(side);
    left->addStretch();
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    const std::pair<const char*, const char*> buttons[] = {{"haiguyabtn", "配偶者干と位置関係"},
                                                           {"haigusya2btn", "配偶者干と日支の干"},
                                                           {"tencyusatubtn", "天冲殺による試練"}};
    auto* row = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(buttons[i].second), this);
        b->setObjectName(buttons[i].first);
        connect(b, &QPushButton::clicked, this, [this, i] { emit readingRequested(i); });
        row->addWidget(b);
    }
    auto* clear = new QPushButton(QStringLiteral("全文削除"), this);
    clear->setObjectName("delbtn");
    connect(clear, &QPushButton::clicked, this, &FamilyPage::clearMemo);
    row->addWidget(clear);
    auto* print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName("print6sinbtn");
    connect(print, &QPushButton::clicked, this, &FamilyPage::printRequested);
    row->addWidget(print);
    right->addLayout(row);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    right->addWidget(memo_, 1);
    layout->addLayout(right, 1);
    showDiagram(FamilyDiagram{}, false);
}

void FamilyPage::showDiagram(const FamilyDiagram& d, bool hasRun) {
    status_->setVisible(!hasRun);
    for (std::size_t b = 0; b < kFamilyBoxes; ++b) {
        labels_[b]->setText(qs(d.boxes[b].label));
        boxes_[b]->setText(hasRun ? qs(stemName(d.boxes[b].stem)) : QString());
        QPalette p = boxes_[b]->palette();
        // The client's own box in aqua (0xFFFF00 as 0xBBGGRR), the others white.
        p.setColor(QPalette::Window,
                   hasRun && d.boxes[b].highlighted ? QColor(0x00, 0xFF, 0xFF) : QColor(Qt::white));
        boxes_[b]->setPalette(p);
    }
    for (std::size_t c = 0; c < 8; ++c) {
        side_[c]->setText(hasRun ? qs(stemName(d.side[c].stem)) : QString());
    }
}

void FamilyPage::appendLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) memo_->appendPlainText(qs(line));
}

void FamilyPage::clearMemo() {
    memo_->clear();
}

std::vector<std::string> FamilyPage::memoLines() const {
    return memoLinesOf(memo_->toPlainText().toStdString());
}

}  // namespace suimei
