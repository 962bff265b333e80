#include "app/mainwindow.h"
#include "core/DBManager.h"
#include "core/translations.h"
#include "core/utility.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(APPLICATION_NAME));
    QApplication::setOrganizationName(QString::fromLatin1(ORGANIZATION_NAME));
    QApplication::setApplicationVersion(QString::fromLatin1(APP_VERSION));
    // The installed desktop entry's name, so that a desktop shows its icon for our windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.merchora.merchoralite"));

    // The texts' language: the one chosen in the settings, otherwise the system's.
    Translations::Install(&app, Translations::ChooseForThisUser());

    // The window starts locked; at the first start its construction also runs the welcome
    // dialog and the login step.
    MainWindow window;
    Utility* utility = Utility::GetInstance();
    utility->SetMainWindow(&window);

    // Without configured databases the program starts with the sample pair. Both are made
    // before the home screen reads its figures from them.
    QSettings* settings = utility->GetSettings();
    CDBManager* manager = CDBManager::GetInstance();
    bool showHome = false;
    if (settings->value(QString::fromLatin1(SettingKey::ACTIVE_INVENTORY_DB))
            .toString()
            .isEmpty()) {
        manager->CloseInventoryDataBase();
        manager->CreateSampleInventoryDB();
        showHome = true;
    }
    if (settings->value(QString::fromLatin1(SettingKey::ACTIVE_SALES_DB)).toString().isEmpty()) {
        manager->CloseSalesDataBase();
        manager->CreateSampleSalesDB();
    }
    if (showHome)
        window.ShowHomeScreen();

    window.show();
    return app.exec();
}
