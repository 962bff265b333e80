#ifndef REPORTENGINE_H
#define REPORTENGINE_H

// Prints a report template: lays its bands out page by page, asks the caller for every
// placeholder value through setValue/setValueImage (connect them directly) and paints the
// pages onto a printer, a PDF file or a print preview.

#include "core/reportlayout.h"
#include "core/reporttemplate.h"

#include <QDomDocument>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointer>
#include <QSet>
#include <QVariant>
#include <QWidget>

#include <memory>

class QAction;
class QPrinter;
class QPrintPreviewDialog;
class QPrintPreviewWidget;

class ReportEngine : public QWidget
{
    Q_OBJECT

public:
    explicit ReportEngine(QWidget* parent = nullptr);
    ~ReportEngine() override;

    // Data rows of each Report element of the template, by position; filled before printing.
    QList<int> rowCounts;

    bool openTemplate(const QString& path);
    void printToTarget(bool useReportPrinter);
    void printToPdfFile();
    void openPreview(QWidget* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void setValue(int& recNo, QString& paramName, QVariant& paramValue, int reportPage);
    void setValueImage(int& recNo, QString& paramName, QImage& paramValue, int reportPage);

public Q_SLOTS:
    void printPreview(QPrinter* printer);
    void closePreview();

private:
    void applyPageSettings(QPrinter* printer, int report);
    // Runs the counting pass and the drawing pass on the printer, from begin to end.
    void render(QPrinter* printer);
    // The font attributes of a field, after highlighting.
    struct FontKey
    {
        QString family;
        int size = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;

        bool operator==(const FontKey& other) const
        {
            return family == other.family && size == other.size && bold == other.bold &&
                   italic == other.italic && underline == other.underline;
        }
    };
    void applyFont(const FontKey& key);
    void paintBand(const ReportBand& band, int y);
    void paintField(const ReportField& field, int y);
    QVariant requestValue(const QString& name);
    QString pdfPathFor(QPrinter* printer, bool notice, bool useReportPrinter);

    QDomDocument m_document;
    ReportTemplate m_template;
    QPainter m_painter;
    QPointer<QPrintPreviewDialog> m_previewDialog;
    QPointer<QPrintPreviewWidget> m_previewWidget;
    QList<QAction*> m_previewActions;
    ReportExpressions m_expressions;
    ReportScale m_scale;
    int m_currentPage = 1;
    int m_totalPages = 1;
    int m_recordNo = 0;
    int m_reportPage = 0;
    bool m_counting = false;
    bool m_inDataRow = false;
    // What the font last set on the painter since it began was made from.
    FontKey m_fontKey;
    bool m_fontSet = false;
    // Placeholder and row pairs already collected for the aggregates.
    QSet<QPair<QString, int>> m_collected;
};

#endif // REPORTENGINE_H
