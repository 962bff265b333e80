#ifndef STOCKPICKER_H
#define STOCKPICKER_H

#include <QString>

// The stock picker as other screens open it: shows the stock list in a modal dialog and returns
// the barcode of the stock item chosen there, or an empty string when none was.
QString PickStockBarCode();

#endif // STOCKPICKER_H
