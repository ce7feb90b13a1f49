#pragma once
// A grid model over a table of the table layer: rows in the table's order, fetched a page at a
// time when the view asks for them, so a table of thousands of records is never read whole. The
// row of the current record shows the values being edited; while a record is being appended it
// shows as one more row at the end.

#include <QAbstractTableModel>
#include <QStringList>
#include <map>
#include <vector>

#include "core/table_store.h"

namespace suimei {

class TablePageModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kPageRows = 50;

    // `fields`: the table fields shown as columns, in order; `editable`: whether the grid may
    // change them.
    TablePageModel(Table& table, QStringList fields, bool editable, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Moves the cursor to the row, sets the field and posts the record at once.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Reads the row count again and forgets the fetched pages (after the table changed).
    void refresh();
    // Row of the current record (the extra row while appending), -1 when there is none.
    int currentRow() const;
    // Moves the cursor to the record of a row; an edit in progress is posted first.
    bool moveToRow(int row);
    // Pages read from the table since the model was made (a measure for the tests).
    int pagesFetched() const { return pagesFetched_; }

  signals:
    // A write of the grid failed; the text says why.
    void writeFailed(const QString& error);
    // The grid moved the cursor or changed the current record.
    void cursorChanged();

  private:
    const Record* recordAt(int row) const;
    bool appending() const { return table_.state() == Table::State::Insert; }

    Table& table_;
    QStringList fields_;
    bool editable_;
    int count_ = 0;
    mutable std::map<int, std::vector<Record>> pages_;
    mutable int pagesFetched_ = 0;
};

}  // namespace suimei
