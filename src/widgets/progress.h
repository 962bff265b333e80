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

private:
    QLabel* m_label;
    QProgressBar* m_bar;
};

#endif // PROGRESS_H
