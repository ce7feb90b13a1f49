#include "readings/ui/table_page_model.h"

namespace suimei {

TablePageModel::TablePageModel(Table& table, QStringList fields, bool editable, QObject* parent)
    : QAbstractTableModel(parent), table_(table), fields_(std::move(fields)), editable_(editable) {
    count_ = table_.recordCount();
}

int TablePageModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return count_ + (appending() ? 1 : 0);
}

int TablePageModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(fields_.size());
}

const Record* TablePageModel::recordAt(int row) const {
    if (row < 0 || row >= count_) return nullptr;
    const int page = row / kPageRows;
    auto it = pages_.find(page);
    if (it == pages_.end()) {
        it = pages_.emplace(page, table_.page(page * kPageRows, kPageRows)).first;
        ++pagesFetched_;
    }
    const auto offset = static_cast<std::size_t>(row % kPageRows);
    return offset < it->second.size() ? &it->second[offset] : nullptr;
}

QVariant TablePageModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const std::string field = fields_.at(index.column()).toStdString();
    // The current record shows what is being edited, not yet posted.
    if (table_.state() != Table::State::Browse && index.row() == currentRow()) {
        return QString::fromStdString(table_.field(field));
    }
    const Record* r = recordAt(index.row());
    if (!r) return {};
    const auto it = r->find(field);
    return it == r->end() ? QString() : QString::fromStdString(it->second);
}

QVariant TablePageModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return fields_.value(section);
    return appending() && section == count_ ? QStringLiteral("*") : QString::number(section + 1);
}

Qt::ItemFlags TablePageModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid()) f |= Qt::ItemIsEditable;
    return f;
}

bool TablePageModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !editable_) return false;
    if (!moveToRow(index.row())) return false;
    if (!table_.setField(fields_.at(index.column()).toStdString(),
                         value.toString().toStdString()) ||
        !table_.post()) {
        const QString error = QString::fromStdString(table_.lastError());
        table_.cancel();
        pages_.clear();
        emit writeFailed(error);
        emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
        emit cursorChanged();
        return false;
    }
    // Posting an appended record turns the extra row into a stored one: the row count stays.
    count_ = table_.recordCount();
    pages_.clear();
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    emit cursorChanged();
    return true;
}

void TablePageModel::refresh() {
    beginResetModel();
    pages_.clear();
    count_ = table_.recordCount();
    endResetModel();
}

int TablePageModel::currentRow() const {
    if (appending()) return count_;
    if (table_.empty()) return -1;
    return table_.position();
}

bool TablePageModel::moveToRow(int row) {
    if (row < 0 || row >= rowCount()) return false;
    if (row == currentRow()) return true;
    if (row >= count_) return false;
    const Record* r = recordAt(row);
    if (!r) return false;
    const auto& first = table_.definition().fields.front();
    bool moved = false;
    if (first.type == FieldType::AutoIncrement) {
        // The record number is the key: one step.
        const auto it = r->find(first.name);
        if (it != r->end() && !it->second.empty()) moved = table_.gotoKey(std::stoll(it->second));
    } else {
        moved = table_.first();
        for (int i = 0; moved && i < row; ++i) moved = table_.next();
    }
    // Moving posted an appended record, if there was one: it now lies at the end.
    const int stored = table_.recordCount();
    if (stored != count_) {
        count_ = stored;
        pages_.clear();
    }
    return moved;
}

}  // namespace suimei
