#ifndef PRINTERSETTINGS_H
#define PRINTERSETTINGS_H

#include <QPair>
#include <QScrollArea>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace Ui {
class PrinterSettings;
}

// Settings page for the receipt and report printers, the PDF switches, the ticket page and the
// ticket logo. Loads from the settings when built; writes them only when Save() is called.
class PrinterSettings : public QScrollArea
{
    Q_OBJECT

public:
    // Lists the printers installed on this machine.
    explicit PrinterSettings(QWidget* parent = nullptr);
    // Lists the given printer names instead, in their order (lets tests stand in for printers).
    PrinterSettings(const QStringList& printerNames, QWidget* parent);
    ~PrinterSettings() override;

    // The keys and values Save() writes, in the order it writes them.
    QVector<QPair<QString, QVariant>> ValuesToSave() const;
    void Save();

    static QStringList InstalledPrinterNames();

private:
    void Load(const QStringList& printerNames);

    Ui::PrinterSettings* ui;
};

#endif // PRINTERSETTINGS_H
