#include "storebuilder.h"
#include "testenvironment.h"

#include "core/money.h"
#include "core/reportdocument.h"
#include "core/reportqueries.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

using TestSupport::StoreBuilder;

// The statements of the stock and sales reports, their periods and the printed HTML.
class ReportQueriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fixedPeriods_data();
    void fixedPeriods();
    void periodKeepsWholeDaysOnly();
    void groupingsSumAndOrder();
    void emptyPeriodHasEmptyTotalsAndZeroProfit();
    void randomPeriodsMatchDayComparison();
    void stockReports();
    void parsesThreshold_data();
    void parsesThreshold();
    void htmlEscapesCellsOnly();

private:
    QList<QVariantList> rows(const QSqlDatabase& db, const BoundStatement& statement);
    qint64 addSale(StoreBuilder& store, const QString& stamp, const QString& user, int customer);

    QTemporaryDir m_dir;
};

void ReportQueriesTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QList<QVariantList> ReportQueriesTest::rows(const QSqlDatabase& db, const BoundStatement& statement)
{
    QList<QVariantList> result;
    QSqlQuery query(db);
    if (!query.prepare(statement.text)) {
        qWarning() << query.lastError().text() << statement.text;
        return result;
    }
    for (const QVariant& value : statement.values)
        query.addBindValue(value);
    if (!query.exec())
        qWarning() << query.lastError().text();
    while (query.next()) {
        QVariantList row;
        // Sums compare to the cent: the order of adding may differ between statements.
        for (int i = 0; i < query.record().count(); ++i) {
            const QVariant value = query.value(i);
            row << (value.type() == QVariant::Double
                        ? QVariant(Money::FromDouble(value.toDouble()).ToString())
                        : value);
        }
        result << row;
    }
    return result;
}

qint64 ReportQueriesTest::addSale(StoreBuilder& store, const QString& stamp, const QString& user,
                                  int customer)
{
    return store.insert(QStringLiteral("tblSalesTransactions"),
                        {{QStringLiteral("USER_ID"), user},
                         {QStringLiteral("CUSTOMER_ID"), customer},
                         {QStringLiteral("TIME_STAMP"), stamp},
                         {QStringLiteral("GRAND_TOTAL"), 0.0},
                         {QStringLiteral("PAID"), 0.0},
                         {QStringLiteral("RETURN"), 0.0}});
}

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
    QCOMPARE(seven.start, sevenStart);
    QCOMPARE(thirty.start, thirtyStart);
    QCOMPARE(seven.end, end);
    QCOMPARE(thirty.end, end);
    QCOMPARE(yesterday.start, end);
    QCOMPARE(yesterday.end, end);
}

void ReportQueriesTest::periodKeepsWholeDaysOnly()
{
    StoreBuilder store(StoreBuilder::Kind::Sales, m_dir.filePath(QStringLiteral("bounds.mercdb")));
    QVERIFY(store.isOk());
    const QStringList inside = {QStringLiteral("2025-03-02 00:00:00"), QStringLiteral("2025-03-05"),
                                QStringLiteral("2025-03-09 23:59:59")};
    const QStringList outside = {QStringLiteral("2025-03-01 23:59:59"),
                                 QStringLiteral("2025-03-10 00:00:00"),
                                 QStringLiteral("2025-03-10 08:15:00")};
    for (const QString& stamp : inside + outside)
        store.addSaleLine(addSale(store, stamp, QStringLiteral("u"), 0), 0, stamp, 1, 1.0, 0.5);

    const ReportPeriod period = ReportPeriods::LastSevenDays(QDate(2025, 3, 10));
    QStringList found;
    for (const QVariantList& row :
         rows(store.database(), SalesReport::Grouped(SalesGrouping::Product, period, {})))
        found << row.at(0).toString();
    found.sort();
    QStringList expected = inside;
    expected.sort();
    QCOMPARE(found, expected);

    // A start after the end selects nothing, as a BETWEEN would.
    QVERIFY(rows(store.database(),
                 SalesReport::Grouped(SalesGrouping::Product, {period.end, period.start}, {}))
                .isEmpty());
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
    QCOMPARE(totals.sales, QStringLiteral("41.20"));
    QCOMPARE(totals.discount, QStringLiteral("0.10"));
    QCOMPARE(totals.purchaseCost, QStringLiteral("28.00"));
    QCOMPARE(ProfitText(totals.sales, totals.purchaseCost), QStringLiteral("13.20"));

    const auto grouped = [&](SalesGrouping grouping) {
        QStringList texts;
        ReportTableModel model;
        SetBoundQuery(&model, store.database(),
                      SalesReport::Grouped(grouping, period,
                                           QStringLiteral(" strftime('%d-%m-%Y',st.TIME_STAMP) "
                                                          "as 'DATE'")));
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.index(row, 0).data().toString() + QLatin1Char('=') +
                         model.index(row, 1).data().toString();
        return texts.join(QLatin1Char(' '));
    };
    // Largest sales first; the sums show as money.
    QCOMPARE(grouped(SalesGrouping::Product), QStringLiteral("Rice=20.00 Soap <big>=12.00 "
                                                             "Tea=9.20"));
    QCOMPARE(grouped(SalesGrouping::User), QStringLiteral("anna=38.10 ben=3.10"));
    QCOMPARE(grouped(SalesGrouping::Customer), QStringLiteral("0=23.10 7=18.10"));
    // One row per calendar day, whatever the times of its sales.
    QCOMPARE(grouped(SalesGrouping::Date), QStringLiteral("03-03-2025=21.20 05-03-2025=20.00"));
}

void ReportQueriesTest::emptyPeriodHasEmptyTotalsAndZeroProfit()
{
    StoreBuilder store(StoreBuilder::Kind::Sales, m_dir.filePath(QStringLiteral("empty.mercdb")));
    QVERIFY(store.isOk());
    const SalesTotals totals =
        LoadSalesTotals(store.database(), ReportPeriods::LastThirtyDays(QDate(2025, 3, 10)));
    QVERIFY(totals.sales.isEmpty());
    QVERIFY(totals.discount.isEmpty());
    QVERIFY(totals.purchaseCost.isEmpty());
    QCOMPARE(ProfitText(totals.sales, totals.purchaseCost), QStringLiteral("0.00"));
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
    for (int sale = 0; sale < 600; ++sale) {
        const QDateTime when(first.addDays(random.bounded(60)),
                             QTime(0, 0).addSecs(random.bounded(24 * 3600)));
        // Some stamps are bare dates, as older rows may be.
        const QString stamp = random.bounded(10) == 0
                                  ? when.date().toString(Qt::ISODate)
                                  : when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        const qint64 id = addSale(store, stamp, QStringLiteral("user%1").arg(random.bounded(3)),
                                  random.bounded(3));
        for (int line = 0; line < 1 + random.bounded(3); ++line)
            store.addSaleLine(id, line, QStringLiteral("P%1").arg(random.bounded(15)),
                              1 + random.bounded(5), random.bounded(1, 5000) / 100.0,
                              random.bounded(1, 3000) / 100.0);
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
    int periodsWithSales = 0;
    for (int round = 0; round < 200; ++round) {
        const ReportPeriod period{first.addDays(random.bounded(-3, 63)),
                                  first.addDays(random.bounded(-3, 63))};
        const QVariantList days = {period.start.toString(Qt::ISODate),
                                   period.end.toString(Qt::ISODate)};
        const QString what = period.start.toString(Qt::ISODate) + QStringLiteral(" to ") +
                             period.end.toString(Qt::ISODate);
        QCOMPARE(rows(store.database(), SalesReport::Totals(period)),
                 rows(store.database(), {dayTotals, days}));
        QVERIFY2(rows(store.database(), SalesReport::Grouped(SalesGrouping::Product, period, {})) ==
                     rows(store.database(), {dayProducts, days}),
                 qPrintable(what));
        periodsWithSales += rows(store.database(), {dayTotals, days}).at(0).at(0).isNull() ? 0 : 1;
    }
    QVERIFY(periodsWithSales > 100);
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
        for (const QVariantList& row : rows(store.database(), statement))
            codes << row.at(2).toString();
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
