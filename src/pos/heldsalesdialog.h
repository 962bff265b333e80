#ifndef HELDSALESDIALOG_H
#define HELDSALESDIALOG_H

#include "core/pendingsales.h"
#include "widgets/merchoradialog.h"

#include <QList>

class QTableWidget;

// RECALL's list of held sales: when each was held, its number of lines and its total. A double
// click or Recall chooses the sale.
class HeldSalesDialog : public MerchoraDialog
{
    Q_OBJECT

public:
    HeldSalesDialog(QWidget* parent, const QList<PendingSale>& sales, const QString& currencySymbol,
                    bool holdsCurrentSale);

    // The chosen sale's ID once the dialog was accepted, otherwise -1.
    qint64 ChosenSale() const;

private:
    QList<PendingSale> m_sales;
    QTableWidget* m_table = nullptr;
};

#endif // HELDSALESDIALOG_H
