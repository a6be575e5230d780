#include "ResultTableModel.h"

#include "app/texts/AccessibleTexts.h"

ResultTableModel::ResultTableModel(ResultTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    table_.SetObserver(this);
}

ResultTableModel::~ResultTableModel() {
    table_.SetObserver(nullptr);
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.RowCount() - 1;
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ResultTable::kColumns;
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    // A screen reader hears a cell with its row's frequency and its column's heading.
    if (role == Qt::AccessibleTextRole)
        return QString::fromStdString(ResultCellReading(table_, index.column(), index.row() + 1));
    if (role != Qt::DisplayRole)
        return {};
    return QString::fromStdString(table_.Cell(index.column(), index.row() + 1));
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return QString::fromStdString(table_.Cell(section, 0));
}
