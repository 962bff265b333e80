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

using TestSupport::StoreBuilder;

namespace {

QString setting(const char* key)
{
    return Utility::GetInstance()->ReadString(QString::fromLatin1(key));
}

void setSetting(const char* key, const QString& value)
{
    Utility::GetInstance()->GetSettings()->setValue(QString::fromLatin1(key), value);
}

template <typename T> T* child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
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
    void selectExisting_data();
    void selectExisting();
    void backupWithoutDestinationAsksForFolderAndCopiesSharedFolderOnce();
    void backupKeepsExistingFilesWithYesToAll();
    void mainWindowEntriesOpenDialogs();
    void productDataEntries_data();
    void productDataEntries();
    void screenshots();

private:
    QString path(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }
    void makeStores();

    TestSupport::ModalDialogHandler m_dialogs;
    QString m_root;
};

void DatabasesTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    setSetting("FIRST_TIME_START", QStringLiteral("0"));
    m_root = QDir::homePath() + QStringLiteral("/databases");
    QDir(m_root).removeRecursively();
    QVERIFY(QDir().mkpath(m_root + QStringLiteral("/data")));
}

void DatabasesTest::cleanup()
{
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    TestSupport::resetDatabases();
}

// An inventory and a sales store in one folder, made the active ones.
void DatabasesTest::makeStores()
{
    StoreBuilder(StoreBuilder::Kind::Inventory, path(QStringLiteral("data/inv.mercdb"))).activate();
    StoreBuilder(StoreBuilder::Kind::Sales, path(QStringLiteral("data/sales.mercdb"))).activate();
}

void DatabasesTest::createsNewSalesDatabaseInTypedFolder()
{
    ManageDatabases dialog;
    QCOMPARE(child<QLabel>(&dialog, "labelActiveSalesDB")->text(),
             QStringLiteral("No Active Sales Database"));
    const QString folder = path(QStringLiteral("data"));
    child<QLineEdit>(&dialog, "lineEditSalesFolder")->setText(folder);
    QString text;
    QString title;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    child<QPushButton>(&dialog, "pushButtonBackup")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title + QLatin1Char('|') + text,
             QStringLiteral("Sales Database|New Sales Database created successfully"));
    const QString file = folder + QLatin1Char('/') + setting(SettingKey::ACTIVE_SALES_DB);
    QVERIFY(QFile::exists(file));
    QCOMPARE(child<QLabel>(&dialog, "labelActiveSalesDB")->text(),
             QStringLiteral("ACTIVE DATABASE : ") + file);
    QVERIFY(CDBManager::GetInstance()->GetSalesDataBase().isOpen());
}

void DatabasesTest::selectExisting_data()
{
    QTest::addColumn<bool>("inventoryFile");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("asSales");
    QTest::newRow("inventory store as inventory store") << true << false << false;
    QTest::newRow("inventory store as sales store") << true << false << true;
    QTest::newRow("damaged sales store") << false << true << true;
}

void DatabasesTest::selectExisting()
{
    QFETCH(bool, inventoryFile);
    QFETCH(bool, damaged);
    QFETCH(bool, asSales);
    const QString file = path(QStringLiteral("data/chosen.mercdb"));
    const auto kind = inventoryFile ? StoreBuilder::Kind::Inventory : StoreBuilder::Kind::Sales;
    QVERIFY(damaged ? TestSupport::buildDamagedStore(kind, file) : StoreBuilder(kind, file).isOk());
    const bool accepted = inventoryFile && !asSales;
    const char* folderKey =
        asSales ? SettingKey::SALES_DATA_FOLDER_PATH : SettingKey::INVENTORY_DATA_FOLDER_PATH;
    const char* fileKey = asSales ? SettingKey::ACTIVE_SALES_DB : SettingKey::ACTIVE_INVENTORY_DB;
    setSetting(folderKey, QStringLiteral("/kept"));
    setSetting(fileKey, QStringLiteral("kept.mercdb"));

    ManageDatabases dialog;
    QString text;
    QString title;
    m_dialogs.expectFileDialog(file);
    if (!accepted)
        m_dialogs.expectMessageBox(QMessageBox::Ok, &text, &title);
    child<QPushButton>(&dialog, asSales ? "pushSelectSalesDB" : "pushSelectInventoryDB")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    if (accepted) {
        QCOMPARE(setting(folderKey) + QLatin1Char('/') + setting(fileKey), file);
        QCOMPARE(child<QLabel>(&dialog, "labelActiveInventoryDB")->text(),
                 QStringLiteral("ACTIVE DATABASE : ") + file);
        CDBManager::GetInstance()->GetInventoryDataBase();
        QVERIFY(CDBManager::GetInstance()->IsInventoryConnected());
    } else {
        QCOMPARE(title, QStringLiteral("Sales Database"));
        QCOMPARE(text, QStringLiteral("This is not a valid database for this version. Please "
                                      "select another database, or create a new database."));
        QCOMPARE(setting(folderKey) + setting(fileKey), QStringLiteral("/keptkept.mercdb"));
    }
}

// Both stores live in one folder: it is copied once, so no copy meets its own earlier copy.
void DatabasesTest::backupWithoutDestinationAsksForFolderAndCopiesSharedFolderOnce()
{
    makeStores();
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
    child<QPushButton>(&dialog, "pushButtonBackup")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE((QStringList{hint, inventoryDone, salesDone}),
             (QStringList{"Please select destination folder for backup",
                          "Inventory Backup operation completed successfully",
                          "Sales Backup operation completed successfully"}));
    QCOMPARE(QDir(destination).entryList(QDir::Files), (QStringList{"inv.mercdb", "sales.mercdb"}));
}

void DatabasesTest::backupKeepsExistingFilesWithYesToAll()
{
    makeStores();
    QVERIFY(QDir().mkpath(path(QStringLiteral("backup"))));
    for (const char* name : {"backup/inv.mercdb", "backup/sales.mercdb"}) {
        QFile file(path(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("mine") == 4);
    }

    Backupdialog dialog;
    child<QLineEdit>(&dialog, "lineEditDestination")->setText(path(QStringLiteral("backup")));
    QString question;
    m_dialogs.expectMessageBox(QMessageBox::YesToAll, &question);
    m_dialogs.expectMessageBox(QMessageBox::Ok);
    m_dialogs.expectMessageBox(QMessageBox::Ok);
    child<QPushButton>(&dialog, "pushButtonBackup")->click();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY2(question.startsWith(QStringLiteral("Cannot copy <b>")), qPrintable(question));
    for (const char* name : {"backup/inv.mercdb", "backup/sales.mercdb"}) {
        QFile file(path(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("mine"));
    }
}

void DatabasesTest::mainWindowEntriesOpenDialogs()
{
    MainWindow window;
    Utility::GetInstance()->SetMainWindow(&window);
    m_dialogs.expect([](QWidget* w) {
        QVERIFY(qobject_cast<ManageDatabases*>(w));
        w->close();
    });
    child<QAction>(&window, "actionDatabases")->trigger();
    m_dialogs.expect([](QWidget* w) {
        QVERIFY(qobject_cast<Backupdialog*>(w));
        w->close();
    });
    child<QAction>(&window, "action_Backup")->trigger();
    QVERIFY(m_dialogs.waitUntilDone());
    Utility::GetInstance()->SetMainWindow(nullptr);
}

void DatabasesTest::productDataEntries_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("advisory");
    QTest::addColumn<QString>("chosen"); // relative to the test folder
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("written"); // file the entry writes, or empty
    QTest::newRow("normal export") << "actionNormal_Export"
                                   << "err_msg_6"
                                   << "export"
                                   << "Inventory data exported successfully to file %1/export/"
                                      "inventory_export.csv"
                                   << "export/inventory_export.csv";
    QTest::newRow("export for scanner") << "actionExport_for_Scanner"
                                        << "err_msg_7"
                                        << "export"
                                        << "Inventory data exported successfully to file %1/export/"
                                           "inventory_export_for_scanner.csv"
                                        << "export/inventory_export_for_scanner.csv";
    QTest::newRow("import with codes") << "actionImport_with_Codes"
                                       << "err_msg_8"
                                       << "in.csv"
                                       << "Product data imported successfully."
                                       << "";
    QTest::newRow("import without codes")
        << "actionImport_without_Codes"
        << "err_msg_9"
        << "in.csv"
        << "0 product(s) added.\n1 record(s) skipped:\nwrong number of fields: 1 (line 1)"
        << "";
}

// Each entry shows its advisory message, then the file dialog, then what it did.
void DatabasesTest::productDataEntries()
{
    QFETCH(QString, action);
    QFETCH(QString, advisory);
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    QFETCH(QString, written);
    makeStores();
    QVERIFY(QDir().mkpath(path(QStringLiteral("export"))));
    QFile file(path(QStringLiteral("in.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Fruit,Apple,A1\n");
    file.close();
    setSetting("err_msg_5", QStringLiteral("1")); // no login advisory: the store has no users
    MainWindow window;
    Utility::GetInstance()->SetMainWindow(&window);

    QString shownAdvisory;
    m_dialogs.expect([&shownAdvisory](QWidget* w) {
        shownAdvisory = w->windowTitle();
        TestSupport::clickButtonWithText(w, QStringLiteral("Close"));
    });
    m_dialogs.expectFileDialog(path(chosen));
    QString text;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text);
    child<QAction>(&window, qPrintable(action))->trigger();
    QVERIFY(m_dialogs.waitUntilDone());
    Utility::GetInstance()->SetMainWindow(nullptr);

    QCOMPARE(shownAdvisory, action.startsWith(QLatin1String("actionImport"))
                                ? QStringLiteral("Inventory Import")
                                : QStringLiteral("Inventory Export"));
    QVERIFY(Utility::GetInstance()->GetSettings()->contains(advisory));
    QCOMPARE(text, QString(message).replace(QStringLiteral("%1"), m_root));
    QCOMPARE(setting(SettingKey::RECENT_LOCATION), path(chosen));
    if (!written.isEmpty())
        QVERIFY(QFile::exists(path(written)));
}

// Pictures of both dialogs in both themes, written only when MERCHORA_SCREENSHOT_DIR is set.
void DatabasesTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR is not set");

    // The message after an import with one line skipped, in the main window's light theme.
    makeStores();
    QFile csv(path(QStringLiteral("products.csv")));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Drinks,Cola 0.5 l,5449000000996\nDrinks,Orange juice 1 l,4001234567890\n"
              "Caf\xc3\xa9 & Bakery,Croissant \"Parisien\",CR-01\n"
              "Drinks,Lemonade 0.33 l,5449000000996\n");
    csv.close();
    setSetting("err_msg_5", QStringLiteral("1")); // no login advisory: the store has no users
    setSetting("err_msg_8", QStringLiteral("1")); // no note on the file's form
    setSetting(SettingKey::THEME, QStringLiteral("light"));
    {
        MainWindow window;
        Utility::GetInstance()->SetMainWindow(&window);
        m_dialogs.expectFileDialog(csv.fileName());
        m_dialogs.expect([&folder](QWidget* box) {
            QVERIFY(box->grab().save(folder + QStringLiteral("/import-result-light.png")));
            TestSupport::pressButton(box, QMessageBox::Ok);
        });
        child<QAction>(&window, "actionImport_with_Codes")->trigger();
        QVERIFY(m_dialogs.waitUntilDone());
        Utility::GetInstance()->SetMainWindow(nullptr);
    }

    // The labels read the settings only: a shop's own folder reads better than a test folder.
    const QString data = QStringLiteral("/home/shop/MerchoraData");
    setSetting(SettingKey::SALES_DATA_FOLDER_PATH, data);
    setSetting(SettingKey::ACTIVE_SALES_DB, QStringLiteral("merchorasales20260305091500.mercdb"));
    setSetting(SettingKey::INVENTORY_DATA_FOLDER_PATH, data);
    setSetting(SettingKey::ACTIVE_INVENTORY_DB,
               QStringLiteral("merchorainventory20260305091500.mercdb"));

    for (const bool dark : {true, false}) {
        const QString suffix = dark ? QString() : QStringLiteral("-light");
        ManageDatabases databases;
        Backupdialog backup;
        child<QLineEdit>(&databases, "lineEditInventoryFolder")
            ->setText(QStringLiteral("/home/shop/NewShop"));
        child<QLineEdit>(&backup, "lineEditDestination")
            ->setText(QStringLiteral("/media/usb/shop-backup"));
        for (QDialog* dialog :
             {static_cast<QDialog*>(&databases), static_cast<QDialog*>(&backup)}) {
            dialog->setStyleSheet(TestSupport::themeSheet(dark));
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
        }
        QVERIFY(databases.grab().save(folder + QStringLiteral("/databases%1.png").arg(suffix)));
        QVERIFY(backup.grab().save(folder + QStringLiteral("/backup%1.png").arg(suffix)));
    }
}

MERCHORA_TEST_MAIN(DatabasesTest)
#include "tst_databases.moc"
