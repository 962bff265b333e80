#ifndef HOMESCREEN_H
#define HOMESCREEN_H

#include <QScrollArea>

namespace Ui {
class HomeScreen;
}

class MainWindow;
struct HomeOverview;

// The dashboard in the main window's central area: quick access tiles, the overview figures of
// the shop and the five steps of setting it up.
class HomeScreen : public QScrollArea
{
    Q_OBJECT

public:
    // The main window is not owned; its operations run behind the buttons.
    HomeScreen(QWidget* parent, MainWindow* mainWindow);
    ~HomeScreen() override;

    // Reads the overview figures again and shows them.
    void RefreshOverview();
    void ShowOverview(const HomeOverview& overview);

private Q_SLOTS:
    void on_flowAddCategory_clicked();
    void on_flowAddProduct_clicked();
    void on_flowAddVendor_clicked();
    void on_flowAddInventory_clicked();
    void on_flowRunPos_clicked();
    void on_pushDatabases_clicked();
    void on_pushAddCategories_clicked();
    void on_pushAddProducts_clicked();
    void on_pushAddInventory_clicked();
    void on_pushPurchaseOrder_clicked();
    void on_pushUsers_clicked();
    void on_pushVendors_clicked();
    void on_pushBackup_clicked();
    void on_pushSettings_clicked();
    void on_pushCustomers_clicked();
    void on_pushLogout_clicked();

private:
    using Operation = void (MainWindow::*)();
    // Runs a main-window operation. The operation may replace (and so delete) this screen, so
    // nothing of this object is touched afterwards.
    void Run(Operation operation);
    // Runs the operation, then refreshes the overview if this screen is still the one shown.
    void RunAndRefresh(Operation operation);

    Ui::HomeScreen* ui;
    MainWindow* m_mainWindow;
};

#endif // HOMESCREEN_H
