#include "reporting/reportparameterdialog.h"
#include "ui_reportparameterdialog.h"

#include "core/utility.h"

ReportParameterDialog::ReportParameterDialog(QWidget* parent, bool dateMode)
    : MerchoraDialog(parent), ui(new Ui::ReportParameterDialog)
{
    ui->setupUi(this);
    ui->groupBox->setVisible(!dateMode);
    ui->groupBox_Dates->setVisible(dateMode);
    const QString format = Utility::GetInstance()->GetDateFormat();
    for (QDateEdit* edit : {ui->dateEditStart, ui->dateEditEnd}) {
        edit->setDisplayFormat(format);
        edit->setDate(QDate::currentDate());
    }
    resize(435, 228);
    adjustSize();
}

ReportParameterDialog::~ReportParameterDialog()
{
    delete ui;
}

void ReportParameterDialog::SetPrompt(const QString& prompt)
{
    ui->label->setText(prompt);
    adjustSize();
}

QDate ReportParameterDialog::StartDate() const
{
    return ui->dateEditStart->date();
}

QDate ReportParameterDialog::EndDate() const
{
    return ui->dateEditEnd->date();
}

void ReportParameterDialog::on_pushButton_clicked()
{
    m_value = ui->lineEditValue->text();
    close();
}

void ReportParameterDialog::on_pushButton_2_clicked()
{
    close();
}
