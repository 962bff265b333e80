#ifndef QPOSDIALOG_H
#define QPOSDIALOG_H

#include <QDialog>

// The modal frame of the sales screen: full screen when asked, and deaf to every key so that
// Escape or Enter from a scanner can never close or accept it.
class QPOSDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QPOSDialog(QWidget* parent = nullptr, bool fullScreen = false);

    bool IsFullScreenDialog() const { return m_fullScreen; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_fullScreen;
};

#endif // QPOSDIALOG_H
