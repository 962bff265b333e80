#include "core/columnheadings.h"

#include <QCoreApplication>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace {

const char kContext[] = "ColumnHeading";

// Every column name that a table shows as its heading: of the stock and sales reports, the
// purchase orders and their items, the sales browser, the contact lists and the stock list.
const char* const kHeadings[] = {
    QT_TRANSLATE_NOOP("ColumnHeading", "ADDRESS"),
    QT_TRANSLATE_NOOP("ColumnHeading", "BAR_CODE"),
    QT_TRANSLATE_NOOP("ColumnHeading", "BATCH_NUMBER"),
    QT_TRANSLATE_NOOP("ColumnHeading", "CONTACT_NUMBER"),
    QT_TRANSLATE_NOOP("ColumnHeading", "CUSTOMER_ID"),
    //: the day of the sales in a row of a sales report
    QT_TRANSLATE_NOOP("ColumnHeading", "DATE"),
    //: the delivery date of a purchase order
    QT_TRANSLATE_NOOP("ColumnHeading", "Delivery Date"),
    //: an amount of discount
    QT_TRANSLATE_NOOP("ColumnHeading", "DISCOUNT"),
    QT_TRANSLATE_NOOP("ColumnHeading", "EMAIL"),
    QT_TRANSLATE_NOOP("ColumnHeading", "EXPIRY DATE"),
    QT_TRANSLATE_NOOP("ColumnHeading", "EXPIRY_DATE"),
    QT_TRANSLATE_NOOP("ColumnHeading", "Expiry Date"),
    QT_TRANSLATE_NOOP("ColumnHeading", "GRAND_TOTAL"),
    //: the number of a sale or a purchase order
    QT_TRANSLATE_NOOP("ColumnHeading", "ID"),
    QT_TRANSLATE_NOOP("ColumnHeading", "ITEM_CODE"),
    //: the position of a line in its sale
    QT_TRANSLATE_NOOP("ColumnHeading", "ITEM_INDEX"),
    QT_TRANSLATE_NOOP("ColumnHeading", "ITEM_NAME"),
    QT_TRANSLATE_NOOP("ColumnHeading", "LINE_TOTAL"),
    //: the name of a customer or a vendor
    QT_TRANSLATE_NOOP("ColumnHeading", "NAME"),
    QT_TRANSLATE_NOOP("ColumnHeading", "NOTES"),
    //: the amount a customer paid
    QT_TRANSLATE_NOOP("ColumnHeading", "PAID"),
    QT_TRANSLATE_NOOP("ColumnHeading", "PRODUCT"),
    QT_TRANSLATE_NOOP("ColumnHeading", "PRODUCT_NAME"),
    QT_TRANSLATE_NOOP("ColumnHeading", "PURCHASE COST"),
    QT_TRANSLATE_NOOP("ColumnHeading", "PURCHASE_PRICE"),
    QT_TRANSLATE_NOOP("ColumnHeading", "PURCHASE_SUB_TOTAL"),
    //: a number of units
    QT_TRANSLATE_NOOP("ColumnHeading", "QUANTITY"),
    //: the change given back to the customer
    QT_TRANSLATE_NOOP("ColumnHeading", "RETURN"),
    //: the sum sold
    QT_TRANSLATE_NOOP("ColumnHeading", "SALES"),
    QT_TRANSLATE_NOOP("ColumnHeading", "SALES_TAX"),
    QT_TRANSLATE_NOOP("ColumnHeading", "SALE_PRICE"),
    //: the sending date of a purchase order
    QT_TRANSLATE_NOOP("ColumnHeading", "Sent Date"),
    //: the state of a purchase order
    QT_TRANSLATE_NOOP("ColumnHeading", "STATUS"),
    QT_TRANSLATE_NOOP("ColumnHeading", "STORAGE_LOCATION"),
    QT_TRANSLATE_NOOP("ColumnHeading", "SUB_ITEMS"),
    QT_TRANSLATE_NOOP("ColumnHeading", "SUB_TOTAL"),
    QT_TRANSLATE_NOOP("ColumnHeading", "TIME_STAMP"),
    //: the total of a purchase order
    QT_TRANSLATE_NOOP("ColumnHeading", "TOTAL"),
    QT_TRANSLATE_NOOP("ColumnHeading", "TOTAL DISCOUNT"),
    QT_TRANSLATE_NOOP("ColumnHeading", "TOTAL PURCHASE COST"),
    QT_TRANSLATE_NOOP("ColumnHeading", "TOTAL SALES"),
    QT_TRANSLATE_NOOP("ColumnHeading", "UNIT_PRICE"),
    QT_TRANSLATE_NOOP("ColumnHeading", "USER_ID"),
    QT_TRANSLATE_NOOP("ColumnHeading", "VENDOR"),
};

// The list's own copy of the name, or null when the name is none of the headings.
const char* Listed(const QString& name)
{
    for (const char* heading : kHeadings) {
        if (name == QLatin1String(heading))
            return heading;
    }
    return nullptr;
}

} // namespace

namespace ColumnHeadings {

void Translate(QSqlQueryModel* model)
{
    const QSqlRecord record = model->record();
    for (int column = 0; column < record.count(); ++column) {
        const QString name = record.fieldName(column);
        const char* heading = Listed(name);
        model->setHeaderData(column, Qt::Horizontal,
                             heading ? QCoreApplication::translate(kContext, heading) : name);
    }
}

} // namespace ColumnHeadings
