#include "widgets/qposdialog.h"

#include <QKeyEvent>
#include <QShowEvent>

QPOSDialog::QPOSDialog(QWidget* parent, bool fullScreen) : QDialog(parent), m_fullScreen(fullScreen)
{
}

void QPOSDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_fullScreen && !isFullScreen())
        setWindowState(windowState() | Qt::WindowFullScreen);
}

void QPOSDialog::keyPressEvent(QKeyEvent* event)
{
    // The sales screen handles its own keys; the frame ignores them all.
    event->accept();
}
