#include "core/productvalidation.h"

#include "core/valuelimits.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

bool MatchesWhole(const char* pattern, const QString& text)
{
    // Anchored on the whole text: a trailing line break does not slip through as it would
    // with "$".
    const QRegularExpression expression(
        QRegularExpression::anchoredPattern(QString::fromLatin1(pattern)));
    return expression.match(text).hasMatch();
}

// The messages are shown by the product dialog and translated with its texts.
class ProductDialogText
{
    Q_DECLARE_TR_FUNCTIONS(AddEditProductDialog)
};

} // namespace

QString ProductInputProblem(const ProductInput& input)
{
    if (!input.autoGenerateCode && !MatchesWhole("[a-zA-Z0-9_]{1,20}", input.code))
        return ProductDialogText::tr(
                   "Product Code ( %1 ) is invalid. Please enter valid Product Code")
            .arg(input.code);
    if (input.name.isEmpty())
        return ProductDialogText::tr("Error: Product Name ( %1 ) Please enter valid product name")
            .arg(input.name);
    if (!MatchesWhole("[0-9_]{1,10}", input.itemsPerUnit))
        return ProductDialogText::tr("Error: Please enter valid Items Per Unit value");
    // Text that is no number ("1_2") counts as 0.
    if (input.itemsPerUnit.toLongLong(nullptr, 10) == 0)
        return ProductDialogText::tr(
            "Error: Items Per Unit value can not be '0'. Minimum value could be '1'.");
    // Stock is counted in sub-items: a unit may hold at most this many.
    if (input.itemsPerUnit.toLongLong(nullptr, 10) > ValueLimits::MAX_ITEMS_PER_UNIT)
        return ProductDialogText::tr("Error: Items Per Unit value can not be more than %1.")
            .arg(ValueLimits::MAX_ITEMS_PER_UNIT);
    if (input.customRate && !MatchesWhole("[0-9]{1,2}(\\.[0-9]{1,2})?", input.customRateText))
        return ProductDialogText::tr(
            "Tax rate is invalid. Please enter numeric (0 to 99.99) value.");
    if (!input.hasCategory)
        return ProductDialogText::tr("Error: Please select a product category");
    return QString();
}

QString TaxRateLabel(QChar letter, const QString& rate)
{
    return QString(letter) + QStringLiteral(" - ") + rate + QStringLiteral(" %");
}

int MatchingTaxRate(const QList<float>& rates, const QString& storedRate)
{
    const float stored = storedRate.toFloat();
    for (int i = 0; i < rates.size(); ++i) {
        if (rates.at(i) == stored)
            return i;
    }
    return -1;
}

double StoredTaxRate(float rate)
{
    return QString::number(rate).toDouble();
}
