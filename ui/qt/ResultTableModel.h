#pragma once

#include "app/presenters/ResultTable.h"

#include <QAbstractTableModel>

// SgResult's rows for a QTableView: the heading row becomes the horizontal header, and each cell
// is formatted only when the view shows it.
class ResultTableModel final : public QAbstractTableModel, private ResultTableObserver {
    Q_OBJECT

  public:
    explicit ResultTableModel(ResultTable& table, QObject* parent = nullptr);
    ~ResultTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    void ResultTableAboutToChange() override { beginResetModel(); }
    void ResultTableChanged() override { endResetModel(); }

    ResultTable& table_;
};
