#include "app/ui/client_grid_model.h"

#include <stdexcept>

#include "app/client_table.h"

namespace suimei {

namespace {
QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

ClientGridModel::ClientGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void ClientGridModel::setTable(Table* table) {
    beginResetModel();
    table_ = table;
    pages_.clear();
    recent_.clear();
    count_ = table_ ? table_->recordCount() : 0;
    endResetModel();
}

bool ClientGridModel::appending() const {
    return table_ && table_->state() == Table::State::Insert;
}

int ClientGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return count_ + (appending() ? 1 : 0);
}

int ClientGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kClientGridColumns.size());
}

const Record* ClientGridModel::recordAt(int row) const {
    if (!table_ || row < 0 || row >= count_) return nullptr;
    const int page = row / kPageRows;
    auto it = pages_.find(page);
    if (it == pages_.end()) {
        if (static_cast<int>(pages_.size()) >= kCachedPages && !recent_.empty()) {
            pages_.erase(recent_.back());
            recent_.pop_back();
        }
        it = pages_.emplace(page, table_->page(page * kPageRows, kPageRows)).first;
        ++pagesFetched_;
        rowsFetched_ += static_cast<long long>(it->second.size());
        recent_.push_front(page);
    } else if (recent_.front() != page) {
        recent_.remove(page);
        recent_.push_front(page);
    }
    const auto offset = static_cast<std::size_t>(row % kPageRows);
    return offset < it->second.size() ? &it->second[offset] : nullptr;
}

QVariant ClientGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= columnCount()) return {};
    if (role == Qt::TextAlignmentRole) {
        // The one-character columns (性別, 日主, 月支) read best centred.
        const int c = index.column();
        return c == 3 || c == 4 || c == 5 ? QVariant(Qt::AlignCenter)
                                          : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const std::string field(kClientGridColumns[static_cast<std::size_t>(index.column())].field);
    if (appending() && index.row() == count_) return QString::fromStdString(table_->field(field));
    const Record* r = recordAt(index.row());
    if (!r) return {};
    const auto it = r->find(field);
    return it == r->end() ? QString() : QString::fromStdString(it->second);
}

QVariant ClientGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount()) return {};
        return fromView(kClientGridColumns[static_cast<std::size_t>(section)].title);
    }
    return appending() && section == count_ ? QStringLiteral("*") : QString::number(section + 1);
}

void ClientGridModel::reload() {
    beginResetModel();
    pages_.clear();
    recent_.clear();
    count_ = table_ ? table_->recordCount() : 0;
    endResetModel();
}

void ClientGridModel::valuesChanged() {
    pages_.clear();
    recent_.clear();
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

long long ClientGridModel::keyAt(int row) const {
    const Record* r = recordAt(row);
    if (!r) return 0;
    const auto it = r->find(client_field::kNo);
    if (it == r->end() || it->second.empty()) return 0;
    try {
        return std::stoll(it->second);
    } catch (const std::exception&) {
        return 0;
    }
}

int ClientGridModel::currentRow() const {
    if (!table_) return -1;
    if (appending()) return count_;
    if (table_->empty()) return -1;
    return table_->position();
}

}  // namespace suimei
