#ifndef REPORTPARAMETERDIALOG_H
#define REPORTPARAMETERDIALOG_H

#include "widgets/merchoradialog.h"

#include <QDate>
#include <QString>

namespace Ui {
class ReportParameterDialog;
}

// Asks for the one parameter a report needs: a value with a prompt, or a start and an end date.
// There is no cancel: however it is closed, the report goes on (with an empty value when OK was
// not pressed).
class ReportParameterDialog : public MerchoraDialog
{
    Q_OBJECT

public:
    ReportParameterDialog(QWidget* parent, bool dateMode);
    ~ReportParameterDialog() override;

    void SetPrompt(const QString& prompt);
    QString Value() const { return m_value; }
    QDate StartDate() const;
    QDate EndDate() const;

private Q_SLOTS:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    Ui::ReportParameterDialog* ui;
    QString m_value;
};

#endif // REPORTPARAMETERDIALOG_H
