#include "reporting/printersettingspanel.h"

#include "reporting/printersettings.h"

QWidget* CreatePrinterSettingsPanel(QWidget* parent)
{
    return new PrinterSettings(parent);
}

void SavePrinterSettingsPanel(QWidget* panel)
{
    if (auto* page = qobject_cast<PrinterSettings*>(panel))
        page->Save();
}
