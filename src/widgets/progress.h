#ifndef PROGRESS_H
#define PROGRESS_H

#include <QDialog>

class QLabel;
class QProgressBar;

// Busy indicator shown, non-modally, while a long import or export runs.
class Progress : public QDialog
{
    Q_OBJECT

public:
    explicit Progress(QWidget* parent = nullptr, const QString& text = QString());

    QString Text() const;
    // Shows what is being done and how far it is: value of maximum steps, or the busy animation
    // when maximum is 0.
    void SetStep(const QString& text, int value = 0, int maximum = 0);

private:
    QLabel* m_label;
    QProgressBar* m_bar;
};

#endif // PROGRESS_H
