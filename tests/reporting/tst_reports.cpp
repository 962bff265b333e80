#include "modaldialoghandler.h"
#include "pdftools.h"
#include "storebuilder.h"
#include "testenvironment.h"
#include "urlcatcher.h"

#include "core/utility.h"
#include "reporting/reportparameterdialog.h"
#include "reporting/reportsmanagement.h"
#include "reporting/reportviewer.h"

#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

using TestSupport::StoreBuilder;

namespace {

const QDate kToday(2025, 3, 10);

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qWarning() << "no child" << name;
    return widget;
}

// The rows of the viewer's table as "first column=second column" texts.
QStringList tableRows(QWidget* viewer, int valueColumn = 1)
{
    QAbstractItemModel* model = child<QTableView>(viewer, "tableViewItems")->model();
    QStringList rows;
    for (int row = 0; model && row < model->rowCount(); ++row)
        rows << model->index(row, 0).data().toString() + QLatin1Char('=') +
                    model->index(row, valueColumn).data().toString();
    return rows;
}

void saveShot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

// The reports screen, its parameter dialog and the report viewer: the periods and groupings on
// known sales, the stock reports, and the printed document read back from the PDF.
class ReportsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void salesReportGroupsThePeriod();
    void salesPeriods_data();
    void salesPeriods();
    void stockReports_data();
    void stockReports();
    void printsSalesReport();
    void printsStockReportWithEmptyCells();
    void screenshots();

private:
    ReportsManagement* openScreen(const QString& styleSheet = QString());
    // Runs the report chosen by the radio button; answer gets the viewer once it is shown.
    void runReport(const char* radio, const char* button,
                   const std::function<void(QWidget*)>& answer);
    ReportViewer* openSalesViewer(const QString& styleSheet = QString());

    TestSupport::ModalDialogHandler m_dialogs;
    TestSupport::UrlCatcher m_urls;
    std::unique_ptr<StoreBuilder> m_sales;
    std::unique_ptr<StoreBuilder> m_inventory;
    std::unique_ptr<QWidget> m_host;
    ReportsManagement* m_screen = nullptr;
    int m_serial = 0;
};

void ReportsTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    m_urls.start();

    ++m_serial;
    m_sales = std::make_unique<StoreBuilder>(StoreBuilder::Kind::Sales,
                                             QDir::homePath() +
                                                 QStringLiteral("/sales_%1.mercdb").arg(m_serial));
    QVERIFY(m_sales->isOk());
    const auto sale = [this](const char* stamp, const char* user, int customer) {
        return m_sales->insert(QStringLiteral("tblSalesTransactions"),
                               {{QStringLiteral("USER_ID"), QString::fromLatin1(user)},
                                {QStringLiteral("CUSTOMER_ID"), customer},
                                {QStringLiteral("TIME_STAMP"), QString::fromLatin1(stamp)},
                                {QStringLiteral("GRAND_TOTAL"), 0.0},
                                {QStringLiteral("PAID"), 0.0},
                                {QStringLiteral("RETURN"), 0.0}});
    };
    const qint64 early = sale("2025-02-07 08:00:00", "carl", 0); // first day of the 30 days
    m_sales->addSaleLine(early, 0, QStringLiteral("Salt"), 1, 1.00, 0.40);
    const qint64 tooEarly = sale("2025-02-06 19:00:00", "carl", 0);
    m_sales->addSaleLine(tooEarly, 0, QStringLiteral("Salt"), 1, 100.00, 0.40);
    const qint64 morning = sale("2025-03-03 09:00:00", "anna", 7);
    m_sales->addSaleLine(morning, 0, QStringLiteral("Tea"), 2, 3.10, 2.00, 0.10);
    m_sales->addSaleLine(morning, 1, QStringLiteral("Soap <big>"), 1, 12.00, 8.00);
    const qint64 evening = sale("2025-03-03 18:30:00", "ben", 0);
    m_sales->addSaleLine(evening, 0, QStringLiteral("Tea"), 1, 3.10, 2.00);
    const qint64 later = sale("2025-03-05 12:00:00", "anna", 0);
    m_sales->addSaleLine(later, 0, QStringLiteral("Rice"), 4, 5.00, 3.50);
    const qint64 today = sale("2025-03-10 10:00:00", "ben", 7);
    m_sales->addSaleLine(today, 0, QStringLiteral("Tea"), 100, 3.10, 2.00);
    m_sales->activate();

    m_inventory = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Inventory,
        QDir::homePath() + QStringLiteral("/stock_%1.mercdb").arg(m_serial));
    QVERIFY(m_inventory->isOk());
    const qint64 product =
        m_inventory->addProduct(m_inventory->addCategory(QStringLiteral("C")), QStringLiteral("P1"),
                                QStringLiteral("Aspirin & <Co>"));
    const qint64 vendor = m_inventory->addVendor(QStringLiteral("Pharma"));
    for (int quantity = 0; quantity <= 7; ++quantity)
        m_inventory->addBatch(product, vendor, QStringLiteral("Q%1").arg(quantity), quantity, 1.0,
                              0.5, 0.0, 0, true, QDate::currentDate().addDays(quantity - 3));
    m_inventory->activate();
}

void ReportsTest::cleanup()
{
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    m_urls.stop();
    m_screen = nullptr;
    m_host.reset();
    TestSupport::resetDatabases();
    m_sales.reset();
    m_inventory.reset();
}

ReportsManagement* ReportsTest::openScreen(const QString& styleSheet)
{
    m_host = std::make_unique<QWidget>();
    m_host->resize(900, 600);
    m_host->setStyleSheet(styleSheet);
    auto* layout = new QVBoxLayout(m_host.get());
    layout->setContentsMargins(0, 0, 0, 0);
    m_screen = new ReportsManagement(m_host.get());
    m_screen->SetToday(kToday);
    layout->addWidget(m_screen);
    m_host->show();
    return m_screen;
}

void ReportsTest::runReport(const char* radio, const char* button,
                            const std::function<void(QWidget*)>& answer)
{
    if (!m_screen)
        openScreen();
    child<QRadioButton>(m_screen, radio)->setChecked(true);
    m_dialogs.expect(
        [answer](QWidget* dialog) {
            QVERIFY(qobject_cast<ReportViewer*>(dialog));
            answer(dialog);
            child<QPushButton>(dialog, "buttonClose")->click();
        },
        QStringLiteral("report viewer"));
    child<QPushButton>(m_screen, button)->click();
    QVERIFY(m_dialogs.waitUntilDone());
}

void ReportsTest::salesReportGroupsThePeriod()
{
    runReport("radioLastSevenDays", "buttonSaleView", [](QWidget* viewer) {
        QCOMPARE(child<QLabel>(viewer, "labelHeading")->text(),
                 QStringLiteral("SALES & PURCHASE COST REPORT (LAST 7 DAYS)"));
        QVERIFY(child<QGroupBox>(viewer, "groupGroupBy")->isVisible());
        // 2 to 9 March: today's sale is not part of it.
        QCOMPARE(child<QLineEdit>(viewer, "lineTotalSales")->text(), QStringLiteral("41.20"));
        QCOMPARE(child<QLineEdit>(viewer, "linePurchaseCost")->text(), QStringLiteral("28.00"));
        QCOMPARE(child<QLineEdit>(viewer, "lineDiscount")->text(), QStringLiteral("0.10"));
        QCOMPARE(child<QLineEdit>(viewer, "lineProfit")->text(), QStringLiteral("13.20"));

        QVERIFY(child<QRadioButton>(viewer, "radioProduct")->isChecked());
        QCOMPARE(tableRows(viewer), QStringList({"Rice=20.00", "Soap <big>=12.00", "Tea=9.20"}));
        child<QRadioButton>(viewer, "radioUser")->click();
        QCOMPARE(tableRows(viewer), QStringList({"anna=38.10", "ben=3.10"}));
        child<QRadioButton>(viewer, "radioCustomer")->click();
        QCOMPARE(tableRows(viewer), QStringList({"0=23.10", "7=18.10"}));
        child<QRadioButton>(viewer, "radioDate")->click();
        QCOMPARE(tableRows(viewer), QStringList({"2025-03-03=21.20", "2025-03-05=20.00"}));
    });
}

void ReportsTest::salesPeriods_data()
{
    QTest::addColumn<QByteArray>("radio");
    QTest::addColumn<QDate>("start"); // range only
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("totalSales");
    QTest::newRow("30 days") << QByteArray("radioLastThirtyDays") << QDate() << QDate()
                             << "SALES & PURCHASE COST REPORT (LAST 30 DAYS)"
                             << "42.20";
    QTest::newRow("range") << QByteArray("radioDateRange") << QDate(2025, 3, 3) << QDate(2025, 3, 4)
                           << "SALES & PURCHASE COST REPORT FROM 03-03-2025 "
                              "TO 04-03-2025"
                           << "21.20";
}

void ReportsTest::salesPeriods()
{
    QFETCH(QByteArray, radio);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, heading);
    QFETCH(QString, totalSales);
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("DATE_FORMAT"),
                                                    QStringLiteral("DD/MM/YYYY"));
    Utility::GetInstance()->ReloadDateFormat();
    openScreen();
    child<QRadioButton>(m_screen, radio.constData())->setChecked(true);
    if (start.isValid()) {
        m_dialogs.expect(
            [start, end](QWidget* dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Report Parameter"));
                QVERIFY(!child<QGroupBox>(dialog, "groupBox")->isVisible());
                child<QDateEdit>(dialog, "dateEditStart")->setDate(start);
                child<QDateEdit>(dialog, "dateEditEnd")->setDate(end);
                child<QPushButton>(dialog, "pushButton_2")->click();
            },
            QStringLiteral("dates"));
    }
    m_dialogs.expect(
        [&](QWidget* viewer) {
            QCOMPARE(child<QLabel>(viewer, "labelHeading")->text(), heading);
            QCOMPARE(child<QLineEdit>(viewer, "lineTotalSales")->text(), totalSales);
            child<QPushButton>(viewer, "buttonClose")->click();
        },
        QStringLiteral("report viewer"));
    child<QPushButton>(m_screen, "buttonSaleView")->click();
    QVERIFY(m_dialogs.waitUntilDone());
}

void ReportsTest::stockReports_data()
{
    QTest::addColumn<QByteArray>("radio");
    QTest::addColumn<QString>("typed"); // null: no parameter dialog
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("barCodes"); // empty heading: refused with a message
    QTest::newRow("low stock 5") << QByteArray("radioLowStock") << "5"
                                 << "ITEMS HAVING STOCK LEVEL LESS THAN (5)"
                                 << QStringList({"Q0", "Q1", "Q2", "Q3", "Q4"});
    QTest::newRow("low stock not a number")
        << QByteArray("radioLowStock") << "5 OR 1=1" << QString() << QStringList();
    QTest::newRow("expiring in 0 days")
        << QByteArray("radioSixMonths") << "0"
        << "EXPIRING ITEMS IN (0) DAYS REPORT" << QStringList({"Q0", "Q1", "Q2"});
}

void ReportsTest::stockReports()
{
    QFETCH(QByteArray, radio);
    QFETCH(QString, typed);
    QFETCH(QString, heading);
    QFETCH(QStringList, barCodes);
    openScreen();
    m_screen->SetToday(QDate::currentDate());
    child<QRadioButton>(m_screen, radio.constData())->setChecked(true);
    if (!typed.isNull()) {
        m_dialogs.expect(
            [typed](QWidget* dialog) {
                QVERIFY(!child<QGroupBox>(dialog, "groupBox_Dates")->isVisible());
                QTest::keyClicks(child<QLineEdit>(dialog, "lineEditValue"), typed);
                child<QPushButton>(dialog, "pushButton")->click();
            },
            QStringLiteral("parameter"));
    }
    QString message;
    if (heading.isEmpty()) {
        m_dialogs.expectMessageBox(QMessageBox::Ok, &message);
    } else {
        m_dialogs.expect(
            [&](QWidget* viewer) {
                QCOMPARE(child<QLabel>(viewer, "labelHeading")->text(), heading);
                QVERIFY(!child<QGroupBox>(viewer, "groupGroupBy")->isVisible());
                QStringList found;
                for (const QString& row : tableRows(viewer, 2))
                    found << row.section(QLatin1Char('='), 1);
                found.sort();
                QCOMPARE(found, barCodes);
                child<QPushButton>(viewer, "buttonClose")->click();
            },
            QStringLiteral("report viewer"));
    }
    child<QPushButton>(m_screen, "buttonInventoryView")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    if (heading.isEmpty())
        QVERIFY(message.contains(QStringLiteral("whole number")));
}

ReportViewer* ReportsTest::openSalesViewer(const QString& styleSheet)
{
    auto* viewer = new ReportViewer();
    viewer->setStyleSheet(styleSheet);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    const ReportPeriod period = ReportPeriods::LastSevenDays(kToday);
    viewer->setHeading(QStringLiteral("SALES & PURCHASE COST REPORT (LAST 7 DAYS)"));
    viewer->setStatement(SalesReport::Totals(period));
    viewer->setPeriod(period.start, period.end);
    viewer->setTotals(QStringLiteral("41.20"), QStringLiteral("28.00"), QStringLiteral("0.10"));
    viewer->setSalesReport(true);
    viewer->show();
    return viewer;
}

void ReportsTest::printsSalesReport()
{
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("CURRENCY_SYMBOL"),
                                                    QStringLiteral("€"));
    ReportViewer* viewer = openSalesViewer();
    // The settings route reports to PDF: the notice comes first.
    QString notice;
    m_dialogs.expect(
        [&notice](QWidget* dialog) {
            notice = dialog->windowTitle();
            TestSupport::clickButtonWithText(dialog, QStringLiteral("Close"));
        },
        QStringLiteral("print to PDF notice"));
    child<QPushButton>(viewer, "buttonPrint")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(notice, QStringLiteral("Print to PDF"));
    QCOMPARE(m_urls.urls.size(), 1);
    const QString pdf = m_urls.urls.first().toLocalFile();
    QVERIFY(pdf.endsWith(QLatin1String("/report.pdf")));

    const QString text = TestSupport::pdfText(pdf);
    // The heading is large and wraps.
    const QStringList expected = {QStringLiteral("SALES & PURCHASE COST"),
                                  QStringLiteral("REPORT (LAST 7 DAYS)"),
                                  QStringLiteral("RESULTS GROUPED BY PRODUCT"),
                                  QStringLiteral("Total Sales : €41.20"),
                                  QStringLiteral("Total Purchase : €28.00"),
                                  QStringLiteral("€13.20"), // "Profit" prints with an "fi" ligature
                                  QStringLiteral("Total Discount : €0.10"),
                                  QStringLiteral("PRODUCT_NAME"),
                                  QStringLiteral("Rice"),
                                  QStringLiteral("Soap <big>"),
                                  QStringLiteral("Tea")};
    int at = 0;
    for (const QString& piece : expected) {
        const int found = text.indexOf(piece, at);
        QVERIFY2(found >= 0,
                 qPrintable(piece + QStringLiteral(" missing or out of order in\n") + text));
        at = found + piece.size();
    }
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Soap <big>\\s+12\\.00\\s+0\\.00\\s+"
                                                            "8\\.00"))));
    QCOMPARE(TestSupport::pdfPageCount(pdf), 1);

    // Print to PDF writes the same file without the notice; the grouping shown is what prints.
    child<QRadioButton>(viewer, "radioUser")->click();
    child<QPushButton>(viewer, "pushPrintToPDF")->click();
    QCOMPARE(m_urls.urls.size(), 2);
    const QString byUser = TestSupport::pdfText(pdf);
    QVERIFY(byUser.contains(QStringLiteral("RESULTS GROUPED BY USER")));
    QVERIFY(byUser.contains(QRegularExpression(QStringLiteral("anna\\s+38\\.10"))));
    viewer->close();
}

void ReportsTest::printsStockReportWithEmptyCells()
{
    QVERIFY(m_inventory->exec(QStringLiteral("UPDATE tblInventory SET BATCH_NUMBER = '', "
                                             "STORAGE_LOCATION = NULL WHERE BAR_CODE = 'Q0'")));
    auto* viewer = new ReportViewer();
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setHeading(QStringLiteral("OUT OF STOCK ITEMS REPORT"));
    viewer->setStatement(StockReport::OutOfStock());
    viewer->show();
    child<QPushButton>(viewer, "pushPrintToPDF")->click();
    QCOMPARE(m_urls.urls.size(), 1);
    const QString text = TestSupport::pdfText(m_urls.urls.first().toLocalFile());
    QVERIFY(!text.contains(QStringLiteral("Total Sales")));
    QVERIFY(!text.contains(QStringLiteral("RESULTS GROUPED")));
    // The batch has no batch number and no storage place: those cells print empty, the rest of
    // the row in order.
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Pharma\\s+Q0\\s+\\d{4}-"))),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("<Co>")));
    viewer->close();
}

void ReportsTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);
    for (const bool dark : {true, false}) {
        const QString suffix = dark ? QString() : QStringLiteral("-light");
        openScreen(TestSupport::themeSheet(dark));
        saveShot(m_host.get(), QStringLiteral("reports") + suffix);
        m_host.reset();
        m_screen = nullptr;

        ReportViewer* viewer = openSalesViewer(TestSupport::themeSheet(dark));
        for (const char* radio : {"radioProduct", "radioCustomer", "radioDate", "radioUser"}) {
            child<QRadioButton>(viewer, radio)->click();
            QTest::qWait(20);
            saveShot(viewer, QStringLiteral("report-viewer-") +
                                 QString::fromLatin1(radio + 5).toLower() + suffix);
        }
        if (!dark) {
            child<QRadioButton>(viewer, "radioProduct")->click();
            child<QPushButton>(viewer, "pushPrintToPDF")->click();
            TestSupport::runTool(QStringLiteral("pdftoppm"),
                                 {QStringLiteral("-png"), QStringLiteral("-r"),
                                  QStringLiteral("60"), QStringLiteral("-singlefile"),
                                  m_urls.urls.last().toLocalFile(),
                                  QDir(folder).filePath(QStringLiteral("report-page"))});
        }
        viewer->close();
    }
    for (const bool dateMode : {false, true}) {
        ReportParameterDialog parameter(nullptr, dateMode);
        parameter.setStyleSheet(TestSupport::themeSheet(false));
        parameter.SetPrompt(QStringLiteral("Low Items Threshold"));
        parameter.show();
        saveShot(&parameter, dateMode ? QStringLiteral("report-parameter-dates-light")
                                      : QStringLiteral("report-parameter-light"));
    }
    auto* stock = new ReportViewer();
    stock->setAttribute(Qt::WA_DeleteOnClose);
    stock->setStyleSheet(TestSupport::themeSheet(false));
    stock->setHeading(QStringLiteral("ITEMS HAVING STOCK LEVEL LESS THAN (5)"));
    stock->setStatement(StockReport::LowStock(5));
    stock->show();
    saveShot(stock, QStringLiteral("report-viewer-stock-light"));
    child<QPushButton>(stock, "pushPrintToPDF")->click();
    TestSupport::runTool(QStringLiteral("pdftoppm"),
                         {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                          QStringLiteral("-singlefile"), m_urls.urls.last().toLocalFile(),
                          QDir(folder).filePath(QStringLiteral("report-page-stock"))});
    stock->close();
}

MERCHORA_TEST_MAIN(ReportsTest)
#include "tst_reports.moc"
