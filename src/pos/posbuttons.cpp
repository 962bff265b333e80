#include "pos/posbuttons.h"

#include "core/DBManager.h"
#include "core/utility.h"

#include <QGridLayout>
#include <QLabel>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

constexpr int MIN_GRID_SIZE = 1;
constexpr int MAX_GRID_SIZE = 8;
const char PLACEHOLDER_BARCODE[] = "NOCODE";

// Background of a button by grid row; placeholders repeat the first three colours on rows 5-7.
QString RowColourSheet(int row, bool placeholder)
{
    static const char* const colours[] = {"#228B22", "#FF7F50", "#6495ED", "#A9A9A9", "#DAA520"};
    int index = row;
    if (placeholder && row >= 5 && row <= 7)
        index = row - 5;
    if (index < 0 || index >= 5)
        return QString();
    return QStringLiteral(" CPosButton { background-color: %1; }")
        .arg(QString::fromLatin1(colours[index]));
}

int PageCount(int count, int perPage)
{
    return perPage > 0 ? (count + perPage - 1) / perPage : 0;
}

int ReadGridSize(const char* key)
{
    return qBound(MIN_GRID_SIZE, Utility::GetInstance()->ReadInt(QString::fromLatin1(key)),
                  MAX_GRID_SIZE);
}

} // namespace

CPosButton::CPosButton(const QString& text, QWidget* parent, const QString& barCode)
    : QPushButton(text, parent), m_barCode(barCode)
{
}

int ReadPosGridRows()
{
    return ReadGridSize(SettingKey::POS_ROWS);
}

int ReadPosGridColumns()
{
    return ReadGridSize(SettingKey::POS_COLUMNS);
}

QList<PosButtonInfo> LoadPosButtons(const QSqlDatabase& inventory)
{
    QList<PosButtonInfo> buttons;
    QSqlQuery query(inventory);
    if (!query.exec(QStringLiteral(
            "SELECT i.BAR_CODE, p.NAME , p.IMAGE_FILE, c.ID FROM tblInventory as i, tblProducts "
            "as p, tblProductCategories as c  WHERE i.PRODUCT_ID = p.ID AND p.CATEGORY_ID = c.ID "
            "AND i.SHOW_ON_POS = 1"))) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        return buttons;
    }
    while (query.next()) {
        PosButtonInfo info;
        info.barCode = query.value(0).toString();
        info.productName = query.value(1).toString();
        info.imageFile = query.value(2).toString();
        info.categoryId = query.value(3).toInt();
        buttons.append(info);
    }
    return buttons;
}

PosButtonPages::PosButtonPages(int rows, int columns) : m_rows(rows), m_columns(columns) {}

void PosButtonPages::SetButtons(const QList<PosButtonInfo>& all)
{
    m_all = all;
    m_category.clear();
    m_categoryPages = 0;
    m_categoryPage = 0;
    m_inCategory = false;
    m_pages = PageCount(m_all.size(), PerPage());
    ShowRange(0, qMin(m_all.size(), PerPage()));
    m_page = 1;
}

QList<PosButtonInfo> PosButtonPages::CurrentPage() const
{
    return ActiveList().mid(m_begin, m_end - m_begin);
}

QString PosButtonPages::Caption() const
{
    if (m_inCategory)
        return tr("Category Page %1 of %2 ").arg(m_categoryPage).arg(m_categoryPages);
    return tr("Page %1 of %2 ").arg(m_page).arg(m_pages);
}

void PosButtonPages::ShowAll()
{
    m_inCategory = false;
    ShowRange(0, qMin(m_all.size(), PerPage()));
    m_page = 1;
}

void PosButtonPages::SelectCategory(int categoryId)
{
    m_category.clear();
    for (const PosButtonInfo& info : qAsConst(m_all)) {
        if (info.categoryId == categoryId)
            m_category.append(info);
    }
    m_inCategory = true;
    m_categoryPages = PageCount(m_category.size(), PerPage());
    ShowRange(0, qMin(m_category.size(), PerPage()));
    m_categoryPage = 1;
}

bool PosButtonPages::Next()
{
    int& page = m_inCategory ? m_categoryPage : m_page;
    const int pages = m_inCategory ? m_categoryPages : m_pages;
    if (page + 1 > pages)
        return false;
    const int count = ActiveList().size();
    ShowRange(page * PerPage(), qMin((page + 1) * PerPage(), count));
    ++page;
    return true;
}

bool PosButtonPages::Previous()
{
    int& page = m_inCategory ? m_categoryPage : m_page;
    if (page - 1 < 1)
        return false;
    ShowRange((page - 2) * PerPage(), (page - 1) * PerPage());
    --page;
    return true;
}

const QList<PosButtonInfo>& PosButtonPages::ActiveList() const
{
    return m_inCategory ? m_category : m_all;
}

void PosButtonPages::ShowRange(int begin, int end)
{
    m_begin = begin;
    m_end = qMax(begin, end);
}

void ShowPosButtons(QGridLayout* grid, QWidget* owner, const QList<PosButtonInfo>& entries,
                    int rows, int columns, const std::function<void(CPosButton*)>& onClicked)
{
    if (!grid || columns < 1)
        return;

    // The old widgets leave the layout and their parent at once and are deleted from the event
    // loop, so a rebuild started by one of the grid's own buttons cannot delete its caller.
    while (QLayoutItem* item = grid->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
    grid->update();

    const QString pressedSheet = QStringLiteral(" CPosButton:pressed { margin: 5px; }");
    const int perPage = rows * columns;
    const int shown = qMin(entries.size(), perPage);

    for (int i = 0; i < shown; ++i) {
        const PosButtonInfo& entry = entries.at(i);
        const int row = i / columns;
        const int column = i % columns;

        auto* button = new CPosButton(QObject::tr("NO IMAGE"), owner, entry.barCode);
        auto* label = new QLabel(entry.productName, owner);
        label->setAlignment(Qt::AlignHCenter);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

        QString sheet = RowColourSheet(row, false);
        if (!entry.imageFile.isEmpty()) {
            sheet = QStringLiteral("CPosButton {border-image:url(") + entry.imageFile +
                    QStringLiteral("); }");
            button->setText(QString());
        }
        button->setStyleSheet(sheet + pressedSheet);

        grid->addWidget(button, 2 * row, column);
        grid->addWidget(label, 2 * row + 1, column);

        if (onClicked)
            QObject::connect(button, &QPushButton::clicked, button,
                             [onClicked, button]() { onClicked(button); });
    }

    for (int i = shown; i < perPage; ++i) {
        const int row = i / columns;
        const int column = i % columns;

        auto* button = new CPosButton(QObject::tr("NO IMAGE"), owner,
                                      QString::fromLatin1(PLACEHOLDER_BARCODE));
        button->setEnabled(false);
        //: caption of an empty place in the grid of product buttons
        auto* label = new QLabel(QObject::tr("UNUSED"), owner);
        label->setAlignment(Qt::AlignHCenter);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setStyleSheet(RowColourSheet(row, true));

        grid->addWidget(button, 2 * row, column);
        grid->addWidget(label, 2 * row + 1, column);
    }
}
