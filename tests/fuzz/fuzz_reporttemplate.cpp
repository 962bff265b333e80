// Feeds arbitrary bytes to the report template reader and, for every field read, to the
// expansion of its value, printing condition and highlighting rules. The raw bytes also go
// straight to the expansion, so expressions get exercised when the XML is not well-formed.

#include "core/reporttemplate.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

namespace {

// Deterministic answers: numbers for some names, awkward text for others, nothing for the rest.
QVariant answer(const QString& name)
{
    uint sum = 0;
    for (const QChar c : name)
        sum += c.unicode();
    switch (sum % 6) {
    case 0:
        return 12;
    case 1:
        return QStringLiteral("-3.50");
    case 2:
        return QStringLiteral("O'Brien [x] <y> \\ \"q\"\nline two");
    case 3:
        return QStringLiteral("nan");
    case 4:
        return QStringLiteral("1e308");
    default:
        return QVariant();
    }
}

void exercise(const ReportExpressions& e, const QString& value, const QString& printing,
              const QString& highlighting, bool bold, const QString& colour)
{
    e.expandValue(value);
    e.isPrinted(printing);
    e.highlightFlag(highlighting, QStringLiteral("bold"), bold);
    e.highlightFlag(highlighting, QStringLiteral("underline"), !bold);
    ParseReportColor(e.highlightColor(highlighting, QStringLiteral("fontColor"), colour));
    ParseReportColor(e.highlightColor(highlighting, QStringLiteral("backgroundColor"), colour));
}

} // namespace

// Qt Script keeps some per-thread engine data that it never frees (16 bytes per script thread).
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt5Script.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    new QCoreApplication(*argc, *argv); // the script engine needs one; lives for the run
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray(reinterpret_cast<const char*>(data), int(size));

    ReportExpressions e(answer);
    e.setScriptTimeLimit(100);
    e.setDateTime(QDate(2026, 1, 2), QTime(3, 4, 5));
    e.setPageNumber(2);
    e.setTotalPages(3);
    e.setLineNumber(4);
    for (const char* v : {"2.5", "-1", "x", "1e308"})
        e.collect(QStringLiteral("LineTotal"), QString::fromLatin1(v));

    ReportTemplate tpl;
    if (ReadReportTemplateFromXml(bytes, &tpl)) {
        for (const ReportPage& page : tpl.pages) {
            volatile int sink = page.usableWidth() + page.usableHeight();
            (void)sink;
            page.pageSizeMm();
            page.marginsMm();
            for (const std::optional<ReportBand>& band : page.bands) {
                if (!band)
                    continue;
                for (const ReportField& f : band->fields) {
                    f.penStyle();
                    exercise(e, f.value, f.printing, f.highlighting, f.fontBold, f.fontColorText);
                }
            }
        }
    }

    const QString text = QString::fromUtf8(bytes.left(1024));
    exercise(e, text, text, text, false, text);
    ParseReportColor(text);
    ParseReportBorderWidth(text);
    ParseReportBorderStyle(text);
    ParseReportAlignment(text, text);
    ParseReportBandType(text);
    return 0;
}
