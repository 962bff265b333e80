#include "catalogue/productmanagement.h"
#include "ui_productmanagement.h"

#include "catalogue/addeditproductdialog.h"
#include "core/DBManager.h"
#include "core/productvalidation.h"
#include "core/utility.h"
#include "widgets/merchoradialog.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPixmap>
#include <QScroller>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlRelation>

namespace {

const char NO_IMAGE[] = ":/resources/images/NoImageAvailable.jpg";
// The filter that lists nothing.
const char NO_PRODUCTS[] = "PRODUCT_CODE = -1";
// SQLite's primary result code of a constraint violation; extended codes carry it in the low byte.
const int SQLITE_CONSTRAINT_CODE = 19;

} // namespace

ProductManagement::ProductManagement(QWidget* parent, bool selectionMode)
    : QScrollArea(parent), ui(new Ui::ProductManagement), m_selectionMode(selectionMode)
{
    ui->setupUi(this);
    // Touch screens: the screen and the list scroll by dragging with the finger.
    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
    QScroller::grabGesture(ui->tableViewProducts->viewport(), QScroller::LeftMouseButtonGesture);
    ui->frameCloseButton->hide();

    m_model = new ProductTableModel(this, CDBManager::GetInstance()->GetInventoryDataBase());
    m_model->setTable(QStringLiteral("tblProducts"));
    m_model->setRelation(ProductColumn::Category,
                         QSqlRelation(QStringLiteral("tblProductCategories"), QStringLiteral("id"),
                                      QStringLiteral("name")));
    m_model->setHeaderData(ProductColumn::Category, Qt::Horizontal, tr("Category"));
    //: column heading: the product code
    m_model->setHeaderData(ProductColumn::Code, Qt::Horizontal, tr("Code"));
    m_model->setHeaderData(ProductColumn::Name, Qt::Horizontal, tr("Name"));
    m_model->setHeaderData(ProductColumn::ItemsPerUnit, Qt::Horizontal, tr("Items Per Unit"));
    m_model->setHeaderData(ProductColumn::Description, Qt::Horizontal, tr("Description"));
    m_model->setHeaderData(ProductColumn::TaxRate, Qt::Horizontal, tr("Tax rate"));
    m_model->setFilter(QString::fromLatin1(NO_PRODUCTS));

    QTableView* view = ui->tableViewProducts;
    view->setModel(m_model);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->horizontalHeader()->setStretchLastSection(true);
    view->hideColumn(ProductColumn::Id);
    view->hideColumn(ProductColumn::ImageFile);

    view->viewport()->installEventFilter(this);

    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ProductManagement::OnProductSeleted);
    connect(view, &QAbstractItemView::doubleClicked, this, &ProductManagement::OnRowDoubleClicked);
    connect(ui->editName, &QLineEdit::returnPressed, this,
            &ProductManagement::on_buttonSearch_clicked);
    connect(ui->editCode, &QLineEdit::returnPressed, this,
            &ProductManagement::on_buttonSearch_clicked);

    if (m_selectionMode) {
        ui->groupBox_3->hide();
        ui->frameCloseButton->show();
        ui->labelStatus->setText(tr("PLEASE DOUBLE CLICK TABLE ROW TO SELECT THE PRODUCT"));
    }

    on_buttonShowAll_clicked();
}

ProductManagement::~ProductManagement()
{
    delete ui;
}

QString ProductManagement::PickProduct(const QSize& size, QWidget* parent)
{
    ScreenDialog dialog(parent, tr("Select Product"), size);
    auto* screen = dialog.SetScreen(new ProductManagement(&dialog, true));
    dialog.exec();
    return screen->GetSelectedProductCode();
}

void ProductManagement::Reload()
{
    if (!m_model->select())
        MERCHORA_LOG_DB_ERROR(m_model->lastError());

    // Every column as wide as its header and the rows loaded so far.
    QAbstractItemView* view = ui->tableViewProducts;
    const QHeaderView* header = ui->tableViewProducts->horizontalHeader();
    m_contentWidths.clear();
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_contentWidths << qMax(view->sizeHintForColumn(column), header->sectionSizeHint(column));
    FitColumnsToView();
}

void ProductManagement::FitColumnsToView()
{
    QTableView* view = ui->tableViewProducts;
    int excess = -view->viewport()->width();
    for (int column = 0; column < m_contentWidths.size(); ++column) {
        if (!view->isColumnHidden(column))
            excess += m_contentWidths.at(column);
    }
    // When the list is narrower than its contents, the description and then the name give way
    // (elided, never below their header) before any column is pushed out of sight.
    const struct
    {
        int column;
        int minimum;
    } yielding[] = {{ProductColumn::Description, 0}, {ProductColumn::Name, 200}};
    QVector<int> widths = m_contentWidths;
    for (const auto& text : yielding) {
        if (text.column >= widths.size())
            continue;
        const int minimum =
            qMax(text.minimum, view->horizontalHeader()->sectionSizeHint(text.column));
        const int shrink = qBound(0, excess, widths.at(text.column) - minimum);
        widths[text.column] -= shrink;
        excess -= shrink;
    }
    for (int column = 0; column < widths.size(); ++column) {
        if (!view->isColumnHidden(column))
            view->setColumnWidth(column, widths.at(column));
    }
}

bool ProductManagement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->tableViewProducts->viewport() && event->type() == QEvent::Resize)
        FitColumnsToView();
    return QScrollArea::eventFilter(watched, event);
}

void ProductManagement::OnProductSeleted()
{
    ui->buttonEdit->setEnabled(true);
    ui->buttonDelete->setEnabled(true);

    const QModelIndex current = ui->tableViewProducts->currentIndex();
    const QString path = m_model->index(current.row(), ProductColumn::ImageFile).data().toString();
    QPixmap picture;
    // A picture file that has gone missing shows as no picture at all.
    if (path.isEmpty() || !picture.load(path))
        picture.load(QString::fromLatin1(NO_IMAGE));
    ui->labelImage->setPixmap(
        picture.scaled(QSize(200, 200), Qt::KeepAspectRatio, Qt::FastTransformation));
}

void ProductManagement::on_buttonSearch_clicked()
{
    const QString name = ui->editName->text();
    const QString code = ui->editCode->text();
    if (!name.isEmpty()) {
        m_model->SetBoundFilter(SqlSearch::LikeCondition(QStringLiteral("tblProducts.NAME")),
                                {SqlSearch::ContainsPattern(name)});
        ui->labelStatus->setText(tr("Search results based on Name. "));
    } else if (!code.isEmpty()) {
        m_model->SetBoundFilter(SqlSearch::LikeCondition(QStringLiteral("PRODUCT_CODE")),
                                {SqlSearch::ContainsPattern(code)});
        ui->labelStatus->setText(tr("Search results based on Product Code."));
    } else {
        ui->labelStatus->setText(tr("No search criteria specified."));
        m_model->setFilter(QString::fromLatin1(NO_PRODUCTS));
    }
    Reload();
    ui->tableViewProducts->show();
}

void ProductManagement::on_buttonAddNew_clicked()
{
    AddEditProductDialog dialog(Utility::GetInstance()->GetMainWindow());
    dialog.setModal(true);
    dialog.exec();
    Reload();
}

void ProductManagement::on_buttonEdit_clicked()
{
    const QModelIndex current = ui->tableViewProducts->currentIndex();
    if (!current.isValid())
        return;
    AddEditProductDialog dialog(this);
    dialog.SetProductForEdit(m_model, current);
    dialog.setModal(true);
    dialog.exec();
    Reload();
}

void ProductManagement::on_buttonDelete_clicked()
{
    const QModelIndex current = ui->tableViewProducts->currentIndex();
    if (!current.isValid())
        return;
    if (QMessageBox::question(this, tr("Delete Product"),
                              tr("Do you really want to delete this product?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    QSqlQuery query(CDBManager::GetInstance()->GetInventoryDataBase());
    query.prepare(QStringLiteral("DELETE FROM tblProducts WHERE ID = ?"));
    query.addBindValue(m_model->index(current.row(), ProductColumn::Id).data());
    if (!query.exec()) {
        MERCHORA_LOG_DB_ERROR(query.lastError());
        // Stock batches still refer to the product.
        if ((query.lastError().nativeErrorCode().toInt() & 0xff) == SQLITE_CONSTRAINT_CODE)
            QMessageBox::information(this, tr("Error"),
                                     tr("Can not delete this product because inventory might "
                                        "exist against this product."));
    }
    Reload();
}

void ProductManagement::on_buttonShowAll_clicked()
{
    ui->editCode->clear();
    ui->editName->clear();
    m_model->setFilter(QString());
    Reload();
}

void ProductManagement::OnRowDoubleClicked(const QModelIndex& index)
{
    if (!m_selectionMode) {
        on_buttonEdit_clicked();
        return;
    }
    if (!index.isValid())
        return;
    m_selectedProductCode =
        m_model->record(index.row()).value(QStringLiteral("PRODUCT_CODE")).toString();
    if (parentWidget())
        parentWidget()->close();
}

void ProductManagement::on_pushButton_clicked()
{
    if (parentWidget())
        parentWidget()->close();
}
