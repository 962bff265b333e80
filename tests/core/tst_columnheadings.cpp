#include "storebuilder.h"
#include "testenvironment.h"

#include "core/columnheadings.h"
#include "core/purchaseorders.h"
#include "core/reportqueries.h"

#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTranslator>

using TestSupport::StoreBuilder;

namespace {

// Marks every text of the headings' context, so that a heading shown untranslated stands out.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "ColumnHeading") != 0)
            return QString();
        return QLatin1Char('<') + QLatin1String(sourceText) + QLatin1Char('>');
    }
    bool isEmpty() const override { return false; }
};

// A date column as the program builds it for the display format.
QString DateColumn(const char* column, const char* heading)
{
    return QStringLiteral(" strftime('%Y-%m-%d',%1) as '%2'")
        .arg(QLatin1String(column), QLatin1String(heading));
}

} // namespace

// The tables that show a statement's own column names translate every column they show.
class ColumnHeadingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shownColumnsAreTranslated();
};

void ColumnHeadingsTest::shownColumnsAreTranslated()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QTemporaryDir dir;
    StoreBuilder inventory(StoreBuilder::Kind::Inventory, dir.filePath(QStringLiteral("i.db")));
    StoreBuilder sales(StoreBuilder::Kind::Sales, dir.filePath(QStringLiteral("s.db")));
    QVERIFY(inventory.isOk() && sales.isOk());
    const ReportPeriod period{QDate(2025, 3, 1), QDate(2025, 3, 9)};
    const struct
    {
        const char* what;
        QSqlDatabase db;
        BoundStatement statement;
        int firstShown; // the columns before it are hidden by their screens
    } statements[] = {
        {"low stock", inventory.database(), StockReport::LowStock(5), 0},
        {"expiring", inventory.database(),
         StockReport::Expiring(period.end, DateColumn("i.EXPIRY_DATE", "Expiry Date")), 0},
        {"sales totals", sales.database(), SalesReport::Totals(period), 0},
        {"by product", sales.database(),
         SalesReport::Grouped(SalesGrouping::Product, period, QString()), 0},
        {"by customer", sales.database(),
         SalesReport::Grouped(SalesGrouping::Customer, period, QString()), 0},
        {"by user", sales.database(), SalesReport::Grouped(SalesGrouping::User, period, QString()),
         0},
        {"by date", sales.database(),
         SalesReport::Grouped(SalesGrouping::Date, period, DateColumn("st.TIME_STAMP", "DATE")), 0},
        {"purchase orders", inventory.database(),
         PurchaseOrderStore::ListQuery(PurchaseOrderStore::ListSearch::All, QString(),
                                       DateColumn("po.SENT_DATE", "Sent Date"),
                                       DateColumn("po.DELIVERY_DATE", "Delivery Date")),
         0},
        {"order items", inventory.database(),
         PurchaseOrderStore::ItemsQuery(QStringLiteral("1"),
                                        DateColumn("EXPIRY_DATE", "EXPIRY DATE")),
         2},
        // Tables shown whole.
        {"sales", sales.database(), {QStringLiteral("SELECT * FROM tblSalesTransactions"), {}}, 0},
        {"sale lines", sales.database(), {QStringLiteral("SELECT * FROM tblSalesInvoice"), {}}, 2},
        {"voided lines", sales.database(), {QStringLiteral("SELECT * FROM tblSalesVoids"), {}}, 2},
        {"vendors", inventory.database(), {QStringLiteral("SELECT * FROM tblVendors"), {}}, 1},
        {"customers", inventory.database(), {QStringLiteral("SELECT * FROM tblCustomers"), {}}, 1},
    };
    // One model for all, as the report viewer keeps its model from one grouping to the next.
    ReportTableModel model;
    for (const auto& row : statements) {
        SetBoundQuery(&model, row.db, row.statement);
        ColumnHeadings::Translate(&model);
        QVERIFY2(model.columnCount() > row.firstShown, row.what);
        for (int column = row.firstShown; column < model.columnCount(); ++column)
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString(),
                     QLatin1Char('<') + model.record().fieldName(column) + QLatin1Char('>'));
    }
}

MERCHORA_TEST_GUILESS_MAIN(ColumnHeadingsTest)
#include "tst_columnheadings.moc"
