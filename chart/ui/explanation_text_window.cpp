#include "chart/ui/explanation_text_window.h"
#include "core/ui/window_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace suimei {

ExplanationTextWindow::ExplanationTextWindow(const QString& objectName, const QString& title,
                                             const QStringList& lines, QWidget* parent)
    : QDialog(parent), lines_(lines) {
    setObjectName(objectName);
    setWindowTitle(title);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(6);
    auto* heading = new QLabel(title, this);
    heading->setObjectName("heading");
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    layout->addWidget(heading);
    for (int i = 0; i < lines.size(); ++i) {
        auto* label = new QLabel(lines.at(i), this);
        label->setObjectName(QString("line%1").arg(i + 1));
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Heading lines (■, 【) stand out from the lines that explain them.
        if (lines.at(i).startsWith(QChar(0x25A0)) || lines.at(i).startsWith(QChar(0x3010))) {
            QFont f = label->font();
            f.setBold(true);
            label->setFont(f);
        }
        layout->addWidget(label);
    }
    layout->addStretch();
    QHBoxLayout* buttons = closeButtonRow(this);
    layout->addLayout(buttons);
    layout->setContentsMargins(18, 14, 18, 12);
}

QStringList ExplanationTextWindow::patternLines() {
    return {
        "【外格（従格）】命式の五行が一つに片寄り、その最も強い五行に従う格局です。",
        "  従旺格：日干と同じ五行（比肩・劫財）が最も強く、それを破る五行のない命式。",
        "  従強格：日干を生じる五行（印綬・偏印）が最も強く、それを破る五行のない命式。",
        "  従児格：日干が生じる五行（食神・傷官）が最も強く、それを破る五行のない命式。",
        "  従財格：日干が剋す五行（正財・偏財）が最も強く、それを破る五行のない命式。",
        "  従殺格：日干を剋す五行（正官・偏官）が最も強く、それを破る五行のない命式。",
        "【内格】片寄りを破る五行があるときは、月支蔵干の通変星で格局を取ります。",
        "  建禄格：月支蔵干が比肩。自立心が強く、自分の力で道を開きます。",
        "  月刃格：月支蔵干が劫財。剛毅で競争心が強く、勝負に出る力があります。",
        "  食神格：月支蔵干が食神。衣食住に恵まれ、おおらかに才能を伸ばします。",
        "  傷官格：月支蔵干が傷官。鋭い感性と才気を持ち、批判の目が利きます。",
        "  偏財格：月支蔵干が偏財。商才と社交性で財を動かします。",
        "  正財格：月支蔵干が正財。堅実で真面目に財を築き蓄えます。",
        "  偏官格：月支蔵干が偏官。行動力と決断力があり、権威を求めます。",
        "  正官格：月支蔵干が正官。品行方正で、秩序と名誉を重んじます。",
        "  印綬格：月支蔵干が印綬または偏印。学問と知性で身を立てます。",
    };
}

QStringList ExplanationTextWindow::usefulGodLines() {
    return {
        "■内格の場合、月支蔵干が天干に出ていればそれを用神とします。",
        "  月支蔵干が財星の場合は、正財、偏財のいづれの干でも用神とします。 ",
        "  月支蔵干が印星の場合は、印綬、偏印のいづれの干でも用神とします。 ",
        "■内格の場合で、月支蔵干が天干に出ていなければ、日干を用神とします。",
        "  =>内格の場合、用神が強い場合は弱め、弱い場合は強める手法で喜神を決めます。",
        "■外格の場合、片寄った一番強い五行の干がそのまま用神、喜神とします。",
    };
}

}  // namespace suimei
