#ifndef SALESSCREENHOST_H
#define SALESSCREENHOST_H

#include "storebuilder.h"

#include <QString>

#include <memory>

class CPOS;
class QPOSDialog;
class QStringList;

namespace TestSupport {

// Opens the sales screen as the main window hosts it (a QPOSDialog holding a CPOS in a grid
// layout), at 1366 x 768 and shown, but not full screen. The caller deletes the returned dialog.
QPOSDialog* openSalesScreen(CPOS** screen);

// A small shop for receipt tests: inventory and sales databases in HOME, named after the prefix,
// holding "Green Tea" (barcode 1001, 2.50) and "Orange Juice" (barcode 5005, 100.00), both
// databases active. More rows can be added before the sales screen opens.
struct ReceiptShop
{
    std::unique_ptr<StoreBuilder> inventory;
    std::unique_ptr<StoreBuilder> sales;
    qint64 drinks = 0;
    qint64 vendor = 0;

    bool open(const QString& prefix);
    void close();
};

// Rings up 3 x Green Tea and 1 x Orange Juice on the screen and pays 200; true when paid.
bool PayTeaAndJuice(CPOS* screen);

// Reads a benchmark's "STORE [--runs N]" arguments; false when no store file was named.
bool readBenchmarkArguments(const QStringList& arguments, QString* store, int* runs);

} // namespace TestSupport

#endif // SALESSCREENHOST_H
