#ifndef REPORTLAYOUT_H
#define REPORTLAYOUT_H

// The page arithmetic of printed reports, free of painters and printers: where each band of a
// template lands for a given number of data rows, and how template units map to device pixels.

#include "core/reporttemplate.h"

#include <QRect>
#include <QSizeF>
#include <QVector>

// One band placed on a page. y is in template units from the top of the printable area.
struct ReportPlacement
{
    int report = 0; // index of the Report element
    ReportBand::Type band = ReportBand::Type::ReportTitle;
    int page = 1; // counted from 1 over the whole print run
    int y = 0;
    int record = 0; // the data row being (or last) laid out, from 0
};

struct ReportLayout
{
    QVector<ReportPlacement> placements; // in the order the bands are painted
    int totalPages = 1;

    QVector<ReportPlacement> placementsOf(ReportBand::Type band) const;
};

// Lays out every Report element in turn; rowCounts gives the data rows of each, by position.
ReportLayout LayoutReport(const ReportTemplate& report, const QVector<int>& rowCounts);

// Device pixels per template unit for a printable area of the given size in device pixels.
struct ReportScale
{
    double horizontal = 1;
    double vertical = 1;
};
ReportScale ScaleForPage(const ReportPage& page, const QSizeF& printableArea);

// A field's rectangle in device pixels when its band sits at y; each product is truncated.
QRect MapFieldRect(const ReportField& field, int y, const ReportScale& scale);

#endif // REPORTLAYOUT_H
