#ifndef SALESSCREENHOST_H
#define SALESSCREENHOST_H

#include <QString>

class CPOS;
class QPOSDialog;
class QStringList;

namespace TestSupport {

// Opens the sales screen as the main window hosts it (a QPOSDialog holding a CPOS in a grid
// layout), at 1366 x 768 and shown, but not full screen. The caller deletes the returned dialog.
QPOSDialog* openSalesScreen(CPOS** screen);

// Reads a benchmark's "STORE [--runs N]" arguments; false when no store file was named.
bool readBenchmarkArguments(const QStringList& arguments, QString* store, int* runs);

} // namespace TestSupport

#endif // SALESSCREENHOST_H
