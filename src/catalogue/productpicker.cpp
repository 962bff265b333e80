#include "catalogue/productpicker.h"

#include "catalogue/productmanagement.h"

QString PickProductCode(QWidget* parent, const QSize& size)
{
    return ProductManagement::PickProduct(size, parent);
}
