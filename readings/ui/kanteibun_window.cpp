#include "readings/ui/kanteibun_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "calendar/types.h"
#include "readings/reading_keys.h"

namespace suimei {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QComboBox* makePicker(const QString& objectName, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

}  // namespace

Tkanteibunfrm::Tkanteibunfrm(PassageTable& passages, Notifier& notifier, QWidget* parent)
    : ReadingTableWindow(&passages.table(), {"key1", "key2", "bun1"},
                         {{"memo", "memoEditor", QString()}}, notifier, parent),
      passages_(passages) {
    setObjectName(QStringLiteral("Tkanteibunfrm"));
    setWindowTitle(QString::fromUtf8(kKanteibunCaption));
    resize(720, 620);

    QStringList stems, gods, stages;
    for (int s = 1; s <= 10; ++s) stems << qs(stemName(s));
    for (const auto name : kTenGodPickerNames) gods << qs(name);
    for (int st = 1; st <= 12; ++st) stages << qs(stageName(st));
    stemPicker_ = makePicker(QStringLiteral("stemPicker"), stems, this);
    tenGodPicker_ = makePicker(QStringLiteral("tenGodPicker"), gods, this);
    stagePicker_ = makePicker(QStringLiteral("stagePicker"), stages, this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("key2:"), this));
    for (QComboBox* box : {stemPicker_, tenGodPicker_, stagePicker_}) {
        row->addWidget(box);
        connect(box, &QComboBox::textActivated, this, &Tkanteibunfrm::writeKey2);
    }
    row->addStretch(1);
    extraArea()->addLayout(row);

    // A reader's walk over the shared cursor: no repainting meanwhile, then follow the cursor.
    passages_.setDisplayControl([this](bool enabled) {
        grid()->setUpdatesEnabled(enabled);
        if (enabled) refreshFromTable();
    });
}

Tkanteibunfrm::~Tkanteibunfrm() {
    passages_.setDisplayControl({});
}

void Tkanteibunfrm::writeKey2(const QString& name) {
    Table& t = passages_.table();
    if (t.empty()) return;
    if (!t.setField("key2", name.toStdString())) return;
    postPending();
    refreshFromTable();
}

}  // namespace suimei
