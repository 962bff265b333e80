#ifndef VENDORDIRECTORY_H
#define VENDORDIRECTORY_H

class QWidget;

// The vendor directory as other screens open it: lets the user add, change or remove vendors in a
// modal dialog over parent and returns when it is closed. The caller reloads its own vendor list.
void OpenVendorDirectory(QWidget* parent);

#endif // VENDORDIRECTORY_H
