#ifndef REPORTSMANAGEMENT_H
#define REPORTSMANAGEMENT_H

#include <QDate>
#include <QScrollArea>

namespace Ui {
class ReportsManagement;
}

// The reports screen: three stock reports (expiring, low in stock, out of stock) and three sales
// reports (last 7 days, last 30 days, a chosen range), each shown in the report viewer.
class ReportsManagement : public QScrollArea
{
    Q_OBJECT

public:
    explicit ReportsManagement(QWidget* parent = nullptr);
    ~ReportsManagement() override;

    // The day the periods and expiry limits count from; an invalid date (the default) means the
    // current date.
    void SetToday(const QDate& today) { m_today = today; }

private Q_SLOTS:
    void on_buttonInventoryView_clicked();
    void on_buttonSaleView_clicked();

private:
    QDate Today() const;

    Ui::ReportsManagement* ui;
    QDate m_today;
};

#endif // REPORTSMANAGEMENT_H
