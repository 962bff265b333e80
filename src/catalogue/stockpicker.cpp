#include "catalogue/stockpicker.h"

#include "catalogue/inventorymanagement.h"

QString PickStockBarCode(QWidget* parent)
{
    return InventoryManagement::PickBarCode(parent);
}
