#include "app/homescreen.h"
#include "ui_homescreen.h"

#include "app/mainwindow.h"
#include "core/homeoverview.h"

#include <QPointer>
#include <QScroller>

HomeScreen::HomeScreen(QWidget* parent, MainWindow* mainWindow)
    : QScrollArea(parent), ui(new Ui::HomeScreen), m_mainWindow(mainWindow)
{
    ui->setupUi(this);
    // Touch screens: the dashboard scrolls by dragging with the finger (left button).
    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
    RefreshOverview();
}

HomeScreen::~HomeScreen()
{
    delete ui;
}

void HomeScreen::RefreshOverview()
{
    ShowOverview(LoadHomeOverview());
}

void HomeScreen::ShowOverview(const HomeOverview& overview)
{
    ui->labelCompanyName->setText(overview.companyName);
    ui->labelCurrencySymbol->setText(overview.currencySymbol);
    ui->labelTaxRate->setText(overview.taxRate);
    ui->labelTaxName->setText(overview.taxName);
    ui->labelCurrentUser->setText(overview.currentUser);
    ui->labelTotalProducts->setText(overview.totalProducts);
    ui->labelTotalInventory->setText(overview.totalInventory);
    ui->labelTotalVendors->setText(overview.totalVendors);
    ui->labelTotalCustomers->setText(overview.totalCustomers);
    ui->labelPurchasedInventory->setText(overview.purchasedInventory);
    ui->labelYesterdaySales->setText(overview.yesterdaySales);
    ui->labelLast7DaysSales->setText(overview.last7DaysSales);
}

void HomeScreen::Run(Operation operation)
{
    if (m_mainWindow)
        (m_mainWindow->*operation)();
}

void HomeScreen::RunAndRefresh(Operation operation)
{
    const QPointer<HomeScreen> self(this);
    MainWindow* mainWindow = m_mainWindow;
    Run(operation);
    if (!self)
        return;
    // A screen the main window has replaced waits for its deletion; it has nothing to show.
    if (mainWindow && self->parentWidget() == mainWindow && mainWindow->centralWidget() != self)
        return;
    self->RefreshOverview();
}

void HomeScreen::on_flowAddCategory_clicked()
{
    RunAndRefresh(&MainWindow::on_actionManage_Categories_triggered);
}

void HomeScreen::on_pushAddCategories_clicked()
{
    RunAndRefresh(&MainWindow::on_actionManage_Categories_triggered);
}

void HomeScreen::on_flowAddProduct_clicked()
{
    RunAndRefresh(&MainWindow::on_actionAdd_New_Product_triggered);
}

void HomeScreen::on_pushAddProducts_clicked()
{
    RunAndRefresh(&MainWindow::on_actionAdd_New_Product_triggered);
}

void HomeScreen::on_flowAddVendor_clicked()
{
    RunAndRefresh(&MainWindow::on_actionManage_Vendors_triggered);
}

void HomeScreen::on_pushVendors_clicked()
{
    RunAndRefresh(&MainWindow::on_actionManage_Vendors_triggered);
}

void HomeScreen::on_flowAddInventory_clicked()
{
    RunAndRefresh(&MainWindow::on_actionAdd_New_Batch_triggered);
}

void HomeScreen::on_pushAddInventory_clicked()
{
    RunAndRefresh(&MainWindow::on_actionAdd_New_Batch_triggered);
}

void HomeScreen::on_flowRunPos_clicked()
{
    Run(&MainWindow::on_actionLanuch_POS_triggered);
}

void HomeScreen::on_pushPurchaseOrder_clicked()
{
    Run(&MainWindow::on_actionAdd_New_Purchase_Order_triggered);
}

void HomeScreen::on_pushDatabases_clicked()
{
    Run(&MainWindow::on_actionDatabases_triggered);
}

void HomeScreen::on_pushBackup_clicked()
{
    Run(&MainWindow::on_action_Backup_triggered);
}

void HomeScreen::on_pushSettings_clicked()
{
    RunAndRefresh(&MainWindow::on_pushSettings_clicked);
}

void HomeScreen::on_pushUsers_clicked()
{
    RunAndRefresh(&MainWindow::on_actionManage_Users_triggered);
}

void HomeScreen::on_pushCustomers_clicked()
{
    RunAndRefresh(&MainWindow::on_actionManager_Customers_triggered);
}

void HomeScreen::on_pushLogout_clicked()
{
    Run(&MainWindow::on_actionLogout_triggered);
}
