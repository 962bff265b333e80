#include "app/welcomedialog.h"
#include "ui_welcomedialog.h"

#include "core/utility.h"

#include <QSettings>

WelcomeDialog::WelcomeDialog(QWidget* parent)
    : MerchoraDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new Ui::WelcomeDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // The picture has a fixed pixel size, so the check box text gets a pixel size that fits the
    // bottom row beside "Close".
    setStyleSheet(QStringLiteral("QDialog {border-image:url(:/resources/images/welcom_lite.png);} "
                                 "QCheckBox {background:transparent;  color:black;} "
                                 "QCheckBox {font-size:12px;}"));
}

WelcomeDialog::~WelcomeDialog()
{
    delete ui;
}

void WelcomeDialog::on_pushButton_clicked()
{
    // Ticking the box ends the first-start welcome and settings dialogs for good.
    if (ui->checkBox->isChecked())
        Utility::GetInstance()->GetSettings()->setValue(
            QString::fromLatin1(SettingKey::FIRST_TIME_START), 0);
    close();
}
