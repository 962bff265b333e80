#include "modaldialoghandler.h"
#include "storebuilder.h"
#include "testenvironment.h"

#include "app/homescreen.h"
#include "app/logindialog.h"
#include "app/mainwindow.h"
#include "app/welcomedialog.h"
#include "core/DBManager.h"
#include "core/passwordhash.h"
#include "core/utility.h"
#include "settings/settings.h"
#include "widgets/errordialog.h"
#include "widgets/merchoradialog.h"
#include "widgets/qposdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QToolBar>
#include <QTranslator>

#include <memory>

using TestSupport::StoreBuilder;

// The main window: start-up states, login and logout, themes, navigator, database status.
class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstStartWithoutDatabasesOpensFullAccess();
    void closingWelcomeWithoutTickKeepsFirstStart();
    void settingsDialogThemeAppliedAfterClose();
    void noAdministratorShowsAdvisoryThenFullAccess();
    void silencedAdvisoryIsNotShownAgain();
    void loginDialogCountsFailuresThenAdminGetsFullAccess();
    void salesPersonGetsRestrictedAccess();
    void otherRoleGetsFullAccess();
    void cancelledLoginStaysLocked();
    void logoutReturnsToLockedStateAndOffersLogin();
    void themesSwitchSheetsActionsAndSetting_data();
    void themesSwitchSheetsActionsAndSetting();
    void navigatorHideShowAndDockClose();
    void statusButtonsFollowConnectionState();
    void refusedInventoryShowsErrorAndOpensWithoutUser();
    void loginFollowsConnectionNotButtonWords();
    void menusAndEntriesAreInPlace();
    void dialogStaysCentredWhenWindowResizes();
    void posDialogIgnoresEscapeAndFillsScreen();
    void entriesOpenTheirScreens_data();
    void entriesOpenTheirScreens();
    void entriesOpenTheirDialogs_data();
    void entriesOpenTheirDialogs();

private:
    std::unique_ptr<MainWindow> makeWindow();
    StoreBuilder* makeInventory(const QString& name = QStringLiteral("inventory.mercdb"));
    void makeSales();
    template <typename T> T* child(MainWindow* window, const char* name)
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qWarning() << "no child" << name;
        return found;
    }
    bool menuEnabled(MainWindow* window, const char* name)
    {
        return child<QMenu>(window, name)->menuAction()->isEnabled();
    }
    void answerLogin(const QString& user, const QString& password)
    {
        m_dialogs.expect(
            [user, password](QWidget* w) {
                auto* login = qobject_cast<LoginDialog*>(w);
                QVERIFY(login);
                login->findChild<QLineEdit*>(QStringLiteral("editUserName"))->setText(user);
                login->findChild<QLineEdit*>(QStringLiteral("editPassword"))->setText(password);
                login->findChild<QPushButton*>(QStringLiteral("buttonLogin"))->click();
            },
            QStringLiteral("login dialog"));
    }

    TestSupport::ModalDialogHandler m_dialogs;
    std::unique_ptr<StoreBuilder> m_inventory;
    std::unique_ptr<StoreBuilder> m_sales;
};

void MainWindowTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
    m_inventory.reset();
    m_sales.reset();
    QDir(QDir::homePath() + QStringLiteral("/stores")).removeRecursively();
    QDir().mkpath(QDir::homePath() + QStringLiteral("/stores"));
}

void MainWindowTest::cleanup()
{
    MERCHORA_VERIFY_DIALOGS(m_dialogs);
    CDBManager::GetInstance()->CloseInventoryDataBase();
    CDBManager::GetInstance()->CloseSalesDataBase();
    m_inventory.reset();
    m_sales.reset();
}

std::unique_ptr<MainWindow> MainWindowTest::makeWindow()
{
    auto window = std::make_unique<MainWindow>();
    Utility::GetInstance()->SetMainWindow(window.get());
    return window;
}

StoreBuilder* MainWindowTest::makeInventory(const QString& name)
{
    m_inventory = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Inventory, QDir::homePath() + QStringLiteral("/stores/") + name);
    m_inventory->activate();
    return m_inventory.get();
}

void MainWindowTest::makeSales()
{
    m_sales = std::make_unique<StoreBuilder>(
        StoreBuilder::Kind::Sales, QDir::homePath() + QStringLiteral("/stores/sales.mercdb"));
    m_sales->activate();
}

static void skipFirstStart()
{
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("FIRST_TIME_START"), 0);
}

void MainWindowTest::firstStartWithoutDatabasesOpensFullAccess()
{
    // The welcome picture comes first; ticking its box ends the first-start dialogs.
    m_dialogs.expect(
        [](QWidget* w) {
            auto* welcome = qobject_cast<WelcomeDialog*>(w);
            QVERIFY(welcome);
            welcome->findChild<QCheckBox*>()->setChecked(true);
            TestSupport::clickButtonWithText(welcome, QStringLiteral("Close"));
        },
        QStringLiteral("welcome dialog"));
    // Then the settings dialog, once.
    m_dialogs.expect(
        [](QWidget* w) {
            QVERIFY(qobject_cast<Settings*>(w));
            static_cast<QDialog*>(w)->reject();
        },
        QStringLiteral("settings dialog"));
    auto window = makeWindow();
    QVERIFY(m_dialogs.waitUntilDone());

    QCOMPARE(Utility::GetInstance()->ReadInt(QStringLiteral("FIRST_TIME_START")), 0);
    // No database configured: no login prompt, no error box, full access without a user.
    QCOMPARE(Utility::GetInstance()->GetLoggedInUser(), QStringLiteral("NO LOGGED IN USER"));
    QVERIFY(!child<QAction>(window.get(), "actionLogin")->isEnabled());
    QVERIFY(child<QAction>(window.get(), "actionLogout")->isEnabled());
    QVERIFY(child<QAction>(window.get(), "actionLanuch_POS")->isEnabled());
    QVERIFY(child<QAction>(window.get(), "actionHome")->isEnabled());
    QVERIFY(child<QDockWidget>(window.get(), "dockNavigator")->isEnabled());
    QVERIFY(menuEnabled(window.get(), "menuTools"));
    QVERIFY(menuEnabled(window.get(), "menu_View"));
    QVERIFY(qobject_cast<HomeScreen*>(window->centralWidget()));
    QCOMPARE(child<QPushButton>(window.get(), "pushInvDBStatus")->text(),
             QStringLiteral("Inventory DB\nDISCONNECTED"));

    // What start-up does next: the sample databases, then they connect.
    CDBManager* manager = CDBManager::GetInstance();
    manager->CloseInventoryDataBase();
    manager->CreateSampleInventoryDB();
    manager->CloseSalesDataBase();
    manager->CreateSampleSalesDB();
    window->ShowHomeScreen();
    window->show();
    QTest::qWait(200);
    QTRY_VERIFY2(
        child<QDockWidget>(window.get(), "dockNavigator")->width() <= 260,
        qPrintable(QString::number(child<QDockWidget>(window.get(), "dockNavigator")->width())));
    QCOMPARE(child<QPushButton>(window.get(), "pushInvDBStatus")->text(),
             QStringLiteral("Inventory DB\nCONNECTED"));
    QCOMPARE(child<QPushButton>(window.get(), "pushSalesDBStatus")->text(),
             QStringLiteral("Sales DB\nCONNECTED"));
    QVERIFY(QFile::exists(QDir::homePath() +
                          QStringLiteral("/.merchoralite/SAMPLE_INVENTORY_DB_7.5.0.mercdb")));
}

void MainWindowTest::closingWelcomeWithoutTickKeepsFirstStart()
{
    m_dialogs.expect(
        [](QWidget* w) { TestSupport::clickButtonWithText(w, QStringLiteral("Close")); },
        QStringLiteral("welcome dialog"));
    m_dialogs.expect([](QWidget* w) { static_cast<QDialog*>(w)->reject(); },
                     QStringLiteral("settings dialog"));
    auto window = makeWindow();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(!Utility::GetInstance()->GetSettings()->contains(QStringLiteral("FIRST_TIME_START")));
}

// The theme chosen in the settings dialog takes effect when it closes.
void MainWindowTest::settingsDialogThemeAppliedAfterClose()
{
    skipFirstStart();
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("theme"),
                                                    QStringLiteral("light"));
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("err_msg_5"), true);
    auto window = makeWindow();
    const QString light = window->styleSheet();
    m_dialogs.expect(
        [](QWidget* w) {
            w->findChild<QRadioButton*>(QStringLiteral("radioDarkTheme"))->setChecked(true);
            w->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Ok)
                ->click();
        },
        QStringLiteral("settings dialog"));
    child<QAction>(window.get(), "actionSettings")->setEnabled(true);
    child<QAction>(window.get(), "actionSettings")->trigger();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(Utility::GetInstance()->ReadString(QStringLiteral("theme")), QStringLiteral("dark"));
    QVERIFY(window->styleSheet() != light);
    QVERIFY(window->styleSheet().contains(QStringLiteral("#323232")));
    QVERIFY(!child<QAction>(window.get(), "action_Dark_Theme")->isEnabled());
}

void MainWindowTest::noAdministratorShowsAdvisoryThenFullAccess()
{
    skipFirstStart();
    makeInventory()->addUser(QStringLiteral("clerk"), QStringLiteral("pw"),
                             QStringLiteral("SALES PERSON"));
    QString title;
    m_dialogs.expect(
        [&title](QWidget* w) {
            auto* message = qobject_cast<ErrorDialog*>(w);
            QVERIFY(message);
            title = message->windowTitle();
            TestSupport::clickButtonWithText(message, QStringLiteral("Close"));
        },
        QStringLiteral("advisory message"));
    auto window = makeWindow();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(title, QStringLiteral("Login/Logout"));
    QCOMPARE(Utility::GetInstance()->GetLoggedInUser(), QStringLiteral("NO LOGGED IN USER"));
    QVERIFY(child<QDockWidget>(window.get(), "dockNavigator")->isEnabled());
    QVERIFY(child<QAction>(window.get(), "actionLogout")->isEnabled());
    QVERIFY(!child<QAction>(window.get(), "actionLogin")->isEnabled());
}

void MainWindowTest::silencedAdvisoryIsNotShownAgain()
{
    skipFirstStart();
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("err_msg_5"), true);
    makeInventory();
    auto window = makeWindow();
    QTest::qWait(100);
    QVERIFY(m_dialogs.finish().isEmpty());
    QVERIFY(qobject_cast<HomeScreen*>(window->centralWidget()));
}

void MainWindowTest::loginDialogCountsFailuresThenAdminGetsFullAccess()
{
    skipFirstStart();
    makeInventory()->addUser(QStringLiteral("admin"), PasswordHash::Hash(QStringLiteral("s3cret")),
                             QStringLiteral("ADMIN"));
    QString afterWrong;
    m_dialogs.expect(
        [&afterWrong](QWidget* w) {
            auto* login = qobject_cast<LoginDialog*>(w);
            QVERIFY(login);
            auto* button = login->findChild<QPushButton*>(QStringLiteral("buttonLogin"));
            button->click(); // empty fields
            login->findChild<QLineEdit*>(QStringLiteral("editUserName"))
                ->setText(QStringLiteral("admin"));
            login->findChild<QLineEdit*>(QStringLiteral("editPassword"))
                ->setText(QStringLiteral("wrong"));
            button->click();
            afterWrong = login->findChild<QLabel*>(QStringLiteral("labelMessage"))->text();
            login->findChild<QLineEdit*>(QStringLiteral("editPassword"))
                ->setText(QStringLiteral("s3cret"));
            button->click();
        },
        QStringLiteral("login dialog"));
    auto window = makeWindow();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(afterWrong, QStringLiteral("Login failed. Please try again (2)"));
    QCOMPARE(Utility::GetInstance()->GetLoggedInUser(), QStringLiteral("admin"));
    QVERIFY(child<QDockWidget>(window.get(), "dockNavigator")->isEnabled());
    QVERIFY(menuEnabled(window.get(), "menuInventory"));
    QVERIFY(child<QToolBar>(window.get(), "toolBarTools")->isEnabled());
    QVERIFY(!child<QAction>(window.get(), "actionLogin")->isEnabled());
    QVERIFY(child<QAction>(window.get(), "actionLogout")->isEnabled());
    QVERIFY(qobject_cast<HomeScreen*>(window->centralWidget()));
}

void MainWindowTest::salesPersonGetsRestrictedAccess()
{
    skipFirstStart();
    StoreBuilder* store = makeInventory();
    store->addUser(QStringLiteral("boss"), QStringLiteral("x"), QStringLiteral("ADMIN"));
    store->addUser(QStringLiteral("till1"), PasswordHash::Hash(QStringLiteral("pin")),
                   QStringLiteral("SALES PERSON"));
    answerLogin(QStringLiteral("till1"), QStringLiteral("pin"));
    auto window = makeWindow();
    QVERIFY(m_dialogs.waitUntilDone());

    QCOMPARE(Utility::GetInstance()->GetLoggedInUser(), QStringLiteral("till1"));
    QVERIFY(!child<QDockWidget>(window.get(), "dockNavigator")->isEnabled());
    for (const char* menu : {"menuInventory", "menuProducts", "menuTools", "menuPurchase",
                             "menuReports", "menuSales", "menu_View"})
        QVERIFY2(!menuEnabled(window.get(), menu), menu);
    QVERIFY(menuEnabled(window.get(), "menuUser"));
    for (const char* bar :
         {"toolBarTools", "toolBarInventory", "toolBarProducts", "toolBarPurchase"})
        QVERIFY2(!child<QToolBar>(window.get(), bar)->isEnabled(), bar);
    QVERIFY(child<QToolBar>(window.get(), "mainToolBar")->isEnabled());
    QVERIFY(child<QAction>(window.get(), "actionLanuch_POS")->isEnabled());
    QVERIFY(child<QAction>(window.get(), "actionLogout")->isEnabled());
    QVERIFY(child<QAction>(window.get(), "actionExit")->isEnabled());
    QVERIFY(!child<QAction>(window.get(), "actionHome")->isEnabled());
    QVERIFY(!child<QAction>(window.get(), "actionLogin")->isEnabled());
    // The locked screen stays: no home screen for the till.
    QVERIFY(!qobject_cast<HomeScreen*>(window->centralWidget()));
}

void MainWindowTest::otherRoleGetsFullAccess()
{
    skipFirstStart();
    StoreBuilder* store = makeInventory();
    store->addUser(QStringLiteral("boss"), QStringLiteral("x"), QStringLiteral("ADMIN"));
    store->addUser(QStringLiteral("mgr"), QStringLiteral("m"), QStringLiteral("MANAGER"));
    answerLogin(QStringLiteral("mgr"), QStringLiteral("m"));
    auto window = makeWindow();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(child<QDockWidget>(window.get(), "dockNavigator")->isEnabled());
    QVERIFY(menuEnabled(window.get(), "menuTools"));
}

void MainWindowTest::cancelledLoginStaysLocked()
{
    skipFirstStart();
    makeInventory()->addUser(QStringLiteral("admin"), QStringLiteral("x"), QStringLiteral("ADMIN"));
    m_dialogs.expect(
        [](QWidget* w) { TestSupport::clickButtonWithText(w, QStringLiteral("Cancel")); },
        QStringLiteral("login dialog"));
    auto window = makeWindow();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(child<QAction>(window.get(), "actionLogin")->isEnabled());
    QVERIFY(!child<QAction>(window.get(), "actionLogout")->isEnabled());
    QVERIFY(!child<QAction>(window.get(), "actionLanuch_POS")->isEnabled());
    QVERIFY(!child<QDockWidget>(window.get(), "dockNavigator")->isEnabled());
    QVERIFY(!menuEnabled(window.get(), "menuTools"));
    auto* blank = qobject_cast<QLabel*>(window->centralWidget());
    QVERIFY(blank);
    QVERIFY(blank->styleSheet().contains(QStringLiteral("#323232")));
}

void MainWindowTest::logoutReturnsToLockedStateAndOffersLogin()
{
    skipFirstStart();
    makeInventory()->addUser(QStringLiteral("admin"), QStringLiteral("pw"),
                             QStringLiteral("ADMIN"));
    answerLogin(QStringLiteral("admin"), QStringLiteral("pw"));
    auto window = makeWindow();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(Utility::GetInstance()->GetLoggedInUser(), QStringLiteral("admin"));

    // Logout closes both connections, locks the window and offers the login again.
    m_dialogs.expect(
        [](QWidget* w) {
            QVERIFY(qobject_cast<LoginDialog*>(w));
            // The connections were closed before the login was offered.
            QVERIFY(!QSqlDatabase::connectionNames().contains(QStringLiteral("SALES_DB")));
            TestSupport::clickButtonWithText(w, QStringLiteral("Cancel"));
        },
        QStringLiteral("login after logout"));
    child<QAction>(window.get(), "actionLogout")->trigger();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(Utility::GetInstance()->GetLoggedInUser(), QStringLiteral("NO LOGGED IN USER"));
    QVERIFY(child<QAction>(window.get(), "actionLogin")->isEnabled());
    QVERIFY(!child<QAction>(window.get(), "actionLogout")->isEnabled());
    QVERIFY(!child<QAction>(window.get(), "actionHome")->isEnabled());
    QVERIFY(!child<QDockWidget>(window.get(), "dockNavigator")->isEnabled());
    QVERIFY(!menuEnabled(window.get(), "menuReports"));
    QVERIFY(qobject_cast<QLabel*>(window->centralWidget()));

    // Logging in again from the locked window.
    answerLogin(QStringLiteral("admin"), QStringLiteral("pw"));
    child<QAction>(window.get(), "actionLogin")->trigger();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(child<QAction>(window.get(), "actionLogout")->isEnabled());
    QVERIFY(qobject_cast<HomeScreen*>(window->centralWidget()));
}

void MainWindowTest::themesSwitchSheetsActionsAndSetting_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("startsDark");
    QTest::newRow("absent") << QString() << true;
    QTest::newRow("dark") << QStringLiteral("dark") << true;
    QTest::newRow("light") << QStringLiteral("light") << false;
    QTest::newRow("unknown value counts as light") << QStringLiteral("purple") << false;
}

static QString resourceText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void MainWindowTest::themesSwitchSheetsActionsAndSetting()
{
    QFETCH(QString, stored);
    QFETCH(bool, startsDark);
    skipFirstStart();
    if (!stored.isNull())
        Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("theme"), stored);
    const QString dark =
        resourceText(QStringLiteral(":/resources/stylesheets/WindowsStyleSheet.txt"));
    const QString light =
        resourceText(QStringLiteral(":/resources/stylesheets/WindowsStyleSheetLight.txt"));
    QVERIFY(!dark.isEmpty());
    QVERIFY(!light.isEmpty());
    QVERIFY(dark.contains(QStringLiteral("#323232")));
    QVERIFY(light.contains(QStringLiteral("#D3D3D3"), Qt::CaseInsensitive));

    auto window = makeWindow();
    auto* darkAction = child<QAction>(window.get(), "action_Dark_Theme");
    auto* lightAction = child<QAction>(window.get(), "action_Light_Theme");
    QCOMPARE(window->styleSheet(), startsDark ? dark : light);
    QCOMPARE(darkAction->isEnabled(), !startsDark);
    QCOMPARE(lightAction->isEnabled(), startsDark);
    QCOMPARE(Utility::GetInstance()->ReadString(QStringLiteral("theme")),
             startsDark ? QStringLiteral("dark") : QStringLiteral("light"));

    lightAction->setEnabled(true);
    lightAction->trigger();
    QCOMPARE(window->styleSheet(), light);
    QVERIFY(!lightAction->isEnabled());
    QVERIFY(darkAction->isEnabled());
    QCOMPARE(Utility::GetInstance()->ReadString(QStringLiteral("theme")), QStringLiteral("light"));

    darkAction->trigger();
    QCOMPARE(window->styleSheet(), dark);
    QVERIFY(!darkAction->isEnabled());
    QVERIFY(lightAction->isEnabled());
    QCOMPARE(Utility::GetInstance()->ReadString(QStringLiteral("theme")), QStringLiteral("dark"));
}

void MainWindowTest::navigatorHideShowAndDockClose()
{
    skipFirstStart();
    auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* dock = child<QDockWidget>(window.get(), "dockNavigator");
    auto* hide = child<QAction>(window.get(), "action_Hide_Navigator");
    auto* show = child<QAction>(window.get(), "action_Show_Navigator");
    QVERIFY(dock->isVisible());
    // The navigator keeps its narrow width once the window is on screen.
    QTRY_VERIFY2(dock->width() <= 260, qPrintable(QString::number(dock->width())));

    hide->trigger();
    QVERIFY(!dock->isVisible());
    QVERIFY(!hide->isEnabled());
    QVERIFY(show->isEnabled());

    show->trigger();
    QVERIFY(dock->isVisible());
    QVERIFY(hide->isEnabled());
    QVERIFY(!show->isEnabled());

    // Closing the dock with its own close button goes through the visibility handler.
    dock->close();
    QTRY_VERIFY(show->isEnabled());
    QVERIFY(!hide->isEnabled());
}

void MainWindowTest::statusButtonsFollowConnectionState()
{
    skipFirstStart();
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("err_msg_5"), true);
    makeInventory();
    makeSales();
    auto window = makeWindow();
    CDBManager::GetInstance()->GetSalesDataBase();
    auto* inventory = child<QPushButton>(window.get(), "pushInvDBStatus");
    auto* sales = child<QPushButton>(window.get(), "pushSalesDBStatus");
    QCOMPARE(inventory->text(), QStringLiteral("Inventory DB\nCONNECTED"));
    QCOMPARE(inventory->styleSheet(),
             QStringLiteral("QPushButton#pushInvDBStatus { background-color:green }"));
    QCOMPARE(sales->text(), QStringLiteral("Sales DB\nCONNECTED"));
    QCOMPARE(sales->styleSheet(),
             QStringLiteral("QPushButton#pushSalesDBStatus { background-color:green }"));

    // A sales file stamped for the inventory is refused.
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("ACTIVE_SALES_DB"),
                                                    QStringLiteral("inventory.mercdb"));
    CDBManager::GetInstance()->CloseSalesDataBase();
    QString text;
    m_dialogs.expectMessageBox(QMessageBox::Ok, &text);
    CDBManager::GetInstance()->GetSalesDataBase();
    QVERIFY(m_dialogs.waitUntilDone());
    QVERIFY(text.startsWith(QStringLiteral("inventory.mercdb is not a valid database")));
    QCOMPARE(sales->text(), QStringLiteral("Sales DB\nDISCONNECTED"));
    QCOMPARE(sales->styleSheet(),
             QStringLiteral("QPushButton#pushSalesDBStatus { background-color:red }"));
    QCOMPARE(inventory->text(), QStringLiteral("Inventory DB\nCONNECTED"));
}

void MainWindowTest::refusedInventoryShowsErrorAndOpensWithoutUser()
{
    skipFirstStart();
    const QString path = QDir::homePath() + QStringLiteral("/stores/notes.mercdb");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("shopping list, not a database\n");
    file.close();
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("INVENTORY_DATA_FOLDER_PATH"),
                                                    QFileInfo(path).absolutePath());
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("ACTIVE_INVENTORY_DB"),
                                                    QStringLiteral("notes.mercdb"));
    // The box is the main window's: its parent, an information icon, one OK button.
    QString title;
    QString text;
    QWidget* parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    m_dialogs.expect(
        [&](QWidget* dialog) {
            parent = dialog->parentWidget();
            if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                icon = box->icon();
                buttons = box->standardButtons();
                title = box->windowTitle();
                text = box->text();
            }
            TestSupport::pressButton(dialog, QMessageBox::Ok);
        },
        QStringLiteral("error box"));
    auto window = makeWindow();
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(parent, window.get());
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("notes.mercdb is not a valid database for this version.  Please "
                                  "create a new database, or select a valid database."));
    auto* inventory = child<QPushButton>(window.get(), "pushInvDBStatus");
    QCOMPARE(inventory->text(), QStringLiteral("Inventory DB\nDISCONNECTED"));
    QCOMPARE(inventory->styleSheet(),
             QStringLiteral("QPushButton#pushInvDBStatus { background-color:red }"));
    QCOMPARE(Utility::GetInstance()->GetLoggedInUser(), QStringLiteral("NO LOGGED IN USER"));
    QVERIFY(child<QDockWidget>(window.get(), "dockNavigator")->isEnabled());
    QVERIFY(child<QAction>(window.get(), "actionLogout")->isEnabled());
}

namespace {
// A translation of the status buttons, as a shop abroad would install one.
class StatusButtonTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "MainWindow") != 0)
            return QString();
        if (qstrcmp(sourceText, "Inventory DB\nDISCONNECTED") == 0)
            return QStringLiteral("Inventar-DB\nGETRENNT");
        if (qstrcmp(sourceText, "Inventory DB\nCONNECTED") == 0)
            return QStringLiteral("Inventar-DB\nVERBUNDEN");
        return QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

void MainWindowTest::loginFollowsConnectionNotButtonWords()
{
    skipFirstStart();
    StatusButtonTranslator translator;
    QCoreApplication::installTranslator(&translator);
    // No inventory database: the shop opens without a user and without the advisory about
    // missing administrators, whatever language the status button speaks.
    auto window = makeWindow();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(child<QPushButton>(window.get(), "pushInvDBStatus")->text(),
             QStringLiteral("Inventar-DB\nGETRENNT"));
    QCOMPARE(Utility::GetInstance()->GetLoggedInUser(), QStringLiteral("NO LOGGED IN USER"));
    QVERIFY(!child<QAction>(window.get(), "actionLogin")->isEnabled());
    QVERIFY(child<QDockWidget>(window.get(), "dockNavigator")->isEnabled());
}

void MainWindowTest::menusAndEntriesAreInPlace()
{
    skipFirstStart();
    auto window = makeWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Merchora (Lite)"));
    QStringList titles;
    for (QAction* action : window->menuBar()->actions())
        titles << action->text();
    QCOMPARE(titles, (QStringList{QStringLiteral("&User"), QStringLiteral("&Products"),
                                  QStringLiteral("P&urchase"), QStringLiteral("&Sales"),
                                  QStringLiteral("&Inventory"), QStringLiteral("&Reports"),
                                  QStringLiteral("&Tools"), QStringLiteral("&View"),
                                  QStringLiteral("&Help")}));
    // Entries of the user menu in order, separators as "-".
    QStringList user;
    for (QAction* action : child<QMenu>(window.get(), "menuUser")->actions())
        user << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(user, (QStringList{QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("&Login"),
                                QStringLiteral("L&ogout"), QStringLiteral("&Home..."),
                                QStringLiteral("-"), QStringLiteral("-"),
                                QStringLiteral("&Lanuch POS..."), QStringLiteral("-"),
                                QStringLiteral("E&xit")}));
    QStringList tools;
    for (QAction* action : child<QToolBar>(window.get(), "toolBarTools")->actions())
        tools << action->objectName();
    QCOMPARE(tools,
             (QStringList{
                 QStringLiteral("actionManage_Categories"),
                 QStringLiteral("actionReports_Management"), QStringLiteral("actionManage_Users"),
                 QStringLiteral("actionManage_Vendors"), QStringLiteral("actionManager_Customers"),
                 QStringLiteral("actionSettings"), QStringLiteral("actionDatabases")}));
    QCOMPARE(child<QAction>(window.get(), "actionLogin")->toolTip(), QStringLiteral("Login"));
    QCOMPARE(child<QDockWidget>(window.get(), "dockNavigator")->windowTitle(),
             QStringLiteral("Navigator"));
    QCOMPARE(window->dockWidgetArea(child<QDockWidget>(window.get(), "dockNavigator")),
             Qt::LeftDockWidgetArea);
    for (const char* name :
         {"pushPointOfSale", "pushProductManagement", "pushInventoryManagement",
          "pushPurchaseManagement", "pushSalesManagement", "pushReportManagement"})
        QVERIFY2(child<QPushButton>(window.get(), name), name);
}

void MainWindowTest::dialogStaysCentredWhenWindowResizes()
{
    skipFirstStart();
    auto window = makeWindow();
    window->showNormal();
    window->setGeometry(50, 50, 900, 600);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* dialog = new MerchoraDialog(window.get());
    dialog->resize(300, 200);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    window->setGeometry(80, 60, 1100, 700);
    QTest::qWait(50);
    const QPoint centre = window->mapToGlobal(window->rect().center());
    const QPoint dialogCentre = dialog->mapToGlobal(dialog->rect().center());
    QVERIFY2((centre - dialogCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2 vs %3,%4")
                            .arg(centre.x())
                            .arg(centre.y())
                            .arg(dialogCentre.x())
                            .arg(dialogCentre.y())));
    delete dialog;
}

void MainWindowTest::posDialogIgnoresEscapeAndFillsScreen()
{
    QWidget parent;
    QPOSDialog dialog(&parent, true);
    dialog.setModal(true);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.windowState() & Qt::WindowFullScreen);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Enter);
    QVERIFY(dialog.isVisible());
    QCOMPARE(rejected.count(), 0);
    QCOMPARE(accepted.count(), 0);
    dialog.done(0);
}

void MainWindowTest::entriesOpenTheirScreens_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("screen");
    QTest::newRow("products menu") << "actionManageProducts"
                                   << "ProductManagement";
    QTest::newRow("products button") << "pushProductManagement"
                                     << "ProductManagement";
    QTest::newRow("inventory menu") << "actionManage_Inventory"
                                    << "InventoryManagement";
    QTest::newRow("inventory button") << "pushInventoryManagement"
                                      << "InventoryManagement";
    QTest::newRow("purchase menu") << "actionManage_Purchase"
                                   << "PurchaseManagement";
    QTest::newRow("purchase button") << "pushPurchaseManagement"
                                     << "PurchaseManagement";
    QTest::newRow("sales menu") << "actionManage_Sales"
                                << "SalesManagement";
    QTest::newRow("sales button") << "pushSalesManagement"
                                  << "SalesManagement";
    QTest::newRow("reports menu") << "actionReports_Management"
                                  << "ReportsManagement";
    QTest::newRow("reports button") << "pushReportManagement"
                                    << "ReportsManagement";
    QTest::newRow("home") << "actionHome"
                          << "HomeScreen";
}

// Triggers a menu action or clicks a navigator button by object name.
static void activate(MainWindow* window, const QString& name)
{
    if (auto* action = window->findChild<QAction*>(name))
        action->trigger();
    else if (auto* button = window->findChild<QPushButton*>(name))
        button->click();
    else
        QFAIL(qPrintable(QStringLiteral("no entry ") + name));
}

void MainWindowTest::entriesOpenTheirScreens()
{
    QFETCH(QString, entry);
    QFETCH(QString, screen);
    skipFirstStart();
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("err_msg_5"), true);
    makeInventory();
    makeSales();
    auto window = makeWindow();
    window->setCentralWidget(new QLabel);
    activate(window.get(), entry);
    QCOMPARE(QString::fromLatin1(window->centralWidget()->metaObject()->className()), screen);
}

void MainWindowTest::entriesOpenTheirDialogs_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("new product") << "actionAdd_New_Product"
                                 << "AddEditProductDialog";
    QTest::newRow("new batch") << "actionAdd_New_Batch"
                               << "CAddNewItemsBatch";
    QTest::newRow("new purchase order") << "actionAdd_New_Purchase_Order"
                                        << "AddEditPurchaseOrder";
    QTest::newRow("categories") << "actionManage_Categories"
                                << "ManageCategories";
    QTest::newRow("vendors") << "actionManage_Vendors"
                             << "ManageVendors";
    QTest::newRow("customers") << "actionManager_Customers"
                               << "ManageCustomers";
    QTest::newRow("users") << "actionManage_Users"
                           << "ManageUsers";
    QTest::newRow("about") << "actionAbout_Merchora_Lite"
                           << "AboutDialog";
    QTest::newRow("settings menu") << "actionSettings"
                                   << "Settings";
    QTest::newRow("settings home screen") << "pushSettings"
                                          << "Settings";
    QTest::newRow("sales screen menu") << "actionLanuch_POS"
                                       << "QPOSDialog";
    QTest::newRow("sales screen button") << "pushPointOfSale"
                                         << "QPOSDialog";
}

void MainWindowTest::entriesOpenTheirDialogs()
{
    QFETCH(QString, entry);
    QFETCH(QString, dialog);
    skipFirstStart();
    Utility::GetInstance()->GetSettings()->setValue(QStringLiteral("err_msg_5"), true);
    makeInventory();
    makeSales();
    auto window = makeWindow();
    QString seen;
    bool hostsSalesScreen = false;
    m_dialogs.expect(
        [&seen, &hostsSalesScreen](QWidget* w) {
            seen = QString::fromLatin1(w->metaObject()->className());
            hostsSalesScreen = w->findChild<QWidget*>(QStringLiteral("lineEditBarCode")) != nullptr;
            QCOMPARE(w->parentWidget(), Utility::GetInstance()->GetMainWindow());
            static_cast<QDialog*>(w)->reject();
        },
        dialog);
    activate(window.get(), entry);
    QVERIFY(m_dialogs.waitUntilDone());
    QCOMPARE(seen, dialog);
    if (dialog == QLatin1String("QPOSDialog"))
        QVERIFY(hostsSalesScreen);
}

MERCHORA_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
