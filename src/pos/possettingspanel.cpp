#include "pos/possettingspanel.h"

#include "pos/possettings.h"

QWidget* CreatePosSettingsPanel(QWidget* parent)
{
    return new POSSettings(parent);
}

void SavePosSettingsPanel(QWidget* panel)
{
    if (auto* page = qobject_cast<POSSettings*>(panel))
        page->Save();
}
