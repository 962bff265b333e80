#ifndef WELCOMEDIALOG_H
#define WELCOMEDIALOG_H

#include "widgets/merchoradialog.h"

namespace Ui {
class WelcomeDialog;
}

// The frameless welcome picture shown at the first start.
class WelcomeDialog : public MerchoraDialog
{
    Q_OBJECT

public:
    explicit WelcomeDialog(QWidget* parent = nullptr);
    ~WelcomeDialog() override;

private Q_SLOTS:
    void on_pushButton_clicked();

private:
    Ui::WelcomeDialog* ui;
};

#endif // WELCOMEDIALOG_H
