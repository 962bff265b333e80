#ifndef PRODUCTVALIDATION_H
#define PRODUCTVALIDATION_H

#include <QList>
#include <QString>

// Columns of tblProducts, in the order the product screen's model shows them.
namespace ProductColumn {
enum : int
{
    Id = 0,
    Category = 1,
    Code = 2,
    Name = 3,
    ItemsPerUnit = 4,
    Description = 5,
    ImageFile = 6,
    TaxRate = 7
};
} // namespace ProductColumn

// The values of the product form that decide whether it can be saved.
struct ProductInput
{
    bool autoGenerateCode = true;
    QString code;
    QString name;
    QString itemsPerUnit;
    bool customRate = false;
    QString customRateText;
    bool hasCategory = false;
};

// The message for the first reason, in the order the form checks them, why the input cannot be
// saved; empty when it can.
QString ProductInputProblem(const ProductInput& input);

// "A - 5 %": the entry of a configured tax rate in the rate list.
QString TaxRateLabel(QChar letter, const QString& rate);

// Position of the first rate equal to the stored rate (as text, compared as float); -1 if none.
int MatchingTaxRate(const QList<float>& rates, const QString& storedRate);

// The value written to TAX_RATE: the float's shortest decimal, so that 5.1 is stored as 5.1 and
// not as 5.0999999.
double StoredTaxRate(float rate);

#endif // PRODUCTVALIDATION_H
