#ifndef PRINTROUTING_H
#define PRINTROUTING_H

#include <QString>

// The kinds of print job; each one looks its destination up in the printer settings.
enum class PrintJob
{
    LargeReceipt,
    PurchaseOrder,
    Preview,
    SmallReceipt,
    Report
};

// Where a print job goes: a PDF file (see PrintPdfPath()) or the printer with the given name.
struct PrintRoute
{
    bool toPdf;
    QString printerName;
};

// The destination of a job from the saved settings. Receipts, tickets and previews use the
// receipt printer; reports and purchase orders the report printer. Previews never go to PDF.
PrintRoute RouteFor(PrintJob job);

// The file that jobs routed to PDF write: "print.pdf" in the generic data location. The folder
// is created when it is missing, so the caller can write the file right away.
QString PrintPdfPath();
// The file that reports routed to PDF, and "Print to PDF", write: "report.pdf" beside it.
QString ReportPdfPath();

// The report templates name the Windows dialog font "MS Shell Dlg 2". Its text is laid out for
// Arial-wide letters, so map it to the Arial-metric free fonts; the wider default sans font of
// the desktop makes long captions wrap or run past the margin. Safe to call more than once.
void InstallPrintFontSubstitutes();

#endif // PRINTROUTING_H
