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

// A modal dialog that shows one screen (a picker or a list) filling it, as the screens open each
// other: a title, a size and a parent (the main window when none is given).
class ScreenDialog : public MerchoraDialog
{
    Q_OBJECT

public:
    ScreenDialog(QWidget* parent, const QString& title, const QSize& size);
    // Places the screen, built with this dialog as its parent, and returns it.
    template <typename Screen> Screen* SetScreen(Screen* screen)
    {
        AddScreen(screen);
        return screen;
    }

private:
    void AddScreen(QWidget* screen);
};

#endif // MERCHORADIALOG_H
