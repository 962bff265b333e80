#include "widgets/merchoradialog.h"

#include "core/utility.h"

#include <QGridLayout>
#include <QResizeEvent>
#include <QShowEvent>

void CentreWindowOn(QWidget* window, const QWidget* over)
{
    if (!window || !over)
        return;
    const QPoint overCentre = over->mapToGlobal(over->rect().center());
    const QPoint ownCentre = window->mapToGlobal(window->rect().center());
    window->move(window->pos() + (overCentre - ownCentre));
}

MerchoraDialog::MerchoraDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

void MerchoraDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    CentreWindowOn(this, parentWidget());
}

void MerchoraDialog::showEvent(QShowEvent* event)
{
    activateWindow();
    QDialog::showEvent(event);
    CentreWindowOn(this, parentWidget());
}

ScreenDialog::ScreenDialog(QWidget* parent, const QString& title, const QSize& size)
    : MerchoraDialog(parent ? parent : Utility::GetInstance()->GetMainWindow())
{
    setWindowTitle(title);
    setModal(true);
    new QGridLayout(this);
    resize(size);
}

void ScreenDialog::AddScreen(QWidget* screen)
{
    layout()->addWidget(screen);
}
