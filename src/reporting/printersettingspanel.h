#ifndef PRINTERSETTINGSPANEL_H
#define PRINTERSETTINGSPANEL_H

class QWidget;

// The printer settings page as the settings dialog hosts it: the page is built loaded from the
// settings, listing the installed printers, and writes the settings only when saved.
QWidget* CreatePrinterSettingsPanel(QWidget* parent);
// Saves a page made by CreatePrinterSettingsPanel(); does nothing for any other widget.
void SavePrinterSettingsPanel(QWidget* panel);

#endif // PRINTERSETTINGSPANEL_H
