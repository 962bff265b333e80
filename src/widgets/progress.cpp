#include "widgets/progress.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

Progress::Progress(QWidget* parent, const QString& text)
    : QDialog(parent), m_label(new QLabel(this)), m_bar(new QProgressBar(this))
{
    auto* layout = new QVBoxLayout(this);
    m_label->setText(text.isEmpty() ? tr("Please wait...") : text);
    m_label->setAlignment(Qt::AlignCenter);
    m_bar->setRange(0, 0);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    setStyleSheet(QStringLiteral("QProgressBar { border: 2px solid grey; border-radius: 8px; "
                                 "min-height: 50px; max-height: 100px; min-width: 400px; "
                                 "max-width: 600px; text-align: center; }"
                                 "QProgressBar::chunk { background-color: #ffa02f; "
                                 "border-radius: 6px; width: 20px; }"));
    setWindowTitle(m_label->text());
}

QString Progress::Text() const
{
    return m_label->text();
}

void Progress::SetStep(const QString& text, int value, int maximum)
{
    m_label->setText(text);
    m_bar->setRange(0, maximum);
    m_bar->setValue(value);
}
