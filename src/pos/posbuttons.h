#ifndef POSBUTTONS_H
#define POSBUTTONS_H

#include <QCoreApplication>
#include <QList>
#include <QPushButton>
#include <QSqlDatabase>
#include <QString>

#include <functional>

class QGridLayout;

// One product button of the sales screen, copied from the inventory database.
struct PosButtonInfo
{
    QString barCode;
    QString productName;
    QString imageFile;
    int categoryId = 0;
};

// A product button that carries the barcode of its stock batch; pressing it enters the barcode
// as if it had been scanned.
class CPosButton : public QPushButton
{
    Q_OBJECT

public:
    CPosButton(const QString& text, QWidget* parent, const QString& barCode);
    QString GetBarCode() const { return m_barCode; }

private:
    QString m_barCode;
};

// Rows and columns of the button grid from "POS_ROWS"/"POS_COLUMNS" (default 4), kept to 1..8 so
// that a damaged settings store cannot make an empty page.
int ReadPosGridRows();
int ReadPosGridColumns();

// The buttons of every batch marked for the sales screen, in query order. A failing query is
// logged and gives an empty list.
QList<PosButtonInfo> LoadPosButtons(const QSqlDatabase& inventory);

// Paging state of the button grid: the all-buttons list with its page counters and the list of
// the selected category with its own counters. No widgets, so the screen only draws CurrentPage().
class PosButtonPages
{
    Q_DECLARE_TR_FUNCTIONS(PosButtonPages)

public:
    PosButtonPages(int rows, int columns);

    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }
    int PerPage() const { return m_rows * m_columns; }

    // Takes the loaded buttons and shows the first page of all buttons.
    void SetButtons(const QList<PosButtonInfo>& all);
    // The entries on the page shown now (at most PerPage()).
    QList<PosButtonInfo> CurrentPage() const;
    // "Page %1 of %2 " or, while a category is selected, "Category Page %1 of %2 ".
    QString Caption() const;

    void ShowAll();
    void SelectCategory(int categoryId);
    // Both leave everything unchanged and return false beyond the last or before the first page.
    bool Next();
    bool Previous();
    bool InCategory() const { return m_inCategory; }

private:
    const QList<PosButtonInfo>& ActiveList() const;
    void ShowRange(int begin, int end);

    int m_rows;
    int m_columns;
    QList<PosButtonInfo> m_all;
    QList<PosButtonInfo> m_category;
    int m_pages = 0;
    int m_page = 0;
    int m_categoryPages = 0;
    int m_categoryPage = 0;
    bool m_inCategory = false;
    int m_begin = 0;
    int m_end = 0;
};

// Rebuilds the grid: deletes every widget in the layout, then lays out a button and a name label
// per entry and disabled placeholders up to rows x columns. onClicked receives the pressed button.
void ShowPosButtons(QGridLayout* grid, QWidget* owner, const QList<PosButtonInfo>& entries,
                    int rows, int columns, const std::function<void(CPosButton*)>& onClicked);

#endif // POSBUTTONS_H
