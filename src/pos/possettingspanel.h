#ifndef POSSETTINGSPANEL_H
#define POSSETTINGSPANEL_H

class QWidget;

// The point-of-sale settings page as the settings dialog hosts it: the page is built loaded from
// the settings and writes them only when saved.
QWidget* CreatePosSettingsPanel(QWidget* parent);
// Saves a page made by CreatePosSettingsPanel(); does nothing for any other widget.
void SavePosSettingsPanel(QWidget* panel);

#endif // POSSETTINGSPANEL_H
