#include "widgets/errordialog.h"
#include "ui_errordialog.h"

#include "core/utility.h"

#include <QScroller>
#include <QSettings>

ErrorDialog::ErrorDialog(const QString& messageKey, const QString& title, const QString& text,
                         QWidget* parent, bool alwaysShow)
    : MerchoraDialog(parent), ui(new Ui::ErrorDialog), m_messageKey(messageKey),
      m_alwaysShow(alwaysShow)
{
    ui->setupUi(this);
    setWindowTitle(title);
    ui->txtMessage->setPlainText(text);
    ui->txtMessage->setStyleSheet(
        QStringLiteral("QTextEdit\n{\n   max-height:1000;\n  font-size:15px;\n}"));
    QScroller::grabGesture(ui->txtMessage->viewport(), QScroller::LeftMouseButtonGesture);
    if (m_alwaysShow)
        ui->frameCheckBox->hide();
}

ErrorDialog::~ErrorDialog()
{
    delete ui;
}

int ErrorDialog::exec()
{
    if (m_alwaysShow)
        return MerchoraDialog::exec();
    const bool silenced = Utility::GetInstance()->ReadBool(m_messageKey);
    if (silenced)
        close();
    else
        MerchoraDialog::exec();
    return 1;
}

void ErrorDialog::on_pushButton_clicked()
{
    if (!m_alwaysShow)
        Utility::GetInstance()->GetSettings()->setValue(m_messageKey,
                                                        ui->checkNotShow->isChecked() ? 1 : 0);
    close();
}
