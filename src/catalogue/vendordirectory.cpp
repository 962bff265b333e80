#include "catalogue/vendordirectory.h"

#include "catalogue/managevendors.h"

void OpenVendorDirectory(QWidget* parent)
{
    ManageVendors vendors(parent);
    vendors.resize(800, 600);
    vendors.setModal(true);
    vendors.exec();
}
