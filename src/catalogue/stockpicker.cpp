#include "catalogue/stockpicker.h"

#include "catalogue/inventorymanagement.h"

QString PickStockBarCode()
{
    return InventoryManagement::PickBarCode();
}
