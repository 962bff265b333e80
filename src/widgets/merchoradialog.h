#ifndef MERCHORADIALOG_H
#define MERCHORADIALOG_H

#include <QDialog>

// Moves a window so that its centre lies on the centre of another widget.
void CentreWindowOn(QWidget* window, const QWidget* over);

// Base of the program's dialogs: keeps the dialog centred over its parent whenever it is shown
// or resized.
class MerchoraDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MerchoraDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

#endif // MERCHORADIALOG_H
