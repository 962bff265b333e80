#ifndef SETTINGS_H
#define SETTINGS_H

#include "widgets/merchoradialog.h"

namespace Ui {
class Settings;
}

class TaxSettings;

// The general settings dialog: general options and company details on its own two tabs, and
// the tax, printer and point-of-sale pages on the next three. Nothing is stored before OK.
class Settings : public MerchoraDialog
{
    Q_OBJECT

public:
    enum Tab
    {
        GeneralTab = 0,
        CompanyTab = 1,
        TaxTab = 2,
        PrinterTab = 3,
        PosTab = 4
    };

    explicit Settings(QWidget* parent = nullptr);
    ~Settings() override;

public Q_SLOTS:
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();
    void on_selectImage_clicked();
    void on_pudhWhatIsSubItemsMode_clicked();
    void on_pushConfigure_clicked();
    void on_pushDatabases_clicked();
    void on_pushSelectImagesFolder_clicked();

private:
    void Load();
    void SaveLanguage();

    Ui::Settings* ui;
    TaxSettings* m_taxPage = nullptr;
    QWidget* m_printerPage = nullptr;
    QWidget* m_posPage = nullptr;
};

#endif // SETTINGS_H
