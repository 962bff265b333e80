#include "core/reportlayout.h"

namespace {

class Layouter
{
public:
    Layouter(const ReportTemplate& report, const QVector<int>& rowCounts)
        : m_template(report), m_rowCounts(rowCounts)
    {
    }

    ReportLayout run()
    {
        for (int i = 0; i < m_template.pages.size(); ++i)
            layoutReport(i);
        m_result.totalPages = m_page;
        return m_result;
    }

private:
    int heightOf(ReportBand::Type type) const
    {
        const ReportBand* band = m_current->band(type);
        return band ? band->height : 0;
    }

    // Places the band at y and moves y below it; absent bands are skipped.
    void place(ReportBand::Type type)
    {
        const ReportBand* band = m_current->band(type);
        if (!band)
            return;
        m_result.placements.append({m_report, type, m_page, m_y, m_record});
        m_y += band->height;
    }

    void placePageFooter()
    {
        const ReportBand* footer = m_current->band(ReportBand::Type::PageFooter);
        if (footer)
            m_result.placements.append({m_report, ReportBand::Type::PageFooter, m_page,
                                        m_current->usableHeight() - footer->height, m_record});
    }

    void newPage()
    {
        ++m_page;
        m_y = 0;
        place(ReportBand::Type::PageHeader);
        placePageFooter();
    }

    void layoutReport(int index)
    {
        m_report = index;
        m_current = &m_template.pages.at(index);
        if (index > 0)
            newPage();
        else
            m_y = 0;
        place(ReportBand::Type::ReportTitle);
        place(ReportBand::Type::PageHeader);
        place(ReportBand::Type::MasterHeader);
        placePageFooter();

        const int usable = m_current->usableHeight();
        const ReportBand* data = m_current->band(ReportBand::Type::MasterData);
        const int rows = index < m_rowCounts.size() ? m_rowCounts.at(index) : 0;
        if (data && rows > 0) {
            const int room = usable - heightOf(ReportBand::Type::MasterFooter) -
                             heightOf(ReportBand::Type::PageFooter);
            for (int m = 0; m < rows; ++m) {
                m_record = m;
                if (room < data->height + m_y) {
                    newPage();
                    place(ReportBand::Type::MasterHeader);
                }
                place(ReportBand::Type::MasterData);
            }
        }

        if (const ReportBand* footer = m_current->band(ReportBand::Type::MasterFooter)) {
            if (usable - footer->height < m_y)
                newPage();
            place(ReportBand::Type::MasterFooter);
        }
        // The summary only stays on the page when twice its height still fits.
        if (const ReportBand* summary = m_current->band(ReportBand::Type::ReportSummary)) {
            if (usable - summary->height < summary->height + m_y)
                newPage();
            place(ReportBand::Type::ReportSummary);
        }
    }

    const ReportTemplate& m_template;
    const QVector<int>& m_rowCounts;
    const ReportPage* m_current = nullptr;
    ReportLayout m_result;
    int m_report = 0;
    int m_page = 1;
    int m_y = 0;
    int m_record = 0;
};

} // namespace

QVector<ReportPlacement> ReportLayout::placementsOf(ReportBand::Type band) const
{
    QVector<ReportPlacement> result;
    for (const ReportPlacement& p : placements) {
        if (p.band == band)
            result.append(p);
    }
    return result;
}

ReportLayout LayoutReport(const ReportTemplate& report, const QVector<int>& rowCounts)
{
    return Layouter(report, rowCounts).run();
}

ReportScale ScaleForPage(const ReportPage& page, const QSizeF& printableArea)
{
    ReportScale scale;
    if (page.usableWidth() != 0)
        scale.horizontal = printableArea.width() / page.usableWidth();
    if (page.usableHeight() != 0)
        scale.vertical = printableArea.height() / page.usableHeight();
    return scale;
}

QRect MapFieldRect(const ReportField& field, int y, const ReportScale& scale)
{
    return QRect(static_cast<int>(field.left * scale.horizontal),
                 static_cast<int>((field.top + y) * scale.vertical),
                 static_cast<int>((field.width - 1) * scale.horizontal),
                 static_cast<int>(field.height * scale.vertical));
}
