#include "pos/heldsalesdialog.h"

#include "core/utility.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

HeldSalesDialog::HeldSalesDialog(QWidget* parent, const QList<PendingSale>& sales,
                                 const QString& currencySymbol, bool holdsCurrentSale)
    : MerchoraDialog(parent), m_sales(sales)
{
    setObjectName(QStringLiteral("HeldSalesDialog"));
    setWindowTitle(tr("Recall Sale"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(holdsCurrentSale ? tr("Choose the sale to bring back. The sale on "
                                                  "the till is held in its place.")
                                             : tr("Choose the sale to bring back."),
                            this);
    hint->setObjectName(QStringLiteral("labelHint"));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    m_table = new QTableWidget(sales.size(), 3, this);
    m_table->setObjectName(QStringLiteral("tableHeldSales"));
    //: column heading: when the sale was held
    const QString heldAt = tr("Held at");
    //: column heading: the number of lines of the sale
    const QString lines = tr("Lines");
    //: column heading: the sale's total; %1 is the currency symbol
    const QString total = tr("Total %1").arg(currencySymbol).trimmed();
    m_table->setHorizontalHeaderLabels({heldAt, lines, total});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setAlternatingRowColors(true);
    const QString timeFormat =
        Utility::GetInstance()->GetDateFormat() + QStringLiteral(" hh:mm:ss");
    for (int row = 0; row < sales.size(); ++row) {
        const PendingSale& sale = sales.at(row);
        const QString cells[] = {sale.parked.toString(timeFormat),
                                 QString::number(sale.lines.size()),
                                 MoneyText(sale.Sums().GrandTotal())};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                               : int(Qt::AlignRight | Qt::AlignVCenter));
            m_table->setItem(row, column, item);
        }
    }
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->resizeColumnToContents(1);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // The newest held sale is the one most often wanted back.
    m_table->selectRow(sales.size() - 1);
    layout->addWidget(m_table);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* recall = buttons->addButton(tr("Recall"), QDialogButtonBox::AcceptRole);
    recall->setObjectName(QStringLiteral("pushRecall"));
    buttons->addButton(QDialogButtonBox::Cancel);
    for (QPushButton* button : buttons->findChildren<QPushButton*>())
        button->setMinimumSize(110, 44);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    resize(560, 380);
}

qint64 HeldSalesDialog::ChosenSale() const
{
    const int row = m_table->currentRow();
    if (result() != QDialog::Accepted || row < 0 || row >= m_sales.size())
        return -1;
    return m_sales.at(row).id;
}
