#pragma once
// The grid of the データ入力 page (Spread1): the clients of the open table in the order of its
// active index, read a page at a time when the view asks for rows, so that a table of a hundred
// thousand clients is never read whole. While a client is being appended it shows as one more row
// at the end.

#include <QAbstractTableModel>
#include <list>
#include <map>
#include <vector>

#include "core/table_store.h"

namespace suimei {

class ClientGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kPageRows = 100;
    // Pages kept in memory; the least recently used page is dropped beyond this.
    static constexpr int kCachedPages = 16;

    explicit ClientGridModel(QObject* parent = nullptr);

    // The table shown (nullptr: none). The model never moves the table's cursor.
    void setTable(Table* table);
    Table* table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The table changed (records added or removed, the order switched): counts again and forgets
    // the pages read.
    void reload();
    // Values of stored records changed but not their number: forgets the pages read and repaints.
    void valuesChanged();
    // Record number (`No`) of a row, 0 for the appended row or a row out of range.
    long long keyAt(int row) const;
    // Row of the table's current record (the extra row while appending), -1 when there is none.
    int currentRow() const;

    // Reads from the table since the model was made: pages and rows (a measure of the paging).
    int pagesFetched() const { return pagesFetched_; }
    long long rowsFetched() const { return rowsFetched_; }

  private:
    const Record* recordAt(int row) const;
    bool appending() const;

    Table* table_ = nullptr;
    int count_ = 0;
    mutable std::map<int, std::vector<Record>> pages_;
    mutable std::list<int> recent_;  // page numbers, most recently used first
    mutable int pagesFetched_ = 0;
    mutable long long rowsFetched_ = 0;
};

}  // namespace suimei
