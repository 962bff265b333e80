#ifndef TAXSETTINGS_H
#define TAXSETTINGS_H

#include <QScrollArea>

namespace Ui {
class TaxSettings;
}

// Settings page for sales tax: on or off, its name and the three rates A, B and C. Loads from
// the settings when built; writes them only through ValidateAndSave().
class TaxSettings : public QScrollArea
{
    Q_OBJECT

public:
    explicit TaxSettings(QWidget* parent = nullptr);
    ~TaxSettings() override;

    // Checks rates A, B and C (also when tax is off). At the first invalid one shows why and
    // stores nothing; otherwise stores the rates, the name and the switch. True when it stored.
    bool ValidateAndSave();

private:
    Ui::TaxSettings* ui;
};

#endif // TAXSETTINGS_H
