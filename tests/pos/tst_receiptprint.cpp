#include "modaldialoghandler.h"
#include "pdftools.h"
#include "salesscreenhost.h"
#include "storebuilder.h"
#include "testenvironment.h"
#include "urlcatcher.h"

#include "core/itemtransactionsmodel.h"
#include "core/utility.h"
#include "pos/pos.h"
#include "widgets/qposdialog.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTextEdit>
#include <QUrl>

#include <memory>

using TestSupport::StoreBuilder;

// PRINT and PREVIEW of the sales screen after a paid sale: the till receipt, the large receipt
// and its preview.
class ReceiptPrintTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void printsReceiptToPdf_data();
    void printsReceiptToPdf();
    void previewOpensDialog();
    void largeReceiptTemplates_data();
    void largeReceiptTemplates();

private:
    void openPaidSale();
    void expectNotice(QString* text);

    TestSupport::ModalDialogHandler m_dialogs;
    TestSupport::UrlCatcher m_urls;
    TestSupport::ReceiptShop m_shop;
    QPOSDialog* m_host = nullptr;
    CPOS* m_pos = nullptr;
};

void ReceiptPrintTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
    m_urls.start();

    QVERIFY(m_shop.open(QStringLiteral("rp")));
    StoreBuilder* inventory = m_shop.inventory.get();
    const qint64 herbs = inventory->addProduct(m_shop.drinks, QStringLiteral("P7"),
                                               QStringLiteral("Herbal Mix"), 4, 10.0);
    QVERIFY(inventory->addBatch(herbs, m_shop.vendor, QStringLiteral("7007"), 10, 8, 5, 0.5, 3) >
            0);
    QVERIFY(inventory->addCustomer(QStringLiteral("Ada Shopper"), QStringLiteral("12 High St"),
                                   QStringLiteral("ada@example.com"),
                                   QStringLiteral("555 0199")) > 0);
}

void ReceiptPrintTest::cleanup()
{
    m_urls.stop();
    delete m_host;
    m_host = nullptr;
    m_pos = nullptr;
    TestSupport::resetDatabases();
    m_shop.close();
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
}

void ReceiptPrintTest::openPaidSale()
{
    m_host = TestSupport::openSalesScreen(&m_pos);
    QVERIFY(TestSupport::PayTeaAndJuice(m_pos));
}

void ReceiptPrintTest::expectNotice(QString* text)
{
    m_dialogs.expect(
        [text](QWidget* dialog) {
            if (auto* message = dialog->findChild<QTextEdit*>(QStringLiteral("txtMessage")))
                *text = message->toPlainText();
            if (!TestSupport::clickButtonWithText(dialog, QStringLiteral("Close")))
                dialog->close();
        },
        QStringLiteral("print to PDF notice"));
}

void ReceiptPrintTest::printsReceiptToPdf_data()
{
    QTest::addColumn<int>("smallReceipt");
    QTest::addColumn<QString>("noticeStart");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("small") << 1 << QStringLiteral("Please change Receipt/Ticket Printer settings")
                           << QStringList{QStringLiteral("(2.5) 7.50"), QStringLiteral("Green")};
    QTest::newRow("large") << 0 << QStringLiteral("Please change Receipt/Ticket Printer settings")
                           << QStringList{QStringLiteral("Green Tea"),
                                          QStringLiteral("Orange Juice"), QStringLiteral("200")};
}

void ReceiptPrintTest::printsReceiptToPdf()
{
    QFETCH(int, smallReceipt);
    QFETCH(QString, noticeStart);
    QFETCH(QStringList, expected);
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("SMALL_RECEIPT"), smallReceipt);
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("ReceiptPrintToPDF"), true);
    openPaidSale();

    QString notice;
    expectNotice(&notice);
    m_pos->on_pushPrint_clicked();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY2(notice.startsWith(noticeStart), qPrintable(notice));
    QCOMPARE(notice.contains(QLatin1String("Adobe Reader")), smallReceipt == 1);

    QCOMPARE(m_urls.urls.size(), 1);
    const QString pdf = m_urls.urls.first().toLocalFile();
    QVERIFY(pdf.endsWith(QLatin1String("/print.pdf")));
    const QString text = TestSupport::pdfText(pdf);
    if (smallReceipt == 1)
        QVERIFY2(text.contains(QLatin1String("Receipt Nr.: ") + m_pos->GetTransactionId()),
                 qPrintable(text));
    for (const QString& line : expected)
        QVERIFY2(text.contains(line), qPrintable(line + QLatin1String(" missing in:\n") + text));

    // The large receipt's values, as the engine asks for them.
    int row = 1;
    for (const char* name : {"Product", "grand_total", "sub_total", "receipt", "unknown"}) {
        QString param = QLatin1String(name);
        QVariant value;
        m_pos->setValue(row, param, value, 0);
        if (param == QLatin1String("Product"))
            QCOMPARE(value.toString(), QStringLiteral("Orange Juice"));
        else if (param == QLatin1String("receipt"))
            QCOMPARE(value.toString(), m_pos->GetTransactionId());
        else if (param == QLatin1String("unknown"))
            QVERIFY(value.isNull());
        else
            QVERIFY2(value.toString().startsWith(m_pos->GetCurrencySymbol() + QLatin1Char(' ')),
                     qPrintable(value.toString()));
    }
    QImage image;
    QString imageName = QStringLiteral("image");
    m_pos->setValueImage(row, imageName, image, 0);
    QCOMPARE(image, m_pos->GetLogoImage());
}

void ReceiptPrintTest::previewOpensDialog()
{
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("SMALL_RECEIPT"), 0);
    openPaidSale();

    bool isPreview = false;
    m_dialogs.expect(
        [&isPreview](QWidget* dialog) {
            isPreview = qobject_cast<QPrintPreviewDialog*>(dialog) != nullptr;
            if (!qEnvironmentVariableIsEmpty("MERCHORA_SCREENSHOT_DIR"))
                dialog->grab().save(QDir(qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR"))
                                        .filePath(QStringLiteral("receipt-preview.png")));
            dialog->close();
        },
        QStringLiteral("preview"));
    m_pos->on_pushPrintPreview_clicked();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(isPreview);
    QVERIFY(m_urls.urls.isEmpty());
}

void ReceiptPrintTest::largeReceiptTemplates_data()
{
    QTest::addColumn<bool>("subItems");
    QTest::addColumn<bool>("tax");
    QTest::newRow("sub-items and tax") << true << true;
    QTest::newRow("sub-items, no tax") << true << false;
    QTest::newRow("no sub-items, tax") << false << true;
    QTest::newRow("no sub-items, no tax") << false << false;
}

// Every field of the four receipt templates, filled by the sales screen, read back from the PDF.
void ReceiptPrintTest::largeReceiptTemplates()
{
    QFETCH(bool, subItems);
    QFETCH(bool, tax);
    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QStringLiteral("SMALL_RECEIPT"), 0);
    settings->setValue(QStringLiteral("ReceiptPrintToPDF"), true);
    settings->setValue(QStringLiteral("SUB_ITEMS_MODE"), subItems ? "y" : "n");
    settings->setValue(QStringLiteral("enable_tax"), tax);
    settings->setValue(QStringLiteral("SALES_TAX_NAME"), QStringLiteral("VAT"));
    settings->setValue(QStringLiteral("CURRENCY_SYMBOL"), QStringLiteral("EUR"));
    settings->setValue(QStringLiteral("REPORT_COMPANY_NAME"), QStringLiteral("Corner Shop"));
    settings->setValue(QStringLiteral("REPORT_COMPANY_ADDRESS"), QStringLiteral("3 Mill Lane"));
    settings->setValue(QStringLiteral("REPORT_PHONE_NUMBER"), QStringLiteral("Phone: 555 0100"));
    m_host = TestSupport::openSalesScreen(&m_pos);

    m_dialogs.expect(
        [](QWidget* dialog) {
            auto* view = dialog->findChild<QTableView*>(QStringLiteral("tableView"));
            view->setCurrentIndex(view->model()->index(0, 1));
            dialog->findChild<QPushButton*>(QStringLiteral("pushSelect"))->click();
        },
        QStringLiteral("customers"));
    QString ignored;
    expectNotice(&ignored);
    m_pos->findChild<QPushButton*>(QStringLiteral("pushCustomers"))->click();
    QVERIFY(m_dialogs.waitUntilDone());

    const auto edit = [this](const char* name) {
        return m_pos->findChild<QLineEdit*>(QLatin1String(name));
    };
    edit("lineEditItems")->setText(QStringLiteral("3"));
    edit("lineEditBarCode")->setText(QStringLiteral("1001"));
    m_pos->on_pushEnter_clicked();
    edit("lineEditItems")->setText(QStringLiteral("2"));
    if (subItems)
        edit("lineEditSubItems")->setText(QStringLiteral("3"));
    edit("lineEditBarCode")->setText(QStringLiteral("7007"));
    m_pos->on_pushEnter_clicked();
    QCOMPARE(m_pos->GetModel()->rowCount(), 2);
    edit("lineEditPaid")->setText(QStringLiteral("50"));
    m_pos->on_pushButtonPay_clicked();
    QCOMPARE(m_pos->GetSaleState(), int(CPOS::Paid));

    QString notice;
    expectNotice(&notice);
    m_pos->on_pushPrint_clicked();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(m_urls.urls.size(), 1);
    const QString pdf = m_urls.urls.first().toLocalFile();
    const QString text = TestSupport::pdfText(pdf);
    if (subItems && tax && !qEnvironmentVariableIsEmpty("MERCHORA_SCREENSHOT_DIR"))
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                           QStringLiteral("-singlefile"), pdf,
                           QDir(qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR"))
                               .filePath(QStringLiteral("receipt-a4"))});

    const QString total = edit("lineEditTotal")->text();
    const QString taxAmount = edit("lineEditTax")->text();
    QStringList expected{QStringLiteral("SALES RECEIPT"),
                         QStringLiteral("Corner Shop"),
                         QStringLiteral("3 Mill Lane"),
                         QStringLiteral("Phone: 555 0100"),
                         QStringLiteral("Customer:"),
                         QStringLiteral("Ada Shopper"),
                         QStringLiteral("12 High St"),
                         QStringLiteral("555 0199"),
                         QStringLiteral("Date : ") +
                             QLocale().toString(QDate::currentDate(), QStringLiteral("dddd")),
                         QStringLiteral("Receipt Nr : ") + m_pos->GetTransactionId(),
                         QStringLiteral("SN"),
                         QStringLiteral("Product"),
                         QStringLiteral("Items"),
                         QStringLiteral("Price"),
                         QStringLiteral("Discount"),
                         QStringLiteral("Line Total"),
                         QStringLiteral("Green Tea"),
                         QStringLiteral("Herbal Mix"),
                         QStringLiteral("Total"),
                         QStringLiteral("EUR ") + total,
                         QStringLiteral("Paid"),
                         QStringLiteral("EUR ") + edit("lineEditPaid")->text(),
                         QStringLiteral("Change"),
                         QStringLiteral("EUR ") + edit("lineEditChange")->text(),
                         QStringLiteral("Thank you for doing business with us")};
    // Every cell of both rows, as the screen's line model shows it.
    for (int row = 0; row < 2; ++row) {
        for (int column :
             {int(CItemTransactionsModel::ColIndex), int(CItemTransactionsModel::ColItems),
              int(CItemTransactionsModel::ColPrice), int(CItemTransactionsModel::ColDiscount),
              int(CItemTransactionsModel::ColLineTotal)})
            expected << m_pos->GetModel()->index(row, column).data().toString();
    }
    const QStringList taxOnly{
        QStringLiteral("Sub Total"), QStringLiteral("VAT"), QStringLiteral("EUR ") + taxAmount,
        QStringLiteral("EUR ") + QString::number(total.toFloat() - taxAmount.toFloat(), 'f', 2)};
    if (tax)
        expected << taxOnly;
    else
        for (const QString& absent : taxOnly.mid(0, 2))
            QVERIFY2(!text.contains(absent), qPrintable(absent));
    if (subItems)
        expected
            << QStringLiteral("Sub Items")
            << m_pos->GetModel()->index(1, CItemTransactionsModel::ColSubItems).data().toString();
    else
        QVERIFY(!text.contains(QLatin1String("Sub Items")));
    for (const QString& piece : expected)
        QVERIFY2(text.contains(piece), qPrintable(piece + QLatin1String(" missing in:\n") + text));
}

MERCHORA_TEST_MAIN(ReceiptPrintTest)
#include "tst_receiptprint.moc"
