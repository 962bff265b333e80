#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/aboutdialog.h"
#include "app/backupdialog.h"
#include "app/homescreen.h"
#include "app/logindialog.h"
#include "app/managedatabases.h"
#include "app/manageusers.h"
#include "app/welcomedialog.h"
#include "catalogue/addeditproductdialog.h"
#include "catalogue/addnewitemsbatch.h"
#include "catalogue/inventorymanagement.h"
#include "catalogue/managecategories.h"
#include "catalogue/managevendors.h"
#include "catalogue/productmanagement.h"
#include "core/productdata.h"
#include "core/utility.h"
#include "pos/managecustomers.h"
#include "pos/pos.h"
#include "purchasing/addeditpurchaseorder.h"
#include "purchasing/purchasemanagement.h"
#include "reporting/reportsmanagement.h"
#include "reporting/salesmanagement.h"
#include "settings/settings.h"
#include "widgets/errordialog.h"
#include "widgets/merchoradialog.h"
#include "widgets/progress.h"
#include "widgets/qposdialog.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScroller>
#include <QScrollerProperties>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolBar>

#include <limits>

namespace {
const char kDarkSheet[] = ":/resources/stylesheets/WindowsStyleSheet.txt";
const char kLightSheet[] = ":/resources/stylesheets/WindowsStyleSheetLight.txt";
const char kSalesPersonRole[] = "SALES PERSON";
const int kNavigatorWidth = 240;
} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ApplyStoredTheme();
    ui->setupUi(this);
    m_uiReady = true;
    const bool dark = Utility::GetInstance()->ReadString(QString::fromLatin1(SettingKey::THEME)) ==
                      QLatin1String("dark");
    ui->action_Dark_Theme->setEnabled(!dark);
    ui->action_Light_Theme->setEnabled(dark);

    // Touch screens: the navigator scrolls by dragging with the finger (left button).
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
    QScrollerProperties properties =
        QScroller::scroller(ui->scrollArea->viewport())->scrollerProperties();
    properties.setScrollMetric(QScrollerProperties::DragVelocitySmoothingFactor, 0);
    QScroller::scroller(ui->scrollArea->viewport())->setScrollerProperties(properties);

    CDBManager* manager = CDBManager::GetInstance();
    manager->SetMainWindow(this);
    UpdateDataBaseStatus(manager->IsInventoryConnected(), manager->IsSalesConnected());

    resizeDocks({ui->dockNavigator}, {kNavigatorWidth}, Qt::Horizontal);
    setCorner(Qt::TopLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);

    EnterLockedState();
}

MainWindow::~MainWindow()
{
    CDBManager* manager = CDBManager::GetInstance();
    if (manager->GetMainWindow() == this)
        manager->SetMainWindow(nullptr);
    delete ui;
}

void MainWindow::UpdateDataBaseStatus(bool inventoryConnected, bool salesConnected)
{
    ui->pushInvDBStatus->setText(inventoryConnected ? tr("Inventory DB\nCONNECTED")
                                                    : tr("Inventory DB\nDISCONNECTED"));
    ui->pushInvDBStatus->setStyleSheet(
        inventoryConnected
            ? QStringLiteral("QPushButton#pushInvDBStatus { background-color:green }")
            : QStringLiteral("QPushButton#pushInvDBStatus { background-color:red }"));
    ui->pushSalesDBStatus->setText(salesConnected ? tr("Sales DB\nCONNECTED")
                                                  : tr("Sales DB\nDISCONNECTED"));
    ui->pushSalesDBStatus->setStyleSheet(
        salesConnected ? QStringLiteral("QPushButton#pushSalesDBStatus { background-color:green }")
                       : QStringLiteral("QPushButton#pushSalesDBStatus { background-color:red }"));
}

void MainWindow::ReportDataBaseProblem(const QString& title, const QString& text)
{
    QMessageBox::information(this, title, text, QMessageBox::Ok);
}

// --- themes ---------------------------------------------------------------------------------

void MainWindow::ApplyTheme(bool dark)
{
    if (m_uiReady) {
        ui->action_Dark_Theme->setEnabled(!dark);
        ui->action_Light_Theme->setEnabled(dark);
    }
    QFile sheet(QString::fromLatin1(dark ? kDarkSheet : kLightSheet));
    if (sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        setStyleSheet(QString::fromUtf8(sheet.readAll()));
    Utility::GetInstance()->GetSettings()->setValue(QString::fromLatin1(SettingKey::THEME),
                                                    dark ? QStringLiteral("dark")
                                                         : QStringLiteral("light"));
}

void MainWindow::ApplyDarkTheme()
{
    ApplyTheme(true);
}

void MainWindow::ApplyLightTheme()
{
    ApplyTheme(false);
}

void MainWindow::ApplyStoredTheme()
{
    ApplyTheme(Utility::GetInstance()->ReadString(QString::fromLatin1(SettingKey::THEME)) ==
               QLatin1String("dark"));
}

void MainWindow::on_action_Dark_Theme_triggered()
{
    ApplyDarkTheme();
}

void MainWindow::on_action_Light_Theme_triggered()
{
    ApplyLightTheme();
}

// --- shell states ---------------------------------------------------------------------------

void MainWindow::SetMenusAndToolBarsEnabled(bool enabled)
{
    for (QMenu* menu : {ui->menuInventory, ui->menuProducts, ui->menuTools, ui->menu_View,
                        ui->menuPurchase, ui->menuReports, ui->menuSales})
        menu->menuAction()->setEnabled(enabled);
    for (QToolBar* bar :
         {ui->toolBarTools, ui->toolBarInventory, ui->toolBarProducts, ui->toolBarPurchase})
        bar->setEnabled(enabled);
}

void MainWindow::EnterLockedState()
{
    auto* blank = new QLabel(this);
    blank->setStyleSheet(QStringLiteral("QLabel { background-color: #323232 }"));
    // The central area, not the navigator, takes the room the window gains when maximised.
    blank->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    SetCentralScreen(blank);

    ui->dockNavigator->setEnabled(false);
    SetMenusAndToolBarsEnabled(false);
    ui->actionLogout->setEnabled(false);
    ui->actionLanuch_POS->setEnabled(false);
    ui->actionHome->setEnabled(false);
    ui->actionLogin->setEnabled(true);

    showMaximized();

    Utility* utility = Utility::GetInstance();
    if (utility->ReadInt(QString::fromLatin1(SettingKey::FIRST_TIME_START)) != 0) {
        WelcomeDialog welcome(this);
        welcome.setModal(true);
        welcome.exec();
        Settings settingsDialog(this);
        settingsDialog.setModal(true);
        settingsDialog.exec();
        utility->SetLoggedInUser(QString::fromLatin1(NO_LOGGED_IN_USER));
        ApplyStoredTheme();
    }

    utility->SetMainWindow(this);
    on_actionLogin_triggered();
}

void MainWindow::EnterFullAccess()
{
    ui->dockNavigator->setEnabled(true);
    SetMenusAndToolBarsEnabled(true);
    ui->actionLanuch_POS->setEnabled(true);
    ui->actionHome->setEnabled(true);
    ShowHomeScreen();
}

void MainWindow::EnterRestrictedAccess()
{
    ui->dockNavigator->setEnabled(false);
    for (QMenu* menu : {ui->menuInventory, ui->menuProducts, ui->menuTools, ui->menuPurchase,
                        ui->menuReports, ui->menuSales})
        menu->menuAction()->setEnabled(false);
    ui->actionLanuch_POS->setEnabled(true);
}

void MainWindow::ToggleLoginActions()
{
    const bool loginWasEnabled = ui->actionLogin->isEnabled();
    ui->actionLogin->setEnabled(!loginWasEnabled);
    ui->actionLanuch_POS->setEnabled(loginWasEnabled);
    ui->actionLogout->setEnabled(loginWasEnabled);
}

void MainWindow::on_actionLogin_triggered()
{
    Utility* utility = Utility::GetInstance();
    CDBManager* manager = CDBManager::GetInstance();
    QSqlDatabase& inventory = manager->GetInventoryDataBase();

    // Without an inventory database nobody can be checked: open the shop without a user.
    if (!manager->IsInventoryConnected()) {
        utility->SetLoggedInUser(QString::fromLatin1(NO_LOGGED_IN_USER));
        EnterFullAccess();
        ToggleLoginActions();
        return;
    }

    int administrators = 0;
    QSqlQuery query(inventory);
    if (query.exec(QStringLiteral("SELECT COUNT(*) FROM tblUsers WHERE ROLE = 'ADMIN'")) &&
        query.next())
        administrators = query.value(0).toInt();
    else
        MERCHORA_LOG_DB_ERROR(query.lastError());

    if (administrators == 0) {
        ErrorDialog message(QStringLiteral("err_msg_5"), tr("Login/Logout"),
                            tr("Login is disabled at the moment as no 'ADMIN' user exists. Please "
                               "add 'ADMIN' user from the Users dialog to enable this function."),
                            this);
        message.exec();
        utility->SetLoggedInUser(QString::fromLatin1(NO_LOGGED_IN_USER));
        EnterFullAccess();
        ToggleLoginActions();
        return;
    }

    LoginResult result;
    result.cancelled = true;
    LoginDialog login(this);
    login.SetLoginResult(&result);
    login.setModal(true);
    login.exec();
    if (result.cancelled)
        return;
    utility->SetLoggedInUser(result.loginName);
    if (result.role == QLatin1String(kSalesPersonRole))
        EnterRestrictedAccess();
    else
        EnterFullAccess();
    ToggleLoginActions();
}

void MainWindow::on_actionLogout_triggered()
{
    CDBManager* manager = CDBManager::GetInstance();
    manager->CloseInventoryDataBase();
    manager->CloseSalesDataBase();
    // Nobody is logged in any more, even when the login offered next is cancelled.
    Utility::GetInstance()->SetLoggedInUser(QString::fromLatin1(NO_LOGGED_IN_USER));
    EnterLockedState();
}

void MainWindow::on_actionExit_triggered()
{
    close();
}

// --- navigation -----------------------------------------------------------------------------

void MainWindow::SetCentralScreen(QWidget* screen)
{
    setCentralWidget(screen);
    // Shown at once, so that the next layout pass gives the room to it and not to the navigator.
    screen->show();
}

void MainWindow::ShowHomeScreen()
{

    SetCentralScreen(new HomeScreen(this, this));
}

void MainWindow::on_actionHome_triggered()
{
    ShowHomeScreen();
}

// Runs a dialog modally over the main window and destroys it afterwards.
template <typename Dialog, typename... Args> static void RunModal(MainWindow* window, Args... args)
{
    Dialog dialog(window, args...);
    dialog.setModal(true);
    dialog.exec();
}

void MainWindow::on_pushProductManagement_clicked()
{
    SetCentralScreen(new ProductManagement(this, false));
}

void MainWindow::on_actionManageProducts_triggered()
{
    on_pushProductManagement_clicked();
}

void MainWindow::on_actionAdd_New_Product_triggered()
{
    RunModal<AddEditProductDialog>(this);
}

void MainWindow::on_pushInventoryManagement_clicked()
{
    SetCentralScreen(new InventoryManagement(this, false));
}

void MainWindow::on_actionManage_Inventory_triggered()
{
    on_pushInventoryManagement_clicked();
}

void MainWindow::on_actionAdd_New_Batch_triggered()
{
    RunModal<CAddNewItemsBatch>(this);
}

void MainWindow::on_pushSalesManagement_clicked()
{
    SetCentralScreen(new SalesManagement(this, false));
}

void MainWindow::on_actionManage_Sales_triggered()
{
    on_pushSalesManagement_clicked();
}

void MainWindow::on_actionManage_Categories_triggered()
{
    RunModal<ManageCategories>(this);
}

void MainWindow::on_actionManage_Vendors_triggered()
{
    RunModal<ManageVendors>(this);
}

void MainWindow::on_actionManager_Customers_triggered()
{
    RunModal<ManageCustomers>(this, false);
}

void MainWindow::on_pushPurchaseManagement_clicked()
{
    SetCentralScreen(new PurchaseManagement(this));
}

void MainWindow::on_actionManage_Purchase_triggered()
{
    on_pushPurchaseManagement_clicked();
}

void MainWindow::on_actionAdd_New_Purchase_Order_triggered()
{
    RunModal<AddEditPurchaseOrder>(this);
}

void MainWindow::on_pushReportManagement_clicked()
{
    SetCentralScreen(new ReportsManagement(this));
}

void MainWindow::on_actionReports_Management_triggered()
{
    SetCentralScreen(new ReportsManagement(this));
}

void MainWindow::on_action_Backup_triggered()
{
    RunModal<Backupdialog>(this);
}

void MainWindow::on_actionDatabases_triggered()
{
    RunModal<ManageDatabases>(this);
}

void MainWindow::on_actionNormal_Export_triggered()
{
    ErrorDialog message(QStringLiteral("err_msg_6"), tr("Inventory Export"),
                        tr("This is normal data export mode. Inventory data will be exported to "
                           "CSV text file. You can open this file in Excel, or some other program "
                           "and generate barcodes in Excel, Word or your program of choice."),
                        this);
    message.exec();
    InventoryExport(false);
}

void MainWindow::on_actionExport_for_Scanner_triggered()
{
    ErrorDialog message(QStringLiteral("err_msg_7"), tr("Inventory Export"),
                        tr("Inventory data will be exported to CSV text file. You can open this "
                           "file in Excel, or some other program and generate barcodes in Excel, "
                           "Word or your program of choice. This function will export barcodes "
                           "which are compatible with barcode scanners."),
                        this);
    message.exec();
    InventoryExport(true);
}

void MainWindow::on_actionImport_with_Codes_triggered()
{
    ErrorDialog message(QStringLiteral("err_msg_8"), tr("Inventory Import"),
                        tr("Inventory data will be imported from CSV text file. Data should be in "
                           "the form of\n<product category>,<product name>,<barcode>\n on each "
                           "line."),
                        this);
    message.exec();
    ImportProductData(true);
}

void MainWindow::on_actionImport_without_Codes_triggered()
{
    ErrorDialog message(QStringLiteral("err_msg_9"), tr("Inventory Import"),
                        tr("Inventory data will be imported from CSV text file. Data should be in "
                           "the form of\n<product category>,<product name>\n on each line."),
                        this);
    message.exec();
    ImportProductData(false);
}

// The progress dialog follows the work; only paint and timer events are handled meanwhile, so
// nothing else can reach the database while an import holds its transaction open.
static ProductDataProgress FollowIn(Progress* progress, const QString& text)
{
    return [progress, text](qint64 done, qint64 total) {
        // The bar counts in kilobytes when the bytes of a large file would not fit its range.
        const int scale = total > std::numeric_limits<int>::max() ? 1024 : 1;
        progress->SetStep(text, int(done / scale), int(total / scale));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

void MainWindow::InventoryExport(bool forScanner)
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setDirectory(
        Utility::GetInstance()->ReadString(QString::fromLatin1(SettingKey::RECENT_LOCATION)));
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = QDir(dialog.selectedFiles().constFirst()).absolutePath();
    settings->setValue(QString::fromLatin1(SettingKey::RECENT_LOCATION), folder);

    Progress progress(this);
    progress.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const InventoryExportResult result =
        ExportInventoryFile(CDBManager::GetInstance()->GetInventoryDataBase(), folder, forScanner,
                            FollowIn(&progress, tr("Exporting stock batches...")));
    progress.close();
    if (result.outcome == InventoryExportResult::Outcome::FileError)
        QMessageBox::warning(this, tr("Export"), result.message);
    else
        QMessageBox::information(this, tr("Export"), result.message);
}

void MainWindow::ImportProductData(bool withCodes)
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QString fileName = QFileDialog::getOpenFileName(
        this, tr("Open File"),
        Utility::GetInstance()->ReadString(QString::fromLatin1(SettingKey::RECENT_LOCATION)),
        tr("Data Files (*.txt *.csv)"));
    if (fileName.isEmpty())
        return;
    settings->setValue(QString::fromLatin1(SettingKey::RECENT_LOCATION), fileName);

    Progress progress(this);
    progress.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const ProductImportResult result =
        ImportProductFile(CDBManager::GetInstance()->GetInventoryDataBase(), fileName, withCodes,
                          FollowIn(&progress, tr("Importing product data...")));
    progress.close();
    // The home screen's product count follows the import.
    if (auto* home = qobject_cast<HomeScreen*>(centralWidget()))
        home->RefreshOverview();
    if (result.ok)
        QMessageBox::information(this, tr("Import"), result.message);
    else
        QMessageBox::warning(this, tr("Import"), result.message);
}

void MainWindow::on_pushPointOfSale_clicked()
{
    LaunchPointOfSale();
}

void MainWindow::on_actionLanuch_POS_triggered()
{
    LaunchPointOfSale();
}

void MainWindow::LaunchPointOfSale()
{
    // The till's payment commits over both stores through the inventory connection; a list of
    // the screen behind it that still reads sales as it scrolls would hold the sales store and
    // make that commit wait. The home screen's figures are single queries.
    ShowHomeScreen();
    QPOSDialog dialog(this, true);
    dialog.setModal(true);
    auto* layout = new QGridLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new CPOS(&dialog), 0, 0);
    dialog.exec();
    qDebug() << "POS Closed";
}

void MainWindow::on_actionManage_Users_triggered()
{
    RunModal<ManageUsers>(this);
}

void MainWindow::on_actionSettings_triggered()
{
    RunModal<Settings>(this);
    ApplyStoredTheme();
}

void MainWindow::on_pushSettings_clicked()
{
    on_actionSettings_triggered();
}

void MainWindow::on_actionAbout_Merchora_Lite_triggered()
{
    RunModal<AboutDialog>(this);
}

// --- navigator ------------------------------------------------------------------------------

void MainWindow::on_action_Hide_Navigator_triggered()
{
    ui->dockNavigator->hide();
    ui->action_Hide_Navigator->setEnabled(false);
    ui->action_Show_Navigator->setEnabled(true);
}

void MainWindow::on_action_Show_Navigator_triggered()
{
    ui->dockNavigator->show();
    ui->action_Show_Navigator->setEnabled(false);
    ui->action_Hide_Navigator->setEnabled(true);
}

void MainWindow::on_dockNavigator_visibilityChanged(bool visible)
{
    ui->action_Hide_Navigator->setEnabled(visible);
    ui->action_Show_Navigator->setEnabled(!visible);
}

void MainWindow::on_dockNavigator_destroyed() {}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Keep an open dialog centred over the window.
    for (QObject* child : children()) {
        if (auto* dialog = qobject_cast<QDialog*>(child)) {
            CentreWindowOn(dialog, this);
            break;
        }
    }
}
