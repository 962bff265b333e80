#include "reporting/saleshistorydialog.h"

#include "reporting/salesmanagement.h"
#include "widgets/merchoradialog.h"

#include <QCoreApplication>
#include <QGridLayout>

void ShowSalesHistoryDialog(QWidget* parent)
{
    auto* dialog = new MerchoraDialog(parent);
    dialog->setWindowTitle(QCoreApplication::translate("CPOS", "Sales"));
    dialog->setModal(true);
    auto* layout = new QGridLayout(dialog);
    dialog->resize(800, 600);
    layout->addWidget(new SalesManagement(dialog, true));
    dialog->exec();
    delete dialog;
}
