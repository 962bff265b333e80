#include "pos/possettings.h"
#include "ui_possettings.h"

#include "core/utility.h"
#include "pos/posbuttons.h"

#include <QSettings>

POSSettings::POSSettings(QWidget* parent) : QScrollArea(parent), ui(new Ui::POSSettings)
{
    ui->setupUi(this);
    ui->spinRows->setValue(ReadPosGridRows());
    ui->spinCols->setValue(ReadPosGridColumns());
}

POSSettings::~POSSettings()
{
    delete ui;
}

void POSSettings::Save()
{
    QSettings* settings = Utility::GetInstance()->GetSettings();
    settings->setValue(QString::fromLatin1(SettingKey::POS_ROWS), ui->spinRows->value());
    settings->setValue(QString::fromLatin1(SettingKey::POS_COLUMNS), ui->spinCols->value());
}
