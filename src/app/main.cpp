#include "DBManager.h"
#include "utility.h"
#include "welcomedialog.h"

#include <QApplication>
#include <QLabel>
#include <QSettings>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(APPLICATION_NAME));
    QApplication::setOrganizationName(QString::fromLatin1(ORGANIZATION_NAME));
    QApplication::setApplicationVersion(QString::fromLatin1(APP_VERSION));

    Utility* utility = Utility::GetInstance();
    QSettings* settings = utility->GetSettings();

    QLabel window;
    window.setWindowTitle(QString::fromLatin1(PRODUCT_DISPLAY_NAME));
    window.setAlignment(Qt::AlignCenter);
    window.resize(800, 500);
    utility->SetMainWindow(&window);

    if (utility->ReadInt(QString::fromLatin1(SettingKey::FIRST_TIME_START)) != 0) {
        WelcomeDialog welcome(&window);
        welcome.setModal(true);
        welcome.exec();
    }

    CDBManager* manager = CDBManager::GetInstance();
    if (settings->value(QString::fromLatin1(SettingKey::ACTIVE_INVENTORY_DB), QString())
            .toString()
            .isEmpty()) {
        manager->CloseInventoryDataBase();
        manager->CreateSampleInventoryDB();
    }
    if (settings->value(QString::fromLatin1(SettingKey::ACTIVE_SALES_DB), QString())
            .toString()
            .isEmpty()) {
        manager->CloseSalesDataBase();
        manager->CreateSampleSalesDB();
    }

    manager->GetInventoryDataBase();
    manager->GetSalesDataBase();
    window.setText(QStringLiteral("<h1>%1</h1><p>Inventory database: %2</p><p>Sales database: %3</p>")
                       .arg(QString::fromLatin1(PRODUCT_DISPLAY_NAME),
                            manager->IsInventoryConnected() ? QStringLiteral("CONNECTED")
                                                            : QStringLiteral("DISCONNECTED"),
                            manager->IsSalesConnected() ? QStringLiteral("CONNECTED")
                                                        : QStringLiteral("DISCONNECTED")));
    window.show();
    return app.exec();
}
