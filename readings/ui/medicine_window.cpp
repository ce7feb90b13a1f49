#include "readings/ui/medicine_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "calendar/types.h"
#include "core/ui/qt_text.h"
#include "readings/memo_appraisal.h"
#include "readings/topic_keys.h"

namespace suimei {

Tigakufrm::Tigakufrm(PassageTable& passages, Append append, QWidget* parent)
    : QWidget(parent), passages_(passages), append_(std::move(append)) {
    setObjectName(QStringLiteral("Tigakufrm"));
    setWindowTitle(qs(kMedicineCaption));
    auto* layout = new QVBoxLayout(this);

    auto* stemGroup = new QGroupBox(qs(kMedicineStemGroup), this);
    auto* stemLine = new QHBoxLayout(stemGroup);
    stems_ = new QComboBox(stemGroup);
    stems_->setObjectName(QStringLiteral("stemChoice"));
    for (int s = 1; s <= 10; ++s) stems_->addItem(qs(stemName(s)));
    stemLine->addWidget(stems_, 1);
    auto* btn1 = new QPushButton(QString::fromUtf8("十干別診断"), stemGroup);
    btn1->setObjectName(QStringLiteral("btn1"));
    connect(btn1, &QPushButton::clicked, this, &Tigakufrm::btn1Click);
    stemLine->addWidget(btn1);
    layout->addWidget(stemGroup);

    auto* symptomGroup = new QGroupBox(qs(kMedicineSymptomGroup), this);
    auto* symptomLine = new QVBoxLayout(symptomGroup);
    symptoms_ = new QComboBox(symptomGroup);
    symptoms_->setObjectName(QStringLiteral("symptomChoice"));
    symptoms_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const MedicineSymptom& s : kMedicineSymptoms) symptoms_->addItem(qs(s.choice));
    symptomLine->addWidget(symptoms_);
    auto* btn2 = new QPushButton(QString::fromUtf8("症状診断"), symptomGroup);
    btn2->setObjectName(QStringLiteral("btn2"));
    connect(btn2, &QPushButton::clicked, this, &Tigakufrm::btn2Click);
    symptomLine->addWidget(btn2, 0, Qt::AlignRight);
    layout->addWidget(symptomGroup);
    layout->addStretch(1);
}

void Tigakufrm::chooseStem(int stem) {
    if (isStem(stem)) stems_->setCurrentIndex(stem - 1);
}

void Tigakufrm::btn1Click() {
    if (append_) append_(medicineStemLines(stems_->currentIndex() + 1, passages_));
    close();
}

void Tigakufrm::btn2Click() {
    if (append_) append_(medicineSymptomLines(symptoms_->currentIndex(), passages_));
    close();
}

}  // namespace suimei
