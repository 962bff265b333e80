#include "core/itemtransactionsmodel.h"

CItemTransactionsModel::CItemTransactionsModel(QObject* parent) : QAbstractTableModel(parent)
{
    // The blanks widen the columns when the view sizes them to their contents.
    //: column heading of the till's lines: the position of the line; keep the blanks around it
    m_headers << tr("  Index  ");
    //: column heading of the till's lines; keep the blanks around it
    m_headers << tr("              Product Name                 ");
    //: column heading of the till's lines: whole units sold; keep the blanks around it
    m_headers << tr("     Items     ");
    //: column heading of the till's lines: loose sub-items sold; keep the blanks around it
    m_headers << tr("     Sub Items     ");
    //: column heading of the till's lines: the price of one unit; keep the blanks around it
    m_headers << tr("     Price/Item     ");
    //: column heading of the till's lines: the discount amount; keep the blanks around it
    m_headers << tr("   Discount     ");
    //: column heading of the till's lines; keep the blanks around it
    m_headers << tr("  Line Total  ");
    //: column heading of the till's lines (not shown): the purchase price of a unit
    m_headers << tr("PurchasePrice");
    //: column heading of the till's lines (not shown): the purchase cost of the line
    m_headers << tr("PurchaseTotal");
}

int CItemTransactionsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int CItemTransactionsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_headers.size();
}

QVariant CItemTransactionsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::DisplayRole)
        return Text(index.row(), index.column());
    return QVariant();
}

QVariant CItemTransactionsModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return m_headers.value(section);
    return section;
}

bool CItemTransactionsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= m_rows.size() ||
        index.column() >= m_headers.size())
        return false;
    QStringList& row = m_rows[index.row()];
    while (row.size() <= index.column())
        row.append(QString());
    row[index.column()] = value.toString();
    return true;
}

Qt::ItemFlags CItemTransactionsModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index);
}

void CItemTransactionsModel::AppendRow(const QStringList& row)
{
    const int position = m_rows.size();
    beginInsertRows(QModelIndex(), position, position);
    m_rows.append(row);
    endInsertRows();
}

void CItemTransactionsModel::RemoveRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    for (int later = row; later < m_rows.size(); ++later)
        m_rows[later][ColIndex] = QString::number(later);
    if (row < m_rows.size())
        emit dataChanged(index(row, ColIndex), index(m_rows.size() - 1, ColIndex));
}

QString CItemTransactionsModel::Text(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return QString();
    return m_rows.at(row).value(column);
}
