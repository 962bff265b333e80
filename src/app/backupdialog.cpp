#include "app/backupdialog.h"
#include "ui_backupdialog.h"

#include "app/managedatabases.h"
#include "core/storebackup.h"
#include "core/utility.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSettings>

Backupdialog::Backupdialog(QWidget* parent) : MerchoraDialog(parent), ui(new Ui::Backupdialog)
{
    ui->setupUi(this);
}

Backupdialog::~Backupdialog()
{
    delete ui;
}

void Backupdialog::on_pushButtonSelect_clicked()
{
    ChooseFolderInto(this, ui->lineEditDestination);
}

void Backupdialog::on_pushButtonBackup_clicked()
{
    // An empty destination would copy into whatever the current folder happens to be.
    if (ui->lineEditDestination->text().trimmed().isEmpty()) {
        QMessageBox::information(this, tr("Backup"),
                                 tr("Please select destination folder for backup"));
        on_pushButtonSelect_clicked();
        if (ui->lineEditDestination->text().trimmed().isEmpty())
            return;
    }
    const QString destination = StoreBackup::AbsoluteFolder(ui->lineEditDestination->text());

    QSettings* settings = Utility::GetInstance()->GetSettings();
    const QString inventoryKey = QString::fromLatin1(SettingKey::INVENTORY_DATA_FOLDER_PATH);
    const QString salesKey = QString::fromLatin1(SettingKey::SALES_DATA_FOLDER_PATH);
    const QString inventoryFolder =
        settings->contains(inventoryKey) ? settings->value(inventoryKey).toString() : QString();
    const QString salesFolder =
        settings->contains(salesKey) ? settings->value(salesKey).toString() : QString();
    const bool sameFolder =
        StoreBackup::FoldersToBackUp(inventoryFolder, salesFolder).size() == 1 &&
        !inventoryFolder.isEmpty() && !salesFolder.isEmpty();

    bool inventoryDone = false;
    if (!inventoryFolder.isEmpty()) {
        inventoryDone = CopyFolder(inventoryFolder, destination);
        if (inventoryDone)
            QMessageBox::information(this, tr("Backup"),
                                     tr("Inventory Backup operation completed successfully"));
    }
    if (!salesFolder.isEmpty()) {
        // Both stores in one folder: its files were copied with the inventory.
        const bool salesDone = sameFolder ? inventoryDone : CopyFolder(salesFolder, destination);
        if (salesDone)
            QMessageBox::information(this, tr("Backup"),
                                     tr("Sales Backup operation completed successfully"));
    }
}

bool Backupdialog::CopyFolder(const QString& folder, const QString& destination)
{
    // The progress is not modal (this dialog is); the buttons stay off while events run.
    ui->pushButtonBackup->setEnabled(false);
    ui->pushButtonSelect->setEnabled(false);
    ui->pushButtonClose->setEnabled(false);
    QProgressDialog progress(this);
    progress.setMinimumDuration(0);
    progress.setStyleSheet(QStringLiteral(
        "QProgressBar { border: 2px solid grey; border-radius: 8px; text-align: center; }"
        "QProgressBar::chunk { background-color: #ffa02f; border-radius: 6px; width: 20px; "
        "font-size: 15px; }"));

    StoreBackup::CopyCallbacks callbacks;
    callbacks.progress = [&progress](int number, int total) {
        progress.setValue(qMin(100, (number - 1) * 100 / qMax(1, total)));
        progress.setLabelText(tr("Copying file number %2 of %3 ").arg(number).arg(total));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    callbacks.failed = [this](const QString& source, const QString& target) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, tr("Question"),
            tr("Cannot copy <b>%1</b> <p>to <b>%2</b><p>This file will be ignored, just press "
               "<b>Yes</b> button<p>Press <b>YesToAll</b> button to ignore other warnings "
               "automatically...<p>Or press <b>Abort</b> to cancel backup operation")
                .arg(source.toHtmlEscaped(), target.toHtmlEscaped()),
            QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::Abort);
        if (answer == QMessageBox::Yes)
            return StoreBackup::Answer::Skip;
        if (answer == QMessageBox::YesToAll)
            return StoreBackup::Answer::SkipAll;
        QMessageBox::information(
            this, tr("Backup"),
            tr("Backup operation was cancelled and did not complete successfully"));
        return StoreBackup::Answer::Abort;
    };
    const StoreBackup::Outcome outcome = StoreBackup::CopyFolder(folder, destination, callbacks);
    progress.setValue(progress.maximum());
    ui->pushButtonBackup->setEnabled(true);
    ui->pushButtonSelect->setEnabled(true);
    ui->pushButtonClose->setEnabled(true);
    return outcome == StoreBackup::Outcome::Completed;
}

void Backupdialog::on_pushButtonClose_clicked()
{
    close();
}
