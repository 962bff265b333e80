#include "modaldialoghandler.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/utility.h"
#include "reporting/salesmanagement.h"

#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString AdvisoryText = QStringLiteral(
    "Please click on 'Sales Details' tab to view details of this sale. All individual items are "
    "listed on this tab. You can double click on the row to go directly to details page as well. ");
const QString ByNumberStatus = QStringLiteral("Search results based on Sales/Receipt ID ");
const QString ByDateStatus = QStringLiteral("Search results based on Date");
const QString NoCriteriaStatus = QStringLiteral("No search criteria specified.");

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qWarning() << "no child" << name;
    return widget;
}

// Every row the view's model can deliver, fetched to the end.
QList<qint64> listedIds(QTableView* view)
{
    QAbstractItemModel* model = view->model();
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    QList<qint64> ids;
    for (int row = 0; row < model->rowCount(); ++row)
        ids << model->index(row, 0).data().toLongLong();
    return ids;
}

QStringList listedProducts(QTableView* view)
{
    auto* model = qobject_cast<QSqlTableModel*>(view->model());
    const int column = model->fieldIndex(QStringLiteral("PRODUCT_NAME"));
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, column).data().toString();
    names.sort();
    return names;
}

int rowOf(QTableView* view, qint64 saleId)
{
    return listedIds(view).indexOf(saleId);
}

QPoint centreOfRow(QTableView* view, int row)
{
    return view->visualRect(view->model()->index(row, 1)).center();
}

} // namespace

// The sales history: listing, finding a sale by number or date, its lines, deleting a sale.
class SalesManagementTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensWithEverySaleAndNoLines_data();
    void opensWithEverySaleAndNoLines();
    void showsDatesInDisplayFormat_data();
    void showsDatesInDisplayFormat();
    void search_data();
    void search();
    void showAllListsEverySaleAndClearsTheBoxes();
    void singleClickShowsLinesWithAdvisory_data();
    void singleClickShowsLinesWithAdvisory();
    void doubleClickOpensDetailsTab();
    void deleteWithoutCurrentRowExplains();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deleteIsAllOrNothing();
    void closeClosesHostingDialog();
    void largeStoreOpensWithoutFetchingAll();
    void screenshots();

private:
    // The screen inside a shown 1000 x 600 parent.
    SalesManagement* open(bool asDialog = false, qint64* constructionMs = nullptr,
                          const QString& styleSheet = QString());
    QTableView* salesView() { return child<QTableView>(m_screen, "tableViewSales"); }
    QTableView* linesView() { return child<QTableView>(m_screen, "tableViewDetails"); }
    void silenceAdvisory() { settings()->setValue(QStringLiteral("err_msg_12"), true); }
    static QSettings* settings() { return Utility::GetInstance()->GetSettings(); }
    void clickSale(qint64 saleId);

    TestSupport::ModalDialogHandler m_dialogs;
    std::unique_ptr<TestSupport::StoreBuilder> m_store;
    std::unique_ptr<QWidget> m_host;
    SalesManagement* m_screen = nullptr;
    // Sales of the fixture, in the order they were made: IDs 1 to 4.
    qint64 m_saleA = 0; // 2026-03-04, three lines
    qint64 m_saleB = 0; // 2026-03-05, one line
    qint64 m_saleC = 0; // 2026-03-05 14:22:10, two lines
    qint64 m_saleD = 0; // today, one line
    int m_storeSerial = 0;
};

void SalesManagementTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();

    const QString path = QDir::homePath() + QStringLiteral("/sales_%1.mercdb").arg(++m_storeSerial);
    m_store =
        std::make_unique<TestSupport::StoreBuilder>(TestSupport::StoreBuilder::Kind::Sales, path);
    QVERIFY(m_store->isOk());
    m_saleA = m_store->addSale(QStringLiteral("anna"), 3, QDate(2026, 3, 4), 12.5, 20);
    m_store->addSaleLine(m_saleA, 0, QStringLiteral("Tea"), 2, 3.0, 2.0);
    m_store->addSaleLine(m_saleA, 1, QStringLiteral("Sugar"), 1, 1.5, 1.0);
    m_store->addSaleLine(m_saleA, 2, QStringLiteral("Honey"), 1, 5.0, 3.5);
    m_saleB = m_store->addSale(QStringLiteral("ben"), QVariant(), QDate(2026, 3, 5), 4.0, 4.0);
    m_store->addSaleLine(m_saleB, 0, QStringLiteral("Coffee"), 1, 4.0, 2.5);
    m_saleC =
        m_store->insert(QStringLiteral("tblSalesTransactions"),
                        {{QStringLiteral("USER_ID"), QStringLiteral("anna")},
                         {QStringLiteral("TIME_STAMP"), QStringLiteral("2026-03-05 14:22:10")},
                         {QStringLiteral("GRAND_TOTAL"), 6.0},
                         {QStringLiteral("PAID"), 10.0},
                         {QStringLiteral("RETURN"), 4.0}});
    m_store->addSaleLine(m_saleC, 0, QStringLiteral("Milk"), 2, 1.0, 0.6);
    m_store->addSaleLine(m_saleC, 1, QStringLiteral("Bread"), 1, 4.0, 2.0);
    // A line voided from sale C before it was paid.
    m_store->insert(QStringLiteral("tblSalesVoids"),
                    {{QStringLiteral("TRANSACTION_ID"), m_saleC},
                     {QStringLiteral("ITEM_INDEX"), 1},
                     {QStringLiteral("PRODUCT_NAME"), QStringLiteral("Cheese")},
                     {QStringLiteral("QUANTITY"), QStringLiteral("1")},
                     {QStringLiteral("SUB_ITEMS"), QStringLiteral("0")},
                     {QStringLiteral("SUB_TOTAL"), 7.5},
                     {QStringLiteral("USER_ID"), QStringLiteral("anna")},
                     {QStringLiteral("TIME_STAMP"), QStringLiteral("2026-03-05 14:21:40")}});
    m_saleD = m_store->addSale(QStringLiteral("ben"), QVariant(), QDate::currentDate(), 2.0, 2.0);
    m_store->addSaleLine(m_saleD, 0, QStringLiteral("Butter"), 1, 2.0, 1.2);
    QCOMPARE(QList<qint64>({m_saleA, m_saleB, m_saleC, m_saleD}), QList<qint64>({1, 2, 3, 4}));
    m_store->activate();
}

void SalesManagementTest::cleanup()
{
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    m_screen = nullptr;
    m_host.reset();
    m_store.reset();
}

SalesManagement* SalesManagementTest::open(bool asDialog, qint64* constructionMs,
                                           const QString& styleSheet)
{
    m_host = std::make_unique<QWidget>();
    m_host->resize(1000, 600);
    m_host->setStyleSheet(styleSheet);
    auto* layout = new QVBoxLayout(m_host.get());
    layout->setContentsMargins(0, 0, 0, 0);
    QElapsedTimer timer;
    timer.start();
    m_screen = new SalesManagement(m_host.get(), asDialog);
    if (constructionMs)
        *constructionMs = timer.elapsed();
    layout->addWidget(m_screen);
    m_host->show();
    if (!QTest::qWaitForWindowExposed(m_host.get()))
        qWarning() << "host window not exposed";
    return m_screen;
}

void SalesManagementTest::clickSale(qint64 saleId)
{
    QTableView* view = salesView();
    const int row = rowOf(view, saleId);
    QVERIFY2(row >= 0, "sale not listed");
    view->scrollTo(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centreOfRow(view, row));
}

void SalesManagementTest::opensWithEverySaleAndNoLines_data()
{
    QTest::addColumn<bool>("asDialog");
    QTest::newRow("main window") << false;
    QTest::newRow("point of sale dialog") << true;
}

void SalesManagementTest::opensWithEverySaleAndNoLines()
{
    QFETCH(bool, asDialog);
    SalesManagement* screen = open(asDialog);

    QCOMPARE(listedIds(salesView()), QList<qint64>({m_saleA, m_saleB, m_saleC, m_saleD}));
    QCOMPARE(linesView()->model()->rowCount(), 0);
    QVERIFY(linesView()->isColumnHidden(0));
    QVERIFY(linesView()->isColumnHidden(1));
    QVERIFY(!linesView()->isColumnHidden(2));
    QCOMPARE(child<QTabWidget>(screen, "tabWidget")->currentIndex(), 0);

    // Deleting is for the shop keeper only; the cashier gets Close instead.
    QCOMPARE(child<QPushButton>(screen, "buttonDelete")->isVisible(), !asDialog);
    QCOMPARE(child<QPushButton>(screen, "pushClose")->isVisible(), asDialog);
    QVERIFY(!child<QPushButton>(screen, "buttonAddNew")->isVisible());
    QVERIFY(!child<QPushButton>(screen, "buttonEdit")->isVisible());
    QVERIFY(!child<QPushButton>(screen, "buttonDelete")->isEnabled());

    auto* dateEdit = child<QDateEdit>(screen, "dateEdit");
    QCOMPARE(dateEdit->date(), QDate::currentDate());
    QVERIFY(dateEdit->hasAcceptableInput());
}

void SalesManagementTest::showsDatesInDisplayFormat_data()
{
    QTest::addColumn<QString>("formatName");
    QTest::addColumn<QString>("editText");
    QTest::addColumn<QString>("plainDate");
    QTest::addColumn<QString>("withTime");
    QTest::newRow("month first") << QString::fromLatin1(DateFormatName::MONTH_DAY_YEAR)
                                 << QStringLiteral("03-05-2026") << QStringLiteral("03-04-2026")
                                 << QStringLiteral("03-05-2026 14:22:10");
    QTest::newRow("day first") << QString::fromLatin1(DateFormatName::DAY_MONTH_YEAR)
                               << QStringLiteral("05-03-2026") << QStringLiteral("04-03-2026")
                               << QStringLiteral("05-03-2026 14:22:10");
}

void SalesManagementTest::showsDatesInDisplayFormat()
{
    QFETCH(QString, formatName);
    QFETCH(QString, editText);
    QFETCH(QString, plainDate);
    QFETCH(QString, withTime);
    settings()->setValue(QString::fromLatin1(SettingKey::DATE_FORMAT), formatName);
    Utility::GetInstance()->ReloadDateFormat();
    SalesManagement* screen = open();

    auto* dateEdit = child<QDateEdit>(screen, "dateEdit");
    QCOMPARE(dateEdit->displayFormat(), Utility::GetInstance()->GetDateFormat());
    dateEdit->setDate(QDate(2026, 3, 5));
    QCOMPARE(dateEdit->text(), editText);

    // The list shows the stored sale time in the same format; the model keeps the stored text.
    QTableView* view = salesView();
    auto* model = qobject_cast<QSqlTableModel*>(view->model());
    const int column = model->fieldIndex(QStringLiteral("TIME_STAMP"));
    auto* delegate = qobject_cast<QStyledItemDelegate*>(view->itemDelegateForColumn(column));
    QVERIFY(delegate);
    const auto shown = [view, column, delegate](int row) {
        return delegate->displayText(view->model()->index(row, column).data(), QLocale());
    };
    QCOMPARE(shown(0), plainDate);
    QCOMPARE(shown(2), withTime);
    QCOMPARE(model->index(2, column).data().toString(), QStringLiteral("2026-03-05 14:22:10"));
    QCOMPARE(SaleTimeText(QStringLiteral("not a date"), Utility::GetInstance()->GetDateFormat()),
             QStringLiteral("not a date"));
}

void SalesManagementTest::search_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("dateBox"); // "today", "cleared" or an ISO date
    QTest::addColumn<QList<qint64>>("expected");
    QTest::addColumn<QString>("status");

    QTest::newRow("number") << QStringLiteral("2") << QStringLiteral("cleared")
                            << QList<qint64>({2}) << ByNumberStatus;
    QTest::newRow("number wins over date") << QStringLiteral("1") << QStringLiteral("2026-03-05")
                                           << QList<qint64>({1}) << ByNumberStatus;
    QTest::newRow("date, with and without time of day")
        << QString() << QStringLiteral("2026-03-05") << QList<qint64>({2, 3}) << ByDateStatus;
    QTest::newRow("date box starts at today")
        << QString() << QStringLiteral("today") << QList<qint64>({4}) << ByDateStatus;
    QTest::newRow("neither") << QString() << QStringLiteral("cleared") << QList<qint64>()
                             << NoCriteriaStatus;
    // Typed text is a value, never SQL.
    QTest::newRow("condition text") << QStringLiteral("1 OR 1=1") << QStringLiteral("today")
                                    << QList<qint64>() << ByNumberStatus;
    QTest::newRow("letters") << QStringLiteral("abc") << QStringLiteral("cleared")
                             << QList<qint64>() << ByNumberStatus;
    QTest::newRow("second statement")
        << QStringLiteral("1; DELETE FROM tblSalesInvoice") << QStringLiteral("cleared")
        << QList<qint64>() << ByNumberStatus;
}

void SalesManagementTest::search()
{
    QFETCH(QString, number);
    QFETCH(QString, dateBox);
    QFETCH(QList<qint64>, expected);
    QFETCH(QString, status);
    SalesManagement* screen = open();
    auto* dateEdit = child<QDateEdit>(screen, "dateEdit");

    if (dateBox == QLatin1String("cleared"))
        dateEdit->clear();
    else if (dateBox != QLatin1String("today"))
        dateEdit->setDate(QDate::fromString(dateBox, Qt::ISODate));
    child<QLineEdit>(screen, "editSalesID")->setText(number);
    QTest::mouseClick(child<QPushButton>(screen, "buttonSearch"), Qt::LeftButton);

    QCOMPARE(listedIds(salesView()), expected);
    QCOMPARE(child<QLabel>(screen, "labelStatus")->text(), status);
    QCOMPARE(m_store->count(QStringLiteral("tblSalesTransactions")), 4);
    QCOMPARE(m_store->count(QStringLiteral("tblSalesInvoice")), 7);
}

void SalesManagementTest::showAllListsEverySaleAndClearsTheBoxes()
{
    SalesManagement* screen = open();
    auto* number = child<QLineEdit>(screen, "editSalesID");
    auto* dateEdit = child<QDateEdit>(screen, "dateEdit");
    auto* status = child<QLabel>(screen, "labelStatus");

    number->setText(QStringLiteral("3"));
    QTest::mouseClick(child<QPushButton>(screen, "buttonSearch"), Qt::LeftButton);
    QCOMPARE(listedIds(salesView()), QList<qint64>({3}));

    QTest::mouseClick(child<QPushButton>(screen, "buttonShowAll"), Qt::LeftButton);
    QCOMPARE(listedIds(salesView()), QList<qint64>({1, 2, 3, 4}));
    QVERIFY(number->text().isEmpty());
    QVERIFY(!dateEdit->hasAcceptableInput());
    QCOMPARE(status->text(), ByNumberStatus); // left as it was

    // With both boxes emptied there is nothing to search for.
    QTest::mouseClick(child<QPushButton>(screen, "buttonSearch"), Qt::LeftButton);
    QCOMPARE(status->text(), NoCriteriaStatus);
    QCOMPARE(listedIds(salesView()), QList<qint64>());
}

void SalesManagementTest::singleClickShowsLinesWithAdvisory_data()
{
    QTest::addColumn<bool>("silenced");
    QTest::newRow("advisory shown") << false;
    QTest::newRow("advisory silenced") << true;
}

void SalesManagementTest::singleClickShowsLinesWithAdvisory()
{
    QFETCH(bool, silenced);
    if (silenced)
        silenceAdvisory();
    SalesManagement* screen = open();

    QString title;
    QString text;
    if (!silenced) {
        m_dialogs.expect(
            [&title, &text](QWidget* dialog) {
                title = dialog->windowTitle();
                if (auto* message = dialog->findChild<QTextEdit*>(QStringLiteral("txtMessage")))
                    text = message->toPlainText();
                if (auto* close = dialog->findChild<QPushButton*>(QStringLiteral("pushButton")))
                    close->click();
            },
            QStringLiteral("Sale Details advisory"));
    }
    clickSale(m_saleA);
    QVERIFY(m_dialogs.waitUntilDone());

    if (!silenced) {
        QCOMPARE(title, QStringLiteral("Sale Details"));
        QCOMPARE(text, AdvisoryText);
    }
    QCOMPARE(
        listedProducts(linesView()),
        QStringList({QStringLiteral("Honey"), QStringLiteral("Sugar"), QStringLiteral("Tea")}));
    QVERIFY(child<QPushButton>(screen, "buttonDelete")->isEnabled());
    QCOMPARE(child<QTabWidget>(screen, "tabWidget")->currentIndex(), 0);
}

void SalesManagementTest::doubleClickOpensDetailsTab()
{
    SalesManagement* screen = open();
    QTableView* view = salesView();
    const QPoint where = centreOfRow(view, rowOf(view, m_saleB));

    // The second press of a double click: no advisory, straight to the details.
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, where);

    QCOMPARE(child<QTabWidget>(screen, "tabWidget")->currentIndex(), 1);
    QCOMPARE(listedProducts(linesView()), QStringList({QStringLiteral("Coffee")}));
}

void SalesManagementTest::deleteWithoutCurrentRowExplains()
{
    silenceAdvisory();
    SalesManagement* screen = open();
    clickSale(m_saleB);
    // Listing again leaves no row current while Delete stays enabled.
    QTest::mouseClick(child<QPushButton>(screen, "buttonShowAll"), Qt::LeftButton);

    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    QTest::mouseClick(child<QPushButton>(screen, "buttonDelete"), Qt::LeftButton);
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Delete Sale"));
    QCOMPARE(text, QStringLiteral("Please select row from sales table, and then press delete."));
    QCOMPARE(m_store->count(QStringLiteral("tblSalesTransactions")), 4);
    QCOMPARE(m_store->count(QStringLiteral("tblSalesInvoice")), 7);
}

void SalesManagementTest::deleteAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<qint64>>("salesLeft");
    QTest::addColumn<int>("linesLeft");
    QTest::newRow("no keeps the sale") << int(QMessageBox::No) << QList<qint64>({1, 2, 3, 4}) << 7;
    QTest::newRow("yes deletes it with its lines")
        << int(QMessageBox::Yes) << QList<qint64>({1, 2, 4}) << 5;
}

void SalesManagementTest::deleteAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(QList<qint64>, salesLeft);
    QFETCH(int, linesLeft);
    silenceAdvisory();
    SalesManagement* screen = open();
    clickSale(m_saleC);
    QCOMPARE(linesView()->model()->rowCount(), 2);
    // The line voided before payment is listed on its own tab, which counts it.
    QTabWidget* tabs = child<QTabWidget>(screen, "tabWidget");
    QCOMPARE(tabs->tabText(2), QStringLiteral("Voided Lines (1)"));
    QCOMPARE(listedProducts(child<QTableView>(screen, "tableViewVoids")),
             QStringList({QStringLiteral("Cheese")}));

    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::StandardButton(answer), &text, &title);
    QTest::mouseClick(child<QPushButton>(screen, "buttonDelete"), Qt::LeftButton);
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Delete Sale"));
    QCOMPARE(text,
             QStringLiteral("Do you really want to delete this sale and associated details?"));

    QCOMPARE(listedIds(salesView()), salesLeft);
    QCOMPARE(m_store->count(QStringLiteral("tblSalesTransactions")), salesLeft.size());
    QCOMPARE(m_store->count(QStringLiteral("tblSalesInvoice")), linesLeft);
    QCOMPARE(m_store->count(QStringLiteral("tblSalesVoids")), answer == QMessageBox::Yes ? 0 : 1);
    // The deleted sale's lines leave the view; kept ones stay.
    QCOMPARE(linesView()->model()->rowCount(), answer == QMessageBox::Yes ? 0 : 2);
}

void SalesManagementTest::deleteIsAllOrNothing()
{
    // A sale that the database refuses to remove must keep its lines.
    QVERIFY(m_store->exec(QStringLiteral("CREATE TRIGGER keepSales BEFORE DELETE ON "
                                         "tblSalesTransactions BEGIN SELECT RAISE(ABORT, 'kept'); "
                                         "END")));
    silenceAdvisory();
    SalesManagement* screen = open();
    clickSale(m_saleA);

    m_dialogs.expectMessageBox(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>(screen, "buttonDelete"), Qt::LeftButton);
    QVERIFY(m_dialogs.waitUntilDone());

    QCOMPARE(m_store->count(QStringLiteral("tblSalesTransactions")), 4);
    QCOMPARE(m_store->count(QStringLiteral("tblSalesInvoice")), 7);
    QCOMPARE(listedIds(salesView()), QList<qint64>({1, 2, 3, 4}));
    QCOMPARE(linesView()->model()->rowCount(), 0);

    // No transaction was left open on the program's connection.
    QSqlDatabase& db = CDBManager::GetInstance()->GetSalesDataBase();
    QVERIFY(db.transaction());
    QVERIFY(db.rollback());
}

void SalesManagementTest::closeClosesHostingDialog()
{
    QDialog host;
    auto* layout = new QVBoxLayout(&host);
    auto* screen = new SalesManagement(&host, true);
    layout->addWidget(screen);
    host.resize(1000, 600);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QTest::mouseClick(child<QPushButton>(screen, "pushClose"), Qt::LeftButton);
    QTRY_VERIFY(!host.isVisible());
    QCOMPARE(host.result(), int(QDialog::Rejected));
}

void SalesManagementTest::largeStoreOpensWithoutFetchingAll()
{
    const int sales = 500000;
    QSqlDatabase db = m_store->database();
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA synchronous = OFF")); // only speeds up the filling
    QVERIFY(db.transaction());
    QSqlQuery insert(db);
    QVERIFY(insert.prepare(QStringLiteral("INSERT INTO tblSalesTransactions (USER_ID, CUSTOMER_ID, "
                                          "TIME_STAMP, GRAND_TOTAL, PAID, RETURN) VALUES (?, "
                                          "NULL, ?, ?, ?, 0)")));
    const QDate first(2016, 1, 1);
    for (int i = 0; i < sales; ++i) {
        insert.addBindValue(QStringLiteral("ben"));
        insert.addBindValue(first.addDays(i / 150).toString(Qt::ISODate));
        insert.addBindValue(10.0 + i % 50);
        insert.addBindValue(10.0 + i % 50);
        QVERIFY(insert.exec());
    }
    QVERIFY(db.commit());
    const qint64 total = m_store->count(QStringLiteral("tblSalesTransactions"));

    QElapsedTimer timer;
    timer.start();
    // The program opens the database long before this screen; the first open builds indexes.
    QVERIFY(CDBManager::GetInstance()->GetSalesDataBase().isOpen());
    const qint64 firstOpenMs = timer.elapsed();

    timer.restart();
    qint64 constructionMs = 0;
    SalesManagement* screen = open(false, &constructionMs);
    const qint64 openMs = timer.elapsed();

    // Rows come as the view scrolls, not all at once.
    QAbstractItemModel* model = salesView()->model();
    QVERIFY(model->rowCount() > 0);
    QVERIFY(model->rowCount() < 1000);
    QVERIFY(model->canFetchMore(QModelIndex()));

    timer.restart();
    child<QLineEdit>(screen, "editSalesID")->setText(QString::number(total));
    QTest::mouseClick(child<QPushButton>(screen, "buttonSearch"), Qt::LeftButton);
    const qint64 numberMs = timer.elapsed();
    QCOMPARE(model->rowCount(), 1);

    timer.restart();
    child<QLineEdit>(screen, "editSalesID")->clear();
    child<QDateEdit>(screen, "dateEdit")->setDate(first.addDays((sales - 1) / 150));
    QTest::mouseClick(child<QPushButton>(screen, "buttonSearch"), Qt::LeftButton);
    const qint64 dateMs = timer.elapsed();
    QVERIFY(model->rowCount() > 0);

    qInfo("%lld sales: database first opened in %lld ms", total, firstOpenMs);
    qInfo("%lld sales: constructed in %lld ms, on screen in %lld ms, found by number in %lld ms, "
          "by date (last day) in %lld ms",
          total, constructionMs, openMs, numberMs, dateMs);
    QVERIFY2(constructionMs < 3000,
             qPrintable(QStringLiteral("construction took %1 ms").arg(constructionMs)));
}

// Pictures for the documentation, when MERCHORA_SCREENSHOT_DIR names a folder.
void SalesManagementTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);

    const struct
    {
        const char* user;
        QVariant customer;
        int day;
        double total;
        double paid;
    } more[] = {{"margaret", 12, 6, 48.9, 50.0},
                {"jkoenig", QVariant(), 6, 7.25, 10.0},
                {"margaret", 7, 9, 112.4, 120.0},
                {"zoe", QVariant(), 11, 3.5, 5.0}};
    for (const auto& sale : more) {
        const qint64 id = m_store->addSale(QString::fromLatin1(sale.user), sale.customer,
                                           QDate(2026, 3, sale.day), sale.total, sale.paid);
        m_store->addSaleLine(id, 0, QStringLiteral("Sparkling Water 1.5 l"), 3, 1.2, 0.7);
    }

    silenceAdvisory();
    for (const bool dark : {true, false}) {
        open(false, nullptr, TestSupport::themeSheet(dark));
        clickSale(m_saleC);
        QTest::qWait(50);
        const QString name =
            dark ? QStringLiteral("/saleshistory.png") : QStringLiteral("/saleshistory-light.png");
        QVERIFY(m_host->grab().save(folder + name));
    }
}

MERCHORA_TEST_MAIN(SalesManagementTest)
#include "tst_salesmanagement.moc"
