#ifndef POSSETTINGS_H
#define POSSETTINGS_H

#include <QScrollArea>

namespace Ui {
class POSSettings;
}

// Settings page for the size of the sales screen's button grid. The sales screen reads the two
// values when it is built, so a change shows the next time it is opened.
class POSSettings : public QScrollArea
{
    Q_OBJECT

public:
    explicit POSSettings(QWidget* parent = nullptr);
    ~POSSettings() override;

    // Writes "POS_ROWS", then "POS_COLUMNS".
    void Save();

private:
    Ui::POSSettings* ui;
};

#endif // POSSETTINGS_H
