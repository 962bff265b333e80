#include "reporting/saleshistorydialog.h"

#include "reporting/salesmanagement.h"
#include "widgets/merchoradialog.h"

#include <QCoreApplication>

void ShowSalesHistoryDialog(QWidget* parent)
{
    ScreenDialog dialog(parent, QCoreApplication::translate("CPOS", "Sales"), QSize(800, 600));
    dialog.SetScreen(new SalesManagement(&dialog, true));
    dialog.exec();
}
