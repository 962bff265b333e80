#include "core/settingsrules.h"

#include "core/utility.h"

#include <QRegularExpression>

bool IsValidTaxRate(const QString& rate)
{
    // Anchored on the whole text: "$" alone would also accept a trailing line break.
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,2}(\\.[0-9]{1,2})?")));
    return pattern.match(rate).hasMatch();
}

int FirstInvalidTaxRate(const QStringList& rates)
{
    for (int i = 0; i < rates.size(); ++i) {
        if (!IsValidTaxRate(rates.at(i)))
            return i;
    }
    return -1;
}

namespace {
QPair<QString, QVariant> value(const char* key, const QVariant& v)
{
    return qMakePair(QString::fromLatin1(key), v);
}
} // namespace

SettingValues SettingsValuesBeforePages(const GeneralSettingsInput& input)
{
    return {value(SettingKey::REPORT_COMPANY_NAME, input.companyName),
            value(SettingKey::REPORT_COMPANY_ADDRESS, input.companyAddress),
            value(SettingKey::REPORT_PHONE_NUMBER, input.phoneNumber),
            value(SettingKey::REPORT_COMPANY_LOGO, input.companyLogo),
            value(SettingKey::SUB_ITEMS_MODE,
                  input.subItemsMode ? QStringLiteral("y") : QStringLiteral("n")),
            value(SettingKey::CURRENCY_SYMBOL, input.currencySymbol),
            value(SettingKey::DATE_FORMAT, input.dateFormat),
            value(SettingKey::SMALL_RECEIPT, input.smallReceipt ? 1 : 0)};
}

SettingValues SettingsValuesAfterPages(const GeneralSettingsInput& input)
{
    return {value(SettingKey::THEME,
                  input.darkTheme ? QStringLiteral("dark") : QStringLiteral("light")),
            value(SettingKey::IMAGES_FOLDER, input.imagesFolder)};
}
