#ifndef STOCKPICKER_H
#define STOCKPICKER_H

#include <QString>

class QWidget;

// The stock picker as other screens open it: shows the stock list in a modal dialog over parent
// (the main window when none is given) and returns the barcode of the stock item chosen there, or
// an empty string when none was.
QString PickStockBarCode(QWidget* parent = nullptr);

#endif // STOCKPICKER_H
