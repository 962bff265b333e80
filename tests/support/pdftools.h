#ifndef PDFTOOLS_H
#define PDFTOOLS_H

#include <QString>
#include <QStringList>

namespace TestSupport {

// Runs a command-line tool and returns what it wrote to standard output; empty when it does not
// finish within 30 s (it is then killed).
QString runTool(const QString& program, const QStringList& arguments);

// The text of a PDF file as pdftotext lays it out (-layout); extra options go before the file.
QString pdfText(const QString& path, const QStringList& options = QStringList());

// The number of pages pdfinfo reports; -1 when it reports none.
int pdfPageCount(const QString& path);

} // namespace TestSupport

#endif // PDFTOOLS_H
