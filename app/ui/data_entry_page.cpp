#include "app/ui/data_entry_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "app/client_record.h"
#include "app/client_table.h"
#include "app/ui/client_grid_model.h"
#include "calendar/types.h"
#include "chart/birth_date_text.h"

namespace suimei {

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}
QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
QString fromPath(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

// Sort buttons RadioButton1..6, in the order of kSortIndexes.
constexpr const char* kSortCaptions[6] = {"日主",       "生年月日",   "年干通変星",
                                          "月干通変星", "時干通変星", "月支通変星"};

struct RecordButton {
    const char* name;
    const char* caption;
    const char* hint;
};
constexpr RecordButton kRecordButtons[7] = {
    {"dbsento", "先頭へ(&F)", "最初のお客様へ移動します"},
    {"dbmae", "1つ前へ(&P)", "1つ前のお客様へ移動します"},
    {"dbato", "1つ先へ(&N)", "1つ先のお客様へ移動します"},
    {"dbsaigo", "最後へ(&L)", "最後のお客様へ移動します"},
    {"dbsinki", "新規作成(&I)", "新しいお客様を追加します"},
    {"dbtoroku", "ﾃﾞｰﾀ登録(&P)", "入力した内容を登録します"},
    {"dbdelete", "ﾃﾞｰﾀ削除(&D)",
     "表示中のお客様を削除します（確認はありません。「元に戻す」で戻せます）"},
};

// Grid column widths in pixels, in the order of kClientGridColumns.
constexpr int kColumnWidths[10] = {150, 92, 104, 44, 44, 44, 72, 72, 72, 72};

}  // namespace

DataEntryPage::DataEntryPage(Notifier& notifier, QWidget* parent)
    : QWidget(parent), notifier_(notifier) {
    setObjectName("DataPage");
    setStyleSheet("QGroupBox { font-weight: bold; }");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 10, 12, 8);
    outer->setSpacing(8);

    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(buildFields(), 0);
    top->addWidget(buildChoices(), 1);
    outer->addLayout(top);
    outer->addWidget(buildButtons());

    model_ = new ClientGridModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName("Spread1");
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setAlternatingRowColors(true);
    grid_->setWordWrap(false);
    grid_->setCornerButtonEnabled(false);
    // Fixed row heights and column widths: the view never asks for rows it does not show.
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->verticalHeader()->setMinimumWidth(44);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // The name column takes the width left over.
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < 10; ++c) grid_->setColumnWidth(c, kColumnWidths[c]);
    grid_->setStyleSheet(
        "QTableView { gridline-color: #d5d9e0; selection-background-color: #2f5597;"
        " selection-color: #ffffff; alternate-background-color: #f4f6fa; }"
        "QHeaderView::section { background: #e8ecf3; border: 0; border-right: 1px solid #c9cfd9;"
        " border-bottom: 1px solid #c9cfd9; padding: 3px 4px; }");
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { gridRowEntered(current.row()); });
    outer->addWidget(grid_, 1);

    updateButtons();
}

DataEntryPage::~DataEntryPage() {
    // The grid reads the table until the model lets go of it.
    model_->setTable(nullptr);
}

QWidget* DataEntryPage::buildFields() {
    auto* group = new QGroupBox(u8("鑑定するお客様"), this);
    group->setObjectName("clientgroup");
    auto* form = new QFormLayout(group);
    form->setContentsMargins(14, 10, 14, 10);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(7);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);

    simei_ = new QLineEdit(group);
    simei_->setObjectName("simei");
    simei_->setMaxLength(40);
    birthday_ = new QLineEdit(group);
    birthday_->setObjectName("birthday");
    birthday_->setPlaceholderText("yyyy/mm/dd");
    birthday_->setToolTip(
        u8("1960/05/29のように西暦で入力して下さい（1960-5-29、19600529、1960年5月29日も使え"
           "ます）。\n"
           "S34/12/26 のような和暦（M 明治・T 大正・S 昭和・H 平成・R 令和）は F2 キーで西暦に直"
           "せます。"));
    birthday_->setMaxLength(20);
    birthday_->installEventFilter(this);
    timeb_ = new QComboBox(group);
    timeb_->setObjectName("timeb");
    for (std::string_view slot : kBirthTimeSlots) timeb_->addItem(fromView(slot));
    timeb_->setCurrentIndex(-1);
    sex_ = new QComboBox(group);
    sex_->setObjectName("sex");
    sex_->addItems({u8("男"), u8("女")});
    sex_->setCurrentIndex(-1);
    memo_ = new QPlainTextEdit(group);
    memo_->setObjectName("DBMemo1");
    memo_->setFixedHeight(58);
    memo_->setTabChangesFocus(true);
    for (QWidget* w : {static_cast<QWidget*>(simei_), static_cast<QWidget*>(birthday_),
                       static_cast<QWidget*>(timeb_), static_cast<QWidget*>(sex_),
                       static_cast<QWidget*>(memo_)}) {
        w->setMinimumWidth(250);
    }
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(8);
    dateRow->addWidget(birthday_, 1);
    auto* f2 = new QLabel(u8("F2: 和暦→西暦"), group);
    f2->setObjectName("f2lbl");
    f2->setStyleSheet("color:#6b7385; font-weight: normal;");
    dateRow->addWidget(f2);
    form->addRow(u8("氏名"), simei_);
    form->addRow(u8("生年月日"), dateRow);
    form->addRow(u8("時刻"), timeb_);
    form->addRow(u8("性別"), sex_);
    form->addRow(u8("備考"), memo_);

    connect(simei_, &QLineEdit::textChanged, this, [this] { markChanged(kNameField); });
    connect(birthday_, &QLineEdit::textChanged, this, [this] { markChanged(kDateField); });
    connect(timeb_, &QComboBox::currentIndexChanged, this, [this] { markChanged(kTimeField); });
    connect(sex_, &QComboBox::currentIndexChanged, this, [this] { markChanged(kSexField); });
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { markChanged(kMemoField); });
    return group;
}

QWidget* DataEntryPage::buildChoices() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    auto* dataSets = new QGroupBox(u8("データの種類"), box);
    dataSets->setObjectName("dbselect");
    auto* dataGrid = new QGridLayout(dataSets);
    dataGrid->setContentsMargins(12, 6, 12, 6);
    dataGrid->setVerticalSpacing(4);
    dataSetGroup_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(
            fromView(kClientDataSets[static_cast<std::size_t>(i)].caption), dataSets);
        radio->setObjectName(QStringLiteral("dbselect%1").arg(i));
        radio->setToolTip(fromView(kClientDataSets[static_cast<std::size_t>(i)].fileName));
        dataSetGroup_->addButton(radio, i);
        dataSetButtons_[static_cast<std::size_t>(i)] = radio;
        dataGrid->addWidget(radio, i / 2, i % 2);
    }
    dataSetButtons_[0]->setChecked(true);
    connect(dataSetGroup_, &QButtonGroup::idClicked, this, &DataEntryPage::dbselectClick);
    column->addWidget(dataSets);

    auto* sorts = new QGroupBox(u8("並べ替え"), box);
    sorts->setObjectName("sortgroup");
    auto* sortGrid = new QGridLayout(sorts);
    sortGrid->setContentsMargins(12, 6, 12, 6);
    sortGrid->setVerticalSpacing(4);
    sortGroup_ = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        auto* radio = new QRadioButton(u8(kSortCaptions[i]), sorts);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        sortGroup_->addButton(radio, i + 1);
        sortButtons_[static_cast<std::size_t>(i)] = radio;
        sortGrid->addWidget(radio, i / 3, i % 3);
    }
    connect(sortGroup_, &QButtonGroup::idClicked, this, &DataEntryPage::sortClick);
    column->addWidget(sorts);

    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(6);
    auto* searchLabel = new QLabel(u8("氏名で検索"), box);
    edit1_ = new QLineEdit(box);
    edit1_->setObjectName("Edit1");
    edit1_->setPlaceholderText(u8("氏名（先頭の文字から）"));
    auto* search = new QPushButton(u8("検索"), box);
    search->setObjectName("jinmeiserch");
    search->setToolTip(
        u8("入力した氏名に最も近いお客様へ移動します（大文字・小文字は区別しません）"));
    connect(search, &QPushButton::clicked, this, &DataEntryPage::jinmeiserchClick);
    connect(edit1_, &QLineEdit::returnPressed, this, &DataEntryPage::jinmeiserchClick);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(edit1_, 1);
    searchRow->addWidget(search);
    column->addLayout(searchRow);

    auto* toolRow = new QHBoxLayout;
    toolRow->setSpacing(6);
    tableLabel_ = new QLabel(box);
    tableLabel_->setObjectName("tablelbl");
    tableLabel_->setStyleSheet("color:#4a5366;");
    toolRow->addWidget(tableLabel_, 1);
    auto* create = new QPushButton(u8("作成"), box);
    create->setObjectName("createbtn");
    create->setToolTip(u8("jinmei フォルダに新しい人名テーブルを作成します"));
    create->setVisible(false);
    connect(create, &QPushButton::clicked, this, &DataEntryPage::createbtnClick);
    toolRow->addWidget(create);
    auto* utility = new QPushButton(u8("ﾕｰﾃｨﾘﾃｨ"), box);
    utility->setObjectName("utybtn");
    utility->setMinimumWidth(96);
    utility->setToolTip(u8("ＣＳＶの書き出し・取り込み、一括鑑定、一括削除（上級者向け）"));
    connect(utility, &QPushButton::clicked, this, [this] { emit utilityRequested(); });
    toolRow->addWidget(utility);
    column->addLayout(toolRow);
    column->addStretch(1);
    return box;
}

QWidget* DataEntryPage::buildButtons() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    for (int i = 0; i < 7; ++i) {
        if (i == 4) row->addSpacing(18);
        auto* b = new QPushButton(u8(kRecordButtons[i].caption), bar);
        b->setObjectName(kRecordButtons[i].name);
        b->setToolTip(u8(kRecordButtons[i].hint));
        b->setMinimumHeight(28);
        b->setMinimumWidth(96);
        recordButtons_[static_cast<std::size_t>(i)] = b;
        row->addWidget(b);
    }
    undoButton_ = new QPushButton(u8("元に戻す"), bar);
    undoButton_->setObjectName("dbundo");
    undoButton_->setToolTip(u8("最後に削除したお客様を元に戻します (Ctrl+Z)"));
    undoButton_->setMinimumHeight(28);
    undoButton_->setMinimumWidth(96);
    row->addWidget(undoButton_);
    row->addStretch(1);
    connect(undoButton_, &QPushButton::clicked, this, &DataEntryPage::dbundoClick);
    // In a text field Ctrl+Z undoes the typing; elsewhere on the page it brings back the client.
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    undo->setContext(Qt::WidgetWithChildrenShortcut);
    connect(undo, &QShortcut::activated, this, &DataEntryPage::dbundoClick);
    connect(recordButtons_[0], &QPushButton::clicked, this, &DataEntryPage::dbsentoClick);
    connect(recordButtons_[1], &QPushButton::clicked, this, &DataEntryPage::dbmaeClick);
    connect(recordButtons_[2], &QPushButton::clicked, this, &DataEntryPage::dbatoClick);
    connect(recordButtons_[3], &QPushButton::clicked, this, &DataEntryPage::dbsaigoClick);
    connect(recordButtons_[4], &QPushButton::clicked, this, &DataEntryPage::dbsinkiClick);
    connect(recordButtons_[5], &QPushButton::clicked, this, &DataEntryPage::dbtorokuClick);
    connect(recordButtons_[6], &QPushButton::clicked, this, &DataEntryPage::dbdeleteClick);
    return bar;
}

// --- the table ---------------------------------------------------------------------------------

void DataEntryPage::setJinmeiDir(const std::filesystem::path& dir) {
    jinmeiDir_ = dir;
}

bool DataEntryPage::openDataSet(int index) {
    if (index < 0 || index >= static_cast<int>(kClientDataSets.size())) index = 0;
    std::string activeIndex;
    if (table_) {
        if (!commitPendingEdits()) {
            dataSetButtons_[static_cast<std::size_t>(dataSet_)]->setChecked(true);
            return false;
        }
        activeIndex = table_->activeIndex();
    }
    // The open table is closed before the other one is opened.
    model_->setTable(nullptr);
    table_.reset();
    dataSet_ = index;
    dataSetButtons_[static_cast<std::size_t>(index)]->setChecked(true);
    const QString fileName = fromView(kClientDataSets[static_cast<std::size_t>(index)].fileName);
    std::string error;
    bool created = false;
    if (jinmeiDir_.empty()) {
        error = "jinmei フォルダが指定されていません。";
    } else {
        table_ = openClientTable(jinmeiDir_, index, &error, &created);
    }
    if (!table_) {
        notifier_.error(u8("人名テーブル %1 を開けません。\n").arg(fileName).toStdString() + error);
        showCurrentRecord();
        return false;
    }
    if (created) notifier_.info(u8(kMissingTableCreatedText).arg(fileName).toStdString());
    // The sort order chosen stays when the data set changes.
    if (!activeIndex.empty()) table_->setActiveIndex(activeIndex);
    checkSortButton(table_->activeIndex());
    table_->first();
    syncingGrid_ = true;
    model_->setTable(table_.get());
    syncingGrid_ = false;
    showCurrentRecord();
    return true;
}

void DataEntryPage::markChanged(Field f) {
    if (!loading_) changed_[static_cast<std::size_t>(f)] = true;
}

std::string DataEntryPage::recordFieldOf(Field f) const {
    switch (f) {
        case kNameField:
            return client_field::kName;
        case kDateField:
            return client_field::kBirthDate;
        case kTimeField:
            return client_field::kTime;
        case kSexField:
            return client_field::kSex;
        case kMemoField:
        case kFieldCount:
            break;
    }
    return client_field::kMemo;
}

QString DataEntryPage::fieldText(Field f) const {
    switch (f) {
        case kNameField:
            return simei_->text();
        case kDateField:
            return birthday_->text();
        case kTimeField:
            return timeb_->currentText();
        case kSexField:
            return sex_->currentText();
        case kMemoField:
        case kFieldCount:
            break;
    }
    return memo_->toPlainText();
}

ClientBirthData DataEntryPage::typedBirthData() const {
    // A field nobody touched keeps what the record holds, even a value the form cannot show.
    ClientBirthData d = table_ && !table_->empty() ? storedBirthData() : ClientBirthData{};
    auto take = [&](Field f, std::string& into) {
        if (changed_[static_cast<std::size_t>(f)]) into = fieldText(f).toStdString();
    };
    take(kNameField, d.name);
    take(kDateField, d.birthDate);
    take(kTimeField, d.time);
    take(kSexField, d.sex);
    return d;
}

ClientBirthData DataEntryPage::storedBirthData() const {
    return {table_->field(client_field::kName), table_->field(client_field::kBirthDate),
            table_->field(client_field::kTime), table_->field(client_field::kSex)};
}

DataEntryPage::PostOutcome DataEntryPage::refuseInvalid(const std::vector<std::string>& faults,
                                                        WriteReason reason) {
    std::string list;
    for (const std::string& f : faults) list += "\n・" + f;
    // The cursor goes to the first field named (name, date, sex).
    auto focusFirstFault = [&] {
        if (simei_->text().trimmed().isEmpty()) {
            simei_->setFocus();
        } else if (!clientRecordFaults({"-", birthday_->text().toStdString(), "", "男"}).empty()) {
            birthday_->setFocus();
        } else {
            sex_->setFocus();
        }
    };
    // An explicit 登録, or a run (whose chart stays on show), only says why nothing was stored.
    if (reason != WriteReason::Leave) {
        notifier_.warn(kInvalidRecordText + std::string("このままでは登録できません。") + list,
                       "入力内容の誤り");
        focusFirstFault();
        return PostOutcome::Stayed;
    }
    const int choice = notifier_.choose(
        kInvalidRecordText + std::string("このままでは登録できません。") + list +
            "\n\n修正する：入力に戻って直します。\n破棄する：登録していない変更を捨てます。",
        {kCorrectButton, kDiscardButton}, "入力内容の誤り", 0);
    if (choice != 1) {
        focusFirstFault();
        return PostOutcome::Stayed;
    }
    if (table_->state() == Table::State::Insert) {
        dropEmptyAppend();
    } else {
        table_->cancel();
        changed_ = {};
    }
    showCurrentRecord();
    return PostOutcome::Done;
}

void DataEntryPage::showAfterFailure(const std::string& why) {
    const bool wasInsert = table_->state() == Table::State::Insert;
    table_->cancel();
    if (wasInsert && keyBeforeAppend_ != 0) table_->gotoKey(keyBeforeAppend_);
    notifier_.error("お客様のデータを登録できませんでした。入力した変更は取り消します。\n" + why);
    changed_ = {};
    syncingGrid_ = true;
    model_->reload();
    syncingGrid_ = false;
    showCurrentRecord();
}

DataEntryPage::PostOutcome DataEntryPage::postAsNewRecord(
    const std::vector<std::pair<std::string, std::string>>& extra) {
    // The stored client is left exactly as it was.
    if (table_->state() != Table::State::Browse) table_->cancel();
    keyBeforeAppend_ = table_->key();
    table_->append();
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        std::string value = fieldText(field).toStdString();
        if (field == kDateField) value = normalizeBirthDateText(value);
        table_->setField(recordFieldOf(field), value);
    }
    for (const auto& [name, value] : extra) table_->setField(name, value);
    if (!table_->post()) {
        showAfterFailure(table_->lastError());
        return PostOutcome::Failed;
    }
    changed_ = {};
    syncingGrid_ = true;
    model_->reload();
    syncingGrid_ = false;
    showCurrentRecord();
    return PostOutcome::Done;
}

DataEntryPage::PostOutcome DataEntryPage::writeFields(
    const std::vector<std::pair<std::string, std::string>>& extra, WriteReason reason) {
    if (!table_) return PostOutcome::Done;
    bool anyChanged = false;
    for (bool c : changed_) anyChanged = anyChanged || c;
    const bool inserting = table_->state() == Table::State::Insert;
    if (!anyChanged && extra.empty() && !inserting) return PostOutcome::Done;
    // What the user typed is checked before it is stored; the columns a run writes into a
    // record nobody changed are the run's own and need no check.
    if (anyChanged || inserting) {
        const std::vector<std::string> faults = clientRecordFaults(typedBirthData());
        if (!faults.empty()) return refuseInvalid(faults, reason);
    }
    if (!inserting && !table_->empty() && anyChanged &&
        birthDataChanged(storedBirthData(), typedBirthData())) {
        const std::string question =
            u8(kOverwriteQuestionText)
                .arg(QString::fromStdString(table_->field(client_field::kName)))
                .toStdString();
        const int choice = notifier_.choose(
            question, {kOverwriteButton, kRegisterAsNewButton, kCancelButton}, {}, 2);
        if (choice == 1) return postAsNewRecord(extra);
        if (choice != 0) return PostOutcome::Stayed;
    }
    std::vector<std::pair<std::string, std::string>> fields = extra;
    if (reason != WriteReason::Run && !inserting && !table_->empty() && anyChanged) {
        // Another birth written without a run: the summary columns of the old one would sort
        // the record under a chart it no longer has, so they are emptied until the next run.
        const ClientBirthData stored = storedBirthData();
        const ClientBirthData typed = typedBirthData();
        if (birthDataChanged({{}, stored.birthDate, stored.time, stored.sex},
                             {{}, typed.birthDate, typed.time, typed.sex})) {
            for (const auto& [name, value] : runResultFields({}, {})) fields.emplace_back(name, "");
        }
    }
    const int before = table_->recordCount();
    if (table_->empty()) {
        // An empty table: what was typed becomes its first record.
        keyBeforeAppend_ = 0;
        table_->append();
    }
    for (int f = 0; f < kFieldCount; ++f) {
        if (!changed_[static_cast<std::size_t>(f)]) continue;
        const Field field = static_cast<Field>(f);
        std::string value = fieldText(field).toStdString();
        // The date is stored in the one form the sort order and the runs read.
        if (field == kDateField) value = normalizeBirthDateText(value);
        table_->setField(recordFieldOf(field), value);
    }
    for (const auto& [name, value] : fields) table_->setField(name, value);
    if (!table_->post()) {
        showAfterFailure(table_->lastError());
        return PostOutcome::Failed;
    }
    changed_ = {};
    syncingGrid_ = true;
    if (table_->recordCount() != before || inserting) {
        model_->reload();
    } else {
        model_->valuesChanged();
    }
    syncingGrid_ = false;
    showCurrentRecord();
    return PostOutcome::Done;
}

bool DataEntryPage::postRecord() {
    return writeFields({}, WriteReason::Register) == PostOutcome::Done;
}

DataEntryPage::PostOutcome DataEntryPage::postRunResult(const SummaryColumns& summary,
                                                        const std::string& normalizedDate) {
    if (!table_) return PostOutcome::Done;
    return writeFields(runResultFields(summary, normalizedDate), WriteReason::Run);
}

void DataEntryPage::dropEmptyAppend() {
    table_->cancel();
    if (keyBeforeAppend_ != 0) table_->gotoKey(keyBeforeAppend_);
    changed_ = {};
    syncingGrid_ = true;
    model_->reload();
    syncingGrid_ = false;
}

DataEntryPage::PostOutcome DataEntryPage::leaveRecord() {
    if (!table_) return PostOutcome::Done;
    bool anyChanged = false;
    for (bool c : changed_) anyChanged = anyChanged || c;
    // Moving away from an appended record nothing was typed into drops it.
    if (table_->state() == Table::State::Insert && !anyChanged) {
        dropEmptyAppend();
        return PostOutcome::Done;
    }
    const PostOutcome outcome = writeFields({}, WriteReason::Leave);
    // Staying puts the grid back on the record the fields belong to.
    if (outcome == PostOutcome::Stayed) selectCurrentRow();
    return outcome;
}

void DataEntryPage::reloadFromTable() {
    changed_ = {};
    if (table_ && table_->state() != Table::State::Browse) table_->cancel();
    if (table_) checkSortButton(table_->activeIndex());
    syncingGrid_ = true;
    model_->reload();
    syncingGrid_ = false;
    showCurrentRecord();
}

void DataEntryPage::showCurrentRecord() {
    loading_ = true;
    if (table_) {
        const bool has = !table_->empty();
        auto text = [&](const char* field) {
            return has ? QString::fromStdString(table_->field(field)) : QString();
        };
        simei_->setText(text(client_field::kName));
        birthday_->setText(text(client_field::kBirthDate));
        timeb_->setCurrentIndex(timeb_->findText(text(client_field::kTime)));
        sex_->setCurrentIndex(sex_->findText(text(client_field::kSex)));
        memo_->setPlainText(text(client_field::kMemo));
        changed_ = {};
    }
    loading_ = false;
    selectCurrentRow();
    updateButtons();
}

void DataEntryPage::selectCurrentRow() {
    syncingGrid_ = true;
    const int row = model_->currentRow();
    if (row >= 0 && row < model_->rowCount()) {
        const QModelIndex index = model_->index(row, 0);
        grid_->setCurrentIndex(index);
        grid_->scrollTo(index);
    } else {
        grid_->clearSelection();
        grid_->selectionModel()->clearCurrentIndex();
    }
    syncingGrid_ = false;
}

void DataEntryPage::gridRowEntered(int row) {
    if (syncingGrid_ || !table_ || row < 0) return;
    if (table_->state() == Table::State::Insert && row == model_->rowCount() - 1) return;
    // The record of the row is taken before posting, which may reorder the rows.
    const long long key = model_->keyAt(row);
    if (key == 0 || (key == table_->key() && table_->state() != Table::State::Insert)) return;
    if (!commitPendingEdits()) return;
    table_->gotoKey(key);
    showCurrentRecord();
}

void DataEntryPage::updateButtons() {
    const bool open = table_ != nullptr;
    for (QPushButton* b : recordButtons_) b->setEnabled(open);
    for (QRadioButton* r : sortButtons_) r->setEnabled(open);
    edit1_->setEnabled(open);
    if (auto* search = findChild<QPushButton*>(QStringLiteral("jinmeiserch"))) {
        search->setEnabled(open);
    }
    undoButton_->setEnabled(canRestoreDeleted());
    if (open) {
        const QString file = QString::fromStdString(table_->file().filename().string());
        tableLabel_->setText(u8("%1　%2件").arg(file).arg(table_->recordCount()));
    } else {
        tableLabel_->setText(u8("人名テーブルは開かれていません"));
    }
}

void DataEntryPage::checkSortButton(const std::string& indexName) {
    // The name search leaves the order on the name index, which has no button.
    sortGroup_->setExclusive(false);
    for (std::size_t i = 0; i < sortButtons_.size(); ++i) {
        sortButtons_[i]->setChecked(kSortIndexes[i] == indexName);
    }
    sortGroup_->setExclusive(true);
}

// --- the buttons -------------------------------------------------------------------------------

void DataEntryPage::dbsentoClick() {
    if (!table_ || !commitPendingEdits()) return;
    table_->first();
    showCurrentRecord();
}

void DataEntryPage::dbmaeClick() {
    if (!table_ || !commitPendingEdits()) return;
    table_->prior();
    showCurrentRecord();
}

void DataEntryPage::dbatoClick() {
    if (!table_ || !commitPendingEdits()) return;
    table_->next();
    showCurrentRecord();
}

void DataEntryPage::dbsaigoClick() {
    if (!table_ || !commitPendingEdits()) return;
    table_->last();
    showCurrentRecord();
}

void DataEntryPage::dbsinkiClick() {
    if (!table_ || !commitPendingEdits()) return;
    keyBeforeAppend_ = table_->empty() ? 0 : table_->key();
    table_->append();
    syncingGrid_ = true;
    model_->reload();
    syncingGrid_ = false;
    showCurrentRecord();
    simei_->setFocus();
}

void DataEntryPage::dbtorokuClick() {
    postRecord();
}

void DataEntryPage::dbdeleteClick() {
    if (!table_) return;
    if (table_->state() == Table::State::Insert) {
        dropEmptyAppend();
        showCurrentRecord();
        return;
    }
    if (table_->empty()) return;
    // The record as stored is kept, so that 元に戻す can bring it back.
    Record kept;
    for (const FieldDef& f : table_->definition().fields) kept[f.name] = table_->field(f.name);
    if (table_->state() != Table::State::Browse) table_->cancel();
    if (!table_->deleteCurrent()) {
        notifier_.error("お客様のデータを削除できませんでした。\n" + table_->lastError());
    } else {
        deleted_ = std::move(kept);
        deletedFrom_ = table_->file();
    }
    changed_ = {};
    syncingGrid_ = true;
    model_->reload();
    syncingGrid_ = false;
    showCurrentRecord();
}

bool DataEntryPage::canRestoreDeleted() const {
    return table_ && !deleted_.empty() && table_->file() == deletedFrom_;
}

void DataEntryPage::dbundoClick() {
    if (!canRestoreDeleted() || leaveRecord() != PostOutcome::Done) return;
    keyBeforeAppend_ = table_->empty() ? 0 : table_->key();
    table_->append();
    const std::string keyField = table_->definition().fields.front().name;
    // The record number is the table's own: the client comes back under a new one.
    for (const auto& [name, value] : deleted_) {
        if (name != keyField) table_->setField(name, value);
    }
    if (!table_->post()) {
        showAfterFailure(table_->lastError());
        return;
    }
    deleted_.clear();
    deletedFrom_.clear();
    syncingGrid_ = true;
    model_->reload();
    syncingGrid_ = false;
    showCurrentRecord();
}

void DataEntryPage::jinmeiserchClick() {
    if (!table_ || !commitPendingEdits()) return;
    table_->setActiveIndex("simei");
    checkSortButton("simei");
    table_->findNearest(edit1_->text().toStdString());
    syncingGrid_ = true;
    model_->reload();
    syncingGrid_ = false;
    showCurrentRecord();
}

void DataEntryPage::sortClick(int button) {
    if (button < 1 || button > 6 || !table_) return;
    if (!commitPendingEdits()) {
        checkSortButton(table_->activeIndex());
        return;
    }
    // The current record stays current in the new order.
    table_->setActiveIndex(std::string(kSortIndexes[static_cast<std::size_t>(button - 1)]));
    checkSortButton(table_->activeIndex());
    syncingGrid_ = true;
    model_->reload();
    syncingGrid_ = false;
    showCurrentRecord();
}

void DataEntryPage::dbselectClick(int index) {
    openDataSet(index);
}

void DataEntryPage::createbtnClick() {
    if (jinmeiDir_.empty()) return;
    const QString folder = fromPath(jinmeiDir_);
    QString chosen;
    if (chooseNewTable_) {
        chosen = chooseNewTable_(folder);
    } else {
        chosen = QFileDialog::getSaveFileName(this, u8("新しい人名テーブルの作成"), folder,
                                              u8("人名テーブル (*.db)"));
    }
    if (chosen.isEmpty()) return;
    // A path from the dialog counts when it lies in the jinmei folder itself.
    QString typed = chosen;
    const QFileInfo info(chosen);
    if (info.isAbsolute() &&
        QDir(info.absolutePath()).canonicalPath() == QDir(folder).canonicalPath()) {
        typed = info.fileName();
    }
    std::string why;
    const std::string name = acceptNewTableName(typed.toStdString(), &why);
    if (name.empty()) {
        notifier_.warn(why);
        return;
    }
    if (!commitPendingEdits()) return;
    // The open table is closed while the new one is made, then opened again.
    const std::string activeIndex = table_ ? table_->activeIndex() : std::string();
    model_->setTable(nullptr);
    table_.reset();
    const std::filesystem::path source = jinmeiDir_ / std::string(kClientDataSets[1].fileName);
    const std::filesystem::path target = jinmeiDir_ / name;
    std::string error;
    std::error_code ec;
    bool ok = false;
    if (std::filesystem::exists(target, ec)) {
        error = "同じ名前のテーブルがすでにあります: " + name;
    } else if (std::filesystem::exists(source, ec)) {
        ok = Table::createLike(source, target, &error);
    } else {
        // Without the model table the client record of this program is the definition.
        ok = Table::open(target, clientTableDef(), true, &error) != nullptr;
    }
    table_ = openClientTable(jinmeiDir_, dataSet_, nullptr, nullptr);
    if (table_) {
        if (!activeIndex.empty()) table_->setActiveIndex(activeIndex);
        table_->first();
    }
    syncingGrid_ = true;
    model_->setTable(table_.get());
    syncingGrid_ = false;
    showCurrentRecord();
    if (!ok) {
        notifier_.warn("テーブルを作成できませんでした。\n" + error);
        return;
    }
    notifier_.info(u8(kTableCreatedText).arg(QString::fromStdString(name)).toStdString());
    notifier_.info(kEndSoftwareText);
}

void DataEntryPage::convertBirthDateEra() {
    const std::string text = birthday_->text().toStdString();
    const std::string converted = convertEraDate(text);
    if (converted != text) birthday_->setText(QString::fromStdString(converted));
}

bool DataEntryPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == birthday_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
        convertBirthDateEra();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace suimei
