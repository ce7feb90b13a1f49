#include "readings/ui/pillar_reading_page.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <QVBoxLayout>

namespace suimei {

namespace {

struct PageLayout {
    const char* objectName;
    const char* memo1Name;
    const char* memo1Label;
    const char* memo2Name;
    const char* memo2Label;
};

constexpr PageLayout kPages[] = {
    {"YearPillarPage", "yymemo1", "年柱の通変星", "yymemo2", "年柱の十二運"},
    {"MonthPillarPage", "mmmemo1", "月柱の通変星", "mmmemo2", "月柱の十二運"},
    {"DayPillarPage", "ddcyoukou", "日干と季節（調候）", "ddmemo1", "日柱の十二運"},
};

QPlainTextEdit* addMemo(QVBoxLayout* layout, const char* name, const char* label, QWidget* parent) {
    layout->addWidget(new QLabel(QString::fromUtf8(label), parent));
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setReadOnly(true);
    layout->addWidget(memo, 1);
    return memo;
}

QString joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& line : lines) out << QString::fromStdString(line);
    return out.join(QLatin1Char('\n'));
}

}  // namespace

PillarReadingPage::PillarReadingPage(Kind kind, QWidget* parent) : QWidget(parent) {
    const PageLayout& layoutOf = kPages[kind];
    setObjectName(QString::fromLatin1(layoutOf.objectName));
    auto* layout = new QVBoxLayout(this);
    memo1_ = addMemo(layout, layoutOf.memo1Name, layoutOf.memo1Label, this);
    memo2_ = addMemo(layout, layoutOf.memo2Name, layoutOf.memo2Label, this);
}

void PillarReadingPage::showTexts(const PillarPage& page) {
    memo1_->setPlainText(joined(page.memo1));
    memo2_->setPlainText(joined(page.memo2));
}

}  // namespace suimei
