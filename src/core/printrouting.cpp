#include "core/printrouting.h"

#include "core/utility.h"

#include <QDir>
#include <QFont>
#include <QStandardPaths>

PrintRoute RouteFor(PrintJob job)
{
    const Utility* utility = Utility::GetInstance();
    const auto readBool = [utility](const char* key) {
        return utility->ReadBool(QString::fromLatin1(key));
    };
    const auto readString = [utility](const char* key) {
        return utility->ReadString(QString::fromLatin1(key));
    };

    switch (job) {
    case PrintJob::LargeReceipt:
    case PrintJob::SmallReceipt:
        return {readBool(SettingKey::RECEIPT_PRINT_TO_PDF),
                readString(SettingKey::RECEIPT_PRINTER)};
    case PrintJob::Preview:
        return {false, readString(SettingKey::RECEIPT_PRINTER)};
    case PrintJob::PurchaseOrder:
    case PrintJob::Report:
        return {readBool(SettingKey::REPORT_PRINT_TO_PDF), readString(SettingKey::REPORT_PRINTER)};
    }
    return {true, QString()};
}

static QString PdfFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(folder);
    return folder;
}

QString PrintPdfPath()
{
    return PdfFolder() + QStringLiteral("/print.pdf");
}

QString ReportPdfPath()
{
    return PdfFolder() + QStringLiteral("/report.pdf");
}

void InstallPrintFontSubstitutes()
{
    const QString family = QStringLiteral("MS Shell Dlg 2");
    if (QFont::substitutes(family).isEmpty())
        QFont::insertSubstitutions(family,
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("Nimbus Sans")});
}
