#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "core/DBManager.h"

#include <QMainWindow>

namespace Ui {
class MainWindow;
}

class QLabel;

// The frame of the program: menus, tool bars, the navigator with the two database status
// buttons, and a central area that shows one screen at a time.
class MainWindow : public QMainWindow, public DataBaseStatusListener
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Called by the database manager on every change of the two connection states.
    void UpdateDataBaseStatus(bool inventoryConnected, bool salesConnected) override;
    // A refused or damaged database file: an information box over this window.
    void ReportDataBaseProblem(const QString& title, const QString& text) override;

    void ApplyDarkTheme();
    void ApplyLightTheme();
    // The theme stored under "theme": dark for "dark", light for anything else.
    void ApplyStoredTheme();

    // Makes a new home screen the central widget.
    void ShowHomeScreen();

    // The settings dialog followed by the stored theme; the home screen's Settings button.
    void on_pushSettings_clicked();

public Q_SLOTS:
    void on_actionHome_triggered();
    void on_pushProductManagement_clicked();
    void on_actionManageProducts_triggered();
    void on_actionAdd_New_Product_triggered();
    void on_pushInventoryManagement_clicked();
    void on_actionManage_Inventory_triggered();
    void on_actionAdd_New_Batch_triggered();
    void on_pushPurchaseManagement_clicked();
    void on_actionManage_Purchase_triggered();
    void on_actionAdd_New_Purchase_Order_triggered();
    void on_pushSalesManagement_clicked();
    void on_actionManage_Sales_triggered();
    void on_pushReportManagement_clicked();
    void on_actionReports_Management_triggered();
    void on_pushPointOfSale_clicked();
    void on_actionLanuch_POS_triggered();
    void on_actionManage_Users_triggered();
    void on_actionManage_Categories_triggered();
    void on_actionManage_Vendors_triggered();
    void on_actionManager_Customers_triggered();
    void on_actionSettings_triggered();
    void on_action_Backup_triggered();
    void on_actionDatabases_triggered();
    void on_actionAbout_Merchora_Lite_triggered();
    void on_actionNormal_Export_triggered();
    void on_actionExport_for_Scanner_triggered();
    void on_actionImport_with_Codes_triggered();
    void on_actionImport_without_Codes_triggered();
    void on_actionLogin_triggered();
    void on_actionLogout_triggered();
    void on_actionExit_triggered();
    void on_action_Dark_Theme_triggered();
    void on_action_Light_Theme_triggered();
    void on_action_Hide_Navigator_triggered();
    void on_action_Show_Navigator_triggered();
    void on_dockNavigator_visibilityChanged(bool visible);
    void on_dockNavigator_destroyed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Makes the screen the central widget; the previous one is deleted.
    void SetCentralScreen(QWidget* screen);
    void ApplyTheme(bool dark);
    void EnterLockedState();
    void EnterFullAccess();
    void EnterRestrictedAccess();
    void ToggleLoginActions();
    void SetMenusAndToolBarsEnabled(bool enabled);
    void LaunchPointOfSale();
    // Writes the name and bar code of every stock batch to a CSV file in a folder the user
    // chooses; for a scanner the bar codes get the start and stop characters of Code 39.
    void InventoryExport(bool forScanner);
    // Creates categories and products from a CSV file the user chooses.
    void ImportProductData(bool withCodes);

    Ui::MainWindow* ui;
    bool m_uiReady = false;
};

#endif // MAINWINDOW_H
