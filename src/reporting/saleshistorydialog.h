#ifndef SALESHISTORYDIALOG_H
#define SALESHISTORYDIALOG_H

class QWidget;

// The sales history as other screens open it: the sales list in a modal dialog over parent,
// returning when the dialog is closed.
void ShowSalesHistoryDialog(QWidget* parent);

#endif // SALESHISTORYDIALOG_H
