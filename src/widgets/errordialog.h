#ifndef ERRORDIALOG_H
#define ERRORDIALOG_H

#include "widgets/merchoradialog.h"

namespace Ui {
class ErrorDialog;
}

// An advisory message with a "Do not show this message again" box whose answer is remembered
// per message under its own settings key.
class ErrorDialog : public MerchoraDialog
{
    Q_OBJECT

public:
    ErrorDialog(const QString& messageKey, const QString& title, const QString& text,
                QWidget* parent = nullptr, bool alwaysShow = false);
    ~ErrorDialog() override;

public Q_SLOTS:
    // Shows the message unless its key says it is silenced; 1 unless always shown.
    int exec() override;

private Q_SLOTS:
    void on_pushButton_clicked();

private:
    Ui::ErrorDialog* ui;
    QString m_messageKey;
    bool m_alwaysShow;
};

#endif // ERRORDIALOG_H
