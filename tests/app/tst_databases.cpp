#include "modaldialoghandler.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "app/backupdialog.h"
#include "app/mainwindow.h"
#include "app/managedatabases.h"
#include "core/DBManager.h"
#include "core/utility.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include <memory>

using TestSupport::StoreBuilder;

namespace {

const char kNotValid[] = "This is not a valid database for this version. Please select another "
                         "database, or create a new database.";

QString setting(const char* key)
{
    return Utility::GetInstance()->ReadString(QString::fromLatin1(key));
}

void setSetting(const char* key, const QString& value)
{
    Utility::GetInstance()->GetSettings()->setValue(QString::fromLatin1(key), value);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Overwrites the first bytes of the page in the middle of the file, past the file header.
bool damageMiddlePage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray header = file.read(100);
    int pageSize = (quint8(header.at(16)) << 8) | quint8(header.at(17));
    if (pageSize == 1)
        pageSize = 65536;
    const qint64 pages = file.size() / pageSize;
    return pages >= 20 && file.seek((pages / 2) * pageSize) &&
           file.write(QByteArray(64, '\xA5')) == 64;
}

} // namespace

// The database and backup dialogs as the shop keeper uses them, and the main window entries
// that open them.
class DatabasesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void createsNewSalesDatabaseInTypedFolder();
    void selectRefusesWrongKindAndDamagedFile_data();
    void selectRefusesWrongKindAndDamagedFile();
    void selectSwitchesToValidFile();
    void backupWithoutDestinationAsksForFolderAndCopiesSharedFolderOnce();
    void backupKeepsExistingFilesWithYesToAll();
    void mainWindowEntriesOpenDialogsOrSayNotAvailable();
    void screenshots();

private:
    QString path(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }
    void makeStores(const QString& folder);

    TestSupport::ModalDialogHandler m_dialogs;
    QString m_root;
};

void DatabasesTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("FIRST_TIME_START"), 0);
    m_root = QDir::homePath() + QStringLiteral("/databases");
    QDir(m_root).removeRecursively();
    QVERIFY(QDir().mkpath(m_root));
}

void DatabasesTest::cleanup()
{
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    TestSupport::resetDatabases();
}

// An inventory and a sales store in one folder, made the active ones.
void DatabasesTest::makeStores(const QString& folder)
{
    QVERIFY(QDir().mkpath(folder));
    {
        StoreBuilder inventory(StoreBuilder::Kind::Inventory,
                               folder + QStringLiteral("/inv.mercdb"));
        QVERIFY(inventory.addCategory(QStringLiteral("Drinks")) > 0);
        inventory.activate();
    }
    {
        StoreBuilder sales(StoreBuilder::Kind::Sales, folder + QStringLiteral("/sales.mercdb"));
        QVERIFY(sales.isOk());
        sales.activate();
    }
}

void DatabasesTest::createsNewSalesDatabaseInTypedFolder()
{
    ManageDatabases dialog;
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labelActiveSalesDB"))->text(),
             QStringLiteral("No Active Sales Database"));
    const QString folder = path(QStringLiteral("new"));
    QVERIFY(QDir().mkpath(folder));
    dialog.findChild<QLineEdit*>(QStringLiteral("lineEditSalesFolder"))->setText(folder);
    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    dialog.findChild<QPushButton*>(QStringLiteral("pushButtonBackup"))->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Sales Database"));
    QCOMPARE(text, QStringLiteral("New Sales Database created successfully"));
    QCOMPARE(setting(SettingKey::SALES_DATA_FOLDER_PATH), folder);
    const QString file = setting(SettingKey::ACTIVE_SALES_DB);
    QVERIFY(QFile::exists(folder + QLatin1Char('/') + file));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labelActiveSalesDB"))->text(),
             QStringLiteral("ACTIVE DATABASE : ") + folder + QLatin1Char('/') + file);
    QVERIFY(CDBManager::GetInstance()->GetSalesDataBase().isOpen());
}

void DatabasesTest::selectRefusesWrongKindAndDamagedFile_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::newRow("inventory store as sales store") << false;
    QTest::newRow("damaged sales store") << true;
}

void DatabasesTest::selectRefusesWrongKindAndDamagedFile()
{
    QFETCH(bool, damaged);
    const QString file = path(QStringLiteral("chosen.mercdb"));
    {
        StoreBuilder store(damaged ? StoreBuilder::Kind::Sales : StoreBuilder::Kind::Inventory,
                           file);
        QVERIFY(store.exec(QStringLiteral("BEGIN")));
        for (int i = 0; i < 2000; ++i) {
            const QString name = QStringLiteral("row %1 ").arg(i) + QString(60, QLatin1Char('-'));
            QVERIFY(damaged ? store.addSale(name, 0, QDate(2026, 3, 5), 1.0, 1.0) > 0
                            : store.addCustomer(name) > 0);
        }
        QVERIFY(store.exec(QStringLiteral("COMMIT")));
    }
    if (damaged)
        QVERIFY(damageMiddlePage(file));
    setSetting(SettingKey::SALES_DATA_FOLDER_PATH, QStringLiteral("/kept"));
    setSetting(SettingKey::ACTIVE_SALES_DB, QStringLiteral("kept.mercdb"));

    ManageDatabases dialog;
    QString text;
    QString title;
    m_dialogs.expectFileDialog(file);
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    dialog.findChild<QPushButton*>(QStringLiteral("pushSelectSalesDB"))->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Sales Database"));
    QCOMPARE(text, QString::fromLatin1(kNotValid));
    QCOMPARE(setting(SettingKey::SALES_DATA_FOLDER_PATH), QStringLiteral("/kept"));
    QCOMPARE(setting(SettingKey::ACTIVE_SALES_DB), QStringLiteral("kept.mercdb"));
}

void DatabasesTest::selectSwitchesToValidFile()
{
    const QString folder = path(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(
        StoreBuilder(StoreBuilder::Kind::Inventory, folder + QStringLiteral("/inv.mercdb")).isOk());
    ManageDatabases dialog;
    m_dialogs.expectFileDialog(folder + QStringLiteral("/inv.mercdb"));
    dialog.findChild<QPushButton*>(QStringLiteral("pushSelectInventoryDB"))->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(setting(SettingKey::INVENTORY_DATA_FOLDER_PATH), folder);
    QCOMPARE(setting(SettingKey::ACTIVE_INVENTORY_DB), QStringLiteral("inv.mercdb"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labelActiveInventoryDB"))->text(),
             QStringLiteral("ACTIVE DATABASE : ") + folder + QStringLiteral("/inv.mercdb"));
    QVERIFY(CDBManager::GetInstance()->GetInventoryDataBase().isOpen());
    QVERIFY(CDBManager::GetInstance()->IsInventoryConnected());
}

// Both stores live in one folder: it is copied once, so no copy meets its own earlier copy.
void DatabasesTest::backupWithoutDestinationAsksForFolderAndCopiesSharedFolderOnce()
{
    makeStores(path(QStringLiteral("data")));
    const QString destination = path(QStringLiteral("backup"));
    QVERIFY(QDir().mkpath(destination));

    Backupdialog dialog;
    QString hint;
    QString inventoryDone;
    QString salesDone;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &hint);
    m_dialogs.expectFileDialog(destination);
    m_dialogs.expectMessageBox(QMessageBox::Ok, &inventoryDone);
    m_dialogs.expectMessageBox(QMessageBox::Ok, &salesDone);
    dialog.findChild<QPushButton*>(QStringLiteral("pushButtonBackup"))->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE((QStringList{hint, inventoryDone, salesDone}),
             (QStringList{"Please select destination folder for backup",
                          "Inventory Backup operation completed successfully",
                          "Sales Backup operation completed successfully"}));
    QCOMPARE(QDir(destination).entryList(QDir::Files), (QStringList{"inv.mercdb", "sales.mercdb"}));
    QVERIFY(QDir::current().entryList({QStringLiteral("*.mercdb")}, QDir::Files).isEmpty());
}

void DatabasesTest::backupKeepsExistingFilesWithYesToAll()
{
    makeStores(path(QStringLiteral("data")));
    const QString destination = path(QStringLiteral("backup"));
    QVERIFY(QDir().mkpath(destination));
    for (const char* name : {"/inv.mercdb", "/sales.mercdb"}) {
        QFile file(destination + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("mine") == 4);
    }

    Backupdialog dialog;
    dialog.findChild<QLineEdit*>(QStringLiteral("lineEditDestination"))->setText(destination);
    QString question;
    QString done;
    m_dialogs.expectMessageBox(QMessageBox::YesToAll, &question);
    m_dialogs.expectMessageBox(QMessageBox::Ok);
    m_dialogs.expectMessageBox(QMessageBox::Ok, &done);
    dialog.findChild<QPushButton*>(QStringLiteral("pushButtonBackup"))->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY2(question.startsWith(QStringLiteral("Cannot copy <b>")), qPrintable(question));
    QCOMPARE(done, QStringLiteral("Sales Backup operation completed successfully"));
    QCOMPARE(readFile(destination + QStringLiteral("/inv.mercdb")), QByteArray("mine"));
    QCOMPARE(readFile(destination + QStringLiteral("/sales.mercdb")), QByteArray("mine"));
}

void DatabasesTest::mainWindowEntriesOpenDialogsOrSayNotAvailable()
{
    MainWindow window;
    Utility::GetInstance()->SetMainWindow(&window);

    m_dialogs.expect(
        [](QWidget* w) {
            QVERIFY(qobject_cast<ManageDatabases*>(w));
            w->close();
        },
        QStringLiteral("databases"));
    window.findChild<QAction*>(QStringLiteral("actionDatabases"))->trigger();
    m_dialogs.expect(
        [](QWidget* w) {
            QVERIFY(qobject_cast<Backupdialog*>(w));
            w->close();
        },
        QStringLiteral("backup"));
    window.findChild<QAction*>(QStringLiteral("action_Backup"))->trigger();
    QVERIFY(m_dialogs.waitUntilDone());

    for (const char* name :
         {"actionManage_Purchase", "actionAdd_New_Purchase_Order", "actionReports_Management",
          "actionNormal_Export", "actionExport_for_Scanner", "actionImport_with_Codes",
          "actionImport_without_Codes"}) {
        QString text;
        m_dialogs.expectMessageBox(QMessageBox::Ok, &text);
        window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
        QVERIFY(m_dialogs.waitUntilDone());
        QCOMPARE(text, QStringLiteral("This part of the program is not available yet."));
    }
    for (const char* name : {"pushPurchaseManagement", "pushReportManagement"}) {
        QString text;
        m_dialogs.expectMessageBox(QMessageBox::Ok, &text);
        window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
        QVERIFY(m_dialogs.waitUntilDone());
        QCOMPARE(text, QStringLiteral("This part of the program is not available yet."));
    }
    Utility::GetInstance()->SetMainWindow(nullptr);
}

// Pictures of both dialogs in both themes, written only when MERCHORA_SCREENSHOT_DIR is set.
void DatabasesTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");
    QDir().mkpath(folder);
    // The labels read the settings only: a shop's own folder reads better than a test folder.
    setSetting(SettingKey::SALES_DATA_FOLDER_PATH, QStringLiteral("/home/shop/MerchoraData"));
    setSetting(SettingKey::ACTIVE_SALES_DB, QStringLiteral("merchorasales20260305091500.mercdb"));
    setSetting(SettingKey::INVENTORY_DATA_FOLDER_PATH, QStringLiteral("/home/shop/MerchoraData"));
    setSetting(SettingKey::ACTIVE_INVENTORY_DB,
               QStringLiteral("merchorainventory20260305091500.mercdb"));

    for (const bool dark : {true, false}) {
        const QString suffix = dark ? QString() : QStringLiteral("-light");
        ManageDatabases databases;
        databases.setStyleSheet(TestSupport::themeSheet(dark));
        databases.findChild<QLineEdit*>(QStringLiteral("lineEditInventoryFolder"))
            ->setText(QStringLiteral("/home/shop/NewShop"));
        databases.show();
        QVERIFY(QTest::qWaitForWindowExposed(&databases));
        QVERIFY(databases.grab().save(folder + QStringLiteral("/databases%1.png").arg(suffix)));

        Backupdialog backup;
        backup.setStyleSheet(TestSupport::themeSheet(dark));
        backup.findChild<QLineEdit*>(QStringLiteral("lineEditDestination"))
            ->setText(QStringLiteral("/media/usb/shop-backup"));
        backup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backup));
        QVERIFY(backup.grab().save(folder + QStringLiteral("/backup%1.png").arg(suffix)));
    }
}

MERCHORA_TEST_MAIN(DatabasesTest)
#include "tst_databases.moc"
