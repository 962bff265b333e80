#ifndef SETTINGSRULES_H
#define SETTINGSRULES_H

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// A tax rate in per cent as typed: one or two digits, optionally a point and one or two more
// (0 to 99.99); no sign, blanks or comma.
bool IsValidTaxRate(const QString& rate);

// Index of the first rate, in the order given (A, B, C), that is not valid; -1 when all are.
int FirstInvalidTaxRate(const QStringList& rates);

// The values of the general and company tabs of the settings dialog.
struct GeneralSettingsInput
{
    QString companyName;
    QString companyAddress;
    QString phoneNumber;
    QString companyLogo;
    bool subItemsMode = false;
    QString currencySymbol;
    QString dateFormat;
    bool smallReceipt = true;
    bool darkTheme = false;
    QString imagesFolder;
};

using SettingValues = QVector<QPair<QString, QVariant>>;

// What the settings dialog stores before the printer and point-of-sale pages save, in order:
// company details, sub-items mode, currency symbol, date format, receipt size.
SettingValues SettingsValuesBeforePages(const GeneralSettingsInput& input);
// What it stores after them, before the tax page: theme, images folder.
SettingValues SettingsValuesAfterPages(const GeneralSettingsInput& input);

#endif // SETTINGSRULES_H
