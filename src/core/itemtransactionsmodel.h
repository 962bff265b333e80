#ifndef ITEMTRANSACTIONSMODEL_H
#define ITEMTRANSACTIONSMODEL_H

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The lines of the sale on the sales screen: nine text columns per line, appended as items are
// entered and removed when voided; a line's index column is its position in the sale.
class CItemTransactionsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        ColIndex = 0,
        ColName,
        ColItems,
        ColSubItems,
        ColPrice,
        ColDiscount,
        ColLineTotal,
        ColPurchasePrice,
        ColPurchaseTotal,
        ColumnCount
    };

    explicit CItemTransactionsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Appends one complete line (ColumnCount texts) at the end.
    void AppendRow(const QStringList& row);
    // Removes a line; the lines after it move up and their index column follows.
    void RemoveRow(int row);
    // The text of a cell, or an empty text outside the table.
    QString Text(int row, int column) const;

private:
    QStringList m_headers;
    QList<QStringList> m_rows;
};

#endif // ITEMTRANSACTIONSMODEL_H
