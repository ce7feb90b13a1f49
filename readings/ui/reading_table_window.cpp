#include "readings/ui/reading_table_window.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/ui/window_parts.h"
#include "readings/ui/table_page_model.h"

namespace suimei {

ReadingTableWindow::ReadingTableWindow(Table* table, const QStringList& gridFields,
                                       std::vector<MemoBinding> memos, Notifier& notifier,
                                       QWidget* parent)
    : QWidget(parent), table_(table), notifier_(notifier), memos_(std::move(memos)) {
    auto* outer = new QVBoxLayout(this);
    // Everything but 閉じる: disabled as a whole when there is no table.
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(body, 1);
    outer->addLayout(closeButtonRow(this));
    navigator_ = new TableNavigator(this);
    layout->addWidget(navigator_);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->setDefaultSectionSize(22);
    layout->addWidget(grid_, 2);

    extraArea_ = new QVBoxLayout;
    layout->addLayout(extraArea_);

    for (std::size_t i = 0; i < memos_.size(); ++i) {
        if (!memos_[i].label.isEmpty()) layout->addWidget(new QLabel(memos_[i].label, this));
        auto* editor = new QPlainTextEdit(this);
        editor->setObjectName(memos_[i].objectName);
        editor->installEventFilter(this);
        layout->addWidget(editor, 1);
        memoEditors_.push_back(editor);
        connect(editor, &QPlainTextEdit::textChanged, this, [this, i] { memoEdited(i); });
    }

    if (!table_) {
        body->setEnabled(false);
        return;
    }
    model_ = new TablePageModel(*table_, gridFields, true, this);
    grid_->setModel(model_);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid()) gridRowChosen(current.row());
            });
    connect(model_, &TablePageModel::cursorChanged, this, [this] { showCurrentRecord(); });
    connect(model_, &TablePageModel::writeFailed, this,
            [this](const QString& error) { notifier_.error(error.toStdString()); });
    connect(navigator_, &TableNavigator::triggered, this, &ReadingTableWindow::navigate);
    if (table_->empty()) table_->first();
    showCurrentRecord();
}

ReadingTableWindow::~ReadingTableWindow() {
    // The grid lets go of the model before the table it reads can go away.
    grid_->setModel(nullptr);
    delete model_;
}

QPlainTextEdit* ReadingTableWindow::memoEditor(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < memoEditors_.size()
               ? memoEditors_[static_cast<std::size_t>(index)]
               : nullptr;
}

bool ReadingTableWindow::postPending() {
    if (!table_ || table_->state() == Table::State::Browse) return true;
    if (table_->post()) return true;
    notifier_.error(table_->lastError());
    return false;
}

void ReadingTableWindow::navigate(TableNavigator::Action action) {
    if (!table_) return;
    Table& t = *table_;
    bool reread = false;
    switch (action) {
        case TableNavigator::First:
            t.first();
            break;
        case TableNavigator::Prior:
            t.prior();
            break;
        case TableNavigator::Next:
            t.next();
            break;
        case TableNavigator::Last:
            t.last();
            break;
        case TableNavigator::Insert:
            t.append();
            reread = true;
            break;
        case TableNavigator::Delete:
            if (t.state() == Table::State::Insert) {
                t.cancel();
            } else if (!t.empty() && notifier_.ask(kConfirmDeleteText)) {
                if (!t.deleteCurrent()) notifier_.error(t.lastError());
            }
            reread = true;
            break;
        case TableNavigator::Edit:
            t.edit();
            break;
        case TableNavigator::Post:
            postPending();
            reread = true;
            break;
        case TableNavigator::Cancel:
            t.cancel();
            reread = true;
            break;
        case TableNavigator::Refresh:
            postPending();
            reread = true;
            break;
    }
    // A move posts a record being appended, which adds a stored row.
    if (reread || model_->rowCount() != t.recordCount()) {
        refreshFromTable();
    } else {
        showCurrentRecord();
    }
}

void ReadingTableWindow::refreshFromTable() {
    if (!model_) return;
    syncing_ = true;
    model_->refresh();
    syncing_ = false;
    showCurrentRecord();
}

void ReadingTableWindow::showCurrentRecord() {
    if (!table_) return;
    syncing_ = true;
    const int row = model_->currentRow();
    if (row >= 0) {
        const QModelIndex index = model_->index(row, 0);
        grid_->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        grid_->scrollTo(index);
    } else {
        grid_->selectionModel()->clearSelection();
    }
    for (std::size_t i = 0; i < memos_.size(); ++i) {
        const QString text = QString::fromStdString(table_->field(memos_[i].field.toStdString()));
        if (memoEditors_[i]->toPlainText() != text) memoEditors_[i]->setPlainText(text);
        memoEditors_[i]->setReadOnly(table_->empty());
    }
    syncing_ = false;
    updateNavigator();
}

void ReadingTableWindow::memoEdited(std::size_t index) {
    if (syncing_ || !table_ || table_->empty()) return;
    const bool wasBrowsing = table_->state() == Table::State::Browse;
    table_->setField(memos_[index].field.toStdString(),
                     memoEditors_[index]->toPlainText().toStdString());
    if (wasBrowsing) updateNavigator();
}

void ReadingTableWindow::gridRowChosen(int row) {
    if (!model_->moveToRow(row)) {
        showCurrentRecord();
        return;
    }
    if (model_->rowCount() != table_->recordCount()) {
        refreshFromTable();
    } else {
        showCurrentRecord();
    }
}

void ReadingTableWindow::updateNavigator() {
    const bool editing = table_->state() != Table::State::Browse;
    const bool hasRecord = !table_->empty();
    const int row = model_->currentRow();
    const int rows = model_->rowCount();
    navigator_->updateButtons(hasRecord, row <= 0, row < 0 || row >= rows - 1, editing);
}

bool ReadingTableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && table_) {
        for (auto* editor : memoEditors_) {
            if (watched == editor) {
                if (table_->state() != Table::State::Browse) {
                    postPending();
                    refreshFromTable();
                }
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReadingTableWindow::hideEvent(QHideEvent* event) {
    if (table_ && table_->state() != Table::State::Browse) {
        postPending();
        refreshFromTable();
    }
    QWidget::hideEvent(event);
}

}  // namespace suimei
