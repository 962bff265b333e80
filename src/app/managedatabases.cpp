#include "app/managedatabases.h"
#include "ui_managedatabases.h"

#include "core/DBManager.h"
#include "core/storebackup.h"
#include "core/utility.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>

namespace {

QSettings* Settings()
{
    return Utility::GetInstance()->GetSettings();
}

QString Read(const char* key)
{
    return Settings()->value(QString::fromLatin1(key), QString()).toString();
}

void Write(const char* key, const QString& value)
{
    Settings()->setValue(QString::fromLatin1(key), value);
}

} // namespace

void ChooseFolderInto(QWidget* parent, QLineEdit* edit)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setDirectory(Read(SettingKey::RECENT_LOCATION));
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = QDir(dialog.selectedFiles().constFirst()).absolutePath();
    edit->setText(folder);
    Write(SettingKey::RECENT_LOCATION, folder);
}

ManageDatabases::ManageDatabases(QWidget* parent)
    : MerchoraDialog(parent), ui(new Ui::ManageDatabases)
{
    ui->setupUi(this);
    InitializeDataBaseInfo();
}

ManageDatabases::~ManageDatabases()
{
    delete ui;
}

void ManageDatabases::InitializeDataBaseInfo()
{
    const QString prefix = tr("ACTIVE DATABASE : ");
    const QString sales = Read(SettingKey::ACTIVE_SALES_DB);
    ui->labelActiveSalesDB->setText(sales.isEmpty()
                                        ? tr("No Active Sales Database")
                                        : prefix + Read(SettingKey::SALES_DATA_FOLDER_PATH) +
                                              QLatin1Char('/') + sales);
    const QString inventory = Read(SettingKey::ACTIVE_INVENTORY_DB);
    ui->labelActiveInventoryDB->setText(
        inventory.isEmpty()
            ? tr("No Active Inventory Database")
            : prefix + Read(SettingKey::INVENTORY_DATA_FOLDER_PATH) + QLatin1Char('/') + inventory);
}

void ManageDatabases::on_pushButtonSelect_clicked()
{
    ChooseFolderInto(this, ui->lineEditSalesFolder);
}

void ManageDatabases::on_pushInventoryFolderSelect_clicked()
{
    ChooseFolderInto(this, ui->lineEditInventoryFolder);
}

void ManageDatabases::on_pushButtonBackup_clicked()
{
    Write(SettingKey::SALES_DATA_FOLDER_PATH,
          StoreBackup::AbsoluteFolder(ui->lineEditSalesFolder->text()));
    CDBManager* manager = CDBManager::GetInstance();
    manager->CloseSalesDataBase();
    if (manager->CreateSalesDB()) {
        QMessageBox::information(this, tr("Sales Database"),
                                 tr("New Sales Database created successfully"));
        InitializeDataBaseInfo();
    } else {
        QMessageBox::information(this, tr("Error"), tr("Can not create new database "));
    }
}

void ManageDatabases::on_pushCreateInventoryDB_clicked()
{
    Write(SettingKey::INVENTORY_DATA_FOLDER_PATH,
          StoreBackup::AbsoluteFolder(ui->lineEditInventoryFolder->text()));
    CDBManager* manager = CDBManager::GetInstance();
    manager->CloseInventoryDataBase();
    if (manager->CreateInventoryDB()) {
        QMessageBox::information(this, tr("Databases"),
                                 tr("New Inventory Database created successfully"));
        InitializeDataBaseInfo();
    } else {
        QMessageBox::information(this, tr("Error"), tr("Can not create new database "));
    }
}

void ManageDatabases::on_pushSelectSalesDB_clicked()
{
    SelectExisting(false);
}

void ManageDatabases::on_pushSelectInventoryDB_clicked()
{
    SelectExisting(true);
}

void ManageDatabases::SelectExisting(bool inventory)
{
    QString start = Read(SettingKey::RECENT_LOCATION);
    if (start.isEmpty())
        start = QStringLiteral("/home");
    const QString path = QFileDialog::getOpenFileName(this, tr("Select Database"), start,
                                                      tr("Databases (*.mercdb)"));
    if (path.isEmpty())
        return;
    Write(SettingKey::RECENT_LOCATION, path);

    const QString version =
        QString::fromLatin1(inventory ? INVENTORY_DB_VERSION : SALES_DB_VERSION);
    // A damaged file is refused like a file of another version: the program could not use it.
    if (StoreBackup::CheckStoreFile(path, version) != StoreBackup::StoreCheck::Valid) {
        QMessageBox::information(this, inventory ? tr("Inventory Database") : tr("Sales Database"),
                                 tr("This is not a valid database for this version. Please select "
                                    "another database, or create a new database."));
        return;
    }
    const QFileInfo file(path);
    CDBManager* manager = CDBManager::GetInstance();
    if (inventory) {
        Write(SettingKey::INVENTORY_DATA_FOLDER_PATH, file.absolutePath());
        Write(SettingKey::ACTIVE_INVENTORY_DB, file.fileName());
        manager->CloseInventoryDataBase();
    } else {
        Write(SettingKey::SALES_DATA_FOLDER_PATH, file.absolutePath());
        Write(SettingKey::ACTIVE_SALES_DB, file.fileName());
        manager->CloseSalesDataBase();
    }
    InitializeDataBaseInfo();
}

void ManageDatabases::on_pushButtonClose_clicked()
{
    close();
}
