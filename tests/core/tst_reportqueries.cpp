#include "storebuilder.h"
#include "testenvironment.h"

#include "core/reportdocument.h"
#include "core/reportqueries.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

using TestSupport::StoreBuilder;

namespace {

// The rows of the statement as the report table shows them (sums as money, so that they compare
// to the cent whatever the order of adding), columns joined by "|".
QStringList shown(const QSqlDatabase& db, const BoundStatement& statement)
{
    ReportTableModel model;
    SetBoundQuery(&model, db, statement);
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// A sale at the stamp as stored (date and time, or a bare date as older rows have).
qint64 addSale(StoreBuilder& store, const QString& stamp, const QString& user, int customer)
{
    return store.insert(QStringLiteral("tblSalesTransactions"),
                        {{QStringLiteral("USER_ID"), user},
                         {QStringLiteral("CUSTOMER_ID"), customer},
                         {QStringLiteral("TIME_STAMP"), stamp},
                         {QStringLiteral("GRAND_TOTAL"), 0.0},
                         {QStringLiteral("PAID"), 0.0},
                         {QStringLiteral("RETURN"), 0.0}});
}

} // namespace

// The statements of the stock and sales reports, their periods and the printed HTML.
class ReportQueriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void fixedPeriods_data();
    void fixedPeriods();
    void groupingsSumAndOrder();
    void randomPeriodsMatchDayComparison();
    void stockReports();
    void parsesThreshold_data();
    void parsesThreshold();
    void htmlEscapesCellsOnly();

private:
    QTemporaryDir m_dir;
};

void ReportQueriesTest::fixedPeriods_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("sevenStart");
    QTest::addColumn<QDate>("thirtyStart");
    QTest::addColumn<QDate>("end");
    // Today is never part of a period; "7 days" reaches 8 days back.
    QTest::newRow("10 March, no leap year")
        << QDate(2025, 3, 10) << QDate(2025, 3, 2) << QDate(2025, 2, 7) << QDate(2025, 3, 9);
    QTest::newRow("10 March, leap year")
        << QDate(2024, 3, 10) << QDate(2024, 3, 2) << QDate(2024, 2, 8) << QDate(2024, 3, 9);
    QTest::newRow("new year's day")
        << QDate(2026, 1, 1) << QDate(2025, 12, 24) << QDate(2025, 12, 1) << QDate(2025, 12, 31);
}

void ReportQueriesTest::fixedPeriods()
{
    QFETCH(QDate, today);
    QFETCH(QDate, sevenStart);
    QFETCH(QDate, thirtyStart);
    QFETCH(QDate, end);
    const ReportPeriod seven = ReportPeriods::LastSevenDays(today);
    const ReportPeriod thirty = ReportPeriods::LastThirtyDays(today);
    const ReportPeriod yesterday = ReportPeriods::Yesterday(today);
    QCOMPARE(QList<QDate>({seven.start, seven.end, thirty.start, thirty.end, yesterday.start,
                           yesterday.end}),
             QList<QDate>({sevenStart, end, thirtyStart, end, end, end}));
}

void ReportQueriesTest::groupingsSumAndOrder()
{
    StoreBuilder store(StoreBuilder::Kind::Sales, m_dir.filePath(QStringLiteral("groups.mercdb")));
    QVERIFY(store.isOk());
    // Two sales on 3 March at different times, one on 5 March, one today (not counted).
    const qint64 morning = addSale(store, QStringLiteral("2025-03-03 09:00:00"), "anna", 7);
    store.addSaleLine(morning, 0, QStringLiteral("Tea"), 2, 3.10, 2.00, 0.10);
    store.addSaleLine(morning, 1, QStringLiteral("Soap <big>"), 1, 12.00, 8.00);
    const qint64 evening = addSale(store, QStringLiteral("2025-03-03 18:30:00"), "ben", 0);
    store.addSaleLine(evening, 0, QStringLiteral("Tea"), 1, 3.10, 2.00);
    const qint64 later = addSale(store, QStringLiteral("2025-03-05 12:00:00"), "anna", 0);
    store.addSaleLine(later, 0, QStringLiteral("Rice"), 4, 5.00, 3.50);
    const qint64 today = addSale(store, QStringLiteral("2025-03-10 10:00:00"), "ben", 7);
    store.addSaleLine(today, 0, QStringLiteral("Tea"), 100, 3.10, 2.00);

    // StoreBuilder stores SUB_TOTAL = quantity x price - discount and its purchase cost.
    const ReportPeriod period = ReportPeriods::LastSevenDays(QDate(2025, 3, 10));
    const SalesTotals totals = LoadSalesTotals(store.database(), period);
    QCOMPARE(QStringList({totals.sales, totals.discount, totals.purchaseCost}),
             QStringList({"41.20", "0.10", "28.00"}));
    QCOMPARE(ProfitText(totals.sales, totals.purchaseCost), QStringLiteral("13.20"));
    // A period without sales has empty totals and a profit of zero.
    const SalesTotals none =
        LoadSalesTotals(store.database(), {QDate(2024, 1, 1), QDate(2024, 2, 1)});
    QCOMPARE(QStringList({none.sales, none.discount, none.purchaseCost}),
             QStringList({"", "", ""}));
    QCOMPARE(ProfitText(none.sales, none.purchaseCost), QStringLiteral("0.00"));

    const auto grouped = [&](SalesGrouping grouping) {
        return shown(store.database(),
                     SalesReport::Grouped(grouping, period,
                                          QStringLiteral(" strftime('%d-%m-%Y',st.TIME_STAMP) "
                                                         "as 'DATE'")));
    };
    // Name, sales, discount, purchase cost; largest sales first.
    QCOMPARE(
        grouped(SalesGrouping::Product),
        QStringList({"Rice|20.00|0.00|14.00", "Soap <big>|12.00|0.00|8.00", "Tea|9.20|0.10|6.00"}));
    QCOMPARE(grouped(SalesGrouping::User),
             QStringList({"anna|38.10|0.10|26.00", "ben|3.10|0.00|2.00"}));
    QCOMPARE(grouped(SalesGrouping::Customer),
             QStringList({"0|23.10|0.00|16.00", "7|18.10|0.10|12.00"}));
    // One row per calendar day, whatever the times of its sales.
    QCOMPARE(grouped(SalesGrouping::Date),
             QStringList({"03-03-2025|21.20|0.10|14.00", "05-03-2025|20.00|0.00|14.00"}));
}

// The period statements compare the stored time stamp itself (so the index serves them); they
// must give what comparing calendar days with date() gives, on any period.
void ReportQueriesTest::randomPeriodsMatchDayComparison()
{
    StoreBuilder store(StoreBuilder::Kind::Sales, m_dir.filePath(QStringLiteral("random.mercdb")));
    QVERIFY(store.isOk());
    QRandomGenerator random(20261207);
    const QDate first(2025, 1, 1);
    QVERIFY(store.exec(QStringLiteral("BEGIN")));
    for (int day = 0; day < 60; ++day) {
        // Every day has sales on its first and last second and one stamped with the bare date,
        // as older rows may be, so that both bounds of every period meet them.
        const QString date = first.addDays(day).toString(Qt::ISODate);
        QStringList stamps = {date + QStringLiteral(" 00:00:00"), date,
                              date + QStringLiteral(" 23:59:59")};
        for (int sale = 0; sale < 8; ++sale)
            stamps << date + QTime(0, 0).addSecs(random.bounded(24 * 3600)).toString(" hh:mm:ss");
        for (const QString& stamp : stamps) {
            const qint64 id = addSale(store, stamp, QStringLiteral("user%1").arg(random.bounded(3)),
                                      random.bounded(3));
            for (int line = 0; line < 1 + random.bounded(3); ++line)
                store.addSaleLine(id, line, QStringLiteral("P%1").arg(random.bounded(15)),
                                  1 + random.bounded(5), random.bounded(1, 5000) / 100.0,
                                  random.bounded(1, 3000) / 100.0);
        }
    }
    QVERIFY(store.exec(QStringLiteral("COMMIT")));

    const QString dayTotals =
        "SELECT SUM(SUB_TOTAL), SUM(DISCOUNT), SUM(PURCHASE_SUB_TOTAL) FROM tblSalesInvoice as si, "
        "tblSalesTransactions as st WHERE date(st.TIME_STAMP) BETWEEN date(?) AND date(?) AND "
        "si.TRANSACTION_ID = st.ID";
    const QString dayProducts =
        "SELECT si.PRODUCT_NAME, SUM(SUB_TOTAL), SUM(DISCOUNT), SUM(PURCHASE_SUB_TOTAL) FROM "
        "tblSalesInvoice as si LEFT JOIN tblSalesTransactions as st ON st.ID = si.TRANSACTION_ID "
        "WHERE date(st.TIME_STAMP) BETWEEN date(?) AND date(?) GROUP BY si.PRODUCT_NAME "
        "ORDER BY SUM(SUB_TOTAL) DESC, si.PRODUCT_NAME";
    // Periods may start after they end: those select nothing, as a BETWEEN does.
    int periodsWithSales = 0;
    for (int round = 0; round < 200; ++round) {
        const QDate start = first.addDays(random.bounded(-3, 63));
        const ReportPeriod period{start, start.addDays(random.bounded(-3, 30))};
        const QVariantList days = {period.start.toString(Qt::ISODate),
                                   period.end.toString(Qt::ISODate)};
        const QString what = days.at(0).toString() + QStringLiteral(" to ") + days.at(1).toString();
        const QStringList products = shown(store.database(), {dayProducts, days});
        QVERIFY2(shown(store.database(), SalesReport::Totals(period)) ==
                     shown(store.database(), {dayTotals, days}),
                 qPrintable(what));
        QVERIFY2(shown(store.database(),
                       SalesReport::Grouped(SalesGrouping::Product, period, {})) == products,
                 qPrintable(what));
        periodsWithSales += products.isEmpty() ? 0 : 1;
    }
    QVERIFY(periodsWithSales > 150);
}

void ReportQueriesTest::stockReports()
{
    StoreBuilder store(StoreBuilder::Kind::Inventory,
                       m_dir.filePath(QStringLiteral("stock.mercdb")));
    QVERIFY(store.isOk());
    const qint64 product = store.addProduct(store.addCategory(QStringLiteral("C")),
                                            QStringLiteral("P1"), QStringLiteral("Aspirin"));
    const qint64 vendor = store.addVendor(QStringLiteral("V"));
    const QDate today = QDate::currentDate();
    for (int quantity = 0; quantity <= 7; ++quantity)
        store.addBatch(product, vendor, QStringLiteral("Q%1").arg(quantity), quantity, 1.0, 0.5,
                       0.0, 0, true, today.addDays(quantity - 3));

    const auto barCodes = [&](const BoundStatement& statement) {
        QStringList codes;
        for (const QString& row : shown(store.database(), statement))
            codes << row.section(QLatin1Char('|'), 2, 2);
        codes.sort();
        return codes.join(QLatin1Char(' '));
    };
    QCOMPARE(barCodes(StockReport::LowStock(5)), QStringLiteral("Q0 Q1 Q2 Q3 Q4"));
    QCOMPARE(barCodes(StockReport::OutOfStock()), QStringLiteral("Q0"));
    // Within 0 days: only batches that expired before today.
    QCOMPARE(barCodes(StockReport::Expiring(today, QStringLiteral("i.EXPIRY_DATE"))),
             QStringLiteral("Q0 Q1 Q2"));
    QCOMPARE(barCodes(StockReport::Expiring(today.addDays(2), QStringLiteral("i.EXPIRY_DATE"))),
             QStringLiteral("Q0 Q1 Q2 Q3 Q4"));
}

void ReportQueriesTest::parsesThreshold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("threshold"); // -1: refused
    QTest::newRow("number") << "5" << 5;
    QTest::newRow("blanks around") << " 12 " << 12;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("decimal") << "5.5" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("words") << "five" << -1;
    QTest::newRow("sql") << "5 OR 1=1" << -1;
    QTest::newRow("too large") << "99999999999" << -1;
}

void ReportQueriesTest::parsesThreshold()
{
    QFETCH(QString, text);
    QFETCH(int, threshold);
    int parsed = -1;
    QString message;
    QCOMPARE(ParseStockThreshold(text, &parsed, &message), threshold >= 0);
    QCOMPARE(parsed, threshold);
    QCOMPARE(message.isEmpty(), threshold >= 0);
}

void ReportQueriesTest::htmlEscapesCellsOnly()
{
    const ReportSummary summary{QStringLiteral("RESULTS GROUPED BY PRODUCT"),
                                QStringLiteral("$"),
                                QStringLiteral("10.00"),
                                QStringLiteral("6.00"),
                                QStringLiteral("4.00"),
                                QStringLiteral("0.50")};
    ReportHtmlWriter writer(QStringLiteral("<i>HEAD</i>"), QStringLiteral("now"), &summary,
                            {QStringLiteral("PRODUCT_NAME"), QStringLiteral("SALES")});
    writer.AddRow({QStringLiteral("Fish & <Chips>"), QStringLiteral("  1.00 ")});
    writer.AddRow({QStringLiteral(" "), QString()});
    const QString html = writer.Finish();
    QVERIFY(html.contains(QStringLiteral("<title><i>HEAD</i></title>")));
    QVERIFY(html.contains(QStringLiteral("<h3>RESULTS GROUPED BY PRODUCT</h3><br><br>Total Sales "
                                         ": $10.00<br><br>Total Purchase : $6.00<br><br>Total "
                                         "Profit : $4.00<br><br>Total Discount : $0.50<br><br>")));
    QVERIFY(html.contains(QStringLiteral("<tr><td bkcolor=0>Fish &amp; &lt;Chips&gt;</td>"
                                         "<td bkcolor=0>1.00</td></tr>\n")));
    QVERIFY(html.contains(QStringLiteral("<tr><td bkcolor=0>&nbsp;</td><td bkcolor=0>&nbsp;"
                                         "</td></tr>\n")));
    QVERIFY(html.endsWith(QStringLiteral("</table>\n</body>\n</html>\n")));

    ReportHtmlWriter stock(QStringLiteral("OUT OF STOCK ITEMS REPORT"), QStringLiteral("now"),
                           nullptr, {QStringLiteral("PRODUCT")});
    QVERIFY(!stock.Finish().contains(QStringLiteral("Total Sales")));
}

MERCHORA_TEST_GUILESS_MAIN(ReportQueriesTest)
#include "tst_reportqueries.moc"
