#include "modaldialoghandler.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "core/DBManager.h"
#include "core/utility.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QSqlQuery>

// The test support itself: isolation, the dialog answering and its failure reports, the
// store builder.
class TestSupportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void isolatesHomeAndSettings();
    void answersMessageBoxesInOrder();
    void reportsDialogThatNeverCame();
    void closesAndReportsUnexpectedDialog();
    void answersNestedDialog();
    void fillsFileDialog();
    void buildsStoreWithRows();

private:
    TestSupport::ModalDialogHandler m_dialogs;
};

void TestSupportTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_dialogs.finish();
}

void TestSupportTest::isolatesHomeAndSettings()
{
    const QString home = QDir::homePath();
    QVERIFY(home.startsWith(QDir::tempPath()));
    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QStringLiteral("probe"), 1);
    settings->sync();
    QVERIFY2(settings->fileName().startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))),
             qPrintable(settings->fileName()));
    QVERIFY(settings->fileName().endsWith(QStringLiteral("Quvo Consulting/MerchoraLite.conf")));
}

void TestSupportTest::answersMessageBoxesInOrder()
{
    QString first;
    QString second;
    m_dialogs.expectMessageBox(QMessageBox::Yes, &first);
    m_dialogs.expectMessageBox(QMessageBox::No, &second);
    const int a = QMessageBox::question(nullptr, QStringLiteral("Q"), QStringLiteral("one?"));
    const int b = QMessageBox::question(nullptr, QStringLiteral("Q"), QStringLiteral("two?"));
    QCOMPARE(a, int(QMessageBox::Yes));
    QCOMPARE(b, int(QMessageBox::No));
    QCOMPARE(first, QStringLiteral("one?"));
    QCOMPARE(second, QStringLiteral("two?"));
    QVERIFY(m_dialogs.finish().isEmpty());
}

void TestSupportTest::reportsDialogThatNeverCame()
{
    m_dialogs.expect([](QWidget*) {}, QStringLiteral("ghost"), 100);
    QTest::qWait(300);
    const QStringList problems = m_dialogs.finish();
    QCOMPARE(problems.size(), 1);
    QVERIFY(problems.first().contains(QStringLiteral("ghost")));
}

void TestSupportTest::closesAndReportsUnexpectedDialog()
{
    m_dialogs.setGraceMs(200);
    QMessageBox box(QMessageBox::Information, QStringLiteral("Surprise"), QStringLiteral("hello"));
    box.exec(); // would hang without the handler
    const QStringList problems = m_dialogs.finish();
    m_dialogs.setGraceMs(2000);
    QCOMPARE(problems.size(), 1);
    QVERIFY(problems.first().contains(QStringLiteral("not expected")));
}

void TestSupportTest::answersNestedDialog()
{
    QString inner;
    m_dialogs.expect([](QWidget* outer) {
        // The answer opens a message box of its own before closing the outer dialog.
        QMessageBox::information(outer, QStringLiteral("Inner"), QStringLiteral("nested"));
        static_cast<QDialog*>(outer)->accept();
    });
    m_dialogs.expectMessageBox(QMessageBox::Ok, &inner);
    QDialog outer;
    QCOMPARE(outer.exec(), int(QDialog::Accepted));
    QCOMPARE(inner, QStringLiteral("nested"));
    QVERIFY(m_dialogs.finish().isEmpty());
}

void TestSupportTest::fillsFileDialog()
{
    const QString target = QDir::homePath() + QStringLiteral("/out.csv");
    m_dialogs.expectFileDialog(target);
    const QString chosen =
        QFileDialog::getSaveFileName(nullptr, QStringLiteral("Save"), QDir::homePath());
    QCOMPARE(chosen, target);
    QVERIFY(m_dialogs.finish().isEmpty());
}

void TestSupportTest::buildsStoreWithRows()
{
    TestSupport::StoreBuilder store(TestSupport::StoreBuilder::Kind::Inventory,
                                    QDir::homePath() + QStringLiteral("/inv.mercdb"));
    QVERIFY(store.isOk());
    const qint64 category = store.addCategory(QStringLiteral("Food"));
    const qint64 product = store.addProduct(category, QStringLiteral("P1"), QStringLiteral("Tea"));
    const qint64 vendor = store.addVendor(QStringLiteral("Wholesale Ltd"));
    QVERIFY(store.addBatch(product, vendor, QStringLiteral("4006381333931"), 10, 2.5, 1.2) > 0);
    QCOMPARE(store.count(QStringLiteral("tblInventory")), 1);
    store.activate();

    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    QVERIFY(query.exec(QStringLiteral("SELECT BAR_CODE FROM tblInventory")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("4006381333931"));
}

MERCHORA_TEST_MAIN(TestSupportTest)
#include "tst_testsupport.moc"
