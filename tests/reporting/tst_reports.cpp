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

#include <memory>

using TestSupport::ModalDialogHandler;
using TestSupport::StoreBuilder;

namespace {

const QDate kToday(2025, 3, 10);

// One line per sale. The last 7 days (2 to 9 March) hold the sales of the core test; 7 February
// is the first day of the last 30 days, 6 February is not part of them.
const struct
{
    const char* day;
    const char* user;
    int customer;
    const char* product;
    int quantity;
    double price, cost, discount;
} kSales[] = {
    {"2025-02-06", "carl", 0, "Salt", 1, 100.00, 0.40, 0.0},
    {"2025-02-07", "carl", 0, "Salt", 1, 1.00, 0.40, 0.0},
    {"2025-03-03", "anna", 7, "Tea", 2, 3.10, 2.00, 0.10},
    {"2025-03-03", "anna", 7, "Soap <big>", 1, 12.00, 8.00, 0.0},
    {"2025-03-03", "ben", 0, "Tea", 1, 3.10, 2.00, 0.0},
    {"2025-03-05", "anna", 0, "Rice", 4, 5.00, 3.50, 0.0},
    {"2025-03-10", "ben", 7, "Tea", 100, 3.10, 2.00, 0.0},
};

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qWarning() << "no child" << name;
    return widget;
}

// The rows of the viewer's table as "first column=value column" texts.
QStringList tableRows(QWidget* viewer, int valueColumn = 1)
{
    QAbstractItemModel* model = child<QTableView>(viewer, "tableViewItems")->model();
    QStringList rows;
    for (int row = 0; model && row < model->rowCount(); ++row)
        rows << model->index(row, 0).data().toString() + QLatin1Char('=') +
                    model->index(row, valueColumn).data().toString();
    return rows;
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
    void salesReports_data();
    void salesReports();
    void stockReports_data();
    void stockReports();
    void printsSalesReport();
    void screenshots();

private:
    void openScreen(const QString& styleSheet = QString());
    // Runs the report chosen by the radio button: parameter (if any) answers the parameter
    // dialog, viewer gets the report viewer; without a viewer a refusal is expected instead.
    void runReport(const char* radio, const char* button,
                   const ModalDialogHandler::Answer& parameter,
                   const ModalDialogHandler::Answer& viewer, QString* refusal = nullptr);
    ReportViewer* openSalesViewer(const QString& styleSheet = QString());

    ModalDialogHandler m_dialogs;
    TestSupport::UrlCatcher m_urls;
    std::unique_ptr<StoreBuilder> m_sales;
    std::unique_ptr<StoreBuilder> m_inventory;
    std::unique_ptr<ReportsManagement> m_screen;
    int m_serial = 0;
};

void ReportsTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    m_urls.start();

    ++m_serial;
    const QString suffix = QStringLiteral("_%1.mercdb").arg(m_serial);
    m_sales = std::make_unique<StoreBuilder>(StoreBuilder::Kind::Sales,
                                             QDir::homePath() + QStringLiteral("/sales") + suffix);
    QVERIFY(m_sales->isOk());
    for (const auto& line : kSales)
        m_sales->addSaleLine(m_sales->addSale(QString::fromLatin1(line.user), line.customer,
                                              QDate::fromString(line.day, Qt::ISODate), 0, 0),
                             0, QString::fromLatin1(line.product), line.quantity, line.price,
                             line.cost, line.discount);
    m_sales->activate();

    m_inventory = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Inventory, QDir::homePath() + QStringLiteral("/stock") + suffix);
    QVERIFY(m_inventory->isOk());
    const qint64 product = m_inventory->addProduct(m_inventory->addCategory(QStringLiteral("C")),
                                                   QStringLiteral("P1"), QStringLiteral("<Co>"));
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
    m_screen.reset();
    TestSupport::resetDatabases();
    m_sales.reset();
    m_inventory.reset();
}

void ReportsTest::openScreen(const QString& styleSheet)
{
    m_screen = std::make_unique<ReportsManagement>();
    m_screen->resize(900, 600);
    m_screen->setStyleSheet(styleSheet);
    m_screen->SetToday(kToday);
    m_screen->show();
}

void ReportsTest::runReport(const char* radio, const char* button,
                            const ModalDialogHandler::Answer& parameter,
                            const ModalDialogHandler::Answer& viewer, QString* refusal)
{
    if (!m_screen)
        openScreen();
    child<QRadioButton>(m_screen.get(), radio)->setChecked(true);
    if (parameter)
        m_dialogs.expect(parameter, QStringLiteral("parameter"));
    if (viewer) {
        m_dialogs.expect(
            [viewer](QWidget* dialog) {
                QVERIFY(qobject_cast<ReportViewer*>(dialog));
                viewer(dialog);
                child<QPushButton>(dialog, "buttonClose")->click();
            },
            QStringLiteral("report viewer"));
    } else {
        m_dialogs.expectMessageBox(QMessageBox::Ok, refusal);
    }
    child<QPushButton>(m_screen.get(), button)->click();
    QVERIFY(m_dialogs.waitUntilDone());
}

void ReportsTest::salesReports_data()
{
    QTest::addColumn<QByteArray>("radio");
    QTest::addColumn<QDate>("start"); // range only
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("totals"); // sales, purchase cost, discount, profit
    // The table under the product, user, customer and date groupings, as far as given.
    QTest::addColumn<QStringList>("groupings");
    // Today's sale is never part of a period.
    QTest::newRow("7 days") << QByteArray("radioLastSevenDays") << QDate() << QDate()
                            << "SALES & PURCHASE COST REPORT (LAST 7 DAYS)"
                            << QStringList({"41.20", "28.00", "0.10", "13.20"})
                            << QStringList({"Rice=20.00 Soap <big>=12.00 Tea=9.20",
                                            "anna=38.10 ben=3.10", "0=23.10 7=18.10",
                                            "03-03-2025=21.20 05-03-2025=20.00"});
    QTest::newRow("30 days") << QByteArray("radioLastThirtyDays") << QDate() << QDate()
                             << "SALES & PURCHASE COST REPORT (LAST 30 DAYS)"
                             << QStringList({"42.20", "28.40", "0.10", "13.80"})
                             << QStringList({"Rice=20.00 Soap <big>=12.00 Tea=9.20 Salt=1.00"});
    QTest::newRow("range") << QByteArray("radioDateRange") << QDate(2025, 3, 3) << QDate(2025, 3, 4)
                           << "SALES & PURCHASE COST REPORT FROM 03-03-2025 TO 04-03-2025"
                           << QStringList({"21.20", "14.00", "0.10", "7.20"})
                           << QStringList({"Soap <big>=12.00 Tea=9.20"});
}

void ReportsTest::salesReports()
{
    QFETCH(QByteArray, radio);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, heading);
    QFETCH(QStringList, totals);
    QFETCH(QStringList, groupings);
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("DATE_FORMAT"),
                                                    QStringLiteral("DD/MM/YYYY"));
    Utility::GetInstance()->ReloadDateFormat();
    ModalDialogHandler::Answer dates;
    if (start.isValid()) {
        dates = [start, end](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Report Parameter"));
            QVERIFY(!child<QGroupBox>(dialog, "groupBox")->isVisible());
            child<QDateEdit>(dialog, "dateEditStart")->setDate(start);
            child<QDateEdit>(dialog, "dateEditEnd")->setDate(end);
            child<QPushButton>(dialog, "pushButton_2")->click();
        };
    }
    runReport(radio.constData(), "buttonSaleView", dates, [&](QWidget* viewer) {
        QCOMPARE(child<QLabel>(viewer, "labelHeading")->text(), heading);
        QVERIFY(child<QGroupBox>(viewer, "groupGroupBy")->isVisible());
        QStringList shown;
        for (const char* line :
             {"lineTotalSales", "linePurchaseCost", "lineDiscount", "lineProfit"})
            shown << child<QLineEdit>(viewer, line)->text();
        QCOMPARE(shown, totals);
        // The product grouping shows first; each radio button shows its own grouping.
        QVERIFY(child<QRadioButton>(viewer, "radioProduct")->isChecked());
        const char* radios[] = {"radioProduct", "radioUser", "radioCustomer", "radioDate"};
        for (int i = 0; i < groupings.size(); ++i) {
            child<QRadioButton>(viewer, radios[i])->click();
            QCOMPARE(tableRows(viewer).join(QLatin1Char(' ')), groupings.at(i));
        }
    });
}

void ReportsTest::stockReports_data()
{
    QTest::addColumn<QByteArray>("radio");
    QTest::addColumn<QString>("typed");   // null: no parameter dialog
    QTest::addColumn<QString>("heading"); // empty: refused with a message
    QTest::addColumn<QStringList>("barCodes");
    QTest::newRow("low stock 5") << QByteArray("radioLowStock") << "5"
                                 << "ITEMS HAVING STOCK LEVEL LESS THAN (5)"
                                 << QStringList({"Q0", "Q1", "Q2", "Q3", "Q4"});
    QTest::newRow("low stock not a number")
        << QByteArray("radioLowStock") << "5 OR 1=1" << QString() << QStringList();
    QTest::newRow("expiring in 0 days")
        << QByteArray("radioSixMonths") << "0"
        << "EXPIRING ITEMS IN (0) DAYS REPORT" << QStringList({"Q0", "Q1", "Q2"});
    QTest::newRow("out of stock") << QByteArray("radioOutofStock") << QString()
                                  << "OUT OF STOCK ITEMS REPORT" << QStringList({"Q0"});
}

void ReportsTest::stockReports()
{
    QFETCH(QByteArray, radio);
    QFETCH(QString, typed);
    QFETCH(QString, heading);
    QFETCH(QStringList, barCodes);
    // Q0 has no batch number and no storage place: those cells print empty.
    QVERIFY(m_inventory->exec(QStringLiteral("UPDATE tblInventory SET BATCH_NUMBER = '', "
                                             "STORAGE_LOCATION = NULL WHERE BAR_CODE = 'Q0'")));
    openScreen();
    m_screen->SetToday(QDate::currentDate());
    ModalDialogHandler::Answer parameter;
    if (!typed.isNull()) {
        parameter = [typed](QWidget* dialog) {
            QVERIFY(!child<QGroupBox>(dialog, "groupBox_Dates")->isVisible());
            QTest::keyClicks(child<QLineEdit>(dialog, "lineEditValue"), typed);
            child<QPushButton>(dialog, "pushButton")->click();
        };
    }
    const auto viewer = [&](QWidget* viewer) {
        QCOMPARE(child<QLabel>(viewer, "labelHeading")->text(), heading);
        QVERIFY(!child<QGroupBox>(viewer, "groupGroupBy")->isVisible());
        QStringList found;
        for (const QString& row : tableRows(viewer, 2))
            found << row.section(QLatin1Char('='), 1);
        found.sort();
        QCOMPARE(found, barCodes);

        // The printed report has no sales summary; the empty cells keep the row in order.
        child<QPushButton>(viewer, "pushPrintToPDF")->click();
        QCOMPARE(m_urls.urls.size(), 1);
        const QString text = TestSupport::pdfText(m_urls.urls.first().toLocalFile());
        QVERIFY(!text.contains(QStringLiteral("Total Sales")));
        QVERIFY(!text.contains(QStringLiteral("RESULTS GROUPED")));
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Pharma\\s+Q0\\s+\\d{4}-"))),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("<Co>")));
    };
    QString refusal;
    runReport(radio.constData(), "buttonInventoryView", parameter,
              heading.isEmpty() ? ModalDialogHandler::Answer() : viewer, &refusal);
    QCOMPARE(refusal.contains(QStringLiteral("whole number")), heading.isEmpty());
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
    // The heading is large and wraps; "Profit" prints with an "fi" ligature.
    const QStringList expected =
        QStringLiteral("SALES & PURCHASE COST|REPORT (LAST 7 DAYS)|RESULTS GROUPED BY PRODUCT|"
                       "Total Sales : €41.20|Total Purchase : €28.00|€13.20|"
                       "Total Discount : €0.10|PRODUCT_NAME|Rice|Soap <big>|Tea")
            .split(QLatin1Char('|'));
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

// The pictures of the user guide, in the light theme.
void ReportsTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);
    const QString sheet = TestSupport::themeSheet(false);
    openScreen(sheet);
    m_screen->grab().save(QDir(folder).filePath(QStringLiteral("reports-light.png")));
    ReportParameterDialog parameter(nullptr, true);
    parameter.setStyleSheet(sheet);
    parameter.show();
    parameter.grab().save(
        QDir(folder).filePath(QStringLiteral("report-parameter-dates-light.png")));
    ReportViewer* viewer = openSalesViewer(sheet);
    QTest::qWait(20);
    viewer->grab().save(QDir(folder).filePath(QStringLiteral("report-viewer-product-light.png")));
    child<QPushButton>(viewer, "pushPrintToPDF")->click();
    TestSupport::runTool(QStringLiteral("pdftoppm"),
                         {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                          QStringLiteral("-singlefile"), m_urls.urls.last().toLocalFile(),
                          QDir(folder).filePath(QStringLiteral("report-page"))});
    viewer->close();
}

MERCHORA_TEST_MAIN(ReportsTest)
#include "tst_reports.moc"
